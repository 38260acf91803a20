#pragma once

#include <QLocale>
#include <QString>

namespace platform {
class DataSet;
}

// The amounts of the basket's totals panel, over the lines whose SEC is 1. The basket tab
// writes them under its grid and the order confirmation quotes the grand total, so both take
// them from here.
struct SepetToplamlari
{
    double toplam = 0;  // sum of TUTAR
    double indirim = 0; // sum of INDIRIMTUTAR
    double vergi = 0;   // sum of VERGITUTARI
    double ara = 0;     // toplam - indirim
    double genel = 0;   // vergi + ara

    // The discount and VAT rows are shown only above one lira; a cent's rounding dust is
    // not worth a row.
    bool IndirimGorunur() const { return indirim > 1; }
    bool VergiGorunur() const { return vergi > 1; }
};

// Adds up the selected lines of a basket, rounding each running sum to cents after every
// addition so that the panel agrees with the server's order totals. A closed or empty basket
// gives zeros. The cursor is not moved.
SepetToplamlari SepetToplamHesapla(const platform::DataSet &sepet,
                                   const QLocale &locale = QLocale());

// An amount as the totals panel writes it ("#,###,##0.00").
QString TutarYazisi(double value, const QLocale &locale = QLocale());
