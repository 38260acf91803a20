#include "app/unit1.h"

#include "catalogue/sepetsatiracici.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/stoklistesi.h"
#include "orders/onaysipu.h"
#include "orders/sepetsayfasi.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/gridview.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "support/demoserver.h"
#include "support/recordingshell.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

// A dealer's order from search to the server, through the main window's own pages, against
// the real server.
class TestSiparisAkisi : public QObject
{
    Q_OBJECT

private slots:
    void findsAddsSelectsAndSendsAnOrder();
};

namespace {

int Orders(platform::Connection connection, int carino)
{
    connection.Open();
    TServerMethods1Client proxy(&connection);
    return proxy.OncekiSiparisler(carino)->RecordCount();
}

// Answers the next modal dialogs: the stock detail dialog with a quantity, the confirmation
// with "Evet".
void AnswerDialogs(QTimer &timer, int quantity)
{
    QObject::connect(&timer, &QTimer::timeout, [quantity] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *detail = qobject_cast<Tstokayarinti *>(modal)) {
            detail->adet->setValue(quantity);
            detail->ParcaliTus1->click();
        } else if (auto *confirm = qobject_cast<TONAYSIP *>(modal)) {
            confirm->Button1->click();
        }
    });
    timer.start(20);
}

} // namespace

void TestSiparisAkisi::findsAddsSelectsAndSendsAnOrder()
{
    testsupport::DemoServer server(300);
    testsupport::ShellGuard shell;
    TForm1 form;
    form.bagc->SetParam("HostName", "127.0.0.1");
    form.bagc->SetParam("Port", QString::number(server.port()));
    {
        platform::Connection c = server.connection();
        c.Open();
        TServerMethods1Client proxy(&c);
        form.sbilgi->Kopyala(*proxy.BuyukGetir("DEMO-PC-0000")); // what the sign-in leaves
    }
    const int carino = form.sbilgi->CARINO();
    const int ordersBefore = Orders(server.connection(), carino);
    form.show();

    // Search.
    form.stokListesi->Ara(QStringLiteral("FREN BALATASI"));
    QTRY_VERIFY_WITH_TIMEOUT(form.araedit->isEnabled() && form.stokListesi->cxGrid1->Data(), 10000);
    const int found = form.stokListesi->cxGrid1->Data()->RecordCount();
    QVERIFY(found > 0);
    QCOMPARE(form.sPageControl1->tabText(0),
             QString::number(found) + QStringLiteral("=Stok Listesi"));

    // Add the first row with quantity 2.
    QTimer answers;
    AnswerDialogs(answers, 2);
    platform::DataSet &stok = *form.stokListesi->cxGrid1->Data();
    const int stokno = int(stok.FieldByName("STOK_STOKNO").IntAt(0));
    form.satirAcici->ListeCiftTik(KaynakListe::Stok, stok, OdakStokno(stok, 0));
    platform::DataSet *sepet = form.sepetSayfasi->sepet();
    QVERIFY(sepet);
    QVERIFY(sepet->Locate("STOKNO", stokno));
    QCOMPARE(sepet->FieldByName("MIKTAR").AsFloat(), 2.0);

    // Select every line and send with a note.
    form.sepetSayfasi->Button4Click();
    const int lines = form.sepetSayfasi->sepet()->RecordCount();
    form.sepetSayfasi->aciklamagir->setPlainText(QStringLiteral("Cuma teslim"));
    emit form.sepetSayfasi->Gonder();

    QVERIFY(shell->messages.size() >= 1);
    QCOMPARE(shell->messages.last().text, QStringLiteral("Siparişiniz Gönderildi !"));
    QVERIFY(form.sepetSayfasi->aciklamagir->toPlainText().isEmpty());
    QCOMPARE(form.sepetSayfasi->sepet()->RecordCount(), 0); // reloaded: everything was sent
    QCOMPARE(Orders(server.connection(), carino), ordersBefore + 1);
    QVERIFY(lines >= 1);
}

QTEST_MAIN(TestSiparisAkisi)
#include "test_siparis_akisi.moc"
