#include "ordersdemo.h"

#include "caller.h"
#include "catalogue.h"
#include "ordersschema.h"
#include "ordersubmit.h"
#include "sqlvalues.h"
#include "stockitems.h"
#include "storedline.h"

#include "appserver/data/database.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace appserver {
namespace {

using namespace orders;

// The engine's raw output is the same everywhere; the standard distributions are not.
class Dice
{
public:
    explicit Dice(quint32 seed) : m_engine(seed) {}
    int Below(int n) { return n <= 0 ? 0 : int(m_engine() % quint32(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <class T> const T &Pick(const std::vector<T> &items)
    {
        return items[size_t(Below(int(items.size())))];
    }
    template <size_t N> QString Pick(const char *const (&texts)[N])
    {
        return QString::fromUtf8(texts[Below(int(N))]);
    }

private:
    std::mt19937 m_engine;
};

const char *const kCustomerNotes[] = {"",
                                      "",
                                      "Acil gönderim rica ederiz.",
                                      "Faturayı şubemize kesiniz.",
                                      "Eksik parçaları ayrıca gönderin.",
                                      "Cuma gününe kadar teslim edilmeli."};

const char *const kOurMessages[] = {
    "", "Siparişiniz onaylandı.", "Eksik ürünler tedarik edilince gönderilecektir.",
    "Ödeme vadesi 30 gündür.", "Kargo takip numarası ayrıca bildirilecek."};

const char *const kSalesNotes[] = {"", "", "", "Müşteri ile telefonda görüşüldü.",
                                   "Fiyatlar kampanya dönemi için geçerlidir."};

struct DemoCustomer
{
    Customer customer;
    QVariant userId; // who places its lines and orders, null when nobody fits
};

std::vector<DemoCustomer> Customers(Database &db)
{
    std::vector<DemoCustomer> result;
    QVariant salesperson = db.Scalar(QStringLiteral(
        "SELECT id FROM kullanici WHERE musteritipi IN (1, 2) AND aktif = 1 ORDER BY id"));
    if (!salesperson.isValid())
        salesperson = QVariant(QMetaType::fromType<qint64>());
    std::vector<qint64> ids;
    {
        QSqlQuery q = db.Exec(QStringLiteral("SELECT id FROM cari ORDER BY id"));
        while (q.next())
            ids.push_back(q.value(0).toLongLong());
    }
    for (const qint64 id : ids) {
        DemoCustomer c{*FindCustomer(db, id), salesperson};
        const QVariant own = db.Scalar(
            QStringLiteral("SELECT id FROM kullanici WHERE cari_id = ? AND aktif = 1 ORDER BY id"),
            {id});
        if (own.isValid())
            c.userId = own;
        result.push_back(c);
    }
    return result;
}

std::vector<StockItem> PricedStock(Database &db)
{
    std::vector<StockItem> items;
    QSqlQuery q =
        db.Exec(QStringLiteral("SELECT %1 FROM stok s WHERE s.listefiyat > 0 ORDER BY s.id")
                    .arg(StockItemColumns()));
    const RowValues row(q);
    while (q.next())
        items.push_back(ReadStockItem(row));
    return items;
}

QString Timestamp(QDate today, int daysBack, Dice &dice)
{
    // One throw after the other: the order of a call's arguments is the compiler's choice.
    const int hour = dice.Between(8, 18);
    const int minute = dice.Below(60);
    const int second = dice.Below(60);
    return TimestampText(QDateTime(today.addDays(-daysBack), QTime(hour, minute, second)));
}

// How much of an ordered quantity has gone out, by the order's state.
double Delivered(SiparisDurumu state, double quantity, Dice &dice)
{
    switch (state) {
    case SiparisDurumu::ParcaliHazirlandi:
        return dice.OneIn(2) ? std::floor(quantity * dice.Between(0, 9) / 10) : 0;
    case SiparisDurumu::SevkEdildi:
        return dice.OneIn(3) ? std::floor(quantity * dice.Between(0, 9) / 10) : quantity;
    default:
        return 0;
    }
}

void SeedBasket(Database &db, const DemoCustomer &c, const std::vector<StockItem> &stock,
                QDate today, Dice &dice)
{
    std::vector<qint64> used;
    const int lines = dice.Between(1, 5);
    for (int i = 0; i < lines; ++i) {
        const StockItem &item = dice.Pick(stock);
        if (std::find(used.begin(), used.end(), item.id) != used.end())
            continue; // one line per item, as the basket keeps it
        used.push_back(item.id);
        const double quantity = dice.Between(1, 12);
        const ItemPrice price = PriceFor(item, c.customer.rates).price;
        QVariantList values = {c.customer.id, item.id,
                               c.userId,      Timestamp(today, dice.Below(3), dice),
                               quantity,      dice.OneIn(2) ? 1 : 0};
        values << StoredLineValues(
            MakeStoredLine(price.fiyat, quantity, price.rates, item.kdv, price.campaign));
        db.Insert(
            QStringLiteral("INSERT INTO sepet (cari_id, stok_id, veren_id, tarih, miktar, sec, %1)"
                           " VALUES (?, ?, ?, ?, ?, ?, %2)")
                .arg(StoredLineColumnNames(), StoredLinePlaceholders()),
            values);
    }
}

void SeedOrder(Database &db, const DemoCustomer &c, SiparisDurumu state,
               const std::vector<StockItem> &stock, QDate today, Dice &dice)
{
    const QString tarih = Timestamp(today, dice.Between(1, 90), dice);
    const bool seen = state != SiparisDurumu::Alindi;
    const qint64 siparisId = db.Insert(
        QStringLiteral("INSERT INTO siparis (cari_id, veren_id, tarih, durum, teslim_id, kargo_id,"
                       " kargofirma_id, aciklama, bizimmesaj, saticinotu)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {c.customer.id, c.userId, tarih, int(state), dice.Between(1, 3), dice.Between(1, 2),
         dice.Between(1, 3), dice.Pick(kCustomerNotes), seen ? dice.Pick(kOurMessages) : QString(),
         seen ? dice.Pick(kSalesNotes) : QString()});

    std::vector<qint64> used;
    const int lines = dice.Between(1, 8);
    for (int i = 0; i < lines; ++i) {
        const StockItem &item = dice.Pick(stock);
        if (std::find(used.begin(), used.end(), item.id) != used.end())
            continue;
        used.push_back(item.id);
        const double quantity = dice.Between(1, 20);
        const ItemPrice price = PriceFor(item, c.customer.rates).price;
        QVariantList values = {siparisId,
                               0, // written straight into the order, never a basket line
                               item.id,    c.userId, tarih,
                               quantity,   quantity, Delivered(state, quantity, dice),
                               price.fiyat};
        values << StoredLineValues(
            MakeStoredLine(price.fiyat, quantity, price.rates, item.kdv, price.campaign));
        db.Insert(QStringLiteral("INSERT INTO siparis_satir (siparis_id, sepet_sirano, stok_id,"
                                 " veren_id, tarih, ilkmiktar, miktar, teslimedilen, ilkfiyat, %1)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, %2)")
                      .arg(StoredLineColumnNames(), StoredLinePlaceholders()),
                  values);
    }
    RecomputeOrderTotals(db, siparisId);
}

} // namespace

void SeedOrdersDemo(Database &db, quint32 seed, QDate today)
{
    if (db.Scalar(QStringLiteral("SELECT 1 FROM siparis")).isValid() ||
        db.Scalar(QStringLiteral("SELECT 1 FROM sepet")).isValid())
        return;
    const std::vector<DemoCustomer> customers = Customers(db);
    const std::vector<StockItem> stock = PricedStock(db);
    if (customers.empty() || stock.empty())
        return;

    Dice dice(seed);
    Transaction tx(db);
    int nextState = 0;
    for (const DemoCustomer &c : customers) {
        if (!dice.OneIn(3))
            SeedBasket(db, c, stock, today, dice);
        const int orders = dice.Between(2, 6);
        for (int i = 0; i < orders; ++i) {
            // States go round, so every state appears as soon as there are six orders.
            const auto state = SiparisDurumu(nextState % 6 + 1);
            ++nextState;
            SeedOrder(db, c, state, stock, today, dice);
        }
    }
    tx.Commit();
}

} // namespace appserver
