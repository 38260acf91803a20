// What idle notification polls cost the server: memory and threads with many polls held,
// then one broadcast and how many of the held polls it reaches, and how fast.
//
//     bench_channels [--polls N]      (default 2000)
//
// The server runs in this process, so /proc/self/status is its figures; the polls come from
// plain non-blocking sockets of this process over loopback, whose own memory is a few bytes each
// (the kernel's socket buffers are not in VmRSS).
#include "benchstats.h"

#include "appserver/builtinmethods.h"
#include "appserver/httpserver.h"
#include "appserver/methodhandlers.h"
#include "appserver/notificationchannel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct PollSocket
{
    int fd = -1;
    std::string in; // what the server answered so far
    int status = 0; // of a complete answer; 0 until then
    std::string body;
    double answeredMs = -1; // after the broadcast was sent
};

// A blocking connect (loopback answers at once) to a socket then made non-blocking; -1 on failure.
int Connect(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    return fd;
}

std::string Post(const std::string &path, const std::string &body)
{
    return "POST " + path +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/json\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Sends a request small enough for an empty socket buffer; false when it did not all go.
bool Send(int fd, const std::string &request)
{
    return ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) == ssize_t(request.size());
}

// Reads what is there; true once a whole answer (headers and Content-Length body) is in.
bool ReadAnswer(PollSocket &s)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(s.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            s.in.append(buffer, size_t(n));
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            s.status = s.status ? s.status : -1; // closed without a whole answer
        break;
    }
    const size_t end = s.in.find("\r\n\r\n");
    if (end == std::string::npos)
        return s.status == -1;
    size_t length = 0;
    const size_t at = s.in.find("Content-Length:");
    if (at != std::string::npos && at < end)
        length = std::stoul(s.in.substr(at + 15));
    if (s.in.size() < end + 4 + length)
        return s.status == -1;
    s.status = std::atoi(s.in.c_str() + s.in.find(' ') + 1);
    s.body = s.in.substr(end + 4, length);
    return true;
}

