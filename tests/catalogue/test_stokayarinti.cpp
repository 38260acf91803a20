#include "catalogue/orantiliresim.h"
#include "catalogue/sepetsatiracici.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/tutarhesabi.h"
#include "catalogue/tutarkutusu.h"

#include "platform/dataset.h"
#include "platform/deployment.h"
#include "platform/error.h"
#include "platform/numberformat.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

Q_DECLARE_METATYPE(KaynakListe)

using platform::FieldType;

// The stock detail dialog on its own: the amounts, what the openers put into it, and its keys.
class TestStokayarinti : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void computesCascadedDiscountsAndVat_data();
    void computesCascadedDiscountsAndVat();
    void opensWithQuantityOneReadOnlyAmountsAndNoDefaultButton();
    void recomputesOnShowQuantityChangeAndTypedPrice();
    void fillsNewLineCaptionsAndPriceRightsByList_data();
    void fillsNewLineCaptionsAndPriceRightsByList();
    void fillsNewLineFromTheListRow();
    void fillsBasketLineWithItsQuantityAndPrice_data();
    void fillsBasketLineWithItsQuantityAndPrice();
    void confirmsOnEnterOnlyFromTheQuantityBox_data();
    void confirmsOnEnterOnlyFromTheQuantityBox();
    void raisesConversionErrorForAQuantityThatIsNotANumber();
    void findsTheBasketLineOfAnItem();
    void readsTheStockNumberOfTheFocusedRow();
    void asksThePictureFromTheAddressTheSignInChose_data();
    void asksThePictureFromTheAddressTheSignInChose();
};

namespace {

QString Tutar(double value)
{
    return platform::FormatFloat(QStringLiteral("#,###,##0.00"), value);
}

// One row of a stock, new-item or campaign list with the columns the openers read.
std::unique_ptr<platform::DataSet> ListeTablosu(int k)
{
    auto ds = std::make_unique<platform::DataSet>();
    const auto add = [&](const char *name, FieldType type, const QVariant &value) {
        ds->AddField(QLatin1String(name), type, type == FieldType::String ? 100 : 0)
            .AppendVariant(value);
    };
    add("STOK_STOKNO", FieldType::Integer, 4711);
    add("BARKOD", FieldType::String, QStringLiteral("ANK-104711"));
    add("ADI", FieldType::String, QStringLiteral("FREN BALATASI ÖN FIAT DOBLO 1.3 MJT"));
    add("MARKA", FieldType::String, QStringLiteral("ANKAFREN"));
    add("FINISHKOD", FieldType::String, QStringLiteral("F0042"));
    add("MODEL", FieldType::String, QStringLiteral("FIAT DOBLO 1.3 MJT"));
    add("KDV", FieldType::Float, 20.0);
    add("FIYAT", FieldType::Float, 100.0);
    add("IND1", FieldType::Float, 10.0);
    add("IND2", FieldType::Float, 5.0);
    add("IND3", FieldType::Float, 0.0);
    add("IND4", FieldType::Float, 0.0);
    add("INDIRIMYAZI", FieldType::String, QStringLiteral("10+5"));
    add("K", FieldType::Integer, k);
    ds->EndAppend();
    ds->Open();
    return ds;
}

// A basket of two lines with the columns the basket opener reads.
std::unique_ptr<platform::DataSet> SepetTablosu()
{
    auto ds = std::make_unique<platform::DataSet>();
    const auto add = [&](const char *name, FieldType type, const QVariant &first,
                         const QVariant &second) {
        platform::Field &f =
            ds->AddField(QLatin1String(name), type, type == FieldType::String ? 100 : 0);
        f.AppendVariant(first);
        f.AppendVariant(second);
    };
    add("SIRANO", FieldType::Integer, 31, 32);
    add("STOKNO", FieldType::Integer, 4711, 815);
    add("BARKOD", FieldType::String, QStringLiteral("ANK-104711"), QStringLiteral("DUR-100815"));
    add("STOKADI", FieldType::String, QStringLiteral("FREN BALATASI"),
        QStringLiteral("YAĞ FİLTRESİ"));
    add("MARKA", FieldType::String, QStringLiteral("ANKAFREN"), QStringLiteral("DURAPAR"));
    add("FINISHKOD", FieldType::String, QStringLiteral("F0042"), QStringLiteral("F0815"));
    add("MODEL", FieldType::String, QStringLiteral("FIAT DOBLO"), QStringLiteral("VW GOLF"));
    add("KDV", FieldType::Float, 20.0, 18.0);
    add("BIRIMFIYAT", FieldType::Float, 100.0, 42.5);
    add("MIKTAR", FieldType::Float, 3.0, 12.0);
    add("INDIRIMORANI1", FieldType::Float, 10.0, 0.0);
    add("INDIRIMORANI2", FieldType::Float, 5.0, 0.0);
    add("INDIRIMORANI3", FieldType::Float, 0.0, 0.0);
    add("INDIRIMORANI4", FieldType::Float, 0.0, 0.0);
    add("INDIRIMYAZI", FieldType::String, QStringLiteral("10+5"), QStringLiteral("0"));
    ds->EndAppend();
    ds->Open();
    return ds;
}

} // namespace

