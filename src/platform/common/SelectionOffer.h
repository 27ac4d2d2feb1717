// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace tavrin {

// What the program puts on the clipboard: each target (X11 target or MIME type) with its X11 property type and
// its data, and how it reads back.
struct SelectionOffer {
    struct Format {
        std::string target;
        std::string type;
        QByteArray data;
    };
    std::vector<Format> formats;
    ClipboardContents contents;

    static SelectionOffer forText(const QString &text);
    static SelectionOffer forFile(const QString &path);
    /// The same contents again, as read from another program (its files and its text; never secret).
    static SelectionOffer forContents(const ClipboardContents &contents);
};

}  // namespace tavrin
