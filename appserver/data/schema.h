#pragma once

#include <QStringList>
#include <vector>

namespace appserver {

class Database;

// One step of a module's schema. Steps run once each, in order, recorded in schema_steps.
// The DDL may use %ID% (auto-numbered key), %REAL%, %BLOB% and %TS% (timestamp), which are
// replaced by the types of the database in use.
struct SchemaStep
{
    const char *module;
    int version;
    QStringList statements;
};

// Creates the tables, or brings an older database up to date: runs the steps not yet run, in
// the order given, each in its own transaction. Safe to run at every start.
void MigrateSchema(Database &db, const std::vector<SchemaStep> &steps);

// The shared tables: salespeople, customer accounts, users, stock items, pictures, settings.
std::vector<SchemaStep> CoreSchema();

} // namespace appserver
