#include "bench/benchcommon.h"

#include "api/userapi.h"
#include "core/globals.h"
#include "core/ruridudi.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <memory>

qint64 peakRssKib() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

bool benchLogIn() {
    const QByteArray email = qgetenv("BRISKO_BENCH_EMAIL");
    const QByteArray password = qgetenv("BRISKO_BENCH_PASSWORD");
    brisko::user_api api(&apiClient);
    if (!api.login(email.toStdString(), password.toStdString())) {
        std::fprintf(stderr, "brisko-bench-download: login failed: %d %s\n", api.get_error_code(),
                     api.get_error_msg().c_str());
        return false;
    }
    const std::unique_ptr<brisko::user> account = api.get();
    const int level = account ? QString::fromStdString(account->get_level()).toInt() : 0;
    currentUser = new RuriDudi(QString(), QString::fromUtf8(email), QString(),
                               QString::fromUtf8(password), level, 0);
    return true;
}
