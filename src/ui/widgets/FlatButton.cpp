#include "ui/widgets/FlatButton.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

#include <algorithm>

namespace tavrin {

namespace {

// An unset colour draws nothing, like a clear one; comparing the two must not start an animation.
QColor drawable(const QColor &color)
{
    return color.isValid() ? color : QColor(Qt::transparent);
}

std::size_t indexOf(FlatButton::Part part)
{
    return static_cast<std::size_t>(part);
}

}  // namespace

template <typename T> void FlatButton::recolour(T &field, const T &value)
{
    field = value;
    animateColours();
}

template <typename T> void FlatButton::relayout(T &field, const T &value)
{
    field = value;
    update();
}

FlatButton::FlatButton(QWidget *parent) : FlatButton(QString(), parent) {}

FlatButton::FlatButton(const QString &title, QWidget *parent) : QPushButton(title, parent)
{
    // Focus comes by Tab only, so a click does not leave a focus mark behind.
    setFocusPolicy(Qt::TabFocus);
    const QPalette colours = palette();
    m_borderNormalColor = m_borderHighlightColor = QColor(Qt::transparent);
    m_backgroundNormalColor = colours.color(QPalette::Button);
    m_backgroundHighlightColor = colours.color(QPalette::Highlight);
    m_imageNormalColor = m_titleNormalColor = colours.color(QPalette::ButtonText);
    m_imageHighlightColor = m_titleHighlightColor = colours.color(QPalette::HighlightedText);
    animateColours();
}

FlatButton::~FlatButton()
{
    for (Shown &shown : m_shown)
        delete shown.animation;
}

void FlatButton::setMomentary(bool momentary)
{
    recolour(m_momentary, momentary);
}

void FlatButton::setState(bool on)
{
    recolour(m_state, on);
}

void FlatButton::setCornerRadius(double radius)
{
    relayout(m_cornerRadius, radius);
}

void FlatButton::setBorderWidth(double width)
{
    relayout(m_borderWidth, width);
}

void FlatButton::setSpacing(double spacing)
{
    relayout(m_spacing, spacing);
}

void FlatButton::setImagePosition(ImagePosition position)
{
    relayout(m_imagePosition, position);
}

void FlatButton::setImageHugsTitle(bool hug)
{
    relayout(m_imageHugsTitle, hug);
}

void FlatButton::setBorderNormalColor(const QColor &color)
{
    recolour(m_borderNormalColor, color);
}

void FlatButton::setBorderHighlightColor(const QColor &color)
{
    recolour(m_borderHighlightColor, color);
}

void FlatButton::setBackgroundNormalColor(const QColor &color)
{
    recolour(m_backgroundNormalColor, color);
}

void FlatButton::setBackgroundHighlightColor(const QColor &color)
{
    recolour(m_backgroundHighlightColor, color);
}

void FlatButton::setImageNormalColor(const QColor &color)
{
    recolour(m_imageNormalColor, color);
}

void FlatButton::setImageHighlightColor(const QColor &color)
{
    recolour(m_imageHighlightColor, color);
}

void FlatButton::setTitleNormalColor(const QColor &color)
{
    recolour(m_titleNormalColor, color);
}

void FlatButton::setTitleHighlightColor(const QColor &color)
{
    recolour(m_titleHighlightColor, color);
}

void FlatButton::initializeButtonColor(const QColor &normal, const QColor &hover, const QColor &down)
{
    m_normalColor = normal;
    m_hoverColor = hover;
    m_downColor = down;
}

QColor FlatButton::shownColor(Part part) const
{
    return m_shown[indexOf(part)].current;
}

QVariantAnimation *FlatButton::colourAnimation(Part part) const
{
    return m_shown[indexOf(part)].animation;
}

void FlatButton::animateColours()
{
    const bool on = m_state;
    const double seconds = on ? m_onAnimateDuration : m_offAnimateDuration;
    animatePart(Part::Border, on ? m_borderHighlightColor : m_borderNormalColor, seconds);
    animatePart(Part::Background, on ? m_backgroundHighlightColor : m_backgroundNormalColor, seconds);
    animatePart(Part::Image, on ? m_imageHighlightColor : m_imageNormalColor, seconds);
    animatePart(Part::Title, on ? m_titleHighlightColor : m_titleNormalColor, seconds);
}

void FlatButton::animatePart(Part part, const QColor &color, double seconds)
{
    const std::size_t index = indexOf(part);
    Shown &shown = m_shown[index];
    const QColor target = drawable(color);
    // Already there, or already on the way there: a new animation would only restart the fade.
    if (shown.target == target)
        return;
    delete shown.animation;
    shown.animation = nullptr;
    shown.target = target;

    const int ms = static_cast<int>(seconds * 1000.0 + 0.5);
    if (ms <= 0 || shown.current == target) {
        shown.current = target;
        update();
        return;
    }
    // Starts from the colour on screen, so an interrupted fade turns round without a jump.
    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(drawable(shown.current));
    animation->setEndValue(target);
    animation->setDuration(ms);
    connect(animation, &QVariantAnimation::valueChanged, this, [this, index](const QVariant &value) {
        m_shown[index].current = value.value<QColor>();
        update();
    });
    connect(animation, &QVariantAnimation::finished, this, [this, index, animation] {
        Shown &done = m_shown[index];
        done.current = done.target;
        done.animation = nullptr;
        animation->deleteLater();
        update();
    });
    shown.animation = animation;
    animation->start();
}

ImageTitleLayout FlatButton::contentLayout() const
{
    std::optional<QSizeF> image;
    if (!icon().isNull())
        image = QSizeF(icon().actualSize(iconSize()));
    std::optional<QSizeF> title;
    if (!text().isEmpty())
        title = QFontMetricsF(font()).size(Qt::TextSingleLine, text());
    return layoutImageAndTitle(size(), image, title, m_spacing, m_imagePosition, m_imageHugsTitle);
}

void FlatButton::drawImage(QPainter &painter, const QRectF &rect) const
{
    // The image only lends its shape: its pixels are replaced by the image colour.
    const QPixmap pixmap = icon().pixmap(rect.size().toSize(), devicePixelRatioF());
    QImage tinted = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter tint(&tinted);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(tinted.rect(), shownColor(Part::Image));
    tint.end();
    painter.drawImage(rect, tinted);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    // A disabled button fades as a whole (its title does not let the background show through), so
    // it is drawn into a buffer first and then put on screen at half opacity.
    QPixmap buffer;
    QPainter screen(this);
    QPainter bufferPainter;
    QPainter *painter = &screen;
    if (!isEnabled()) {
        buffer = QPixmap(size() * devicePixelRatioF());
        buffer.setDevicePixelRatio(devicePixelRatioF());
        buffer.fill(Qt::transparent);
        bufferPainter.begin(&buffer);
        painter = &bufferPainter;
    }
    painter->setRenderHint(QPainter::Antialiasing);

    const QRectF bounds = rect();
    QPainterPath shape;
    shape.addRoundedRect(bounds, m_cornerRadius, m_cornerRadius);
    painter->fillPath(shape, shownColor(Part::Background));
    painter->setClipPath(shape);
    const ImageTitleLayout layout = contentLayout();
    if (layout.image)
        drawImage(*painter, *layout.image);
    if (layout.title) {
        painter->setPen(shownColor(Part::Title));
        painter->setFont(font());
        painter->drawText(*layout.title, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text());
    }
    painter->setClipping(false);
    if (m_borderWidth > 0) {
        const qreal inset = m_borderWidth / 2;
        const qreal radius = std::max(0.0, m_cornerRadius - inset);
        painter->setPen(QPen(shownColor(Part::Border), m_borderWidth));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset), radius, radius);
    }
    if (hasFocus()) {
        painter->setPen(QPen(shownColor(Part::Title), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(bounds.adjusted(1.5, 1.5, -1.5, -1.5), m_cornerRadius, m_cornerRadius);
    }

    if (painter == &bufferPainter) {
        bufferPainter.end();
        screen.setOpacity(0.5);
        screen.drawPixmap(0, 0, buffer);
    }
}

void FlatButton::pointerEntered()
{
    m_pointerInside = true;
    setCursor(Qt::PointingHandCursor);
    if (m_hoverColor.isValid())
        setBackgroundNormalColor(m_hoverColor);
}

void FlatButton::pointerLeft()
{
    m_pointerInside = false;
    m_mouseDown = false;
    unsetCursor();
    if (m_normalColor.isValid())
        setBackgroundNormalColor(m_normalColor);
}

void FlatButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    // The platform's own press tracking stays out: it would toggle and emit on its own terms.
    m_mouseDown = true;
    m_pointerInside = true;
    if (m_downColor.isValid())
        setBackgroundNormalColor(m_downColor);
}

void FlatButton::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the pointer is grabbed and leave and enter events wait for the release,
    // so crossing the edge is seen here.
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && !m_pointerInside)
        pointerEntered();
    else if (!inside && m_pointerInside)
        pointerLeft();
}

void FlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (!m_mouseDown)
        return;
    if (!rect().contains(event->position().toPoint())) {
        pointerLeft();
        return;
    }
    m_mouseDown = false;
    if (m_hoverColor.isValid())
        setBackgroundNormalColor(m_hoverColor);
    Q_EMIT clicked(isChecked());
}

void FlatButton::enterEvent(QEnterEvent *)
{
    if (isEnabled())
        pointerEntered();
}

void FlatButton::leaveEvent(QEvent *)
{
    pointerLeft();
}

void FlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled() && (m_pointerInside || m_mouseDown))
            pointerLeft();
        update();
    } else if (event->type() == QEvent::FontChange) {
        update();
    }
    QPushButton::changeEvent(event);
}

}  // namespace tavrin
