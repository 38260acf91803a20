#pragma once

#include <QIcon>
#include <QPixmap>

// The program's small pictures, drawn in code: stock-status pictures, yes/no marks, the
// has-picture mark, tab pictures and the logo.
namespace platform::pictures {

// Status 0 "Yok", 1 "Var", 2 "Telefon Açınız", 3 "Yolda", 4 "Özel Sipariş", 5 "Tedarik Sürecinde";
// a null pixmap for any other value.
QPixmap Status(int status, int size = 16);
QPixmap YesNo(bool yes, int size = 16);
QPixmap HasPicture(int size = 16);
QIcon Tab(int index);
QPixmap Logo(QSize size);
QIcon Search(); // a magnifier
QIcon Clear();  // a cross

} // namespace platform::pictures
