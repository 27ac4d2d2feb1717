// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace tavrin::bus {

// Where the running program answers on the D-Bus session bus: one well-known name per user and display, an object
// for the single-instance hand-over and one for the commands of other programs (docs/DBUS.md).
inline constexpr const char *kServicePrefix = "io.tavrin.Tavrin";
inline constexpr const char *kControlPath = "/io/tavrin/Tavrin/Control";
inline constexpr const char *kControlInterface = "io.tavrin.Tavrin.Control";

// The errors the command interface answers with.
namespace errors {
inline constexpr const char *kNoSuchEntry = "io.tavrin.Tavrin.Error.NoSuchEntry";
inline constexpr const char *kTooManyPins = "io.tavrin.Tavrin.Error.TooManyPins";
inline constexpr const char *kPaused = "io.tavrin.Tavrin.Error.Paused";
inline constexpr const char *kInvalidArgument = "io.tavrin.Tavrin.Error.InvalidArgument";
inline constexpr const char *kOutputFailed = "io.tavrin.Tavrin.Error.OutputFailed";
inline constexpr const char *kQueueEmpty = "io.tavrin.Tavrin.Error.QueueEmpty";
inline constexpr const char *kTooLarge = "io.tavrin.Tavrin.Error.TooLarge";
}  // namespace errors

/// The longest text Add takes, in bytes of UTF-8 (48 MiB). libdbus carries no message over 128 MiB (a client's larger
/// call is never sent, and QtDBus then waits for its answer forever) and by default pauses reading a connection that
/// holds 63 MiB of messages; below both, an Add is an ordinary message for any client and any receiver.
inline constexpr qsizetype kMaxAddedTextBytes = qsizetype(48) << 20;
/// The length of a text in UTF-8, counted without converting it.
qsizetype utf8Length(QStringView text);
/// Why an entry's row is not in a history of count entries ("there is no entry 12: the history has 3 entries,
/// numbered from 1").
QString noSuchEntryMessage(const QString &row, qsizetype count);
/// Why a text of that many bytes is not added.
QString textTooLargeMessage(qsizetype bytes);

/// The bus name of the program on a display (":1", "host:0.1"): one name per display, whatever the screen.
QString serviceName(const QString &display);
/// The display this process uses: $DISPLAY, else $WAYLAND_DISPLAY.
QString currentDisplay();

}  // namespace tavrin::bus
