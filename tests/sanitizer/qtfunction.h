#pragma once
// Qt's own definition of a function that the ThreadSanitizer tree defines in its place.
// Looked up at the first call: Qt's other libraries may call these while they are being
// loaded, before any initialiser of ours has run. The look-up is stored with relaxed
// atomics, so it orders no thread after another, as a function-local static's guard would.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <dlfcn.h>

template <typename Fn> class QtFunction {
public:
    constexpr explicit QtFunction(const char* name) : m_name(name) {}

    template <typename... Args> decltype(auto) operator()(Args&&... args) const {
        return get()(std::forward<Args>(args)...);
    }

    Fn get() const {
        void* found = m_found.load(std::memory_order_relaxed);
        if (!found) {
            found = dlsym(RTLD_NEXT, m_name);
            if (!found) {
                std::fprintf(stderr, "qtlocksync: %s not found in Qt\n", m_name);
                std::abort();
            }
            m_found.store(found, std::memory_order_relaxed);
        }
        return reinterpret_cast<Fn>(found);
    }

private:
    const char* m_name;
    mutable std::atomic<void*> m_found{nullptr};
};
