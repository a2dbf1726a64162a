// The helper object and its module, driven the way a browser drives them: a fake browser
// hands itself over as the site and fires navigations; registration is compared with the
// whole registry tree it leaves.
#include "capture/briskobho.h"
#include "capture/briskomonitor.h"
#include "platform/recordingsystemactions.h"
#include "platform/registry.h"
#include "platform/settingsstore.h"
#include "tests/support/environmentvalue.h"

#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>

using namespace com;
using platform::Registry;
using platform::RegistryRoot;
using platform::RegistryType;
using platform::RegistryValue;

namespace {

// A browser window with one connection point for its navigation events.
class FakeBrowser : public IWebBrowser2, public IConnectionPointContainer, public IConnectionPoint {
public:
    HRESULT QueryInterface(const Guid& iid, void** object) override {
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IWebBrowser2 || iid == IID_IDispatch)
            *object = static_cast<IWebBrowser2*>(this);
        else if (iid == IID_IConnectionPointContainer)
            *object = static_cast<IConnectionPointContainer*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() override { return ++references; }
    std::uint32_t Release() override { return --references; }
    HRESULT Invoke(std::int32_t, std::vector<Variant>&) override { return E_NOTIMPL; }
    HRESULT get_HWND(std::intptr_t* window) override {
        *window = 42;
        return windowFails ? E_FAIL : S_OK;
    }
    HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) override {
        if (iid != DIID_DWebBrowserEvents2)
            return E_NOINTERFACE;
        *point = this;
        AddRef();
        return S_OK;
    }
    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override {
        if (refuseAdvise)
            return CONNECT_E_CANNOTCONNECT;
        IDispatch* events = nullptr;
        if (failed(sink->QueryInterface(DIID_DWebBrowserEvents2, reinterpret_cast<void**>(&events))))
            return CONNECT_E_CANNOTCONNECT;
        sinks.insert(++lastCookie, events);
        *cookie = lastCookie;
        return S_OK;
    }
    HRESULT Unadvise(std::uint32_t cookie) override {
        if (!sinks.remove(cookie))
            return CONNECT_E_NOCONNECTION;
        return S_OK;
    }

    // Fires a navigation to every hooked helper; true when one cancelled it.
    bool navigate(const QString& address) {
        bool cancel = false;
        for (IDispatch* sink : sinks) {
            std::vector<Variant> arguments(7);
            arguments[1].kind = Variant::Kind::Text;
            arguments[1].text = address;
            arguments[6].kind = Variant::Kind::BoolRef;
            arguments[6].boolRef = &cancel;
            sink->Invoke(DISPID_BEFORENAVIGATE2, arguments);
        }
        return cancel;
    }

    std::uint32_t references = 1;
    bool windowFails = false;
    bool refuseAdvise = false;
    std::uint32_t lastCookie = 0;
    QMap<std::uint32_t, IDispatch*> sinks;
};

// Every key and value under the three roots, one line each, sorted.
QStringList dump(const Registry& registry) {
    QStringList lines;
    std::function<void(RegistryRoot, const QString&, const QString&)> walk =
        [&](RegistryRoot root, const QString& label, const QString& path) {
            lines << label + path;
            for (const QString& name : registry.valueNames(root, path)) {
                RegistryValue value;
                registry.queryValue(root, path, name, &value);
                const QString shown = value.type == RegistryType::Dword
                                          ? QString::number(quint8(value.data[0]))
                                          : value.toText();
                lines << QStringLiteral("%1%2 [%3]=%4").arg(label, path, name, shown);
            }
            for (const QString& key : registry.subKeys(root, path))
                walk(root, label, path.isEmpty() ? key : path + QLatin1Char('\\') + key);
        };
    walk(RegistryRoot::ClassesRoot, QStringLiteral("HKCR\\"), QString());
    walk(RegistryRoot::CurrentUser, QStringLiteral("HKCU\\"), QString());
    walk(RegistryRoot::LocalMachine, QStringLiteral("HKLM\\"), QString());
    lines.removeAll(QStringLiteral("HKCR\\"));
    lines.removeAll(QStringLiteral("HKCU\\"));
    lines.removeAll(QStringLiteral("HKLM\\"));
    lines.sort();
    return lines;
}

