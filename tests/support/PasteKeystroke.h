#pragma once

#include "platform/fake/FakeKeyEventPoster.h"

#include <QList>

namespace tavrin::test {

/// One paste keystroke as the fake records it: V with the Command flag, between a press and a release of key 56.
inline const QList<FakeKeyEventPoster::Event> kPasteKeystroke = {
    {56, true, 0}, {9, true, 0x100000}, {9, false, 0x100000}, {56, false, 0}};

}  // namespace tavrin::test
