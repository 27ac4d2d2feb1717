// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/PasteEngine.h"

#include "capture/CaptureLog.h"
#include "capture/ClipItem.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "platform/Accessibility.h"
#include "platform/Clipboard.h"
#include "platform/KeyEventPoster.h"
#include "platform/Scheduler.h"
#include "platform/Workspace.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"

namespace tavrin {

PasteEngine::PasteEngine(Clipboard &clipboard, KeyEventPoster &keys, Accessibility &accessibility, Workspace &workspace,
                         Scheduler &scheduler, SettingsStore &settings, LastChangeCount &lastChangeCount,
                         InteractionSound &sound, QObject *parent)
    : QObject(parent),
      m_clipboard(clipboard),
      m_keys(keys),
      m_accessibility(accessibility),
      m_workspace(workspace),
      m_scheduler(scheduler),
      m_settings(settings),
      m_lastChangeCount(lastChangeCount),
      m_sound(sound),
      m_chords(settings),
      m_hold(clipboard, scheduler)
{
}

void PasteEngine::write(const QString &item)
{
    m_lastChangeCount.raiseAndWrite([&] {
        if (isExistingFile(item))
            m_clipboard.writeFileUrl(item);
        else
            m_clipboard.writeString(item);
    });
}

void PasteEngine::writeItemToClipboard(const QString &item)
{
    m_hold.run([this, item] { write(item); });
}

void PasteEngine::pasteItem(const QString &item)
{
    m_hold.run([this, item] {
        write(item);
        if (isExistingFolder(item)) {
            // Unanswered (nobody asks the user) counts as "No": a folder is never pasted with all its contents
            // unasked.
            Q_EMIT folderPasteConfirmationNeeded(item);
            return;
        }
        pasteAfterHandBack();
    });
}

void PasteEngine::pasteQueuedItem(const QString &item)
{
    m_hold.run([this, item] {
        write(item);
        m_hold.hold();
        scheduleSequentialPaste();
    });
}

void PasteEngine::pasteConfirmedFolder()
{
    pasteAfterHandBack();
}

void PasteEngine::pasteAfterHandBack()
{
    m_hold.hold();
    m_sound.play(QStringLiteral("Ping"));
    Q_EMIT listWindowCloseRequested();
    Q_EMIT programHideRequested();
    scheduleStart();
}

void PasteEngine::scheduleStart()
{
    m_scheduler.scheduleOnce(kPasteDelay, this, [this] { start(); });
}

void PasteEngine::scheduleSequentialPaste()
{
    m_scheduler.scheduleOnce(kPasteDelay, this, [this] { startSequentialPaste(); });
}

void PasteEngine::start()
{
    postPasteKeystroke(false);
}

void PasteEngine::startSequentialPaste()
{
    postPasteKeystroke(true);
}

void PasteEngine::checkPermission()
{
    if (!m_settings.flag(keys::pastedBefore)) {
        // The very first paste request never opens the permission guide.
        m_settings.setBool(keys::pastedBefore, true);
        return;
    }
    if (!m_accessibility.isProcessTrusted(true))
        Q_EMIT pasteAccessGuideRequested();
}

void PasteEngine::postPasteKeystroke(bool sequential)
{
    // The keystroke is posted whether or not the program is trusted; the entry stays on the clipboard either way.
    checkPermission();
    if (sequential)
        m_sound.play(QStringLiteral("Frog"));
    m_hold.keysTyped(typePasteKeystroke());
}

bool PasteEngine::typePasteKeystroke()
{
    const PasteChord chord = m_chords.forWindowClass(m_workspace.windowClass(m_workspace.activeWindow()));
    if (chord.usesPrimarySelection)
        m_clipboard.offerAsPrimarySelection();

    const bool typed = m_keys.typeKeys(chord.keys);
    if (!typed)
        qCWarning(lcCapture) << "the paste keys" << chord.keys
                             << "cannot be typed here; the entry stays on the clipboard";
    return typed;
}

}  // namespace tavrin
