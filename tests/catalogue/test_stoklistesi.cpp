#include "catalogue/stoklistesi.h"

#include "appserver/scriptedmethods.h"
#include "platform/busyindicator.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/gridview.h"
#include "platform/wirereply.h"
#include "session/baglantiu.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QJsonObject>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

// The stock list page against a scripted server.
class TestStokListesi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void foldsTurkishLettersAsTyped();
    void needsThreeSignificantLetters_data();
    void needsThreeSignificantLetters();
    void showsTheRowsAndCountsThemOnTheCaption();
    void emptiesTheListWhenTheSearchFails_data();
    void emptiesTheListWhenTheSearchFails();
    void writesThePriceSummary_data();
    void writesThePriceSummary();
    void switchesLayoutAt1152Pixels_data();
    void switchesLayoutAt1152Pixels();
    void hidesCampaignColumnsForTypeFour();

private:
    std::unique_ptr<platform::DataSet> Rows(bool withInd1, int count) const;
    void Search(const QString &text);

    std::unique_ptr<appserver::ScriptedMethods> m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    std::unique_ptr<QWidget> m_window;
    QTabWidget *m_pages = nullptr;
    QLineEdit *m_edit = nullptr;
    platform::Connection m_bagc;
    TSonucBilgisi m_bilgi;
    StokListesi *m_list = nullptr;
};

void TestStokListesi::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_methods = std::make_unique<appserver::ScriptedMethods>();
    m_server = std::make_unique<testsupport::TestServer>(*m_methods);
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_bagc = m_server->connection();
    m_window = std::make_unique<QWidget>();
    m_window->resize(1400, 700);
    m_pages = new QTabWidget(m_window.get());
    auto *other = new QWidget;
    auto *page = new QWidget;
    m_pages->addTab(page, QStringLiteral("Stok Listesi"));
    m_pages->addTab(other, QStringLiteral("Sepet"));
    m_pages->setCurrentWidget(other);
    m_edit = new QLineEdit(m_window.get());
    auto *ara = new QToolButton(m_window.get());
    auto *temizle = new QToolButton(m_window.get());
    auto *gif = new platform::BusyIndicator(m_window.get());
    m_list = new StokListesi(
        {m_window.get(), m_pages, page, m_edit, ara, temizle, gif, &m_bagc, &m_bilgi},
        m_window.get());
    m_window->show();
}

void TestStokListesi::cleanup()
{
    m_window.reset();
    m_shell.reset();
    m_server.reset();
    m_methods.reset();
}

std::unique_ptr<platform::DataSet> TestStokListesi::Rows(bool withInd1, int count) const
{
    QByteArray json =
        R"({"columns":[{"name":"STOK_STOKNO","type":"Integer"},{"name":"ADI","type":"String"},)"
        R"({"name":"LISTEFIYAT1","type":"Float"})";
    json += withInd1 ? R"(,{"name":"IND1","type":"Float"}],"rows":[)" : R"(],"rows":[)";
    for (int i = 0; i < count; ++i)
        json += (i ? "," : "") + QByteArray("[") + QByteArray::number(i + 1) + ",\"PARCA\",1234.5" +
                (withInd1 ? ",10]" : "]");
    return platform::DecodeTable(json + "]}");
}

