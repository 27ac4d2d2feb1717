// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

#include <atomic>
#include <mutex>

namespace tavrin {

// An in-memory clipboard; a test plays the other applications that copy into it.
class FakeClipboard final : public Clipboard {
public:
    struct Write {
        enum Kind { FileUrl, String, Primary } kind;
        QString value;
    };

    std::int64_t changeCount() const override { return m_changeCount.load(); }
    ClipboardContents readContents(std::stop_token stop = {}) override;
    void setReadTimeout(std::chrono::milliseconds timeout) override { m_readTimeout = timeout; }
    /// The timeout last set.
    std::chrono::milliseconds readTimeout() const { return m_readTimeout.load(); }
    void writeFileUrl(const QString &absolutePath) override;
    void writeString(const QString &text) override;
    void offerAsPrimarySelection() override;
    bool announcesChanges() const override { return m_announcesChanges; }
    void setChangeListener(std::function<void()> listener) override { m_listener = std::move(listener); }
    void setDataRequestListener(std::function<void()> listener) override
    {
        m_dataRequestListener = std::move(listener);
    }
    /// Plays a backend that tells of no change, so that the monitor must poll.
    void setAnnouncesChanges(bool announces) { m_announcesChanges = announces; }

    /// Another application copies: the contents are replaced and the count moves; the listener is not run (the test
    /// says when the notice arrives, with notifyChange).
    void copyFromOtherApplication(const ClipboardContents &contents);
    /// Shorthands for the common copies of other applications.
    void copyText(const QString &text);
    void copyFiles(const QStringList &fileUrls);
    /// Runs the change listener as a backend with change notices would.
    void notifyChange();
    /// Another application pastes: what the last write of the program put there, or nothing when another application
    /// copied since; a read of the program's own content runs the data-request listener, as a backend does.
    std::optional<Write> pasteInOtherApplication();
    /// Every write made through the interface, oldest first.
    QList<Write> writes() const;
    /// Number of readContents calls so far.
    int readCount() const { return m_reads.load(); }
    /// Runs inside each write of the interface before the contents change, to stage what happens meanwhile.
    std::function<void()> duringWrite;
    /// Runs inside each readContents before the contents are taken; a read stopped meanwhile returns nothing.
    std::function<void(std::stop_token)> duringRead;

private:
    mutable std::mutex m_mutex;
    ClipboardContents m_contents;
    QList<Write> m_writes;
    std::atomic<std::int64_t> m_changeCount{0};
    std::atomic<int> m_reads{0};
    std::atomic<std::chrono::milliseconds> m_readTimeout{std::chrono::milliseconds(0)};
    std::function<void()> m_listener;
    std::function<void()> m_dataRequestListener;
    bool m_holdsOwnWrite = false;
    bool m_announcesChanges = true;
};

}  // namespace tavrin
