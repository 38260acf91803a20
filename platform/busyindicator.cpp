#include "busyindicator.h"

#include <QPainter>

namespace platform {

BusyIndicator::BusyIndicator(QWidget *parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    hide();
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % 12;
        update();
    });
}

void BusyIndicator::Start()
{
    show();
    m_timer.start();
}

void BusyIndicator::Stop()
{
    m_timer.stop();
    hide();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double r = qMin(width(), height()) / 2.0 - 2;
    for (int i = 0; i < 12; ++i) {
        QColor c(0, 170, 207);
        c.setAlphaF(((i - m_step + 12) % 12) / 12.0);
        p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -r * 0.5), QPointF(0, -r));
        p.rotate(30);
    }
}

} // namespace platform
