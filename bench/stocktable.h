#pragma once

#include "platform/dataset.h"

#include <QRandomGenerator>
#include <memory>
#include <string_view>

// The benchmarks' stock table: 45 columns shaped like a stock list (integers, prices, texts,
// dates), filled from a fixed seed so every run measures the same bytes.
namespace bench {

constexpr int kInts = 10, kFloats = 15, kStrings = 18, kDates = 2;

inline std::unique_ptr<platform::DataSet> MakeStockTable(int rows)
{
    auto ds = std::make_unique<platform::DataSet>();
    QRandomGenerator rng(42);
    const char *words[] = {"FREN",     "BALATASI", "ÖN",       "ARKA",   "AMORTİSÖR", "YAĞ",
                           "FİLTRESİ", "DEBRİYAJ", "SETİ",     "TAKIMI", "RULMAN",    "BUJİ",
                           "KAYIŞ",    "TRİGER",   "RADYATÖR", "HORTUMU"};
    for (int i = 0; i < kInts; ++i)
        ds->AddField(QStringLiteral("INT%1").arg(i), platform::FieldType::Integer);
    for (int i = 0; i < kFloats; ++i)
        ds->AddField(QStringLiteral("FLT%1").arg(i), platform::FieldType::Float)
            .SetDisplayFormat(QStringLiteral("#,###,##0.00"));
    for (int i = 0; i < kStrings; ++i)
        ds->AddField(QStringLiteral("STR%1").arg(i), platform::FieldType::String, 60);
    for (int i = 0; i < kDates; ++i)
        ds->AddField(QStringLiteral("DT%1").arg(i), platform::FieldType::DateTime);
    for (int r = 0; r < rows; ++r) {
        int c = 0;
        for (int i = 0; i < kInts; ++i)
            ds->Fields(c++).AppendInt(i < 2 ? rng.bounded(6) : rng.bounded(100000));
        for (int i = 0; i < kFloats; ++i)
            ds->Fields(c++).AppendDouble(rng.bounded(100000) / 100.0);
        for (int i = 0; i < kStrings; ++i) {
            QByteArray s = QByteArray(words[rng.bounded(16)]) + ' ' + words[rng.bounded(16)];
            if (i % 3 == 0)
                s += ' ' + QByteArray::number(rng.bounded(1000000));
            ds->Fields(c++).AppendUtf8(std::string_view(s.constData(), size_t(s.size())));
        }
        for (int i = 0; i < kDates; ++i)
            ds->Fields(c++).AppendDouble(45000 + rng.bounded(1000) + rng.bounded(86400) / 86400.0);
    }
    ds->Open();
    ds->EndAppend();
    return ds;
}

} // namespace bench
