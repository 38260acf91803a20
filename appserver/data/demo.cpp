#include "demo.h"

#include "database.h"
#include "textfold.h"

#include "platform/error.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace appserver {
namespace {

const char *const kParts[] = {"FREN BALATASI",
                              "FREN DİSKİ",
                              "AMORTİSÖR",
                              "YAĞ FİLTRESİ",
                              "HAVA FİLTRESİ",
                              "POLEN FİLTRESİ",
                              "YAKIT FİLTRESİ",
                              "DEBRİYAJ SETİ",
                              "TRİGER SETİ",
                              "V KAYIŞI",
                              "SU POMPASI",
                              "RADYATÖR",
                              "TERMOSTAT",
                              "BUJİ",
                              "ATEŞLEME BOBİNİ",
                              "ROT BAŞI",
                              "ROTİL",
                              "SALINCAK",
                              "Z ROT",
                              "AKS KÖRÜĞÜ",
                              "TEKER RULMANI",
                              "MOTOR TAKOZU",
                              "EGZOZ SUSTURUCU",
                              "SİLECEK SÜPÜRGESİ",
                              "FAR AMPULÜ",
                              "STOP LAMBASI",
                              "KAPI KOLU",
                              "AYNA CAMI",
                              "MARŞ MOTORU",
                              "ŞARJ DİNAMOSU",
                              "KLİMA KOMPRESÖRÜ",
                              "YAĞ KEÇESİ",
                              "SİLİNDİR KAPAK CONTASI",
                              "PİSTON SEGMANI",
                              "ENJEKTÖR",
                              "TURBO HORTUMU",
                              "RADYATÖR HORTUMU",
                              "HIZ SENSÖRÜ",
                              "ABS SENSÖRÜ",
                              "OKSİJEN SENSÖRÜ",
                              "DİREKSİYON KUTUSU",
                              "KRANK KASNAĞI",
                              "GERGİ RULMANI",
                              "YAĞ POMPASI",
                              "ŞANZIMAN TAKOZU",
                              "SIRINGA",
                              "DEBRİYAJ MERKEZİ"};
const char *const kPositions[] = {"ÖN",       "ARKA",     "SAĞ", "SOL", "ÖN SAĞ", "ÖN SOL",
                                  "ARKA SAĞ", "ARKA SOL", "",    "",    ""};
const char *const kVehicles[] = {
    "FIAT DOBLO 1.3 MJT",      "FIAT LINEA 1.4",      "RENAULT CLIO 1.5 DCI",
    "RENAULT MEGANE 1.6",      "FORD FOCUS 1.6 TDCI", "FORD TRANSIT 2.2",
    "VW PASSAT 1.6 TDI",       "VW GOLF 1.4 TSI",     "TOYOTA COROLLA 1.6",
    "HYUNDAI ACCENT 1.5 CRDI", "OPEL ASTRA 1.3 CDTI", "PEUGEOT 301 1.6 HDI",
    "DACIA DUSTER 1.5 DCI",    "HONDA CIVIC 1.6",     "TOFAŞ ŞAHİN 1.6"};
// Part makers: invented names.
const char *const kBrands[] = {"DURAPAR", "ANKAFREN",  "MARMOTEK",  "EGEPARTS", "BOSFORA",
                               "TORKSAN", "YILDIZKAR", "KARTALSAN", "ÖZTEKNİK", "GÜÇLÜPAR"};
const char *const kGroups[] = {"FREN SİSTEMİ", "SÜSPANSİYON", "FİLTRE", "MOTOR",
                               "ELEKTRİK",     "KAPORTA",     "SOĞUTMA"};
const char *const kCities[] = {"İSTANBUL", "ANKARA",    "İZMİR",   "BURSA",  "KONYA",
                               "ADANA",    "GAZİANTEP", "KAYSERİ", "SAMSUN", "ESKİŞEHİR"};
const char *const kFirmWords[] = {"OTO", "YEDEK PARÇA", "OTOMOTİV", "TİCARET", "MOTORLU ARAÇLAR"};
const char *const kFamilies[] = {"ÖZ KARDEŞLER", "YILMAZLAR", "ÇELİK", "DEMİRTAŞ", "ŞAHİN",
                                 "KORKMAZ",      "AYDIN",     "GÜNEŞ", "ERDOĞDU",  "KILIÇ"};
const char *const kPeople[] = {"MEHMET YILMAZ", "AYŞE KAYA", "MUSTAFA ÇELİK", "FATMA ŞAHİN",
                               "HÜSEYİN ÖZTÜRK"};

const DemoUser kUsers[] = {
    {"DEMO-PC-0000", "BAYI", "1234", 0},    {"DEMO-PC-0001", "SATICI", "1234", 1},
    {"DEMO-PC-0002", "YETKILI", "1234", 2}, {"DEMO-PC-0003", "CARI3", "1234", 3},
    {"DEMO-PC-0004", "CARI4", "1234", 4},
};

template <size_t N> const char *Pick(QRandomGenerator &rng, const char *const (&list)[N])
{
    return list[rng.bounded(quint32(N))];
}

QString Oem(QRandomGenerator &rng)
{
    static const char kAlnum[] = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ";
    QString s;
    const int len = 8 + int(rng.bounded(4u));
    for (int i = 0; i < len; ++i) {
        if (i == 4)
            s += QLatin1Char(' ');
        s += QLatin1Char(kAlnum[rng.bounded(quint32(sizeof kAlnum - 1))]);
    }
    return s;
}

void Run(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &v = values.at(i);
        // A null QString binds as NULL; the text columns are NOT NULL with '' for none.
        query.bindValue(i, v.typeId() == QMetaType::QString && v.toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : v);
    }
    if (!query.exec())
        throw platform::Error(QStringLiteral("Seeding failed: %1 [%2]")
                                  .arg(query.lastError().text(), query.lastQuery()));
}

