#include "notificationchannel.h"

#include "exchange.h"
#include "jsonbody.h"

#include "platform/jsonwriter.h"

#include <atomic>
#include <boost/asio/io_context.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <deque>
#include <unordered_map>

namespace appserver {
namespace {

namespace net = boost::asio;
using Clock = std::chrono::steady_clock;

QByteArray EncodeValue(const QJsonValue &value)
{
    QByteArray json;
    platform::JsonWriter w(json);
    WriteJsonValue(w, value);
    return json;
}

HttpAnswer MessageAnswer(const QByteArray &message)
{
    QByteArray body;
    body.reserve(message.size() + 12);
    body.append("{\"message\":").append(message).append('}');
    return JsonAnswer(std::move(body));
}

} // namespace

struct NotificationChannel::Impl
{
    using Strand = net::strand<net::io_context::executor_type>;

    struct HeldPoll
    {
        HeldPoll(Strand &strand, std::shared_ptr<Exchange> e, std::uint64_t i)
            : exchange(std::move(e)), timer(strand), id(i)
        {
        }
        std::shared_ptr<Exchange> exchange;
        net::steady_timer timer;
        std::uint64_t id;
    };

    struct Client
    {
        std::deque<QByteArray> queue; // encoded messages, oldest first
        std::unique_ptr<HeldPoll> held;
        Clock::time_point lastSeen;
    };

    Impl(net::io_context &io, ChannelOptions o) : strand(net::make_strand(io)), options(o) {}

    void OnPoll(const std::string &id, std::shared_ptr<Exchange> exchange);
    void OnHoldEnd(const std::string &id, std::uint64_t pollId);
    std::size_t OnBroadcast(const QByteArray &message);
    void Forget(Clock::time_point now);
    static void EndHeld(std::unique_ptr<HeldPoll> held);

    Strand strand;
    ChannelOptions options;
    std::unordered_map<std::string, Client> clients;
    std::uint64_t nextPollId = 1;
    Clock::time_point lastForget = Clock::now();
    std::atomic<std::size_t> clientCount{0};
};

void NotificationChannel::Impl::Forget(Clock::time_point now)
{
    for (auto it = clients.begin(); it != clients.end();) {
        const bool silent =
            !it->second.held && now - it->second.lastSeen > options.forgetClientAfter;
        it = silent ? clients.erase(it) : std::next(it);
    }
    lastForget = now;
    clientCount = clients.size();
}

void NotificationChannel::Impl::EndHeld(std::unique_ptr<HeldPoll> held)
{
    held->timer.cancel();
    held->exchange->Answer(NoContentAnswer());
}

void NotificationChannel::Impl::OnPoll(const std::string &id, std::shared_ptr<Exchange> exchange)
{
    const auto now = Clock::now();
    // Sweeping on a fraction of the forget time bounds the work per poll with many clients.
    if (now - lastForget >= options.forgetClientAfter / 4)
        Forget(now);
    Client &client = clients[id];
    clientCount = clients.size();
    client.lastSeen = now;
    if (client.held)
        EndHeld(std::move(client.held)); // the client gave that poll up without us seeing it
    if (!client.queue.empty()) {
        if (exchange->Claim()) {
            exchange->Send(MessageAnswer(client.queue.front()));
            client.queue.pop_front();
        }
        return;
    }
    if (exchange->Abandoned())
        return;
    const std::uint64_t pollId = nextPollId++;
    client.held = std::make_unique<HeldPoll>(strand, std::move(exchange), pollId);
    client.held->timer.expires_after(options.pollHold);
    client.held->timer.async_wait([this, id, pollId](const boost::system::error_code &ec) {
        if (!ec)
            OnHoldEnd(id, pollId);
    });
}

void NotificationChannel::Impl::OnHoldEnd(const std::string &id, std::uint64_t pollId)
{
    const auto it = clients.find(id);
    if (it == clients.end() || !it->second.held || it->second.held->id != pollId)
        return;
    const bool answered = it->second.held->exchange->Answer(NoContentAnswer());
    it->second.held.reset();
    if (answered)
        it->second.lastSeen = Clock::now();
}

std::size_t NotificationChannel::Impl::OnBroadcast(const QByteArray &message)
{
    const auto now = Clock::now();
    Forget(now);
    for (auto &[id, client] : clients) {
        if (client.held) {
            std::unique_ptr<HeldPoll> held = std::move(client.held);
            held->timer.cancel();
            // A poll whose client hung up cannot take the message: it waits for the next poll.
            if (held->exchange->Claim()) {
                held->exchange->Send(MessageAnswer(message));
                client.lastSeen = now;
                continue;
            }
        }
        client.queue.push_back(message);
        if (client.queue.size() > options.maxQueuedMessages)
            client.queue.pop_front();
    }
    return clients.size();
}

NotificationChannel::NotificationChannel(net::io_context &io, ChannelOptions options)
    : d(std::make_unique<Impl>(io, options))
{
}

NotificationChannel::~NotificationChannel() = default;

void NotificationChannel::Poll(const std::string &clientId, std::shared_ptr<Exchange> exchange)
{
    // Set before the connection can see a hang-up, so that no message goes to a gone client.
    exchange->CancelOnHangUp();
    net::post(d->strand, [impl = d.get(), clientId, exchange = std::move(exchange)]() mutable {
        impl->OnPoll(clientId, std::move(exchange));
    });
}

void NotificationChannel::Broadcast(const QJsonValue &message)
{
    net::post(d->strand,
              [impl = d.get(), json = EncodeValue(message)] { impl->OnBroadcast(json); });
}

void NotificationChannel::Broadcast(const QJsonValue &message, std::shared_ptr<Exchange> exchange)
{
    net::post(d->strand,
              [impl = d.get(), json = EncodeValue(message), exchange = std::move(exchange)] {
                  const std::size_t clients = impl->OnBroadcast(json);
                  exchange->Answer(JsonAnswer(QByteArrayLiteral("{\"clients\":") +
                                              QByteArray::number(qulonglong(clients)) + '}'));
              });
}

std::size_t NotificationChannel::ClientCount() const
{
    return d->clientCount.load();
}

} // namespace appserver
