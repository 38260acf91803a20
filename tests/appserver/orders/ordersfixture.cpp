#include "ordersfixture.h"

#include "appserver/data/schema.h"
#include "appserver/data/textfold.h"
#include "appserver/orders/ordersmethods.h"
#include "appserver/orders/ordersschema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

void AddItem(appserver::Database &db, int id, const QString &kod, const QString &adi,
             const QString &oem1, double liste, double kamp, int kampanyali, int yeni, double kdv)
{
    db.Exec(QStringLiteral("INSERT INTO stok (id, kod, adi, oem1, oemno, marka, model, finishkod,"
                           " listefiyat, kampfiyat, kampanyali, yeni, kdv, durum, kalan,"
                           " kodkey, aramakey) VALUES (?, ?, ?, ?, ?, 'ÖZKAYA', 'DOBLO 1.3',"
                           " 'F01', ?, ?, ?, ?, ?, 1, 7, ?, ?)"),
            {id, kod, adi, oem1, oem1, liste, kamp, kampanyali, yeni, kdv,
             appserver::FoldSearchText(kod).remove(QLatin1Char('-')),
             appserver::FoldSearchText(QStringList{kod, adi, oem1}.join(QLatin1Char(' ')))});
}

// PostgreSQL prepares only queries and changes of rows; the database itself is made without.
void RunUnprepared(appserver::Database &db, const QString &sql)
{
    QSqlQuery query(db.Handle());
    if (!query.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
}

QString CellText(const platform::Field &f, int row)
{
    if (f.IsNullAt(row))
        return QStringLiteral("null");
    if (f.DataType() == platform::FieldType::Float || f.DataType() == platform::FieldType::Currency)
        return QString::number(f.FloatAt(row), 'f', 2);
    return f.StringAt(row);
}

} // namespace

OrdersFixture::OrdersFixture()
{
    if (!m_dir.isValid())
        qFatal("no temporary folder");
    appserver::DatabaseOptions options;
    options.path = m_dir.filePath(QStringLiteral("orders.sqlite"));
    // B2B_TEST_PGSQL="host port user" runs the same tests on a fresh PostgreSQL database.
    const QStringList pg =
        qEnvironmentVariable("B2B_TEST_PGSQL").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (pg.size() == 3) {
        appserver::DatabaseOptions admin;
        admin.driver = QStringLiteral("QPSQL");
        admin.host = pg.at(0);
        admin.port = pg.at(1).toInt();
        admin.user = pg.at(2);
        admin.name = QStringLiteral("postgres");
        static QAtomicInt counter;
        m_pgName = QStringLiteral("b2b_orders_%1_%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(counter.fetchAndAddRelaxed(1));
        m_pgAdmin = admin;
        {
            appserver::Database server(admin);
            RunUnprepared(server, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_pgName));
            RunUnprepared(server, QStringLiteral("CREATE DATABASE %1").arg(m_pgName));
        }
        options = admin;
        options.name = m_pgName;
    }
    m_pool = std::make_unique<appserver::DatabasePool>(options);
    std::vector<appserver::SchemaStep> steps = appserver::CoreSchema();
    for (appserver::SchemaStep &step : appserver::OrdersSchema())
        steps.push_back(std::move(step));
    appserver::MigrateSchema(Db(), steps);
    Fill();
    appserver::RegisterOrdersMethods(m_handlers, *m_pool);
    m_server = std::make_unique<testsupport::TestServer>(m_handlers);
}

OrdersFixture::~OrdersFixture()
{
    // The server's workers use the pool: stop them first, then close every connection.
    m_server.reset();
    m_pool.reset();
    if (!m_pgName.isEmpty()) {
        appserver::Database server(m_pgAdmin);
        RunUnprepared(server, QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_pgName));
    }
}

bool OrdersFixture::IsSqlite()
{
    return Db().IsSqlite();
}

