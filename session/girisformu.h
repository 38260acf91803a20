#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TSonucBilgisi;

namespace platform {
class BusyIndicator;
class Connection;
} // namespace platform

// The sign-in dialog: finds the public address, chooses the server address, asks the server
// for this computer's account and compares the typed name and password with it.
class Tgirisform : public QDialog
{
    Q_OBJECT

public:
    explicit Tgirisform(QWidget *owner);
    ~Tgirisform() override;

    // Given by the opener: the main connection and the live session record.
    platform::Connection *bagim = nullptr;
    TSonucBilgisi *Bilgim = nullptr;
    QString idsi; // this computer's machine identifier

    // The customer choice of salespeople; until the picker is wired in it lets the sign-in
    // finish with the account the server gave. Returns whether a customer was chosen.
    std::function<bool(Tgirisform &)> cariSecici;

    QLabel *Image1;
    QCheckBox *benihatirla;
    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *adi;
    QLineEdit *sifre;
    QPushButton *Button1;
    QPushButton *Button2;
    platform::BusyIndicator *RxGIFAnimator1;
    QLabel *RxLabel1;

    static QString AyarDosyasi(); // ".../velkor/ayar.ini"
    void AyarOku();
    void AyarYaz();
    // The public address: the maker's echo page, then the public service, once a second,
    // until one answers (or the dialog goes).
    QString DisIpAl();
    void Devamet(const QString &publicAddress);
    bool GirisBilgisiAl();
    void SurumGuncelle();
    void IstekFormuAc(const QString &host);
    bool CariSecimi(); // false when no customer was chosen (the program then ends)

public slots:
    void Button1Click();
    void Button2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    std::shared_ptr<std::atomic<bool>> m_gone; // tells a running lookup that the dialog closed
};
