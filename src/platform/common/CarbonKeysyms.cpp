#include "platform/common/CarbonKeysyms.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tavrin {

namespace {

// Keysym values (X11/keysymdef.h, X11/XF86keysym.h), written out so the table needs no X headers.
constexpr std::uint32_t F(int n)
{
    return 0xffbe + std::uint32_t(n - 1);  // XK_F1 … XK_F35 are consecutive
}

constexpr std::pair<std::uint32_t, std::uint32_t> kTable[] = {
    // letters
    {0, 'a'},
    {11, 'b'},
    {8, 'c'},
    {2, 'd'},
    {14, 'e'},
    {3, 'f'},
    {5, 'g'},
    {4, 'h'},
    {34, 'i'},
    {38, 'j'},
    {40, 'k'},
    {37, 'l'},
    {46, 'm'},
    {45, 'n'},
    {31, 'o'},
    {35, 'p'},
    {12, 'q'},
    {15, 'r'},
    {1, 's'},
    {17, 't'},
    {32, 'u'},
    {9, 'v'},
    {13, 'w'},
    {7, 'x'},
    {16, 'y'},
    {6, 'z'},
    // digits
    {29, '0'},
    {18, '1'},
    {19, '2'},
    {20, '3'},
    {21, '4'},
    {23, '5'},
    {22, '6'},
    {26, '7'},
    {28, '8'},
    {25, '9'},
    // punctuation
    {47, '.'},
    {39, '\''},
    {30, ']'},
    {41, ';'},
    {44, '/'},
    {42, '\\'},
    {43, ','},
    {24, '='},
    {50, '`'},
    {33, '['},
    {27, '-'},
    // whitespace and modifiers
    {49, ' '},
    {48, 0xff09 /* Tab */},
    {36, 0xff0d /* Return */},
    {55, 0xffe3 /* Control_L */},
    {54, 0xffe4 /* Control_R */},
    {58, 0xffe9 /* Alt_L */},
    {61, 0xffea /* Alt_R */},
    {59, 0xffeb /* Super_L */},
    {62, 0xffec /* Super_R */},
    {56, 0xffe1 /* Shift_L */},
    {60, 0xffe2 /* Shift_R */},
    {57, 0xffe5 /* Caps_Lock */},
    // navigation
    {116, 0xff55 /* Prior */},
    {121, 0xff56 /* Next */},
    {115, 0xff50 /* Home */},
    {119, 0xff57 /* End */},
    {126, 0xff52 /* Up */},
    {124, 0xff53 /* Right */},
    {125, 0xff54 /* Down */},
    {123, 0xff51 /* Left */},
    // function keys
    {122, F(1)},
    {120, F(2)},
    {99, F(3)},
    {118, F(4)},
    {96, F(5)},
    {97, F(6)},
    {98, F(7)},
    {100, F(8)},
    {101, F(9)},
    {109, F(10)},
    {103, F(11)},
    {111, F(12)},
    {105, F(13)},
    {107, F(14)},
    {113, F(15)},
    {106, F(16)},
    {64, F(17)},
    {79, F(18)},
    {80, F(19)},
    {90, F(20)},
    // keypad: Clear sits where a PC keyboard has Num Lock
    {82, 0xffb0},
    {83, 0xffb1},
    {84, 0xffb2},
    {85, 0xffb3},
    {86, 0xffb4},
    {87, 0xffb5},
    {88, 0xffb6},
    {89, 0xffb7},
    {91, 0xffb8},
    {92, 0xffb9},
    {71, 0xff7f /* Num_Lock */},
    {65, 0xffae /* KP_Decimal */},
    {75, 0xffaf /* KP_Divide */},
    {76, 0xff8d /* KP_Enter */},
    {81, 0xffbd /* KP_Equal */},
    {78, 0xffad /* KP_Subtract */},
    {67, 0xffaa /* KP_Multiply */},
    {69, 0xffab /* KP_Add */},
    // others: Help sits where a PC keyboard has Insert
    {53, 0xff1b /* Escape */},
    {51, 0xff08 /* BackSpace */},
    {117, 0xffff /* Delete */},
    {114, 0xff63 /* Insert */},
    {72, 0x1008ff13 /* XF86AudioRaiseVolume */},
    {73, 0x1008ff11 /* XF86AudioLowerVolume */},
    {74, 0x1008ff12 /* XF86AudioMute */},
};

}  // namespace

std::optional<std::uint32_t> keysymForCarbonKeyCode(std::uint32_t carbonKeyCode)
{
    const auto found = std::find_if(std::begin(kTable), std::end(kTable),
                                    [carbonKeyCode](const auto &entry) { return entry.first == carbonKeyCode; });
    if (found == std::end(kTable))
        return std::nullopt;
    return found->second;
}

}  // namespace tavrin
