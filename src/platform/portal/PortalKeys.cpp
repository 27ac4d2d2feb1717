#include "platform/portal/PortalKeys.h"

#include <QChar>
#include <QStringList>

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <array>
#include <utility>

namespace tavrin::portal {

namespace {

// Keys that type no character.
constexpr std::array<std::pair<Qt::Key, std::uint32_t>, 26> kNamedKeys = {{
    {Qt::Key_Escape, XKB_KEY_Escape},
    {Qt::Key_Tab, XKB_KEY_Tab},
    {Qt::Key_Backtab, XKB_KEY_ISO_Left_Tab},
    {Qt::Key_Backspace, XKB_KEY_BackSpace},
    {Qt::Key_Return, XKB_KEY_Return},
    {Qt::Key_Enter, XKB_KEY_KP_Enter},
    {Qt::Key_Insert, XKB_KEY_Insert},
    {Qt::Key_Delete, XKB_KEY_Delete},
    {Qt::Key_Pause, XKB_KEY_Pause},
    {Qt::Key_Print, XKB_KEY_Print},
    {Qt::Key_Home, XKB_KEY_Home},
    {Qt::Key_End, XKB_KEY_End},
    {Qt::Key_Left, XKB_KEY_Left},
    {Qt::Key_Up, XKB_KEY_Up},
    {Qt::Key_Right, XKB_KEY_Right},
    {Qt::Key_Down, XKB_KEY_Down},
    {Qt::Key_PageUp, XKB_KEY_Prior},
    {Qt::Key_PageDown, XKB_KEY_Next},
    {Qt::Key_Menu, XKB_KEY_Menu},
    {Qt::Key_Space, XKB_KEY_space},
    {Qt::Key_CapsLock, XKB_KEY_Caps_Lock},
    {Qt::Key_NumLock, XKB_KEY_Num_Lock},
    {Qt::Key_ScrollLock, XKB_KEY_Scroll_Lock},
    {Qt::Key_Help, XKB_KEY_Help},
    {Qt::Key_Clear, XKB_KEY_Clear},
    {Qt::Key_SysReq, XKB_KEY_Sys_Req},
}};

}  // namespace

std::uint32_t keysymForKey(QKeyCombination keys)
{
    const Qt::Key key = keys.key();
    for (const auto &[named, keysym] : kNamedKeys) {
        if (named == key)
            return keysym;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XKB_KEY_F1 + std::uint32_t(key - Qt::Key_F1);
    // A key that types a character carries it, upper case for letters; its keysym is the unshifted one.
    if (key > 0 && key < 0x110000 && key != Qt::Key_unknown) {
        const char32_t lower = QChar::toLower(char32_t(key));
        const xkb_keysym_t keysym = xkb_utf32_to_keysym(lower);
        return keysym == XKB_KEY_NoSymbol ? 0 : keysym;
    }
    return 0;
}

QList<std::uint32_t> modifierKeysyms(Qt::KeyboardModifiers modifiers)
{
    QList<std::uint32_t> keysyms;
    if (modifiers & Qt::ControlModifier)
        keysyms.append(XKB_KEY_Control_L);
    if (modifiers & Qt::ShiftModifier)
        keysyms.append(XKB_KEY_Shift_L);
    if (modifiers & Qt::AltModifier)
        keysyms.append(XKB_KEY_Alt_L);
    if (modifiers & Qt::MetaModifier)
        keysyms.append(XKB_KEY_Super_L);
    return keysyms;
}

QString shortcutTrigger(QKeyCombination keys)
{
    const std::uint32_t keysym = keysymForKey(keys);
    char name[64];
    if (keysym == 0 || xkb_keysym_get_name(keysym, name, sizeof name) <= 0)
        return {};
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << QString::fromLatin1(name);
    return parts.join(QLatin1Char('+'));
}

}  // namespace tavrin::portal
