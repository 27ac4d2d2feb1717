// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

namespace tavrin {

class SelectionOwner;
class SelectionReader;

// The X11 CLIPBOARD as the program's clipboard.
//
// The change count counts owner changes reported by XFixes. A write of ours raises it at once, by one, and the
// notice of our own ownership that follows is not counted again. Reads run on the caller's thread over their own
// connection with deadlines, and give up when the clipboard changes owner meanwhile; the selection is served from a
// thread of its own.
class X11Clipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{3000};

    explicit X11Clipboard(std::chrono::milliseconds readTimeout = kDefaultTimeout, QObject *parent = nullptr);
    ~X11Clipboard() override;

    /// False when the display or its XFixes extension could not be used; the clipboard then reads empty.
    bool isValid() const;

    std::int64_t changeCount() const override { return m_changeCount.load(); }
    ClipboardContents readContents(std::stop_token stop = {}) override;
    void setReadTimeout(std::chrono::milliseconds timeout) override;
    void writeFileUrl(const QString &absolutePath) override;
    void writeString(const QString &text) override;
    void offerAsPrimarySelection() override;
    /// XFixes owner-change notices, while the display could be used.
    bool announcesChanges() const override;
    void setChangeListener(std::function<void()> listener) override;
    void setDataRequestListener(std::function<void()> listener) override;

private:
    void notifyListener();
    void notifyDataRequest();

    std::atomic<std::int64_t> m_changeCount{0};
    std::function<void()> m_listener;
    std::function<void()> m_dataRequestListener;
    std::mutex m_readMutex;
    std::unique_ptr<SelectionReader> m_reader;
    std::unique_ptr<SelectionOwner> m_owner;  // last: its thread stops first
};

}  // namespace tavrin
