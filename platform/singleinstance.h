#pragma once
// Keeps one running copy of the program per user: the first copy holds a lock file and
// listens on a local socket; a later copy hands its start-up message to it and ends.
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `id` names the program; copies with the same id and user share one instance.
    explicit SingleInstance(const QString& id = QStringLiteral("briskotool"),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy is the running one: a live copy holds the lock.
    bool isRunning() const;
    // True when this copy could not take the lock although no live copy holds it: the
    // lock file cannot be written (a full or read-only disk), or a dead copy's cannot be
    // removed. Such a copy is not the running one and has nobody to hand over to.
    bool lockFailed() const { return lockFailed_; }
    // The folder the lock file goes into.
    QString lockFolder() const { return lockFolder_; }
    // Hands `message` to the running copy and waits for its acknowledgement; false when
    // there is none or a step took longer than `timeoutMs`.
    bool sendMessage(const QString& message, int timeoutMs);

    // Stops listening and unlocks, so that a copy started now becomes the running one
    // (a restart). Afterwards this copy is no longer the first one.
    void release();

    // Where the lock and the socket live (a folder private to this user).
    QString socketPath() const { return socketPath_; }

signals:
    // A message from a later copy, on the thread of this object (the GUI thread).
    void messageReceived(const QString& message);

private:
    void listen();
    void readFrom(QLocalSocket* socket);
    // After a failed tryLock: whether a live copy holds the lock.
    bool heldByLiveCopy() const;

    QString socketPath_;
    QString lockFolder_;
    std::unique_ptr<QLockFile> lock_;
    bool primary_ = false;
    bool otherCopy_ = false;
    bool lockFailed_ = false;
    QLocalServer* server_ = nullptr;
};
