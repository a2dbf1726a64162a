#pragma once
// The GUI-stall benchmark's window cases: each action of a window that asks the service
// something, run on the real window (offscreen) against the in-process stand-in while it
// holds back every API reply, with the worst lateness of the GUI thread's 10 ms timer.
#include <QString>
#include <QStringList>

class DevServiceFixture;

// The cases' short names, in the order they run.
QStringList windowCaseNames();

// Runs the cases (every one when `only` is empty, else the one so named) as the demo
// account, with every API reply held back `latencyMs`; prints one line per case.
void runWindowCases(DevServiceFixture& fixture, int latencyMs, const QString& only);
