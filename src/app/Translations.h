// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>

namespace tavrin {

// The program's texts, and Qt's own (the buttons of its dialogs), in the language of a locale, for as long as the
// object lives. Made before the first window: a text is translated when its widget is made.
class Translations {
public:
    explicit Translations(const QLocale &locale);
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;
    ~Translations();

    /// The language of the program's texts: empty for English, the source language, else the loaded file's
    /// language ("de", "pt_BR").
    QString language() const { return m_language; }
    /// Where the program's translations are: built into it.
    static QString folder();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
};

}  // namespace tavrin
