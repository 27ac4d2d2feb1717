// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

class AppContext;

// Writes a pending history and settings save when the process ends through exit() past the quit path: Qt ends the
// program that way when the X server goes away (a logout without a session manager). While the object lives, an exit()
// writes (and names what it could not); once it is gone (a normal return from main), nothing happens.
class SaveAtExit {
public:
    explicit SaveAtExit(AppContext &context);
    ~SaveAtExit();
    SaveAtExit(const SaveAtExit &) = delete;
    SaveAtExit &operator=(const SaveAtExit &) = delete;

private:
    static void saveNow();
};

}  // namespace tavrin
