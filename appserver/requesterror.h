#pragma once

#include "platform/error.h"

namespace appserver {

// A request the server refuses before any work is done: carries the HTTP status to answer
// with (400 for a frame that does not fit the method, 404 for an unknown method, ...).
class RequestError : public platform::Error
{
public:
    RequestError(int status, QString message) : Error(std::move(message)), m_status(status) {}
    int Status() const noexcept { return m_status; }

private:
    int m_status;
};

} // namespace appserver
