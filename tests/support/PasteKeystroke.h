// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QList>

namespace tavrin::test {

/// One paste keystroke as the fake key poster records it: Ctrl+V.
inline const QList<QKeyCombination> kPasteKeystroke = {QKeyCombination(Qt::ControlModifier, Qt::Key_V)};

}  // namespace tavrin::test
