#pragma once

#include <QString>
#include <functional>

class QPlainTextEdit;
class QWidget;
class TSonucBilgisi;

namespace platform {
class Connection;
class DataSet;
} // namespace platform

// Sending the basket's selected lines as an order: the basket tab's "Gönder". The server makes
// the order from the customer's basket and its selection marks, so only the note travels.
// The main window fills one in at the click from what it owns and calls Button1Click.
struct SiparisGonderme
{
    QWidget *pencere = nullptr;            // the confirmation window is centred on it
    const TSonucBilgisi *sbilgi = nullptr; // the session record (copied for the call)
    platform::Connection *bagc = nullptr;  // the main connection; the send uses it directly
    platform::DataSet *sepet = nullptr;    // the basket as loaded; null before the first load
    QPlainTextEdit *aciklamagir = nullptr; // the order note
    QString uyari;                         // the account warning as the basket shows it
    std::function<void()> SepetYukle;      // reloads the basket after a successful send

    // Checks that a line is selected, asks for confirmation, sends, tells the user the
    // outcome; on success empties the note and reloads the basket. True when sent.
    bool Button1Click() const;
};

// Saves the selected lines of the session's customer's basket as an order with the note,
// over `bagc` (opened with its retries and its failure message, closed afterwards). True when
// the server saved it; a connection that does not open or a call that fails is false.
bool SiparisGonder(const TSonucBilgisi &sbilgi, platform::Connection &bagc,
                   const QString &aciklama);