const QString kClsid = QStringLiteral("{6A2F9D14-3B7E-4C58-91A0-D2E5B7C4F319}");
const QString kBho = QStringLiteral(
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects");

} // namespace

class TestBriskoMonitor : public QObject {
    Q_OBJECT

private slots:
    void init();
    void capturesServicePages_data();
    void capturesServicePages();
    void captureSwitch_data();
    void captureSwitch();
    void programPathValue_data();
    void programPathValue();
    void failedStartLetsTheBrowserGoOn();
    void siteHookAndUnhookBalance();
    void registration();
    void reRegistrationReplacesStaleEntries();
    void perUserInstall_data();
    void perUserInstall();
    void classObject();
    void libraryExports();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<EnvironmentValue> m_web;
};

void TestBriskoMonitor::init() {
    m_web.reset(); // the previous one puts back what it found before the next is set
    m_web = std::make_unique<EnvironmentValue>("BRISKO_WEB_HOST", QByteArray("brisko.test"));
    m_folder = std::make_unique<QTemporaryDir>();
    // A registry of its own, the program key typed like any other.
    m_registry = std::make_unique<Registry>(m_folder->filePath("registry.json"), nullptr);
    m_registry->setValue(RegistryRoot::CurrentUser, platform::programRegistryKey(),
                         QStringLiteral("Path"), RegistryValue::text("/opt/brisko/briskotool"));
}

void TestBriskoMonitor::capturesServicePages_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("captured");
    QTest::newRow("http www file") << "http://www.brisko.test/file/ABC" << true;
    QTest::newRow("http www folder") << "http://www.brisko.test/folder/ABC" << true;
    QTest::newRow("www folder") << "www.brisko.test/folder/X" << true;
    QTest::newRow("bare folder") << "brisko.test/folder/X" << true;
    QTest::newRow("www file") << "www.brisko.test/file/X" << true;
    QTest::newRow("bare file") << "brisko.test/file/X" << true;
    QTest::newRow("capitals") << "HTTP://WWW.BRISKO.TEST/FILE/ABC" << true;
    QTest::newRow("prefix alone") << "http://www.brisko.test/file/" << true;
    QTest::newRow("https") << "https://www.brisko.test/file/ABC" << false;
    QTest::newRow("http without www") << "http://brisko.test/file/ABC" << false;
    QTest::newRow("other page") << "http://www.brisko.test/help" << false;
    QTest::newRow("other site") << "http://www.example.test/file/ABC" << false;
}

void TestBriskoMonitor::capturesServicePages() {
    QFETCH(QString, address);
    QFETCH(bool, captured);
    platform::RecordingSystemActions actions;
    FakeBrowser browser;
    auto* helper = new CBriskoBHO(nullptr, *m_registry);
    helper->SetSite(static_cast<IWebBrowser2*>(&browser));
    QCOMPARE(browser.navigate(address), captured);
    const QList<platform::RecordingSystemActions::Call> calls = actions.calls();
    QCOMPARE(calls.size(), captured ? 1 : 0);
    if (captured) {
        QCOMPARE(calls[0].program, QStringLiteral("/opt/brisko/briskotool"));
        QCOMPARE(calls[0].arguments, (QStringList{QStringLiteral("-d"), address}));
    }
    helper->SetSite(nullptr);
    helper->Release();
}

void TestBriskoMonitor::captureSwitch_data() {
    QTest::addColumn<int>("type"); // 0: missing
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("captured");
    QTest::newRow("missing") << 0 << "" << true;
    QTest::newRow("dword 0") << int(RegistryType::Dword) << "0" << false;
    QTest::newRow("dword 1") << int(RegistryType::Dword) << "1" << true;
    QTest::newRow("dword 2") << int(RegistryType::Dword) << "2" << true;
    QTest::newRow("text 0") << int(RegistryType::Sz) << "0" << true;
}

