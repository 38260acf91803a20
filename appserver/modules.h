#pragma once

#include "router.h"

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
// The firm's web host pages, with card payments booked in the customer's statement.
FallbackHandler MakeFirmWebHost(DatabasePool &pool);

} // namespace appserver
