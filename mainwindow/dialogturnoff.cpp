#include "mainwindow/dialogturnoff.h"

#include "core/timesource.h"

#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

DialogTurnOff::DialogTurnOff(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), display(new QLCDNumber(2, this)),
      ticker(new QTimer(this)) {
    lengthMs = TimeSource::current()
                   .duration(TimeSource::Wait::ShutdownCountdown, std::chrono::seconds(60))
                   .count();
    setWindowTitle(QStringLiteral("Brisko Tool"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Hệ thống sẽ tự động tắt máy của bạn trong:"), this));
    display->display(int(lengthMs / 1000));
    layout->addWidget(display);
    auto* stop = new QPushButton(tr("Ngưng tắt máy"), this);
    stop->setObjectName(QStringLiteral("btn_cancel"));
    connect(stop, &QPushButton::clicked, this, &DialogTurnOff::accept);
    layout->addWidget(stop);
    startTime.start();
    connect(ticker, &QTimer::timeout, this, &DialogTurnOff::update);
    ticker->start(int(std::min<qint64>(1000, std::max<qint64>(lengthMs, 1))));
}

void DialogTurnOff::update() {
    // Derived from the clock, not from the ticks: a late tick shows the true time left.
    const qint64 elapsed = startTime.elapsed();
    const qint64 left = lengthMs / 1000 - elapsed / 1000;
    if (left > 0 && elapsed < lengthMs) {
        display->display(int(left));
        return;
    }
    ticker->stop();
    ranOut = true;
    QDialog::reject();
}

// Escape and the window's close control stop the power-off like the button.
void DialogTurnOff::reject() {
    ticker->stop();
    accept();
}
