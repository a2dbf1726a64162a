// Linked into every program of the ThreadSanitizer tree (see cmake/sanitize.cmake).
//
// Qt's mutexes and threads live in the uninstrumented libQt5Core. The mutexes' fast paths
// are inline atomics that ThreadSanitizer sees, but a contended lock or unlock, QMutex's
// out-of-line lock() and unlock() and the unlock and relock inside QWaitCondition::wait()
// are not seen, so data that a QMutex guards reads as a race whenever two threads met at
// the lock. Likewise QThread::wait() on a thread that has already ended returns through
// such a mutex, so what the thread wrote reads as a race after the wait.
//
// These definitions take the place of Qt's for calls from this program's own code (and
// from Qt's other libraries; libQt5Core's calls to itself stay inside it): each calls Qt's and
// tells ThreadSanitizer what it ordered: a mutex taken (acquire) or given up (release), on the
// address of the mutex as the inline atomics do; a thread that ended (release, on its QThread, once
// run() has returned) and a wait or check that saw it end (acquire).
//
// A QString assigned through Qt's operator= gives up its old text with a decrement of the
// text's count inside Qt, which the sanitizer doesn't see: the decrement that frees the
// text would not be ordered after those of other threads that shared it. Static texts
// (the shared empty and null ones, literals) are never counted nor freed, and every
// thread shares them: they order nothing.
//
// A function handed to a QThreadPool: see qtpoolsync.cpp. A QSemaphore's release releases
// and an acquire that took it acquires.
//
// Events reach the receiving thread through its event queue, whose mutex the sanitizer
// doesn't see either. Qt orders a post only with the delivery of that event, so each post
// gets a mark that the delivery acquires:
// - an event posted by our code: the event itself;
// - a queued call of a function (QMetaObject::invokeMethod with a functor): the object
//   that holds the function, made for that call alone;
// - a queued call of a method by its name: a mark of the receiver's, acquired by the
//   delivery of such a call;
// - a queued signal, posted inside Qt: a mark of the emitting object's signal, released
//   when the emission begins and acquired by the delivery of a call that this signal of
//   this object made. Marks live in a table of their own, so a call delivered after its
//   sender was deleted still finds its emission's.
// - a queued signal or call that carries a value of one of our types: Qt copies the value
//   through the meta-type system just before it posts the call, after the slots connected
//   before it ran. Types registered from our code are registered with functions of ours
//   around their own, so the copy releases on its own address; the delivery acquires there
//   instead of the mark, and so does the copy's destruction, which for a call dropped
//   undelivered (its receiver went first) runs on the thread that removed it.
// Events sent synchronously (sendEvent), the end of an emission (the slots called after
// the post) and emissions nobody receives order nothing.
//
// A saved file's descriptor (QSaveFile), which our code checks and syncs, is closed inside
// Qt; the close is told to the sanitizer just before (see the end of this file).
//
// What ThreadSanitizer cannot see in this tree (test_qtlocksync has a row for each but the
// chance one, expected silent):
// - a race whose one side runs inside Qt's uninstrumented code;
// - a race that a mark hides by ordering more than Qt does: the delivery of a signal that
//   carries no value of ours is ordered after every emission of that signal by that
//   object that began before the delivery, not only after its own; and by chance (one
//   key in 65536) after another object's signal that shares its mark; likewise the
//   delivery of a call by name that carries no value of ours, after every call by name
//   to that receiver posted before it;
// - a race that a copy made through the meta-type system hides: its destruction is
//   ordered after the copy wherever it runs, so a copy handed to another thread by means
//   the sanitizer doesn't see (a QVariant behind a plain pointer) reads as handed over.
// The other way round, an order made only inside Qt (a QRunnable started on a pool, a
// timer's call moved to another thread, an event Qt posts by itself, and what the slots
// connected before a queued connection did, for a signal that carries no value of ours,
// since its mark is released when the emission begins) is not seen either: data handed
// over that way reads as a race.
// What crosses threads in our queued signals is a value with no shared mutable state (a
// list of records handed over whole, of which the sender keeps none, counts as one), a
// pointer to a value nobody changes any more (std::shared_ptr<const T>), or a transfer
// job, whose fields are read under its own mutex, which the tree sees. Values of our types
// are ordered by their copies, not by a mark.
#include <QByteArray>
#include <QCoreApplication>
#include <QMetaType>
#include <QMutex>
#include <QSaveFile>
#include <QSemaphore>
#include <QString>
#include <QThread>
#include <QVariant>
#include <QWaitCondition>

#include "qtfunction.h"

#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

