#include "methodhandlers.h"

#include "platform/error.h"
#include "server/methodtable.h"

#include <mutex>

namespace appserver {

void MethodHandlers::Register(const QString &method, MethodHandler handler)
{
    if (!server::FindMethod(method))
        throw platform::Error(QStringLiteral("%1 is not a server method").arg(method));
    std::unique_lock lock(m_lock);
    m_handlers.insert(method, std::move(handler));
}

void MethodHandlers::Remove(const QString &method)
{
    std::unique_lock lock(m_lock);
    m_handlers.remove(method);
}

void MethodHandlers::Clear()
{
    std::unique_lock lock(m_lock);
    m_handlers.clear();
}

MethodHandler MethodHandlers::Find(const QString &method) const
{
    std::shared_lock lock(m_lock);
    return m_handlers.value(method);
}

bool MethodHandlers::Offers(const QString &method) const
{
    std::shared_lock lock(m_lock);
    return m_handlers.contains(method);
}

} // namespace appserver
