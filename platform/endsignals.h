#pragma once
// The signals that ask a process to end: SIGTERM (the desktop session ends, a kill),
// SIGINT (Ctrl+C in a terminal) and SIGHUP (its terminal went away). Caught, they arrive
// as `received` on the thread that made this object, from its event loop, so that the
// program ends through its own end (transfers stopped, lists and settings written)
// instead of where it stands. The handler itself only writes the number into a pipe.
// One object at a time; a signal ignored when it is made (nohup) stays ignored.
#include <QObject>

#include <csignal>

class QSocketNotifier;

class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    // Puts back what the signals did before.
    ~EndSignals() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    int pipeEnds[2] = {-1, -1};
    QSocketNotifier* notifier = nullptr;
    struct Replaced {
        int number;
        struct sigaction action;
        bool caught;
    };
    Replaced replaced[3];
};