void TestStokListesi::Search(const QString &text)
{
    m_edit->setText(text);
    QTest::keyClick(m_edit, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(m_edit->isEnabled(), 15000);
}

void TestStokListesi::foldsTurkishLettersAsTyped()
{
    for (const QChar c : QStringLiteral("şırınga"))
        QTest::sendKeyEvent(QTest::Press, m_edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(m_edit->text(), QStringLiteral("SIRINGA"));
    QCOMPARE(StokListesi::HarfCevir(QStringLiteral("ğüşöçĞÜŞİÖÇı")),
             QStringLiteral("gusocGUSIOCI"));
}

void TestStokListesi::needsThreeSignificantLetters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("sent");
    QTest::newRow("two letters") << "AB" << false;
    QTest::newRow("two letters in blanks") << "  AB  " << false;
    QTest::newRow("three after two blanks, sent as typed") << "  ABC" << true;
}

void TestStokListesi::needsThreeSignificantLetters()
{
    QFETCH(QString, text);
    QFETCH(bool, sent);
    m_methods->ReturnsTable("StokAraGetir", Rows(true, 1));
    Search(text);
    QCOMPARE(m_methods->CallCount("StokAraGetir"), sent ? 1 : 0);
    QCOMPARE(m_pages->currentIndex(), 0); // the list page comes to the front either way
    if (sent) {
        QCOMPARE(m_methods->LastCall("StokAraGetir")->String("kod"), text);
        QVERIFY((*m_shell)->messages.isEmpty());
    } else {
        QCOMPARE((*m_shell)->messages.size(), 1);
        QCOMPARE((*m_shell)->messages[0].text, QStringLiteral("Lütfen en az 3 harf giriniz !"));
        QCOMPARE((*m_shell)->messages[0].kind, 0);
    }
}

void TestStokListesi::showsTheRowsAndCountsThemOnTheCaption()
{
    m_bilgi.SetCARINO(77);
    m_methods->ReturnsTable("StokAraGetir", Rows(true, 25));
    Search(QStringLiteral("FREN"));
    QCOMPARE(m_pages->tabText(0), QStringLiteral("25=Stok Listesi"));
    QCOMPARE(m_list->cxGrid1->Data()->RecordCount(), 25);
    // Floats carry the list format once loaded.
    QCOMPARE(m_list->cxGrid1->Data()->FieldByName("LISTEFIYAT1").DisplayTextAt(0),
             QStringLiteral("1.234,50"));
    QCOMPARE(m_methods->LastCall("StokAraGetir")
                 ->Object("bilgi")
                 .toObject()
                 .value("fields")
                 .toObject()
                 .value("FCARINO")
                 .toInt(),
             77);

    m_methods->ReturnsTable("StokAraGetir", Rows(true, 0));
    Search(QStringLiteral("YOKBOYLE"));
    QCOMPARE(m_pages->tabText(0), QStringLiteral("0=Stok Listesi"));
}

void TestStokListesi::emptiesTheListWhenTheSearchFails_data()
{
    QTest::addColumn<bool>("serverError");
    QTest::newRow("answer without IND1") << false;
    QTest::newRow("server error") << true;
}

void TestStokListesi::emptiesTheListWhenTheSearchFails()
{
    QFETCH(bool, serverError);
    m_methods->ReturnsTable("StokAraGetir", Rows(true, 3));
    Search(QStringLiteral("FREN"));
    QCOMPARE(m_list->cxGrid1->Data()->RecordCount(), 3);
    if (serverError)
        m_methods->Raises("StokAraGetir", QStringLiteral("Arama yapılamadı"));
    else
        m_methods->ReturnsTable("StokAraGetir", Rows(false, 3));
    Search(QStringLiteral("BALATA"));
    QCOMPARE(m_list->cxGrid1->Data()->RecordCount(), 0);
    QCOMPARE(m_pages->tabText(0), QStringLiteral("Stok Listesi"));
    QCOMPARE((*m_shell)->messages.size(), 1);
    QCOMPARE((*m_shell)->messages[0].text,
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE((*m_shell)->messages[0].kind, 1);
}

void TestStokListesi::writesThePriceSummary_data()
{
    QTest::addColumn<double>("campaign");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no campaign: three lines")
        << 0.0 << "Liste Fiyatı: 1.234,50\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.200,00\r\n";
    QTest::newRow("campaign: four lines")
        << 12.5
        << "Liste Fiyatı: 1.234,50\r\nKampanyalı Fiyat: 12,50\r\nNetFiyat: 1.000,00\r\nKDV li "
           "Fiyat: 1.200,00\r\n";
}

void TestStokListesi::writesThePriceSummary()
{
    QFETCH(double, campaign);
    QFETCH(QString, expected);
    const auto rows = platform::DecodeTable(
        R"({"columns":[{"name":"LISTEFIYAT1","type":"Float"},{"name":"KAMPFIYAT","type":"Float"},)"
        R"({"name":"NETFIYAT","type":"Float"},{"name":"KDVDAHIL","type":"Float"}],"rows":[[1234.5,)" +
        QByteArray::number(campaign) + ",1000,1200]]}");
    QCOMPARE(StokListesi::FiyatBilgisi(*rows, 0, QLocale(QLocale::Turkish, QLocale::Turkey)),
             expected);
}

void TestStokListesi::switchesLayoutAt1152Pixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("narrow");
    QTest::newRow("1152 is narrow") << 1152 << true;
    QTest::newRow("1153 is wide") << 1153 << false;
}

void TestStokListesi::switchesLayoutAt1152Pixels()
{
    QFETCH(int, width);
    QFETCH(bool, narrow);
    m_window->resize(width, 700);
    m_list->cxGrid1Resize();
    QCOMPARE(m_list->cxGrid1->IsColumnVisible("FIYATBILGISI"), narrow);
    QCOMPARE(m_list->cxGrid1->IsColumnVisible("LISTEFIYAT1"), !narrow);
    QCOMPARE(m_list->cxGrid1->IsColumnVisible("NETFIYAT"), !narrow);
    QCOMPARE(m_list->cxGrid1->RowHeight(), narrow ? 100 : 40);
    if (narrow) {
        QCOMPARE(m_list->cxGrid1->ColumnWidth("FIYATBILGISI"), 150);
        QVERIFY(!m_list->cxGrid1->IsColumnVisible("KDVDAHIL"));
    }
}

void TestStokListesi::hidesCampaignColumnsForTypeFour()
{
    m_list->MusteriTipiKurallari(4);
    for (const char *field : {"KAMPFIYAT", "K"}) {
        QVERIFY(!m_list->cxGrid1->IsColumnVisible(field));
        QVERIFY(!m_list->cxGrid1->IsColumnOffered(field));
    }
    // A relayout to the wide form does not bring the campaign price back for this customer.
    m_window->resize(1400, 700);
    m_list->cxGrid1Resize();
    QVERIFY(!m_list->cxGrid1->IsColumnVisible("KAMPFIYAT"));
}

QTEST_MAIN(TestStokListesi)
#include "test_stoklistesi.moc"
