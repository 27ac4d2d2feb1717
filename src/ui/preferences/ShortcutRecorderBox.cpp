// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preferences/ShortcutRecorderBox.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace tavrin {

namespace {
constexpr int kRadius = 5;
}  // namespace

ShortcutRecorderBox::ShortcutRecorderBox(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    describe();
}

void ShortcutRecorderBox::setBorder(RecorderBorder border)
{
    if (border == m_border)
        return;
    m_border = border;
    describe();
    update();
}

void ShortcutRecorderBox::setKeys(const QString &keys)
{
    setText(keys);
    describe();
    updateGeometry();
}

void ShortcutRecorderBox::describe()
{
    // Screen readers say the keys, and that the box waits for keys while it records.
    const QString keys = m_note.isEmpty() ? text() : text() + QStringLiteral(". ") + m_note;
    setAccessibleDescription(
        m_border == RecorderBorder::recording ? tr("Recording: press the new shortcut. %1").arg(keys) : keys);
}

void ShortcutRecorderBox::setNote(const QString &note)
{
    m_note = note;
    describe();
}

QSize ShortcutRecorderBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(std::max(220, metrics.horizontalAdvance(text()) + 24), metrics.height() + 14);
}

QSize ShortcutRecorderBox::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(std::min(sizeHint().width(), std::max(140, metrics.horizontalAdvance(text()) + 24)),
                 sizeHint().height());
}

void ShortcutRecorderBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool recording = m_border == RecorderBorder::recording;
    const QPalette &colors = palette();
    QPen pen(recording ? QColor(0x0a, 0x84, 0xff) : colors.color(QPalette::Mid));
    pen.setWidthF(recording ? 2.0 : 1.0);
    painter.setPen(pen);
    painter.setBrush(colors.color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kRadius, kRadius);
    painter.setPen(colors.color(isEnabled() ? QPalette::Text : QPalette::PlaceholderText));
    painter.drawText(rect().adjusted(10, 0, -10, 0), Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus() && !recording) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace tavrin
