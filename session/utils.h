#pragma once

#include "platform/shell.h"

#include <QList>
#include <QString>

namespace platform {
class Connection;
class DataSet;
} // namespace platform

// The common text of every failed connection.
inline const QString kBaglantiKurulamiyor = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

// Shows the program's message box and returns the pressed button's dialog result
// (1 OK, 2 Cancel, 6 Yes, 7 No). Kind: 0 warning, 1 error, 2 information, 3 question.
int MesajGoster(const QString &text, int kind, const QList<platform::DialogButton> &buttons,
                platform::DialogButton focused);

// Opens the connection, trying 11 times 500 ms apart. Mode 1 tells the user when it fails;
// mode 0 is silent. Only ordinary errors are retried; anything else reaches the caller.
bool BaglantiAc(platform::Connection &connection, int mode);

// Gives every floating-point field (and only those) the display format "#,###,##0.00".
void SayiBicimle(platform::DataSet &dataset);

// The dataset is open and has at least one row.
bool KayitVarmi(const platform::DataSet *dataset);

// At least one row has SEC = 1; the cursor stays on the first such row, or at the end.
bool SeciliVarmi(platform::DataSet *dataset);