void TestStokayarinti::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TestStokayarinti::computesCascadedDiscountsAndVat_data()
{
    QTest::addColumn<double>("fiyat");
    QTest::addColumn<double>("miktar");
    QTest::addColumn<QList<double>>("oranlar");
    QTest::addColumn<double>("kdv");
    // discount | net unit | VAT-inclusive unit | line total
    QTest::addColumn<QString>("tutarlar");

    QTest::newRow("100 x 3, 10 % then 5 %, VAT 20")
        << 100.0 << 3.0 << QList<double>{10, 5, 0, 0} << 20.0 << "43,50 | 85,50 | 102,60 | 307,80";
    QTest::newRow("rates 10, 0, 10, 0 leave 81 %")
        << 100.0 << 1.0 << QList<double>{10, 0, 10, 0} << 0.0 << "19,00 | 81,00 | 81,00 | 81,00";
    QTest::newRow("a negative rate is skipped")
        << 100.0 << 1.0 << QList<double>{10, -5, 10, 0} << 0.0 << "19,00 | 81,00 | 81,00 | 81,00";
    QTest::newRow("four rates cascade") << 200.0 << 1.0 << QList<double>{10, 10, 10, 10} << 0.0
                                        << "68,78 | 131,22 | 131,22 | 131,22";
    QTest::newRow("no rates") << 100.0 << 2.0 << QList<double>{0, 0, 0, 0} << 20.0
                              << "0,00 | 100,00 | 120,00 | 240,00";
    // Rounded once at the end this would be 20.0001 / 3 * 1.18 * 3 = 23,60.
    QTest::newRow("rounded after each step")
        << 10.0 << 3.0 << QList<double>{33.333, 0, 0, 0} << 18.0 << "10,00 | 6,67 | 7,87 | 23,61";
    QTest::newRow("half a cent rounds up")
        << 0.125 << 1.0 << QList<double>{0, 0, 0, 0} << 0.0 << "0,00 | 0,13 | 0,13 | 0,13";
    QTest::newRow("zero quantity")
        << 100.0 << 0.0 << QList<double>{10, 5, 0, 0} << 20.0 << "0,00 | 0,00 | 0,00 | 0,00";
    QTest::newRow("a rate of 100")
        << 100.0 << 2.0 << QList<double>{100, 0, 0, 0} << 20.0 << "200,00 | 0,00 | 0,00 | 0,00";
    QTest::newRow("a rate above 100 counts as 100")
        << 100.0 << 2.0 << QList<double>{150, 0, 0, 0} << 20.0 << "200,00 | 0,00 | 0,00 | 0,00";
    QTest::newRow("thousands") << 1234.5 << 10.0 << QList<double>{0, 0, 0, 0} << 20.0
                               << "0,00 | 1.234,50 | 1.481,40 | 14.814,00";
}

