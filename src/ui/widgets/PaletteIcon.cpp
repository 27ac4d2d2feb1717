// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/PaletteIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>

#include <cmath>

namespace tavrin {

namespace {

// Renders the picture through Qt's own SVG support, then keeps only its shape (the alpha) and fills it with the
// palette's colour.
class PaletteIconEngine final : public QIconEngine {
public:
    explicit PaletteIconEngine(QString path) : m_path(std::move(path)), m_source(m_path) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QColor colour = paletteIconColour(QGuiApplication::palette(), mode);
        const QSize pixels = size * scale;
        const QString key =
            QStringLiteral("%1|%2x%3|%4").arg(m_path).arg(pixels.width()).arg(pixels.height()).arg(colour.rgba());
        if (key == m_cachedKey)
            return m_cached;
        QImage image = m_source.pixmap(pixels).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), colour);
        }
        m_cached = QPixmap::fromImage(std::move(image));
        m_cached.setDevicePixelRatio(scale);
        m_cachedKey = key;
        return m_cached;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return m_source.actualSize(size); }
    QIconEngine *clone() const override { return new PaletteIconEngine(m_path); }
    QString key() const override { return QStringLiteral("tavrin-palette"); }
    bool isNull() override { return m_source.isNull(); }

private:
    QString m_path;
    QIcon m_source;
    QString m_cachedKey;
    QPixmap m_cached;
};

}  // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    // Relative luminance as the web's accessibility guidelines define it.
    auto luminance = [](const QColor &colour) {
        auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor paletteIconColour(const QPalette &palette, QIcon::Mode mode)
{
    switch (mode) {
    case QIcon::Selected: {
        // Many palettes' highlighted text is white on a middle blue, under 4.5:1; a picture needs to be seen, so it
        // takes whichever of the two text colours stands out more on the highlight.
        const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
        const QColor highlighted = palette.color(QPalette::Active, QPalette::HighlightedText);
        const QColor text = palette.color(QPalette::Active, QPalette::Text);
        return contrastRatio(text, highlight) > contrastRatio(highlighted, highlight) ? text : highlighted;
    }
    case QIcon::Disabled: return palette.color(QPalette::Disabled, QPalette::Text);
    case QIcon::Normal:
    case QIcon::Active: break;
    }
    return palette.color(QPalette::Active, QPalette::Text);
}

QIcon paletteIcon(const QString &path)
{
    return QIcon(new PaletteIconEngine(path));
}

}  // namespace tavrin
