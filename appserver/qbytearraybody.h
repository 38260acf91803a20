#pragma once

#include <QByteArray>
#include <boost/asio/buffer.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/optional.hpp>
#include <cstdint>
#include <utility>

namespace appserver {

// A Beast body that sends a QByteArray as it is: a large table frame built by a worker is
// written without copying it into a std::string first.
struct QByteArrayBody
{
    using value_type = QByteArray;

    static std::uint64_t size(const value_type &body) { return std::uint64_t(body.size()); }

    class writer
    {
    public:
        using const_buffers_type = boost::asio::const_buffer;

        template <bool isRequest, class Fields>
        writer(const boost::beast::http::header<isRequest, Fields> &, const value_type &body)
            : m_body(body)
        {
        }
        void init(boost::beast::error_code &ec) { ec = {}; }
        boost::optional<std::pair<const_buffers_type, bool>> get(boost::beast::error_code &ec)
        {
            ec = {};
            return std::make_pair(const_buffers_type(m_body.constData(), size_t(m_body.size())),
                                  false);
        }

    private:
        const value_type &m_body;
    };
};

} // namespace appserver
