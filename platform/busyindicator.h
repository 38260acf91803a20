#pragma once

#include <QTimer>
#include <QWidget>

namespace platform {

// A small spinning wheel standing for the animated busy pictures: hidden until started.
class BusyIndicator : public QWidget
{
    Q_OBJECT

public:
    explicit BusyIndicator(QWidget *parent = nullptr);
    void Start();
    void Stop();
    bool Running() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return {24, 24}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    int m_step = 0;
};

} // namespace platform
