// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/QtKeysyms.h"

#include <QChar>

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <iterator>

namespace tavrin {

namespace {

struct KeyKeysym {
    Qt::Key key;
    std::uint32_t keysym;
};

// Keys that type no character, and the keypad's keys (matched with Qt::KeypadModifier).
constexpr KeyKeysym kFunctionKeys[] = {
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
    {Qt::Key_SysReq, XKB_KEY_Sys_Req},
    {Qt::Key_Clear, XKB_KEY_Clear},
    {Qt::Key_Home, XKB_KEY_Home},
    {Qt::Key_End, XKB_KEY_End},
    {Qt::Key_Left, XKB_KEY_Left},
    {Qt::Key_Up, XKB_KEY_Up},
    {Qt::Key_Right, XKB_KEY_Right},
    {Qt::Key_Down, XKB_KEY_Down},
    {Qt::Key_PageUp, XKB_KEY_Prior},
    {Qt::Key_PageDown, XKB_KEY_Next},
    {Qt::Key_Shift, XKB_KEY_Shift_L},
    {Qt::Key_Control, XKB_KEY_Control_L},
    {Qt::Key_Meta, XKB_KEY_Meta_L},
    {Qt::Key_Alt, XKB_KEY_Alt_L},
    {Qt::Key_AltGr, XKB_KEY_ISO_Level3_Shift},
    {Qt::Key_CapsLock, XKB_KEY_Caps_Lock},
    {Qt::Key_NumLock, XKB_KEY_Num_Lock},
    {Qt::Key_ScrollLock, XKB_KEY_Scroll_Lock},
    {Qt::Key_Super_L, XKB_KEY_Super_L},
    {Qt::Key_Super_R, XKB_KEY_Super_R},
    {Qt::Key_Menu, XKB_KEY_Menu},
    {Qt::Key_Help, XKB_KEY_Help},
    {Qt::Key_VolumeDown, XKB_KEY_XF86AudioLowerVolume},
    {Qt::Key_VolumeMute, XKB_KEY_XF86AudioMute},
    {Qt::Key_VolumeUp, XKB_KEY_XF86AudioRaiseVolume},
};

constexpr KeyKeysym kKeypadKeys[] = {
    {Qt::Key_Enter, XKB_KEY_KP_Enter},
    {Qt::Key_Equal, XKB_KEY_KP_Equal},
    {Qt::Key_Asterisk, XKB_KEY_KP_Multiply},
    {Qt::Key_Plus, XKB_KEY_KP_Add},
    {Qt::Key_Comma, XKB_KEY_KP_Separator},
    {Qt::Key_Minus, XKB_KEY_KP_Subtract},
    {Qt::Key_Period, XKB_KEY_KP_Decimal},
    {Qt::Key_Slash, XKB_KEY_KP_Divide},
    {Qt::Key_Space, XKB_KEY_KP_Space},
    {Qt::Key_Tab, XKB_KEY_KP_Tab},
    {Qt::Key_Home, XKB_KEY_KP_Home},
    {Qt::Key_Left, XKB_KEY_KP_Left},
    {Qt::Key_Up, XKB_KEY_KP_Up},
    {Qt::Key_Right, XKB_KEY_KP_Right},
    {Qt::Key_Down, XKB_KEY_KP_Down},
    {Qt::Key_PageUp, XKB_KEY_KP_Prior},
    {Qt::Key_PageDown, XKB_KEY_KP_Next},
    {Qt::Key_End, XKB_KEY_KP_End},
    {Qt::Key_Clear, XKB_KEY_KP_Begin},
    {Qt::Key_Insert, XKB_KEY_KP_Insert},
    {Qt::Key_Delete, XKB_KEY_KP_Delete},
};

constexpr int kFunctionKeyCount = 35;  // F1 … F35, consecutive in both numberings

std::uint32_t findKeysym(const KeyKeysym *begin, const KeyKeysym *end, Qt::Key key)
{
    const auto found = std::find_if(begin, end, [key](const KeyKeysym &entry) { return entry.key == key; });
    return found == end ? 0 : found->keysym;
}

Qt::Key findKey(const KeyKeysym *begin, const KeyKeysym *end, std::uint32_t keysym)
{
    const auto found = std::find_if(begin, end, [keysym](const KeyKeysym &entry) { return entry.keysym == keysym; });
    return found == end ? Qt::Key_unknown : found->key;
}

// Qt names a character key by the upper case of what it types; the keysym of its unshifted character is the lower
// case.
bool isCharacterKey(int key)
{
    return key >= Qt::Key_Space && key < Qt::Key_Escape && QChar::isPrint(char32_t(key));
}

}  // namespace

std::uint32_t keysymForKey(QKeyCombination keys)
{
    const Qt::Key key = keys.key();
    if (keys.keyboardModifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return XKB_KEY_KP_0 + std::uint32_t(key - Qt::Key_0);
        if (const std::uint32_t keysym = findKeysym(std::begin(kKeypadKeys), std::end(kKeypadKeys), key))
            return keysym;
    }
    if (isCharacterKey(key))
        return xkb_utf32_to_keysym(QChar::toLower(char32_t(key)));
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeyCount)
        return XKB_KEY_F1 + std::uint32_t(key - Qt::Key_F1);
    return findKeysym(std::begin(kFunctionKeys), std::end(kFunctionKeys), key);
}

Qt::Key keyForKeysym(std::uint32_t keysym)
{
    if (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9)
        return Qt::Key(Qt::Key_0 + int(keysym - XKB_KEY_KP_0));
    if (keysym >= XKB_KEY_F1 && keysym < XKB_KEY_F1 + kFunctionKeyCount)
        return Qt::Key(Qt::Key_F1 + int(keysym - XKB_KEY_F1));
    if (const Qt::Key key = findKey(std::begin(kFunctionKeys), std::end(kFunctionKeys), keysym); key != Qt::Key_unknown)
        return key;
    if (const Qt::Key key = findKey(std::begin(kKeypadKeys), std::end(kKeypadKeys), keysym); key != Qt::Key_unknown)
        return key;
    const char32_t character = xkb_keysym_to_utf32(keysym);
    if (character == 0 || !isCharacterKey(int(QChar::toUpper(character))))
        return Qt::Key_unknown;
    return Qt::Key(QChar::toUpper(character));
}

}  // namespace tavrin
