#pragma once

namespace tavrin {

class HistoryStore;

// Writes a pending history save when the process ends through exit() past the quit path: Qt ends the program that
// way when the X server goes away (a logout without a session manager). While the object lives, an exit() writes;
// once it is gone (a normal return from main), nothing happens.
class SaveAtExit {
public:
    explicit SaveAtExit(HistoryStore &history);
    ~SaveAtExit();
    SaveAtExit(const SaveAtExit &) = delete;
    SaveAtExit &operator=(const SaveAtExit &) = delete;

private:
    static void saveNow();
};

}  // namespace tavrin
