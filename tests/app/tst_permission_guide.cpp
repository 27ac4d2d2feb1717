// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDirs.h"
#include "app/GuideHelpPage.h"
#include "app/GuideImageView.h"
#include "app/PasteAccessGuide.h"
#include "app/PasteAccessGuideWindow.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/fake/FakeWorkspace.h"
#include <QPushButton>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// True when the picture view drew something opaque in its middle (the picture came from the resources).
bool pictureDrawn(QWidget *view)
{
    QImage image(view->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    view->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return qAlpha(image.pixel(image.rect().center())) == 255;
}

// The guide in its window, on a manual clock, with its help page written to the test's own folder.
struct Guide {
    test::TestDirs dirs;
    FakeScheduler clock;
    FakeWorkspace workspace;
    PasteAccessGuideWindow window{new PasteAccessGuide(clock, workspace, GuideHelpPage::folderIn(dirs.documents()))};
    PasteAccessGuide &vc = *window.content();

    QString shownImage() const { return vc.imageView->imageName(); }
    bool pageOneIndicated() const { return vc.firstPageButton->isChecked() && !vc.secondPageButton->isChecked(); }
    bool pageTwoIndicated() const { return !vc.firstPageButton->isChecked() && vc.secondPageButton->isChecked(); }
};

}  // namespace

