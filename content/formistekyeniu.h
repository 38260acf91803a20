#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;
class QWidget;

// The wholesaler's access-request page in a window: an embedded browser when this build has
// the web engine, otherwise the address, opened in the user's own browser.
class Tformistekyeni : public QDialog
{
    Q_OBJECT

public:
    explicit Tformistekyeni(QWidget *owner);
    void Navigate(const QUrl &url);
    QUrl Address() const { return m_url; }

    QWidget *sitem;
    QPushButton *Button1; // "Kapat"

private:
    QUrl m_url;
};
