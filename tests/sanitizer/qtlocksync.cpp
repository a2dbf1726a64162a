// Linked into every program of the ThreadSanitizer tree (see cmake/sanitize.cmake).
//
// Qt's mutexes and threads live in the uninstrumented libQt5Core. The mutexes' fast paths
// are inline atomics that ThreadSanitizer sees, but a contended lock or unlock, QMutex's
// out-of-line lock() and unlock() and the unlock and relock inside QWaitCondition::wait()
// are not seen, so data that a QMutex guards reads as a race whenever two threads met at
// the lock. Likewise QThread::wait() on a thread that has already ended returns through
// such a mutex, so what the thread wrote reads as a race after the wait.
//
// These definitions take the place of Qt's for calls from this program's own code: each
// calls Qt's and tells ThreadSanitizer what it ordered: a mutex taken (acquire) or given
// up (release), on the address of the mutex as the inline atomics do; a thread that ended
// (release, on its QThread, once run() has returned) and a wait or check that saw it end
// (acquire).
//
// A QString assigned through Qt's operator= gives up its old text with a decrement of the
// text's count inside Qt, which the sanitizer doesn't see: the decrement that frees the
// text would not be ordered after those of other threads that shared it.
//
// A function handed to a QThreadPool reaches its worker through the pool's queue, behind
// the same unseen mutex: the handing over releases, the function's start acquires.
//
// Queued signals reach the receiving thread through Qt's event queue, whose mutex the
// sanitizer doesn't see either. Every thread's delivery of an event runs after the queue
// was locked, so after every post made before it: each emission releases, before and after
// the posts it makes, so do a call queued by QMetaObject::invokeMethod and an event posted
// by our code, and each event delivered acquires, all on one mark of the queues.
#include <QCoreApplication>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QThreadPool>
#include <QVariant>
#include <QWaitCondition>

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

#include <cstdio>
#include <cstdlib>

namespace {

template <typename Fn> Fn qtFunction(const char* name) {
    void* found = dlsym(RTLD_NEXT, name);
    if (!found) {
        std::fprintf(stderr, "qtlocksync: %s not found in Qt\n", name);
        std::abort();
    }
    return reinterpret_cast<Fn>(found);
}

// Tells the sanitizer that `mark` was acquired when `happened`; returns `happened`.
bool acquiredIf(bool happened, const void* mark) {
    if (happened)
        __tsan_acquire(const_cast<void*>(mark));
    return happened;
}

} // namespace

// Qt's hooks for signal dumpers, as QtTest's -vs uses them.
struct QSignalSpyCallbackSet {
    using BeginCallback = void (*)(QObject* caller, int signalOrMethodIndex, void** argv);
    using EndCallback = void (*)(QObject* caller, int signalOrMethodIndex);
    BeginCallback signalBegin, slotBegin;
    EndCallback signalEnd, slotEnd;
};
void qt_register_signal_spy_callbacks(QSignalSpyCallbackSet* callbacks);

namespace {

char eventQueues; // the mark that stands for every thread's event queue

void emissionBegins(QObject*, int, void**) {
    __tsan_release(&eventQueues);
}

void emissionEnds(QObject*, int) {
    __tsan_release(&eventQueues);
}

bool eventDelivered(void**) {
    __tsan_acquire(&eventQueues);
    return false; // the event goes on as usual
}

QSignalSpyCallbackSet emissionHooks{emissionBegins, nullptr, emissionEnds, nullptr};

const bool hooked = [] {
    qt_register_signal_spy_callbacks(&emissionHooks);
    return QInternal::registerCallback(QInternal::EventNotifyCallback, eventDelivered);
}();

} // namespace

void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT {
    static const auto qt = qtFunction<void (*)(QBasicMutex*)>("_ZN11QBasicMutex12lockInternalEv");
    qt(this);
    __tsan_acquire(this);
}

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT {
    static const auto qt =
        qtFunction<bool (*)(QBasicMutex*, int)>("_ZN11QBasicMutex12lockInternalEi");
    return acquiredIf(qt(this, timeout), this);
}

