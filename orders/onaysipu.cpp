#include "onaysipu.h"

#include "session/baglantiu.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont SabitAralikli()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter); // whatever stands in for it must be fixed pitch too
    font.setFixedPitch(true);
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

} // namespace

TONAYSIP::TONAYSIP(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setFixedSize(527, 444);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(SabitAralikli());
    // The note is the user's own text and the names come from the server: shown as typed.
    Label2->setTextFormat(Qt::PlainText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A long note is cut at the edge rather than widening a window of fixed size.
    Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);

    Label1 =
        new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont soru = Label1->font();
    soru.setPixelSize(20);
    soru.setBold(true);
    Label1->setFont(soru);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(SabitAralikli());
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    QPalette kirmizi = Label3->palette();
    kirmizi.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(kirmizi);

    Button1 = new QPushButton(QStringLiteral("Evet"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Hayır"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    auto *tuslar = new QHBoxLayout;
    tuslar->addWidget(Button1);
    tuslar->addStretch(1);
    tuslar->addWidget(Button2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2, 1);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    layout->addLayout(tuslar);
}

QString SiparisOzeti(const TSonucBilgisi &sbilgi, const QString &tutar, const QString &aciklama)
{
    return QStringLiteral("Kullanıcı: ") + sbilgi.ADI() + QStringLiteral("\r\n") +
           QStringLiteral("Cari     : ") + sbilgi.CariAdi() + QStringLiteral("\r\n") +
           QStringLiteral("Tutar    : ") + tutar + QStringLiteral("\r\n") +
           QStringLiteral("Açıklama : ") + aciklama;
}
