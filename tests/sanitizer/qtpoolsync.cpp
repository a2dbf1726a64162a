// Part of the ThreadSanitizer tree's qtlocksync library (see qtlocksync.cpp), built
// without the sanitizer's instrumentation on purpose.
//
// A function handed to a QThreadPool reaches a worker through the pool's queue, behind a
// mutex inside Qt that the sanitizer doesn't see; every hand-over and every worker that
// takes a task or ends one meets at that mutex, so each pool gets one mark: the hand-over
// releases it, the function's start acquires it and its end releases it again, and a
// waitForDone() that saw every function end acquires it. Tasks of different pools order
// nothing.
//
// The wrapper's own state is read by the worker before the start's acquire (the function
// object Qt keeps, which Qt itself allocated on the handing thread); read by instrumented
// code, that read would show as a race. Nothing here touches data of the program.
#include "qtfunction.h"

#include <QThreadPool>

#include <sanitizer/tsan_interface.h>

#include <functional>

namespace {
QtFunction<void (*)(QThreadPool*, std::function<void()>, int)>
    qtPoolStart("_ZN11QThreadPool5startESt8functionIFvvEEi");
QtFunction<bool (*)(QThreadPool*, int)> qtPoolWaitForDone("_ZN11QThreadPool11waitForDoneEi");
} // namespace

void QThreadPool::start(std::function<void()> functionToRun, int priority) {
    std::function<void()> task = [pool = this, run = std::move(functionToRun)] {
        __tsan_acquire(pool);
        run();
        __tsan_release(pool);
    };
    __tsan_release(this); // after the task was made: its worker frees it
    qtPoolStart(this, std::move(task), priority);
}

bool QThreadPool::waitForDone(int msecs) {
    const bool done = qtPoolWaitForDone(this, msecs);
    if (done)
        __tsan_acquire(this);
    return done;
}
