#include "builtinmethods.h"

#include "methodcall.h"
#include "methodhandlers.h"
#include "methodresult.h"

#include <QList>
#include <algorithm>

namespace appserver {
namespace {

// Reversed by code point, so a character outside the BMP keeps its surrogate pair in order.
QString Reversed(const QString &text)
{
    QList<uint> points = text.toUcs4();
    std::reverse(points.begin(), points.end());
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), points.size());
}

} // namespace

void RegisterBuiltinMethods(MethodHandlers &handlers)
{
    handlers.Register(QStringLiteral("EchoString"),
                      [](const MethodCall &call, MethodResult &result) {
                          result.SetString(call.String("Value"));
                      });
    handlers.Register(QStringLiteral("ReverseString"),
                      [](const MethodCall &call, MethodResult &result) {
                          result.SetString(Reversed(call.String("Value")));
                      });
}

} // namespace appserver
