#include "modules.h"

#include "accounts/accountsdemo.h"
#include "accounts/accountsmethods.h"
#include "accounts/accountsschema.h"
#include "accounts/cardpayment.h"
#include "builtinmethods.h"
#include "content/contentdemo.h"
#include "content/contentmethods.h"
#include "content/contentschema.h"
#include "content/webhost.h"
#include "data/database.h"
#include "orders/ordersdemo.h"
#include "orders/ordersmethods.h"
#include "orders/ordersschema.h"

#include <QSqlQuery>

namespace appserver {

std::vector<SchemaStep> AllSchemaSteps()
{
    std::vector<SchemaStep> steps = CoreSchema();
    for (SchemaStep &s : OrdersSchema())
        steps.push_back(std::move(s));
    for (SchemaStep &s : AccountsSchema())
        steps.push_back(std::move(s));
    for (SchemaStep &s : ContentSchema())
        steps.push_back(std::move(s));
    return steps;
}

void SeedDemo(Database &db, const DemoOptions &options)
{
    SeedCoreDemo(db, options);
    SeedOrdersDemo(db, options.seed);
    SeedAccountsDemo(db, options.seed);
    SeedContentDemo(db, options.seed);
}

void RegisterAllMethods(MethodHandlers &handlers, DatabasePool &pool)
{
    RegisterBuiltinMethods(handlers);
    RegisterOrdersMethods(handlers, pool);
    RegisterAccountsMethods(handlers, pool);
    ContentOptions content;
    // The account card's totals come from the statement.
    content.accountTotals = [](Database &db, qint64 id) {
        QSqlQuery q =
            db.Exec(QStringLiteral(
                        "SELECT COALESCE(SUM(borc), 0), COALESCE(SUM(alacak), 0) FROM cari_hareket"
                        " WHERE cari_id = ?"),
                    {id});
        return q.next() ? content::AccountTotals{q.value(0).toDouble(), q.value(1).toDouble()}
                        : content::AccountTotals{};
    };
    RegisterContentMethods(handlers, pool, std::move(content));
}

FallbackHandler MakeFirmWebHost(DatabasePool &pool)
{
    WebHostOptions web;
    web.recordCardPayment = [](Database &db, const content::CardPaymentOrder &o) {
        accounts::CardPayment p;
        p.customerId = o.customerId;
        p.amount = o.amount;
        p.cardDigits = o.cardLast4;
        p.cardHolder = o.cardHolder;
        p.approvalCode = o.approvalCode;
        return accounts::RecordCardPayment(db, p).number;
    };
    return MakeWebHost(pool, std::move(web));
}

} // namespace appserver
