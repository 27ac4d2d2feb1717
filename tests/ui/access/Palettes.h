// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace tavrin::test {

// The two appearances every window is checked in: Fusion's own light palette, and Fusion with a dark palette as
// desktops set one.
inline QPalette lightPalette()
{
    return QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
}

inline QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x2d, 0x2d, 0x2d);
    const QColor base(0x1e, 0x1e, 0x1e);
    const QColor text(0xe8, 0xe8, 0xe8);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x6f, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x6a, 0xa8, 0xff));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

/// Fusion with the named palette ("light" or "dark") for the whole application.
inline void useAppearance(const QString &name)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(name == QStringLiteral("dark") ? darkPalette() : lightPalette());
}

}  // namespace tavrin::test
