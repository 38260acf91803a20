#pragma once

#include <QString>

namespace appserver {

// Folds text for searching: upper case by Turkish rules (i → İ, ı → I), then the Turkish
// letters to plain Latin ones (Ğ→G, Ü→U, Ş→S, İ→I, Ö→O, Ç→C), so "şırınga", "SIRINGA" and
// "Şırınga" all meet.
QString FoldSearchText(const QString &text);

} // namespace appserver
