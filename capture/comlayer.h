#pragma once
// The few component-object conventions the helper object lives by, written for this
// program: identifiers, result codes, reference-counted interfaces, a class factory, the
// site a browser hands its helpers, connection points and the navigation event. Nothing
// here is more than the helper object and its tests need.
#include <QString>

#include <atomic>
#include <cstdint>
#include <vector>

namespace com {

using HRESULT = std::int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
constexpr HRESULT E_POINTER = HRESULT(0x80004003u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT E_ACCESSDENIED = HRESULT(0x80070005u);
constexpr HRESULT CLASS_E_NOAGGREGATION = HRESULT(0x80040110u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = HRESULT(0x80040111u);
constexpr HRESULT CONNECT_E_NOCONNECTION = HRESULT(0x80040200u);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = HRESULT(0x80040202u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = HRESULT(0x80020003u);
inline bool failed(HRESULT result) {
    return result < 0;
}
// A registry status as a result.
inline HRESULT fromRegistryStatus(int status) {
    return status == 0 ? S_OK : HRESULT(0x80070000u | (unsigned(status) & 0xffffu));
}

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (braces optional); a null Guid when invalid.
    static Guid parse(const QString& text);
    // In braces, upper case.
    QString toString() const;
    bool isNull() const;
};
bool operator==(const Guid& a, const Guid& b);
inline bool operator!=(const Guid& a, const Guid& b) {
    return !(a == b);
}

extern const Guid IID_IUnknown;
extern const Guid IID_IClassFactory;
extern const Guid IID_IDispatch;
extern const Guid IID_IObjectWithSite;
extern const Guid IID_IConnectionPointContainer;
extern const Guid IID_IConnectionPoint;
extern const Guid IID_IWebBrowser2;
extern const Guid DIID_DWebBrowserEvents2;

class IUnknown {
public:
    virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) = 0;
    virtual HRESULT LockServer(bool lock) = 0;
};

// One argument of an event: a text, a flag to write back, or nothing the helper reads.
struct Variant {
    enum class Kind { Empty, Text, Number, BoolRef };
    Kind kind = Kind::Empty;
    QString text;
    std::int32_t number = 0;
    bool* boolRef = nullptr;
};

class IDispatch : public IUnknown {
public:
    // Calls member `dispatchId` with `arguments` in their declared order.
    virtual HRESULT Invoke(std::int32_t dispatchId, std::vector<Variant>& arguments) = 0;
};

class IObjectWithSite : public IUnknown {
public:
    virtual HRESULT SetSite(IUnknown* site) = 0;
    virtual HRESULT GetSite(const Guid& iid, void** site) = 0;
};

class IConnectionPoint : public IUnknown {
public:
    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
};

class IConnectionPointContainer : public IUnknown {
public:
    virtual HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) = 0;
};

// The part of a browser window a helper object uses.
class IWebBrowser2 : public IDispatch {
public:
    virtual HRESULT get_HWND(std::intptr_t* window) = 0;
};

// The navigation event: BeforeNavigate2's member number and argument order (browser,
// address, flags, target frame, post data, headers, cancel).
constexpr std::int32_t DISPID_BEFORENAVIGATE2 = 250;

// The count of live objects and server locks of a module; it may unload at zero.
class ModuleLock {
public:
    void lock() { ++m_count; }
    void unlock() { --m_count; }
    long count() const { return m_count; }

private:
    std::atomic<long> m_count{0};
};

// A reference held and released as a scope ends.
template <typename T>
class Ref {
public:
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref() { reset(); }
    void reset(T* pointer = nullptr) {
        if (pointer)
            pointer->AddRef();
        if (m_pointer)
            m_pointer->Release();
        m_pointer = pointer;
    }
    // Takes over a reference the caller already holds.
    void attach(T* pointer) {
        reset();
        m_pointer = pointer;
    }
    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    T* m_pointer = nullptr;
};

} // namespace com
