#pragma once
// The warning shown before an automatic power-off: it counts 60 steps down (a second each,
// or what the time source makes of the countdown's length) and ends with Rejected when the
// count runs out, which tells the caller to power off. Its button, Escape and closing the
// window (the cross in its title band) stop the power-off: they end it with Accepted. A
// frameless popup drawn by its picture, kept above other windows.
#include "core/windowdrag.h"

#include <QDialog>
#include <QElapsedTimer>

namespace Ui {
class DialogTurnOff;
}
class QTimer;

class DialogTurnOff : public QDialog {
    Q_OBJECT
public:
    explicit DialogTurnOff(QWidget* parent = nullptr);
    ~DialogTurnOff() override;

    // True once the count ran out, the one outcome that powers off.
    bool countdownRanOut() const { return ranOut; }

public slots:
    // One tick: shows the steps left, or ends the dialog when none are.
    void update();
    // Escape and the window's close control end here: they stop the power-off.
    void reject() override;
    // Whatever ends the dialog stops the ticks.
    void done(int result) override;

protected:
    // Dragging the frameless window (WindowDrag).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Milliseconds since the countdown started; tests replace the clock.
    virtual qint64 elapsedMs() const;

private slots:
    void on_btn_cancel_clicked();

private:
    Ui::DialogTurnOff* ui;
    QTimer* ticker;
    QElapsedTimer startTime;
    qint64 stepMs;
    bool ranOut = false;
    WindowDrag windowDrag{this};
};
