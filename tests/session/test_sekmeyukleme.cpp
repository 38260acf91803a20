#include "session/sekmeyukleme.h"

#include "appserver/scriptedmethods.h"
#include "platform/busyindicator.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "server/proxim.h"
#include "support/recordingshell.h"
#include "support/testserver.h"

#include <QSemaphore>
#include <QTcpServer>
#include <QTest>
#include <QThreadPool>

#include <stdexcept>

// A tab page's list load against a scripted server: the page's grid, busy picture and rows.
class TestSekmeYukleme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void handsOverFormattedRowsAndRestoresThePage();
    void startsNoSecondLoadWhileOneRuns();
    void failedLoadKeepsTheOldRowsAndTells_data();
    void failedLoadKeepsTheOldRowsAndTells();
    void finishesWhenThePageIsGone();

private:
    enum Failure { NothingListening, ServerError, CallThrows, NoRows };

    // The page: what it got, and what it looked like when it got it.
    struct Page
    {
        QWidget grid;
        platform::BusyIndicator busy;
        std::unique_ptr<platform::DataSet> rows;
        int handedOver = 0;
        bool gridEnabledThen = false;
        bool busyThen = true;
    };
    static SekmeYukleme Loader(Page &page);
    // The tab's one server call; held at m_gate when `held`.
    SekmeYukleme::Cagri Call(bool held = false);
    static std::unique_ptr<platform::DataSet> Table(double price);
    testsupport::RecordingShell &Shell() { return **m_shell; }

    appserver::ScriptedMethods m_methods;
    std::unique_ptr<testsupport::TestServer> m_server;
    std::unique_ptr<testsupport::ShellGuard> m_shell;
    QSemaphore m_gate;
    // Fixture members so that a load a failed check left running ends before they go.
    std::unique_ptr<Page> m_page;
    std::unique_ptr<SekmeYukleme> m_loader;
};

void TestSekmeYukleme::initTestCase()
{
    m_server = std::make_unique<testsupport::TestServer>(m_methods);
}

void TestSekmeYukleme::init()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    m_shell = std::make_unique<testsupport::ShellGuard>();
    m_methods.ReturnsTable("SepetVer2", Table(1450.5));
    m_page = std::make_unique<Page>();
    m_loader = std::make_unique<SekmeYukleme>(Loader(*m_page));
}

void TestSekmeYukleme::cleanup()
{
    m_gate.release(100); // no worker may stay held after a failed check
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents(); // the continuations of loads a failed check left behind
    m_gate.tryAcquire(m_gate.available());
    m_loader.reset();
    m_page.reset();
    m_methods.Remove("SepetVer2");
    m_shell.reset();
}

SekmeYukleme TestSekmeYukleme::Loader(Page &page)
{
    SekmeYukleme::Sayfa sayfa;
    sayfa.grid = &page.grid;
    sayfa.mesgul = &page.busy;
    sayfa.yuklendi = [&page](std::unique_ptr<platform::DataSet> rows) {
        ++page.handedOver;
        page.rows = std::move(rows);
        page.gridEnabledThen = page.grid.isEnabled();
        page.busyThen = page.busy.Running();
    };
    return SekmeYukleme(std::move(sayfa));
}

SekmeYukleme::Cagri TestSekmeYukleme::Call(bool held)
{
    return [this, held](TServerMethods1Client &proxy) {
        if (held)
            m_gate.tryAcquire(1, 30000);
        return proxy.Devral(proxy.SepetVer2(12));
    };
}

std::unique_ptr<platform::DataSet> TestSekmeYukleme::Table(double price)
{
    auto table = std::make_unique<platform::DataSet>();
    table->AddField("STOKNO", platform::FieldType::Integer);
    table->AddField("ADI", platform::FieldType::String, 50);
    table->AddField("FIYAT", platform::FieldType::Float);
    for (int i = 1; i <= 2; ++i) {
        table->Fields(0).AppendInt(i);
        table->Fields(1).AppendUtf8("YAĞ FİLTRESİ");
        table->Fields(2).AppendDouble(price * i);
    }
    table->Open();
    table->EndAppend();
    return table;
}

void TestSekmeYukleme::handsOverFormattedRowsAndRestoresThePage()
{
    Page &page = *m_page;
    SekmeYukleme &loader = *m_loader;
    QVERIFY(loader.Yukle(m_server->connection(), Call(true)));
    // While the call runs: busy, the grid off, nothing handed over yet.
    QVERIFY(loader.Calisiyor());
    QVERIFY(page.busy.Running());
    QVERIFY(!page.grid.isEnabled());
    QCOMPARE(page.handedOver, 0);

    m_gate.release();
    QTRY_COMPARE(page.handedOver, 1);
    QVERIFY(!loader.Calisiyor());
    QVERIFY(!page.busy.Running());
    QVERIFY(page.grid.isEnabled());
    QVERIFY(page.gridEnabledThen);
    QVERIFY(!page.busyThen);
    QCOMPARE(m_methods.CallCount("SepetVer2"), 1);
    QVERIFY(page.rows);
    QCOMPARE(page.rows->RecordCount(), 2);
    QCOMPARE(page.rows->FieldByName("FIYAT").DisplayFormat(), QStringLiteral("#,###,##0.00"));
    QCOMPARE(page.rows->FieldByName("FIYAT").DisplayText(), QStringLiteral("1.450,50"));
    QVERIFY(page.rows->FieldByName("STOKNO").DisplayFormat().isEmpty());
    QVERIFY(Shell().messages.isEmpty());
    QVERIFY(Shell().errors.isEmpty());
}

