// The entry points of libBriskoMonitor.so, named as a component server's are.
#include "capture/briskomonitor.h"
#include "platform/registry.h"

#include <QFile>

#include <dlfcn.h>

namespace {

QString ownPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ownPath), &info) && info.dli_fname)
        return QFile::decodeName(info.dli_fname);
    return QString();
}

com::BriskoMonitorModule& module() {
    static com::BriskoMonitorModule instance(platform::userRegistry(), ownPath());
    return instance;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) com::HRESULT DllCanUnloadNow() {
    return module().canUnloadNow();
}

__attribute__((visibility("default"))) com::HRESULT DllGetClassObject(const com::Guid* clsid,
                                                                      const com::Guid* iid,
                                                                      void** object) {
    if (!clsid || !iid)
        return com::E_INVALIDARG;
    return module().getClassObject(*clsid, *iid, object);
}

__attribute__((visibility("default"))) com::HRESULT DllRegisterServer() {
    return module().registerServer();
}

__attribute__((visibility("default"))) com::HRESULT DllUnregisterServer() {
    return module().unregisterServer();
}

__attribute__((visibility("default"))) com::HRESULT DllInstall(int install,
                                                               const char16_t* commandLine) {
    return module().install(install != 0, commandLine);
}

} // extern "C"
