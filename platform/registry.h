#pragma once
// A small registry for the browser companions: keys under three roots, values with the
// registry's types, names compared without regard to case. The program's own key
// (HKEY_CURRENT_USER "Software\Brisko\Brisko Tool") is the settings store itself, so what
// the options write the companions read; every other key lives in one JSON file beside
// the settings, written atomically.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class SettingsStore;

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

enum class RegistryType { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4, MultiSz = 7 };

// Results, numbered as the registry's own status codes.
enum class RegistryStatus {
    Ok = 0,
    NotFound = 2,
    AccessDenied = 5,
    InvalidData = 13,
    WriteFault = 29,
    MoreData = 234,
};

struct RegistryValue {
    RegistryType type = RegistryType::None;
    QByteArray data; // as the registry keeps it: texts in UTF-16LE with their terminator

    static RegistryValue text(const QString& value, RegistryType type = RegistryType::Sz);
    static RegistryValue dword(quint32 value);
    // The text of an Sz value (up to its first terminator); empty for other types.
    QString toText() const;
};

// "Software\Brisko\Brisko Tool", the program's own key.
QString programRegistryKey();

class Registry {
public:
    // A registry kept in `storeFile`, whose program key is `programSettings` (not owned;
    // null: that key is kept in the file like any other).
    Registry(const QString& storeFile, SettingsStore* programSettings);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Writes to ClassesRoot go to CurrentUser "Software\Classes" while set.
    void setPerUserClasses(bool perUser);
    bool perUserClasses() const;

    bool keyExists(RegistryRoot root, const QString& path) const;
    // Creates the key and every key on its path.
    RegistryStatus createKey(RegistryRoot root, const QString& path);
    // Deletes the key with everything it holds.
    RegistryStatus deleteTree(RegistryRoot root, const QString& path);
    QStringList subKeys(RegistryRoot root, const QString& path) const;
    QStringList valueNames(RegistryRoot root, const QString& path) const;

    // An empty name is the key's default value.
    RegistryStatus queryValue(RegistryRoot root, const QString& path, const QString& name,
                              RegistryValue* value) const;
    RegistryStatus setValue(RegistryRoot root, const QString& path, const QString& name,
                            const RegistryValue& value);
    RegistryStatus deleteValue(RegistryRoot root, const QString& path, const QString& name);

    // Writes the file now; false when it could not be written. A file that could not be
    // read, or did not parse, when it was read is kept aside first (keepDamagedCopy), and
    // stays when it cannot be.
    bool save();

    struct Node;

private:
    Node* find(RegistryRoot root, const QString& path, bool create);
    const Node* find(RegistryRoot root, const QString& path) const;
    bool isProgramKey(RegistryRoot root, const QString& path) const;
    RegistryRoot writeRoot(RegistryRoot root, QString* path) const;

    QString m_file;
    SettingsStore* m_settings;
    bool m_perUser = false;
    bool m_damaged = false; // the file could not be read or parsed, and is not kept aside yet
    std::unique_ptr<Node> m_roots[3];
};

// The per-user registry: the store file beside the settings file, the program key on
// the program's settings store.
Registry& userRegistry();

} // namespace platform
