// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the application icon's SVG into the PNG sizes of the hicolor theme, at build time.
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s icon.svg output-folder size...\n", qPrintable(args.value(0)));
        return 2;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        const int size = args.at(i).toInt();
        QImageReader reader(args.at(1));
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString out = QStringLiteral("%1/%2.png").arg(args.at(2)).arg(size);
        if (image.isNull() || !image.save(out)) {
            std::fprintf(stderr, "cannot render %s at %d px into %s: %s\n", qPrintable(args.at(1)), size,
                         qPrintable(out), qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
