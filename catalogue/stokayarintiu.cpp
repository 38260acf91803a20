#include "stokayarintiu.h"

#include "orantiliresim.h"
#include "tutarhesabi.h"
#include "tutarkutusu.h"

#include "platform/deployment.h"
#include "platform/error.h"
#include "platform/pictures.h"
#include "session/beklesinu.h"
#include "session/utils.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>
#include <chrono>
#include <httplib.h>
#include <memory>

namespace {

QFont Tahoma(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// One GET on a worker. A failed request, an answer other than 200, a body under the size of
// a real picture or one that does not read as a picture give a null image.
QImage ResimIndir(const QString &adres)
{
    try {
        const QUrl url(adres);
        if (!url.isValid() || url.host().isEmpty())
            return {};
        httplib::Client client(url.host().toStdString(), url.port(80));
        client.set_connection_timeout(std::chrono::seconds(5));
        client.set_read_timeout(std::chrono::seconds(10));
        const auto answer = client.Get(url.path(QUrl::FullyEncoded).toStdString() + '?' +
                                       url.query(QUrl::FullyEncoded).toStdString());
        if (!answer || answer->status != 200 || answer->body.size() < size_t(kEnKucukResim))
            return {};
        return QImage::fromData(QByteArray::fromStdString(answer->body));
    } catch (...) {
        return {}; // a picture that cannot be had is simply not shown
    }
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setFixedSize(550, 631);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildTop());
    Image1 = new OrantiliResim(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->SetPicture(platform::pictures::Logo(QSize(227, 96)));
    layout->addWidget(Image1, 1);
    layout->addWidget(BuildBottom());

    connect(adet, &QSpinBox::valueChanged, this, &Tstokayarinti::adetChange);
    connect(ParcaliTus1, &QPushButton::clicked, this, &Tstokayarinti::ParcaliTus1Click);
    connect(ParcaliTus2, &QPushButton::clicked, this, &Tstokayarinti::ParcaliTus2Click);
    for (QWidget *box : {static_cast<QWidget *>(adet), static_cast<QWidget *>(birimfiyat),
                         static_cast<QWidget *>(indtutar), static_cast<QWidget *>(kdvdahiltutar),
                         static_cast<QWidget *>(geneltutar)})
        box->installEventFilter(this);
    adet->setFocus();
}

Tstokayarinti::~Tstokayarinti() = default;

QWidget *Tstokayarinti::BuildTop()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(Panel1);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(10);
    const auto pair = [&](int row, QLabel *&caption, const char *captionName, const QString &text,
                          QLabel *&value, const char *valueName) {
        caption = new QLabel(text, Panel1);
        caption->setObjectName(QLatin1String(captionName));
        caption->setFont(Tahoma(13, true));
        caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
        value = new QLabel(Panel1);
        value->setObjectName(QLatin1String(valueName));
        value->setFont(Tahoma(13));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
    };
    pair(0, sLabel1, "sLabel1", QStringLiteral("Barkod:"), barkod, "barkod");
    pair(1, sLabel2, "sLabel2", QStringLiteral("Açıklama:"), adi, "adi");
    pair(2, sLabel3, "sLabel3", QStringLiteral("Finish Kod:"), finishkod, "finishkod");
    pair(3, sLabel4, "sLabel4", QStringLiteral("Marka:"), marka, "marka");
    pair(4, sLabel5, "sLabel5", QStringLiteral("Model:"), model, "model");
    return Panel1;
}

QWidget *Tstokayarinti::BuildBottom()
{
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);
    Panel2->setFont(Tahoma(20));
    auto *grid = new QGridLayout(Panel2);
    grid->setColumnStretch(1, 1);

    const auto label = [&](const QString &text, const char *name) {
        auto *l = new QLabel(text, Panel2);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    const auto amount = [&](const char *name) {
        auto *box = new TutarKutusu(Panel2);
        box->setObjectName(QLatin1String(name));
        box->setFont(Tahoma(20));
        return box;
    };
    Label1 = label(QStringLiteral("Adet:"), "Label1");
    adet = new QSpinBox(Panel2);
    adet->setObjectName(QStringLiteral("adet"));
    adet->setFont(Tahoma(20));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setAlignment(Qt::AlignRight);
    Label2 = label(QStringLiteral("Fiyat:"), "Label2");
    birimfiyat = amount("birimfiyat");
    indirimoran = label(QStringLiteral("İndirim:"), "indirimoran");
    indtutar = amount("indtutar");
    Label3 = label(QStringLiteral("KDV Dahil:"), "Label3");
    kdvdahiltutar = amount("kdvdahiltutar");
    sLabel6 = label(QStringLiteral("Tutar:"), "sLabel6");
    geneltutar = amount("geneltutar");

    const QList<std::pair<QLabel *, QWidget *>> rows = {{Label1, adet},
                                                        {Label2, birimfiyat},
                                                        {indirimoran, indtutar},
                                                        {Label3, kdvdahiltutar},
                                                        {sLabel6, geneltutar}};
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }

