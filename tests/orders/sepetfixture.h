#pragma once

#include "platform/dataset.h"

#include <QStringList>
#include <memory>

namespace testsupport {

// A basket as the server sends it, reduced to the columns the totals and the send read:
// one line per entry of `satirlar`, each "SEC TUTAR INDIRIMTUTAR VERGITUTARI" with "-" for
// an empty value, e.g. {"1 100 10 18", "0 50 0 9", "- 3 0 0"}.
inline std::unique_ptr<platform::DataSet> Sepet(const QStringList &satirlar)
{
    auto sepet = std::make_unique<platform::DataSet>();
    platform::Field &sec = sepet->AddField(QStringLiteral("SEC"), platform::FieldType::Integer);
    platform::Field *tutarlar[] = {
        &sepet->AddField(QStringLiteral("TUTAR"), platform::FieldType::Float),
        &sepet->AddField(QStringLiteral("INDIRIMTUTAR"), platform::FieldType::Float),
        &sepet->AddField(QStringLiteral("VERGITUTARI"), platform::FieldType::Float)};
    for (const QString &satir : satirlar) {
        const QStringList v = satir.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Q_ASSERT(v.size() == 4);
        if (v[0] == QLatin1String("-"))
            sec.AppendNull();
        else
            sec.AppendInt(v[0].toLongLong());
        for (int i = 0; i < 3; ++i) {
            if (v[i + 1] == QLatin1String("-"))
                tutarlar[i]->AppendNull();
            else
                tutarlar[i]->AppendDouble(v[i + 1].toDouble());
        }
    }
    sepet->EndAppend();
    sepet->Open();
    return sepet;
}

} // namespace testsupport
