#pragma once
// The environment of a child process that ends as the program does, through exit() with
// its application object and windows alive, and perhaps a thread still finishing: a leak
// check there (the sanitizer trees) would report the application's caches, the font
// database's among them, and fail the child; ThreadSanitizer would wait a second at exit
// for any thread still alive, which would count as the child's time.
#include <QProcessEnvironment>
#include <QString>

inline QProcessEnvironment childEnvironment(QProcessEnvironment environment) {
    const auto add = [&](const QString& name, const QString& option) {
        const QString options = environment.value(name);
        environment.insert(name, options.isEmpty() ? option : options + QLatin1Char(':') + option);
    };
    add(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    add(QStringLiteral("TSAN_OPTIONS"), QStringLiteral("atexit_sleep_ms=0"));
    return environment;
}