    const auto button = [&](const QString &text, const char *name) {
        auto *b = new QPushButton(text, Panel2);
        b->setObjectName(QLatin1String(name));
        b->setFont(Tahoma(15, true));
        b->setMinimumSize(130, 60);
        // No default button: Enter confirms only from the quantity box.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    ParcaliTus1 = button(QStringLiteral("Sipariş ekle"), "ParcaliTus1");
    ParcaliTus2 = button(QStringLiteral("Vazgeç"), "ParcaliTus2");
    grid->addWidget(ParcaliTus1, 0, 2, 2, 1);
    grid->addWidget(ParcaliTus2, 3, 2, 2, 1);
    return Panel2;
}

void Tstokayarinti::TutarHesapla()
{
    const SatirTutarlari t =
        TutarlariHesapla(birimfiyat->Value(), adet->value(), {ind1, ind2, ind3, ind4}, kdvoran);
    indtutar->SetValue(t.indirim);
    kdvdahiltutar->SetValue(t.kdvDahil);
    geneltutar->SetValue(t.genel);
}

void Tstokayarinti::ResimGoster()
{
    // The lists that load the picture over the server give no stock number: nothing to ask.
    if (_stokno > 0)
        GosterYeni(_stokno);
}

void Tstokayarinti::GosterYeni(int stokno)
{
    const QString adres = ResimAdresi(stokno, Tip().gecerliip, platform::Deployment::Current());
    const quint64 sira = ++m_resimSirasi;
    auto resim = std::make_shared<QImage>();
    ArkaPlanda([adres, resim] {
        *resim = ResimIndir(adres);
    })->Await([dialog = QPointer<Tstokayarinti>(this), sira, resim] {
        // Closed (or gone) before the picture came: it is no longer wanted.
        if (!dialog || !dialog->isVisible() || sira != dialog->m_resimSirasi || resim->isNull())
            return;
        dialog->Image1->SetPicture(QPixmap::fromImage(*resim));
    });
}

int Tstokayarinti::Miktar() const
{
    const QString text = m_onaylananMiktar.value_or(adet->cleanText()).trimmed();
    bool ok = false;
    const int miktar = QLocale().toInt(text, &ok);
    if (!ok)
        throw platform::ConversionError(
            QStringLiteral("'%1' is not a valid integer value").arg(text));
    return miktar;
}

void Tstokayarinti::adetChange()
{
    TutarHesapla();
}

void Tstokayarinti::ParcaliTus1Click()
{
    // Hiding the dialog makes the spin box put its last good value back over what was typed.
    m_onaylananMiktar = adet->cleanText();
    accept();
}

void Tstokayarinti::ParcaliTus2Click()
{
    reject();
}

void Tstokayarinti::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool Tstokayarinti::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void Tstokayarinti::FormShow()
{
    TutarHesapla();
    adet->setFocus();
    ResimGoster();
}

void Tstokayarinti::FormActivate()
{
    TutarHesapla();
    adet->selectAll();
}

bool Tstokayarinti::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == adet)
            return adetKeyDown(key);
        if (watched == birimfiyat)
            return birimfiyatKeyDown(key);
    } else if (event->type() == QEvent::KeyRelease && watched != adet) {
        birimfiyatKeyUp();
    }
    return QDialog::eventFilter(watched, event);
}

bool Tstokayarinti::adetKeyDown(QKeyEvent *key)
{
    if (!IsEnter(key))
        return false;
    ParcaliTus1Click();
    return true;
}

bool Tstokayarinti::birimfiyatKeyDown(QKeyEvent *key)
{
    return IsEnter(key);
}

void Tstokayarinti::birimfiyatKeyUp()
{
    TutarHesapla();
}

QString ResimAdresi(int stokno, const QString &gecerliip, const platform::Deployment &deployment)
{
    const bool lan = !gecerliip.isEmpty() && gecerliip == deployment.serverLanAddress;
    const QString host = lan ? deployment.serverLanAddress : deployment.firmWebHost;
    return deployment.WebBase(host) + QStringLiteral("/resimgoster.ashx?id=") +
           QString::number(stokno);
}
