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

HRESULT BriskoMonitorModule::registerTypeLibrary() {
    // The type library travels inside the library file; its registration points there.
    const QString libid = LIBID_BriskoMonitorLib.toString();
    const QString version = QStringLiteral("TypeLib\\") + libid + QStringLiteral("\\1.0");
    const QString iface = QStringLiteral("Interface\\") + IID_IBriskoBHO.toString();
    const QList<std::tuple<QString, QString, QString>> entries = {
        {version, QString(), QStringLiteral("Brisko Tool Library")},
        {version + QStringLiteral("\\FLAGS"), QString(), QStringLiteral("0")},
        {version + QStringLiteral("\\0\\win64"), QString(), m_modulePath},
        {version + QStringLiteral("\\HELPDIR"), QString(), QFileInfo(m_modulePath).absolutePath()},
        {iface, QString(), QStringLiteral("IBriskoBHO")},
        {iface + QStringLiteral("\\ProxyStubClsid32"), QString(), kTypeLibraryMarshaler},
        {iface + QStringLiteral("\\TypeLib"), QString(), libid},
        {iface + QStringLiteral("\\TypeLib"), QStringLiteral("Version"), QStringLiteral("1.0")},
    };
    for (const auto& entry : entries) {
        const HRESULT result = fromRegistryStatus(
            int(m_registry.setValue(RegistryRoot::ClassesRoot, std::get<0>(entry),
                                    std::get<1>(entry), RegistryValue::text(std::get<2>(entry)))));
        if (failed(result))
            return result;
    }
    return m_registry.save() ? S_OK : E_ACCESSDENIED;
}

HRESULT BriskoMonitorModule::unregisterTypeLibrary() {
    m_registry.deleteTree(RegistryRoot::ClassesRoot,
                          QStringLiteral("TypeLib\\") + LIBID_BriskoMonitorLib.toString());
    m_registry.deleteTree(RegistryRoot::ClassesRoot,
                          QStringLiteral("Interface\\") + IID_IBriskoBHO.toString());
    return m_registry.save() ? S_OK : E_ACCESSDENIED;
}

HRESULT BriskoMonitorModule::registerServer() {
    Registrar app(m_registry);
    app.addReplacement(QStringLiteral("APPID"), APPID_BriskoMonitor.toString());
    HRESULT result = app.registerScript(appScript());
    if (failed(result))
        return result;
    Registrar cls(m_registry);
    cls.addReplacement(QStringLiteral("MODULE"), m_modulePath);
    result = cls.registerScript(classScript());
    if (failed(result))
        return result;
    return registerTypeLibrary();
}

HRESULT BriskoMonitorModule::unregisterServer() {
    Registrar cls(m_registry);
    cls.addReplacement(QStringLiteral("MODULE"), m_modulePath);
    HRESULT result = cls.unregisterScript(classScript());
    if (failed(result))
        return result;
    result = unregisterTypeLibrary();
    if (failed(result))
        return result;
    Registrar app(m_registry);
    app.addReplacement(QStringLiteral("APPID"), APPID_BriskoMonitor.toString());
    return app.unregisterScript(appScript());
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
