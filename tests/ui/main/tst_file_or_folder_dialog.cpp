// SPDX-License-Identifier: GPL-3.0-or-later
// The group's file chooser as the user drives it: a path put into Qt's own dialog's name field and Return, for a file
// and for a folder, reaches the one who asked, every time.
#include "ui/SheetPresenter.h"
#include "ui/main/FileOrFolderDialog.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace tavrin;

class TestFileOrFolderDialog : public QObject {
    Q_OBJECT

    /// Opens the chooser over window, pastes path into its name field and presses Return; the answer given.
    static std::optional<std::optional<QString>> typeAndReturn(QWidget &window, const QString &path)
    {
        WindowModalSheetPresenter presenter;
        std::optional<std::optional<QString>> answer;
        presenter.presentFileChooser(&window, FileChooserRequest{QStringLiteral("Choose a file or folder"), true},
                                     [&answer](const std::optional<QString> &chosen) { answer = chosen; });
        auto *dialog = window.findChild<FileOrFolderDialog *>();
        if (!dialog)
            return std::nullopt;
        if (!QTest::qWaitFor([dialog] { return dialog->isVisible(); }))
            return std::nullopt;
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name)
            return std::nullopt;
        name->setFocus();
        // Pasted whole, as a path copied from a terminal or a file manager is.
        QGuiApplication::clipboard()->setText(path);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        // The dialog offers completions as the user types; the user closes the offer, then presses Return.
        if (QCompleter *completer = name->completer(); completer && completer->popup()->isVisible())
            QTest::keyClick(completer->popup(), Qt::Key_Escape);
        QTest::keyClick(name, Qt::Key_Return);
        if (!QTest::qWaitFor([&answer] { return answer.has_value(); }))
            return std::nullopt;
        return answer;
    }

private Q_SLOTS:
    void aTypedPathIsTheChoiceForAFileAndForAFolder_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }
    void aTypedPathIsTheChoiceForAFileAndForAFolder()
    {
        QFETCH(bool, folder);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path = dir.filePath(QStringLiteral("notes.txt"));
        if (folder) {
            path = dir.filePath(QStringLiteral("projects"));
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QWidget window;
        window.resize(700, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Twice: the second choice must not be lost or read from the first.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto answer = typeAndReturn(window, path);
            QVERIFY2(answer.has_value(), "the chooser never answered");
            QVERIFY2(answer->has_value(), "the chooser answered without a path");
            QCOMPARE(**answer, path);
            QTRY_VERIFY(!window.findChild<FileOrFolderDialog *>());
        }
    }

    void aCancelledChooserAnswersWithoutAPath()
    {
        QWidget window;
        window.resize(700, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowModalSheetPresenter presenter;
        std::optional<std::optional<QString>> answer;
        presenter.presentFileChooser(&window, FileChooserRequest{QStringLiteral("Choose"), true},
                                     [&answer](const std::optional<QString> &chosen) { answer = chosen; });
        auto *dialog = window.findChild<FileOrFolderDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(answer.has_value());
        QVERIFY(!answer->has_value());
        QCOMPARE(dialog->chosenPath(), QString());
    }
};

QTEST_MAIN(TestFileOrFolderDialog)
#include "tst_file_or_folder_dialog.moc"
