// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/PasteChord.h"

#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

PasteChords::PasteChords(SettingsStore &settings) : m_settings(settings) {}

QStringList PasteChords::classes(const QString &key) const
{
    // Written out at first use so that the user finds the list to extend.
    m_settings.storeDefaultIfMissing(key);
    return m_settings.texts(key);
}

PasteChord PasteChords::forWindowClass(const QString &windowClass) const
{
    if (windowClass.isEmpty())
        return {};
    if (classes(keys::primaryPasteWindowClasses).contains(windowClass, Qt::CaseInsensitive))
        return PasteChord{QKeyCombination(Qt::ShiftModifier, Qt::Key_Insert), true};
    if (classes(keys::shiftPasteWindowClasses).contains(windowClass, Qt::CaseInsensitive))
        return PasteChord{QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_V), false};
    return {};
}

}  // namespace tavrin
