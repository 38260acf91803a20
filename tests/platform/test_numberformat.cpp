#include "platform/numberformat.h"

#include <QTest>

using platform::FormatFloat;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void formatsPicturesUnderTurkishLocale_data();
    void formatsPicturesUnderTurkishLocale();
    void followsTheGivenLocale();
    void generalFormIsShortest_data();
    void generalFormIsShortest();
    void roundsToCentsHalfAwayFromZero_data();
    void roundsToCentsHalfAwayFromZero();
};

static const QLocale kTurkish(QLocale::Turkish, QLocale::Turkey);

void TestNumberFormat::formatsPicturesUnderTurkishLocale_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QString grid = QStringLiteral("#,###,##0.00");
    QTest::newRow("grouped millions") << grid << 1234567.5 << "1.234.567,50";
    QTest::newRow("under one keeps a zero") << grid << 0.5 << "0,50";
    QTest::newRow("zero") << grid << 0.0 << "0,00";
    QTest::newRow("negative") << grid << -1234.567 << "-1.234,57";
    QTest::newRow("half rounds up") << grid << 2.675 << "2,68";
    QTest::newRow("negative half rounds away") << grid << -2.675 << "-2,68";
    QTest::newRow("tiny negative is zero") << grid << -0.001 << "0,00";
    QTest::newRow("carry into new group") << grid << 999999.999 << "1.000.000,00";
    QTest::newRow("two integer zeros") << QStringLiteral("#,###,##00.00") << 5.5 << "05,50";
    QTest::newRow("two integer zeros, large")
        << QStringLiteral("#,###,##00.00") << 12345.0 << "12.345,00";
    QTest::newRow("no integer zero drops it") << QStringLiteral("#,###,##.00") << 0.5 << ",50";
    QTest::newRow("no integer zero, large")
        << QStringLiteral("#,###,##.00") << 1234.005 << "1.234,01";
    QTest::newRow("TL positive") << QStringLiteral(",0.00 TL;-,0.00 TL") << 1500.0 << "1.500,00 TL";
    QTest::newRow("TL negative section")
        << QStringLiteral(",0.00 TL;-,0.00 TL") << -1500.25 << "-1.500,25 TL";
    QTest::newRow("optional decimals") << QStringLiteral("0.##") << 3.10 << "3,1";
    QTest::newRow("optional decimals whole") << QStringLiteral("0.##") << 3.0 << "3";
}

void TestNumberFormat::formatsPicturesUnderTurkishLocale()
{
    QFETCH(QString, picture);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatFloat(picture, value, kTurkish), expected);
}

void TestNumberFormat::followsTheGivenLocale()
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(FormatFloat(QStringLiteral("#,###,##0.00"), 1234567.5, english),
             QStringLiteral("1,234,567.50"));
}

void TestNumberFormat::generalFormIsShortest_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fraction") << 1234.5 << "1234,5";
    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("negative") << -0.25 << "-0,25";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0,3";
}

void TestNumberFormat::generalFormIsShortest()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(platform::FormatGeneral(value, kTurkish), expected);
}

void TestNumberFormat::roundsToCentsHalfAwayFromZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("already cents") << 256.5 << 256.5;
    QTest::newRow("half cent up") << 0.125 << 0.13;
    QTest::newRow("half cent negative") << -0.125 << -0.13;
    QTest::newRow("below half") << 85.494999 << 85.49;
    QTest::newRow("thousands") << 12345.678 << 12345.68;
    QTest::newRow("binary half") << 1.005 << 1.01;
    QTest::newRow("zero") << 0.0 << 0.0;
}

void TestNumberFormat::roundsToCentsHalfAwayFromZero()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(platform::RoundToCents(value, kTurkish), expected);
    QCOMPARE(platform::RoundToCents(value, QLocale(QLocale::English, QLocale::UnitedStates)),
             expected);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_numberformat.moc"