void TestStokayarinti::computesCascadedDiscountsAndVat()
{
    QFETCH(double, fiyat);
    QFETCH(double, miktar);
    QFETCH(QList<double>, oranlar);
    QFETCH(double, kdv);
    QFETCH(QString, tutarlar);

    const SatirTutarlari t =
        TutarlariHesapla(fiyat, miktar, {oranlar[0], oranlar[1], oranlar[2], oranlar[3]}, kdv);
    QCOMPARE(QStringList({Tutar(t.indirim), Tutar(t.netBirim), Tutar(t.kdvDahil), Tutar(t.genel)})
                 .join(" | "),
             tutarlar);
}

void TestStokayarinti::opensWithQuantityOneReadOnlyAmountsAndNoDefaultButton()
{
    Tstokayarinti d(nullptr);
    d.show();

    QCOMPARE(d.windowTitle(), QStringLiteral("Sepete Ekle"));
    QCOMPARE(d.size(), QSize(550, 631));
    QCOMPARE(d.focusWidget(), d.adet);
    QCOMPARE(
        QString("%1..%2 = %3").arg(d.adet->minimum()).arg(d.adet->maximum()).arg(d.adet->value()),
        QStringLiteral("1..10000 = 1"));
    for (TutarKutusu *box : {d.birimfiyat, d.indtutar, d.kdvdahiltutar, d.geneltutar})
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    QCOMPARE(d.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
    QCOMPARE(d.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
    QVERIFY(!d.ParcaliTus1->isDefault() && !d.ParcaliTus2->isDefault());
    QVERIFY(!d.Image1->Picture().isNull()); // the placeholder
}

void TestStokayarinti::recomputesOnShowQuantityChangeAndTypedPrice()
{
    Tstokayarinti d(nullptr);
    d.kdvoran = 20;
    d.ind1 = 10;
    d.ind2 = 5;
    d.birimfiyat->SetValue(100);
    const auto kutular = [&] {
        return QStringList({d.indtutar->text(), d.kdvdahiltutar->text(), d.geneltutar->text()})
            .join(" | ");
    };

    d.show();
    QCOMPARE(kutular(), QStringLiteral("14,50 | 102,60 | 102,60"));
    d.adet->setValue(3);
    QCOMPARE(kutular(), QStringLiteral("43,50 | 102,60 | 307,80"));

    d.birimfiyat->SetEditable(true);
    d.birimfiyat->selectAll();
    QTest::keyClicks(d.birimfiyat, "1.000,5");
    QCOMPARE(d.birimfiyat->Value(), 1000.5);
    // 3001,50 less 10 % and 5 %: 2566,2825; net unit 855,43; with VAT 1.026,52.
    QCOMPARE(kutular(), QStringLiteral("435,22 | 1.026,52 | 3.079,56"));
}

void TestStokayarinti::fillsNewLineCaptionsAndPriceRightsByList_data()
{
    QTest::addColumn<KaynakListe>("kaynak");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("musteriTipi");
    // price caption | discount caption | unit price | the dialog's own picture stock number
    QTest::addColumn<QString>("beklenen");

    const QString stok = "Fiyat: | İndirim: %10+5 | %1 | 4711";
    QTest::newRow("stock list, type 0") << KaynakListe::Stok << 0 << 0 << stok.arg("read-only");
    QTest::newRow("stock list, type 1") << KaynakListe::Stok << 0 << 1 << stok.arg("editable");
    QTest::newRow("stock list, type 2") << KaynakListe::Stok << 0 << 2 << stok.arg("editable");
    QTest::newRow("stock list, type 3") << KaynakListe::Stok << 0 << 3 << stok.arg("read-only");
    QTest::newRow("stock list, type 4") << KaynakListe::Stok << 0 << 4 << stok.arg("read-only");
    QTest::newRow("stock list, campaign item")
        << KaynakListe::Stok << 1 << 1 << "Kampanyalı Fiyat: | Kampanyalı 10+5 | editable | 4711";
    QTest::newRow("new items, type 2")
        << KaynakListe::Yeniler << 0 << 2 << "Fiyat: | İndirim:  % 10+5 | editable | 0";
    QTest::newRow("new items, type 3")
        << KaynakListe::Yeniler << 0 << 3 << "Fiyat: | İndirim:  % 10+5 | read-only | 0";
    QTest::newRow("new items, campaign item")
        << KaynakListe::Yeniler << 1 << 1 << "Kampanyalı Fiyat: | Kampanyalı 10+5 | editable | 0";
    QTest::newRow("campaign items, type 1")
        << KaynakListe::Kampanyali << 1 << 1
        << "Kampanyalı Fiyat: | Kampanyalı 10+5 | read-only | 0";
    QTest::newRow("campaign items without the flag")
        << KaynakListe::Kampanyali << 0 << 2
        << "Kampanyalı Fiyat: | Kampanyalı 10+5 | read-only | 0";
}

void TestStokayarinti::fillsNewLineCaptionsAndPriceRightsByList()
{
    QFETCH(KaynakListe, kaynak);
    QFETCH(int, k);
    QFETCH(int, musteriTipi);
    QFETCH(QString, beklenen);

    Tstokayarinti d(nullptr);
    YeniSatirDoldur(d, kaynak, ListeSatiri::Oku(*ListeTablosu(k)), musteriTipi);
    QCOMPARE(QStringList({d.Label2->text(), d.indirimoran->text(),
                          d.birimfiyat->isReadOnly() ? "read-only" : "editable",
                          QString::number(d._stokno)})
                 .join(" | "),
             beklenen);
}

void TestStokayarinti::fillsNewLineFromTheListRow()
{
    Tstokayarinti d(nullptr);
    YeniSatirDoldur(d, KaynakListe::Stok, ListeSatiri::Oku(*ListeTablosu(0)), 0);

    QCOMPARE(QStringList({d.barkod->text(), d.adi->text(), d.finishkod->text(), d.marka->text(),
                          d.model->text()})
                 .join(" | "),
             QStringLiteral("ANK-104711 | FREN BALATASI ÖN FIAT DOBLO 1.3 MJT | F0042 | ANKAFREN | "
                            "FIAT DOBLO 1.3 MJT"));
    QCOMPARE(QString("%1 %2 %3 %4 kdv %5")
                 .arg(d.ind1)
                 .arg(d.ind2)
                 .arg(d.ind3)
                 .arg(d.ind4)
                 .arg(d.kdvoran),
             QStringLiteral("10 5 0 0 kdv 20"));
    QCOMPARE(d.birimfiyat->text(), QStringLiteral("100,00"));
    QCOMPARE(d.adet->value(), 1);
}

void TestStokayarinti::fillsBasketLineWithItsQuantityAndPrice_data()
{
    QTest::addColumn<int>("musteriTipi");
    QTest::addColumn<bool>("fiyatDegisir");

    QTest::newRow("type 0") << 0 << false;
    QTest::newRow("type 1") << 1 << true;
    QTest::newRow("type 2") << 2 << true;
    QTest::newRow("type 3") << 3 << false;
    QTest::newRow("type 4") << 4 << false;
}

void TestStokayarinti::fillsBasketLineWithItsQuantityAndPrice()
{
    QFETCH(int, musteriTipi);
    QFETCH(bool, fiyatDegisir);

    const std::unique_ptr<platform::DataSet> sepet = SepetTablosu();
    QVERIFY(sepet->Locate("SIRANO", 32));
    Tstokayarinti d(nullptr);
    SepetSatiriDoldur(d, SepetSatiri::Oku(*sepet), musteriTipi);
    d.show();

    QCOMPARE(QStringList({d.barkod->text(), d.adi->text(), d.finishkod->text(), d.marka->text(),
                          d.model->text(), d.indirimoran->text(), d.Label2->text()})
                 .join(" | "),
             QStringLiteral(
                 "DUR-100815 | YAĞ FİLTRESİ | F0815 | DURAPAR | VW GOLF | İndirim: %0 | Fiyat:"));
    QCOMPARE(QString("%1 x %2 = %3, stok %4")
                 .arg(d.adet->value())
                 .arg(d.birimfiyat->text(), d.geneltutar->text())
                 .arg(d._stokno),
             QStringLiteral("12 x 42,50 = 601,80, stok 815"));
    QCOMPARE(!d.birimfiyat->isReadOnly(), fiyatDegisir);
}

void TestStokayarinti::confirmsOnEnterOnlyFromTheQuantityBox_data()
{
    QTest::addColumn<QString>("kutu");
    QTest::addColumn<bool>("fiyatDegisir");
    QTest::addColumn<int>("tus");
    QTest::addColumn<bool>("onaylandi");

    QTest::newRow("Return in the quantity") << "adet" << false << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter in the quantity") << "adet" << false << int(Qt::Key_Enter) << true;
    QTest::newRow("Return in the unit price")
        << "birimfiyat" << false << int(Qt::Key_Return) << false;
    QTest::newRow("Return in the editable unit price")
        << "birimfiyat" << true << int(Qt::Key_Return) << false;
    QTest::newRow("Return in the line total")
        << "geneltutar" << false << int(Qt::Key_Return) << false;
}

void TestStokayarinti::confirmsOnEnterOnlyFromTheQuantityBox()
{
    QFETCH(QString, kutu);
    QFETCH(bool, fiyatDegisir);
    QFETCH(int, tus);
    QFETCH(bool, onaylandi);

    Tstokayarinti d(nullptr);
    d.birimfiyat->SetEditable(fiyatDegisir);
    d.show();
    QWidget *target = d.findChild<QWidget *>(kutu);
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(tus));

    QCOMPARE(d.isVisible(), !onaylandi);
    QCOMPARE(d.result(), onaylandi ? int(QDialog::Accepted) : 0);
}

void TestStokayarinti::raisesConversionErrorForAQuantityThatIsNotANumber()
{
    Tstokayarinti d(nullptr);
    d.adet->setValue(7);
    QCOMPARE(d.Miktar(), 7);
    auto *edit = d.adet->findChild<QLineEdit *>();
    QVERIFY(edit);
    edit->setText(QString());
    QVERIFY_THROWS_EXCEPTION(platform::ConversionError, d.Miktar());
}

void TestStokayarinti::findsTheBasketLineOfAnItem()
{
    const std::unique_ptr<platform::DataSet> sepet = SepetTablosu();
    QCOMPARE(SepettekiSatir(sepet.get(), 815).value_or(-1), 32);
    QCOMPARE(sepet->FieldByName("SIRANO").AsInteger(), 32); // positioned on the line
    QVERIFY(!SepettekiSatir(sepet.get(), 999));
    QVERIFY(!SepettekiSatir(nullptr, 815));
    platform::DataSet closed;
    QVERIFY(!SepettekiSatir(&closed, 815));
}

void TestStokayarinti::readsTheStockNumberOfTheFocusedRow()
{
    const std::unique_ptr<platform::DataSet> liste = ListeTablosu(0);
    QCOMPARE(OdakStokno(*liste, 0).value_or(-1), 4711);
    QVERIFY(!OdakStokno(*liste, -1)); // no focused row
    QVERIFY(!OdakStokno(*liste, 1));
}

void TestStokayarinti::asksThePictureFromTheAddressTheSignInChose_data()
{
    QTest::addColumn<QString>("gecerliip");
    QTest::addColumn<int>("webPort");
    QTest::addColumn<QString>("adres");

    QTest::newRow("inside the firm: the LAN address")
        << "192.168.1.10" << 80 << "http://192.168.1.10/resimgoster.ashx?id=4711";
    QTest::newRow("from outside: the web host")
        << "b2b.firma.example" << 80 << "http://b2b.firma.example/resimgoster.ashx?id=4711";
    QTest::newRow("before the sign-in: the web host")
        << "" << 80 << "http://b2b.firma.example/resimgoster.ashx?id=4711";
    QTest::newRow("a web port of its own")
        << "192.168.1.10" << 8080 << "http://192.168.1.10:8080/resimgoster.ashx?id=4711";
}

void TestStokayarinti::asksThePictureFromTheAddressTheSignInChose()
{
    QFETCH(QString, gecerliip);
    QFETCH(int, webPort);
    QFETCH(QString, adres);

    platform::Deployment deployment;
    deployment.firmWebHost = "b2b.firma.example";
    deployment.serverLanAddress = "192.168.1.10";
    deployment.webPort = webPort;
    QCOMPARE(ResimAdresi(4711, gecerliip, deployment), adres);
}

QTEST_MAIN(TestStokayarinti)
#include "test_stokayarinti.moc"
