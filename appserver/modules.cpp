#include "modules.h"

#include "builtinmethods.h"
#include "data/database.h"

namespace appserver {

std::vector<SchemaStep> AllSchemaSteps()
{
    std::vector<SchemaStep> steps = CoreSchema();
    return steps;
}

void SeedDemo(Database &db, const DemoOptions &options)
{
    SeedCoreDemo(db, options);
}

void RegisterAllMethods(MethodHandlers &handlers, DatabasePool &pool)
{
    Q_UNUSED(pool);
    RegisterBuiltinMethods(handlers);
}

} // namespace appserver
