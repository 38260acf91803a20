#include "pricing.h"

#include "platform/numberformat.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace appserver::orders {
namespace {

// Rates are shown the way the wholesaler writes them: Turkish decimal comma, no trailing zeros.
QString RateText(double rate)
{
    static const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    return platform::FormatGeneral(platform::RoundHalfAwayFromZero(rate, 2), turkish);
}

} // namespace

double Cents(double value)
{
    return platform::RoundHalfAwayFromZero(value, 2);
}

double ApplyDiscounts(double amount, const DiscountRates &rates)
{
    double x = amount;
    for (const double rate : rates) {
        if (rate > 0)
            x -= x * std::min(rate, 100.0) / 100;
    }
    return x;
}

LineAmounts ComputeLine(double unitPrice, double quantity, const DiscountRates &rates,
                        double vatRate)
{
    LineAmounts a;
    const double gross = unitPrice * quantity;
    a.tutar = Cents(gross);
    a.netTutar = Cents(ApplyDiscounts(gross, rates));
    a.indirimTutar = Cents(a.tutar - a.netTutar);
    a.netBirimFiyat = quantity == 0 ? 0 : Cents(a.netTutar / quantity);
    a.kdvDahilBirimFiyat = Cents(a.netBirimFiyat * (vatRate / 100 + 1));
    a.kdvliTutar = Cents(a.kdvDahilBirimFiyat * quantity);
    a.vergiTutari = Cents(a.kdvliTutar - a.netTutar);
    return a;
}

QString DiscountText(const DiscountRates &rates)
{
    QStringList parts;
    for (const double rate : rates) {
        if (rate > 0)
            parts << RateText(std::min(rate, 100.0));
    }
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QLatin1Char('+'));
}

double TotalDiscountPercent(const DiscountRates &rates)
{
    return Cents(100 - ApplyDiscounts(100, rates));
}

ItemPrice PriceItem(double listPrice, double campaignPrice, bool campaignFlag, double vatRate,
                    const DiscountRates &customerRates)
{
    ItemPrice p;
    p.campaign = IsCampaign(campaignFlag, campaignPrice);
    if (p.campaign) {
        p.fiyat = campaignPrice;
        p.rates = {};
        p.indirimYuzde =
            listPrice > campaignPrice ? Cents((listPrice - campaignPrice) * 100 / listPrice) : 0;
        p.indirimYazi = QLatin1Char('%') + RateText(p.indirimYuzde);
    } else {
        p.fiyat = listPrice;
        p.rates = customerRates;
        p.indirimYuzde = TotalDiscountPercent(customerRates);
        p.indirimYazi = DiscountText(customerRates);
    }
    p.netFiyat = Cents(ApplyDiscounts(p.fiyat, p.rates));
    p.kdvDahil = Cents(p.netFiyat * (vatRate / 100 + 1));
    return p;
}

} // namespace appserver::orders
