// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace tavrin {

// The help page on getting a session where pasting works. It lives in the program's resources and is
// written out, with its pictures, to a folder a browser can read.
struct GuideHelpPage {
    /// Where the page is written: the program's data folder, under "help".
    static QString folderIn(const QString &dataDirectory);
    /// Writes the page and its pictures into folder; the page's file URL, or an empty URL with a reason in error.
    static QUrl writeTo(const QString &folder, QString *error);
};

}  // namespace tavrin
