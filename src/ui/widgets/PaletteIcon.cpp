#include "ui/widgets/PaletteIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>

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

QColor paletteIconColour(const QPalette &palette, QIcon::Mode mode)
{
    switch (mode) {
    case QIcon::Selected: return palette.color(QPalette::Active, QPalette::HighlightedText);
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
