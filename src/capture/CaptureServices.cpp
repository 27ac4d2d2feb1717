// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/CaptureServices.h"

#include "capture/ClipboardMonitor.h"
#include "capture/FileEntries.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "capture/PasteEngine.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "platform/Clipboard.h"
#include "store/HistoryStore.h"

namespace tavrin {

CaptureServices::CaptureServices(const CoreServices &desktop, SettingsStore &settings, HistoryStore &history)
    : m_desktop(desktop),
      m_lastChangeCount(std::make_unique<LastChangeCount>()),
      m_sound(std::make_unique<InteractionSound>(settings, desktop.soundPlayer)),
      m_queue(std::make_unique<SequentialQueue>()),
      m_pasteEngine(std::make_unique<PasteEngine>(desktop.clipboard, desktop.keyEventPoster, desktop.accessibility,
                                                  desktop.workspace, desktop.scheduler, settings, *m_lastChangeCount,
                                                  *m_sound)),
      m_sequentialMode(std::make_unique<SequentialMode>(*m_queue, settings, *m_pasteEngine, *m_sound)),
      m_recordingRules(std::make_unique<RecordingRules>(settings, desktop.workspace)),
      m_monitor(std::make_unique<ClipboardMonitor>(desktop.clipboard, desktop.dispatcher, desktop.scheduler, history,
                                                   *m_lastChangeCount, *m_sound, *m_sequentialMode, *m_recordingRules)),
      m_fileEntries(std::make_unique<FileEntries>(history, desktop.dispatcher, desktop.scheduler)),
      m_settings(settings)
{
}

CaptureServices::~CaptureServices() = default;

void CaptureServices::loadReadTimeout()
{
    m_monitor->setReadTimeout(ClipboardMonitor::readTimeoutSetting(m_settings));
}

void CaptureServices::recordChangeCount()
{
    m_lastChangeCount->set(m_desktop.clipboard.changeCount());
}

void CaptureServices::insertCurrentClipboardText()
{
    m_monitor->captureLaunchText();
}

}  // namespace tavrin
