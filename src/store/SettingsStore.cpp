// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsStore.h"

#include "store/AtomicFile.h"
#include "store/BackgroundWriter.h"
#include "store/PropertyListCodec.h"
#include "store/SettingsTable.h"
#include "store/StoreLog.h"
#include "store/StringListFiles.h"

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

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString &path) : m_path(path), m_writer(std::make_unique<BackgroundWriter>())
{
    connect(m_writer.get(), &BackgroundWriter::finished, this,
            [this](const QString &, quint64, bool ok, const QString &error) { writeFinished(ok, error); });
    const FileContent file = readWholeFile(path, kMaxStoredFileSize);
    if (file.status == FileContent::Status::missing)
        return;
    std::optional<QVariant> root;
    QString reason = QStringLiteral("it is not a property list of settings");
    if (file.status == FileContent::Status::failed)
        reason = file.error;
    else
        root = plist::parse(file.bytes);
    if (root && root->metaType().id() == QMetaType::QVariantMap) {
        m_values = root->toMap();
        repairLoadedValues();
        return;
    }
    // Keep what the user had; the next change starts a fresh file.
    QString moveError;
    m_movedAside = moveAside(path, QStringLiteral("damaged"), &moveError);
    if (m_movedAside.isEmpty())
        qCWarning(lcStore).noquote() << "cannot read the settings in" << path << QStringLiteral("(%1)").arg(reason)
                                     << "nor move them aside:" << moveError;
    else
        qCWarning(lcStore).noquote() << "cannot read the settings in" << path
                                     << QStringLiteral("(%1); kept as").arg(reason) << m_movedAside
                                     << "and starting with none";
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::pathIn(const QString &configDirectory)
{
    return configDirectory + QStringLiteral("/settings.plist");
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

void SettingsStore::repairLoadedValues()
{
    bool repaired = false;
    for (const SettingRule &rule : SettingRule::all()) {
        const auto it = m_values.constFind(rule.key);
        if (it == m_values.constEnd() || rule.whenBad == SettingRule::WhenBad::kept || rule.accepts(*it))
            continue;
        QString stored;
        QDebug(&stored).nospace() << *it;
        if (const std::optional<QVariant> usable = rule.usable(*it)) {
            qCWarning(lcStore).noquote() << QStringLiteral(
                                                "the setting \"%1\" holds %2, outside its range; it becomes %3")
                                                .arg(rule.key, stored, usable->toString());
            m_values.insert(rule.key, *usable);
        } else {
            qCWarning(lcStore).noquote() << QStringLiteral(
                                                "the setting \"%1\" holds %2, which it cannot use; it is reset (%3)")
                                                .arg(rule.key, stored, rule.missingMeans);
            m_values.remove(rule.key);
        }
        repaired = true;
    }
    if (repaired)
        persist();
}

QVariant SettingsStore::usableValue(const QString &key, int type) const
{
    const SettingRule *rule = SettingRule::of(key);
    Q_ASSERT_X(rule && int(rule->type) == type, "SettingsStore", "a typed read of a key the table does not give");
    if (!rule)
        return {};
    if (const std::optional<QVariant> usable = rule->usable(m_values.value(key)))
        return *usable;
    return rule->defaultValue;
}

bool SettingsStore::flag(const QString &key) const
{
    return usableValue(key, int(SettingRule::Type::boolean)).toBool();
}

std::int64_t SettingsStore::number(const QString &key) const
{
    return usableValue(key, int(SettingRule::Type::integer)).toLongLong();
}

QString SettingsStore::text(const QString &key) const
{
    return usableValue(key, int(SettingRule::Type::text)).toString();
}

QStringList SettingsStore::texts(const QString &key) const
{
    return usableValue(key, int(SettingRule::Type::textArray)).toStringList();
}

bool SettingsStore::storeDefaultIfMissing(const QString &key)
{
    const SettingRule *rule = SettingRule::of(key);
    Q_ASSERT_X(rule && rule->defaultValue.isValid(), "SettingsStore", "no default to store");
    if (!rule || !rule->defaultValue.isValid() || rule->accepts(m_values.value(key)))
        return false;
    set(key, rule->defaultValue.metaType().id() == QMetaType::QStringList ? QVariant(rule->defaultValue.toList())
                                                                          : rule->defaultValue);
    return true;
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
    if (!m_writer)
        return;
    // The map is implicitly shared: the writer serialises a snapshot while the GUI thread goes on changing values.
    m_writer->write(m_path, [path = m_path, values = m_values](QString *error) {
        ensurePrivateDirectory(QFileInfo(path).absolutePath());
        return writeFileAtomically(path, plist::serialize(values), error);
    });
}

bool SettingsStore::flush(QString *error)
{
    if (m_writer)
        m_writer->flush();
    if (!m_lastWriteOk && error)
        *error = m_path + QStringLiteral(": ") + m_lastError;
    return m_lastWriteOk;
}

void SettingsStore::writeFinished(bool ok, const QString &error)
{
    m_lastWriteOk = ok;
    if (ok) {
        if (m_failing.markSaved(m_path)) {
            qCInfo(lcStore).noquote() << "the settings are saved to" << m_path << "again";
            Q_EMIT saveRecovered(m_path);
        }
        return;
    }
    m_lastError = error;
    if (m_failing.markFailed(m_path)) {
        qCWarning(lcStore).noquote() << "cannot save the settings to" << m_path << ":" << error;
        Q_EMIT saveFailed(m_path, error);
    } else {
        qCDebug(lcStore).noquote() << "saving the settings to" << m_path << "failed again:" << error;
    }
}

}  // namespace tavrin
