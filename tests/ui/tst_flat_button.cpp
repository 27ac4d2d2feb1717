#include "ui/widgets/FlatButton.h"
#include "ui/widgets/ImageTitleLayout.h"

#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVariantAnimation>

using namespace tavrin;

Q_DECLARE_METATYPE(tavrin::ImagePosition)
Q_DECLARE_METATYPE(std::optional<QRectF>)

namespace {

using Part = FlatButton::Part;
const QColor red(255, 0, 0);
const QColor green(0, 200, 0);
const QColor blue(0, 0, 255);
const QColor yellow(255, 255, 0);

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

// The button drawn on its own onto a clear image.
QImage rendered(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

std::optional<QRectF> at(qreal x, qreal y, qreal w, qreal h)
{
    return QRectF(x, y, w, h);
}

// A 60 × 30 button with a background for each pointer situation and immediate colour changes.
struct PointerButton {
    FlatButton button;
    QSignalSpy clicks{&button, &QAbstractButton::clicked};
    PointerButton()
    {
        button.resize(60, 30);
        button.initializeButtonColor(red, green, blue);
        button.setBackgroundNormalColor(red);
    }
    QColor background() const { return button.shownColor(Part::Background); }
};

}  // namespace

class TestFlatButton : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutTable_data()
    {
        QTest::addColumn<ImagePosition>("position");
        QTest::addColumn<bool>("hug");
        QTest::addColumn<bool>("hasImage");
        QTest::addColumn<std::optional<QRectF>>("image");
        QTest::addColumn<std::optional<QRectF>>("title");
        // Button 200 × 100, image 20 × 16, title 50.3 × 14.6 (drawn as 51 × 15), spacing 4.
        const std::optional<QRectF> none;
        using P = ImagePosition;
        QTest::newRow("image only") << P::ImageOnly << false << true << at(90, 42, 20, 16) << none;
        QTest::newRow("overlaps") << P::ImageOverlaps << false << true << at(90, 42, 20, 16) << at(75, 43, 51, 15);
        QTest::newRow("no image") << P::NoImage << false << true << none << at(75, 43, 51, 15);
        QTest::newRow("left hug") << P::ImageLeft << true << true << at(61, 42, 20, 16) << at(89, 43, 51, 15);
        QTest::newRow("left") << P::ImageLeft << false << true << at(4, 42, 20, 16) << at(146, 43, 51, 15);
        QTest::newRow("leading hug") << P::ImageLeading << true << true << at(61, 42, 20, 16) << at(89, 43, 51, 15);
        QTest::newRow("leading") << P::ImageLeading << false << true << at(4, 42, 20, 16) << at(146, 43, 51, 15);
        QTest::newRow("right hug") << P::ImageRight << true << true << at(119, 42, 20, 16) << at(61, 43, 51, 15);
        QTest::newRow("right") << P::ImageRight << false << true << at(176, 42, 20, 16) << at(4, 43, 51, 15);
        QTest::newRow("trailing hug") << P::ImageTrailing << true << true << at(119, 42, 20, 16) << at(61, 43, 51, 15);
        QTest::newRow("trailing") << P::ImageTrailing << false << true << at(176, 42, 20, 16) << at(4, 43, 51, 15);
        QTest::newRow("below hug") << P::ImageBelow << true << true << at(90, 53, 20, 16) << at(75, 31, 51, 15);
        QTest::newRow("below") << P::ImageBelow << false << true << at(90, 80, 20, 16) << at(75, 4, 51, 15);
        QTest::newRow("above hug") << P::ImageAbove << true << true << at(90, 31, 20, 16) << at(75, 55, 51, 15);
        QTest::newRow("above") << P::ImageAbove << false << true << at(90, 4, 20, 16) << at(75, 81, 51, 15);
        QTest::newRow("unknown position") << static_cast<P>(42) << true << true << at(0, 0, 20, 16) << at(0, 0, 51, 15);
        // Without an image the title still keeps the spacing on its side.
        QTest::newRow("left hug, no image") << P::ImageLeft << true << false << none << at(79, 43, 51, 15);
        QTest::newRow("image only, no image") << P::ImageOnly << false << false << none << none;
    }

