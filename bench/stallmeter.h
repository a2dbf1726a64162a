#pragma once
// What the GUI-stall benchmark's cases share: a 10 ms timer on the GUI thread that records
// how late each tick comes, an event loop run until a condition holds, and an answerer that
// takes every box at once and says what it was.
#include "core/userprompt.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <vector>

// Lateness of a 10 ms timer on the thread that runs it.
class StallMeter {
public:
    StallMeter();

    void start();
    void stop();

    double worst() const;
    double percentile(double p) const;
    size_t ticks() const { return late.size(); }

    double cpuMs = 0;
    double wallMs = 0;
    // What the GUI thread itself computed during the worst interval.
    double worstCpuMs = 0;

private:
    void tick();

    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double cpuAtStart = 0;
    double lastCpu = 0;
    std::vector<double> late;
};

// Runs the event loop until `done` holds or the time is up; false on time-out.
bool runUntil(const std::function<bool()>& done, int timeoutMs);

// Answers every box at once, Yes where it is offered, else Ok, and prints it on standard
// error. Choosers answer nothing.
class PrintingPrompt : public UserPrompt {
public:
    QMessageBox::StandardButton information(QWidget*, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton) override {
        return shown("information", title, text, buttons);
    }
    QMessageBox::StandardButton warning(QWidget*, const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton) override {
        return shown("warning", title, text, buttons);
    }
    QMessageBox::StandardButton critical(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton) override {
        return shown("critical", title, text, buttons);
    }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton) override {
        return shown("question", title, text, buttons);
    }
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QStringList openFiles(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }

private:
    static QMessageBox::StandardButton shown(const char* kind, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons);
};
