#pragma once
// With BRISKO_TEST_SHOTS naming a folder, tests leave there a picture of the windows they
// look at, for a person to look at too.
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

inline void leaveShot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("BRISKO_TEST_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.grab().save(
        QDir(folder).filePath(QString(name).replace(QLatin1Char(' '), QLatin1Char('-')) + ".png"));
}
