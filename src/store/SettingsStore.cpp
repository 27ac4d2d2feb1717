#include "store/SettingsStore.h"

#include "store/AtomicFile.h"
#include "store/PropertyListCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrin {

namespace {

bool isInteger(const QVariant &v)
{
    return v.metaType().id() == QMetaType::LongLong;
}

bool isList(const QVariant &v)
{
    return v.metaType().id() == QMetaType::QVariantList;
}

}  // namespace

SettingsStore::SettingsStore(const QString &path) : m_path(path)
{
    QFile file(path);
    if (!file.exists())
        return;
    std::optional<QVariant> root;
    if (file.open(QIODevice::ReadOnly))
        root = plist::parse(file.readAll());
    file.close();
    if (root && root->metaType().id() == QMetaType::QVariantMap) {
        m_values = root->toMap();
        return;
    }
    // Keep what the user had; the next change starts a fresh file.
    m_movedAside = moveAside(path);
}

QString SettingsStore::defaultPath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tavrin/settings.plist");
}

std::optional<bool> SettingsStore::boolValue(const QString &key) const
{
    const QVariant v = m_values.value(key);
    if (v.metaType().id() != QMetaType::Bool)
        return std::nullopt;
    return v.toBool();
}

std::optional<std::int64_t> SettingsStore::integer(const QString &key) const
{
    const QVariant v = m_values.value(key);
    if (!isInteger(v))
        return std::nullopt;
    return v.toLongLong();
}

std::optional<QString> SettingsStore::string(const QString &key) const
{
    const QVariant v = m_values.value(key);
    if (v.metaType().id() != QMetaType::QString)
        return std::nullopt;
    return v.toString();
}

std::optional<QStringList> SettingsStore::stringArray(const QString &key) const
{
    const QVariant v = m_values.value(key);
    if (!isList(v))
        return std::nullopt;
    QStringList out;
    for (const QVariant &element : v.toList()) {
        if (element.metaType().id() != QMetaType::QString)
            return std::nullopt;
        out.append(element.toString());
    }
    return out;
}

std::optional<QList<std::int64_t>> SettingsStore::integerArray(const QString &key) const
{
    const QVariant v = m_values.value(key);
    if (!isList(v))
        return std::nullopt;
    QList<std::int64_t> out;
    for (const QVariant &element : v.toList()) {
        if (!isInteger(element))
            return std::nullopt;
        out.append(element.toLongLong());
    }
    return out;
}

std::optional<QVariantMap> SettingsStore::dictionary(const QString &key) const
{
    const QVariant v = m_values.value(key);
    if (v.metaType().id() != QMetaType::QVariantMap)
        return std::nullopt;
    return v.toMap();
}

void SettingsStore::setBool(const QString &key, bool value)
{
    set(key, QVariant(value));
}

void SettingsStore::setInteger(const QString &key, std::int64_t value)
{
    set(key, QVariant(qint64(value)));
}

void SettingsStore::setString(const QString &key, const QString &value)
{
    set(key, QVariant(value));
}

void SettingsStore::setStringArray(const QString &key, const QStringList &value)
{
    QVariantList list;
    for (const QString &s : value)
        list.append(s);
    set(key, list);
}

void SettingsStore::setIntegerArray(const QString &key, const QList<std::int64_t> &value)
{
    QVariantList list;
    for (std::int64_t n : value)
        list.append(qint64(n));
    set(key, list);
}

void SettingsStore::setDictionary(const QString &key, const QVariantMap &value)
{
    // Round-trip through the file's form so the types in memory are exactly those a reload gives.
    const std::optional<QVariant> normalised = plist::parse(plist::serialize(value));
    set(key, normalised ? *normalised : QVariant(value));
}

void SettingsStore::remove(const QString &key)
{
    if (m_values.remove(key) > 0)
        persist();
}

void SettingsStore::set(const QString &key, const QVariant &value)
{
    m_values.insert(key, value);
    persist();
}

void SettingsStore::persist()
{
    if (m_path.isEmpty())
        return;
    ensurePrivateDirectory(QFileInfo(m_path).absolutePath());
    m_lastWriteOk = writeFileAtomically(m_path, plist::serialize(m_values));
}

}  // namespace tavrin
