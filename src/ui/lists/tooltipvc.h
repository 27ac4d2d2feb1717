#pragma once

#include <QFrame>

namespace tavrin {

// The short confirmation that an entry was copied, shown below its row.
class tooltipvc : public QFrame {
    Q_OBJECT
public:
    explicit tooltipvc(QWidget *parent = nullptr);

    /// The confirmation's text.
    static QString text();
    /// Shows the confirmation centred below anchor (a row, in screen coordinates).
    void showBelow(const QRect &anchor);
};

}  // namespace tavrin
