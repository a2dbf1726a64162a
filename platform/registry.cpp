#include "platform/registry.h"

#include "platform/atomicfile.h"
#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <vector>

namespace platform {

struct Registry::Node {
    QString name;
    std::vector<std::unique_ptr<Node>> children;
    std::vector<std::pair<QString, RegistryValue>> values;

    Node* child(const QString& wanted) const {
        for (const auto& node : children)
            if (node->name.compare(wanted, Qt::CaseInsensitive) == 0)
                return node.get();
        return nullptr;
    }
    RegistryValue* value(const QString& wanted) {
        for (auto& entry : values)
            if (entry.first.compare(wanted, Qt::CaseInsensitive) == 0)
                return &entry.second;
        return nullptr;
    }
};

namespace {

QStringList pathParts(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

const char* rootName(int index) {
    static const char* names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"};
    return names[index];
}

QJsonObject toJson(const Registry::Node& node) {
    QJsonObject values;
    for (const auto& entry : node.values) {
        QJsonObject value;
        value.insert(QStringLiteral("type"), int(entry.second.type));
        value.insert(QStringLiteral("data"), QString::fromLatin1(entry.second.data.toBase64()));
        values.insert(entry.first, value);
    }
    QJsonObject keys;
    for (const auto& child : node.children)
        keys.insert(child->name, toJson(*child));
    QJsonObject object;
    object.insert(QStringLiteral("values"), values);
    object.insert(QStringLiteral("keys"), keys);
    return object;
}

void fromJson(const QJsonObject& object, Registry::Node* node) {
    const QJsonObject values = object.value(QStringLiteral("values")).toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QJsonObject value = it.value().toObject();
        RegistryValue read;
        read.type = RegistryType(value.value(QStringLiteral("type")).toInt());
        read.data = QByteArray::fromBase64(value.value(QStringLiteral("data")).toString().toLatin1());
        node->values.emplace_back(it.key(), read);
    }
    const QJsonObject keys = object.value(QStringLiteral("keys")).toObject();
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        auto child = std::make_unique<Registry::Node>();
        child->name = it.key();
        fromJson(it.value().toObject(), child.get());
        node->children.push_back(std::move(child));
    }
}

// The program's settings as registry values: whole numbers are DWORDs, the rest texts.
RegistryValue settingAsValue(const QVariant& stored) {
    bool isNumber = false;
    const qlonglong number = stored.toString().trimmed().toLongLong(&isNumber);
    if (isNumber && number >= 0 && number <= 0xffffffffLL)
        return RegistryValue::dword(quint32(number));
    return RegistryValue::text(stored.toString());
}

} // namespace

RegistryValue RegistryValue::text(const QString& value, RegistryType type) {
    RegistryValue made;
    made.type = type;
    for (const QChar c : value) {
        char unit[2];
        qToLittleEndian<quint16>(c.unicode(), unit);
        made.data.append(unit, 2);
    }
    made.data.append(2, '\0');
    return made;
}

RegistryValue RegistryValue::dword(quint32 value) {
    RegistryValue made;
    made.type = RegistryType::Dword;
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    made.data = QByteArray(bytes, 4);
    return made;
}

