#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <cstdint>
#include <optional>

namespace tavrin {

// The user's settings (stands in for the user defaults): typed values under text keys.
//
// A value of another type than the reader asks for reads as missing, exactly like a missing value.
// With a file path, every change is written at once, atomically, as an XML property-list dictionary;
// without one the store lives in memory only (tests).
class SettingsStore {
public:
    /// In-memory store.
    SettingsStore() = default;
    /// Store backed by the file at path, loaded now. A damaged file is moved aside and the store starts empty.
    explicit SettingsStore(const QString &path);
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    /// $XDG_CONFIG_HOME/tavrin/settings.plist (default ~/.config/tavrin/settings.plist).
    static QString defaultPath();

    std::optional<bool> boolValue(const QString &key) const;
    std::optional<std::int64_t> integer(const QString &key) const;
    std::optional<QString> string(const QString &key) const;
    std::optional<QStringList> stringArray(const QString &key) const;
    std::optional<QList<std::int64_t>> integerArray(const QString &key) const;
    std::optional<QVariantMap> dictionary(const QString &key) const;
    bool contains(const QString &key) const { return m_values.contains(key); }

    void setBool(const QString &key, bool value);
    void setInteger(const QString &key, std::int64_t value);
    void setString(const QString &key, const QString &value);
    void setStringArray(const QString &key, const QStringList &value);
    void setIntegerArray(const QString &key, const QList<std::int64_t> &value);
    /// Values of a dictionary follow the same types (bool, qint64, QString, lists, maps).
    void setDictionary(const QString &key, const QVariantMap &value);
    void remove(const QString &key);

    /// The file path, empty for an in-memory store.
    QString path() const { return m_path; }
    /// Where a damaged file was moved at load, empty when none was.
    QString movedAsidePath() const { return m_movedAside; }
    /// False after the last write failed; the values in memory stay as set.
    bool lastWriteSucceeded() const { return m_lastWriteOk; }

private:
    void set(const QString &key, const QVariant &value);
    void persist();

    QString m_path;
    QString m_movedAside;
    QVariantMap m_values;
    bool m_lastWriteOk = true;
};

}  // namespace tavrin
