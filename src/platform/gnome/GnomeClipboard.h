// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"
#include "platform/gnome/GnomeShellLink.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

namespace tavrin {

// The clipboard of a GNOME Wayland session, through the Shell extension: it announces each new owner, reads any
// type and sets the clipboard for us.
//
// The change count counts copies of other programs. A write of ours raises it at once, by one; the extension names
// us as its writer, so its announcement is not counted again, nor is a copy it replaced before we heard of it, nor
// the content the Shell puts back when its owner quits. Reads run on the caller's thread, one call per type, each
// with a deadline; the extension refuses a read once the clipboard has changed, so two copies never mix. The
// Shell's clipboard takes one type per write: text goes as UTF-8 text, a file as its text/uri-list.
class GnomeClipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    /// How long a read waits for the owner by default (the extension itself gives up after 10 s).
    static constexpr std::chrono::milliseconds kDefaultReadTimeout{3000};

    explicit GnomeClipboard(GnomeShellLink &link, std::chrono::milliseconds readTimeout = kDefaultReadTimeout,
                            QObject *parent = nullptr);

    std::int64_t changeCount() const override { return m_changeCount.load(); }
    ClipboardContents readContents(std::stop_token stop = {}) override;
    void setReadTimeout(std::chrono::milliseconds timeout) override { m_readTimeout = timeout; }
    void writeFileUrl(const QString &absolutePath) override;
    void writeString(const QString &text) override;
    void offerAsPrimarySelection() override;
    /// The extension announces every change of the Shell's clipboard.
    bool announcesChanges() const override { return true; }
    void setChangeListener(std::function<void()> listener) override;
    /// The Shell serves what we write from its own memory: nobody's read of it reaches us, so none is told.
    void setDataRequestListener(std::function<void()>) override {}

private:
    struct Write {
        QString mimeType;
        QByteArray data;
        ClipboardContents contents;
    };
    struct Read {
        ClipboardContents contents;
        bool changed = false;  // the clipboard changed during the read: read it again
    };

    void onClipboardChanged(const ShellClipboardState &state);
    void onAvailabilityChanged(bool available);
    /// Our write to the clipboard: counted at once, remembered for our own reads and the primary selection.
    void write(const Write &write);
    bool set(const QString &selection, const Write &write, quint64 writeId);
    Read readState(const ShellClipboardState &state, const std::stop_token &stop);
    /// The data, or nothing with changed set when the clipboard moved on.
    std::optional<QByteArray> readType(quint64 serial, const QString &type, Read &read);

    GnomeShellLink &m_link;
    std::atomic<std::chrono::milliseconds> m_readTimeout;
    std::atomic<std::int64_t> m_changeCount{0};
    std::function<void()> m_listener;
    std::mutex m_readMutex;

    mutable std::mutex m_mutex;
    std::optional<Write> m_lastWrite;
    quint64 m_lastWriteId = 0;
    quint64 m_ownSerial = 0;  // the clipboard's serial after our latest write
    quint64 m_seenSerial = 0;  // the latest serial announced
};

}  // namespace tavrin
