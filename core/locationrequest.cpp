#include "core/locationrequest.h"

#include "api/apiresult.h"
#include "api/sessionapi.h"
#include "core/servicecall.h"

LocationAnswer requestDownloadLocation(const QString& shareLink, const QString& password, bool zip,
                                       const ReLoginCredentials& credentials) {
    const std::string link = shareLink.toUtf8().toStdString();
    const std::string filePassword = password.toUtf8().toStdString();
    std::string location;
    const ServiceCallResult result =
        callWithReLogin<brisko::sessionapi>(credentials, [&](brisko::sessionapi& api) {
            location = api.download(link, filePassword, zip);
            return api.get_error_code() == brisko::kCodeSuccess;
        });
    LocationAnswer answer;
    answer.code = result.code == brisko::kCodeServiceOk ? brisko::kCodeSuccess : result.code;
    answer.message = QString::fromUtf8(result.message.c_str());
    answer.location = QString::fromLatin1(location.c_str());
    return answer;
}
