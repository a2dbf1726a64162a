#pragma once
// Unpacks a downloaded subtitle archive with the 7-Zip console program and moves what it
// holds into the save folder. 7-Zip writes into a fresh staging folder of its own; what
// moves out is decided on the files it wrote there, never on the names it printed: only
// regular files move, links are neither followed nor moved, and no file that is not a
// subtitle is replaced in the save folder (the video least of all). What one archive may
// unpack is bounded (64 MB, 200 files); the staging folder goes once the members are out.
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QTemporaryDir;

namespace subtitlearchive {

// The names of the members 7-Zip reports extracting ("- name" lines of -bb1, or the
// "Extracting  name" lines of older builds) that look like subtitles (".srt" anywhere,
// in any case), in the order printed. The output is read as UTF-8.
QStringList listedSubtitles(const QByteArray& output);

// The program folder's own copy under 7za920/ when there is one, else 7z or 7za on PATH.
QString extractorProgram();

// True for the file names a subtitle search may replace in the save folder.
bool isSubtitleName(const QString& fileName);

} // namespace subtitlearchive

class SubtitleExtraction : public QObject {
    Q_OBJECT
public:
    enum Outcome {
        Done,       // subtitlePath names the subtitle where it landed
        NoSubtitle, // the extractor failed, printed no subtitle, or unpacked too much
        NotFound,   // the subtitle it printed is not among the files it wrote
        MoveFailed  // the subtitle could not take its place; it was kept (see kept)
    };
    Q_ENUM(Outcome)

    explicit SubtitleExtraction(QObject* parent = nullptr);
    // Kills an extractor still running and waits for it.
    ~SubtitleExtraction() override;

    // Unpacks `archive` and moves its members into `saveFolder`. With a video path the
    // subtitle takes the video's base name (beside where the archive put it). False, with
    // nothing started, while an earlier extraction runs.
    bool extractZip(const QString& archive, const QString& saveFolder, const QString& videoPath);
    bool isRunning() const;
    // What one archive may unpack; for tests, which use small ones.
    void setLimits(qint64 bytes, int files);

signals:
    // Once per extractZip(), when the extractor has ended. Paths use native separators.
    void finished(SubtitleExtraction::Outcome outcome, const QString& subtitlePath);

private:
    // The extractor has ended: reads its listing and moves the members out.
    void getZipFileInfo(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);
    // Stops the extractor once the staging folder holds more than the limits allow.
    void checkStage();
    bool stageWithinLimits() const;
    void finish(Outcome outcome, const QString& subtitlePath);
    void removeStage();

    QPointer<QProcess> extractProcess;
    QTimer m_stageWatch;
    qint64 m_maxBytes;
    int m_maxFiles;
    bool m_tooLarge = false;
    std::unique_ptr<QTemporaryDir> m_stage;
    QString m_saveFolder;
    QString m_videoPath;
    bool m_running = false;
};
