#pragma once

#include "httpmessage.h"

#include <QByteArray>
#include <QString>

namespace appserver {

class MethodHandlers;

// Turns one method call into its answer: decodes the frame, runs the handler, encodes the
// result. Runs on a worker; every outcome, a fault of the handler included, becomes an answer.
class MethodDispatcher
{
public:
    explicit MethodDispatcher(const MethodHandlers &handlers) : m_handlers(handlers) {}

    // 200 with the result frame; 404 unknown method; 400 a frame that does not fit the method;
    // 501 a method without a handler; 500 an error raised by the handler, with its text.
    HttpAnswer Dispatch(const QString &method, const QByteArray &body) const;

private:
    const MethodHandlers &m_handlers;
};

} // namespace appserver
