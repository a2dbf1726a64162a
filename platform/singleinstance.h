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

    // True when another copy is the running one (this copy is not listening).
    bool isRunning() const;
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

    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    bool primary_ = false;
    QLocalServer* server_ = nullptr;
};
