#pragma once

#include <QtGlobal>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace appserver {

// The notification channel's limits.
struct ChannelOptions
{
    // How long a poll is held open when there is nothing to deliver.
    std::chrono::milliseconds pollHold{30'000};
    // A client that has not polled for this long is dropped with its queue.
    std::chrono::milliseconds forgetClientAfter{600'000};
    // Messages kept for one client between two polls; the oldest go first beyond this, so a
    // flood of broadcasts cannot grow a silent client's queue without end.
    std::size_t maxQueuedMessages = 1000;
};

// Everything the transport can be tuned with. The defaults suit a production server; tests
// shorten the times so that time-outs can be seen in a few hundred milliseconds.
struct ServerOptions
{
    std::string address = "0.0.0.0";
    quint16 port = 9090; // 0 asks the system for a free port (HttpServer::Port tells which)
    int ioThreads = 1;
    int workers = 4;

    // From the first byte of a request to its last: a client that sends too slowly is cut off.
    std::chrono::milliseconds readTimeout{30'000};
    // Between two requests on a kept-alive connection.
    std::chrono::milliseconds idleTimeout{120'000};
    // For writing one answer; a large table to a slow reader needs more than a request does.
    std::chrono::milliseconds writeTimeout{120'000};

    std::uint64_t bodyLimit = 8u * 1024 * 1024;
    std::uint32_t headerLimit = 16u * 1024;

    ChannelOptions channel;
};

} // namespace appserver
