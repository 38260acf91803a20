#include "session/baglantiu.h"

#include "marshalfixture.h"

#include <QTest>

using namespace marshaltest;

namespace {

// What the server expects for a record just created: strings as "", never null.
const char FreshRecord[] =
    R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"","FSaticiMail":"",)"
    R"("FSirano":0,"FCariAdi":"","FSIFRE":"","FSaticiNo":0,"FCARINO":0,"FAKTIF":0,)"
    R"("FKullanicimail":"","FADI":"","FSaticiTelefon":"","Fcarikod":"","FVarmi":false,)"
    R"("FSaticiAdi":"","FBilgiSayarAdi":"","FDisip":"","FIcip":"","FBilgisayarKullanici":"",)"
    R"("FMusteriTipi":1,"FVersion":1}})";

std::unique_ptr<TSonucBilgisi> SignedInRecord()
{
    auto r = std::make_unique<TSonucBilgisi>();
    r->SetBILGISAYARID(QStringLiteral("BFEBFBFF000906EA"));
    r->SetSaticiMail(QStringLiteral("satis@dorvena.example"));
    r->SetSirano(42);
    r->SetCariAdi(QStringLiteral("Öztürk Oto Yedek Parça"));
    r->SetSIFRE(QStringLiteral("a\"b\\c"));
    r->SetSaticiNo(7);
    r->SetCARINO(1205);
    r->SetAKTIF(1);
    r->SetKullanicimail(QStringLiteral("ali@ozturkoto.example"));
    r->SetADI(QStringLiteral("ALİ"));
    r->SetSaticiTelefon(QStringLiteral("0212 555 01 02"));
    r->Setcarikod(QStringLiteral("120.05"));
    r->SetVarmi(true);
    r->SetSaticiAdi(QStringLiteral("Ayşe Kaya"));
    r->SetBilgiSayarAdi(QStringLiteral("MAGAZA-PC"));
    r->SetDisip(QStringLiteral("203.0.113.9"));
    r->SetIcip(QStringLiteral("192.168.1.20"));
    r->SetBilgisayarKullanici(QStringLiteral("magaza"));
    r->SetMusteriTipi(3);
    r->SetVersion(7);
    return r;
}

template <class T> QByteArray FieldsAfterKopyala(const T &source, int targetSeed)
{
    auto target = Filled<T>(targetSeed);
    target->Kopyala(source);
    return Compact(Plain(Written(*target)));
}

template <class T> void CopyRow(const char *name)
{
    const auto source = Filled<T>(1);
    QTest::newRow(name) << FieldsAfterKopyala(*source, 2) << Compact(Plain(Written(*source)));
}

template <class T> void RoundTripRow(const char *name, const T &object)
{
    QTest::newRow(name) << Compact(Written(*ThroughTheWire(object))) << Compact(Written(object));
}

} // namespace

class TestBaglantiu : public QObject
{
    Q_OBJECT

private slots:
    void shouldMarshalAsTheServerExpects_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("golden");

