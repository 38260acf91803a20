#include "session/beklesinu.h"
#include "session/utils.h"

#include "platform/error.h"
#include "support/recordingshell.h"

#include <QApplication>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>

// The background helper, the machine identifier's rule and the Turkish message box.
class TestArkaplan : public QObject
{
    Q_OBJECT

private slots:
    void returnsAtOnceAndContinuesOnTheCallingThread();
    void showsAnEscapedErrorAfterTheContinuation();
    void keepsEachUsesOwnVariables();
    void derivesTheMachineIdentifier_data();
    void derivesTheMachineIdentifier();
    void messageBoxFocusesTheNamedButton_data();
    void messageBoxFocusesTheNamedButton();
};

void TestArkaplan::returnsAtOnceAndContinuesOnTheCallingThread()
{
    QSemaphore release;
    bool workDone = false;
    QThread *workThread = nullptr;
    QThread *contThread = nullptr;
    ArkaPlanda([&] {
        release.acquire(); // the work cannot have ended before Await returned
        workThread = QThread::currentThread();
        workDone = true;
    })->Await([&] { contThread = QThread::currentThread(); });
    QVERIFY(!workDone);
    release.release();
    QTRY_VERIFY(contThread != nullptr);
    QVERIFY(workDone);
    QCOMPARE(contThread, QThread::currentThread());
    QVERIFY(workThread != QThread::currentThread());
}

void TestArkaplan::showsAnEscapedErrorAfterTheContinuation()
{
    testsupport::ShellGuard shell;
    int errorsSeenByContinuation = -1;
    ArkaPlanda([] { throw platform::Error(QStringLiteral("Sunucu hatası")); })->Await([&] {
        errorsSeenByContinuation = int(shell->errors.size());
    });
    QTRY_COMPARE(shell->errors.size(), 1);
    QCOMPARE(errorsSeenByContinuation, 0); // the continuation ran first
    QCOMPARE(shell->errors[0], QStringLiteral("Sunucu hatası"));
}

void TestArkaplan::keepsEachUsesOwnVariables()
{
    QList<int> seen;
    for (int i = 0; i < 5; ++i) {
        auto value = std::make_shared<int>(0);
        ArkaPlanda([value, i] { *value = i * 10; })->Await([&seen, value] { seen.append(*value); });
    }
    QTRY_COMPARE(seen.size(), 5);
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, (QList<int>{0, 10, 20, 30, 40}));
}

void TestArkaplan::derivesTheMachineIdentifier_data()
{
    QTest::addColumn<QString>("disk");
    QTest::addColumn<bool>("diskFails");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("expected");
    QTest::newRow("disk serial") << " WD-WX31A7RK " << false << "00-1A-2B-3C-4D-5E"
                                 << "WD-WX31A7RK";
    QTest::newRow("inner blanks joined") << "S3Z9 NB0K 4012" << false << ""
                                         << "S3Z9NB0K4012";
    QTest::newRow("empty serial falls back to the adapter") << "   " << false << "00-1A-2B-3C-4D-5E"
                                                            << "00-1A-2B-3C-4D-5E";
    QTest::newRow("failing disk falls back too") << "" << true << "00-1A-2B-3C-4D-5E"
                                                 << "00-1A-2B-3C-4D-5E";
    QTest::newRow("an alias stands for the fixed id") << "ALIAS-2" << false << ""
                                                      << "900001";
    QTest::newRow("nothing at all") << "" << true << ""
                                    << "";
}

void TestArkaplan::derivesTheMachineIdentifier()
{
    QFETCH(QString, disk);
    QFETCH(bool, diskFails);
    QFETCH(QString, mac);
    QFETCH(QString, expected);
    const auto diskSerial = [&]() -> QString {
        if (diskFails)
            throw platform::Error(QStringLiteral("WMI cannot be reached"));
        return disk;
    };
    QCOMPARE(BilgisayarIdAlFrom(
                 diskSerial, [&] { return mac; }, {"ALIAS-1", "ALIAS-2", "ALIAS-3", "ALIAS-4"},
                 "900001"),
             expected);
}

void TestArkaplan::messageBoxFocusesTheNamedButton_data()
{
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("focusedText");
    QTest::addColumn<int>("result");
    QTest::newRow("no focused") << int(platform::DialogButton::No) << "Hayır" << 7;
    QTest::newRow("yes focused") << int(platform::DialogButton::Yes) << "Evet" << 6;
}

void TestArkaplan::messageBoxFocusesTheNamedButton()
{
    QFETCH(int, focused);
    QFETCH(QString, focusedText);
    QFETCH(int, result);
    QString title, focusText;
    QStringList labels;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        poll.stop();
        title = box->windowTitle();
        for (QPushButton *b : box->findChildren<QPushButton *>())
            labels << b->text();
        // The button that has the focus within the box is the one a key press reaches.
        if (auto *focus = qobject_cast<QPushButton *>(box->focusWidget())) {
            focusText = focus->text();
            focus->click();
        } else {
            box->close();
        }
    });
    poll.start(10);
    platform::MessageRequest request;
    request.text = QStringLiteral("Silinsin mi ?");
    request.kind = 3;
    request.buttons = {platform::DialogButton::Yes, platform::DialogButton::No};
    request.focused = platform::DialogButton(focused);
    QCOMPARE(TurkceMesajKutusu(request), result);
    QCOMPARE(title, QStringLiteral("Soru"));
    labels.sort();
    QCOMPARE(labels, (QStringList{"Evet", "Hayır"}));
    QCOMPARE(focusText, focusedText);
}

QTEST_MAIN(TestArkaplan)
#include "test_arkaplan.moc"
