#include "app/unit1.h"

#include "session/baglantiu.h"
#include "support/recordingshell.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestUnit1 : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_shell = std::make_unique<testsupport::ShellGuard>(); }
    void cleanup() { m_shell.reset(); }

    void appliesTheCustomerTypeRules_data();
    void appliesTheCustomerTypeRules();
    void asksBeforeEnding_data();
    void asksBeforeEnding();
    void laysOutTheNinePagesInOrder();
    void writesTheHeaderFromTheSession();

private:
    std::unique_ptr<testsupport::ShellGuard> m_shell;
};

void TestUnit1::appliesTheCustomerTypeRules_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("otherCustomer");
    QTest::addColumn<bool>("reports");
    QTest::addColumn<bool>("campaignPage");
    QTest::newRow("plain dealer") << 0 << false << false << true;
    QTest::newRow("salesperson") << 1 << true << true << true;
    QTest::newRow("salesperson with price authority") << 2 << true << true << true;
    QTest::newRow("narrow account") << 3 << false << false << true;
    QTest::newRow("no campaigns") << 4 << false << false << false;
}

void TestUnit1::appliesTheCustomerTypeRules()
{
    QFETCH(int, type);
    QFETCH(bool, otherCustomer);
    QFETCH(bool, reports);
    QFETCH(bool, campaignPage);
    TForm1 form;
    form.sbilgi->SetMusteriTipi(type);
    form.MusteriTipiKurallari();
    QCOMPARE(form.musteritus->isVisibleTo(&form), otherCustomer);
    QCOMPARE(form.R1->isVisible(), reports);
    QCOMPARE(form.SayfaGorunur(form.skampanyali), campaignPage);
    QVERIFY(form.SayfaGorunur(form.sstoklistesi));
}

void TestUnit1::asksBeforeEnding_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("exits");
    QTest::newRow("yes ends at once") << int(platform::ResultYes) << QList<int>{0};
    QTest::newRow("no keeps everything") << int(platform::ResultNo) << QList<int>{};
}

void TestUnit1::asksBeforeEnding()
{
    QFETCH(int, answer);
    QFETCH(QList<int>, exits);
    TForm1 form;
    form.show();
    form.araedit->setText(QStringLiteral("FREN"));
    form.sPageControl1->setCurrentWidget(form.ssepet);
    (*m_shell)->answers.push_back(answer);
    QVERIFY(!form.close());
    QCOMPARE((*m_shell)->messages.size(), 1);
    const platform::MessageRequest &asked = (*m_shell)->messages[0];
    QCOMPARE(asked.text, QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"));
    QCOMPARE(asked.kind, 3);
    QCOMPARE(asked.buttons, (QList<platform::DialogButton>{platform::DialogButton::Yes,
                                                           platform::DialogButton::No}));
    QCOMPARE(asked.focused, platform::DialogButton::Yes);
    QCOMPARE((*m_shell)->exitCodes, exits);
    QVERIFY(form.isVisible());
    QCOMPARE(form.araedit->text(), QStringLiteral("FREN"));
    QCOMPARE(form.sPageControl1->currentWidget(), form.ssepet);
}

void TestUnit1::laysOutTheNinePagesInOrder()
{
    TForm1 form;
    QStringList captions;
    for (int i = 0; i < form.sPageControl1->count(); ++i)
        captions << form.sPageControl1->tabText(i);
    QCOMPARE(captions, (QStringList{"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre",
                                    "Yeni Stoklar", "Kampanyalı Stoklar", "Duyurular", "Bakiyeler",
                                    "Sanal Pos"}));
    QCOMPARE(form.sPageControl1->currentWidget(), form.sstoklistesi);
    QCOMPARE(form.windowTitle(), QStringLiteral("Dorvena B2B Programı"));
    QStringList menu;
    for (QAction *a : form.Genelmenu->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(menu.mid(0, 7), (QStringList{"Mail Gönder", "-", "Şifre Değiştirme İsteği", "-",
                                          form.websitesi1->text(), "-", "Çıkış"}));
    QCOMPARE(menu.value(8), QStringLiteral("Raporlar"));
}

void TestUnit1::writesTheHeaderFromTheSession()
{
    TForm1 form;
    form.sbilgi->SetADI(QStringLiteral("AHMET"));
    form.sbilgi->SetCariAdi(QStringLiteral("ÖZ KARDEŞLER OTO"));
    form.sbilgi->SetSaticiAdi(QStringLiteral("MEHMET YILMAZ"));
    form.sbilgi->SetSaticiTelefon(QStringLiteral("0212 555 1000"));
    form.sbilgi->SetSaticiMail(QStringLiteral("m@d.example"));
    form.AnaBilgiAl();
    QCOMPARE(form.kullanicilbl->text(), QStringLiteral("AHMET"));
    QCOMPARE(form.cariadilbl->text(), QStringLiteral("ÖZ KARDEŞLER OTO"));
    QCOMPARE(form.saticilbl->text(),
             QStringLiteral("MEHMET YILMAZ Telefonu: 0212 555 1000 email: m@d.example"));
}

QTEST_MAIN(TestUnit1)
#include "test_unit1.moc"
