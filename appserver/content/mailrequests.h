#pragma once

#include <QString>

namespace appserver {
class Database;
}

namespace appserver::content {

// What a mail is: a request (password change or registration), a dealer's free-text message,
// or a reminder of the user's own sign-in data.
enum class MailKind { Request, FreeText, PasswordReminder };

// What the wholesaler is to receive by mail. The server passes such mail on by keeping it in
// its outbox (giden_posta), addressed to the salesperson of the sending computer's user, or to
// nobody in particular (the firm's own inbox) when the computer is not known.
struct MailRequest
{
    MailKind kind = MailKind::FreeText;
    QString machineId;
    QString subject;
    QString firm;
    QString address1;
    QString address2;
    QString district;
    QString city;
    QString phone;
    QString fax;
    QString taxOffice;
    QString taxNumber;
    QString contact;
    QString userName;
    QString password;
    QString mail;
    QString cargo;
    QString body;
};

// The kind as the outbox keeps it: "istek", "mail", "hatirlatma".
QString MailKindText(MailKind kind);

inline constexpr int kMaxMachineIdLength = 100;
inline constexpr int kMaxFieldLength = 250;
inline constexpr int kMaxBodyLength = 20000;
// Mails one computer may leave within a day: enough for any dealer, not for a flood.
inline constexpr int kMaxMailsPerDay = 50;

// Checks the request and keeps it in the outbox; returns its number. Raises platform::Error
// for a missing or overlong machine identifier, an empty subject, an overlong field, or a
// computer that has reached its mails for the day.
qint64 StoreMailRequest(Database &db, const MailRequest &request);

// Queues the user's name and password to the mail address registered for the computer's user.
// `hasMail` tells whether the user has an address; the result whether anything was queued
// (false for a computer the server does not know or a user without an address).
bool QueuePasswordReminder(Database &db, const QString &machineId, bool &hasMail);

} // namespace appserver::content
