#pragma once

#include "platform/columnlayout.h"

#include <QLocale>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QMenu;
class QTabWidget;
class QToolButton;
class QWidget;
class TSonucBilgisi;

namespace platform {
class BusyIndicator;
class Connection;
class DataSet;
class GridView;
} // namespace platform

// The stock list page and the search bar that fills it: Turkish letters folded as they are
// typed, at least three letters, the search on a worker with the box disabled as the one
// "search running" flag, the row count on the tab caption, the narrow/wide layout at 1152 px.
class StokListesi : public QObject
{
    Q_OBJECT

public:
    struct Parcalar
    {
        QWidget *anaPencere;  // the main window: its width picks the layout
        QTabWidget *sayfalar; // sPageControl1
        QWidget *sayfa;       // sstoklistesi
        QLineEdit *araedit;
        QToolButton *SpeedButton2; // "Ara"
        QToolButton *SpeedButton1; // "Temizle"
        platform::BusyIndicator *gifstokara;
        platform::Connection *bagc;
        TSonucBilgisi *sbilgi;
    };
    explicit StokListesi(Parcalar parcalar, QObject *parent = nullptr);

    static platform::ColumnLayout Kolonlar();
    // "ğ" → "g", "Ş" → "S", "ı" → "I" ...; other characters stay.
    static QString HarfCevir(const QString &typed);
    // The "Fiyat Bilgisi" cell's text for a row.
    static QString FiyatBilgisi(const platform::DataSet &data, int row,
                                const QLocale &locale = QLocale());

    platform::GridView *cxGrid1;
    QMenu *popstok;

    void SpeedButton2Click(); // "Ara"
    void SpeedButton1Click(); // "Temizle"
    void AramaBaslat();       // Enter in the search box
    // Entry points of other pages: search for a text; empty the list after a customer switch.
    void Ara(const QString &text);
    void Sifirla();
    void MusteriTipiKurallari(int musteriTipi);
    void cxGrid1Resize();
    bool Araniyor() const;

signals:
    // A double click or "Sepete Ekle" on a row: the stock detail dialog opens for it.
    void SatirAc(int sourceRow);
    // "Siparişleri Göster": the order movements of the row's item.
    void SiparisleriGoster(int stokno);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Baslik(const QString &caption);

    Parcalar m;
    int m_musteriTipi = 0;
};
