#pragma once
// The browser helper object: hooked to a browser through its site, it hears every
// navigation and hands the service's file and folder pages to the main program instead.
#include "capture/comlayer.h"

#include <QString>

namespace platform {
class Registry;
}

namespace com {

extern const Guid CLSID_BriskoBHO;
extern const Guid IID_IBriskoBHO;
extern const Guid LIBID_BriskoMonitorLib;

// The helper's own interface adds nothing to dispatch.
class IBriskoBHO : public IDispatch {};

class CBriskoBHO : public IBriskoBHO, public IObjectWithSite {
public:
    // `lock` counts the object while it lives (may be null); the registry is where the
    // switch and the main program's path are read.
    CBriskoBHO(ModuleLock* lock, platform::Registry& registry);

    HRESULT QueryInterface(const Guid& iid, void** object) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;
    HRESULT Invoke(std::int32_t dispatchId, std::vector<Variant>& arguments) override;

    HRESULT SetSite(IUnknown* site) override;
    HRESULT GetSite(const Guid& iid, void** site) override;

    // The navigation event: `cancel` is set when the address went to the main program.
    void OnBeforeNavigate2(IDispatch* browser, const Variant& address, bool* cancel);

    // The "ie_download" switch: its number when it is a DWORD, else 1 (on).
    int IsCaptureEnabled() const;
    // 1 when the address begins with one of the service's page prefixes, else 0.
    static int IsServiceLink(const QString& address);
    // 1 with "Path" read into `path`, else 0 (and `path` empty).
    int ReadToolPath(QString* path) const;

    bool isHooked() const { return m_hooked; }

private:
    ~CBriskoBHO() override;
    void unhook();
    // The browser's connection point for navigation events, with a reference the caller
    // releases; null when there is none.
    static IConnectionPoint* eventsPoint(IWebBrowser2* browser);

    // The separate dispatch the browser's connection point calls; it lives in the object.
    class EventSink : public IDispatch {
    public:
        explicit EventSink(CBriskoBHO* owner) : m_owner(owner) {}
        HRESULT QueryInterface(const Guid& iid, void** object) override;
        std::uint32_t AddRef() override { return 1; }
        std::uint32_t Release() override { return 1; }
        HRESULT Invoke(std::int32_t dispatchId, std::vector<Variant>& arguments) override;

    private:
        CBriskoBHO* m_owner;
    };

    std::uint32_t m_references = 1;
    ModuleLock* m_lock;
    platform::Registry& m_registry;
    EventSink m_sink{this};
    Ref<IUnknown> m_site;
    Ref<IWebBrowser2> m_browser;
    std::uint32_t m_cookie = 0;
    bool m_hooked = false;
};

} // namespace com