class TestPermissionGuide : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsOnPageOneAndMovesToPageTwoOnceAfterFourSeconds()
    {
        Guide g;
        QCOMPARE(g.clock.pendingCount(), 0);  // the slideshow counts from the first showing
        g.window.showGuide();
        QCOMPARE(g.vc.currentPage(), 1);
        QCOMPARE(g.shownImage(), QStringLiteral("Screenshot_diskAccess"));
        QVERIFY(!g.vc.imageView->isPushing());
        QVERIFY(pictureDrawn(g.vc.imageView));
        QVERIFY(g.pageOneIndicated());
        QVERIFY(g.vc.isAdvancePending());

        g.clock.advance(3999ms);
        QCOMPARE(g.vc.currentPage(), 1);
        g.clock.advance(1ms);
        QCOMPARE(g.vc.currentPage(), 2);
        QCOMPARE(g.shownImage(), QStringLiteral("Screenshot_diskAccess2"));
        QVERIFY(g.vc.imageView->isPushing());
        QCOMPARE(g.vc.imageView->lastPushFrom(), GuideImageView::PushFrom::Right);
        QVERIFY(g.pageTwoIndicated());

        g.clock.advance(1min);  // no loop back to page 1
        QCOMPARE(g.vc.currentPage(), 2);
        QCOMPARE(g.clock.pendingCount(), 0);
    }

    void clickingTheShownPagesIndicatorOnlyStopsTheSlideshow()
    {
        Guide g;
        g.window.showGuide();
        QTest::mouseClick(g.vc.firstPageButton, Qt::LeftButton);
        QCOMPARE(g.vc.currentPage(), 1);
        QVERIFY(!g.vc.imageView->isPushing());
        QVERIFY(g.pageOneIndicated());
        QVERIFY(!g.vc.isAdvancePending());
        g.clock.advance(10s);
        QCOMPARE(g.vc.currentPage(), 1);
        QCOMPARE(g.shownImage(), QStringLiteral("Screenshot_diskAccess"));
    }

    void indicatorsSwitchPagesWithAPushFromTheirSide()
    {
        Guide g;
        g.window.showGuide();
        QTest::mouseClick(g.vc.secondPageButton, Qt::LeftButton);
        QCOMPARE(g.vc.currentPage(), 2);
        QCOMPARE(g.vc.imageView->lastPushFrom(), GuideImageView::PushFrom::Right);
        QVERIFY(g.pageTwoIndicated());
        QVERIFY(!g.vc.isAdvancePending());

        QTest::mouseClick(g.vc.firstPageButton, Qt::LeftButton);
        QCOMPARE(g.vc.currentPage(), 1);
        QCOMPARE(g.shownImage(), QStringLiteral("Screenshot_diskAccess"));
        QCOMPARE(g.vc.imageView->lastPushFrom(), GuideImageView::PushFrom::Left);
        QVERIFY(g.pageOneIndicated());
        g.clock.advance(10s);
        QCOMPARE(g.vc.currentPage(), 1);
    }

    void returnOpensTheHelpPageAndTheGuideStays()
    {
        Guide g;
        g.window.showGuide();
        QVERIFY(QTest::qWaitForWindowActive(&g.window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(g.workspace.openedUrls.size(), 1);
        const QUrl page = g.workspace.openedUrls.first();
        QVERIFY(page.isLocalFile());
        QCOMPARE(QFileInfo(page.toLocalFile()).absolutePath(), g.dirs.documents() + QStringLiteral("/help"));
        QVERIFY(test::readFile(page.toLocalFile()).contains("xdpyinfo | grep XTEST"));
        // The pictures the page shows are written beside it.
        for (const char *picture : {"Screenshot_diskAccess.svg", "Screenshot_diskAccess2.svg"}) {
            const QString path = g.dirs.documents() + QStringLiteral("/help/") + QLatin1String(picture);
            QVERIFY2(test::readFile(path).startsWith("<svg"), qPrintable(path));
        }
        QVERIFY(g.window.isVisible());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(g.workspace.openedUrls.size(), 2);
        QTest::mouseClick(g.vc.openSettingsButton, Qt::LeftButton);
        QCOMPARE(g.workspace.openedUrls.size(), 3);
        QVERIFY(g.vc.errorLabel->isHidden());
    }

    void aHelpPageThatCannotBeWrittenIsReportedInTheGuide()
    {
        Guide g;
        g.window.showGuide();
        test::writeFile(g.dirs.documents() + QStringLiteral("/help"), "in the way");
        QTest::mouseClick(g.vc.openSettingsButton, Qt::LeftButton);
        QVERIFY(g.workspace.openedUrls.isEmpty());
        QVERIFY(!g.vc.errorLabel->isHidden());
        QVERIFY(g.vc.errorLabel->text().contains(QStringLiteral("/help")));

        QVERIFY(QFile::remove(g.dirs.documents() + QStringLiteral("/help")));
        QTest::mouseClick(g.vc.openSettingsButton, Qt::LeftButton);
        QCOMPARE(g.workspace.openedUrls.size(), 1);
        QVERIFY(g.vc.errorLabel->isHidden());
    }

    void pageAndStoppedSlideshowPersistBetweenShowings()
    {
        Guide g;
        g.window.showGuide();
        QTest::mouseClick(g.vc.secondPageButton, Qt::LeftButton);
        QTest::mouseClick(g.vc.closeButton, Qt::LeftButton);
        QVERIFY(!g.window.isVisible());

        g.window.showGuide();
        QVERIFY(g.window.isVisible());
        QCOMPARE(g.vc.currentPage(), 2);
        QVERIFY(g.pageTwoIndicated());
        QVERIFY(!g.vc.isAdvancePending());
        g.clock.advance(10s);
        QCOMPARE(g.vc.currentPage(), 2);

        // A showing before the 4 s are up does not restart the count.
        Guide h;
        h.window.showGuide();
        h.clock.advance(3s);
        h.window.close();
        h.window.showGuide();
        h.clock.advance(1s);
        QCOMPARE(h.vc.currentPage(), 2);
    }

    void windowFloatsAboveOthersAndClosesWithEscape()
    {
        Guide g;
        QVERIFY(g.window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!g.window.testAttribute(Qt::WA_QuitOnClose));
        g.window.showGuide();
        QVERIFY(QTest::qWaitForWindowActive(&g.window));
        QTest::keyClick(&g.window, Qt::Key_Escape);
        QVERIFY(!g.window.isVisible());
    }

    void closingTheProgramBeforeTheAdvanceLeavesNoTimerBehind()
    {
        FakeScheduler clock;
        FakeWorkspace workspace;
        {
            PasteAccessGuideWindow window(new PasteAccessGuide(clock, workspace, QString()));
            window.showGuide();
            QCOMPARE(clock.pendingCount(), 1);
        }
        QCOMPARE(clock.pendingCount(), 0);
        clock.advance(5s);
    }
};

QTEST_MAIN(TestPermissionGuide)
#include "tst_permission_guide.moc"
