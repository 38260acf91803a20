// dorvena-b2b: the dealers' and salespeople's desktop client.

#include "unit1.h"

#include "session/utils.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace {

// A dark-blue look on the Fusion style; the default look stays if Fusion is missing.
void ApplyStyle(QApplication &app)
{
    QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!fusion)
        return;
    app.setStyle(fusion);
    QPalette p;
    p.setColor(QPalette::Window, QColor(225, 232, 240));
    p.setColor(QPalette::WindowText, QColor(20, 30, 50));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(239, 239, 239));
    p.setColor(QPalette::Button, QColor(12, 52, 97));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0, 170, 207));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(QPalette::ToolTipText, Qt::black);
    app.setPalette(p);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dorvena B2B"));
    ApplyStyle(app);
    MesajKutusunuKur();
    TForm1 Form1;
    if (!Form1.FormCreate())
        return 0;
    Form1.showMaximized();
    return app.exec();
}
