#include "orantiliresim.h"

OrantiliResim::OrantiliResim(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1); // the scaled pixmap must not hold the label at the picture's size
}

void OrantiliResim::SetPicture(const QPixmap &picture)
{
    m_picture = picture;
    Olcekle();
}

void OrantiliResim::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    Olcekle();
}

void OrantiliResim::Olcekle()
{
    if (m_picture.isNull()) {
        clear();
        return;
    }
    const QSize room = contentsRect().size();
    if (m_picture.width() <= room.width() && m_picture.height() <= room.height())
        setPixmap(m_picture);
    else
        setPixmap(m_picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
