#pragma once
// The helper object's module: its class object, its lock count and its registration.
// The library's exported entry points are thin calls into this.
#include "capture/comlayer.h"
#include "capture/registrar.h"

#include <QString>

namespace platform {
class Registry;
}

namespace com {

extern const Guid APPID_BriskoMonitor;

class BriskoMonitorModule;

// The class object: makes helper objects, refusing aggregation.
class BriskoBHOFactory : public IClassFactory {
public:
    explicit BriskoBHOFactory(BriskoMonitorModule& module) : m_module(module) {}
    HRESULT QueryInterface(const Guid& iid, void** object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) override;
    HRESULT LockServer(bool lock) override;

private:
    BriskoMonitorModule& m_module;
};


class BriskoMonitorModule {
public:
    // `modulePath`: the library's own file, written into the class's registration.
    BriskoMonitorModule(platform::Registry& registry, const QString& modulePath);

    ModuleLock& lock() { return m_lock; }
    platform::Registry& registry() { return m_registry; }

    HRESULT canUnloadNow() const;
    HRESULT getClassObject(const Guid& clsid, const Guid& iid, void** object);
    HRESULT registerServer();
    HRESULT unregisterServer();
    // `commandLine` "user" (any case) registers for the current user only.
    HRESULT install(bool install, const char16_t* commandLine);

    // The registration scripts: the application id and helper-object entry, the class, and
    // the type library with its interface.
    static RegistryScript appScript();
    static RegistryScript classScript();
    static RegistryScript typeLibraryScript();

private:
    void addReplacements(Registrar& registrar) const;

    platform::Registry& m_registry;
    QString m_modulePath;
    ModuleLock m_lock;
    BriskoBHOFactory m_factory{*this};
};

} // namespace com
