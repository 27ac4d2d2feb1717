// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows in each shipped language: the translations built into the program are loaded for a locale,
// and the main window, Preferences, the quick-access list and the tray menu show no text left in English.
#include "FakeAppContext.h"
#include "app/AppShell.h"
#include "app/MainWindow.h"
#include "app/QuickListWindow.h"
#include "app/Translations.h"
#include "app/TrayIcon.h"
#include "app/WindowRegistry.h"
#include "platform/DesktopCapabilities.h"
#include "platform/fake/FakePlatform.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "ui/about/AboutPane.h"
#include "ui/main/MainPane.h"
#include "ui/preferences/DesktopReasons.h"
#include "ui/preferences/DesktopSupportView.h"
#include "ui/preferences/PreferencesPane.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QXmlStreamReader>

using namespace tavrin;

namespace {

// The English texts of a .ts file with their translations.
QHash<QString, QString> readTranslations(const QString &language)
{
    QFile file(QStringLiteral(TAVRIN_TRANSLATIONS_DIR "/tavrin_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, QString> texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation")
            texts.insert(source, xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return texts;
}

// Every text a person reads or hears in a widget and its children.
QStringList shownTexts(const QWidget *root)
{
    QStringList texts{root->windowTitle(), root->accessibleName()};
    QList<const QWidget *> widgets{root};
    for (const QWidget *child : root->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        texts << widget->accessibleName() << widget->toolTip();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            texts << field->placeholderText();
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            texts << group->title();
        if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
        if (const auto *view = qobject_cast<const QAbstractItemView *>(widget); view && view->model()) {
            for (int row = 0; row < view->model()->rowCount(); ++row)
                texts << view->model()->index(row, 0).data().toString();
        }
        for (const QAction *action : widget->actions())
            texts << action->text();
    }
    texts.removeAll(QString());
    return texts;
}

// A launched program on the fake platform, past its first run, with one Custom Clipboard.
struct App : test::FakeAppContext {
    std::unique_ptr<AppShell> shell;

    App()
    {
        settings->setInteger(keys::firstRun, 1);
        settings->setStringArray(keys::groupNames, {QStringLiteral("Work")});
        shell = std::make_unique<AppShell>(*context);
        shell->launch();
    }
    ~App()
    {
        shell.reset();
        context.reset();
    }
    WindowRegistry &windows() { return context->windows(); }
    // The tray menu's texts as it is opened.
    QStringList trayMenuTexts()
    {
        QMenu *menu = shell->trayIcon().menu();
        Q_EMIT menu->aboutToShow();
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text();
        return texts;
    }
};

}  // namespace

class TestTranslatedWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWindowSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("preferences");
        for (const auto &[language, clipboard, preferences] :
             {std::tuple{"de", "Zwischenablage", "Einstellungen"}, std::tuple{"fr", "Presse-papiers", "Préférences"},
              std::tuple{"es", "Portapapeles", "Preferencias"},
              std::tuple{"pt_BR", "Área de transferência", "Preferências"}, std::tuple{"zh_CN", "剪贴板", "首选项"}})
            QTest::newRow(language) << QString::fromLatin1(language) << QString::fromUtf8(clipboard)
                                    << QString::fromUtf8(preferences);
    }

