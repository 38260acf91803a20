#include "sepettoplam.h"

#include "platform/dataset.h"
#include "platform/numberformat.h"

SepetToplamlari SepetToplamHesapla(const platform::DataSet &sepet, const QLocale &locale)
{
    SepetToplamlari t;
    if (!sepet.Active() || sepet.RecordCount() == 0)
        return t;
    const platform::Field &sec = sepet.FieldByName(QStringLiteral("SEC"));
    const platform::Field &tutar = sepet.FieldByName(QStringLiteral("TUTAR"));
    const platform::Field &indirim = sepet.FieldByName(QStringLiteral("INDIRIMTUTAR"));
    const platform::Field &vergi = sepet.FieldByName(QStringLiteral("VERGITUTARI"));
    for (int row = 0; row < sepet.RecordCount(); ++row) {
        if (sec.IntAt(row) != 1)
            continue;
        t.toplam = platform::RoundToCents(t.toplam + tutar.FloatAt(row), locale);
        t.indirim = platform::RoundToCents(t.indirim + indirim.FloatAt(row), locale);
        t.vergi = platform::RoundToCents(t.vergi + vergi.FloatAt(row), locale);
    }
    t.ara = platform::RoundToCents(t.toplam - t.indirim, locale);
    t.genel = platform::RoundToCents(t.vergi + t.ara, locale);
    return t;
}

QString TutarYazisi(double value, const QLocale &locale)
{
    return platform::FormatFloat(QStringLiteral("#,###,##0.00"), value, locale);
}
