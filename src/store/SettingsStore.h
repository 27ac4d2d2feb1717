// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FailingFiles.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <cstdint>
#include <memory>
#include <optional>

namespace tavrin {

class BackgroundWriter;

// The user's settings: typed values under text keys.
//
// A value of another type than the reader asks for reads as missing, exactly like a missing value. The program's own
// keys are read through the typed reads (flag, number, text, texts), which give the settings table's default for a
// missing or unusable value; a file's unusable values are reset at load, each on its own (logged).
// With a file path, every change is written as an XML property-list dictionary, atomically and durably, on a writer
// thread: changes that come while a write waits are written together. Without a path the store lives in memory
// only (tests).
class SettingsStore : public QObject {
    Q_OBJECT
public:
    /// In-memory store.
    SettingsStore();
    /// Store backed by the file at path, loaded now. A damaged file is moved aside and the store starts empty.
    explicit SettingsStore(const QString &path);
    /// Writes what is still waiting.
    ~SettingsStore() override;

    /// The settings file in the program's config folder.
    static QString pathIn(const QString &configDirectory);

    std::optional<bool> boolValue(const QString &key) const;
    std::optional<std::int64_t> integer(const QString &key) const;
    std::optional<QString> string(const QString &key) const;
    std::optional<QStringList> stringArray(const QString &key) const;
    std::optional<QList<std::int64_t>> integerArray(const QString &key) const;
    std::optional<QVariantMap> dictionary(const QString &key) const;
    bool contains(const QString &key) const { return m_values.contains(key); }
    /// The value stored under key as it is, of whatever type; invalid when there is none.
    QVariant value(const QString &key) const { return m_values.value(key); }
    /// Every key that holds a value.
    QStringList keys() const { return m_values.keys(); }

    /// The value of one of the program's keys, as the settings table says it reads: the stored value when usable,
    /// else the table's default.
    bool flag(const QString &key) const;
    std::int64_t number(const QString &key) const;
    QString text(const QString &key) const;
    QStringList texts(const QString &key) const;
    /// Stores the table's default under key unless it holds a usable value; true when it stored.
    bool storeDefaultIfMissing(const QString &key);

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
    /// Waits until every change is written (or failed). False when the last write failed; error then says why.
    bool flush(QString *error = nullptr);
    /// False after the last write that finished failed; the values in memory stay as set.
    bool lastWriteSucceeded() const { return m_lastWriteOk; }
    /// The thread that writes the file; none for an in-memory store.
    BackgroundWriter *writer() const { return m_writer.get(); }

Q_SIGNALS:
    /// Writing the settings file started failing; said once until it recovers.
    void saveFailed(const QString &path, const QString &reason);
    /// Writing the settings file works again after a failure.
    void saveRecovered(const QString &path);

private:
    void set(const QString &key, const QVariant &value);
    /// The usable value of key, checked against its rule of the given type; the rule's default otherwise.
    QVariant usableValue(const QString &key, int type) const;
    /// At load: each unusable value of a key of the table is reset (or brought into range), the others kept.
    void repairLoadedValues();
    void persist();
    void writeFinished(bool ok, const QString &error);

    QString m_path;
    QString m_movedAside;
    QVariantMap m_values;
    bool m_lastWriteOk = true;
    QString m_lastError;
    FailingFiles m_failing;
    std::unique_ptr<BackgroundWriter> m_writer;
};

}  // namespace tavrin
