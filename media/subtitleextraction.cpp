#include "media/subtitleextraction.h"

#include "core/localpaths.h"
#include "platform/userfolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

constexpr qint64 kMaxUnpackedBytes = 64 * 1024 * 1024;
constexpr int kMaxUnpackedFiles = 200;
constexpr int kStageWatchMs = 100;

// 7-Zip with a cap on the size of any file it writes: a member that claims little and
// unpacks to more stops at the cap instead of filling the disk between two looks at the
// staging folder.
class CappedProcess : public QProcess {
public:
    CappedProcess(qint64 maxFileBytes, QObject* parent)
        : QProcess(parent), m_maxFileBytes(maxFileBytes) {}

protected:
    void setupChildProcess() override {
        const rlimit limit{rlim_t(m_maxFileBytes), rlim_t(m_maxFileBytes)};
        setrlimit(RLIMIT_FSIZE, &limit);
        // Stopped at the cap, it must not leave a core file behind either.
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    }

private:
    qint64 m_maxFileBytes;
};

// Relative paths of the regular files below `root`; links are skipped, never followed.
QStringList stagedFiles(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir base(root);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!info.isSymLink() && info.isFile())
            files.append(base.relativeFilePath(info.filePath()));
    }
    files.sort();
    return files;
}

// A printed member name as 7-Zip places it in the output folder: no root, no "." or ".."
// parts.
QString placedName(const QString& listed) {
    QStringList parts;
    for (const QString& part : listed.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            parts.append(part);
    }
    return parts.join(QLatin1Char('/'));
}

// The staged file the last printed subtitle became: the same path, else the first file of
// the same name.
QString chosenSubtitle(const QStringList& listed, const QStringList& staged) {
    for (auto it = listed.crbegin(); it != listed.crend(); ++it) {
        const QString placed = placedName(*it);
        if (staged.contains(placed))
            return placed;
        const QString fileName = placed.section(QLatin1Char('/'), -1);
        for (const QString& file : staged) {
            if (!fileName.isEmpty() && file.section(QLatin1Char('/'), -1) == fileName)
                return file;
        }
    }
    return QString();
}

// Makes the folders of `relative` below `root`; an existing part that is a link or no
// folder stops it.
bool makeParents(const QString& root, const QString& relative) {
    QString folder = root;
    const QStringList parts = relative.split(QLatin1Char('/'));
    for (int i = 0; i + 1 < parts.size(); ++i) {
        folder += QLatin1Char('/') + parts.at(i);
        const QFileInfo info(folder);
        if (info.isSymLink() || (info.exists() && !info.isDir()))
            return false;
        if (!info.exists() && !QDir().mkdir(folder))
            return false;
    }
    return true;
}

bool sameFile(const QString& a, const QString& b) {
    if (b.isEmpty())
        return false;
    const QFileInfo left(a), right(b);
    if (left.absoluteFilePath() == right.absoluteFilePath())
        return true;
    return left.exists() && right.exists() && left.canonicalFilePath() == right.canonicalFilePath();
}

// Moves a staged file to root/relative. An existing subtitle there is replaced; any other
// file, a folder or a link there keeps its place and the move fails.
bool moveOut(const QString& staged, const QString& root, const QString& relative,
             const QString& videoPath) {
    if (!makeParents(root, relative))
        return false;
    const QString target = root + QLatin1Char('/') + relative;
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink()) {
        if (existing.isSymLink() || !existing.isFile() || sameFile(target, videoPath) ||
            !subtitlearchive::isSubtitleName(existing.fileName()) || !QFile::remove(target))
            return false;
    }
    return QFile::rename(staged, target);
}

} // namespace

