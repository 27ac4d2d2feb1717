// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/ShortcutRecorder.h"

#include <QAbstractButton>

namespace tavrin {

// The box a shortcut is recorded in: it shows the recorded combination (or what is held while recording) and
// starts a recording when clicked. Its border tells whether it is recording.
class ShortcutRecorderBox : public QAbstractButton {
    Q_OBJECT
public:
    explicit ShortcutRecorderBox(QWidget *parent = nullptr);

    void setBorder(RecorderBorder border);
    /// The combination shown (recorded, or held while recording); empty when none is recorded. Screen readers get
    /// it as the box's description, its name staying what the box is for.
    void setKeys(const QString &keys);
    QString keys() const { return text(); }
    /// What the desktop made of the keys ("Does not work: ..."), said after them; empty when there is nothing to say.
    void setNote(const QString &note);
    RecorderBorder border() const { return m_border; }

    QSize sizeHint() const override;
    /// Narrower than its wanted width on a narrow pane, never narrower than its keys.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    RecorderBorder m_border = RecorderBorder::idle;
    QString m_note;
};

}  // namespace tavrin
