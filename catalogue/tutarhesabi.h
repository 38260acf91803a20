#pragma once

#include <QLocale>
#include <array>

// The amounts of one basket line as the stock detail dialog shows them before the line is
// sent. The server prices the line itself the same way.
struct SatirTutarlari
{
    double indirim = 0;   // gross minus what the discounts left, not rounded
    double netToplam = 0; // what the discounts left, in cents
    double netBirim = 0;  // net unit price in cents; 0 for no quantity
    double kdvDahil = 0;  // VAT-inclusive unit price in cents
    double genel = 0;     // VAT-inclusive unit price times the quantity, in cents
};

// The four rates apply one after the other, each to what the previous ones left; a rate of 0
// or below is skipped and one above 100 counts as 100. Every rounding is the screen's
// rounding to cents (platform::RoundToCents) under `locale`.
SatirTutarlari TutarlariHesapla(double birimFiyat, double miktar,
                                const std::array<double, 4> &oranlar, double kdvOran,
                                const QLocale &locale = QLocale());