void TestBriskoMonitor::captureSwitch() {
    QFETCH(int, type);
    QFETCH(QString, value);
    QFETCH(bool, captured);
    if (type == int(RegistryType::Dword))
        m_registry->setValue(RegistryRoot::CurrentUser, platform::programRegistryKey(),
                             "ie_download", RegistryValue::dword(value.toUInt()));
    else if (type == int(RegistryType::Sz))
        m_registry->setValue(RegistryRoot::CurrentUser, platform::programRegistryKey(),
                             "ie_download", RegistryValue::text(value));
    platform::RecordingSystemActions actions;
    FakeBrowser browser;
    auto* helper = new CBriskoBHO(nullptr, *m_registry);
    helper->SetSite(static_cast<IWebBrowser2*>(&browser));
    QCOMPARE(browser.navigate("http://www.brisko.test/file/ABC"), captured);
    QCOMPARE(actions.calls().size(), captured ? 1 : 0);
    helper->SetSite(nullptr);
    helper->Release();
}

void TestBriskoMonitor::programPathValue_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("read");
    QTest::addColumn<QString>("path");
    const QByteArray path = RegistryValue::text("/a b/briskotool").data;
    QTest::newRow("text") << int(RegistryType::Sz) << path << 1 << "/a b/briskotool";
    QTest::newRow("expandable") << int(RegistryType::ExpandSz) << path << 1 << "/a b/briskotool";
    QTest::newRow("no terminator") << int(RegistryType::Sz) << path.left(path.size() - 2) << 0 << "";
    QTest::newRow("odd length") << int(RegistryType::Sz) << path + '\0' << 0 << "";
    QTest::newRow("list") << int(RegistryType::MultiSz) << path + QByteArray(2, '\0') << 1
                          << "/a b/briskotool";
    QTest::newRow("list, one terminator") << int(RegistryType::MultiSz) << path << 0 << "";
    QTest::newRow("empty") << int(RegistryType::Sz) << QByteArray() << 1 << "";
    QTest::newRow("number") << int(RegistryType::Dword) << QByteArray(4, '\1') << 0 << "";
    QTest::newRow("longer than the buffer") << int(RegistryType::Sz)
                                            << QByteArray(3998, 'a') + QByteArray(4, '\0') << 0 << "";
}

void TestBriskoMonitor::programPathValue() {
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(int, read);
    QFETCH(QString, path);
    RegistryValue value;
    value.type = RegistryType(type);
    value.data = data;
    m_registry->setValue(RegistryRoot::CurrentUser, platform::programRegistryKey(), "Path", value);
    auto* helper = new CBriskoBHO(nullptr, *m_registry);
    QString found = QStringLiteral("unchanged");
    QCOMPARE(helper->ReadToolPath(&found), read);
    QCOMPARE(found, path);
    helper->Release();
}

void TestBriskoMonitor::failedStartLetsTheBrowserGoOn() {
    platform::RecordingSystemActions actions;
    actions.setStartResult(false);
    FakeBrowser browser;
    auto* helper = new CBriskoBHO(nullptr, *m_registry);
    helper->SetSite(static_cast<IWebBrowser2*>(&browser));
    QVERIFY(!browser.navigate("http://www.brisko.test/file/ABC"));
    QCOMPARE(actions.calls().size(), 1);
    // No window handle: nothing is started and the navigation goes on.
    browser.windowFails = true;
    QVERIFY(!browser.navigate("http://www.brisko.test/file/ABC"));
    QCOMPARE(actions.calls().size(), 1);
    helper->SetSite(nullptr);
    helper->Release();
}

void TestBriskoMonitor::siteHookAndUnhookBalance() {
    platform::RecordingSystemActions actions;
    FakeBrowser first;
    FakeBrowser second;
    auto* helper = new CBriskoBHO(nullptr, *m_registry);
    QCOMPARE(helper->SetSite(static_cast<IWebBrowser2*>(&first)), S_OK);
    QVERIFY(helper->isHooked());
    QCOMPARE(first.sinks.size(), 1);
    // A second site without a null one between: the first browser is let go of.
    QCOMPARE(helper->SetSite(static_cast<IWebBrowser2*>(&second)), S_OK);
    QCOMPARE(first.sinks.size(), 0);
    QCOMPARE(first.references, 1u);
    QCOMPARE(second.sinks.size(), 1);
    void* site = nullptr;
    QCOMPARE(helper->GetSite(IID_IWebBrowser2, &site), S_OK);
    QCOMPARE(site, static_cast<void*>(static_cast<IWebBrowser2*>(&second)));
    second.Release();
    QCOMPARE(helper->SetSite(nullptr), S_OK);
    QVERIFY(!helper->isHooked());
    QCOMPARE(second.sinks.size(), 0);
    QCOMPARE(second.references, 1u);
    QVERIFY(!second.navigate("http://www.brisko.test/file/ABC")); // no more events
    // A browser that refuses the connection leaves the helper unhooked, and S_OK.
    FakeBrowser refusing;
    refusing.refuseAdvise = true;
    QCOMPARE(helper->SetSite(static_cast<IWebBrowser2*>(&refusing)), S_OK);
    QVERIFY(!helper->isHooked());
    helper->SetSite(nullptr);
    QCOMPARE(refusing.references, 1u);
    helper->Release();
}