    void layoutTable()
    {
        QFETCH(ImagePosition, position);
        QFETCH(bool, hug);
        QFETCH(bool, hasImage);
        QFETCH(std::optional<QRectF>, image);
        QFETCH(std::optional<QRectF>, title);
        const std::optional<QSizeF> imageSize = hasImage ? std::optional(QSizeF(20, 16)) : std::nullopt;
        const ImageTitleLayout layout =
            layoutImageAndTitle(QSizeF(200, 100), imageSize, QSizeF(50.3, 14.6), 4, position, hug);
        QCOMPARE(layout.image, image);
        QCOMPARE(layout.title, title);
    }

    void buttonLaysOutOnlyWhatItHas()
    {
        FlatButton button;
        button.resize(120, 40);
        QVERIFY(!button.contentLayout().image);
        QVERIFY(!button.contentLayout().title);
        button.setText(QStringLiteral("Open"));
        button.setImagePosition(ImagePosition::ImageAbove);
        button.setImageHugsTitle(false);
        button.setSpacing(3);
        const ImageTitleLayout layout = button.contentLayout();
        QVERIFY(!layout.image);
        QVERIFY(layout.title);
        QCOMPARE(layout.title->bottom(), 40.0 - 3.0);  // the title is pushed to the bottom edge
        button.setImagePosition(ImagePosition::ImageOnly);
        QVERIFY(!button.contentLayout().title);
    }

    void disabledButtonIsHalfOpaqueAndInert()
    {
        PointerButton b;
        b.button.setTitleNormalColor(blue);
        b.button.setText(QStringLiteral("MMMMMMMMMM"));
        QCOMPARE(qAlpha(rendered(&b.button).pixel(2, 2)), 255);

        b.button.setEnabled(false);
        const QImage faded = rendered(&b.button);
        const QRgb corner = faded.pixel(2, 2);
        QVERIFY2(qAbs(qAlpha(corner) - 128) <= 1, qPrintable(QString::number(qAlpha(corner))));
        QCOMPARE(qRed(corner), 255);
        // The button fades as one picture: nowhere is it more opaque than half, not even under the title.
        int mostOpaque = 0;
        for (int y = 0; y < faded.height(); ++y)
            for (int x = 0; x < faded.width(); ++x)
                mostOpaque = std::max(mostOpaque, qAlpha(faded.pixel(x, y)));
        QVERIFY(mostOpaque <= 129);

        enter(&b.button);
        QTest::mouseClick(&b.button, Qt::LeftButton);
        b.button.click();
        QCOMPARE(b.clicks.count(), 0);
        QVERIFY(!b.button.mouseDown());
        QCOMPARE(b.background(), red);

        b.button.setEnabled(true);
        QTest::mouseClick(&b.button, Qt::LeftButton);
        QCOMPARE(b.clicks.count(), 1);
    }

    void aClickIsAPressAndAReleaseInside()
    {
        PointerButton b;
        enter(&b.button);
        QCOMPARE(b.background(), green);
        QTest::mousePress(&b.button, Qt::LeftButton, {}, QPoint(30, 15));
        QVERIFY(b.button.mouseDown());
        QCOMPARE(b.background(), blue);
        QCOMPARE(b.clicks.count(), 0);
        QTest::mouseRelease(&b.button, Qt::LeftButton, {}, QPoint(31, 16));
        QCOMPARE(b.clicks.count(), 1);
        QVERIFY(!b.button.mouseDown());
        QCOMPARE(b.background(), green);
        QVERIFY(!b.button.state());  // clicks never toggle the state
        QVERIFY(!b.button.isChecked());
    }

    void releasingOutsideSendsNothingAndRestoresTheNormalColour()
    {
        PointerButton b;
        enter(&b.button);
        QTest::mousePress(&b.button, Qt::LeftButton, {}, QPoint(30, 15));
        QCOMPARE(b.background(), blue);
        // The pointer is grabbed while the button is held: the button sees it leave as a move outside.
        QTest::mouseMove(&b.button, QPoint(-12, 15));
        QVERIFY(!b.button.mouseDown());
        QCOMPARE(b.background(), red);
        QCOMPARE(b.button.cursor().shape(), Qt::ArrowCursor);
        QTest::mouseRelease(&b.button, Qt::LeftButton, {}, QPoint(-12, 15));
        leave(&b.button);  // delivered after the release
        QCOMPARE(b.clicks.count(), 0);
        QCOMPARE(b.background(), red);

        // Coming back in with the button still held does not revive the press.
        enter(&b.button);
        QTest::mousePress(&b.button, Qt::LeftButton, {}, QPoint(30, 15));
        QTest::mouseMove(&b.button, QPoint(30, 60));
        QTest::mouseMove(&b.button, QPoint(30, 15));
        QCOMPARE(b.background(), green);
        QTest::mouseRelease(&b.button, Qt::LeftButton, {}, QPoint(30, 15));
        QCOMPARE(b.clicks.count(), 0);

        // A release outside that no move announced is no click either.
        QTest::mousePress(&b.button, Qt::LeftButton, {}, QPoint(30, 15));
        QTest::mouseRelease(&b.button, Qt::LeftButton, {}, QPoint(90, 15));
        QCOMPARE(b.clicks.count(), 0);
        QCOMPARE(b.background(), red);
    }