QSqlQuery Prepare(Database &db, const QString &sql)
{
    QSqlQuery query(db.Handle());
    if (!query.prepare(sql))
        throw platform::Error(QStringLiteral("Seeding failed to prepare: %1").arg(sql));
    return query;
}

} // namespace

const DemoUser *DemoUsers(int *count)
{
    *count = int(std::size(kUsers));
    return kUsers;
}

QByteArray MakeItemPicture(const QString &code, const QString &name, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 320, 240);
    g.setColorAt(0, QColor::fromHsv(int(rng.bounded(360u)), 60, 240));
    g.setColorAt(1, QColor::fromHsv(int(rng.bounded(360u)), 120, 160));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 60), 4));
    p.setBrush(QColor(200, 200, 210));
    // A stylised part: a disc with a hub, so every picture looks a little different.
    const int r = 50 + int(rng.bounded(30u));
    p.drawEllipse(QPoint(110, 110), r, r);
    p.setBrush(QColor(90, 90, 110));
    p.drawEllipse(QPoint(110, 110), r / 3, r / 3);
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPoint(110, 110), QPoint(110 + int(r * std::cos(i * 1.2566)),
                                            110 + int(r * std::sin(i * 1.2566))));
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    p.setFont(font);
    p.drawText(QRect(180, 60, 130, 40), Qt::AlignCenter, code);
    font.setPointSize(10);
    p.setFont(font);
    p.drawText(QRect(10, 190, 300, 45), Qt::AlignCenter | Qt::TextWordWrap, name);
    p.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return jpeg;
}

