#include "platform/common/EvdevKeyPositions.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tavrin {

namespace {

// Linux input event codes (linux/input-event-codes.h) and the Carbon code of the key at the same place on an ANSI
// keyboard; modifiers as the rest of the program maps them (Command is Control, Control is Super).
constexpr std::pair<std::uint16_t, std::uint16_t> kTable[] = {
    {1, 53},  // Escape
    {2, 18},    {3, 19},    {4, 20},    {5, 21},    {6, 23},    {7, 22},    {8, 26},    {9, 28},
    {10, 25},   {11, 29},  // 1 … 9, 0
    {12, 27},   {13, 24},   {14, 51},   {15, 48},  // minus, equal, backspace, tab
    {16, 12},   {17, 13},   {18, 14},   {19, 15},   {20, 17},   {21, 16},   {22, 32},   {23, 34},
    {24, 31},   {25, 35},  // q … p
    {26, 33},   {27, 30},   {28, 36},  // brackets, return
    {29, 55},  // left control
    {30, 0},    {31, 1},    {32, 2},    {33, 3},    {34, 5},    {35, 4},    {36, 38},   {37, 40},
    {38, 37},   {39, 41},   {40, 39},   {41, 50},  // a … l, semicolon, quote, grave
    {42, 56},   {43, 42},  // left shift, backslash
    {44, 6},    {45, 7},    {46, 8},    {47, 9},    {48, 11},   {49, 45},   {50, 46},  // z … m
    {51, 43},   {52, 47},   {53, 44},   {54, 60},   {55, 67},   {56, 58},   {57, 49},   {58, 57},
    {59, 122},  {60, 120},  {61, 99},   {62, 118},  {63, 96},   {64, 97},   {65, 98},   {66, 100},
    {67, 101},  {68, 109},  // F1 … F10
    {69, 71},  // num lock (Clear)
    {71, 89},   {72, 91},   {73, 92},   {74, 78},   {75, 86},   {76, 87},   {77, 88},   {78, 69},
    {79, 83},   {80, 84},   {81, 85},   {82, 82},   {83, 65},  // keypad
    {86, 10},  // the ISO key left of z
    {87, 103},  {88, 111},  // F11, F12
    {96, 76},   {97, 54},   {98, 75},   {100, 61},  // keypad enter, right control, keypad slash, right alt
    {102, 115}, {103, 126}, {104, 116}, {105, 123}, {106, 124}, {107, 119}, {108, 125}, {109, 121},
    {110, 114}, {111, 117},  // navigation block
    {113, 74},  {114, 73},  {115, 72},  {117, 81},  // mute, volume down, volume up, keypad equal
    {125, 59},  {126, 62},  // left and right "Windows" keys
    {183, 105}, {184, 107}, {185, 113}, {186, 106}, {187, 64},  {188, 79},  {189, 80},  {190, 90},  // F13 … F20
};

constexpr std::uint32_t kEvdevOffset = 8;

}  // namespace

std::optional<std::uint16_t> EvdevKeyPositions::carbonKeyCode(std::uint32_t nativeScanCode) const
{
    if (nativeScanCode < kEvdevOffset)
        return std::nullopt;
    const std::uint32_t code = nativeScanCode - kEvdevOffset;
    const auto found =
        std::find_if(std::begin(kTable), std::end(kTable), [code](const auto &entry) { return entry.first == code; });
    if (found == std::end(kTable))
        return std::nullopt;
    return found->second;
}

std::optional<std::uint32_t> EvdevKeyPositions::keycodeFor(std::uint16_t carbonKeyCode)
{
    const auto found = std::find_if(std::begin(kTable), std::end(kTable),
                                    [carbonKeyCode](const auto &entry) { return entry.second == carbonKeyCode; });
    if (found == std::end(kTable))
        return std::nullopt;
    return found->first + kEvdevOffset;
}

}  // namespace tavrin
