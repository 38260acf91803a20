// Line amounts and item prices: the cascaded discounts, the rounding to cents and the
// identities the basket and order totals rely on.

#include "appserver/orders/pricing.h"

#include <QtTest>

using appserver::orders::DiscountRates;
Q_DECLARE_METATYPE(DiscountRates)

class TestOrdersPricing : public QObject
{
    Q_OBJECT

private slots:
    void shouldComputeLineAmountsLikeTheAddToBasketDialog_data();
    void shouldComputeLineAmountsLikeTheAddToBasketDialog();
    void shouldKeepTheTotalsIdentities_data();
    void shouldKeepTheTotalsIdentities();
    void shouldWriteDiscountRatesAsText_data();
    void shouldWriteDiscountRatesAsText();
    void shouldPriceCampaignItemsAtTheirCampaignPriceWithoutFurtherDiscount_data();
    void shouldPriceCampaignItemsAtTheirCampaignPriceWithoutFurtherDiscount();
};

namespace {

QString Amounts(const appserver::orders::LineAmounts &a)
{
    return QStringList{QString::number(a.tutar, 'f', 2),
                       QString::number(a.indirimTutar, 'f', 2),
                       QString::number(a.netTutar, 'f', 2),
                       QString::number(a.netBirimFiyat, 'f', 2),
                       QString::number(a.kdvDahilBirimFiyat, 'f', 2),
                       QString::number(a.vergiTutari, 'f', 2),
                       QString::number(a.kdvliTutar, 'f', 2)}
        .join(QLatin1Char('|'));
}

} // namespace

void TestOrdersPricing::shouldComputeLineAmountsLikeTheAddToBasketDialog_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<DiscountRates>("rates");
    QTest::addColumn<double>("vat");
    // gross | discount | net | net unit | VAT-incl unit | VAT | line total
    QTest::addColumn<QString>("expected");

    QTest::newRow("worked example 100 x 3, 10 % then 5 %, VAT 20")
        << 100.0 << 3.0 << DiscountRates{10, 5, 0, 0} << 20.0
        << "300.00|43.50|256.50|85.50|102.60|51.30|307.80";
    QTest::newRow("no discount") << 45.5 << 2.0 << DiscountRates{} << 20.0
                                 << "91.00|0.00|91.00|45.50|54.60|18.20|109.20";
    QTest::newRow("a rate of 0 between two others is skipped: 10, 0, 10 leave 81 %")
        << 100.0 << 1.0 << DiscountRates{10, 0, 10, 0} << 20.0
        << "100.00|19.00|81.00|81.00|97.20|16.20|97.20";
    QTest::newRow("negative rates are skipped")
        << 100.0 << 1.0 << DiscountRates{-10, 0, 0, 0} << 20.0
        << "100.00|0.00|100.00|100.00|120.00|20.00|120.00";
    QTest::newRow("a rate above 100 takes everything, never more")
        << 50.0 << 2.0 << DiscountRates{150, 0, 0, 0} << 20.0
        << "100.00|100.00|0.00|0.00|0.00|0.00|0.00";
    QTest::newRow("four rates cascade") << 200.0 << 1.0 << DiscountRates{20, 10, 5, 2} << 18.0
                                        << "200.00|65.94|134.06|134.06|158.19|24.13|158.19";
    QTest::newRow("net unit price is rounded before VAT and quantity")
        << 10.0 << 3.0 << DiscountRates{33.333, 0, 0, 0} << 20.0
        << "30.00|10.00|20.00|6.67|8.00|4.00|24.00";
    QTest::newRow("halves round away from zero")
        << 0.125 << 1.0 << DiscountRates{} << 0.0 << "0.13|0.00|0.13|0.13|0.13|0.00|0.13";
    QTest::newRow("quantity 0 costs nothing") << 100.0 << 0.0 << DiscountRates{10, 0, 0, 0} << 20.0
                                              << "0.00|0.00|0.00|0.00|0.00|0.00|0.00";
}

void TestOrdersPricing::shouldComputeLineAmountsLikeTheAddToBasketDialog()
{
    QFETCH(double, price);
    QFETCH(double, quantity);
    QFETCH(DiscountRates, rates);
    QFETCH(double, vat);
    QFETCH(QString, expected);
    QCOMPARE(Amounts(appserver::orders::ComputeLine(price, quantity, rates, vat)), expected);
}