// The sanitizer's hook for a close made where it cannot see it (from its syscall hooks).
extern "C" void __sanitizer_syscall_pre_impl_close(long fd);

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

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

// The marks of signals and queued calls, chosen by a hash of the object and the signal (-1
// for a queued call); two keys that share a slot only order more than Qt does, never less
// than it.
constexpr unsigned kMarkBits = 16;
alignas(8) char callMarks[(1u << kMarkBits) * 8];

void* callMark(const void* object, int signal) {
    const quint64 key = quint64(reinterpret_cast<quintptr>(object)) ^
                        (quint64(quint32(signal)) * 0x9E3779B97F4A7C15ull);
    const quint64 slot = (key * 0xBF58476D1CE4E5B9ull) >> (64 - kMarkBits);
    return callMarks + slot * 8;
}

constexpr int kQueuedCall = -1;

// Where a queued call's event keeps the object that emitted, the signal's index (null and
// -1 for a call no signal made) and the copies of the arguments with their types. Qt's
// event class for it is private: the offsets are found once by building two with known
// values.
struct CallEventLayout {
    const void* vtable = nullptr; // other events of this type are not calls of this class
    std::size_t sender = 0;
    std::size_t signal = 0;
    std::size_t args = 0;
    std::size_t count = 0;
    std::size_t slot = 0; // the function a call of a function runs
};

template <typename T> T fieldAt(const void* event, std::size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(event) + offset, sizeof value);
    return value;
}

CallEventLayout findCallEventLayout() {
    const QtFunction<void (*)(void*, QtPrivate::QSlotObjectBase*, const QObject*, int, int)>
        construct("_ZN14QMetaCallEventC1EPN9QtPrivate15QSlotObjectBaseEPK7QObjectii");
    const QtFunction<void (*)(void*)> destroy("_ZN14QMetaCallEventD1Ev");
    static const char probe = 0;
    const auto* probeSender = reinterpret_cast<const QObject*>(&probe);
    constexpr int probeSignal = 0x5EED1D;
    // Counted by the event, never run.
    struct ProbeSlot : QtPrivate::QSlotObjectBase {
        ProbeSlot() : QSlotObjectBase([](int, QSlotObjectBase*, QObject*, void**, bool*) {}) {}
    };
    static ProbeSlot probeSlot;
    // One and three places (the return value's and two arguments'): both fit the event's
    // own room for arguments, so the place of the arguments points into the event.
    alignas(16) unsigned char one[512] = {};
    alignas(16) unsigned char three[512] = {};
    construct(one, &probeSlot, probeSender, probeSignal, 1);
    construct(three, &probeSlot, probeSender, probeSignal, 3);
    CallEventLayout layout;
    layout.vtable = fieldAt<const void*>(one, 0);
    // Past the event's virtual table and private data; the index may sit in the tail
    // padding of QEvent.
    for (std::size_t at = 2 * sizeof(void*); at + sizeof(void*) <= 128; at += alignof(int)) {
        const auto pointer = fieldAt<const unsigned char*>(one, at);
        if (at % alignof(void*) == 0 && pointer == reinterpret_cast<const unsigned char*>(&probe))
            layout.sender = at;
        if (at % alignof(void*) == 0 && pointer > one && pointer < one + sizeof one)
            layout.args = at;
        if (at % alignof(void*) == 0 &&
            pointer == reinterpret_cast<const unsigned char*>(static_cast<void*>(&probeSlot)))
            layout.slot = at;
        if (fieldAt<int>(one, at) == probeSignal)
            layout.signal = at;
        if (fieldAt<int>(one, at) == 1 && fieldAt<int>(three, at) == 3)
            layout.count = at;
    }
    destroy(one);
    destroy(three);
    if (!layout.sender || !layout.signal || !layout.args || !layout.count || !layout.slot) {
        std::fprintf(stderr, "qtlocksync: Qt's queued call event has an unknown layout\n");
        std::abort();
    }
    return layout;
}

const CallEventLayout callEvent = findCallEventLayout();

void emissionBegins(QObject* sender, int signal, void**) {
    __tsan_release(callMark(sender, signal));
}

// Qt's own functions of the types registered through this program, by type id. Qt calls
// ours instead (constructCopy, destroyCopy), which call these.
constexpr int kCopiedTypes = 1 << 14;
std::atomic<QMetaType::Constructor> constructors[kCopiedTypes];
std::atomic<QMetaType::Destructor> destructors[kCopiedTypes];

// The registering thread stores the functions right after Qt handed out the id, so
// another thread that learnt the id meanwhile waits that long at most. Relaxed: the
// functions are code, and the sanitizer must see no order here.
template <typename Fn> Fn registered(const std::atomic<Fn>& function) {
    Fn found = function.load(std::memory_order_relaxed);
    while (!found) {
        std::this_thread::yield();
        found = function.load(std::memory_order_relaxed);
    }
    return found;
}

