#pragma once

#include <QString>

namespace appserver {
class Database;
}

namespace appserver::content {

// What a computer the server does not know sends from the request page.
struct AccessRequest
{
    QString machineId;
    QString user; // as the client put it into the address (usually a blank)
    QString firm;
    QString contact;
    QString phone;
    QString mail;
    QString city;
    QString note;
    QString address; // the caller's network address
};

inline constexpr int kMaxAccessFieldLength = 200;
inline constexpr int kMaxAccessNoteLength = 2000;
// Requests kept per computer: a person asks once or twice, a script many times.
inline constexpr int kMaxAccessRequestsPerComputer = 20;

// Why a request is refused, in the words the request page shows; empty when it may be kept.
QString AccessRequestProblem(const AccessRequest &request);

// Keeps the request and returns its number, or 0 (nothing kept) when the computer has made
// kMaxAccessRequestsPerComputer requests already. Raises platform::Error with the text of
// AccessRequestProblem.
qint64 StoreAccessRequest(Database &db, const AccessRequest &request);

} // namespace appserver::content
