#include "orders/sepetsayfasi.h"

#include "orders/sepettoplam.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/gridview.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "support/demoserver.h"
#include "support/recordingshell.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

// The basket page against the real server, as the demo dealer.
class TestSepetSayfasi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadsTheBasketWithItsCaptionAndTotals();
    void togglesTheMarkOnlyInTheSelectColumn();
    void deletesALineOnlyWhenConfirmed();
    void emptiesTheWholeBasketAndThenAsksNothing();

private:
    int Focus(int row, const QString &field); // focuses a cell; returns the line's SIRANO
    int ServerMark(int sirano);

    std::unique_ptr<testsupport::DemoServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    std::unique_ptr<QWidget> m_window;
    QTabWidget *m_pages = nullptr;
    platform::Connection m_bagc;
    TSonucBilgisi m_bilgi;
    SepetSayfasi *m_page = nullptr;
};

void TestSepetSayfasi::initTestCase()
{
    m_server = std::make_unique<testsupport::DemoServer>(200);
}

void TestSepetSayfasi::init()
{
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_bagc = m_server->connection();
    {
        platform::Connection c = m_server->connection();
        c.Open();
        TServerMethods1Client proxy(&c);
        m_bilgi.Kopyala(*proxy.BuyukGetir("DEMO-PC-0000"));
    }
    m_window = std::make_unique<QWidget>();
    m_pages = new QTabWidget(m_window.get());
    auto *page = new QWidget;
    m_pages->addTab(page, QStringLiteral("Sepet"));
    auto *edit = new QLineEdit(m_window.get());
    m_page = new SepetSayfasi({m_pages, page, edit, &m_bagc, &m_bilgi}, m_window.get());
    m_window->resize(1300, 700);
    m_window->show();
    m_page->SepetYukle();
}

void TestSepetSayfasi::cleanup()
{
    m_window.reset();
    m_shell.reset();
}

int TestSepetSayfasi::Focus(int row, const QString &field)
{
    QTableView &table = m_page->cxGrid2->Table();
    int column = 0;
    for (; column < table.model()->columnCount(); ++column)
        if (table.model()->headerData(column, Qt::Horizontal).toString() == field)
            break;
    table.setCurrentIndex(table.model()->index(row, column));
    return int(m_page->sepet()->FieldByName("SIRANO").IntAt(m_page->cxGrid2->FocusedSourceRow()));
}

int TestSepetSayfasi::ServerMark(int sirano)
{
    platform::Connection c = m_server->connection();
    c.Open();
    TServerMethods1Client proxy(&c);
    platform::DataSet *rows = proxy.SepetVer2(m_bilgi.CARINO());
    return rows->Locate("SIRANO", sirano) ? rows->FieldByName("SEC").AsInteger() : -1;
}

void TestSepetSayfasi::loadsTheBasketWithItsCaptionAndTotals()
{
    platform::DataSet *sepet = m_page->sepet();
    QVERIFY(sepet);
    QVERIFY(sepet->RecordCount() > 0);
    QCOMPARE(m_pages->tabText(0), QString::number(sepet->RecordCount()) + QStringLiteral("=Sepet"));
    const SepetToplamlari t = SepetToplamHesapla(*sepet);
    QCOMPARE(m_page->geneltoplaml->text(), TutarYazisi(t.genel));
    QCOMPARE(m_page->indiriml->isVisibleTo(m_window.get()), t.indirim > 1);
}

void TestSepetSayfasi::togglesTheMarkOnlyInTheSelectColumn()
{
    const int sirano = Focus(0, QStringLiteral("Seç"));
    const int before =
        m_page->sepet()->FieldByName("SEC").IntAt(m_page->cxGrid2->FocusedSourceRow());
    m_page->Deitir1Click();
    const int after =
        m_page->sepet()->FieldByName("SEC").IntAt(m_page->cxGrid2->FocusedSourceRow());
    QCOMPARE(after, before == 0 ? 1 : 0);
    QCOMPARE(ServerMark(sirano), after); // mirrored at once

    // Any other cell opens the line instead of toggling.
    int opened = -1;
    connect(m_page, &SepetSayfasi::SatirAc, this, [&](int s) { opened = s; });
    Focus(0, QStringLiteral("Barkod"));
    m_page->Deitir1Click();
    QCOMPARE(opened, sirano);
    QCOMPARE(ServerMark(sirano), after);
}

void TestSepetSayfasi::deletesALineOnlyWhenConfirmed()
{
    const int count = m_page->sepet()->RecordCount();
    Focus(0, QStringLiteral("Barkod"));
    (*m_shell)->answers.push_back(platform::ResultNo);
    m_page->SatrSil1Click();
    QCOMPARE(m_page->sepet()->RecordCount(), count);
    QCOMPARE((*m_shell)->messages[0].text, QStringLiteral("Satırı silmek istiyor musunuz "));
    QCOMPARE((*m_shell)->messages[0].focused, platform::DialogButton::No);

    (*m_shell)->answers.push_back(platform::ResultYes);
    m_page->SatrSil1Click();
    QCOMPARE(m_page->sepet()->RecordCount(), count - 1);
    QCOMPARE((*m_shell)->messages.last().text, QStringLiteral("Satır silindi !"));
}

void TestSepetSayfasi::emptiesTheWholeBasketAndThenAsksNothing()
{
    (*m_shell)->answers.push_back(platform::ResultYes);
    m_page->HepsiniSil1Click();
    QCOMPARE((*m_shell)->messages[0].text, QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "));
    QCOMPARE((*m_shell)->messages[1].text, QStringLiteral("Sepet Silindi !"));
    QCOMPARE(m_page->sepet()->RecordCount(), 0);
    QCOMPARE(m_pages->tabText(0), QStringLiteral("0=Sepet"));
    QCOMPARE(m_page->aratoplaml->text(), TutarYazisi(0));
    QVERIFY(!m_page->indiriml->isVisibleTo(m_window.get()));
    QVERIFY(!m_page->vergil->isVisibleTo(m_window.get()));

    const qsizetype shown = (*m_shell)->messages.size();
    m_page->HepsiniSil1Click(); // an empty basket: no question, no call
    QCOMPARE((*m_shell)->messages.size(), shown);
}

QTEST_MAIN(TestSepetSayfasi)
#include "test_sepetsayfasi.moc"
