#include "tutarhesabi.h"

#include "platform/numberformat.h"

#include <algorithm>

SatirTutarlari TutarlariHesapla(double birimFiyat, double miktar,
                                const std::array<double, 4> &oranlar, double kdvOran,
                                const QLocale &locale)
{
    const double brut = birimFiyat * miktar;
    double x = brut;
    for (const double oran : oranlar) {
        // Above 100 the line would turn negative; the server caps a rate at 100 as well.
        if (oran > 0)
            x = x - x * std::min(oran, 100.0) / 100;
    }
    SatirTutarlari t;
    t.indirim = brut - x;
    t.netToplam = platform::RoundToCents(x, locale);
    t.netBirim = miktar == 0 ? 0.0 : platform::RoundToCents(t.netToplam / miktar, locale);
    t.kdvDahil = platform::RoundToCents(t.netBirim * (kdvOran / 100 + 1), locale);
    t.genel = platform::RoundToCents(t.kdvDahil * miktar, locale);
    return t;
}
