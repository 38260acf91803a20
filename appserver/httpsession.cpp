#include "httpsession.h"

#include "exchange.h"
#include "router.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/core/bind_handler.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>

namespace appserver {
namespace {

namespace beast = boost::beast;
namespace http = boost::beast::http;
namespace net = boost::asio;

constexpr std::size_t kFirstRead = 8192;
constexpr std::size_t kKeptBuffer = 64 * 1024;
// After an answer that ends the connection, what the client still sends is read and dropped
// for this long, so that closing does not reset the connection before it has read the answer.
constexpr std::chrono::milliseconds kDrainTime{1000};

bool IsHttpError(const beast::error_code &ec)
{
    return &ec.category() == &http::make_error_code(http::error::bad_method).category();
}

} // namespace

HttpSession::HttpSession(net::ip::tcp::socket &&socket, const ServerOptions &options,
                         Router &router)
    : m_stream(std::move(socket)), m_options(options), m_router(router)
{
    beast::error_code ec;
    const auto peer = m_stream.socket().remote_endpoint(ec);
    if (!ec)
        m_remoteAddress = peer.address().to_string();
}

void HttpSession::Run()
{
    net::dispatch(m_stream.get_executor(),
                  beast::bind_front_handler(&HttpSession::AwaitRequest, shared_from_this()));
}

void HttpSession::AwaitRequest()
{
    m_parser.emplace();
    m_parser->body_limit(m_options.bodyLimit);
    m_parser->header_limit(m_options.headerLimit);
    if (m_buffer.size() > 0) {
        ReadRequest(); // a pipelined request is already here
        return;
    }
    // A large body leaves a large buffer behind; an idle connection should not keep it.
    if (m_buffer.capacity() > kKeptBuffer)
        m_buffer.shrink_to_fit();
    // Waiting for a request to begin is the idle time; reading it, once begun, the read time.
    m_stream.expires_after(m_options.idleTimeout);
    m_stream.async_read_some(
        m_buffer.prepare(kFirstRead),
        beast::bind_front_handler(&HttpSession::OnFirstBytes, shared_from_this()));
}

void HttpSession::OnFirstBytes(beast::error_code ec, std::size_t bytes)
{
    if (ec) {
        Close(); // the client left, or sat idle too long
        return;
    }
    m_buffer.commit(bytes);
    ReadRequest();
}

void HttpSession::ReadRequest()
{
    m_stream.expires_after(m_options.readTimeout);
    http::async_read(m_stream, m_buffer, *m_parser,
                     beast::bind_front_handler(&HttpSession::OnRequest, shared_from_this()));
}

void HttpSession::OnRequest(beast::error_code ec, std::size_t)
{
    if (ec == http::error::body_limit) {
        Reject(413,
               QStringLiteral("The request body is larger than %1 bytes").arg(m_options.bodyLimit));
    } else if (ec == http::error::header_limit) {
        Reject(431, QStringLiteral("The request header is larger than %1 bytes")
                        .arg(m_options.headerLimit));
    } else if (ec == http::error::partial_message) {
        Reject(400, QStringLiteral("The request ended before it was complete"));
    } else if (ec && IsHttpError(ec) && ec != http::error::end_of_stream) {
        Reject(
            400,
            QStringLiteral("Malformed HTTP request: %1").arg(QString::fromStdString(ec.message())));
    } else if (ec) {
        Close(); // end of stream, a time-out (the socket is closed already) or a network error
    } else {
        m_stream.expires_never();
        Dispatch();
    }
}

void HttpSession::Reject(int status, const QString &message)
{
    m_version = 11;
    Write(ErrorAnswer(status, message), false);
}

void HttpSession::Dispatch()
{
    http::request<http::string_body> message = m_parser->release();
    m_parser.reset();
    m_version = message.version();
    m_keepAlive = message.keep_alive();

    HttpRequest request;
    request.method = std::string(message.method_string());
    request.target = std::string(message.target());
    for (const auto &field : message)
        request.headers.emplace_back(std::string(field.name_string()), std::string(field.value()));
    request.body = QByteArray(message.body().data(), qsizetype(message.body().size()));
    request.remoteAddress = m_remoteAddress;

    const auto exchange =
        std::make_shared<Exchange>([self = shared_from_this()](HttpAnswer answer) {
            net::post(self->m_stream.get_executor(), [self, answer = std::move(answer)]() mutable {
                self->OnAnswer(std::move(answer));
            });
        });
    m_exchange = exchange;
    m_router.Route(std::move(request), exchange);
    WatchForHangUp();
}

void HttpSession::WatchForHangUp()
{
    // With bytes of a pipelined request already read there is nothing to watch; they are
    // served after this answer.
    if (m_buffer.size() > 0 || m_exchange.expired())
        return;
    m_watching = true;
    m_stream.socket().async_wait(
        net::ip::tcp::socket::wait_read,
        beast::bind_front_handler(&HttpSession::OnReadable, shared_from_this(), ++m_watch));
}

void HttpSession::OnReadable(std::uint64_t watch, beast::error_code ec)
{
    // A wait that completed just before it was cancelled must not judge a later request.
    if (ec == net::error::operation_aborted || !m_watching || watch != m_watch)
        return;
    m_watching = false;
    if (!ec) {
        beast::error_code availableError;
        if (m_stream.socket().available(availableError) > 0 && !availableError)
            return; // the next request, pipelined: read after this answer
    }
    // Readable with nothing to read: the client closed its side or the connection broke.
    const auto exchange = m_exchange.lock();
    if (exchange && exchange->HangUp()) {
        m_exchange.reset();
        Close();
    }
}

void HttpSession::OnAnswer(HttpAnswer answer)
{
    m_exchange.reset();
    if (m_closed)
        return;
    if (m_watching) {
        m_watching = false;
        beast::error_code ignored;
        m_stream.socket().cancel(ignored);
    }
    Write(std::move(answer), m_keepAlive);
}

void HttpSession::Write(HttpAnswer answer, bool keepAlive)
{
    Response &response = m_response.emplace(http::status(answer.status), m_version);
    response.set(http::field::server, "dorvena-appserver");
    if (!answer.contentType.isEmpty())
        response.set(
            http::field::content_type,
            beast::string_view(answer.contentType.constData(), size_t(answer.contentType.size())));
    for (const auto &[name, value] : answer.headers)
        response.set(name, value);
    response.body() = std::move(answer.body);
    response.keep_alive(keepAlive);
    response.prepare_payload();
    m_stream.expires_after(m_options.writeTimeout);
    http::async_write(
        m_stream, response,
        beast::bind_front_handler(&HttpSession::OnWritten, shared_from_this(), keepAlive));
}

void HttpSession::OnWritten(bool keepAlive, beast::error_code ec, std::size_t)
{
    m_response.reset();
    if (ec) {
        Close();
        return;
    }
    if (!keepAlive) {
        CloseAfterAnswer();
        return;
    }
    AwaitRequest();
}

void HttpSession::CloseAfterAnswer()
{
    beast::error_code ignored;
    m_stream.socket().shutdown(net::ip::tcp::socket::shutdown_send, ignored);
    m_buffer.clear();
    m_stream.expires_after(kDrainTime);
    m_stream.async_read_some(
        net::buffer(m_drain),
        beast::bind_front_handler(&HttpSession::OnDrained, shared_from_this()));
}

void HttpSession::OnDrained(beast::error_code ec, std::size_t)
{
    if (ec) {
        Close(); // the client closed too, or the drain time is over
        return;
    }
    m_stream.async_read_some(
        net::buffer(m_drain),
        beast::bind_front_handler(&HttpSession::OnDrained, shared_from_this()));
}

void HttpSession::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    m_watching = false;
    beast::error_code ignored;
    m_stream.socket().shutdown(net::ip::tcp::socket::shutdown_both, ignored);
    m_stream.close();
}

} // namespace appserver
