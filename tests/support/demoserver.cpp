#include "demoserver.h"

#include "appserver/data/database.h"
#include "appserver/modules.h"

namespace testsupport {

DemoServer::DemoServer(int items)
{
    appserver::DatabaseOptions options;
    options.path = m_dir.filePath(QStringLiteral("demo.sqlite"));
    m_db = std::make_unique<appserver::Database>(options);
    appserver::MigrateSchema(*m_db, appserver::AllSchemaSteps());
    appserver::DemoOptions demo;
    demo.items = items;
    appserver::SeedDemo(*m_db, demo);
    m_pool = std::make_unique<appserver::DatabasePool>(options);
    appserver::RegisterAllMethods(m_handlers, *m_pool);
    m_server = std::make_unique<TestServer>(m_handlers, TestServer::Options(),
                                            appserver::MakeFirmWebHost(*m_pool));
}

DemoServer::~DemoServer()
{
    m_server.reset(); // no worker may use the pool after this
    m_pool.reset();
}

} // namespace testsupport