void TestOrdersPricing::shouldKeepTheTotalsIdentities_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<DiscountRates>("rates");
    QTest::addColumn<double>("vat");
    // Prices whose gross and net round in different directions.
    QTest::newRow("odd price, 3 rates") << 12.345 << 7.0 << DiscountRates{7.5, 3.3, 1.1, 0} << 18.0;
    QTest::newRow("small price, many pieces")
        << 0.333 << 9999.0 << DiscountRates{12.5, 0, 0, 0} << 8.0;
    QTest::newRow("large price") << 98765.43 << 13.0 << DiscountRates{2.25, 2.25, 2.25, 2.25}
                                 << 20.0;
}

void TestOrdersPricing::shouldKeepTheTotalsIdentities()
{
    QFETCH(double, price);
    QFETCH(double, quantity);
    QFETCH(DiscountRates, rates);
    QFETCH(double, vat);
    const auto a = appserver::orders::ComputeLine(price, quantity, rates, vat);
    // The basket's Ara Toplam is Toplam − İndirim and its Genel Toplam Ara + Vergi: both must
    // land on the lines' own net and VAT-inclusive amounts to the cent.
    QCOMPARE(QString::number(a.tutar - a.indirimTutar, 'f', 2),
             QString::number(a.netTutar, 'f', 2));
    QCOMPARE(QString::number(a.netTutar + a.vergiTutari, 'f', 2),
             QString::number(a.kdvliTutar, 'f', 2));
}

void TestOrdersPricing::shouldWriteDiscountRatesAsText_data()
{
    QTest::addColumn<DiscountRates>("rates");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << DiscountRates{} << "0";
    QTest::newRow("two") << DiscountRates{10, 5, 0, 0} << "10+5";
    QTest::newRow("zeros between are left out") << DiscountRates{10, 0, 0, 2} << "10+2";
    QTest::newRow("decimal comma") << DiscountRates{12.5, 0, 0, 0} << "12,5";
    QTest::newRow("above 100 shows 100") << DiscountRates{120, 0, 0, 0} << "100";
}

void TestOrdersPricing::shouldWriteDiscountRatesAsText()
{
    QFETCH(DiscountRates, rates);
    QFETCH(QString, text);
    QCOMPARE(appserver::orders::DiscountText(rates), text);
}

void TestOrdersPricing::shouldPriceCampaignItemsAtTheirCampaignPriceWithoutFurtherDiscount_data()
{
    QTest::addColumn<double>("list");
    QTest::addColumn<double>("campaign");
    QTest::addColumn<bool>("flag");
    // campaign | price | rates | net | VAT-incl | text | percent
    QTest::addColumn<QString>("expected");
    QTest::newRow("campaign item")
        << 250.0 << 200.0 << true << "1|200.00|0+0+0+0|200.00|240.00|%20|20.00";
    QTest::newRow("flag without a campaign price sells at list less the rates")
        << 80.0 << 0.0 << true << "0|80.00|10+5+0+0|68.40|82.08|10+5|14.50";
    QTest::newRow("campaign price without the flag is not a campaign")
        << 80.0 << 60.0 << false << "0|80.00|10+5+0+0|68.40|82.08|10+5|14.50";
    QTest::newRow("campaign price above list")
        << 50.0 << 60.0 << true << "1|60.00|0+0+0+0|60.00|72.00|%0|0.00";
}

void TestOrdersPricing::shouldPriceCampaignItemsAtTheirCampaignPriceWithoutFurtherDiscount()
{
    QFETCH(double, list);
    QFETCH(double, campaign);
    QFETCH(bool, flag);
    QFETCH(QString, expected);
    const auto p =
        appserver::orders::PriceItem(list, campaign, flag, 20, DiscountRates{10, 5, 0, 0});
    QStringList rates;
    for (double r : p.rates)
        rates << QString::number(r);
    const QString actual =
        QStringList{QString::number(int(p.campaign)),       QString::number(p.fiyat, 'f', 2),
                    rates.join(QLatin1Char('+')),           QString::number(p.netFiyat, 'f', 2),
                    QString::number(p.kdvDahil, 'f', 2),    p.indirimYazi,
                    QString::number(p.indirimYuzde, 'f', 2)}
            .join(QLatin1Char('|'));
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(TestOrdersPricing)
#include "test_orders_pricing.moc"
