#include "server/mobilstokunit.h"
#include "session/baglantiu.h"

#include "session/marshalfixture.h"

#include "platform/error.h"

#include <QTest>
#include <stdexcept>

using namespace marshaltest;
using platform::marshal::Owned;

namespace {

// Reads one result as class T and gives the field values that `expected` names, or
// "ConversionError" when the result is refused.
template <class T> QByteArray Received(const char *json, const char *expected)
{
    try {
        platform::marshal::Reader reader;
        const auto object = reader.Read<T>(QJsonDocument::fromJson(json).object());
        if (!object)
            return "no object";
        return Compact(Select(Plain(Written(*object)), QJsonDocument::fromJson(expected).object()));
    } catch (const platform::ConversionError &) {
        return "ConversionError";
    }
}

template <class T> void ReadRow(const char *name, const char *json, const char *expected)
{
    // Normalised, so that the pairs may be written in any order.
    const QJsonDocument pattern = QJsonDocument::fromJson(expected);
    QTest::newRow(name) << Received<T>(json, expected)
                        << (pattern.isObject() ? Compact(pattern.object()) : QByteArray(expected));
}

template <class T> void CopyRow(const char *name, QJsonObject expected)
{
    const auto source = Filled<T>(1);
    auto target = Filled<T>(2);
    target->Kopyala(*source);
    QTest::newRow(name) << Compact(Plain(Written(*target))) << Compact(expected);
}

template <class T> QJsonObject FilledFields(int seed)
{
    return Plain(Written(*Filled<T>(seed))).toObject();
}

template <class T> void RoundTripRow(const char *name)
{
    const auto sent = Filled<T>(1);
    QTest::newRow(name) << Compact(Written(*ThroughTheWire(*sent))) << Compact(Written(*sent));
}

std::unique_ptr<TAcilisEkran> Entry(qint32 siraNo)
{
    auto entry = std::make_unique<TAcilisEkran>();
    entry->SetSiraNo(siraNo);
    return entry;
}

} // namespace

class TestMobilStokUnit : public QObject
{
    Q_OBJECT

private slots:
    void shouldDeclareTheWireLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("expected");

