// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace tavrin {

// The short confirmation that an entry was copied, shown below its row.
class CopiedToast : public QFrame {
    Q_OBJECT
public:
    explicit CopiedToast(QWidget *parent = nullptr);

    /// The confirmation's text.
    static QString text();
    /// Shows the confirmation centred below anchor (a row, in screen coordinates).
    void showBelow(const QRect &anchor);
};

}  // namespace tavrin
