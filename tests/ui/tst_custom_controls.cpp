// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/OverlayScrollBar.h"
#include "ui/widgets/PointingHandButton.h"

#include <QEnterEvent>
#include <QImage>
#include <QTest>

using namespace tavrin;

namespace {

QImage rendered(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool isKnobColour(QRgb pixel)
{
    return qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0 && qAbs(qAlpha(pixel) - 64) <= 1;
}

}  // namespace

class TestCustomControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pointingHandButtonShowsThePointingHandWhileHovered()
    {
        QWidget row;  // a window keeps its cursor attribute; a button inside one is the real case
        PointingHandButton button(QStringLiteral("+"), &row);
        button.resize(30, 30);
        QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }

    void verticalKnobIsAThinTranslucentBarAndNothingElseIsDrawn()
    {
        OverlayScrollBar bar(Qt::Vertical);
        bar.resize(bar.sizeHint().width(), 200);
        bar.setRange(0, 300);
        bar.setPageStep(100);
        QVERIFY(bar.width() >= 12);

        QRect knob = bar.knobRect();
        QCOMPARE(knob.x(), 3);
        QCOMPARE(knob.width(), 9);
        QCOMPARE(knob.top(), 0);
        QCOMPARE(knob.height(), 50);  // a quarter of the length: one page of four
        bar.setValue(300);
        knob = bar.knobRect();
        QCOMPARE(knob.bottom(), 199);  // no arrow buttons take room at the ends

        const QImage image = rendered(&bar);
        const int middle = knob.center().y();
        QVERIFY(isKnobColour(image.pixel(7, middle)));
        QCOMPARE(qAlpha(image.pixel(1, middle)), 0);
        QCOMPARE(qAlpha(image.pixel(13, middle)), 0);
        QCOMPARE(qAlpha(image.pixel(7, 20)), 0);  // no track
        QCOMPARE(OverlayScrollBar::knobColor(), QColor::fromRgbF(0, 0, 0, 0.25f));
    }

    void horizontalKnobSitsFourPixelsDownAndIsTwentyHigh()
    {
        OverlayScrollBar bar(Qt::Horizontal);
        bar.resize(200, bar.sizeHint().height());
        bar.setRange(0, 100);
        bar.setPageStep(100);
        QVERIFY(bar.height() >= 24);
        const QRect knob = bar.knobRect();
        QCOMPARE(knob.y(), 4);
        QCOMPARE(knob.height(), 20);
        QCOMPARE(knob.width(), 100);
        const QImage image = rendered(&bar);
        QVERIFY(isKnobColour(image.pixel(knob.center())));
        QCOMPARE(qAlpha(image.pixel(knob.center().x(), 2)), 0);
        QCOMPARE(qAlpha(image.pixel(150, 14)), 0);
    }

    void draggingTheDrawnKnobScrolls()
    {
        OverlayScrollBar bar(Qt::Vertical);
        bar.resize(15, 200);
        bar.setRange(0, 300);
        bar.setPageStep(100);
        // 150 px of travel for 300 values: 50 px down is 100 further.
        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(7, 25));
        QTest::mouseMove(&bar, QPoint(7, 75));
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(7, 75));
        QCOMPARE(bar.value(), 100);
        // A press below the knob pages down.
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(7, 190));
        QCOMPARE(bar.value(), 200);
    }
};

QTEST_MAIN(TestCustomControls)
#include "tst_custom_controls.moc"