void SeedCoreDemo(Database &db, const DemoOptions &options)
{
    if (options.items < 1 || options.items > 1000000)
        throw platform::Error(QStringLiteral("The demo takes 1 to 1,000,000 items"));
    QRandomGenerator rng(options.seed);
    Transaction tx(db);

    QSqlQuery satici = Prepare(
        db, QStringLiteral("INSERT INTO satici (id, adi, mail, telefon) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < int(std::size(kPeople)); ++i)
        Run(satici, {i + 1, QString::fromUtf8(kPeople[i]),
                     QStringLiteral("satici%1@dorvena.example").arg(i + 1),
                     QStringLiteral("0212 555 %1").arg(1000 + i * 37)});

    const int customers = 40;
    QSqlQuery cari = Prepare(
        db, QStringLiteral("INSERT INTO cari (id, kod, adi, satici_id, ind1, ind2, ind3, ind4, "
                           "adres1, adres2, ilce, sehir, tel1, gsm, fax1,"
                           " email, vergidairesi, vergino, yetkili, anagrup, vadegun, risklimit) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    for (int i = 1; i <= customers; ++i) {
        const QString city = QString::fromUtf8(Pick(rng, kCities));
        Run(cari, {i,
                   QStringLiteral("120.01.%1").arg(i, 3, 10, QLatin1Char('0')),
                   QStringLiteral("%1 %2").arg(QString::fromUtf8(Pick(rng, kFamilies)),
                                               QString::fromUtf8(Pick(rng, kFirmWords))),
                   1 + (i - 1) % int(std::size(kPeople)),
                   double(5 * rng.bounded(5u)),
                   double(5 * rng.bounded(3u)),
                   double(rng.bounded(2u) * 2),
                   0.0,
                   QStringLiteral("Sanayi Sitesi %1. Blok No:%2")
                       .arg(1 + rng.bounded(20u))
                       .arg(1 + rng.bounded(99u)),
                   QString(),
                   QStringLiteral("MERKEZ"),
                   city,
                   QStringLiteral("0%1 444 %2").arg(212 + rng.bounded(300u)).arg(1000 + i),
                   QStringLiteral("0532 %1").arg(1000000 + rng.bounded(8999999u)),
                   QString(),
                   QStringLiteral("cari%1@bayi.example").arg(i),
                   city + QStringLiteral(" VD"),
                   QString::number(1000000000ull + rng.bounded(899999999u)),
                   QString::fromUtf8(Pick(rng, kPeople)),
                   QStringLiteral("BAYİ"),
                   30 + 15 * int(rng.bounded(3u)),
                   250000.0});
    }

    QSqlQuery user = Prepare(
        db, QStringLiteral("INSERT INTO kullanici (bilgisayarid, adi, sifre, aktif, musteritipi, "
                           "cari_id, satici_id, mail) VALUES (?,?,?,?,?,?,?,?)"));
    for (const DemoUser &u : kUsers)
        Run(user,
            {QString::fromLatin1(u.machineId), QString::fromLatin1(u.name),
             QString::fromLatin1(u.password), 1, u.customerType, 1 + u.customerType, 1,
             QStringLiteral("%1@dorvena.example").arg(QString::fromLatin1(u.name).toLower())});
    // An account that may not sign in, for trying the refusal.
    Run(user, {QStringLiteral("DEMO-PC-PASIF"), QStringLiteral("PASIF"), QStringLiteral("1234"), 0,
               0, 6, 1, QString()});

    QSqlQuery stok = Prepare(
        db, QStringLiteral("INSERT INTO stok (id, kod, adi, digeradi, oem1, oem2, oem3, oem4, "
                           "oemno, ureticikodu, finishkod, pkod, dpkod, barkodno,"
                           " marka, model, anagrup, altgrup, departman, ozelkod, birim, kdv, "
                           "listefiyat, kampfiyat, durum, yeni, kampanyali, kalan,"
                           " alinansiparis, verilensiparis, kodkey, aramakey) VALUES "
                           "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery resim =
        Prepare(db, QStringLiteral("INSERT INTO resim (stok_id, jpeg) VALUES (?, ?)"));
    const int maxPictures = 5000;
    int pictures = 0;
    for (int id = 1; id <= options.items; ++id) {
        const QString part = QString::fromUtf8(Pick(rng, kParts));
        const QString position = QString::fromUtf8(Pick(rng, kPositions));
        const QString vehicle = QString::fromUtf8(Pick(rng, kVehicles));
        const QString brand = QString::fromUtf8(Pick(rng, kBrands));
        const QString name = (position.isEmpty() ? part : part + QLatin1Char(' ') + position) +
                             QLatin1Char(' ') + vehicle;
        const QString code = QStringLiteral("%1-%2").arg(brand.left(3)).arg(100000 + id);
        const QString oem1 = Oem(rng), oem2 = rng.bounded(2u) ? Oem(rng) : QString();
        const QString maker = QStringLiteral("%1%2")
                                  .arg(brand.left(2))
                                  .arg(rng.bounded(999999u), 6, 10, QLatin1Char('0'));
        const double list = std::round((20 + rng.bounded(500000u) / 100.0) * 100) / 100;
        const bool campaign = rng.bounded(100u) < 6;
        const bool isNew = rng.bounded(100u) < 4;
        const double campaignPrice = campaign ? std::round(list * 0.85 * 100) / 100 : 0.0;
        const int status = int(rng.bounded(100u) < 70 ? 1 : rng.bounded(6u));
        const double kalan = status == 1 ? double(1 + rng.bounded(200u)) : 0.0;
        Run(stok,
            {id,
             code,
             name,
             vehicle.section(QLatin1Char(' '), 0, 1) + QLatin1Char(' ') + part,
             oem1,
             oem2,
             QString(),
             QString(),
             oem1,
             maker,
             QStringLiteral("F%1").arg(rng.bounded(9999u), 4, 10, QLatin1Char('0')),
             QString(),
             QString(),
             QString::number(8690000000000ull + quint64(id)),
             brand,
             vehicle,
             QString::fromUtf8(Pick(rng, kGroups)),
             part,
             QStringLiteral("OTOMOTİV"),
             QString(),
             QStringLiteral("ADET"),
             20.0,
             list,
             campaignPrice,
             status,
             isNew ? 1 : 0,
             campaign ? 1 : 0,
             kalan,
             double(rng.bounded(30u)),
             double(rng.bounded(50u)),
             FoldSearchText(code).remove(QLatin1Char('-')),
             FoldSearchText(QStringList{code, name, oem1, oem2, maker}.join(QLatin1Char(' ')))});
        // About one item in five has a picture, the new and campaign ones always.
        if (pictures < maxPictures && (isNew || campaign || rng.bounded(5u) == 0)) {
            Run(resim, {id, MakeItemPicture(code, name, options.seed ^ quint32(id))});
            ++pictures;
        }
    }

    QSqlQuery ayar = Prepare(db, QStringLiteral("INSERT INTO ayar (anahtar, deger) VALUES (?, ?)"));
    Run(ayar, {QStringLiteral("version"), QStringLiteral("7")});
    tx.Commit();
}

} // namespace appserver
