#include "capture/briskobho.h"

#include "platform/hostconfig.h"
#include "platform/registry.h"
#include "platform/systemactions.h"

#include <QtEndian>

#include <chrono>
#include <thread>

namespace com {

const Guid CLSID_BriskoBHO = Guid::parse(QStringLiteral("{6A2F9D14-3B7E-4C58-91A0-D2E5B7C4F319}"));
const Guid IID_IBriskoBHO = Guid::parse(QStringLiteral("{B73D2E58-0F41-4A9C-8E26-91F4C5A0D7B3}"));
const Guid LIBID_BriskoMonitorLib =
    Guid::parse(QStringLiteral("{4E81C3A7-92D5-4B16-A8F0-3C7D15E9B264}"));

using platform::RegistryRoot;
using platform::RegistryStatus;
using platform::RegistryType;
using platform::RegistryValue;

CBriskoBHO::CBriskoBHO(ModuleLock* lock, platform::Registry& registry)
    : m_lock(lock), m_registry(registry) {
    if (m_lock)
        m_lock->lock();
}

CBriskoBHO::~CBriskoBHO() {
    unhook();
    if (m_lock)
        m_lock->unlock();
}

HRESULT CBriskoBHO::QueryInterface(const Guid& iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IBriskoBHO || iid == IID_IDispatch)
        *object = static_cast<IBriskoBHO*>(this);
    else if (iid == IID_IObjectWithSite)
        *object = static_cast<IObjectWithSite*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

std::uint32_t CBriskoBHO::AddRef() {
    return ++m_references;
}

std::uint32_t CBriskoBHO::Release() {
    const std::uint32_t left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT CBriskoBHO::Invoke(std::int32_t, std::vector<Variant>&) {
    return DISP_E_MEMBERNOTFOUND; // the interface has no members of its own
}

void CBriskoBHO::unhook() {
    if (m_hooked) {
        if (IConnectionPoint* point = eventsPoint(m_browser.get())) {
            point->Unadvise(m_cookie);
            point->Release();
        }
        m_cookie = 0;
        m_hooked = false;
    }
    m_browser.reset();
}

IConnectionPoint* CBriskoBHO::eventsPoint(IWebBrowser2* browser) {
    IConnectionPointContainer* container = nullptr;
    if (failed(browser->QueryInterface(IID_IConnectionPointContainer,
                                       reinterpret_cast<void**>(&container))))
        return nullptr;
    IConnectionPoint* point = nullptr;
    if (failed(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point)))
        point = nullptr;
    container->Release();
    return point;
}

HRESULT CBriskoBHO::SetSite(IUnknown* site) {
    // A second site without a null one between: let go of the first browser first.
    unhook();
    if (site) {
        IWebBrowser2* browser = nullptr;
        if (!failed(site->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)))) {
            m_browser.attach(browser);
            if (IConnectionPoint* point = eventsPoint(browser)) {
                m_hooked = !failed(point->Advise(&m_sink, &m_cookie));
                point->Release();
            }
        }
    }
    m_site.reset(site);
    return S_OK;
}

HRESULT CBriskoBHO::GetSite(const Guid& iid, void** site) {
    if (!site)
        return E_POINTER;
    *site = nullptr;
    if (!m_site)
        return E_FAIL;
    return m_site->QueryInterface(iid, site);
}

HRESULT CBriskoBHO::EventSink::QueryInterface(const Guid& iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != DIID_DWebBrowserEvents2)
        return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    return S_OK;
}

HRESULT CBriskoBHO::EventSink::Invoke(std::int32_t dispatchId, std::vector<Variant>& arguments) {
    if (dispatchId != DISPID_BEFORENAVIGATE2)
        return S_OK; // no other event is handled
    if (arguments.size() < 7 || arguments[6].kind != Variant::Kind::BoolRef)
        return E_INVALIDARG;
    m_owner->OnBeforeNavigate2(nullptr, arguments[1], arguments[6].boolRef);
    return S_OK;
}

void CBriskoBHO::OnBeforeNavigate2(IDispatch*, const Variant& address, bool* cancel) {
    if (!cancel)
        return;
    *cancel = false;
    if (IsCaptureEnabled() == 0)
        return;
    // Addresses stay Unicode here: the system's text encoding is UTF-8, so no character
    // is lost on the way to the command line.
    if (address.kind != Variant::Kind::Text || address.text.isEmpty() ||
        !IsServiceLink(address.text))
        return;
    std::intptr_t window = 0;
    if (!m_browser || failed(m_browser->get_HWND(&window)))
        return;
    QString path;
    if (!ReadToolPath(&path))
        return;
    // The address is one argument of its own: nothing is quoted into a command line.
    if (!platform::systemActions().startDetached(path, {QStringLiteral("-d"), address.text}))
        return;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    *cancel = true;
}

int CBriskoBHO::IsCaptureEnabled() const {
    RegistryValue value;
    if (m_registry.queryValue(RegistryRoot::CurrentUser, platform::programRegistryKey(),
                              QStringLiteral("ie_download"), &value) != RegistryStatus::Ok ||
        value.type != RegistryType::Dword || value.data.size() != 4)
        return 1;
    return int(qFromLittleEndian<quint32>(value.data.constData()));
}

int CBriskoBHO::IsServiceLink(const QString& address) {
    const QString domain = QString::fromStdString(hosts::webHost());
    const QString prefixes[] = {
        QStringLiteral("http://www.") + domain + QStringLiteral("/folder/"),
        QStringLiteral("www.") + domain + QStringLiteral("/folder/"),
        domain + QStringLiteral("/folder/"),
        QStringLiteral("www.") + domain + QStringLiteral("/file/"),
        domain + QStringLiteral("/file/"),
        QStringLiteral("http://www.") + domain + QStringLiteral("/file/"),
    };
    for (const QString& prefix : prefixes)
        if (address.startsWith(prefix, Qt::CaseInsensitive))
            return 1;
    return 0;
}

int CBriskoBHO::ReadToolPath(QString* path) const {
    constexpr int kBufferBytes = 4000;
    path->clear();
    RegistryValue value;
    if (m_registry.queryValue(RegistryRoot::CurrentUser, platform::programRegistryKey(),
                              QStringLiteral("Path"), &value) != RegistryStatus::Ok)
        return 0;
    const QByteArray& data = value.data;
    if (data.size() > kBufferBytes)
        return 0;
    if (data.isEmpty())
        return 1; // an empty value is an empty text
    auto endsWithZeros = [&data](int units) {
        if (data.size() < units * 2)
            return false;
        for (int i = data.size() - units * 2; i < data.size(); ++i)
            if (data[i] != '\0')
                return false;
        return true;
    };
    bool valid = false;
    if (value.type == RegistryType::Sz || value.type == RegistryType::ExpandSz)
        valid = data.size() % 2 == 0 && endsWithZeros(1);
    else if (value.type == RegistryType::MultiSz)
        valid = data.size() % 2 == 0 && endsWithZeros(data.size() == 2 ? 1 : 2);
    if (!valid)
        return 0;
    *path = value.toText();
    return 1;
}

} // namespace com
