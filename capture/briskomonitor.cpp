#include "capture/briskomonitor.h"

#include "capture/briskobho.h"
#include "platform/registry.h"

#include <QFileInfo>

namespace com {

const Guid APPID_BriskoMonitor =
    Guid::parse(QStringLiteral("{3C5E8A41-7B2D-4F90-9E16-A2D4C7B0E583}"));

using platform::RegistryRoot;
using platform::RegistryValue;
using Mode = RegistryScriptKey::Mode;

namespace {

const QString kProgId = QStringLiteral("BriskoMonitor.BriskoBHO.1");
const QString kIndependentProgId = QStringLiteral("BriskoMonitor.BriskoBHO");
const QString kBhoKey = QStringLiteral(
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects");
// The proxy of dispatch interfaces described by a type library.
const QString kTypeLibraryMarshaler = QStringLiteral("{00020424-0000-0000-C000-000000000046}");

RegistryScriptKey key(const QString& name, Mode mode = Mode::Normal,
                      const QString& defaultText = QString(), QList<RegistryScriptKey> keys = {}) {
    RegistryScriptKey made;
    made.name = name;
    made.mode = mode;
    if (!defaultText.isNull())
        made.values.append({QString(), RegistryValue::text(defaultText)});
    made.keys = std::move(keys);
    return made;
}

// A path of keys that are never removed, ending in `last`.
RegistryScriptKey keptPath(const QString& path, RegistryScriptKey last) {
    QStringList parts = path.split(QLatin1Char('\\'));
    RegistryScriptKey made = std::move(last);
    while (!parts.isEmpty())
        made = key(parts.takeLast(), Mode::NoRemove, QString(), {made});
    return made;
}

} // namespace

BriskoMonitorModule::BriskoMonitorModule(platform::Registry& registry, const QString& modulePath)
    : m_registry(registry), m_modulePath(modulePath) {}

RegistryScript BriskoMonitorModule::appScript() {
    RegistryScript script;
    script.roots.append(
        {RegistryRoot::ClassesRoot,
         key(QStringLiteral("AppID"), Mode::NoRemove, QString(),
             {key(QStringLiteral("%APPID%"), Mode::Normal, QStringLiteral("BriskoMonitor")),
              [] {
                  RegistryScriptKey dll = key(QStringLiteral("BriskoMonitor.DLL"));
                  dll.values.append({QStringLiteral("AppID"),
                                     RegistryValue::text(QStringLiteral("%APPID%"))});
                  return dll;
              }()})});
    RegistryScriptKey bho =
        key(CLSID_BriskoBHO.toString(), Mode::ForceRemove, QStringLiteral("BriskoBHO"));
    bho.values.append({QStringLiteral("NoExplorer"), RegistryValue::dword(1)});
    script.roots.append({RegistryRoot::LocalMachine, keptPath(kBhoKey, bho)});
    return script;
}

RegistryScript BriskoMonitorModule::classScript() {
    const QString clsid = CLSID_BriskoBHO.toString();
    RegistryScript script;
    script.roots.append(
        {RegistryRoot::ClassesRoot,
         key(kProgId, Mode::Normal, QStringLiteral("Brisko Tool"),
             {key(QStringLiteral("CLSID"), Mode::Normal, clsid)})});
    script.roots.append(
        {RegistryRoot::ClassesRoot,
         key(kIndependentProgId, Mode::Normal, QStringLiteral("Brisko Tool"),
             {key(QStringLiteral("CLSID"), Mode::Normal, clsid),
              key(QStringLiteral("CurVer"), Mode::Normal, kProgId)})});
    RegistryScriptKey server =
        key(QStringLiteral("InprocServer32"), Mode::Normal, QStringLiteral("%MODULE%"));
    server.values.append(
        {QStringLiteral("ThreadingModel"), RegistryValue::text(QStringLiteral("Apartment"))});
    script.roots.append(
        {RegistryRoot::ClassesRoot,
         key(QStringLiteral("CLSID"), Mode::NoRemove, QString(),
             {key(clsid, Mode::ForceRemove, QStringLiteral("Brisko Tool"),
                  {key(QStringLiteral("ProgID"), Mode::Normal, kProgId),
                   key(QStringLiteral("VersionIndependentProgID"), Mode::Normal,
                       kIndependentProgId),
                   key(QStringLiteral("Programmable"), Mode::ForceRemove), server,
                   key(QStringLiteral("TypeLib"), Mode::Normal,
                       LIBID_BriskoMonitorLib.toString())})})});
    return script;
}

// The type library travels inside the library file; its registration points there.
RegistryScript BriskoMonitorModule::typeLibraryScript() {
    const QString libid = LIBID_BriskoMonitorLib.toString();
    const RegistryScriptKey version =
        key(QStringLiteral("1.0"), Mode::Normal, QStringLiteral("Brisko Tool Library"),
            {key(QStringLiteral("FLAGS"), Mode::Normal, QStringLiteral("0")),
             key(QStringLiteral("0"), Mode::Normal, QString(),
                 {key(QStringLiteral("win64"), Mode::Normal, QStringLiteral("%MODULE%"))}),
             key(QStringLiteral("HELPDIR"), Mode::Normal, QStringLiteral("%HELPDIR%"))});
    RegistryScriptKey typeLib = key(QStringLiteral("TypeLib"), Mode::Normal, libid);
    typeLib.values.append({QStringLiteral("Version"), RegistryValue::text(QStringLiteral("1.0"))});
    RegistryScript script;
    script.roots.append({RegistryRoot::ClassesRoot,
                         key(QStringLiteral("TypeLib"), Mode::NoRemove, QString(),
                             {key(libid, Mode::Normal, QString(), {version})})});
    script.roots.append(
        {RegistryRoot::ClassesRoot,
         key(QStringLiteral("Interface"), Mode::NoRemove, QString(),
             {key(IID_IBriskoBHO.toString(), Mode::Normal, QStringLiteral("IBriskoBHO"),
                  {key(QStringLiteral("ProxyStubClsid32"), Mode::Normal, kTypeLibraryMarshaler),
                   typeLib})})});
    return script;
}

HRESULT BriskoMonitorModule::canUnloadNow() const {
    return m_lock.count() == 0 ? S_OK : S_FALSE;
}

HRESULT BriskoMonitorModule::getClassObject(const Guid& clsid, const Guid& iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid != CLSID_BriskoBHO)
        return CLASS_E_CLASSNOTAVAILABLE;
    return m_factory.QueryInterface(iid, object);
}

HRESULT BriskoMonitorModule::registerServer() {
    Registrar registrar(m_registry);
    addReplacements(registrar);
    for (const RegistryScript& script : {appScript(), classScript(), typeLibraryScript()}) {
        const HRESULT result = registrar.registerScript(script);
        if (failed(result))
            return result;
    }
    return S_OK;
}

HRESULT BriskoMonitorModule::unregisterServer() {
    Registrar registrar(m_registry);
    addReplacements(registrar);
    for (const RegistryScript& script : {classScript(), typeLibraryScript(), appScript()}) {
        const HRESULT result = registrar.unregisterScript(script);
        if (failed(result))
            return result;
    }
    return S_OK;
}

void BriskoMonitorModule::addReplacements(Registrar& registrar) const {
    registrar.addReplacement(QStringLiteral("APPID"), APPID_BriskoMonitor.toString());
    registrar.addReplacement(QStringLiteral("MODULE"), m_modulePath);
    registrar.addReplacement(QStringLiteral("HELPDIR"), QFileInfo(m_modulePath).absolutePath());
}

HRESULT BriskoMonitorModule::install(bool install, const char16_t* commandLine) {
    if (commandLine &&
        QString::fromUtf16(commandLine).compare(QStringLiteral("user"), Qt::CaseInsensitive) == 0)
        m_registry.setPerUserClasses(true);
    if (!install)
        return unregisterServer();
    const HRESULT result = registerServer();
    if (failed(result))
        unregisterServer();
    return result;
}

HRESULT BriskoBHOFactory::QueryInterface(const Guid& iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory)
        return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

std::uint32_t BriskoBHOFactory::AddRef() {
    return 2; // lives as long as the module
}

std::uint32_t BriskoBHOFactory::Release() {
    return 1;
}

HRESULT BriskoBHOFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    auto* made = new CBriskoBHO(&m_module.lock(), m_module.registry());
    const HRESULT result = made->QueryInterface(iid, object);
    made->Release(); // the caller's reference is the only one left, or none on failure
    return result;
}

HRESULT BriskoBHOFactory::LockServer(bool lock) {
    if (lock)
        m_module.lock().lock();
    else
        m_module.lock().unlock();
    return S_OK;
}

} // namespace com
