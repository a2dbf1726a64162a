#pragma once
// How freely the GUI thread turns while something runs: the largest pause between two
// ticks of a short timer, the pause in progress included. Measured, not judged: a test
// only checks that no pause lasted as long as the call it made.
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

class GuiTurns {
public:
    GuiTurns() {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_worst = std::max(m_worst, m_sinceTick.restart()); });
        m_sinceTick.start();
        m_timer.start(10);
    }
    qint64 worstPause() const { return std::max(m_worst, m_sinceTick.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_worst = 0;
};
