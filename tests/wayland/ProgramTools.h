// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "E2e.h"

#include <QByteArray>
#include <QKeyCombination>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace tavrin::wayland {

// The real program ($TAVRIN_BINARY) as a user's commands see it, on a Wayland desktop.

/// One history entry as "tavrin list --json" prints it.
struct Listed {
    QString kind;
    QString text;
    bool operator==(const Listed &) const = default;
};

/// Runs "tavrin ARGUMENTS" and waits for it; a problem it reports on standard error is a warning of the test.
e2e::ToolResult runTavrin(const QStringList &arguments, const QProcessEnvironment &environment = {});
/// The history as the running program lists it, top row first; empty when it did not answer.
QList<Listed> history();
/// The top entry's text; empty when there is none.
QString topText();
/// A file's content; empty when it cannot be read.
QByteArray fileText(const QString &path);
/// Waits until the window's text (mirrored into output) is expected; when it does not come, says so for paste number
/// attempt and takes what the window holds as the new expectation, so the next paste is checked on its own.
bool waitForPaste(const QString &output, QByteArray &expected, int attempt);
/// Ten times: another program copies an entry, the program records it, and "tavrin paste 1" pastes it into the
/// window in front, whose text lands in output; the number of pastes that arrived, each checked before the next.
int pasteTenCopiesWithTheCommand(const QString &output, const QString &tag);

/// The desktop as the list pastes see it: a key pressed on the user's keyboard, and which window has the focus.
struct Desk {
    std::function<bool(QKeyCombination)> press;
    std::function<bool()> listHasFocus;
    std::function<bool()> targetHasFocus;
};
/// The same through the list: "tavrin show" opens it with its first row chosen, and Return pastes that row into the
/// window that had the focus, which must have it again afterwards.
int pasteTenCopiesFromTheList(const QString &output, const QString &tag, const Desk &desk);

}  // namespace tavrin::wayland
