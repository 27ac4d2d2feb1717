// SPDX-License-Identifier: GPL-3.0-or-later
// The texts in the pictures of docs/screenshots (light, dark and scale 2), as a user sees them: each text control
// against what is behind it, at least 4.5:1. The places come from the screenshots script, found over AT-SPI.
#include "Contrast.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace tavrin::test;

namespace {

constexpr double kLeast = 4.5;

struct Area {
    QRect rect;
    QString name;
};

QList<Area> readAreas(const QString &path)
{
    QList<Area> areas;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return areas;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        const QStringList fields = line.section(QLatin1Char('\t'), 0, 0).split(QLatin1Char(' '));
        if (fields.size() != 4)
            continue;
        areas.append({QRect(fields[0].toInt(), fields[1].toInt(), fields[2].toInt(), fields[3].toInt()),
                      line.section(QLatin1Char('\t'), 1)});
    }
    return areas;
}

}  // namespace

class TestScreenshotContrast : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsReadable_data()
    {
        QTest::addColumn<QString>("picture");
        const QDir folder(QStringLiteral(TAVRIN_SCREENSHOTS_DIR));
        const QStringList listed = folder.entryList({QStringLiteral("*.areas")}, QDir::Files, QDir::Name);
        QVERIFY2(listed.size() >= 3 * 3, "the screenshots of the main window, Preferences and the list, light, dark "
                                         "and scale 2, each with its areas");
        for (const QString &areas : listed) {
            const QString base = areas.chopped(int(qstrlen(".areas")));
            QTest::newRow(qPrintable(base)) << folder.filePath(base);
        }
    }

    void everyTextIsReadable()
    {
        QFETCH(QString, picture);
        const QImage image(picture + QStringLiteral(".png"));
        QVERIFY2(!image.isNull(), qPrintable(picture));
        const QList<Area> areas = readAreas(picture + QStringLiteral(".areas"));
        QVERIFY2(!areas.isEmpty(), "no texts were found in the picture");
        // A control's frame is no background: look inside it.
        const int inset = picture.endsWith(QStringLiteral("-scale2")) ? 6 : 3;
        QStringList unreadable;
        for (const Area &area : areas) {
            const QRect inside = area.rect.adjusted(inset, inset, -inset, -inset);
            if (inside.width() < 4 || inside.height() < 4)
                continue;
            const IconContrast measured = measureIcon(image, inside);
            if (measured.iconPixels > 0 && measured.ratio < kLeast)
                unreadable << QStringLiteral("\"%1\": %2 on %3 is %4:1")
                                  .arg(area.name, QColor(measured.icon).name(), QColor(measured.background).name())
                                  .arg(measured.ratio, 0, 'f', 2);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("\n"))));
    }
};

QTEST_GUILESS_MAIN(TestScreenshotContrast)
#include "tst_screenshot_contrast.moc"
