// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tavrin::bench {

/// A reproducible history of n entries shaped like real copies: mostly short, some long, some
/// multi-line, a tenth paths, non-Latin texts and emoji, 10 to about 700 bytes of UTF-8 each.
QStringList sampleHistory(int n, quint32 seed = 42);

/// The same shape with words in Cyrillic, Greek, Arabic, Hindi, Japanese and Chinese (two or three bytes of UTF-8 a
/// character), as in the history of someone who writes in those scripts.
QStringList nonLatinSampleHistory(int n, quint32 seed = 42);

/// Total UTF-8 size of the entries.
qint64 utf8Size(const QStringList &entries);

}  // namespace tavrin::bench
