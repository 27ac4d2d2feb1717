#pragma once

#include "platform/CoreServices.h"

#include <memory>

namespace tavrin {

class ClipboardMonitor;
class HistoryStore;
class InteractionSound;
class LastChangeCount;
class PasteEngine;
class SequentialMode;
class SequentialQueue;
class SettingsStore;

// The process-wide objects of capture and paste, built together over the desktop's services, settings and history.
class CaptureServices {
public:
    CaptureServices(const CoreServices &desktop, SettingsStore &settings, HistoryStore &history);
    CaptureServices(const CaptureServices &) = delete;
    CaptureServices &operator=(const CaptureServices &) = delete;
    ~CaptureServices();

    LastChangeCount &lastChangeCount() { return *m_lastChangeCount; }
    InteractionSound &sound() { return *m_sound; }
    SequentialQueue &queue() { return *m_queue; }
    PasteEngine &pasteEngine() { return *m_pasteEngine; }
    SequentialMode &sequentialMode() { return *m_sequentialMode; }
    ClipboardMonitor &monitor() { return *m_monitor; }

    /// Launch: inserts the text the clipboard holds now into the history (files are not looked at).
    void insertCurrentClipboardText();
    /// Launch: the monitor starts from the clipboard's current change count.
    void recordChangeCount();

private:
    CoreServices m_desktop;
    HistoryStore &m_history;
    std::unique_ptr<LastChangeCount> m_lastChangeCount;
    std::unique_ptr<InteractionSound> m_sound;
    std::unique_ptr<SequentialQueue> m_queue;
    std::unique_ptr<PasteEngine> m_pasteEngine;
    std::unique_ptr<SequentialMode> m_sequentialMode;
    std::unique_ptr<ClipboardMonitor> m_monitor;
};

}  // namespace tavrin
