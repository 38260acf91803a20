#pragma once

#include "httpmessage.h"
#include "qbytearraybody.h"
#include "serveroptions.h"

#include <array>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>
#include <cstdint>
#include <memory>
#include <optional>

namespace appserver {

class Exchange;
class Router;

// One client connection: reads a request within the time-outs and limits, hands it to the
// router, writes the answer and waits for the next request (keep-alive). Every step runs on
// the connection's strand. A malformed request gets a 4xx with an error body and the
// connection is closed after it; a client that sends too slowly or sits idle is cut off.
class HttpSession : public std::enable_shared_from_this<HttpSession>
{
public:
    HttpSession(boost::asio::ip::tcp::socket &&socket, const ServerOptions &options,
                Router &router);
    void Run();

private:
    using Response = boost::beast::http::response<QByteArrayBody>;

    void AwaitRequest();
    void OnFirstBytes(boost::beast::error_code ec, std::size_t bytes);
    void ReadRequest();
    void OnRequest(boost::beast::error_code ec, std::size_t bytes);
    void Reject(int status, const QString &message);
    void Dispatch();
    void WatchForHangUp();
    void OnReadable(std::uint64_t watch, boost::beast::error_code ec);
    void OnAnswer(HttpAnswer answer);
    void Write(HttpAnswer answer, bool keepAlive);
    void OnWritten(bool keepAlive, boost::beast::error_code ec, std::size_t bytes);
    void CloseAfterAnswer();
    void OnDrained(boost::beast::error_code ec, std::size_t bytes);
    void Close();

    boost::beast::tcp_stream m_stream;
    const ServerOptions &m_options;
    Router &m_router;
    std::string m_remoteAddress;
    boost::beast::flat_buffer m_buffer;
    std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> m_parser;
    unsigned m_version = 11;
    bool m_keepAlive = false;
    // The request waiting for its answer. Whoever answers it owns it; holding it here too would
    // make a cycle with the exchange's sink, which holds this connection.
    std::weak_ptr<Exchange> m_exchange;
    bool m_watching = false;
    std::uint64_t m_watch = 0; // which wait is the current one
    bool m_closed = false;
    std::optional<Response> m_response; // alive until written
    std::array<char, 4096> m_drain{};
};

} // namespace appserver