// Readable sockets now, without reading them: a poll answered before the broadcast shows here.
int ReadableNow(std::vector<PollSocket> &sockets)
{
    std::vector<pollfd> fds;
    for (const PollSocket &s : sockets)
        fds.push_back({s.fd, POLLIN, 0});
    ::poll(fds.data(), fds.size(), 0);
    int readable = 0;
    for (const pollfd &p : fds)
        readable += (p.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    return readable;
}

void PrintProcess(const char *when)
{
    std::printf("%-36s VmRSS %8.1f MB  Threads %3lld\n", when, bench::ProcStatus("VmRSS") / 1024.0,
                bench::ProcStatus("Threads"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int polls = 2000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--polls") == 0)
            polls = std::clamp(std::atoi(argv[i + 1]), 1, 8000);

    // Every poll takes a socket here and one in the server.
    rlimit files{};
    ::getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &files);
    if (files.rlim_cur < rlim_t(2 * polls + 64)) {
        std::fprintf(stderr, "bench_channels: %d polls need %d open files; the limit is %llu\n",
                     polls, 2 * polls + 64, static_cast<unsigned long long>(files.rlim_cur));
        return 2;
    }

    appserver::MethodHandlers handlers;
    appserver::RegisterBuiltinMethods(handlers);
    appserver::ServerOptions options;
    options.address = "127.0.0.1";
    options.port = 0;
    // Longer than the production hold, so that no poll times out while the others are opened
    // on a busy machine: the broadcast must find them all still held.
    options.channel.pollHold = 90s;
    appserver::HttpServer server(options, handlers);
    server.Start();
    std::printf("%d idle polls; server: 1 io thread, 4 workers; %u cores\n", polls,
                std::thread::hardware_concurrency());

    // One poll answered and closed first, so the figures before do not count the first
    // request's one-off allocations as the polls' cost.
    {
        PollSocket warm;
        warm.fd = Connect(server.Port());
        Send(warm.fd, Post("/datasnap/channel/Holvaro/broadcast", "null"));
        for (int i = 0; i < 100 && !ReadAnswer(warm); ++i)
            std::this_thread::sleep_for(10ms);
        ::close(warm.fd);
    }
    std::this_thread::sleep_for(200ms);
    const long long rssBefore = bench::ProcStatus("VmRSS");
    PrintProcess("before the polls:");

    QElapsedTimer t;
    t.start();
    std::vector<PollSocket> sockets(static_cast<size_t>(polls));
    int failed = 0;
    for (int i = 0; i < polls; ++i) {
        PollSocket &s = sockets[size_t(i)];
        s.fd = Connect(server.Port());
        if (s.fd < 0 ||
            !Send(s.fd,
                  Post("/datasnap/channel/Holvaro/HolvaroId/bench-" + std::to_string(i), "null"))) {
            ++failed;
            if (s.fd >= 0)
                ::close(s.fd);
            s.fd = -1;
        }
    }
    std::erase_if(sockets, [](const PollSocket &s) { return s.fd < 0; });
    const double openMs = t.nsecsElapsed() / 1e6;
    // The server registers a client when it reads its poll; wait for all (bounded).
    while (server.Channel().ClientCount() < sockets.size() && t.elapsed() < 30'000)
        std::this_thread::sleep_for(20ms);
    const double heldMs = t.nsecsElapsed() / 1e6;
    std::this_thread::sleep_for(500ms);
    std::printf("opened %zu polls in %.0f ms (%d failed to open); all registered after %.0f ms: "
                "%zu clients\n",
                sockets.size(), openMs, failed, heldMs, server.Channel().ClientCount());
    const long long rssHeld = bench::ProcStatus("VmRSS");
    PrintProcess("with the polls held:");
    std::printf("%-36s       %8.1f MB, %.2f KB a poll\n", "growth:", (rssHeld - rssBefore) / 1024.0,
                double(rssHeld - rssBefore) / double(std::max<size_t>(1, sockets.size())));
    std::printf("answered before the broadcast: %d\n", ReadableNow(sockets));

    PollSocket broadcaster;
    broadcaster.fd = Connect(server.Port());
    QElapsedTimer since;
    since.start();
    Send(broadcaster.fd, Post("/datasnap/channel/Holvaro/broadcast", "{\"reason\":\"duyuru\"}"));

    // Every poll's answer, until all are in or 20 s have passed.
    std::vector<pollfd> fds;
    size_t open = sockets.size();
    bool broadcastAnswered = false;
    while ((open > 0 || !broadcastAnswered) && since.elapsed() < 20'000) {
        fds.clear();
        for (const PollSocket &s : sockets)
            fds.push_back({s.status == 0 ? s.fd : -1, POLLIN, 0});
        fds.push_back({broadcastAnswered ? -1 : broadcaster.fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 200) <= 0)
            continue;
        for (size_t i = 0; i < sockets.size(); ++i) {
            if (fds[i].revents && ReadAnswer(sockets[i])) {
                sockets[i].answeredMs = since.nsecsElapsed() / 1e6;
                --open;
            }
        }
        if (fds.back().revents && ReadAnswer(broadcaster))
            broadcastAnswered = true;
    }
    int delivered = 0, other = 0;
    std::vector<double> ms;
    for (const PollSocket &s : sockets) {
        if (s.status == 200 && s.body.find("\"message\"") != std::string::npos &&
            s.body.find("duyuru") != std::string::npos) {
            ++delivered;
            ms.push_back(s.answeredMs);
        } else if (s.status != 0) {
            ++other;
        }
    }
    const bench::Percentiles p = bench::PercentilesOf(ms);
    std::printf("broadcast answer: %d %s\n", broadcaster.status, broadcaster.body.c_str());
    std::printf("polls that got the message: %d of %zu (other answers %d, none %zu)\n", delivered,
                sockets.size(), other, open);
    std::printf("delivery after the broadcast was sent: p50 %.1f ms  p90 %.1f ms  p99 %.1f ms  "
                "last %.1f ms\n",
                p.p50, p.p90, p.p99, p.max);

    for (PollSocket &s : sockets)
        ::close(s.fd);
    ::close(broadcaster.fd);
    std::this_thread::sleep_for(500ms);
    PrintProcess("after closing them:");
    // What the allocator keeps for reuse is not a leak; giving it back shows the difference.
    ::malloc_trim(0);
    PrintProcess("after closing them and malloc_trim:");
    // Clients are remembered until forgetClientAfter, whether their connection is open or not.
    std::printf("clients still registered: %zu\n", server.Channel().ClientCount());
    server.Stop();
    return delivered == int(sockets.size()) && failed == 0 ? 0 : 1;
}
