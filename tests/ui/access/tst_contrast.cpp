// SPDX-License-Identifier: GPL-3.0-or-later
// Our pictures against what is behind them, measured in grabbed images of the real windows, in a light and a dark
// palette: at least 4.5:1 (the guidelines' figure for text), for each picture in each state it is drawn in.
#include "../main/MainWindowFixture.h"
#include "Contrast.h"
#include "Palettes.h"

#include "ui/lists/HistoryRowDelegate.h"
#include "ui/main/SidebarRowDelegate.h"
#include "ui/widgets/PaletteIcon.h"
#include "ui/widgets/ReadablePalette.h"

#include <QPushButton>
#include <QToolButton>

using namespace tavrin;
using namespace tavrin::test;

namespace {

constexpr double kLeast = 4.5;

QString describe(const char *what, const IconContrast &measured)
{
    return QStringLiteral("%1: %2 on %3 is %4:1 (%5 picture pixels)")
        .arg(QLatin1String(what), QColor(measured.icon).name(), QColor(measured.background).name())
        .arg(measured.ratio, 0, 'f', 2)
        .arg(measured.iconPixels);
}

/// The middle of a widget, where its picture is drawn.
QRect middle(const QWidget *widget, int size)
{
    return QRect(widget->width() / 2 - size / 2, widget->height() / 2 - size / 2, size, size);
}

}  // namespace

class TestContrast : public QObject {
    Q_OBJECT

    static void check(const char *what, const QImage &image, const QRect &area)
    {
        const IconContrast measured = measureIcon(image, area);
        // Something was drawn there at all, or the measure says nothing.
        QVERIFY2(measured.iconPixels >= 6, qPrintable(describe(what, measured)));
        QVERIFY2(measured.ratio >= kLeast, qPrintable(describe(what, measured)));
    }

private Q_SLOTS:
    void init()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
    }

    void theListsGearAndRows_data() { addAppearances(); }
    void theListsGearAndRows()
    {
        ListFixture f({QStringLiteral("first"), QStringLiteral("second")});
        f.history().togglePin(0);
        f.show();
        QPushButton *gear = f.vc->settingsButton();
        check("the gear", gear->grab().toImage(), middle(gear, gear->iconSize().width() + 6));
        // The pin marker on a selected and on an unselected row.
        QListView *list = f.vc->listView();
        for (int row : {0, 1}) {
            f.vc->listView()->setCurrentIndex(f.vc->model()->index(row == 0 ? 1 : 0));
            const QRect rect = f.rowRect(0);
            const QImage image = list->viewport()->grab().toImage();
            check(row == 0 ? "the pin on an unselected row" : "the pin on the selected row", image,
                  HistoryRowDelegate::pinMarkerRect(rect).adjusted(-2, -2, 2, 2));
        }
    }

    void theMainWindowsPictures_data() { addAppearances(); }
    void theMainWindowsPictures()
    {
        MainWindowFixture f({QStringLiteral("first"), QStringLiteral("second")});
        f.addGroup(QStringLiteral("Work"));
        f.showMain();
        // The sidebar: the selected Clipboard row, an unselected group row, the add and the remove buttons.
        GroupListView *upper = f.upperList();
        const QImage sidebar = upper->viewport()->grab().toImage();
        for (const auto &[what, row] : {std::pair{"the Clipboard row's picture (selected)", 0},
                                        std::pair{"a group row's picture", f.rowOf(QStringLiteral("Work"))}}) {
            const QRect rect = f.upperRowRect(row);
            check(what, sidebar,
                  QRect(rect.left() + SidebarRowDelegate::kMargin - 2,
                        rect.center().y() - SidebarRowDelegate::kIconSize / 2 - 1, SidebarRowDelegate::kIconSize + 4,
                        SidebarRowDelegate::kIconSize + 4));
        }
        QToolButton *add = f.sidebar()->addButton();
        check("the add button", add->grab().toImage(), middle(add, add->iconSize().width() + 4));
        QTRY_VERIFY(!upper->removeButtons().isEmpty());
        QToolButton *remove = upper->removeButtons().constLast();
        check("a remove button", remove->grab().toImage(), middle(remove, remove->iconSize().width() + 4));
        // The Clipboard pane's copy buttons, on the selected and on another row.
        ClipboardPane *pane = f.pane();
        pane->selectRow(0);
        const QImage rows = pane->listView()->viewport()->grab().toImage();
        for (int row : {0, 1}) {
            const QRect rect = pane->listView()->visualRect(pane->model()->index(row));
            check(row == 0 ? "the copy button on the selected row" : "the copy button on a row", rows,
                  HistoryRowDelegate::copyButtonRect(rect));
        }
    }

    // Placeholders, section titles and hints: Fusion draws them at half the text's strength, 4:1 on white.
    void secondaryTextReadsOnTheWindowAndInTheFields_data() { addAppearances(); }
    void secondaryTextReadsOnTheWindowAndInTheFields()
    {
        const QPalette readable = withReadableSecondaryText(QApplication::palette());
        for (const auto role : {QPalette::Base, QPalette::Window}) {
            const double ratio =
                contrastRatio(readable.color(QPalette::PlaceholderText), readable.color(QPalette::Active, role));
            QVERIFY2(ratio >= kLeast, qPrintable(QString::number(ratio)));
        }
        // Already readable: left as the desktop set it.
        QCOMPARE(withReadableSecondaryText(readable), readable);
        // Kept readable when the desktop changes the palette while the program runs.
        ReadablePalette keeper(qApp);
        QApplication::setPalette(QApplication::style()->standardPalette());
        QTRY_VERIFY(contrastRatio(QApplication::palette().color(QPalette::PlaceholderText),
                                  QApplication::palette().color(QPalette::Base)) >= kLeast);
    }

private:
    static void addAppearances()
    {
        QTest::addColumn<QString>("appearance");
        QTest::newRow("light") << QStringLiteral("light");
        QTest::newRow("dark") << QStringLiteral("dark");
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
