#pragma once

#include <QString>
#include <exception>

namespace platform {

// The program's ordinary error: carries the text to show. Everything a server call, a
// conversion or the transport raises derives from it, so callers catch one type.
class Error : public std::exception
{
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &Message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The server could not be reached, or the connection broke during a call.
class ConnectionError : public Error
{
public:
    using Error::Error;
};

// The server answered the call with an error of its own.
class ServerError : public Error
{
public:
    using Error::Error;
};

// A value on the wire does not fit the type it is read as.
class ConversionError : public Error
{
public:
    using Error::Error;
};

// The answer is not the protocol: not JSON, missing members, wrong count of results.
class ProtocolError : public Error
{
public:
    using Error::Error;
};

} // namespace platform
