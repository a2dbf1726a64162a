#pragma once
// Registration scripts: trees of keys and values written into the registry on
// registration and taken out again on unregistration. A key marked NoRemove is never
// removed (only what the script put under it); a key marked ForceRemove is deleted with
// all it holds before it is written anew. "%NAME%" in names and texts is replaced.
#include "capture/comlayer.h"
#include "platform/registry.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace com {

struct RegistryScriptKey {
    enum class Mode { Normal, NoRemove, ForceRemove };
    QString name;
    Mode mode = Mode::Normal;
    QList<QPair<QString, platform::RegistryValue>> values; // an empty name: the default
    QList<RegistryScriptKey> keys;
};

struct RegistryScript {
    QList<QPair<platform::RegistryRoot, RegistryScriptKey>> roots;
};

class Registrar {
public:
    explicit Registrar(platform::Registry& registry);
    void addReplacement(const QString& name, const QString& value);

    HRESULT registerScript(const RegistryScript& script);
    HRESULT unregisterScript(const RegistryScript& script);

private:
    HRESULT writeKey(platform::RegistryRoot root, const QString& parent,
                     const RegistryScriptKey& key);
    HRESULT removeKey(platform::RegistryRoot root, const QString& parent,
                      const RegistryScriptKey& key);
    QString replaced(QString text) const;
    platform::RegistryValue replaced(const platform::RegistryValue& value) const;

    platform::Registry& m_registry;
    QMap<QString, QString> m_replacements;
};

} // namespace com