void TestBriskoMonitor::registration() {
    BriskoMonitorModule module(*m_registry, QStringLiteral("/opt/brisko/libBriskoMonitor.so"));
    QCOMPARE(module.registerServer(), S_OK);
    const QString appId = QStringLiteral("{3C5E8A41-7B2D-4F90-9E16-A2D4C7B0E583}");
    const QString libId = QStringLiteral("{4E81C3A7-92D5-4B16-A8F0-3C7D15E9B264}");
    const QString iid = QStringLiteral("{B73D2E58-0F41-4A9C-8E26-91F4C5A0D7B3}");
    QStringList expected = {
        "HKCR\\AppID",
        "HKCR\\AppID\\" + appId,
        "HKCR\\AppID\\" + appId + " []=BriskoMonitor",
        "HKCR\\AppID\\BriskoMonitor.DLL",
        "HKCR\\AppID\\BriskoMonitor.DLL [AppID]=" + appId,
        "HKCR\\BriskoMonitor.BriskoBHO",
        "HKCR\\BriskoMonitor.BriskoBHO []=Brisko Tool",
        "HKCR\\BriskoMonitor.BriskoBHO\\CLSID",
        "HKCR\\BriskoMonitor.BriskoBHO\\CLSID []=" + kClsid,
        "HKCR\\BriskoMonitor.BriskoBHO\\CurVer",
        "HKCR\\BriskoMonitor.BriskoBHO\\CurVer []=BriskoMonitor.BriskoBHO.1",
        "HKCR\\BriskoMonitor.BriskoBHO.1",
        "HKCR\\BriskoMonitor.BriskoBHO.1 []=Brisko Tool",
        "HKCR\\BriskoMonitor.BriskoBHO.1\\CLSID",
        "HKCR\\BriskoMonitor.BriskoBHO.1\\CLSID []=" + kClsid,
        "HKCR\\CLSID",
        "HKCR\\CLSID\\" + kClsid,
        "HKCR\\CLSID\\" + kClsid + " []=Brisko Tool",
        "HKCR\\CLSID\\" + kClsid + "\\InprocServer32",
        "HKCR\\CLSID\\" + kClsid + "\\InprocServer32 []=/opt/brisko/libBriskoMonitor.so",
        "HKCR\\CLSID\\" + kClsid + "\\InprocServer32 [ThreadingModel]=Apartment",
        "HKCR\\CLSID\\" + kClsid + "\\ProgID",
        "HKCR\\CLSID\\" + kClsid + "\\ProgID []=BriskoMonitor.BriskoBHO.1",
        "HKCR\\CLSID\\" + kClsid + "\\Programmable",
        "HKCR\\CLSID\\" + kClsid + "\\TypeLib",
        "HKCR\\CLSID\\" + kClsid + "\\TypeLib []=" + libId,
        "HKCR\\CLSID\\" + kClsid + "\\VersionIndependentProgID",
        "HKCR\\CLSID\\" + kClsid + "\\VersionIndependentProgID []=BriskoMonitor.BriskoBHO",
        "HKCR\\Interface",
        "HKCR\\Interface\\" + iid,
        "HKCR\\Interface\\" + iid + " []=IBriskoBHO",
        "HKCR\\Interface\\" + iid + "\\ProxyStubClsid32",
        "HKCR\\Interface\\" + iid + "\\ProxyStubClsid32 []={00020424-0000-0000-C000-000000000046}",
        "HKCR\\Interface\\" + iid + "\\TypeLib",
        "HKCR\\Interface\\" + iid + "\\TypeLib []=" + libId,
        "HKCR\\Interface\\" + iid + "\\TypeLib [Version]=1.0",
        "HKCR\\TypeLib",
        "HKCR\\TypeLib\\" + libId,
        "HKCR\\TypeLib\\" + libId + "\\1.0",
        "HKCR\\TypeLib\\" + libId + "\\1.0 []=Brisko Tool Library",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\0",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\0\\win64",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\0\\win64 []=/opt/brisko/libBriskoMonitor.so",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\FLAGS",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\FLAGS []=0",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\HELPDIR",
        "HKCR\\TypeLib\\" + libId + "\\1.0\\HELPDIR []=/opt/brisko",
        "HKCU\\Software",
        "HKCU\\Software\\Brisko",
        "HKCU\\Software\\Brisko\\Brisko Tool",
        "HKCU\\Software\\Brisko\\Brisko Tool [Path]=/opt/brisko/briskotool",
        "HKLM\\SOFTWARE",
        "HKLM\\SOFTWARE\\Microsoft",
        "HKLM\\SOFTWARE\\Microsoft\\Windows",
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer",
        kBho,
        kBho + "\\" + kClsid,
        kBho + "\\" + kClsid + " []=BriskoBHO",
        kBho + "\\" + kClsid + " [NoExplorer]=1",
    };
    expected.sort();
    QCOMPARE(dump(*m_registry), expected);

    // Unregistration keeps the keys that are never removed, and only those.
    QCOMPARE(module.unregisterServer(), S_OK);
    QStringList kept = {
        "HKCR\\AppID", "HKCR\\CLSID", "HKCR\\Interface", "HKCR\\TypeLib", "HKCU\\Software",
        "HKCU\\Software\\Brisko", "HKCU\\Software\\Brisko\\Brisko Tool",
        "HKCU\\Software\\Brisko\\Brisko Tool [Path]=/opt/brisko/briskotool", "HKLM\\SOFTWARE",
        "HKLM\\SOFTWARE\\Microsoft", "HKLM\\SOFTWARE\\Microsoft\\Windows",
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", kBho};
    kept.sort();
    QCOMPARE(dump(*m_registry), kept);
    // What was written survives a restart: the registry is kept in its file.
    Registry reread(m_folder->filePath("registry.json"), nullptr);
    QCOMPARE(dump(reread), kept);
}

void TestBriskoMonitor::reRegistrationReplacesStaleEntries() {
    BriskoMonitorModule module(*m_registry, QStringLiteral("/opt/libBriskoMonitor.so"));
    const QString clsidKey = QStringLiteral("CLSID\\") + kClsid;
    m_registry->setValue(RegistryRoot::ClassesRoot, clsidKey + "\\Old", "x", RegistryValue::text("1"));
    m_registry->setValue(RegistryRoot::ClassesRoot, clsidKey, "Stale", RegistryValue::text("1"));
    const QString bho = kBho.mid(5) + QStringLiteral("\\") + kClsid;
    m_registry->setValue(RegistryRoot::LocalMachine, bho + "\\Sub", "", RegistryValue::text("1"));
    QCOMPARE(module.registerServer(), S_OK);
    QVERIFY(!m_registry->keyExists(RegistryRoot::ClassesRoot, clsidKey + "\\Old"));
    QVERIFY(!m_registry->valueNames(RegistryRoot::ClassesRoot, clsidKey).contains("Stale"));
    QVERIFY(!m_registry->keyExists(RegistryRoot::LocalMachine, bho + "\\Sub"));
    QVERIFY(m_registry->keyExists(RegistryRoot::LocalMachine, bho));
}

void TestBriskoMonitor::perUserInstall_data() {
    QTest::addColumn<QString>("commandLine"); // null: none
    QTest::addColumn<bool>("perUser");
    QTest::newRow("user") << "user" << true;
    QTest::newRow("USER") << "USER" << true;
    QTest::newRow("users") << "users" << false;
    QTest::newRow("none") << QString() << false;
}

void TestBriskoMonitor::perUserInstall() {
    QFETCH(QString, commandLine);
    QFETCH(bool, perUser);
    BriskoMonitorModule module(*m_registry, QStringLiteral("/opt/libBriskoMonitor.so"));
    const std::u16string text = commandLine.toStdU16String();
    QCOMPARE(module.install(true, commandLine.isNull() ? nullptr : text.c_str()), S_OK);
    const QString clsidKey = QStringLiteral("CLSID\\") + kClsid;
    QCOMPARE(m_registry->keyExists(RegistryRoot::CurrentUser, "Software\\Classes\\" + clsidKey),
             perUser);
    QCOMPARE(m_registry->keyExists(RegistryRoot::ClassesRoot, clsidKey), !perUser);
    QCOMPARE(module.install(false, commandLine.isNull() ? nullptr : text.c_str()), S_OK);
    QVERIFY(!m_registry->keyExists(RegistryRoot::CurrentUser, "Software\\Classes\\" + clsidKey));
    QVERIFY(!m_registry->keyExists(RegistryRoot::ClassesRoot, clsidKey));
}

void TestBriskoMonitor::classObject() {
    BriskoMonitorModule module(*m_registry, QStringLiteral("/opt/libBriskoMonitor.so"));
    void* object = nullptr;
    QCOMPARE(module.getClassObject(IID_IDispatch, IID_IClassFactory, &object),
             CLASS_E_CLASSNOTAVAILABLE);
    QCOMPARE(object, nullptr);
    QCOMPARE(module.getClassObject(CLSID_BriskoBHO, IID_IClassFactory, &object), S_OK);
    auto* factory = static_cast<IClassFactory*>(object);
    FakeBrowser outer;
    void* made = nullptr;
    QCOMPARE(factory->CreateInstance(static_cast<IWebBrowser2*>(&outer), IID_IUnknown, &made),
             CLASS_E_NOAGGREGATION);
    QCOMPARE(module.canUnloadNow(), S_OK);
    QCOMPARE(factory->CreateInstance(nullptr, IID_IObjectWithSite, &made), S_OK);
    QCOMPARE(module.canUnloadNow(), S_FALSE); // a live object holds the module
    auto* helper = static_cast<IObjectWithSite*>(made);
    void* dispatch = nullptr;
    QCOMPARE(helper->QueryInterface(IID_IBriskoBHO, &dispatch), S_OK);
    static_cast<IUnknown*>(dispatch)->Release();
    QCOMPARE(helper->QueryInterface(IID_IConnectionPoint, &dispatch), E_NOINTERFACE);
    helper->Release();
    QCOMPARE(module.canUnloadNow(), S_OK);
    QCOMPARE(factory->LockServer(true), S_OK);
    QCOMPARE(module.canUnloadNow(), S_FALSE);
    QCOMPARE(factory->LockServer(false), S_OK);
    QCOMPARE(module.canUnloadNow(), S_OK);
    factory->Release();
}

void TestBriskoMonitor::libraryExports() {
    // The built library, loaded as a host would, registers itself under its own path.
    void* library = dlopen(BRISKOMONITOR_PATH, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(library, dlerror());
    using Plain = HRESULT (*)();
    using GetClassObject = HRESULT (*)(const Guid*, const Guid*, void**);
    auto registerServer = reinterpret_cast<Plain>(dlsym(library, "DllRegisterServer"));
    auto unregisterServer = reinterpret_cast<Plain>(dlsym(library, "DllUnregisterServer"));
    auto canUnload = reinterpret_cast<Plain>(dlsym(library, "DllCanUnloadNow"));
    auto getClassObject = reinterpret_cast<GetClassObject>(dlsym(library, "DllGetClassObject"));
    QVERIFY(registerServer && unregisterServer && canUnload && getClassObject);
    QVERIFY(dlsym(library, "DllInstall"));
    QCOMPARE(registerServer(), S_OK);
    Registry written(QFileInfo(SettingsStore().fileName()).absolutePath() + "/registry.json",
                     nullptr);
    RegistryValue server;
    QCOMPARE(written.queryValue(RegistryRoot::ClassesRoot,
                                "CLSID\\" + kClsid + "\\InprocServer32", QString(), &server),
             platform::RegistryStatus::Ok);
    QCOMPARE(QFileInfo(server.toText()).canonicalFilePath(),
             QFileInfo(BRISKOMONITOR_PATH).canonicalFilePath());
    void* factory = nullptr;
    QCOMPARE(getClassObject(&CLSID_BriskoBHO, &IID_IClassFactory, &factory), S_OK);
    QCOMPARE(canUnload(), S_OK);
    QCOMPARE(unregisterServer(), S_OK);
    dlclose(library);
}

QTEST_GUILESS_MAIN(TestBriskoMonitor)
#include "test_briskomonitor.moc"
