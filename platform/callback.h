#pragma once

#include <QJsonValue>
#include <QString>

namespace platform {

// A named callback the server can call back through the notification channel. Execute runs
// on the channel's own thread and returns the answer sent back to the server.
class Callback
{
public:
    explicit Callback(QString name) : m_name(std::move(name)) {}
    virtual ~Callback() = default;
    const QString &Name() const { return m_name; }
    virtual QJsonValue Execute(const QJsonValue &argument) = 0;

private:
    QString m_name;
};

} // namespace platform
