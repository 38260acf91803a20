#include "caribakiyeuyari.h"

#include "platform/connection.h"
#include "platform/error.h"
#include "server/proxim.h"
#include "session/beklesinu.h"
#include "session/utils.h"

#include <QLabel>

CariBakiyeUyari::CariBakiyeUyari(QLabel *lbluyarbakiye) : m_label(lbluyarbakiye)
{
    // The text comes from the server: never let it be read as markup.
    if (m_label)
        m_label->setTextFormat(Qt::PlainText);
}

void CariBakiyeUyari::CariBakiyeUyariBak(const platform::Connection &bagc, int carino)
{
    if (m_label)
        m_label->clear();
    const quint64 bakis = ++*m_sonBakis;
    auto copy = std::make_shared<platform::Connection>(bagc);
    auto metin = std::make_shared<std::optional<QString>>();
    ArkaPlanda([copy, metin, carino] {
        *metin = CariVadeUyarisiAl(*copy, carino);
    })->Await([label = m_label, sonBakis = m_sonBakis, bakis, metin] {
        if (!label || *sonBakis != bakis || !metin->has_value())
            return;
        label->setText(**metin);
    });
}

QString CariBakiyeUyari::Metin() const
{
    return m_label ? m_label->text() : QString();
}

std::optional<QString> CariVadeUyarisiAl(platform::Connection &baglanti, int carino)
{
    if (!BaglantiAc(baglanti, 0))
        return std::nullopt;
    QString metin;
    try {
        TServerMethods1Client proxy(&baglanti);
        metin = proxy.CariVadeGunGecmismiBul(carino);
    } catch (const platform::Error &) {
        metin.clear(); // no warning rather than a message: the basket works without it
    }
    baglanti.Close();
    return metin;
}