QString RegistryValue::toText() const {
    if (type != RegistryType::Sz && type != RegistryType::ExpandSz && type != RegistryType::MultiSz)
        return QString();
    QString text;
    for (int i = 0; i + 1 < data.size(); i += 2) {
        const quint16 unit = qFromLittleEndian<quint16>(data.constData() + i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

QString programRegistryKey() {
    return QStringLiteral("Software\\Brisko\\Brisko Tool");
}

Registry::Registry(const QString& storeFile, SettingsStore* programSettings)
    : m_file(storeFile), m_settings(programSettings) {
    for (int i = 0; i < 3; ++i) {
        m_roots[i] = std::make_unique<Node>();
        m_roots[i]->name = QString::fromLatin1(rootName(i));
    }
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly)) {
        // One that is there but cannot be read is damaged, and kept aside as such.
        m_damaged = file.exists();
        return;
    }
    const QByteArray bytes = file.readAll();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    // What does not parse is kept aside before the first save writes over it.
    m_damaged = file.error() != QFileDevice::NoError ||
                ((error.error != QJsonParseError::NoError || !document.isObject()) &&
                 !bytes.trimmed().isEmpty());
    const QJsonObject stored = document.object();
    for (int i = 0; i < 3; ++i)
        fromJson(stored.value(QString::fromLatin1(rootName(i))).toObject(), m_roots[i].get());
}

Registry::~Registry() = default;

void Registry::setPerUserClasses(bool perUser) {
    m_perUser = perUser;
}

bool Registry::perUserClasses() const {
    return m_perUser;
}

bool Registry::isProgramKey(RegistryRoot root, const QString& path) const {
    return m_settings && root == RegistryRoot::CurrentUser &&
           pathParts(path).join(QLatin1Char('\\')).compare(programRegistryKey(),
                                                             Qt::CaseInsensitive) == 0;
}

RegistryRoot Registry::writeRoot(RegistryRoot root, QString* path) const {
    if (root != RegistryRoot::ClassesRoot || !m_perUser)
        return root;
    *path = QStringLiteral("Software\\Classes\\") + *path;
    return RegistryRoot::CurrentUser;
}

Registry::Node* Registry::find(RegistryRoot root, const QString& path, bool create) {
    Node* node = m_roots[int(root)].get();
    for (const QString& part : pathParts(path)) {
        Node* next = node->child(part);
        if (!next) {
            if (!create)
                return nullptr;
            node->children.push_back(std::make_unique<Node>());
            next = node->children.back().get();
            next->name = part;
        }
        node = next;
    }
    return node;
}

const Registry::Node* Registry::find(RegistryRoot root, const QString& path) const {
    const Node* node = m_roots[int(root)].get();
    for (const QString& part : pathParts(path)) {
        node = node->child(part);
        if (!node)
            return nullptr;
    }
    return node;
}

bool Registry::keyExists(RegistryRoot root, const QString& path) const {
    return isProgramKey(root, path) || find(root, path) != nullptr;
}

RegistryStatus Registry::createKey(RegistryRoot root, const QString& path) {
    QString where = path;
    root = writeRoot(root, &where);
    if (!isProgramKey(root, where))
        find(root, where, true);
    return RegistryStatus::Ok;
}

RegistryStatus Registry::deleteTree(RegistryRoot root, const QString& path) {
    QString where = path;
    root = writeRoot(root, &where);
    QStringList parts = pathParts(where);
    if (parts.isEmpty() || isProgramKey(root, where))
        return RegistryStatus::AccessDenied;
    const QString last = parts.takeLast();
    Node* parent = find(root, parts.join(QLatin1Char('\\')), false);
    if (!parent)
        return RegistryStatus::NotFound;
    for (auto it = parent->children.begin(); it != parent->children.end(); ++it) {
        if ((*it)->name.compare(last, Qt::CaseInsensitive) == 0) {
            parent->children.erase(it);
            return RegistryStatus::Ok;
        }
    }
    return RegistryStatus::NotFound;
}

QStringList Registry::subKeys(RegistryRoot root, const QString& path) const {
    QStringList names;
    if (const Node* node = find(root, path))
        for (const auto& child : node->children)
            names << child->name;
    return names;
}

QStringList Registry::valueNames(RegistryRoot root, const QString& path) const {
    QStringList names;
    if (const Node* node = find(root, path))
        for (const auto& entry : node->values)
            names << entry.first;
    return names;
}

RegistryStatus Registry::queryValue(RegistryRoot root, const QString& path, const QString& name,
                                    RegistryValue* value) const {
    if (isProgramKey(root, path)) {
        if (name.isEmpty())
            return RegistryStatus::NotFound;
        // A setting that is missing or unusable (damaged) is no value.
        const QVariant stored = m_settings->value(name);
        if (!stored.isValid())
            return RegistryStatus::NotFound;
        *value = settingAsValue(stored);
        return RegistryStatus::Ok;
    }
    const Node* node = find(root, path);
    if (!node)
        return RegistryStatus::NotFound;
    for (const auto& entry : node->values) {
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            *value = entry.second;
            return RegistryStatus::Ok;
        }
    }
    return RegistryStatus::NotFound;
}

RegistryStatus Registry::setValue(RegistryRoot root, const QString& path, const QString& name,
                                  const RegistryValue& value) {
    QString where = path;
    root = writeRoot(root, &where);
    if (isProgramKey(root, where)) {
        if (name.isEmpty())
            return RegistryStatus::AccessDenied;
        if (value.type == RegistryType::Dword && value.data.size() == 4)
            m_settings->setValue(name, qFromLittleEndian<quint32>(value.data.constData()));
        else
            m_settings->setValue(name, value.toText());
        return m_settings->sync() ? RegistryStatus::Ok : RegistryStatus::WriteFault;
    }
    Node* node = find(root, where, true);
    if (RegistryValue* existing = node->value(name))
        *existing = value;
    else
        node->values.emplace_back(name, value);
    return RegistryStatus::Ok;
}

RegistryStatus Registry::deleteValue(RegistryRoot root, const QString& path, const QString& name) {
    QString where = path;
    root = writeRoot(root, &where);
    if (isProgramKey(root, where)) {
        if (!m_settings->contains(name))
            return RegistryStatus::NotFound;
        m_settings->remove(name);
        return m_settings->sync() ? RegistryStatus::Ok : RegistryStatus::WriteFault;
    }
    Node* node = find(root, where, false);
    if (!node)
        return RegistryStatus::NotFound;
    for (auto it = node->values.begin(); it != node->values.end(); ++it) {
        if (it->first.compare(name, Qt::CaseInsensitive) == 0) {
            node->values.erase(it);
            return RegistryStatus::Ok;
        }
    }
    return RegistryStatus::NotFound;
}

bool Registry::save() {
    QJsonObject stored;
    for (int i = 0; i < 3; ++i)
        stored.insert(QString::fromLatin1(rootName(i)), toJson(*m_roots[i]));
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    if (m_damaged && !keepDamagedCopy(m_file))
        return false;
    if (!writeFileAtomically(m_file, QJsonDocument(stored).toJson()))
        return false;
    m_damaged = false;
    return true;
}

Registry& userRegistry() {
    static SettingsStore settings;
    static Registry registry(
        QFileInfo(settings.fileName()).absolutePath() + QStringLiteral("/registry.json"),
        &settings);
    return registry;
}

} // namespace platform
