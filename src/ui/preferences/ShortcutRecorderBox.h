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
    RecorderBorder border() const { return m_border; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    RecorderBorder m_border = RecorderBorder::idle;
};

}  // namespace tavrin
