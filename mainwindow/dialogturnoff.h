#pragma once
// Stand-in for the shutdown countdown until its own change replaces it. It counts the
// seconds down and ends with Rejected when the count runs out, which tells the caller to
// power off; its button, Escape and closing the window end it with Accepted (no
// power-off). The countdown's length comes from the time source (60 s).
#include <QDialog>
#include <QElapsedTimer>

class QLCDNumber;
class QTimer;

class DialogTurnOff : public QDialog {
    Q_OBJECT
public:
    explicit DialogTurnOff(QWidget* parent = nullptr);

    // True once the count ran out, the one outcome that powers off.
    bool countdownRanOut() const { return ranOut; }

public slots:
    void update();
    void reject() override;

private:
    QLCDNumber* display;
    QTimer* ticker;
    QElapsedTimer startTime;
    qint64 lengthMs;
    bool ranOut = false;
};
