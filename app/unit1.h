#pragma once

#include <QMainWindow>
#include <memory>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class QAction;
class TSonucBilgisi;
class StokListesi;
class SepetSayfasi;
class SepetSatirAcici;

namespace platform {
class BusyIndicator;
class Connection;
} // namespace platform

// The main window: signs the user in before it is ever shown, keeps the session record and
// the main connection for the whole run, and carries the tab pages of the features.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    // The start-up sequence: identity, connection, sign-in, customer-type rules, start-up
    // work. Returns false when the program is to end (the Shell has been asked to).
    bool FormCreate();
    bool GirisKontrol();
    void MusteriTipiKurallari();
    void AnaBilgiAl();
    void BaslangicIsleri();

    std::unique_ptr<TSonucBilgisi> sbilgi;
    std::unique_ptr<platform::Connection> bagc;
    int _acilisadet = 0;

    // Header.
    QLabel *Image1;
    QLabel *kullanicilbl;
    QLabel *cariadilbl;
    QLabel *saticilbl;
    QToolButton *Button3;
    QLabel *RxGIFAnimator1;
    // Search bar.
    QLineEdit *araedit;
    QToolButton *SpeedButton2;
    QToolButton *SpeedButton1;
    QPushButton *musteritus;
    platform::BusyIndicator *gifstokara;
    platform::BusyIndicator *gifyeniler;
    platform::BusyIndicator *gifkampanyali;
    platform::BusyIndicator *gifduyuru;
    platform::BusyIndicator *gifekstre;
    platform::BusyIndicator *gifoncekiler;
    QLabel *RxGIFAnimator2;
    // Pages.
    QTabWidget *sPageControl1;
    QWidget *sstoklistesi;
    QWidget *ssepet;
    QWidget *sonceki;
    QWidget *sccariekstre;
    QWidget *syeniler;
    QWidget *skampanyali;
    QWidget *sTabSheetduyuru;
    QWidget *sTabbakiyeler;
    QWidget *ss;
    // Bottom.
    QLabel *kayanyazi;
    // The pages' own parts.
    StokListesi *stokListesi;
    SepetSayfasi *sepetSayfasi;
    std::unique_ptr<SepetSatirAcici> satirAcici; // the stock detail dialog's openers
    // General menu.
    QMenu *Genelmenu;
    QAction *M1;
    QAction *N4;
    QAction *websitesi1;
    QAction *G1;
    QAction *R1;

    // A tab page's visibility, by the page (a hidden page keeps its place in the order).
    void SayfaGoster(QWidget *page, bool visible);
    bool SayfaGorunur(QWidget *page) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildHeader(QWidget *parent);
    void BuildSearchBar(QWidget *parent);
    void BuildPages(QWidget *parent);
    void BuildLegend(QWidget *parent);
    void BuildMenu();

    struct PageSlot
    {
        QWidget *page;
        QString caption;
        int order;
    };
    std::vector<PageSlot> m_pages;
};
