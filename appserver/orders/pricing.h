#pragma once

#include <QString>
#include <array>

namespace appserver::orders {

// The four discount rates in percent, applied one after the other.
using DiscountRates = std::array<double, 4>;

// Rounds an amount to cents, halves away from zero, as the amounts on the client's screens are
// rounded (the same result without going through a locale).
double Cents(double value);

// What is left of `amount` after the rates, each applied to what the previous ones left. A rate
// of 0 or below is skipped; a rate above 100 counts as 100, so no price turns negative.
double ApplyDiscounts(double amount, const DiscountRates &rates);

// The amounts of one basket or order line, each rounded to cents. They keep two identities the
// totals rely on: tutar − indirimTutar = netTutar and netTutar + vergiTutari = kdvliTutar.
struct LineAmounts
{
    double tutar = 0;              // unit price × quantity
    double indirimTutar = 0;       // what the discounts take off
    double netTutar = 0;           // after the discounts
    double netBirimFiyat = 0;      // net amount per unit
    double kdvDahilBirimFiyat = 0; // net unit price with VAT
    double vergiTutari = 0;        // VAT of the line
    double kdvliTutar = 0;         // what the line costs with VAT
};

// Computes a line the way the add-to-basket dialog shows it, so that the basket holds the figures
// the user confirmed: net total rounded, net unit price from it, VAT-inclusive unit price, and the
// line total as that unit price × quantity.
LineAmounts ComputeLine(double unitPrice, double quantity, const DiscountRates &rates,
                        double vatRate);

// The rates as display text: the ones above 0 joined by "+" ("10+5", "12,5+3"), "0" for none.
QString DiscountText(const DiscountRates &rates);

// The total discount of the rates in percent (10 and 5 give 14,5).
double TotalDiscountPercent(const DiscountRates &rates);

// An item's price for one customer: a campaign item sells at its campaign price without further
// discounts, every other item at its list price less the customer's rates.
struct ItemPrice
{
    bool campaign = false;
    double fiyat = 0;        // the unit price that goes into the basket
    DiscountRates rates{};   // the rates that apply to it
    double netFiyat = 0;     // unit price after the rates
    double kdvDahil = 0;     // net unit price with VAT
    QString indirimYazi;     // the discount as text: "10+5", or "%20" below list for a campaign
    double indirimYuzde = 0; // the discount in percent
};

ItemPrice PriceItem(double listPrice, double campaignPrice, bool campaignFlag, double vatRate,
                    const DiscountRates &customerRates);

// A campaign needs both the flag and a campaign price; a flag without a price sells at list.
inline bool IsCampaign(bool campaignFlag, double campaignPrice)
{
    return campaignFlag && campaignPrice > 0;
}

} // namespace appserver::orders
