#pragma once

#include "serveroptions.h"

#include <QByteArray>
#include <QJsonValue>
#include <cstddef>
#include <memory>
#include <string>

namespace boost::asio {
class io_context;
}

namespace appserver {

class Exchange;

// The notification channel: clients long-poll with their id, the server answers each poll
// with the next message for that client ({"message": ...}) or, when none comes within the
// hold time, with 204. Every client has a queue, so a message broadcast between two polls
// waits for the next one. A held poll is a timer, not a thread.
//
// All state lives on one strand of the io context; the public calls may come from any thread.
class NotificationChannel
{
public:
    NotificationChannel(boost::asio::io_context &io, ChannelOptions options);
    ~NotificationChannel();
    NotificationChannel(const NotificationChannel &) = delete;
    NotificationChannel &operator=(const NotificationChannel &) = delete;

    // A poll of that client: answered with a queued message at once, or held. A client that
    // polls again while its earlier poll is held gets 204 on the earlier one.
    void Poll(const std::string &clientId, std::shared_ptr<Exchange> exchange);
    // Queues the message for every registered client (delivering it to those that wait).
    void Broadcast(const QJsonValue &message);
    // The same, answering `exchange` with {"clients":N} once queued.
    void Broadcast(const QJsonValue &message, std::shared_ptr<Exchange> exchange);

    // Registered clients (polled lately), as last seen on the strand.
    std::size_t ClientCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace appserver
