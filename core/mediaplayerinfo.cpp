#include "core/mediaplayerinfo.h"

#include "core/localpaths.h"
#include "platform/hostconfig.h"
#include "platform/systemactions.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>


namespace {

// The executables looked up for each player, in order; the first found wins.
struct PlayerName {
    const char* executable;
    MEDIAPLAYER_ID id;
};
const PlayerName kPlayerNames[] = {
    {"vlc", MEDIAPLAYER_VLC},
    {"mpc-hc", MEDIAPLAYER_MPCHC},
};

// What the service offers to install, and how its setup program runs without questions.
struct PlayerSetup {
    MEDIAPLAYER_ID id;
    const char* linkPath;
    const char* name;
    const char* arguments;
};
const PlayerSetup kPlayerSetups[] = {
    {MEDIAPLAYER_VLC, "/file/VLCSETUP0001", "VLC", "/S /NCRC /L=1033"},
    {MEDIAPLAYER_MPCHC, "/file/MPCSETUP0001", "MPC", "/SILENT"},
};

const PlayerSetup* setupOf(MEDIAPLAYER_ID id) {
    for (const PlayerSetup& setup : kPlayerSetups)
        if (setup.id == id)
            return &setup;
    return nullptr;
}

} // namespace

bool playerSetupPlan(MEDIAPLAYER_ID id, PlayerSetupPlan* plan) {
    const PlayerSetup* setup = setupOf(id);
    if (!setup)
        return false;
    plan->name = QString::fromLatin1(setup->name);
    plan->setupPath = tempFolder() + QStringLiteral("/player_%1_setup_brisko").arg(plan->name);
    plan->link = QStringLiteral("https://www.") + QString::fromStdString(hosts::webHost()) +
                 QString::fromLatin1(setup->linkPath);
    plan->arguments =
        QString::fromLatin1(setup->arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return true;
}

void runPlayerSetup(const QString& setupPath, const QStringList& arguments,
                    const std::function<void(bool)>& done) {
    const platform::ProcessResult run =
        platform::systemActions().runAndWait(setupPath, arguments, -1);
    QFile::remove(setupPath);
    // An installer that could not start, or crashed, installed nothing.
    done(run.started && run.finished);
}

bool MediaPlayerInfo::startPlayer(const QString& media, const QString& subtitle) const {
    QStringList arguments{media};
    if (!subtitle.isEmpty()) {
        if (id == MEDIAPLAYER_VLC)
            arguments << QStringLiteral("--sub-file") << subtitle;
        else if (id == MEDIAPLAYER_MPCHC)
            arguments << QStringLiteral("/sub") << subtitle;
    }
    return platform::systemActions().startDetached(path, arguments);
}

QMap<MEDIAPLAYER_ID, QString> findPlayerPath() {
    QStringList folders;
    const QByteArray override = qgetenv(kPlayerSearchPathVariable);
    if (!override.isEmpty())
        folders = QFile::decodeName(override).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QMap<MEDIAPLAYER_ID, QString> found;
    for (const PlayerName& player : kPlayerNames) {
        if (found.contains(player.id))
            continue;
        // An empty folder list means PATH.
        const QString path =
            QStandardPaths::findExecutable(QString::fromLatin1(player.executable), folders);
        if (!path.isEmpty())
            found.insert(player.id, path);
    }
    return found;
}
