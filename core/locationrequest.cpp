#include "core/locationrequest.h"

#include "api/apiresult.h"
#include "api/sessionapi.h"
#include "core/globals.h"

LocationAnswer requestDownloadLocation(const QString& shareLink, const QString& password, bool zip,
                                       const ReLoginCredentials& credentials) {
    LocationAnswer answer;
    answer.code = brisko::kCodeNoCall;
    for (int round = 0; round < 2; ++round) {
        brisko::sessionapi api(&apiClient);
        answer.location = QString::fromLatin1(
            api.download(shareLink.toUtf8().toStdString(), password.toUtf8().toStdString(), zip)
                .c_str());
        answer.code = api.get_error_code();
        answer.message = QString::fromUtf8(api.get_error_msg().c_str());
        if (answer.code != brisko::kCodeSessionExpired || round > 0 || !credentials.present ||
            relogin::hasEnded(credentials.login))
            break;
        relogin::logInAgain(credentials);
    }
    if (answer.code == brisko::kCodeServiceOk)
        answer.code = brisko::kCodeSuccess;
    return answer;
}
