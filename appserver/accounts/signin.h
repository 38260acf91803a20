#pragma once

#include <QJsonObject>
#include <QString>

namespace appserver {
class Database;
}

namespace appserver::accounts {

// The longest machine identifier the server looks up or remembers.
inline constexpr int kMaxMachineIdLength = 100;

// The program version the server offers: the setting "version", 7 when it is not set.
int OfferedVersion(Database &db);

// The sign-in answer for a computer: the marshalled session record of the user registered for
// that machine identifier (Varmi true), or, for a computer the server does not know, a record
// with Varmi false, empty identity and the offered version. The attempt of an unknown computer
// is remembered as an access request.
QJsonObject SignInRecord(Database &db, const QString &machineId);

} // namespace appserver::accounts
