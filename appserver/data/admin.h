#pragma once

#include <QString>

namespace appserver {

class Database;

// The deployer's chores, run from the command line.

// Binds a computer's machine identifier to a user (created or updated): name and password as
// the login compares them (upper case), customer type 0 to 4, the customer account acted for.
void RegisterComputer(Database &db, const QString &machineId, const QString &user,
                      const QString &password, int customerType, int customerId);

// A value of the settings table ("version", "ticker", "installer", ...).
void SetSetting(Database &db, const QString &key, const QString &value);
QString Setting(Database &db, const QString &key, const QString &fallback = QString());

} // namespace appserver
