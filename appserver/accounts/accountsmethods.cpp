#include "accountsmethods.h"

#include "cardpayment.h"
#include "collections.h"
#include "counters.h"
#include "customerlists.h"
#include "invoices.h"
#include "listreports.h"
#include "reports.h"
#include "sessionuser.h"
#include "signin.h"
#include "sqldates.h"
#include "statement.h"

#include "appserver/data/database.h"
#include "appserver/data/databasepool.h"
#include "appserver/methodcall.h"
#include "appserver/methodhandlers.h"
#include "appserver/methodresult.h"
#include "platform/dataset.h"

#include <QSqlQuery>

namespace appserver {

using namespace accounts;

namespace {

// Registers a handler that works on this worker's database connection.
void On(MethodHandlers &handlers, DatabasePool &pool, const char *method,
        std::function<void(Database &, const MethodCall &, MethodResult &)> work)
{
    handlers.Register(QLatin1String(method), [&pool, work = std::move(work)](const MethodCall &call,
                                                                             MethodResult &result) {
        work(pool.ForThisThread(), call, result);
    });
}

void RegisterSignIn(MethodHandlers &h, DatabasePool &pool)
{
    On(h, pool, "BuyukGetir", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetObject(SignInRecord(db, call.String("idsi")));
    });
}

void RegisterCounters(MethodHandlers &h, DatabasePool &pool)
{
    On(h, pool, "BalonGetir", [](Database &db, const MethodCall &call, MethodResult &result) {
        const SessionUser user = SessionOf(db, call.Object("bil"));
        result.SetTable(TabCounters(db, ActingCustomer(db, user)));
    });
    On(h, pool, "BalonGetir2", [](Database &db, const MethodCall &call, MethodResult &result) {
        const std::unique_ptr<platform::DataSet> row = TabCounters(db, qMax(0, call.Int("carino")));
        result.SetInt("sepet", int(row->Fields(0).IntAt(0)));
        result.SetInt("yenistok", int(row->Fields(1).IntAt(0)));
        result.SetInt("kampnayali", int(row->Fields(2).IntAt(0)));
        result.SetInt("duyuru", int(row->Fields(3).IntAt(0)));
        result.SetInt("Bakiye", int(std::llround(row->Fields(4).FloatAt(0))));
        result.SetInt("dosya", 0);
        result.SetInt(1);
    });
}

void RegisterStatement(MethodHandlers &h, DatabasePool &pool)
{
    On(h, pool, "CariEkstreVer", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetTable(StatementTable(db, call.Int("carino")));
    });
    On(h, pool, "CariEkstreVer2", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetTable(StatementTable(db, call.Int("carino"),
                                       DaysBetween(call.Double("TARIH1"), call.Double("TARIH2"))));
    });
    On(h, pool, "CariEkstreVer2Baslik",
       [](Database &db, const MethodCall &call, MethodResult &result) {
           result.SetTable(StatementHeading(db, call.Int("carino"),
                                            DayFromWire(call.Double("tarih1"), "tarih1")));
       });
    On(h, pool, "FaturaGetir", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetTable(InvoiceLines(db, call.Int("carino"), call.Int("idnosu")));
    });
    On(h, pool, "FaturaAltGetir", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetTable(InvoiceTotals(db, call.Int("idnosu")));
    });
    On(h, pool, "Tahsilat", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetTable(CollectionLines(db, call.Int("idnosu")));
    });
    On(h, pool, "SanalposSiranoVer",
       [](Database &db, const MethodCall &call, MethodResult &result) {
           result.SetInt(CardPaymentNumber(db, call.Int("idnosu")));
       });
    On(h, pool, "SAnalPosPdfVer", [](Database &db, const MethodCall &call, MethodResult &result) {
        const QByteArray pdf = CardPaymentPdf(db, call.Int("sirano"));
        result.SetInt64("boy", pdf.size());
        result.SetStream(pdf);
    });
    On(h, pool, "CariDurumVer", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetString(BalanceText(db, call.Int("carino")));
    });
    On(h, pool, "CariVadeGunGecmismiBul",
       [](Database &db, const MethodCall &call, MethodResult &result) {
           result.SetString(OverdueWarning(db, call.Int("carino"), QDate::currentDate()));
       });
    On(h, pool, "KurlariAl", [](Database &db, const MethodCall &, MethodResult &result) {
        QSqlQuery rates =
            db.Exec(QStringLiteral("SELECT usd, eur FROM doviz_kur ORDER BY tarih DESC LIMIT 1"));
        const bool found = rates.next();
        result.SetDouble("usd", found ? rates.value(0).toDouble() : 0.0);
        result.SetDouble("eur", found ? rates.value(1).toDouble() : 0.0);
        result.SetInt(found ? 1 : 0);
    });
}

void RegisterConsole(MethodHandlers &h, DatabasePool &pool)
{
    On(h, pool, "CariAra", [](Database &db, const MethodCall &call, MethodResult &result) {
        const SessionUser user = SessionOf(db, call.Object("bil"));
        result.SetTable(SearchCustomers(db, user, call.String("aranan")));
    });
    On(h, pool, "SepetSayisi", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetInt(CustomersWithBasket(db, SessionOf(db, call.Object("bil"))));
    });
    On(h, pool, "TusSonuclariVer", [](Database &db, const MethodCall &call, MethodResult &result) {
        result.SetObject(OrderStateCounters(db, SessionOf(db, call.Object("bil"))));
    });
    On(h, pool, "CariSepetVer", [](Database &db, const MethodCall &call, MethodResult &result) {
        const SessionUser user = SessionOf(db, call.Object("bil"));
        result.SetTable(CustomersOnBoard(db, user, call.Int("n")));
    });
    On(h, pool, "RaporGetir", [](Database &db, const MethodCall &call, MethodResult &result) {
        ReportRequest request;
        request.number = call.Int("raporno");
        request.userId = call.Int("idno");
        request.customerId = call.Int("carino");
        request.salesperson = call.String("saticiadi").trimmed();
        request.day1 = call.Double("tarih1");
        request.day2 = call.Double("tarih2");
        const QByteArray pdf = ReportPdf(db, request);
        result.SetInt64("size", pdf.size());
        result.SetStream(pdf);
    });
    On(h, pool, "RaporAlinanSiparisler",
       [](Database &db, const MethodCall &call, MethodResult &result) {
           const SessionUser user = SessionOf(db, call.Object("bilgi"));
           result.SetTable(
               ReceivedOrders(db, user, DaysBetween(call.Double("tarih1"), call.Double("tarih2"))));
       });
    On(h, pool, "RaporEnCokSatilanStoklar",
       [](Database &db, const MethodCall &call, MethodResult &result) {
           const SessionUser user = SessionOf(db, call.Object("bilgi"));
           result.SetTable(BestSellingItems(
               db, user, DaysBetween(call.Double("tarih1"), call.Double("tarih2"))));
       });
}

} // namespace

void RegisterAccountsMethods(MethodHandlers &handlers, DatabasePool &pool)
{
    RegisterSignIn(handlers, pool);
    RegisterCounters(handlers, pool);
    RegisterStatement(handlers, pool);
    RegisterConsole(handlers, pool);
}

} // namespace appserver