    void everyWindowSpeaksTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, clipboard);
        QFETCH(QString, preferences);
        const QHash<QString, QString> translated = readTranslations(language);
        QVERIFY(!translated.isEmpty());
        // An English text shown where a translation says otherwise is a text that escaped translation.
        const auto checkNoEnglish = [&translated](const QStringList &texts, const char *where) {
            for (const QString &text : texts) {
                const auto found = translated.constFind(text);
                if (found != translated.constEnd() && *found != text)
                    QFAIL(qPrintable(QStringLiteral("%1 shows \"%2\" in English").arg(QLatin1String(where), text)));
            }
        };

        const Translations translations{QLocale(language)};
        QCOMPARE(translations.language(), language);
        App app;

        // The tray menu: its own rows and the application's commands.
        const QStringList menuTexts = app.trayMenuTexts();
        QVERIFY2(menuTexts.contains(QCoreApplication::translate("TrayMenu", "Show Clipboard")),
                 qPrintable(menuTexts.join(u'|')));
        QVERIFY(!menuTexts.contains(QStringLiteral("Show Clipboard")));
        QVERIFY(!menuTexts.contains(QStringLiteral("Quit")));
        checkNoEnglish(menuTexts, "the tray menu");

        // The quick-access list.
        QWidget *list = app.windows().quickListView();
        const QStringList listTexts = shownTexts(list);
        QVERIFY2(listTexts.contains(clipboard), qPrintable(listTexts.join(u'|')));
        checkNoEnglish(listTexts, "the quick-access list");
        checkNoEnglish(shownTexts(app.windows().quickListWindow()), "the list's window");

        // The main window with its sidebar and the history, then Preferences and About.
        app.windows().showMainWindowOn(MainPane::clipboard);
        const QStringList mainTexts = shownTexts(app.windows().mainWindow());
        QVERIFY2(mainTexts.contains(clipboard), qPrintable(mainTexts.join(u'|')));
        QVERIFY(mainTexts.contains(preferences));
        checkNoEnglish(mainTexts, "the main window");

        app.windows().showMainWindowOn(MainPane::preferences);
        const QStringList preferenceTexts = shownTexts(app.windows().preferencesPane());
        QVERIFY2(preferenceTexts.contains(preferences), qPrintable(preferenceTexts.join(u'|')));
        checkNoEnglish(preferenceTexts, "Preferences");

        app.windows().showMainWindowOn(MainPane::about);
        checkNoEnglish(shownTexts(app.windows().aboutPane()), "About");
    }

    void theDesktopsReasonsAreShownInTheLanguage()
    {
        // The desktop layer reports in English; "This desktop" shows its marked sentences translated.
        DesktopCapabilities capabilities;
        capabilities.backend = QStringLiteral("X11");
        capabilities.capture = {true, QStringLiteral("XFixes tells every change of the clipboard's owner")};
        capabilities.globalShortcuts = {false, QStringLiteral("no X server could be reached")};
        const QString unmarked = QStringLiteral("GNOME Shell did not take Ctrl+Alt+V: busy");
        capabilities.tray = {false, unmarked};
        const Translations translations{QLocale(QStringLiteral("de_DE"))};
        const DesktopSupportView view(capabilities);
        const QStringList texts = shownTexts(&view);
        QVERIFY2(texts.contains(QStringLiteral("XFixes meldet jeden Wechsel des Besitzers der Zwischenablage")),
                 qPrintable(texts.join(u'|')));
        QVERIFY(texts.contains(QStringLiteral("kein X-Server war erreichbar")));
        QVERIFY(!texts.contains(QStringLiteral("no X server could be reached")));
        // A reason built from parts has no translation and is shown as it came.
        QVERIFY(texts.contains(unmarked));
        QCOMPARE(shownReason(QStringLiteral("This desktop lets no program take global shortcuts.")),
                 QStringLiteral("Diese Arbeitsumgebung erlaubt keinem Programm globale Tastenkürzel."));
    }

    void englishAndUnknownLanguagesKeepTheWrittenTexts()
    {
        for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Icelandic)}) {
            const Translations translations{locale};
            QVERIFY(translations.language().isEmpty());
            App app;
            const QStringList menuTexts = app.trayMenuTexts();
            QVERIFY(menuTexts.contains(QStringLiteral("Show Clipboard")));
            QVERIFY(menuTexts.contains(QStringLiteral("Quit")));
        }
    }

    void aRegionalLocaleGetsItsLanguage()
    {
        // The language is what counts; Portugal's and Taiwan's written forms differ from Brazil's and the mainland's.
        const QList<std::pair<QString, QString>> cases = {
            {QStringLiteral("de_AT"), QStringLiteral("de")},
            {QStringLiteral("de_CH"), QStringLiteral("de")},
            {QStringLiteral("fr_CA"), QStringLiteral("fr")},
            {QStringLiteral("es_MX"), QStringLiteral("es")},
            {QStringLiteral("pt_BR"), QStringLiteral("pt_BR")},
            {QStringLiteral("zh_CN"), QStringLiteral("zh_CN")},
            {QStringLiteral("pt_PT"), QString()},
            {QStringLiteral("zh_TW"), QString()},
        };
        for (const auto &[name, language] : cases) {
            const Translations translations{QLocale(name)};
            QVERIFY2(translations.language() == language, qPrintable(name + u' ' + translations.language()));
            const QString shown = QCoreApplication::translate("TrayMenu", "Show Clipboard");
            QCOMPARE(shown == QStringLiteral("Show Clipboard"), language.isEmpty());
        }
    }
};

QTEST_MAIN(TestTranslatedWindows)
#include "tst_translated_windows.moc"