void TestSekmeYukleme::startsNoSecondLoadWhileOneRuns()
{
    Page &page = *m_page;
    SekmeYukleme &loader = *m_loader;
    QVERIFY(loader.Yukle(m_server->connection(), Call(true)));
    auto secondCalled = std::make_shared<std::atomic<bool>>(false);
    QVERIFY(!loader.Yukle(m_server->connection(), [secondCalled](TServerMethods1Client &proxy) {
        *secondCalled = true;
        return proxy.Devral(proxy.SepetVer2(12));
    }));
    QVERIFY(page.busy.Running()); // the refused load changed nothing
    QVERIFY(!page.grid.isEnabled());

    m_gate.release();
    QThreadPool::globalInstance()->waitForDone(); // a second load's work would be done too
    QTRY_COMPARE(page.handedOver, 1);
    QVERIFY(!*secondCalled);
    QCOMPARE(m_methods.CallCount("SepetVer2"), 1);

    // Once it has ended, the page loads again.
    QVERIFY(loader.Yukle(m_server->connection(), Call()));
    QTRY_COMPARE(page.handedOver, 2);
    QCOMPARE(m_methods.CallCount("SepetVer2"), 2);
}

void TestSekmeYukleme::failedLoadKeepsTheOldRowsAndTells_data()
{
    QTest::addColumn<int>("failure");
    QTest::newRow("nothing listening") << int(NothingListening);
    QTest::newRow("server error") << int(ServerError);
    QTest::newRow("the call raises something else") << int(CallThrows);
    QTest::newRow("the call gives no rows") << int(NoRows);
}

void TestSekmeYukleme::failedLoadKeepsTheOldRowsAndTells()
{
    QFETCH(int, failure);
    Page &page = *m_page;
    SekmeYukleme &loader = *m_loader;
    QVERIFY(loader.Yukle(m_server->connection(), Call()));
    QTRY_COMPARE(page.handedOver, 1);
    const platform::DataSet *oldRows = page.rows.get();

    platform::Connection bagc = m_server->connection();
    SekmeYukleme::Cagri call = Call();
    switch (failure) {
    case NothingListening: {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        bagc.SetParam(QStringLiteral("Port"), QString::number(probe.serverPort()));
        break; // closed with the probe
    }
    case ServerError:
        m_methods.Raises("SepetVer2", QStringLiteral("Veritabanı kapalı"));
        break;
    case CallThrows:
        call = [](TServerMethods1Client &) -> std::unique_ptr<platform::DataSet> {
            throw std::runtime_error("out of range");
        };
        break;
    case NoRows:
        call = [](TServerMethods1Client &) { return std::unique_ptr<platform::DataSet>(); };
        break;
    }
    QVERIFY(loader.Yukle(bagc, call));
    QVERIFY(page.busy.Running());
    // The silent opening tries for several seconds before it gives up.
    QTRY_COMPARE_WITH_TIMEOUT(Shell().messages.size(), 1, 30000);
    const platform::MessageRequest &box = Shell().messages.first();
    QCOMPARE(box.text, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(box.kind, 1);
    QCOMPARE(box.buttons, QList<platform::DialogButton>{platform::DialogButton::Ok});
    QCOMPARE(box.focused, platform::DialogButton::Ok);
    QCOMPARE(page.handedOver, 1);
    QCOMPARE(page.rows.get(), oldRows);
    QCOMPARE(page.rows->RecordCount(), 2);
    QVERIFY(!loader.Calisiyor());
    QVERIFY(!page.busy.Running());
    QVERIFY(page.grid.isEnabled());
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QVERIFY2(Shell().errors.isEmpty(),
             qPrintable(Shell().errors.join('\n'))); // the one message only

    // After the failure a new load works.
    m_methods.ReturnsTable("SepetVer2", Table(10));
    QVERIFY(loader.Yukle(m_server->connection(), Call()));
    QTRY_COMPARE(page.handedOver, 2);
    QCOMPARE(page.rows->FieldByName("FIYAT").DisplayText(), QStringLiteral("10,00"));
    QCOMPARE(Shell().messages.size(), 1);
}

void TestSekmeYukleme::finishesWhenThePageIsGone()
{
    auto handedOver = std::make_shared<int>(0);
    SekmeYukleme::Sayfa sayfa;
    sayfa.grid = &m_page->grid;
    sayfa.mesgul = &m_page->busy;
    sayfa.yuklendi = [handedOver](std::unique_ptr<platform::DataSet>) { ++*handedOver; };
    m_loader = std::make_unique<SekmeYukleme>(std::move(sayfa));
    QVERIFY(m_loader->Yukle(m_server->connection(), Call(true)));
    // The tab and its loader are closed while the call runs.
    m_page.reset();
    m_loader.reset();
    m_gate.release();
    QTRY_COMPARE(*handedOver, 1); // the end of the load, which touches neither
    QVERIFY(Shell().errors.isEmpty());
}

QTEST_MAIN(TestSekmeYukleme)
#include "test_sekmeyukleme.moc"
