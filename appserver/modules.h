#pragma once

#include "data/demo.h"
#include "data/schema.h"

#include <vector>

namespace appserver {

class Database;
class DatabasePool;
class MethodHandlers;

// The server's parts put together: every module's tables, demo data and methods.
std::vector<SchemaStep> AllSchemaSteps();
void SeedDemo(Database &db, const DemoOptions &options);
void RegisterAllMethods(MethodHandlers &handlers, DatabasePool &pool);

} // namespace appserver
