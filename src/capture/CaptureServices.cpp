#include "capture/CaptureServices.h"

#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "capture/PasteEngine.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "platform/Platform.h"
#include "store/HistoryStore.h"

namespace tavrin {

CaptureServices::CaptureServices(Platform &platform, SettingsStore &settings, HistoryStore &history)
    : m_platform(platform),
      m_history(history),
      m_lastChangeCount(std::make_unique<LastChangeCount>()),
      m_sound(std::make_unique<InteractionSound>(settings, *platform.soundPlayer)),
      m_queue(std::make_unique<SequentialQueue>()),
      m_pasteEngine(std::make_unique<PasteEngine>(*platform.pasteboard, *platform.keyEventPoster,
                                                  *platform.accessibility, *platform.workspace, *platform.scheduler,
                                                  settings, *m_lastChangeCount, *m_sound)),
      m_sequentialMode(std::make_unique<SequentialMode>(*m_queue, settings, *m_pasteEngine, *m_sound)),
      m_monitor(std::make_unique<ClipboardMonitor>(*platform.pasteboard, *platform.dispatcher, *platform.scheduler,
                                                   history, *m_lastChangeCount, *m_sound, *m_sequentialMode))
{
}

CaptureServices::~CaptureServices() = default;

void CaptureServices::insertCurrentClipboardText()
{
    const PasteboardContents contents = m_platform.pasteboard->readContents();
    if (contents.string && !contents.concealed)
        m_history.insertCaptured(*contents.string);
}

void CaptureServices::recordChangeCount()
{
    m_lastChangeCount->set(m_platform.pasteboard->changeCount());
}

}  // namespace tavrin
