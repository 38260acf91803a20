// A command-line round trip through the client's proxy: opens a connection the way the
// program does and calls a few server methods, printing what came back. Used by the demo
// command and handy for checking a deployed server from a terminal.
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "session/utils.h"

#include "platform/connection.h"
#include "platform/dataset.h"
#include "platform/error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dorvena-roundtrip"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calls a few server methods through the proxy."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("host"), QStringLiteral("Server host."),
                      QStringLiteral("host"), QStringLiteral("127.0.0.1")});
    parser.addOption({QStringLiteral("port"), QStringLiteral("Server port."),
                      QStringLiteral("port"), QStringLiteral("9090")});
    parser.addOption({QStringLiteral("machine"),
                      QStringLiteral("Machine identifier for the sign-in call."),
                      QStringLiteral("id"), QStringLiteral("DEMO-PC-0001")});
    parser.process(app);

    QTextStream out(stdout);
    platform::Connection bagc;
    bagc.SetParam(QStringLiteral("HostName"), parser.value(QStringLiteral("host")));
    bagc.SetParam(QStringLiteral("Port"), parser.value(QStringLiteral("port")));
    if (!BaglantiAc(bagc, 0)) {
        out << kBaglantiKurulamiyor << Qt::endl;
        return 1;
    }
    try {
        TServerMethods1Client proxy(&bagc);
        out << "EchoString(\"Merhaba Dünya\") = "
            << proxy.EchoString(QStringLiteral("Merhaba Dünya")) << Qt::endl;
        out << "ReverseString(\"Dorvena\") = " << proxy.ReverseString(QStringLiteral("Dorvena"))
            << Qt::endl;
        try {
            TSonucBilgisi *bilgi = proxy.BuyukGetir(parser.value(QStringLiteral("machine")));
            if (bilgi)
                out << "BuyukGetir: Varmi=" << (bilgi->Varmi() ? "true" : "false") << " ADI=\""
                    << bilgi->ADI() << "\" CariAdi=\"" << bilgi->CariAdi()
                    << "\" Version=" << bilgi->Version() << Qt::endl;
            else
                out << "BuyukGetir: no record" << Qt::endl;
        } catch (const platform::ServerError &e) {
            out << "BuyukGetir: " << e.Message() << Qt::endl;
        }
    } catch (const platform::Error &e) {
        out << "Error: " << e.Message() << Qt::endl;
        return 1;
    }
    return 0;
}
