#include "sepetfixture.h"

#include "orders/sepettoplam.h"

#include <QLocale>
#include <QTest>

// The basket's totals panel: which lines count, rounding after every addition, and when the
// discount and VAT rows appear.
class TestSepetToplam : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void addsUpTheSelectedLines_data();
    void addsUpTheSelectedLines();
    void givesZerosForABasketNotLoaded();
    void leavesTheCursorWhereItWas();
};

namespace {

// Toplam|İndirim|Ara|Vergi|Genel|discount row|VAT row, as the panel shows them.
QString Panel(const SepetToplamlari &t)
{
    return QStringList{TutarYazisi(t.toplam),
                       TutarYazisi(t.indirim),
                       TutarYazisi(t.ara),
                       TutarYazisi(t.vergi),
                       TutarYazisi(t.genel),
                       t.IndirimGorunur() ? QStringLiteral("indirim") : QStringLiteral("-"),
                       t.VergiGorunur() ? QStringLiteral("vergi") : QStringLiteral("-")}
        .join(QLatin1Char('|'));
}

} // namespace

void TestSepetToplam::addsUpTheSelectedLines_data()
{
    QTest::addColumn<QStringList>("satirlar"); // "SEC TUTAR INDIRIMTUTAR VERGITUTARI"
    QTest::addColumn<QString>("panel");

    QTest::newRow("empty basket") << QStringList{} << "0,00|0,00|0,00|0,00|0,00|-|-";
    QTest::newRow("lines but none selected")
        << QStringList{"0 100 20 16", "0 250 0 50"} << "0,00|0,00|0,00|0,00|0,00|-|-";
    QTest::newRow("only SEC = 1 counts; empty and 2 do not")
        << QStringList{"1 100 10 18", "2 1000 100 180", "- 500 50 90", "0 7 0 1"}
        << "100,00|10,00|90,00|18,00|108,00|indirim|vergi";
    QTest::newRow("two selected lines") << QStringList{"1 1000 150 153", "1 234.5 0 42.21"}
                                        << "1.234,50|150,00|1.084,50|195,21|1.279,71|indirim|vergi";
    // Three half cents: rounded after every addition they make 0,03; rounded once at the end,
    // 0,02.
    QTest::newRow("rounded after every addition")
        << QStringList{"1 0.005 0.005 0.005", "1 0.005 0.005 0.005", "1 0.005 0.005 0.005"}
        << "0,03|0,03|0,00|0,03|0,03|-|-";
    QTest::newRow("each line's own fractions rounded as they come")
        << QStringList{"1 10.004 0 0", "1 10.004 0 0", "1 10.004 0 0"}
        << "30,00|0,00|30,00|0,00|30,00|-|-";
    QTest::newRow("discount and VAT of exactly 1,00 stay hidden")
        << QStringList{"1 50 0.5 0.5", "1 50 0.5 0.5"} << "100,00|1,00|99,00|1,00|100,00|-|-";
    QTest::newRow("1,01 is shown") << QStringList{"1 50 0.5 0.5", "1 50 0.51 0.51"}
                                   << "100,00|1,01|98,99|1,01|100,00|indirim|vergi";
    QTest::newRow("a sum that rounds down to 1,00 stays hidden")
        << QStringList{"1 50 1.004 1.004"} << "50,00|1,00|49,00|1,00|50,00|-|-";
    QTest::newRow("empty amounts count as nothing")
        << QStringList{"1 - - -", "1 20 - 3.6"} << "20,00|0,00|20,00|3,60|23,60|-|vergi";
}

void TestSepetToplam::addsUpTheSelectedLines()
{
    QFETCH(QStringList, satirlar);
    QFETCH(QString, panel);
    QCOMPARE(Panel(SepetToplamHesapla(*testsupport::Sepet(satirlar))), panel);
}

void TestSepetToplam::givesZerosForABasketNotLoaded()
{
    platform::DataSet kapali;
    QCOMPARE(Panel(SepetToplamHesapla(kapali)), QStringLiteral("0,00|0,00|0,00|0,00|0,00|-|-"));
}

void TestSepetToplam::leavesTheCursorWhereItWas()
{
    auto sepet = testsupport::Sepet({"1 10 0 0", "1 20 0 0", "1 30 0 0"});
    sepet->SetRow(1);
    SepetToplamHesapla(*sepet);
    QCOMPARE(sepet->Row(), 1);
}

QTEST_MAIN(TestSepetToplam)
#include "test_sepettoplam.moc"
