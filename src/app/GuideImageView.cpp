// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuideImageView.h"

#include <QEasingCurve>
#include <QIcon>
#include <QPainter>
#include <QVariantAnimation>

namespace tavrin {

namespace {

// The common ease-in-ease-out timing: a cubic Bézier through (0.42, 0) and (0.58, 1).
QEasingCurve easeInEaseOut()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

}  // namespace

GuideImageView::GuideImageView(QWidget *parent) : QWidget(parent), m_push(new QVariantAnimation(this))
{
    m_push->setStartValue(0.0);
    m_push->setEndValue(1.0);
    m_push->setDuration(500);
    m_push->setEasingCurve(easeInEaseOut());
    connect(m_push, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_progress = value.toReal();
        update();
    });
    connect(m_push, &QVariantAnimation::finished, this, [this] {
        m_progress = 1.0;
        m_previous = QPixmap();
        m_previousName.clear();
        update();
    });
}

QString GuideImageView::resourcePath(const QString &name)
{
    return QStringLiteral(":/guide/%1.svg").arg(name);
}

QPixmap GuideImageView::render(const QString &name) const
{
    if (name.isEmpty() || size().isEmpty())
        return {};
    return QIcon(resourcePath(name)).pixmap(size(), devicePixelRatioF());
}

void GuideImageView::setImage(const QString &name)
{
    m_push->stop();
    m_progress = 1.0;
    m_previous = QPixmap();
    m_previousName.clear();
    m_name = name;
    m_image = render(name);
    update();
}

void GuideImageView::pushImage(const QString &name, PushFrom from)
{
    // A push that is still running gives way: the picture it brought in becomes the outgoing one.
    m_push->stop();
    m_previousName = m_name;
    m_previous = m_image;
    m_name = name;
    m_image = render(name);
    m_from = from;
    m_progress = 0.0;
    m_push->start();
    update();
}

bool GuideImageView::isPushing() const
{
    return m_push->state() == QAbstractAnimation::Running;
}

void GuideImageView::resizeEvent(QResizeEvent *event)
{
    m_image = render(m_name);
    m_previous = render(m_previousName);
    QWidget::resizeEvent(event);
}

void GuideImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    auto draw = [&](const QPixmap &pixmap, qreal offset) {
        if (pixmap.isNull())
            return;
        const QSizeF shown = pixmap.deviceIndependentSize();
        const QPointF at((width() - shown.width()) / 2 + offset, (height() - shown.height()) / 2);
        painter.drawPixmap(at, pixmap);
    };
    // Pushed from the left, both pictures travel rightwards; from the right, leftwards.
    const qreal direction = m_from == PushFrom::Left ? 1.0 : -1.0;
    const qreal travelled = width() * m_progress * direction;
    draw(m_previous, travelled);
    draw(m_image, travelled - width() * direction);
}

}  // namespace tavrin
