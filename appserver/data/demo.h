#pragma once

#include <QByteArray>
#include <QString>

namespace appserver {

class Database;

struct DemoOptions
{
    int items = 20000; // stock items, up to 1,000,000
    quint32 seed = 20261211;
};

// The demo's fixed computers: a machine identifier per customer type, so a tester can sign in
// as each kind of user. Index = customer type (0 to 4).
struct DemoUser
{
    const char *machineId;
    const char *name;
    const char *password;
    int customerType;
};
const DemoUser *DemoUsers(int *count);

// Fills the shared tables (salespeople, customer accounts, users, stock items, pictures,
// settings) with plausible, deterministic data. The database must be empty of them.
void SeedCoreDemo(Database &db, const DemoOptions &options);

// A JPEG picture of an item, drawn here (needs a QGuiApplication for the text).
QByteArray MakeItemPicture(const QString &code, const QString &name, quint32 seed);

} // namespace appserver
