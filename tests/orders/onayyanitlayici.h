#pragma once

#include "orders/onaysipu.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testsupport {

// Answers the order confirmation the way a user would: once it is on screen (run modally), it
// notes what the window shows and clicks "Evet" or "Hayır".
class OnayYanitlayici : public QObject
{
public:
    int gosterilen = 0; // confirmation windows seen
    QString ozet;       // Label2
    QString uyari;      // Label3
    QPointer<QWidget> sahibi;

    // Arms the answer for the next modal confirmation. Call before the code that shows it.
    void Yanitla(bool evet)
    {
        QTimer::singleShot(0, this, [this, evet] {
            auto *onay = qobject_cast<TONAYSIP *>(QApplication::activeModalWidget());
            if (!onay)
                return;
            ++gosterilen;
            ozet = onay->Label2->text();
            uyari = onay->Label3->text();
            sahibi = onay->parentWidget();
            QTest::mouseClick(evet ? onay->Button1 : onay->Button2, Qt::LeftButton);
        });
    }
};

} // namespace testsupport
