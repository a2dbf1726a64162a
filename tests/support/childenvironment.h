#pragma once
// The environment of a child process that ends as the program does, through exit() with
// its application object and windows alive: a leak check there (the sanitizer trees) would
// report the application's caches, the font database's among them, and fail the child.
#include <QProcessEnvironment>
#include <QString>

inline QProcessEnvironment withoutLeakCheck(QProcessEnvironment environment) {
    const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       asan.isEmpty() ? QStringLiteral("detect_leaks=0")
                                      : asan + QStringLiteral(":detect_leaks=0"));
    return environment;
}
