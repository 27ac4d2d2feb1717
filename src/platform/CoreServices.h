// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

class Accessibility;
class Dispatcher;
class GlobalShortcuts;
class KeyEventPoster;
class Clipboard;
class Scheduler;
class SoundPlayer;
class Workspace;

// The services of a backend that need no GUI: all that store/, capture/ and hotkeys/ may use of the desktop.
struct CoreServices {
    Scheduler &scheduler;
    Dispatcher &dispatcher;
    Clipboard &clipboard;
    KeyEventPoster &keyEventPoster;
    Accessibility &accessibility;
    GlobalShortcuts &globalShortcuts;
    Workspace &workspace;
    SoundPlayer &soundPlayer;
};

}  // namespace tavrin
