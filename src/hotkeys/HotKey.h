#pragma once

#include "hotkeys/KeyCombo.h"

#include <QPointer>
#include <QUuid>

#include <functional>
#include <memory>

namespace tavrin {

class HotKeysController;

// A system-wide hot key: registered for as long as it lives and is not paused. Shared ownership gives it the
// identity the registry's weak back-references need.
class HotKey : public std::enable_shared_from_this<HotKey> {
public:
    using Handler = std::function<void()>;

    /// Makes the hot key and registers it with the controller before returning.
    static std::shared_ptr<HotKey> create(HotKeysController &controller, const KeyCombo &keyCombo,
                                          Handler keyDownHandler = {}, Handler keyUpHandler = {});
    static std::shared_ptr<HotKey> create(HotKeysController &controller, std::uint32_t carbonKeyCode,
                                          std::uint32_t carbonModifiers, Handler keyDownHandler = {},
                                          Handler keyUpHandler = {});
    static std::shared_ptr<HotKey> create(HotKeysController &controller, Key key, ModifierFlags modifiers,
                                          Handler keyDownHandler = {}, Handler keyUpHandler = {});

    HotKey(const HotKey &) = delete;
    HotKey &operator=(const HotKey &) = delete;
    /// Unregisters, exactly as pausing does.
    ~HotKey();

    const QUuid &identifier() const { return m_identifier; }
    const KeyCombo &keyCombo() const { return m_keyCombo; }

    /// Replaceable at any time; a replacement takes effect with the next event.
    const Handler &keyDownHandler() const { return m_keyDownHandler; }
    void setKeyDownHandler(Handler handler) { m_keyDownHandler = std::move(handler); }
    const Handler &keyUpHandler() const { return m_keyUpHandler; }
    void setKeyUpHandler(Handler handler) { m_keyUpHandler = std::move(handler); }

    bool isPaused() const { return m_isPaused; }
    /// Stores the value, then unregisters (true) or registers (false); both are idempotent and run on every call.
    void setPaused(bool paused);

private:
    HotKey(HotKeysController &controller, const KeyCombo &keyCombo, Handler keyDownHandler, Handler keyUpHandler);

    QUuid m_identifier;
    KeyCombo m_keyCombo;
    Handler m_keyDownHandler;
    Handler m_keyUpHandler;
    bool m_isPaused = false;
    QPointer<HotKeysController> m_controller;
};

}  // namespace tavrin
