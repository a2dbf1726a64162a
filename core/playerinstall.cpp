#include "core/playerinstall.h"

#include "core/simpledownloaddialog.h"

#include <QCoreApplication>
#include <QFile>

#include <memory>
#include <thread>

void installPlayer(MEDIAPLAYER_ID id, std::function<void(bool)> done, QWidget* parent) {
    PlayerSetupPlan plan;
    if (!playerSetupPlan(id, &plan)) {
        done(false);
        return;
    }
    const QString& setupPath = plan.setupPath;
    auto* dialog = new SimpleDownloadDialog(
        plan.link, setupPath, QString(), QStringLiteral("Download player"),
        QCoreApplication::translate("MediaPlayerInfo", "Đang tải trình xem phim %1").arg(plan.name),
        parent);
    dialog->setWindowModality(Qt::ApplicationModal);
    const QStringList arguments = plan.arguments;
    // `done` hears exactly one outcome, also when the parent takes the dialog down early.
    auto answered = std::make_shared<bool>(false);
    QObject::connect(dialog, &QObject::destroyed, [answered, done] {
        if (!*answered)
            done(false);
    });
    // finished() comes after the dialog has hidden and stopped its transfer.
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog, answered, setupPath, arguments, done](int result) {
                         *answered = true;
                         dialog->deleteLater();
                         if (result != SimpleDownloadDialog::Downloaded ||
                             !QFile::setPermissions(setupPath, QFile::ReadOwner |
                                                                   QFile::WriteOwner |
                                                                   QFile::ExeOwner)) {
                             QFile::remove(setupPath);
                             done(false);
                             return;
                         }
                         std::thread(runPlayerSetup, setupPath, arguments, done).detach();
                     });
    dialog->show();
}
