// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include "app/AppLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tavrin {

Translations::Translations(const QLocale &locale)
{
    // The locale's languages in the user's order (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG); an English one, or
    // none we have, leaves the texts as they are written.
    if (m_program.load(locale, QStringLiteral("tavrin"), QStringLiteral("_"), folder())) {
        QCoreApplication::installTranslator(&m_program);
        m_language = QFileInfo(m_program.filePath()).completeBaseName().section(u'_', 1, -1);
        qCDebug(lcApp).noquote() << "texts in" << m_language;
    }
    // Qt's own texts come from the system's Qt translations where they are installed, and only in a language the
    // program speaks too, so that no window mixes two languages.
    if (!m_language.isEmpty() && m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QString Translations::folder()
{
    return QStringLiteral(":/i18n");
}

}  // namespace tavrin
