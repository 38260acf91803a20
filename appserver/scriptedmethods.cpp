#include "scriptedmethods.h"

#include "methodresult.h"

#include "platform/dataset.h"
#include "platform/error.h"
#include "server/methodtable.h"

#include <map>

namespace appserver {

// One method's script. Replaced as a whole (copy, change, swap) so that a call running on a
// worker keeps reading the script it started with.
struct ScriptedMethods::Script
{
    std::optional<QJsonValue> result;
    std::shared_ptr<const platform::DataSet> table;
    bool hasTable = false;
    std::optional<QByteArray> stream;
    std::optional<qint64> streamSize;
    std::map<std::string, QJsonValue> outs;
    std::optional<QString> error;
    std::optional<std::pair<int, QByteArray>> raw;
    MethodHandler handler;

    // What the method does besides its outputs: each new outcome replaces the earlier one.
    Script &NewOutcome()
    {
        result.reset();
        table.reset();
        hasTable = false;
        stream.reset();
        streamSize.reset();
        error.reset();
        raw.reset();
        handler = nullptr;
        return *this;
    }
};

ScriptedMethods::Script &ScriptedMethods::Edit(const QString &method)
{
    if (!server::FindMethod(method))
        throw platform::Error(QStringLiteral("%1 is not a server method").arg(method));
    auto &slot = m_scripts[method];
    slot = slot ? std::make_shared<Script>(*slot) : std::make_shared<Script>();
    if (!m_handlers.Offers(method))
        m_handlers.Register(method, [this, method](const MethodCall &call, MethodResult &result) {
            Run(method, call, result);
        });
    return *slot;
}

void ScriptedMethods::Returns(const QString &method, const QJsonValue &result)
{
    std::lock_guard lock(m_lock);
    Edit(method).NewOutcome().result = result;
}

void ScriptedMethods::ReturnsTable(const QString &method, std::unique_ptr<platform::DataSet> table)
{
    std::lock_guard lock(m_lock);
    Script &s = Edit(method).NewOutcome();
    s.table = std::move(table);
    s.hasTable = true;
}

void ScriptedMethods::ReturnsStream(const QString &method, const QByteArray &bytes,
                                    std::optional<qint64> size)
{
    std::lock_guard lock(m_lock);
    Script &s = Edit(method).NewOutcome();
    s.stream = bytes;
    s.streamSize = size ? *size : qint64(bytes.size());
}

void ScriptedMethods::SetsOut(const QString &method, const char *name, const QJsonValue &value)
{
    std::lock_guard lock(m_lock);
    Edit(method).outs[name] = value;
}

void ScriptedMethods::Succeeds(const QString &method)
{
    std::lock_guard lock(m_lock);
    Edit(method).NewOutcome();
}

void ScriptedMethods::Raises(const QString &method, const QString &message)
{
    std::lock_guard lock(m_lock);
    Edit(method).NewOutcome().error = message;
}

void ScriptedMethods::AnswersRaw(const QString &method, int status, const QByteArray &body)
{
    std::lock_guard lock(m_lock);
    Edit(method).NewOutcome().raw = std::make_pair(status, body);
}

void ScriptedMethods::Handles(const QString &method, MethodHandler handler)
{
    std::lock_guard lock(m_lock);
    Edit(method).NewOutcome().handler = std::move(handler);
}

void ScriptedMethods::Remove(const QString &method)
{
    std::lock_guard lock(m_lock);
    m_handlers.Remove(method);
    m_scripts.remove(method);
    m_callCounts.remove(method);
    m_lastCalls.remove(method);
}

int ScriptedMethods::CallCount(const QString &method) const
{
    std::lock_guard lock(m_lock);
    return m_callCounts.value(method);
}

std::optional<MethodCall> ScriptedMethods::LastCall(const QString &method) const
{
    std::lock_guard lock(m_lock);
    const auto it = m_lastCalls.constFind(method);
    if (it == m_lastCalls.constEnd())
        return std::nullopt;
    return *it;
}

void ScriptedMethods::Run(const QString &method, const MethodCall &call, MethodResult &result)
{
    std::shared_ptr<const Script> script;
    {
        std::lock_guard lock(m_lock);
        m_callCounts[method] += 1;
        m_lastCalls.insert(method, call);
        script = m_scripts.value(method);
    }
    if (!script)
        throw platform::Error(QStringLiteral("%1 has no script").arg(method));
    if (script->error)
        throw platform::Error(*script->error);
    if (script->raw) {
        result.SetRawAnswer(script->raw->first, script->raw->second);
        return;
    }
    if (script->handler) {
        script->handler(call, result);
        return;
    }
    const server::MethodInfo &info = call.Method();
    if (script->stream) {
        result.SetStream(*script->stream);
        // The stream's length travels in its one Int64 output.
        for (const server::ParamInfo &p : info.params)
            if (p.out && p.type == server::ParamType::Int64 && !script->outs.count(p.name))
                result.SetInt64(p.name, *script->streamSize);
    }
    for (const auto &[name, value] : script->outs)
        result.SetValue(name, value);
    if (script->hasTable)
        result.SetTable(script->table);
    if (script->result)
        result.SetValue(*script->result);
}

} // namespace appserver
