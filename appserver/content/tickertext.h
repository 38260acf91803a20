#pragma once

#include <QString>

namespace appserver::content {

inline constexpr int kMaxTickerLength = 4000;

// Why the client's ticker would not show the whole text, empty when it would. The ticker's
// renderer stops at the first fault and shows only what came before it: a tag that is never
// closed (write <BR/>, not <BR>), a closing tag of another element, an unterminated comment or
// quoted value, a "<" that opens no tag (write &lt;).
QString TickerProblem(const QString &html);

} // namespace appserver::content
