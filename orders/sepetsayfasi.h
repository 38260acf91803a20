#pragma once

#include "platform/columnlayout.h"

#include <QObject>
#include <memory>

class CariBakiyeUyari;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TSonucBilgisi;

namespace platform {
class Connection;
class DataSet;
class GridView;
} // namespace platform

// The basket page: the active customer's server-side basket, the "Seç" marks mirrored to the
// server line by line, deleting a line or the whole basket, the totals of the selected lines,
// the account warning, the Excel export.
class SepetSayfasi : public QObject
{
    Q_OBJECT

public:
    struct Parcalar
    {
        QTabWidget *sayfalar; // sPageControl1
        QWidget *sayfa;       // ssepet
        QLineEdit *araedit;   // focused again after "Hepsini Seç"
        platform::Connection *bagc;
        TSonucBilgisi *sbilgi;
    };
    explicit SepetSayfasi(Parcalar parcalar, QObject *parent = nullptr);
    ~SepetSayfasi() override;

    static platform::ColumnLayout Kolonlar();

    platform::GridView *cxGrid2;
    QMenu *PopupMenu1;
    QPushButton *Button4; // "Hepsini Seç"
    QPushButton *Button5; // "Seçimleri Kaldır"
    QLabel *lbluyarbakiye;
    QPlainTextEdit *aciklamagir;
    QLabel *aratoplaml;
    QLabel *Label4;
    QLabel *indiriml;
    QLabel *nettutarl;
    QLabel *Label6;
    QLabel *vergil;
    QLabel *geneltoplaml;
    QPushButton *Button1; // "Gönder"
    QPushButton *Button2; // "Excel Kaydet"

    platform::DataSet *sepet() const; // null before the first load

    void SepetYukle();
    void SepetToplamHesapla();
    bool SatirSecimGuncelle(int sirano, int secim);
    void Deitir1Click();
    void SatrSil1Click();
    void HepsiniSil1Click();
    void Button4Click() { HepsiniIsaretle(1); }
    void Button5Click() { HepsiniIsaretle(0); }
    void Button2Click();
    void ssepetShow();
    void cxGrid2Resize();
    void MusteriTipiKurallari(int musteriTipi);

signals:
    // Open this basket line in the stock detail dialog.
    void SatirAc(int sirano);
    // "Gönder": send the selected lines as an order.
    void Gonder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void HepsiniIsaretle(int value);
    void Isaretle(int row, int value);

    Parcalar m;
    std::unique_ptr<CariBakiyeUyari> m_uyari;
};