bool copiedByUs(int type) {
    const int index = type - QMetaType::User;
    return index >= 0 && index < kCopiedTypes &&
           constructors[index].load(std::memory_order_relaxed);
}

// A copy made through the meta-type system (a queued call's argument, a QVariant) is ordered
// with every later use Qt makes of it: its delivery and its destruction.
void* constructCopy(int type, void* where, const void* copy) {
    void* made = registered(constructors[type - QMetaType::User])(where, copy);
    if (copy)
        __tsan_release(made);
    return made;
}

void destroyCopy(int type, void* where) {
    __tsan_acquire(where);
    registered(destructors[type - QMetaType::User])(where);
}

// The copies of one of our types among a queued call's arguments; true when there was one.
// Each was made after everything its thread did before the call (the emission's other
// work included), so they order the call more narrowly than the signal's mark.
bool acquiredCopies(const QEvent* event) {
    if (fieldAt<const void*>(event, 0) != callEvent.vtable)
        return false;
    const auto args = fieldAt<void* const*>(event, callEvent.args);
    const int count = fieldAt<int>(event, callEvent.count);
    if (!args || count < 2)
        return false;
    const auto* types = reinterpret_cast<const int*>(args + count);
    bool acquired = false;
    for (int n = 1; n < count; ++n) {
        if (args[n] && copiedByUs(types[n])) {
            __tsan_acquire(args[n]);
            acquired = true;
        }
    }
    return acquired;
}

// The function that a queued call of a function (not of a method by its name) runs: made
// for that call alone, so it marks the call.
const void* calledFunction(const QEvent* event) {
    if (fieldAt<const void*>(event, 0) != callEvent.vtable)
        return nullptr;
    return fieldAt<const void*>(event, callEvent.slot);
}

// Runs first in every delivery of an event, posted or sent.
bool eventDelivered(void** data) {
    const auto* receiver = static_cast<const QObject*>(data[0]);
    const auto* event = static_cast<const QEvent*>(data[1]);
    __tsan_acquire(const_cast<QEvent*>(event)); // released only when our code posted it
    if (event->type() == QEvent::MetaCall && !acquiredCopies(event)) {
        const auto* sender = fieldAt<const QObject*>(event, callEvent.sender);
        const int signal = fieldAt<int>(event, callEvent.signal);
        if (sender)
            __tsan_acquire(callMark(sender, signal));
        else if (const void* function = calledFunction(event))
            __tsan_acquire(const_cast<void*>(function));
        else
            __tsan_acquire(callMark(receiver, kQueuedCall));
    }
    return false; // the event goes on as usual
}

// The end of an emission orders nothing: the slots called directly after a queued post
// are not ordered with its delivery.
QSignalSpyCallbackSet emissionHooks{emissionBegins, nullptr, nullptr, nullptr};

const bool hooked = [] {
    qt_register_signal_spy_callbacks(&emissionHooks);
    return QInternal::registerCallback(QInternal::EventNotifyCallback, eventDelivered);
}();

// A call to `object` of this kind reaches it through its thread's event queue.
bool isQueued(const QObject* object, Qt::ConnectionType type) {
    if (type == Qt::AutoConnection)
        return object && object->thread() != QThread::currentThread();
    return type == Qt::QueuedConnection || type == Qt::BlockingQueuedConnection;
}

} // namespace

namespace {
QtFunction<void (*)(QBasicMutex*)> qtBasicLock("_ZN11QBasicMutex12lockInternalEv");
} // namespace

void QBasicMutex::lockInternal() QT_MUTEX_LOCK_NOEXCEPT {
    qtBasicLock(this);
    __tsan_acquire(this);
}

namespace {
QtFunction<bool (*)(QBasicMutex*, int)> qtBasicTryLock("_ZN11QBasicMutex12lockInternalEi");
} // namespace

bool QBasicMutex::lockInternal(int timeout) QT_MUTEX_LOCK_NOEXCEPT {
    return acquiredIf(qtBasicTryLock(this, timeout), this);
}

namespace {
QtFunction<void (*)(QBasicMutex*)> qtBasicUnlock("_ZN11QBasicMutex14unlockInternalEv");
} // namespace

void QBasicMutex::unlockInternal() noexcept {
    __tsan_release(this);
    qtBasicUnlock(this);
}

namespace {
QtFunction<void (*)(QMutex*)> qtLock("_ZN6QMutex4lockEv");
} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT {
    qtLock(this);
    __tsan_acquire(this);
}

