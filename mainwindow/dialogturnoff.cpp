#include "mainwindow/dialogturnoff.h"

#include "core/timesource.h"
#include "core/windowshape.h"
#include "ui_dialogturnoff.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {

constexpr int kSteps = 60;

} // namespace

DialogTurnOff::DialogTurnOff(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ui(new Ui::DialogTurnOff),
      ticker(new QTimer(this)) {
    ui->setupUi(this);
    // Drawn like the program's other popups: no frame, the outline and title band of its
    // picture, the title in the band; dragged by its face.
    makeFramelessShaped(this, QStringLiteral(":/images/popup_about.png"), true);
    // Sixty steps always; a step lasts a second unless a test shortened the countdown.
    const qint64 lengthMs =
        TimeSource::current()
            .duration(TimeSource::Wait::ShutdownCountdown, std::chrono::seconds(kSteps))
            .count();
    stepMs = std::max<qint64>(1, lengthMs / kSteps);
    startTime.start();
    connect(ticker, &QTimer::timeout, this, &DialogTurnOff::update);
    ticker->start(int(stepMs));
}

DialogTurnOff::~DialogTurnOff() {
    delete ui;
}

qint64 DialogTurnOff::elapsedMs() const {
    return startTime.elapsed();
}

void DialogTurnOff::update() {
    if (ranOut || !ticker->isActive())
        return;
    // Derived from the clock, not from the ticks: a late tick shows the true time left.
    const qint64 left = kSteps - std::max<qint64>(0, elapsedMs()) / stepMs;
    if (left > 0) {
        ui->lcdNumber->display(int(left));
        return;
    }
    ranOut = true;
    QDialog::reject();
}

void DialogTurnOff::reject() {
    accept();
}

void DialogTurnOff::done(int result) {
    ticker->stop();
    QDialog::done(result);
}

// The form wires the button to accept(); nothing more to do here.
void DialogTurnOff::on_btn_cancel_clicked() {}

void DialogTurnOff::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void DialogTurnOff::mousePressEvent(QMouseEvent* event) {
    windowDrag.grip(event);
}

void DialogTurnOff::mouseMoveEvent(QMouseEvent* event) {
    windowDrag.follow(event);
}
