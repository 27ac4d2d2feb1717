// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPalette>

class QApplication;

namespace tavrin {

/// The palette with its secondary text (placeholders, section titles, hints) moved towards the text colour until it
/// reads at 4.5:1 on both the window and the text fields; unchanged where it already does.
QPalette withReadableSecondaryText(QPalette palette);

/// Keeps the application's secondary text readable: Qt and many desktop themes draw it at half strength, which on
/// white is 4:1, under what small text needs. Applied at start and after every change of palette (a switch to dark).
class ReadablePalette : public QObject {
    Q_OBJECT

public:
    explicit ReadablePalette(QApplication *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
};

}  // namespace tavrin
