// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;

namespace tavrin {

// The content preview: the whole text of a hovered entry, beside the quick-access list's window.
class EntryPreviewPopup : public QFrame {
    Q_OBJECT
public:
    /// The label stays this much narrower than the room beside the window.
    static constexpr double kLabelInset = 100;
    /// The label never gets narrower than this, even when there is little room.
    static constexpr int kMinimumLabelWidth = 120;
    /// Longer entries are shown cut, so that a huge entry cannot stall the window.
    static constexpr qsizetype kMaxShownLength = 5000;
    static constexpr int kMaxShownLines = 40;
    /// Gap between the row and the preview.
    static constexpr int kGap = 4;

    explicit EntryPreviewPopup(QWidget *parent = nullptr);

    /// Room available beside the list's window.
    double maxWidth = 0;
    /// The entry to show.
    QString shownEntry;

    /// The larger of the room left and right of a window on the available part of its screen.
    static double roomBeside(const QRect &windowFrame, const QRect &available);
    /// The text shown for an entry: the entry itself, cut after kMaxShownLength characters or kMaxShownLines lines.
    static QString shownText(const QString &entry);

    /// Caps the label at maxWidth less the inset and shows shownEntry.
    void updateContent();
    /// Shows the preview beside anchor (a row, in screen coordinates): to its right when it fits on the
    /// available area, otherwise to its left.
    void showRelativeTo(const QRect &anchor, const QRect &available);

    QLabel *contentLabel() const { return m_contentLabel; }
    /// The cap on the label's width (the layout constraint).
    int maxLabelWidth() const;

private:
    QLabel *m_contentLabel;
};

}  // namespace tavrin
