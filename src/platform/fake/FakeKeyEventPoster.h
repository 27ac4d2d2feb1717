#pragma once

#include "platform/KeyEventPoster.h"

#include <QList>

namespace tavrin {

// Records the key events that would have been posted.
class FakeKeyEventPoster final : public KeyEventPoster {
public:
    struct Event {
        std::uint16_t keyCode;
        bool keyDown;
        std::uint64_t flags;
        bool operator==(const Event &) const = default;
    };

    bool postKeyEvent(std::uint16_t virtualKeyCode, bool keyDown, std::uint64_t flags) override
    {
        if (failing)
            return false;
        events.append(Event{virtualKeyCode, keyDown, flags});
        return true;
    }

    QList<Event> events;
    bool failing = false;
};

}  // namespace tavrin
