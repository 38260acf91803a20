#pragma once

#include "methodcall.h"
#include "methodhandlers.h"

#include <QByteArray>
#include <QHash>
#include <QJsonValue>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>

namespace platform {
class DataSet;
}

namespace appserver {

// A method table for tests: each method answers exactly what the test scripted, and every
// call is recorded so the test can read the inputs the server decoded.
//
//     ScriptedMethods methods;
//     methods.Returns("BuyukGetir", sonucBilgisiJson);             // an object, a string, ...
//     methods.ReturnsTable("StokAraGetir", std::move(dataSet));     // a table, sent on every call
//     methods.ReturnsStream("ResimVer5", jpegBytes, 10);            // bytes with boy = 10
//     methods.Raises("SepetEkle2", "Stok bulunamadı");              // 500 {"error":...}
//     methods.Handles("SepetSayisi", [](const MethodCall &c, MethodResult &r) { ... });
//     ... LastCall("StokAraGetir")->String("kod") ...
//
// Each outcome (Returns..., Succeeds, Raises, AnswersRaw, Handles) replaces the method's earlier
// outcome; SetsOut adds an output to whatever the outcome is. A method never scripted has no
// handler (501). Scripting a name that is not a server method raises platform::Error.
// Safe to script while the server runs.
class ScriptedMethods
{
public:
    ScriptedMethods() = default;
    ScriptedMethods(const ScriptedMethods &) = delete;
    ScriptedMethods &operator=(const ScriptedMethods &) = delete;

    // What the server serves: give this to the server or the test fixture.
    const MethodHandlers &Handlers() const { return m_handlers; }

    // The result as a small value: a string, a number, true/false, a marshalled object or
    // null, a JSON array; checked against the declared result type.
    void Returns(const QString &method, const QJsonValue &result);
    void ReturnsTable(const QString &method, std::unique_ptr<platform::DataSet> table);
    // The bytes as the stream result; its one Int64 output parameter (boy, size) is `size`,
    // or the number of bytes when no size is given (a test of a truncated stream gives more).
    void ReturnsStream(const QString &method, const QByteArray &bytes,
                       std::optional<qint64> size = std::nullopt);
    // An output parameter, in addition to the result.
    void SetsOut(const QString &method, const char *name, const QJsonValue &value);
    // A procedure (or a method whose outputs come from SetsOut) that simply succeeds.
    void Succeeds(const QString &method);
    // The handler raises platform::Error with this text: the client sees 500 {"error":text}.
    void Raises(const QString &method, const QString &message);
    // The server answers exactly this status and body (a broken frame, a wrong type).
    void AnswersRaw(const QString &method, int status, const QByteArray &body);
    // Anything else.
    void Handles(const QString &method, MethodHandler handler);
    // Forgets the method's script (it answers 501 again) and its calls.
    void Remove(const QString &method);

    int CallCount(const QString &method) const;
    // The inputs of the last call, as decoded; nothing when the method was not called.
    std::optional<MethodCall> LastCall(const QString &method) const;

private:
    struct Script;
    Script &Edit(const QString &method); // under m_lock
    void Run(const QString &method, const MethodCall &call, MethodResult &result);

    MethodHandlers m_handlers;
    mutable std::mutex m_lock;
    QHash<QString, std::shared_ptr<Script>> m_scripts;
    QHash<QString, int> m_callCounts;
    QHash<QString, MethodCall> m_lastCalls;
};

} // namespace appserver
