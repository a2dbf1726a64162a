#pragma once
// Keeps the program current: reports how the last self-update ended, asks the service
// for the latest version, offers or forces the update, downloads the setup program and
// hands it to an install script that runs it, records the outcome, starts the program
// again and removes itself; the program ends meanwhile.
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QWidget;
class SimpleDownloadDialog;

class UpdateHelper : public QObject {
    Q_OBJECT
public:
    // Where and in which direction two version texts first differ.
    struct VersionOrder {
        int position;  // index of the deciding element; 999999 when they are equal
        int direction; // +1: the candidate is newer, -1: older, 0: the same
    };

    // The version this program reports to the update check.
    static constexpr char kBuildVersion[] = "5.3.0.174";

    explicit UpdateHelper(QWidget* parent);
    ~UpdateHelper() override;

    // GUI thread. `onDone` runs (on the GUI thread) when the check ends without an
    // update being installed; `force` makes a newer version a required update.
    void check_and_update(std::function<void()> onDone, bool force);

    static VersionOrder versionNewer(const QString& current, const QString& candidate);

    // The file in which the install script leaves "success" or "error".
    static QString installStatusPath();
    // Start-up: moves what the install script left into the "update/status" setting.
    static void foldInstallStatus();
    // The install script: waits for the process waitForPid to end (0: don't wait), runs
    // setup silently, records its outcome in statusFile, starts program and removes
    // setup and itself.
    static QByteArray installScript(const QString& setup, const QString& program,
                                    const QString& statusFile, qint64 waitForPid);
    // The program's own end (windows hidden, settings written, the single-copy lock let
    // go, calls cancelled), which an update that ends the program goes through. Until it
    // is set, the settings are written and the process exits.
    static void setProgramEnd(std::function<void(int status)> end);

protected:
    // Ends the program with this exit status (setProgramEnd). Tests replace it.
    virtual void quitProgram(int status);

private slots:
    void do_update(QString ver, QString data, bool is_retry);
    void execute_update(std::string fn);

private:
    void startCheck(bool isRetry);
    void startDownload(const QString& data);
    void downloadFinished(int result);
    void sendUpdateEvent(const QString& action, const QString& label);
    void finishWithoutUpdate();
    static QString webLink();

    QWidget* parentWidget;
    std::function<void()> callback;
    bool force = false;
    QPointer<SimpleDownloadDialog> dialog; // one per do_update, reused by its retries
    QString setupPath;
};
