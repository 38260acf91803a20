#include "formistekyeniu.h"

#include "platform/shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifdef B2B_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

Tformistekyeni::Tformistekyeni(QWidget *owner) : QDialog(owner)
{
    resize(780, 555);
    auto *layout = new QVBoxLayout(this);
#ifdef B2B_HAVE_WEBENGINE
    sitem = new QWebEngineView(this);
#else
    auto *label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    sitem = label;
#endif
    layout->addWidget(sitem, 1);
    auto *panel = new QHBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    panel->addWidget(Button1);
    panel->addStretch(1);
    layout->addLayout(panel);
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);
}

void Tformistekyeni::Navigate(const QUrl &url)
{
    m_url = url;
#ifdef B2B_HAVE_WEBENGINE
    static_cast<QWebEngineView *>(sitem)->setUrl(url);
#else
    static_cast<QLabel *>(sitem)->setText(
        QStringLiteral("<p>İstek formu tarayıcınızda açıldı:</p><p><a href=\"%1\">%1</a></p>")
            .arg(url.toString().toHtmlEscaped()));
    platform::CurrentShell().OpenUrl(url);
#endif
}
