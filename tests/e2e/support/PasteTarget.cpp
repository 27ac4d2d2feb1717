// SPDX-License-Identifier: GPL-3.0-or-later
// A window of our own that receives pastes: a plain text editor that mirrors its text into a file.
// Usage: tavrin-paste-target <output file>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSaveFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString output = QString::fromLocal8Bit(argv[1]);
    QPlainTextEdit editor;
    editor.setWindowTitle(QStringLiteral("Paste target"));
    QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        QSaveFile file(output);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(editor.toPlainText().toUtf8());
            file.commit();
        }
    });
    editor.resize(400, 200);
    editor.show();
    return app.exec();
}