        QTest::newRow("TMobilStok")
            << Layout<TMobilStok>()
            << QStringLiteral(
                   "FStokNo:Integer FResimVar:Integer FResim:string FYeni:Integer "
                   "FDepartman:string FVerilenSiparis:Double FAltGrup:string FDurum:Integer "
                   "FRenk:string FBirim:string FKDV:Double FAlinanSiparis:Double FIsk2:Double "
                   "FAnaGrup:string FKod:string FIsk3:Double FListeFiyati:Double FBeden:string "
                   "FNetFiyat:Double FIsk1:Double FKDVliFiyat:Double FIsk4:Double FOzelKod:string "
                   "FKampnayali:Integer FBarkod:string FIndirimOran:Double FKalan:Double "
                   "FUreticiKod:string FKampanyaliFiyat:Double FOemNo:string FBarkodNo:Integer "
                   "FPKod:string FDpKod:string FAdi:string FFiyat:Double");
        QTest::newRow("TMobilStoklar")
            << Layout<TMobilStoklar>()
            << QStringLiteral("FListHelper FItems:array<mobilstokunit.TMobilStok>");
        QTest::newRow("TMobilSepet")
            << Layout<TMobilSepet>()
            << QStringLiteral(
                   "FKARGOID:Integer FStokNo:Integer FTARIH:Double FSIRANO:Integer FCARIADI:string "
                   "FVERILISTARIHI:Double FDurum:Integer FMIKTAR:Double FVERENIDNO:Integer "
                   "FNETTUTAR:Double FKDVLITUTAR:Double FKDV:Double FAKTAR:Integer FSAAT:string "
                   "FVERGITUTARI:Double FPKod:string FMODEL:string FINDIRIMTUTAR:Double "
                   "FSTOK_STOKNO:Integer FBIRIMFIYAT:Double FSEC:Integer FOEM2:string FOEM3:string "
                   "FAnaGrup:string FMARKA:string FVEREN:string FSTOKADI:string FOEM1:string "
                   "FCARINO:Integer FVERENSIRANO:Integer FACIKLAMA:Integer FINDIRIMORANI2:Double "
                   "FOEM4:string FKUR:string FINDIRIMORANI3:Double FSIPARISNO:Integer FIDNO:Double "
                   "FOzelKod:string FDpKod:string FKURTL:Double FINDIRIMORANI1:Double "
                   "FDIGERADI:string FBarkod:string FTUTAR:Double FURETICIKODU:string "
                   "FKalan:Double FFINISHKOD:string FCARIKOD:string FNETBIRIMFIYAT:Double "
                   "FOemNo:string FTESLIMID:Integer FResimVar:Integer FResim:string");
        QTest::newRow("TMobilSepetler")
            << Layout<TMobilSepetler>()
            << QStringLiteral("FListHelper FItems:array<mobilstokunit.TMobilSepet>");
        QTest::newRow("TMobilCariBilgisi")
            << Layout<TMobilCariBilgisi>()
            << QStringLiteral(
                   "FBILGISAYARID:string FSEHIR:string FFAX1:string FSATICIMAIL:string "
                   "FSATICIADI:string FCARIADI:string FEMAIL:string FVERGIDAIRESI:string "
                   "FYETKILI:string FAltGrup:string FTEL2:string FSIFRE:string FGSM:string "
                   "FTEL1:string FADRES2:string FTLBORC:Double FTLALACAK:Double FADRES1:string "
                   "FULKE:string FAnaGrup:string FCARINO:Integer FTLBAKIYE:Double FVERGINO:string "
                   "FMAIL:string FOzelKod:string FKULLANICIADI:string FSATICITELEFON:string "
                   "FCARIKOD:string FFAX2:string FILCE:string");
        QTest::newRow("TAcilisEkran")
            << Layout<TAcilisEkran>()
            << QStringLiteral("FSiraNo:Integer FResim:string FBaslik:string FArama:string");
        QTest::newRow("TAcilisEkranlar")
            << Layout<TAcilisEkranlar>()
            << QStringLiteral("FListHelper FItems:array<mobilstokunit.TAcilisEkran>");
        QTest::newRow("TAcilisEkranlariki")
            << Layout<TAcilisEkranlariki>()
            << QStringLiteral("FEkranlar:array<mobilstokunit.TAcilisEkran>");
    }
    void shouldDeclareTheWireLayout()
    {
        QFETCH(QString, layout);
        QFETCH(QString, expected);
        QCOMPARE(layout, expected);
    }

    void shouldCopyFields_data()
    {
        QTest::addColumn<QByteArray>("copied");
        QTest::addColumn<QByteArray>("expected");

        QJsonObject stok = FilledFields<TMobilStok>(1);
        const QJsonObject target = FilledFields<TMobilStok>(2);
        stok.insert(QStringLiteral("FPKod"), target.value(QStringLiteral("FPKod")));
        stok.insert(QStringLiteral("FDpKod"), target.value(QStringLiteral("FDpKod")));
        CopyRow<TMobilStok>("TMobilStok keeps its own PKod and DpKod", stok);
        CopyRow<TMobilSepet>("TMobilSepet", FilledFields<TMobilSepet>(1));
        CopyRow<TMobilCariBilgisi>("TMobilCariBilgisi", FilledFields<TMobilCariBilgisi>(1));
    }
    void shouldCopyFields()
    {
        QFETCH(QByteArray, copied);
        QFETCH(QByteArray, expected);
        QCOMPARE(copied, expected);
    }

    void shouldReadTheWireForm_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("expected");

        // Missing pairs and nulls
        ReadRow<TMobilStok>("missing pairs keep the defaults",
                            R"({"type":"mobilstokunit.TMobilStok","id":1,"fields":{"FStokNo":7,)"
                            R"("FKod":"FR-100"}})",
                            R"({"FStokNo":7,"FKod":"FR-100","FBirim":"ADET","FKDV":18,"FAdi":"",)"
                            R"("FFiyat":0})");
        ReadRow<TMobilStok>("null gives the empty value, not the default",
                            R"({"type":"mobilstokunit.TMobilStok","id":1,"fields":{"FStokNo":null,)"
                            R"("FBirim":null,"FKDV":null}})",
                            R"({"FStokNo":0,"FBirim":"","FKDV":0})");
        ReadRow<TSonucBilgisi>(
            "null on a Boolean and on a defaulted Integer",
            R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":null,)"
            R"("FMusteriTipi":null,"FADI":null}})",
            R"({"FVarmi":false,"FMusteriTipi":0,"FADI":"","FVersion":1})");

        // Keys and conversions
        ReadRow<TMobilCariBilgisi>("a key naming no field fails the result",
                                   R"({"type":"mobilstokunit.TMobilCariBilgisi","id":1,"fields":{)"
                                   R"("FCARINO":5,"FSEMT":"Kadıköy"}})",
                                   "ConversionError");
        ReadRow<TMobilCariBilgisi>("a key differing only in case fails the result",
                                   R"({"type":"mobilstokunit.TMobilCariBilgisi","id":1,"fields":{)"
                                   R"("FCariNo":5}})",
                                   "ConversionError");
        ReadRow<TMobilSepet>("note as numeric text converts",
                             R"({"type":"mobilstokunit.TMobilSepet","id":1,"fields":{)"
                             R"("FACIKLAMA":"12"}})",
                             R"({"FACIKLAMA":12})");
        ReadRow<TMobilSepet>("note as other text fails",
                             R"({"type":"mobilstokunit.TMobilSepet","id":1,"fields":{)"
                             R"("FACIKLAMA":"acil gönderilsin"}})",
                             "ConversionError");
        ReadRow<TMobilSepet>("note as a fraction fails",
                             R"({"type":"mobilstokunit.TMobilSepet","id":1,"fields":{)"
                             R"("FACIKLAMA":1.5}})",
                             "ConversionError");
        ReadRow<TMobilSepet>("record id and dates keep their fractions",
                             R"({"type":"mobilstokunit.TMobilSepet","id":1,"fields":{)"
                             R"("FIDNO":123456.5,"FTARIH":45292.75,"FVERILISTARIHI":"45293.5"}})",
                             R"({"FIDNO":123456.5,"FTARIH":45292.75,"FVERILISTARIHI":45293.5})");
        ReadRow<TTusSonuclari>("an Integer beyond 32 bits fails",
                               R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{)"
                               R"("FAlindi":2147483648}})",
                               "ConversionError");

        // Types and references
        ReadRow<TMobilStok>("another class fails",
                            R"({"type":"mobilstokunit.TMobilSepet","id":1,"fields":{}})",
                            "ConversionError");
        ReadRow<TMobilStok>("no type fails", R"({"id":1,"fields":{"FStokNo":7}})",
                            "ConversionError");
        ReadRow<TAcilisEkranlariki>(
            "a ref repeats an earlier object",
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)"
            R"({"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":3,)"
            R"("FResim":"FFD8","FBaslik":"Fren Kampanyası","FArama":"balata"}},)"
            R"({"type":"mobilstokunit.TAcilisEkran","ref":2}]}})",
            R"({"FEkranlar":[{"FSiraNo":3,"FResim":"FFD8","FBaslik":"Fren Kampanyası",)"
            R"("FArama":"balata"},{"FSiraNo":3,"FResim":"FFD8","FBaslik":"Fren Kampanyası",)"
            R"("FArama":"balata"}]})");
        ReadRow<TAcilisEkranlariki>(
            "a ref to an unknown id fails",
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)"
            R"({"type":"mobilstokunit.TAcilisEkran","ref":5}]}})",
            "ConversionError");
        ReadRow<TAcilisEkranlariki>(
            "a ref to an object of another class fails",
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)"
            R"({"type":"mobilstokunit.TAcilisEkran","ref":1}]}})",
            "ConversionError");
        ReadRow<TAcilisEkranlariki>(
            "an element of another class fails",
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[)"
            R"({"type":"mobilstokunit.TMobilStok","id":2,"fields":{}}]}})",
            "ConversionError");

        // Lists and arrays
        ReadRow<TMobilStoklar>(
            "the list encoding gives its items in order",
            R"({"type":"mobilstokunit.TMobilStoklar","id":1,"fields":{"FListHelper":[2],"FItems":[)"
            R"({"type":"mobilstokunit.TMobilStok","id":2,"fields":{"FStokNo":1}},)"
            R"({"type":"mobilstokunit.TMobilStok","id":3,"fields":{"FStokNo":2,"FBirim":"KUTU"}}]}})",
            R"({"FItems":[{"FStokNo":1,"FBirim":"ADET"},{"FStokNo":2,"FBirim":"KUTU"}]})");
        ReadRow<TMobilSepetler>(
            "a null item stays a null item",
            R"({"type":"mobilstokunit.TMobilSepetler","id":1,"fields":{"FListHelper":[1],)"
            R"("FItems":[null]}})",
            R"({"FItems":[null]})");
        ReadRow<TAcilisEkranlariki>(
            "null entries give an empty array",
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":null}})",
            R"({"FEkranlar":[]})");
        ReadRow<TAcilisEkranlariki>(
            "no entries give an empty array",
            R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[]}})",
            R"({"FEkranlar":[]})");
    }
    void shouldReadTheWireForm()
    {
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, expected);
        QCOMPARE(received, expected);
    }

    void shouldSurviveTheWire_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("sent");

        RoundTripRow<TMobilStok>("TMobilStok");
        RoundTripRow<TMobilStoklar>("TMobilStoklar");
        RoundTripRow<TMobilSepet>("TMobilSepet");
        RoundTripRow<TMobilSepetler>("TMobilSepetler");
        RoundTripRow<TMobilCariBilgisi>("TMobilCariBilgisi");
        RoundTripRow<TAcilisEkran>("TAcilisEkran");
        RoundTripRow<TAcilisEkranlar>("TAcilisEkranlar");
        RoundTripRow<TAcilisEkranlariki>("TAcilisEkranlariki");
    }
    void shouldSurviveTheWire()
    {
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, sent);
        QCOMPARE(received, sent);
    }

    void shouldIndexOwnedItemsInOrder()
    {
        TMobilStoklar list;
        auto first = std::make_unique<TMobilStok>();
        const TMobilStok *firstItem = first.get();
        list.Add(std::move(first));
        list.Add(std::make_unique<TMobilStok>());

        QCOMPARE(list.Count(), 2);
        QCOMPARE(list.At(0), firstItem);
        QVERIFY(list.At(1) != firstItem);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.At(2));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.At(-1));
    }

    // The old entries go with the old array; the leak checker of the sanitizer build would
    // report any that stayed behind.
    void shouldReplaceTheWholeEntryArray()
    {
        TAcilisEkranlariki holder;
        Owned<TAcilisEkran> first;
        first.push_back(Entry(1));
        first.push_back(Entry(2));
        holder.SetEkranlar(std::move(first));
        Owned<TAcilisEkran> second;
        second.push_back(Entry(9));
        holder.SetEkranlar(std::move(second));

        QCOMPARE(holder.Ekranlar().size(), std::size_t(1));
        QCOMPARE(holder.Ekranlar().front()->SiraNo(), 9);
    }

    void shouldDecodeHexPictureText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fails");

        QTest::newRow("empty") << QString() << QByteArray() << false;
        QTest::newRow("pairs") << QStringLiteral("FFD8FFE0") << QByteArray("\xFF\xD8\xFF\xE0")
                               << false;
        QTest::newRow("lower case") << QStringLiteral("0aff") << QByteArray("\x0A\xFF") << false;
        QTest::newRow("mixed case in a pair")
            << QStringLiteral("aB") << QByteArray("\xAB") << false;
        QTest::newRow("zero bytes kept")
            << QStringLiteral("000100") << QByteArray("\x00\x01\x00", 3) << false;
        QTest::newRow("odd last digit read alone")
            << QStringLiteral("ABC") << QByteArray("\xAB\x0C") << false;
        QTest::newRow("single digit") << QStringLiteral("7") << QByteArray("\x07") << false;
        QTest::newRow("letter beyond F") << QStringLiteral("0G") << QByteArray() << true;
        QTest::newRow("non-hex last digit") << QStringLiteral("AAZ") << QByteArray() << true;
        QTest::newRow("blank inside") << QStringLiteral("A B0") << QByteArray() << true;
        QTest::newRow("sign") << QStringLiteral("+1") << QByteArray() << true;
        QTest::newRow("digits of another script") << QStringLiteral("٣٣") << QByteArray() << true;
    }
    void shouldDecodeHexPictureText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fails);
        if (fails)
            QVERIFY_THROWS_EXCEPTION(platform::ConversionError, HexCoz(text));
        else
            QCOMPARE(HexCoz(text), bytes);
    }
};

QTEST_GUILESS_MAIN(TestMobilStokUnit)
#include "test_mobilstokunit.moc"
