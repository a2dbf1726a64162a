#include "platform/singleinstance.h"

#include "platform/userfolders.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace {

// A message is a 32-bit length and that many bytes of UTF-8; the answer is kAck.
const QByteArray kAck = QByteArrayLiteral("ACK");
constexpr quint32 kMaxMessageBytes = 1 << 20; // a command line, not a file

} // namespace

SingleInstance::SingleInstance(const QString& id, QObject* parent) : QObject(parent) {
    const QString folder = platform::privateTempFolder();
    socketPath_ = folder + QLatin1Char('/') + id + QStringLiteral(".socket");
    lockFolder_ = folder;
    lock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + id + QStringLiteral(".lock"));
    // A lock left by a crashed copy names a process that is gone; QLockFile then takes
    // it over, so only a live copy blocks this one.
    lock_->setStaleLockTime(0);
    primary_ = lock_->tryLock(0);
    if (primary_)
        listen();
    else
        otherCopy_ = heldByLiveCopy();
    lockFailed_ = !primary_ && !otherCopy_;
}

bool SingleInstance::heldByLiveCopy() const {
    // Any other error means the lock file could not be made: nobody holds it.
    if (lock_->error() != QLockFile::LockFailedError)
        return false;
    qint64 pid = 0;
    QString host;
    QString program;
    // A copy starting this moment may not have written its lock yet.
    if (!lock_->getLockInfo(&pid, &host, &program) || pid <= 0)
        return true;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true; // not ours to judge
    // QLockFile takes a dead copy's lock over; it stays only where nothing can be removed.
    if (kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    // A number a new process took over.
    const QString running =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid))).fileName();
    return running.isEmpty() || program.isEmpty() || running == program;
}

SingleInstance::~SingleInstance() {
    release();
}

void SingleInstance::release() {
    if (server_) {
        server_->close();
        delete server_;
        server_ = nullptr;
    }
    if (primary_) {
        lock_->unlock();
        primary_ = false;
    }
}

bool SingleInstance::isRunning() const { return otherCopy_; }

void SingleInstance::listen() {
    QLocalServer::removeServer(socketPath_); // a socket file left by a crashed copy
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        qWarning("Single instance: cannot listen on %s: %s", qPrintable(socketPath_),
                 qPrintable(server_->errorString()));
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            readFrom(socket);
        }
    });
}

void SingleInstance::readFrom(QLocalSocket* socket) {
    if (socket->property("done").toBool())
        return;
    if (socket->bytesAvailable() < qint64(sizeof(quint32)))
        return;
    QByteArray header = socket->peek(sizeof(quint32));
    quint32 length = 0;
    QDataStream(header) >> length;
    if (length > kMaxMessageBytes) {
        qWarning("Single instance: refused a message of %u bytes", length);
        socket->setProperty("done", true);
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(sizeof(quint32) + length))
        return; // the rest is on its way
    socket->read(sizeof(quint32));
    const QString message = QString::fromUtf8(socket->read(length));
    socket->setProperty("done", true);
    socket->write(kAck);
    socket->flush();
    // Delivered from the event loop, not from inside this socket's signal: a receiver
    // that runs a dialog would otherwise return into a socket that its sender's hang-up
    // has freed meanwhile.
    QMetaObject::invokeMethod(
        this, [this, message] { emit messageReceived(message); }, Qt::QueuedConnection);
}

bool SingleInstance::sendMessage(const QString& message, int timeoutMs) {
    if (primary_)
        return false;
    QElapsedTimer clock;
    clock.start();
    auto left = [&] { return qMax(0, timeoutMs - int(clock.elapsed())); };

    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(left()))
        return false;
    const QByteArray bytes = message.toUtf8();
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(bytes.size());
    frame += bytes;
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(left()))
            return false;
    }
    QByteArray answer;
    while (answer.size() < kAck.size()) {
        if (!socket.waitForReadyRead(left()))
            return false;
        answer += socket.readAll();
    }
    return answer.startsWith(kAck);
}
