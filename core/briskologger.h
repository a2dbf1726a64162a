#pragma once
// Posts one transfer-statistics record at a time to the service's log collector, on a
// thread of its own so the GUI never waits for the network.
#include <QMutex>
#include <QString>
#include <QThread>

class BriskoLogger : public QThread {
    Q_OBJECT
public:
    BriskoLogger();
    // Waits for a post under way: the thread reads this object.
    ~BriskoLogger() override;

    // Stores the record and starts a post. While a post runs no second one starts; the
    // record is kept and goes out with the next post.
    void log(int accountId, int level, bool isUpload, int speed, int concurrent);

protected:
    void run() override;

private:
    // Guards the record: log() writes it on the GUI thread while run() copies it.
    QMutex m_mutex;
    int m_accountId = 0;
    int m_level = 0;
    QString m_type;
    int m_speed = 0;
    int m_concurrent = 0;
};
