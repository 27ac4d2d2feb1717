#pragma once

#include <QString>

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
}  // namespace errors

/// The bus name of the program on a display (":1", "host:0.1"): one name per display, whatever the screen.
QString serviceName(const QString &display);
/// The display this process uses: $DISPLAY, else $WAYLAND_DISPLAY.
QString currentDisplay();

}  // namespace tavrin::bus
