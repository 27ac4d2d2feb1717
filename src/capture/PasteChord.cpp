#include "capture/PasteChord.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

PasteChords::PasteChords(SettingsStore &settings) : m_settings(settings) {}

QStringList PasteChords::defaultShiftCommandClasses()
{
    return {QStringLiteral("Gnome-terminal"),
            QStringLiteral("kgx"),
            QStringLiteral("org.gnome.Console"),
            QStringLiteral("konsole"),
            QStringLiteral("Xfce4-terminal"),
            QStringLiteral("Mate-terminal"),
            QStringLiteral("Lxterminal"),
            QStringLiteral("qterminal"),
            QStringLiteral("Tilix"),
            QStringLiteral("Terminator"),
            QStringLiteral("kitty"),
            QStringLiteral("Alacritty"),
            QStringLiteral("st-256color"),
            QStringLiteral("St"),
            QStringLiteral("Sakura"),
            QStringLiteral("Terminology"),
            QStringLiteral("Guake"),
            QStringLiteral("Tilda"),
            QStringLiteral("Roxterm"),
            QStringLiteral("Termite"),
            QStringLiteral("org.wezfurlong.wezterm"),
            QStringLiteral("Deepin-terminal"),
            QStringLiteral("io.elementary.terminal"),
            QStringLiteral("Ptyxis")};
}

QStringList PasteChords::defaultPrimarySelectionClasses()
{
    return {QStringLiteral("XTerm"), QStringLiteral("UXTerm"), QStringLiteral("URxvt"),
            QStringLiteral("Rxvt"),  QStringLiteral("Aterm"),  QStringLiteral("Eterm")};
}

QStringList PasteChords::classes(const QString &key, const QStringList &defaults) const
{
    if (const auto stored = m_settings.stringArray(key))
        return *stored;
    // Written out at first use so that the user finds the list to extend.
    m_settings.setStringArray(key, defaults);
    return defaults;
}

PasteChord PasteChords::forWindowClass(const QString &windowClass) const
{
    if (windowClass.isEmpty())
        return {};
    if (classes(keys::primaryPasteWindowClasses, defaultPrimarySelectionClasses())
            .contains(windowClass, Qt::CaseInsensitive))
        return PasteChord{QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert), true};
    if (classes(keys::shiftPasteWindowClasses, defaultShiftCommandClasses()).contains(windowClass, Qt::CaseInsensitive))
        return PasteChord{QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V), false};
    return {};
}

}  // namespace tavrin
