// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestDirs.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/InteractionSound.h"
#include "capture/LastChangeCount.h"
#include "capture/PasteEngine.h"
#include "capture/RecordingRules.h"
#include "capture/SequentialMode.h"
#include "capture/SequentialQueue.h"
#include "capture/SequentialWindow.h"
#include "platform/fake/FakeAccessibility.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeKeyEventPoster.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/fake/FakeSoundPlayer.h"
#include "platform/fake/FakeSystemInfo.h"
#include "platform/fake/FakeWorkspace.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QStringList>

namespace tavrin::test {

// A queue window that is only a visibility flag, recording how it was shown.
class FakeSequentialWindow final : public SequentialWindow {
public:
    bool isVisible() const override { return visible; }
    void show(bool activate) override
    {
        visible = true;
        activations.append(activate);
    }
    void close() override { visible = false; }

    bool visible = false;
    QList<bool> activations;
};

// Capture and paste over the fake platform, with a history whose file goes to the test's own folder.
struct CaptureFixture {
    TestDirs dirs;
    FakePlatform platform;
    FakeClipboard &clipboard = *platform.fakeClipboard;
    FakeScheduler &clock = *platform.fakeScheduler;
    FakeDispatcher &dispatcher = *platform.fakeDispatcher;
    FakeKeyEventPoster &keys = *platform.fakeKeyEventPoster;
    FakeSoundPlayer &sounds = *platform.fakeSoundPlayer;
    FakeAccessibility &accessibility = *platform.fakeAccessibility;
    FakeWorkspace &workspace = *platform.fakeWorkspace;
    SettingsStore settings;
    ListFolder folder{dirs.documents()};
    HistoryStore history{settings, clock, folder};
    CaptureServices capture{platform.core(), settings, history};
    FakeSequentialWindow window;

    CaptureFixture()
    {
        history.loadHistory();
        // The loaded history's paths are looked for in the background; the tests count only their own jobs.
        platform.fakeDispatcher->runAll();
        capture.sound().load();
        capture.recordChangeCount();
        capture.sequentialMode().setWindow(&window);
    }

    ClipboardMonitor &monitor() { return capture.monitor(); }
    PasteEngine &engine() { return capture.pasteEngine(); }
    SequentialMode &sequential() { return capture.sequentialMode(); }

    /// The backend's change notice, a second of time, and every worker and GUI-thread step they cause.
    void tick()
    {
        clipboard.notifyChange();
        clock.advance(std::chrono::seconds(1));
        dispatcher.runAll();
    }
    QString historyFile() const { return dirs.documents() + QStringLiteral("/myfile.plist"); }
};

}  // namespace tavrin::test