        QTest::newRow("fresh record")
            << platform::marshal::Writer().Text(TSonucBilgisi()) << QByteArray(FreshRecord);
        QTest::newRow("signed-in record")
            << platform::marshal::Writer().Text(*SignedInRecord())
            << QByteArray(
                   R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{)"
                   R"("FBILGISAYARID":"BFEBFBFF000906EA","FSaticiMail":"satis@dorvena.example",)"
                   R"("FSirano":42,"FCariAdi":"Öztürk Oto Yedek Parça",)"
                   // moc misreads a backslash in a raw string: this piece is an ordinary one
                   "\"FSIFRE\":\"a\\\"b\\\\c\","
                   R"("FSaticiNo":7,"FCARINO":1205,"FAKTIF":1,"FKullanicimail":"ali@ozturkoto.example",)"
                   R"("FADI":"ALİ","FSaticiTelefon":"0212 555 01 02","Fcarikod":"120.05","FVarmi":true,)"
                   R"("FSaticiAdi":"Ayşe Kaya","FBilgiSayarAdi":"MAGAZA-PC","FDisip":"203.0.113.9",)"
                   R"("FIcip":"192.168.1.20","FBilgisayarKullanici":"magaza","FMusteriTipi":3,)"
                   R"("FVersion":7}})");
        QTest::newRow("empty order footer")
            << platform::marshal::Writer().Text(TSiparisDipAyrinti())
            << QByteArray(
                   R"({"type":"baglantiu.TSiparisDipAyrinti","id":1,"fields":{)"
                   R"("FSizinMesaj":"","FDurumu":"","FVeren":"","FKargo":"","FBizimMesaj":"",)"
                   R"("FTeslimCinsi":"","FKargoCinsi":"","FSaticiNotu":""}})");
        QTest::newRow("zero counters")
            << platform::marshal::Writer().Text(TTusSonuclari())
            << QByteArray(
                   R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FAlindi":0,)"
                   R"("FOnaylandi":0,"FParcaliHazirlandi":0,"FSevkEdildi":0,"FHazirlandi":0,)"
                   R"("FGoruldu":0}})");
    }
    // The text itself: the server reads the fields in this order.
    void shouldMarshalAsTheServerExpects()
    {
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, golden);
        QCOMPARE(written, golden);
    }

    void shouldDeclareTheWireLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("expected");

        QTest::newRow("TSonucBilgisi")
            << Layout<TSonucBilgisi>()
            << QStringLiteral("FBILGISAYARID:string FSaticiMail:string FSirano:Integer "
                              "FCariAdi:string FSIFRE:string FSaticiNo:Integer FCARINO:Integer "
                              "FAKTIF:Integer FKullanicimail:string FADI:string "
                              "FSaticiTelefon:string Fcarikod:string FVarmi:Boolean "
                              "FSaticiAdi:string FBilgiSayarAdi:string FDisip:string FIcip:string "
                              "FBilgisayarKullanici:string FMusteriTipi:Integer FVersion:Integer");
        QTest::newRow("TSiparisDipAyrinti")
            << Layout<TSiparisDipAyrinti>()
            << QStringLiteral("FSizinMesaj:string FDurumu:string FVeren:string FKargo:string "
                              "FBizimMesaj:string FTeslimCinsi:string FKargoCinsi:string "
                              "FSaticiNotu:string");
        QTest::newRow("TTusSonuclari")
            << Layout<TTusSonuclari>()
            << QStringLiteral("FAlindi:Integer FOnaylandi:Integer FParcaliHazirlandi:Integer "
                              "FSevkEdildi:Integer FHazirlandi:Integer FGoruldu:Integer");
    }
    void shouldDeclareTheWireLayout()
    {
        QFETCH(QString, layout);
        QFETCH(QString, expected);
        QCOMPARE(layout, expected);
    }

    void shouldCopyEveryField_data()
    {
        QTest::addColumn<QByteArray>("copied");
        QTest::addColumn<QByteArray>("expected");

        CopyRow<TSonucBilgisi>("TSonucBilgisi");
        CopyRow<TSiparisDipAyrinti>("TSiparisDipAyrinti");
        CopyRow<TTusSonuclari>("TTusSonuclari");
        // Copying a fresh record over a used one gives the creation values, MusteriTipi and
        // Version 1 included.
        QTest::newRow("TSonucBilgisi from a fresh record")
            << FieldsAfterKopyala(TSonucBilgisi(), 2)
            << Compact(Plain(QJsonDocument::fromJson(FreshRecord).object()));
    }
    void shouldCopyEveryField()
    {
        QFETCH(QByteArray, copied);
        QFETCH(QByteArray, expected);
        QCOMPARE(copied, expected);
    }

    // A server call consumes its copy; the copy must share nothing with the live record.
    void shouldKeepCopyAndSourceIndependent()
    {
        const auto source = SignedInRecord();
        TSonucBilgisi copy;
        copy.Kopyala(*source);
        QCOMPARE(copy.ADI(), source->ADI());
        QCOMPARE(copy.CariAdi(), source->CariAdi());

        copy.SetCARINO(99);
        copy.SetCariAdi(QStringLiteral("Başka Cari"));
        copy.SetVarmi(false);

        QCOMPARE(Compact(Written(*source)), Compact(Written(*SignedInRecord())));
        QCOMPARE(source->CARINO(), 1205);
        QCOMPARE(copy.CARINO(), 99);
    }

    void shouldSurviveTheWire_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("sent");

        RoundTripRow("TSonucBilgisi filled", *Filled<TSonucBilgisi>(1));
        RoundTripRow("TSonucBilgisi fresh", TSonucBilgisi());
        RoundTripRow("TSiparisDipAyrinti", *Filled<TSiparisDipAyrinti>(1));
        RoundTripRow("TTusSonuclari", *Filled<TTusSonuclari>(1));
    }
    void shouldSurviveTheWire()
    {
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, sent);
        QCOMPARE(received, sent);
    }
};

QTEST_GUILESS_MAIN(TestBaglantiu)
#include "test_baglantiu.moc"
