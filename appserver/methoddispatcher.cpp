#include "methoddispatcher.h"

#include "methodcall.h"
#include "methodhandlers.h"
#include "methodresult.h"
#include "requesterror.h"

#include "server/methodtable.h"

#include <exception>

namespace appserver {

HttpAnswer MethodDispatcher::Dispatch(const QString &method, const QByteArray &body) const
{
    const server::MethodInfo *info = server::FindMethod(method);
    if (!info)
        return ErrorAnswer(404, QStringLiteral("Unknown server method %1").arg(method));
    try {
        const MethodCall call = MethodCall::Decode(*info, body);
        const MethodHandler handler = m_handlers.Find(method);
        if (!handler)
            return ErrorAnswer(501, QStringLiteral("%1 is not offered by this server").arg(method));
        MethodResult result(*info);
        handler(call, result);
        if (const auto &raw = result.Raw()) {
            HttpAnswer answer = JsonAnswer(raw->body);
            answer.status = raw->status;
            return answer;
        }
        return JsonAnswer(result.Encode());
    } catch (const RequestError &e) {
        return ErrorAnswer(e.Status(), e.Message());
    } catch (const platform::Error &e) {
        return ErrorAnswer(500, e.Message());
    } catch (const std::exception &e) {
        // Not an error a method means to report; still an answer, never a dropped connection.
        return ErrorAnswer(
            500, QStringLiteral("%1 failed: %2").arg(method, QString::fromLocal8Bit(e.what())));
    } catch (...) {
        return ErrorAnswer(500, QStringLiteral("%1 failed").arg(method));
    }
}

} // namespace appserver