namespace {
QtFunction<bool (*)(QMutex*, int)> qtTryLock("_ZN6QMutex7tryLockEi");
} // namespace

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT {
    return acquiredIf(qtTryLock(this, timeout), this);
}

namespace {
QtFunction<void (*)(QMutex*)> qtUnlock("_ZN6QMutex6unlockEv");
} // namespace

void QMutex::unlock() noexcept {
    __tsan_release(this);
    qtUnlock(this);
}

namespace {
QtFunction<bool (*)(QWaitCondition*, QMutex*, QDeadlineTimer)>
    qtWaitDeadline("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
} // namespace

bool QWaitCondition::wait(QMutex* lockedMutex, QDeadlineTimer deadline) {
    __tsan_release(lockedMutex);
    const bool woken = qtWaitDeadline(this, lockedMutex, deadline);
    __tsan_acquire(lockedMutex);
    return woken;
}

namespace {
QtFunction<bool (*)(QWaitCondition*, QMutex*, unsigned long)>
    qtWaitTime("_ZN14QWaitCondition4waitEP6QMutexm");
} // namespace

bool QWaitCondition::wait(QMutex* lockedMutex, unsigned long time) {
    __tsan_release(lockedMutex);
    const bool woken = qtWaitTime(this, lockedMutex, time);
    __tsan_acquire(lockedMutex);
    return woken;
}

namespace {
QtFunction<void (*)(QThread*, QThread::Priority)> qtThreadStart("_ZN7QThread5startENS_8PriorityE");
} // namespace

void QThread::start(Priority priority) {
    // finished() is emitted on the thread itself after run() has returned, before the
    // thread is marked as ended and its waiters are woken.
    static const char kMarked[] = "qtlocksyncReleasesAtFinish";
    if (!property(kMarked).toBool()) {
        setProperty(kMarked, true);
        connect(
            this, &QThread::finished, this, [this] { __tsan_release(this); }, Qt::DirectConnection);
    }
    qtThreadStart(this, priority);
}

namespace {
QtFunction<bool (*)(QThread*, QDeadlineTimer)>
    qtThreadWaitDeadline("_ZN7QThread4waitE14QDeadlineTimer");
} // namespace

bool QThread::wait(QDeadlineTimer deadline) {
    return acquiredIf(qtThreadWaitDeadline(this, deadline), this);
}

namespace {
QtFunction<bool (*)(QThread*, unsigned long)> qtThreadWaitTime("_ZN7QThread4waitEm");
} // namespace

bool QThread::wait(unsigned long time) {
    return acquiredIf(qtThreadWaitTime(this, time), this);
}

namespace {
QtFunction<bool (*)(const QThread*)> qtIsFinished("_ZNK7QThread10isFinishedEv");
} // namespace

bool QThread::isFinished() const {
    return acquiredIf(qtIsFinished(this), this);
}

namespace {
QtFunction<bool (*)(const QThread*)> qtIsRunning("_ZNK7QThread9isRunningEv");
} // namespace

bool QThread::isRunning() const {
    return !acquiredIf(!qtIsRunning(this), this);
}

namespace {
QtFunction<QString& (*)(QString*, const QString&)> qtAssignString("_ZN7QStringaSERKS_");
} // namespace

QString& QString::operator=(const QString& other) noexcept {
    // The count is the first field of the text, and d the only field of a QString; the
    // decrement orders both ways, as the inline ones do.
    if (!d->ref.isStatic()) {
        __tsan_acquire(d);
        __tsan_release(d);
    }
    return qtAssignString(this, other);
}

namespace {
QtFunction<bool (*)(QObject*, QtPrivate::QSlotObjectBase*, Qt::ConnectionType, void*)>
    qtInvokeSlot("_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14"
                 "ConnectionTypeEPv");
} // namespace

bool QMetaObject::invokeMethodImpl(QObject* object, QtPrivate::QSlotObjectBase* slot,
                                   Qt::ConnectionType type, void* ret) {
    if (isQueued(object, type))
        __tsan_release(slot);
    return qtInvokeSlot(object, slot, type, ret);
}

namespace {
QtFunction<bool (*)(QObject*, const char*, Qt::ConnectionType, QGenericReturnArgument,
                    QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument,
                    QGenericArgument, QGenericArgument, QGenericArgument, QGenericArgument,
                    QGenericArgument, QGenericArgument)>
    qtInvokeByName(
        "_ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument"
        "16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_");
} // namespace

bool QMetaObject::invokeMethod(QObject* object, const char* member, Qt::ConnectionType type,
                               QGenericReturnArgument ret, QGenericArgument val0,
                               QGenericArgument val1, QGenericArgument val2, QGenericArgument val3,
                               QGenericArgument val4, QGenericArgument val5, QGenericArgument val6,
                               QGenericArgument val7, QGenericArgument val8,
                               QGenericArgument val9) {
    if (isQueued(object, type))
        __tsan_release(callMark(object, kQueuedCall));
    return qtInvokeByName(object, member, type, ret, val0, val1, val2, val3, val4, val5, val6, val7,
                          val8, val9);
}

namespace {
QtFunction<int (*)(const QByteArray&, QMetaType::TypedDestructor, QMetaType::TypedConstructor, int,
                   QMetaType::TypeFlags, const QMetaObject*)>
    qtRegisterTyped("_ZN9QMetaType22registerNormalizedTypeERK10QByteArrayPFviPvEPFS3_iS3_PKvEi6"
                    "QFlagsINS_8TypeFlagEEPK11QMetaObject");
} // namespace

// qRegisterMetaType and the automatic registrations of Qt's headers come here. A type that
// was known before keeps the functions it was registered with.
int QMetaType::registerNormalizedType(const ::QByteArray& normalizedTypeName, Destructor destructor,
                                      Constructor constructor, int size, TypeFlags flags,
                                      const QMetaObject* metaObject) {
    const bool known = QMetaType::type(normalizedTypeName) != QMetaType::UnknownType;
    const int id =
        qtRegisterTyped(normalizedTypeName, destroyCopy, constructCopy, size, flags, metaObject);
    if (known || id < QMetaType::User)
        return id;
    const int index = id - QMetaType::User;
    if (index >= kCopiedTypes) {
        std::fprintf(stderr, "qtlocksync: more than %d types registered\n", kCopiedTypes);
        std::abort();
    }
    Destructor noDestructor = nullptr;
    destructors[index].compare_exchange_strong(noDestructor, destructor, std::memory_order_relaxed);
    Constructor noConstructor = nullptr;
    constructors[index].compare_exchange_strong(noConstructor, constructor,
                                                std::memory_order_relaxed);
    return id;
}

namespace {
QtFunction<void (*)(QObject*, QEvent*, int)>
    qtPostEvent("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
} // namespace

void QCoreApplication::postEvent(QObject* receiver, QEvent* event, int priority) {
    __tsan_release(event);
    qtPostEvent(receiver, event, priority);
}

// A semaphore orders what came before a release with an acquire that took it.
namespace {
QtFunction<void (*)(QSemaphore*, int)> qtSemaphoreAcquire("_ZN10QSemaphore7acquireEi");
QtFunction<bool (*)(QSemaphore*, int)> qtSemaphoreTryAcquire("_ZN10QSemaphore10tryAcquireEi");
QtFunction<bool (*)(QSemaphore*, int, int)>
    qtSemaphoreTryAcquireFor("_ZN10QSemaphore10tryAcquireEii");
QtFunction<void (*)(QSemaphore*, int)> qtSemaphoreRelease("_ZN10QSemaphore7releaseEi");
} // namespace

void QSemaphore::acquire(int n) {
    qtSemaphoreAcquire(this, n);
    __tsan_acquire(this);
}

bool QSemaphore::tryAcquire(int n) {
    return acquiredIf(qtSemaphoreTryAcquire(this, n), this);
}

bool QSemaphore::tryAcquire(int n, int timeout) {
    return acquiredIf(qtSemaphoreTryAcquireFor(this, n, timeout), this);
}

void QSemaphore::release(int n) {
    __tsan_release(this);
    qtSemaphoreRelease(this, n);
}

// A saved file's descriptor, which our code checks and syncs (atomicfile.cpp), is closed
// inside Qt, by commit() or by the destructor after cancelWriting(); the sanitizer would
// keep our code's last use of its number, and report it against the close of a later
// descriptor that got the number where it does not see the opening (mkstemp, opendir).
// The close is told to it first, while the descriptor is still open.
namespace {
QtFunction<bool (*)(QSaveFile*)> qtCommit("_ZN9QSaveFile6commitEv");
QtFunction<void (*)(QSaveFile*)> qtCancelWriting("_ZN9QSaveFile13cancelWritingEv");

void closesUnseen(const QSaveFile* file) {
    if (file->isOpen() && file->handle() >= 0)
        __sanitizer_syscall_pre_impl_close(file->handle());
}
} // namespace

bool QSaveFile::commit() {
    closesUnseen(this);
    return qtCommit(this);
}

void QSaveFile::cancelWriting() {
    closesUnseen(this);
    qtCancelWriting(this);
}
