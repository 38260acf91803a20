#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

class OrantiliResim;
class QWidget;
class Tstokayarinti;
class TSonucBilgisi;

namespace platform {
class Connection;
class DataSet;
} // namespace platform

// The lists from which the stock detail dialog opens for a new basket line.
enum class KaynakListe {
    Stok,      // the stock list (`stok`)
    Yeniler,   // the new items (`YENILER`)
    Kampanyali // the campaign items (`kampstok`)
};

// What the openers read of a list row, taken when the dialog opens so that a list reloaded
// meanwhile cannot change what is sent.
struct ListeSatiri
{
    int stokno = 0; // STOK_STOKNO
    QString barkod, adi, marka, finishkod, model;
    double kdv = 0;
    double fiyat = 0;
    std::array<double, 4> ind{}; // IND1..IND4
    QString indirimyazi;
    int k = 0; // campaign flag

    // The current row of a stock, new-item or campaign list; raises platform::Error when a
    // column is missing.
    static ListeSatiri Oku(const platform::DataSet &liste);
};

// What the openers read of a basket row.
struct SepetSatiri
{
    int sirano = 0; // SIRANO, the line's key
    int stokno = 0; // STOKNO
    QString barkod, stokadi, marka, finishkod, model;
    double kdv = 0;
    double birimfiyat = 0;
    double miktar = 0;
    std::array<double, 4> ind{}; // INDIRIMORANI1..4
    QString indirimyazi;

    static SepetSatiri Oku(const platform::DataSet &sepet);
};

// Fills the dialog for a new line from a list row, as a user of `musteriTipi` sees it: only
// salespeople (types 1 and 2) may change the unit price, never of a campaign list item.
void YeniSatirDoldur(Tstokayarinti &dialog, KaynakListe kaynak, const ListeSatiri &satir,
                     int musteriTipi);
// Fills the dialog for changing a basket line.
void SepetSatiriDoldur(Tstokayarinti &dialog, const SepetSatiri &satir, int musteriTipi);

// The STOK_STOKNO of a list's focused row, given as its row in the dataset (what the grid
// reports); nothing for no row (-1) or a row the dataset does not have.
std::optional<int> OdakStokno(const platform::DataSet &liste, int satir);

// The basket line of an item: positions `sepet` on it and returns its SIRANO; nothing when
// the basket is closed or does not hold the item.
std::optional<int> SepettekiSatir(platform::DataSet *sepet, int stokno);

// Loads an item's picture over the server connection (ResimVer5) into `resim`; the picture is
// used only when every byte the server announced arrived. Opens `bagc` with its failure message
// and closes it again. An error of the call is shown in the plain message box.
void ResimYukle(int stokno, OrantiliResim *resim, platform::Connection &bagc);

// Opens the stock detail dialog from the main window's lists and basket and sends what the
// user confirmed: a new line, or the change of the line an item already has. Everything runs
// on the main thread; the dialog is modal. An error of a call is shown by the default error
// display.
class SepetSatirAcici
{
public:
    struct Baglam
    {
        QWidget *owner = nullptr;                   // the dialog is centred on it
        const TSonucBilgisi *sbilgi = nullptr;      // the live session record
        platform::Connection *bagc = nullptr;       // the main connection
        std::function<platform::DataSet *()> sepet; // the basket as loaded now, or null
        std::function<void()> SepetYukle;           // reloads the basket
    };

    explicit SepetSatirAcici(Baglam baglam);

    // A double click in a list (or "Sepete Ekle"): `odakStokno` is the focused row's
    // STOK_STOKNO, nothing without a focused row. Loads the basket when it is not open yet;
    // an item already in the basket opens its line, any other a new line.
    void ListeCiftTik(KaynakListe kaynak, platform::DataSet &liste, std::optional<int> odakStokno);
    // The dialog for a new line from the current row of `liste`; OK sends it.
    void YeniSatirAc(KaynakListe kaynak, const platform::DataSet &liste);
    // The dialog for the basket line `sirano`; OK sends the change and reloads the basket.
    void SepetSatiriAc(int sirano);

    // Sends a new line (SepetEkle2) and reloads the basket when the server took it. False when
    // the connection did not open or the server answered anything but 1.
    bool SatirEkle(const ListeSatiri &satir, double miktar, double fiyat);
    // Sends a changed line (SepetGuncelle2); the server's answer, nothing when the connection
    // did not open.
    std::optional<int> SatirGuncelle(const SepetSatiri &satir, double miktar, double fiyat);

private:
    int MusteriTipi() const;

    Baglam m_baglam;
};