    void hoverShowsThePointingHand()
    {
        QWidget row;
        FlatButton button(&row);
        button.resize(60, 30);
        QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
        enter(&button);
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        leave(&button);
        QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }

    void colourChangesAnimateFromTheShownColourWithTheStatesDuration()
    {
        FlatButton button;
        button.setBackgroundNormalColor(red);
        button.setBackgroundHighlightColor(yellow);
        button.setBorderHighlightColor(blue);
        button.setOnAnimateDuration(0.5);
        button.setOffAnimateDuration(0.2);

        button.setState(true);
        QVariantAnimation *on = button.colourAnimation(Part::Background);
        QVERIFY(on);
        QCOMPARE(on->duration(), 500);
        QCOMPARE(on->startValue().value<QColor>(), red);
        QCOMPARE(on->endValue().value<QColor>(), yellow);
        QVERIFY(button.colourAnimation(Part::Border));
        on->setCurrentTime(250);
        const QColor halfway = button.shownColor(Part::Background);
        QCOMPARE(halfway.red(), 255);
        QVERIFY(halfway.green() > 100 && halfway.green() < 155);

        // Turning back midway starts from the colour on screen, with the off duration.
        button.setState(false);
        QVariantAnimation *off = button.colourAnimation(Part::Background);
        QVERIFY(off);
        QCOMPARE(off->duration(), 200);
        QCOMPARE(off->startValue().value<QColor>(), halfway);
        QCOMPARE(off->endValue().value<QColor>(), red);
        off->setCurrentTime(200);
        QCOMPARE(button.shownColor(Part::Background), red);
        QVERIFY(!button.colourAnimation(Part::Background));
    }

    void settingTheShownColourStartsNoAnimation()
    {
        FlatButton button;
        button.setOffAnimateDuration(0.3);
        button.setBackgroundNormalColor(red);
        QVERIFY(button.colourAnimation(Part::Background));
        button.colourAnimation(Part::Background)->setCurrentTime(300);
        QCOMPARE(button.shownColor(Part::Background), red);

        button.setBackgroundNormalColor(red);
        button.setMomentary(true);
        button.setState(false);
        for (Part part : {Part::Border, Part::Background, Part::Image, Part::Title})
            QVERIFY(!button.colourAnimation(part));
    }

    void withoutDurationsColoursChangeAtOnce()
    {
        FlatButton button;
        QCOMPARE(button.onAnimateDuration(), 0.0);
        QCOMPARE(button.offAnimateDuration(), 0.0);
        button.setBorderHighlightColor(blue);
        button.setBackgroundHighlightColor(yellow);
        button.setImageHighlightColor(green);
        button.setTitleHighlightColor(red);
        button.setState(true);
        QCOMPARE(button.shownColor(Part::Border), blue);
        QCOMPARE(button.shownColor(Part::Background), yellow);
        QCOMPARE(button.shownColor(Part::Image), green);
        QCOMPARE(button.shownColor(Part::Title), red);
        for (Part part : {Part::Border, Part::Background, Part::Image, Part::Title})
            QVERIFY(!button.colourAnimation(part));
        // An unset colour draws nothing.
        button.setBackgroundHighlightColor(QColor());
        QCOMPARE(button.shownColor(Part::Background), QColor(Qt::transparent));
    }

    void imageIsTintedWithTheImageColour()
    {
        QPixmap mark(8, 8);
        mark.fill(Qt::black);
        FlatButton button;
        button.resize(40, 40);
        button.setIcon(QIcon(mark));
        button.setIconSize(QSize(8, 8));
        button.setImagePosition(ImagePosition::ImageOnly);
        button.setBackgroundNormalColor(Qt::white);
        button.setImageNormalColor(green);
        const QImage image = rendered(&button);
        QCOMPARE(QColor(image.pixel(20, 20)), green);
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(Qt::white));
    }
};

QTEST_MAIN(TestFlatButton)
#include "tst_flat_button.moc"