void QBasicMutex::unlockInternal() noexcept {
    static const auto qt = qtFunction<void (*)(QBasicMutex*)>("_ZN11QBasicMutex14unlockInternalEv");
    __tsan_release(this);
    qt(this);
}

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT {
    static const auto qt = qtFunction<void (*)(QMutex*)>("_ZN6QMutex4lockEv");
    qt(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT {
    static const auto qt = qtFunction<bool (*)(QMutex*, int)>("_ZN6QMutex7tryLockEi");
    return acquiredIf(qt(this, timeout), this);
}

void QMutex::unlock() noexcept {
    static const auto qt = qtFunction<void (*)(QMutex*)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    qt(this);
}

bool QWaitCondition::wait(QMutex* lockedMutex, QDeadlineTimer deadline) {
    static const auto qt = qtFunction<bool (*)(QWaitCondition*, QMutex*, QDeadlineTimer)>(
        "_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(lockedMutex);
    const bool woken = qt(this, lockedMutex, deadline);
    __tsan_acquire(lockedMutex);
    return woken;
}

bool QWaitCondition::wait(QMutex* lockedMutex, unsigned long time) {
    static const auto qt = qtFunction<bool (*)(QWaitCondition*, QMutex*, unsigned long)>(
        "_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(lockedMutex);
    const bool woken = qt(this, lockedMutex, time);
    __tsan_acquire(lockedMutex);
    return woken;
}

void QThread::start(Priority priority) {
    static const auto qt =
        qtFunction<void (*)(QThread*, Priority)>("_ZN7QThread5startENS_8PriorityE");
    // finished() is emitted on the thread itself after run() has returned, before the
    // thread is marked as ended and its waiters are woken.
    static const char kMarked[] = "qtlocksyncReleasesAtFinish";
    if (!property(kMarked).toBool()) {
        setProperty(kMarked, true);
        connect(
            this, &QThread::finished, this, [this] { __tsan_release(this); }, Qt::DirectConnection);
    }
    qt(this, priority);
}

bool QThread::wait(QDeadlineTimer deadline) {
    static const auto qt =
        qtFunction<bool (*)(QThread*, QDeadlineTimer)>("_ZN7QThread4waitE14QDeadlineTimer");
    return acquiredIf(qt(this, deadline), this);
}

bool QThread::wait(unsigned long time) {
    static const auto qt = qtFunction<bool (*)(QThread*, unsigned long)>("_ZN7QThread4waitEm");
    return acquiredIf(qt(this, time), this);
}

bool QThread::isFinished() const {
    static const auto qt = qtFunction<bool (*)(const QThread*)>("_ZNK7QThread10isFinishedEv");
    return acquiredIf(qt(this), this);
}

bool QThread::isRunning() const {
    static const auto qt = qtFunction<bool (*)(const QThread*)>("_ZNK7QThread9isRunningEv");
    return !acquiredIf(!qt(this), this);
}

QString& QString::operator=(const QString& other) noexcept {
    static const auto qt = qtFunction<QString& (*)(QString*, const QString&)>("_ZN7QStringaSERKS_");
    // The count is the first field of the text, and d the only field of a QString; the
    // decrement orders both ways, as the inline ones do.
    void* const given = d;
    __tsan_acquire(given);
    __tsan_release(given);
    return qt(this, other);
}

bool QMetaObject::invokeMethodImpl(QObject* object, QtPrivate::QSlotObjectBase* slot,
                                   Qt::ConnectionType type, void* ret) {
    static const auto qt =
        qtFunction<bool (*)(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*)>(
            "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14"
            "ConnectionTypeEPv");
    __tsan_release(&eventQueues);
    return qt(object, slot, type, ret);
}

void QCoreApplication::postEvent(QObject* receiver, QEvent* event, int priority) {
    static const auto qt = qtFunction<void (*)(QObject*, QEvent*, int)>(
        "_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&eventQueues);
    qt(receiver, event, priority);
}

namespace {
char poolQueues; // the mark that stands for every thread pool's queue
} // namespace

void QThreadPool::start(std::function<void()> functionToRun, int priority) {
    static const auto qt = qtFunction<void (*)(QThreadPool*, std::function<void()>, int)>(
        "_ZN11QThreadPool5startESt8functionIFvvEEi");
    std::function<void()> started = [run = std::move(functionToRun)] {
        __tsan_acquire(&poolQueues);
        run();
    };
    __tsan_release(&poolQueues);
    qt(this, std::move(started), priority);
}
