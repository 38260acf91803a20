#pragma once

#include <QDialog>
#include <optional>

class OrantiliResim;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;
class QSpinBox;
class TutarKutusu;

namespace platform {
struct Deployment;
}

// The stock detail dialog through which an item goes into the basket or a basket line is
// changed: the item's code, name, finish code, brand, model and picture; the quantity, the unit
// price and the amounts that follow from them. The opener fills the fields, shows it modally
// with exec(), reads `adet` and `birimfiyat` after OK and frees it.
class Tstokayarinti : public QDialog
{
    Q_OBJECT

public:
    explicit Tstokayarinti(QWidget *owner);
    ~Tstokayarinti() override;

    // Set by the opener before showing.
    double kdvoran = 0; // VAT rate in percent
    double ind1 = 0;    // the discount rates in percent, applied in this order
    double ind2 = 0;
    double ind3 = 0;
    double ind4 = 0;
    int _stokno = 0; // whose picture the dialog fetches over HTTP; 0 fetches none

    QFrame *Panel1;
    QLabel *sLabel1;
    QLabel *barkod;
    QLabel *sLabel2;
    QLabel *adi;
    QLabel *sLabel3;
    QLabel *finishkod;
    QLabel *sLabel4;
    QLabel *marka;
    QLabel *sLabel5;
    QLabel *model;
    OrantiliResim *Image1;
    QFrame *Panel2;
    QLabel *Label1;
    QSpinBox *adet;
    QLabel *Label2;
    TutarKutusu *birimfiyat;
    QLabel *indirimoran;
    TutarKutusu *indtutar;
    QLabel *Label3;
    TutarKutusu *kdvdahiltutar;
    QLabel *sLabel6;
    TutarKutusu *geneltutar;
    QPushButton *ParcaliTus1;
    QPushButton *ParcaliTus2;

    // Recomputes the discount, VAT-inclusive unit price and line total boxes.
    void TutarHesapla();
    // Fetches the picture of `_stokno` in the background.
    void ResimGoster();
    // Fetches an item's picture over HTTP without blocking the window and shows it if it
    // arrives while the dialog is still open, is at least 1200 bytes and reads as a picture.
    void GosterYeni(int stokno);

    // The quantity box's text as a number (as it was when confirmed, once confirmed); raises
    // platform::ConversionError when it is not one.
    int Miktar() const;

public slots:
    void adetChange();
    void ParcaliTus1Click();
    void ParcaliTus2Click();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void FormActivate();
    bool adetKeyDown(QKeyEvent *key);       // true when the key is swallowed
    bool birimfiyatKeyDown(QKeyEvent *key); // true when the key is swallowed
    void birimfiyatKeyUp();
    QWidget *BuildTop();
    QWidget *BuildBottom();

    quint64 m_resimSirasi = 0;                // only the latest fetch may show its picture
    std::optional<QString> m_onaylananMiktar; // the quantity text as it was confirmed
};

// The address of an item's picture: the server's LAN address when the sign-in chose it
// (`gecerliip`), the firm's web host otherwise.
QString ResimAdresi(int stokno, const QString &gecerliip, const platform::Deployment &deployment);

// Pictures smaller than this are the web host's "no picture" answers.
inline constexpr int kEnKucukResim = 1200;
