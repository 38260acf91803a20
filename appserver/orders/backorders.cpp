#include "backorders.h"

#include "inputcheck.h"
#include "ordersubmit.h"
#include "storedline.h"

#include "appserver/data/database.h"
#include "platform/error.h"

#include <functional>
#include <optional>

namespace appserver::orders {
namespace {

struct OpenLine
{
    qint64 id = 0;
    qint64 siparisId = 0;
    double miktar = 0;
    double teslimEdilen = 0;
    StoredLine priced;
};

// The line, when it is the caller's customer's, matches what the list said of it and still has
// an open balance.
std::optional<OpenLine> FindOpenLine(Database &db, const Caller &caller, const BalanceLine &ref)
{
    QSqlQuery q =
        db.Exec(QStringLiteral("SELECT x.id, x.siparis_id, x.miktar, x.teslimedilen, %1"
                               " FROM siparis_satir x JOIN siparis o ON o.id = x.siparis_id"
                               " WHERE x.id = ? AND o.cari_id = ? AND x.sepet_sirano = ?"
                               " AND (? = 0 OR x.stok_id = ?) AND x.miktar > x.teslimedilen")
                    .arg(StoredLineColumns("x")),
                {ref.satirNo, caller.customer.id, ref.sepetSirano, ref.stokNo, ref.stokNo});
    if (!q.next())
        return std::nullopt;
    return OpenLine{q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toDouble(),
                    q.value(3).toDouble(), ReadStoredLine(RowValues(q))};
}

// Finds the line, lets `change` give its new quantity and pricing, writes both and the order's
// totals, all or nothing.
int Rewrite(Database &db, const Caller &caller, const BalanceLine &ref,
            const std::function<void(OpenLine &)> &change)
{
    Transaction tx(db);
    std::optional<OpenLine> line = FindOpenLine(db, caller, ref);
    if (!line)
        return 0;
    change(*line);
    QVariantList values = {line->miktar};
    values << StoredLineValues(line->priced) << line->id;
    db.Exec(QStringLiteral("UPDATE siparis_satir SET miktar = ?, %1 WHERE id = ?")
                .arg(StoredLineAssignments()),
            values);
    RecomputeOrderTotals(db, line->siparisId);
    tx.Commit();
    return 1;
}

void Reprice(OpenLine &line)
{
    line.priced = MakeStoredLine(line.priced.birimfiyat, line.miktar, line.priced.rates,
                                 line.priced.kdv, line.priced.kampanyali);
}

} // namespace

int BackOrders::Delete(const Caller &caller, const BalanceLine &ref)
{
    return Rewrite(m_db, caller, ref, [](OpenLine &line) {
        line.miktar = line.teslimEdilen;
        Reprice(line);
    });
}

int BackOrders::Change(const Caller &caller, const BalanceLine &ref, double balance)
{
    RequireQuantity(balance, QStringLiteral("The new balance"));
    return Rewrite(m_db, caller, ref, [balance](OpenLine &line) {
        line.miktar = line.teslimEdilen + balance;
        Reprice(line);
    });
}

int BackOrders::ChangePrice(const Caller &caller, const BalanceLine &ref, double price, double rate)
{
    if (!caller.MayChangeOrderPrice())
        throw platform::Error(
            QStringLiteral("User %1 may not change the price of an order").arg(caller.userName));
    RequireUnitPrice(price, QStringLiteral("The unit price"));
    const double discount = RequireDiscountRate(rate, QStringLiteral("The discount"));
    return Rewrite(m_db, caller, ref, [price, discount](OpenLine &line) {
        line.priced.birimfiyat = price;
        line.priced.rates = {discount, 0, 0, 0};
        Reprice(line);
    });
}

} // namespace appserver::orders
