// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CoreServices.h"

#include <memory>

namespace tavrin {

class ClipboardMonitor;
class FileEntries;
class HistoryStore;
class InteractionSound;
class LastChangeCount;
class PasteEngine;
class RecordingRules;
class SequentialMode;
class SequentialQueue;
class SettingsStore;

// The process-wide objects of capture and paste, built together over the desktop's services, settings and history,
// and what is known of which entries are files.
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
    FileEntries &fileEntries() { return *m_fileEntries; }
    RecordingRules &recordingRules() { return *m_recordingRules; }

    /// Launch: how long a read waits for the application that copied, from the settings.
    void loadReadTimeout();
    /// Launch: the monitor starts from the clipboard's current change count.
    void recordChangeCount();
    /// Launch, after recordChangeCount: the text the clipboard holds now goes into the history once the worker has
    /// read it (files are not looked at). An owner that does not answer never holds up the launch, and a copy made
    /// meanwhile is recorded by the monitor.
    void insertCurrentClipboardText();

private:
    CoreServices m_desktop;
    std::unique_ptr<LastChangeCount> m_lastChangeCount;
    std::unique_ptr<InteractionSound> m_sound;
    std::unique_ptr<SequentialQueue> m_queue;
    std::unique_ptr<PasteEngine> m_pasteEngine;
    std::unique_ptr<SequentialMode> m_sequentialMode;
    std::unique_ptr<RecordingRules> m_recordingRules;
    std::unique_ptr<ClipboardMonitor> m_monitor;
    std::unique_ptr<FileEntries> m_fileEntries;
    SettingsStore &m_settings;
};

}  // namespace tavrin
