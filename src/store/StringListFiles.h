#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

/// The program's data folder: $XDG_DATA_HOME/tavrin (default ~/.local/share/tavrin), made 0700 when missing.
QString documentsDirectory();
/// documentsDirectory() + "/" + name + ".plist"; the name is used unchanged.
QString listFilePath(const QString &name);

/// The strings stored under a name; empty when there is no file or it cannot be read.
QStringList readStringList(const QString &name);
/// Writes the strings under a name atomically; false on failure (the caller's list is untouched).
bool writeStringList(const QString &name, const QStringList &strings);

/// The same at a full path. A file that exists but is not an array of strings reads as empty and is
/// remembered as damaged: the next write first moves it aside, so what it held is never overwritten.
QStringList readStringListAtPath(const QString &path);
bool writeStringListAtPath(const QString &path, const QStringList &strings);

}  // namespace tavrin
