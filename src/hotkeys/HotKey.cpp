#include "hotkeys/HotKey.h"

#include "hotkeys/HotKeysController.h"

namespace tavrin {

HotKey::HotKey(HotKeysController &controller, const KeyCombo &keyCombo, Handler keyDownHandler, Handler keyUpHandler)
    : m_identifier(QUuid::createUuid()),
      m_keyCombo(keyCombo),
      m_keyDownHandler(std::move(keyDownHandler)),
      m_keyUpHandler(std::move(keyUpHandler)),
      m_controller(&controller)
{
}

std::shared_ptr<HotKey> HotKey::create(HotKeysController &controller, const KeyCombo &keyCombo, Handler keyDownHandler,
                                       Handler keyUpHandler)
{
    std::shared_ptr<HotKey> hotKey(
        new HotKey(controller, keyCombo, std::move(keyDownHandler), std::move(keyUpHandler)));
    controller.registerHotKey(hotKey);
    return hotKey;
}

std::shared_ptr<HotKey> HotKey::create(HotKeysController &controller, std::uint32_t carbonKeyCode,
                                       std::uint32_t carbonModifiers, Handler keyDownHandler, Handler keyUpHandler)
{
    return create(controller, KeyCombo(carbonKeyCode, carbonModifiers), std::move(keyDownHandler),
                  std::move(keyUpHandler));
}

std::shared_ptr<HotKey> HotKey::create(HotKeysController &controller, Key key, ModifierFlags modifiers,
                                       Handler keyDownHandler, Handler keyUpHandler)
{
    return create(controller, KeyCombo(key, modifiers), std::move(keyDownHandler), std::move(keyUpHandler));
}

HotKey::~HotKey()
{
    if (m_controller)
        m_controller->unregisterHotKey(*this);
}

void HotKey::setPaused(bool paused)
{
    m_isPaused = paused;
    if (!m_controller)
        return;
    if (paused)
        m_controller->unregisterHotKey(*this);
    else
        m_controller->registerHotKey(shared_from_this());
}

}  // namespace tavrin
