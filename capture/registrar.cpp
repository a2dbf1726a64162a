#include "capture/registrar.h"

namespace com {

using platform::RegistryRoot;
using platform::RegistryStatus;
using platform::RegistryType;
using platform::RegistryValue;

namespace {
QString joined(const QString& parent, const QString& name) {
    return parent.isEmpty() ? name : parent + QLatin1Char('\\') + name;
}
} // namespace

Registrar::Registrar(platform::Registry& registry) : m_registry(registry) {}

void Registrar::addReplacement(const QString& name, const QString& value) {
    m_replacements.insert(name, value);
}

QString Registrar::replaced(QString text) const {
    for (auto it = m_replacements.cbegin(); it != m_replacements.cend(); ++it)
        text.replace(QLatin1Char('%') + it.key() + QLatin1Char('%'), it.value());
    return text;
}

RegistryValue Registrar::replaced(const RegistryValue& value) const {
    if (value.type != RegistryType::Sz && value.type != RegistryType::ExpandSz)
        return value;
    return RegistryValue::text(replaced(value.toText()), value.type);
}

HRESULT Registrar::writeKey(RegistryRoot root, const QString& parent,
                            const RegistryScriptKey& key) {
    const QString path = joined(parent, replaced(key.name));
    if (key.mode == RegistryScriptKey::Mode::ForceRemove)
        m_registry.deleteTree(root, path);
    HRESULT result = fromRegistryStatus(int(m_registry.createKey(root, path)));
    for (const auto& value : key.values) {
        if (failed(result))
            return result;
        result = fromRegistryStatus(
            int(m_registry.setValue(root, path, replaced(value.first), replaced(value.second))));
    }
    for (const RegistryScriptKey& child : key.keys) {
        if (failed(result))
            return result;
        result = writeKey(root, path, child);
    }
    return result;
}

HRESULT Registrar::removeKey(RegistryRoot root, const QString& parent,
                             const RegistryScriptKey& key) {
    const QString path = joined(parent, replaced(key.name));
    if (key.mode != RegistryScriptKey::Mode::NoRemove) {
        // Everything the key holds goes with it; a key already gone is no failure.
        const RegistryStatus status = m_registry.deleteTree(root, path);
        return status == RegistryStatus::NotFound ? S_OK : fromRegistryStatus(int(status));
    }
    for (const auto& value : key.values)
        m_registry.deleteValue(root, path, replaced(value.first));
    for (const RegistryScriptKey& child : key.keys) {
        const HRESULT result = removeKey(root, path, child);
        if (failed(result))
            return result;
    }
    return S_OK;
}

HRESULT Registrar::registerScript(const RegistryScript& script) {
    for (const auto& root : script.roots) {
        const HRESULT result = writeKey(root.first, QString(), root.second);
        if (failed(result))
            return result;
    }
    return m_registry.save() ? S_OK : E_ACCESSDENIED;
}

HRESULT Registrar::unregisterScript(const RegistryScript& script) {
    for (const auto& root : script.roots) {
        const HRESULT result = removeKey(root.first, QString(), root.second);
        if (failed(result))
            return result;
    }
    return m_registry.save() ? S_OK : E_ACCESSDENIED;
}

} // namespace com
