#pragma once

#include <QLabel>
#include <QPixmap>

// A picture shown centred and scaled to the label with its proportions kept; never enlarged
// beyond its own size.
class OrantiliResim : public QLabel
{
    Q_OBJECT

public:
    explicit OrantiliResim(QWidget *parent = nullptr);

    void SetPicture(const QPixmap &picture);
    const QPixmap &Picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Olcekle();

    QPixmap m_picture;
};
