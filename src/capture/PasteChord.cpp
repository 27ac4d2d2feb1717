#include "capture/PasteChord.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

PasteChords::PasteChords(SettingsStore &settings) : m_settings(settings) {}

QStringList PasteChords::defaultShiftCommandClasses()
{
    // X11 window classes, and on Wayland the application ids the same terminals give their windows (mostly their
    // desktop file names); compared without case.
    return {QStringLiteral("Gnome-terminal"),
            QStringLiteral("org.gnome.Terminal"),
            QStringLiteral("kgx"),
            QStringLiteral("org.gnome.Console"),
            QStringLiteral("konsole"),
            QStringLiteral("org.kde.konsole"),
            QStringLiteral("yakuake"),
            QStringLiteral("org.kde.yakuake"),
            QStringLiteral("Xfce4-terminal"),
            QStringLiteral("Mate-terminal"),
            QStringLiteral("Lxterminal"),
            QStringLiteral("qterminal"),
            QStringLiteral("Tilix"),
            QStringLiteral("com.gexperts.Tilix"),
            QStringLiteral("Terminator"),
            QStringLiteral("foot"),
            QStringLiteral("footclient"),
            QStringLiteral("kitty"),
            QStringLiteral("Alacritty"),
            QStringLiteral("org.wezfurlong.wezterm"),
            QStringLiteral("com.mitchellh.ghostty"),
            QStringLiteral("com.raggesilver.BlackBox"),
            QStringLiteral("st-256color"),
            QStringLiteral("St"),
            QStringLiteral("Sakura"),
            QStringLiteral("Terminology"),
            QStringLiteral("Guake"),
            QStringLiteral("Tilda"),
            QStringLiteral("Roxterm"),
            QStringLiteral("Termite"),
            QStringLiteral("Deepin-terminal"),
            QStringLiteral("io.elementary.terminal"),
            QStringLiteral("Ptyxis"),
            QStringLiteral("org.gnome.Ptyxis")};
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