void OrdersFixture::Fill()
{
    appserver::Database &db = Db();
    appserver::Transaction tx(db);
    db.Exec(QStringLiteral("INSERT INTO satici (id, adi) VALUES (1, 'Ayşe Satıcı')"));
    db.Exec(QStringLiteral("INSERT INTO cari (id, kod, adi, satici_id, ind1, ind2, ind3, ind4)"
                           " VALUES (1, 'C001', 'Yıldız Oto', 1, 10, 5, 0, 0),"
                           " (2, 'C002', 'Kuzey Yedek Parça', 1, 0, 0, 0, 0),"
                           " (3, 'C003', 'Güney Otomotiv', 1, 20, 10, 5, 2)"));
    db.Exec(QStringLiteral("INSERT INTO kullanici (id, bilgisayarid, adi, sifre, aktif, "
                           "musteritipi, cari_id, satici_id)"
                           " VALUES (1, 'PC-1', 'YILDIZ', 'S1', 1, 3, 1, 1),"
                           " (2, 'PC-2', 'KUZEY', 'S2', 1, 4, 2, 1),"
                           " (3, 'PC-3', 'SATICI', 'S3', 1, 1, NULL, 1),"
                           " (4, 'PC-4', 'YETKILI', 'S4', 1, 2, NULL, 1),"
                           " (5, 'PC-5', 'ESKI', 'S5', 0, 3, 1, 1)"));
    AddItem(db, 1, QStringLiteral("FR-1001"), QStringLiteral("Fren Balatası Ön"),
            QStringLiteral("04E 115 561 H"), 100, 0, 0, 0, 20);
    AddItem(db, 2, QStringLiteral("YG-2002"), QStringLiteral("Yağ Filtresi"), QString(), 45.5, 0, 0,
            1, 20);
    AddItem(db, 3, QStringLiteral("AM-3003"), QStringLiteral("Şanzıman Takozu Sağ"),
            QStringLiteral("1J0-199-555"), 250, 200, 1, 1, 18);
    AddItem(db, 4, QStringLiteral("SB-4004"), QStringLiteral("Silecek Süpürgesi"), QString(), 80, 0,
            1, 0, 20);
    AddItem(db, 5, QStringLiteral("FR-10015"), QStringLiteral("Fren Hortumu"), QString(), 10, 0, 0,
            0, 20);
    db.Exec(QStringLiteral("INSERT INTO resim (stok_id, jpeg) VALUES (1, ?)"), {PictureOf(1)});
    if (!db.IsSqlite()) {
        // The rows above chose their own ids; later rows must not reuse them.
        for (const char *table : {"satici", "cari", "kullanici", "stok"})
            db.Exec(
                QStringLiteral(
                    "SELECT setval(pg_get_serial_sequence('%1', 'id'), (SELECT MAX(id) FROM %1))")
                    .arg(QLatin1String(table)));
    }
    tx.Commit();
}

QByteArray OrdersFixture::PictureOf(int stokId)
{
    // Longer than one 1024-byte piece, so a reader must loop.
    QByteArray jpeg("\xFF\xD8\xFF\xE0", 4);
    for (int i = 0; i < 3000; ++i)
        jpeg.append(char((i * 7 + stokId) & 0xFF));
    jpeg.append("\xFF\xD9", 2);
    return jpeg;
}

std::unique_ptr<TSonucBilgisi> OrdersFixture::Session(int carino, int sirano, int musteriTipi)
{
    auto s = std::make_unique<TSonucBilgisi>();
    s->SetCARINO(carino);
    s->SetSirano(sirano);
    s->SetMusteriTipi(musteriTipi);
    s->SetADI(QStringLiteral("TEST"));
    return s;
}

std::unique_ptr<OrdersFixture::Client> OrdersFixture::Connect() const
{
    auto client = std::make_unique<Client>();
    client->connection = m_server->connection();
    client->connection.Open();
    client->proxy = std::make_unique<TServerMethods1Client>(&client->connection);
    return client;
}

qint64 OrdersFixture::Count(const QString &table)
{
    // Only the fixed table names of the tests come here.
    return Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
}

QString RowText(const platform::DataSet &table, int row, const QStringList &fields)
{
    QStringList cells;
    for (const QString &name : fields)
        cells << CellText(table.FieldByName(name), row);
    return cells.join(QLatin1Char('|'));
}

QString ColumnText(const platform::DataSet &table, const QString &field)
{
    QStringList cells;
    const platform::Field &f = table.FieldByName(field);
    for (int row = 0; row < table.RecordCount(); ++row)
        cells << CellText(f, row);
    return cells.join(QLatin1Char('|'));
}

QStringList FieldTypes(const platform::DataSet &table)
{
    QStringList types;
    for (int i = 0; i < table.FieldCount(); ++i)
        types << table.Fields(i).FieldName() + QLatin1Char(':') +
                     platform::FieldTypeName(table.Fields(i).DataType());
    return types;
}
