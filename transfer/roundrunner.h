#pragma once
// Runs a piece of work so that a request for it made while it runs (from inside it, or
// from the event loop of a box it shows) makes it run once more afterwards, instead of
// nesting. GUI thread only.
class RoundRunner {
public:
    template <class Round> void run(Round round) {
        if (running) {
            again = true;
            return;
        }
        running = true;
        do {
            again = false;
            round();
        } while (again);
        running = false;
    }

private:
    bool running = false;
    bool again = false;
};
