#include "filemanager/servicecall.h"

#include "api/apiresult.h"
#include "core/actionthread.h"
#include "core/globals.h"
#include "core/ruridudi.h"

ServiceCallResult callWithReLogin(const std::function<bool(brisko::file_api&)>& attempt) {
    ServiceCallResult result;
    for (int round = 0; round < 2; ++round) {
        brisko::file_api api(&apiClient);
        result.ok = attempt(api);
        result.code = api.get_error_code();
        result.message = api.get_error_msg();
        if (result.ok || result.code != brisko::kCodeSessionExpired || !currentUser || round > 0)
            return result;
        ActionThread::reLogin(currentUser->getEmail(), currentUser->getPassword());
    }
    return result;
}