namespace subtitlearchive {

QStringList listedSubtitles(const QByteArray& output) {
    QStringList names;
    const QString text = QString::fromUtf8(output);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        QString name;
        if (line.startsWith(QLatin1String("- ")))
            name = line.mid(2);
        else if (line.startsWith(QLatin1String("Extracting ")) &&
                 !line.startsWith(QLatin1String("Extracting archive:")))
            name = line.mid(11).trimmed();
        if (name.contains(QLatin1String(".srt"), Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

QString extractorProgram() {
    const QString own = platform::programFolder() + QStringLiteral("/7za920/");
    for (const char* name : {"7za", "7z"}) {
        const QFileInfo info(own + QLatin1String(name));
        if (info.isFile())
            return info.filePath();
    }
    for (const char* name : {"7z", "7za"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return QStringLiteral("7z");
}

bool isSubtitleName(const QString& fileName) {
    static const QStringList suffixes = {
        QStringLiteral("srt"), QStringLiteral("sub"), QStringLiteral("ssa"), QStringLiteral("ass"),
        QStringLiteral("vtt"), QStringLiteral("smi"), QStringLiteral("idx")};
    return suffixes.contains(QFileInfo(fileName).suffix().toLower());
}

} // namespace subtitlearchive

SubtitleExtraction::SubtitleExtraction(QObject* parent)
    : QObject(parent), m_maxBytes(kMaxUnpackedBytes), m_maxFiles(kMaxUnpackedFiles) {
    m_stageWatch.setInterval(kStageWatchMs);
    connect(&m_stageWatch, &QTimer::timeout, this, &SubtitleExtraction::checkStage);
}

SubtitleExtraction::~SubtitleExtraction() {
    if (extractProcess) {
        extractProcess->disconnect(this);
        extractProcess->kill();
        extractProcess->waitForFinished(5000);
    }
    if (m_running)
        removeStage();
}

bool SubtitleExtraction::isRunning() const {
    return m_running;
}

void SubtitleExtraction::setLimits(qint64 bytes, int files) {
    m_maxBytes = bytes;
    m_maxFiles = files;
}

bool SubtitleExtraction::extractZip(const QString& archive, const QString& saveFolder,
                                    const QString& videoPath) {
    if (m_running)
        return false;
    m_running = true;
    m_tooLarge = false;
    m_saveFolder = saveFolder;
    m_videoPath = videoPath;
    m_stage = std::make_unique<QTemporaryDir>(tempFolder() + QStringLiteral("/subtitle-XXXXXX"));
    if (!m_stage->isValid()) {
        finish(NoSubtitle, QString());
        return true;
    }
    m_stage->setAutoRemove(false);

    if (extractProcess)
        extractProcess->deleteLater();
    extractProcess = new CappedProcess(m_maxBytes, this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    extractProcess->setProcessEnvironment(environment);
    extractProcess->setProcessChannelMode(QProcess::SeparateChannels);
    connect(extractProcess, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &SubtitleExtraction::getZipFileInfo);
    connect(extractProcess, &QProcess::errorOccurred, this, &SubtitleExtraction::onError);
    // -y and a closed input: an archive that asks anything (a password) fails instead
    // of waiting for an answer nobody gives.
    extractProcess->start(subtitlearchive::extractorProgram(),
                          {QStringLiteral("x"), archive, QStringLiteral("-y"),
                           QStringLiteral("-bb1"), QStringLiteral("-o") + m_stage->path()});
    extractProcess->closeWriteChannel();
    m_stageWatch.start();
    return true;
}

bool SubtitleExtraction::stageWithinLimits() const {
    if (!m_stage || !m_stage->isValid())
        return true;
    QDirIterator it(m_stage->path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    qint64 bytes = 0;
    int entries = 0; // folders and links count as files: each takes its place on disk
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (++entries > m_maxFiles)
            return false;
        if (!info.isSymLink() && info.isFile())
            bytes += info.size();
        if (bytes > m_maxBytes)
            return false;
    }
    return true;
}

void SubtitleExtraction::checkStage() {
    if (!m_running || m_tooLarge || stageWithinLimits())
        return;
    m_tooLarge = true;
    if (extractProcess)
        extractProcess->kill(); // its end reports the failure
}

void SubtitleExtraction::onError(QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart && m_running)
        finish(NoSubtitle, QString());
}

void SubtitleExtraction::getZipFileInfo(int exitCode, QProcess::ExitStatus status) {
    if (!m_running)
        return;
    m_stageWatch.stop();
    const QByteArray output = extractProcess->readAllStandardOutput();
    const QStringList listed = subtitlearchive::listedSubtitles(output);
    if (m_tooLarge || !stageWithinLimits()) {
        qWarning("Subtitle archive unpacks to more than %lld bytes or %d files",
                 static_cast<long long>(m_maxBytes), m_maxFiles);
        finish(NoSubtitle, QString());
        return;
    }
    // 7-Zip's exit status 1 is a warning; 2 and above mean it failed.
    if (status != QProcess::NormalExit || exitCode >= 2 || listed.isEmpty()) {
        finish(NoSubtitle, QString());
        return;
    }
    const QString stage = m_stage->path();
    const QStringList staged = stagedFiles(stage);
    const QString subtitle = chosenSubtitle(listed, staged);
    if (subtitle.isEmpty()) {
        finish(NotFound, QString());
        return;
    }

    for (const QString& file : staged) {
        if (file == subtitle)
            continue;
        if (!moveOut(stage + QLatin1Char('/') + file, m_saveFolder, file, m_videoPath))
            qWarning("Subtitle archive member %s was not moved: a file of that name is in the way",
                     qUtf8Printable(file));
    }

    QString target = subtitle;
    if (!m_videoPath.isEmpty()) {
        const QString folder = subtitle.contains(QLatin1Char('/'))
                                   ? subtitle.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/')
                                   : QString();
        const QString suffix = QFileInfo(subtitle).suffix();
        target = folder + QFileInfo(m_videoPath).completeBaseName() +
                 (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    }
    const QString stagedSubtitle = stage + QLatin1Char('/') + subtitle;
    Outcome outcome = Done;
    if (!moveOut(stagedSubtitle, m_saveFolder, target, m_videoPath)) {
        outcome = MoveFailed;
        // Kept under its own name when it can be.
        if (target == subtitle || !moveOut(stagedSubtitle, m_saveFolder, subtitle, m_videoPath))
            qWarning("Unpacked subtitle %s could not be placed in the save folder",
                     qUtf8Printable(subtitle));
    }
    finish(outcome, outcome == Done
                        ? QDir::toNativeSeparators(m_saveFolder + QLatin1Char('/') + target)
                        : QString());
}

void SubtitleExtraction::finish(Outcome outcome, const QString& subtitlePath) {
    m_running = false;
    m_stageWatch.stop();
    removeStage();
    emit finished(outcome, subtitlePath);
}

void SubtitleExtraction::removeStage() {
    // What did not move out (members in the way, an archive cut at the limits) goes: the
    // staging folder is the program's, and nobody looks there. An empty path would be the
    // working folder.
    if (m_stage && m_stage->isValid() && !m_stage->path().isEmpty())
        QDir(m_stage->path()).removeRecursively();
}
