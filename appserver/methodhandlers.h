#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <shared_mutex>

namespace appserver {

class MethodCall;
class MethodResult;

// What a server method does: reads its inputs, sets its outputs and result, or raises
// platform::Error with the text the client is to see.
using MethodHandler = std::function<void(const MethodCall &, MethodResult &)>;

// The methods this server offers, by name. Safe to change while the server runs (a test
// scripts a method between two calls); workers look handlers up concurrently.
class MethodHandlers
{
public:
    // Raises platform::Error when the method table has no method of that name.
    void Register(const QString &method, MethodHandler handler);
    void Remove(const QString &method);
    void Clear();
    // A copy of the handler, empty when the method is not offered.
    MethodHandler Find(const QString &method) const;
    bool Offers(const QString &method) const;

private:
    mutable std::shared_mutex m_lock;
    QHash<QString, MethodHandler> m_handlers;
};

} // namespace appserver
