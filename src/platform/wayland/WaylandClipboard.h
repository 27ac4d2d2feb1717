// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clipboard.h"
#include "platform/common/SelectionOffer.h"
#include "platform/wayland/DataControlClient.h"
#include "platform/wayland/SelectionLedger.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>

namespace tavrin {

// The Wayland clipboard as the program's clipboard, through the compositor's data-control protocol.
//
// The change count counts selections made by other programs. A write of ours raises it at once, by one; its offer
// carries a private type with this instance's mark, so its announcement is not counted again. Reads run on the
// caller's thread, one pipe per type, each with a deadline. When the clipboard becomes empty because its owner quit,
// the content it had is offered again.
class WaylandClipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{3000};
    /// Content larger than this is not read.
    static constexpr qsizetype kMaxSize = 256 * 1024 * 1024;

    /// Connects to the named display ($WAYLAND_DISPLAY when null).
    explicit WaylandClipboard(std::chrono::milliseconds readTimeout = kDefaultTimeout, const char *display = nullptr,
                              QObject *parent = nullptr);
    ~WaylandClipboard() override;

    /// False when the compositor offers no data-control protocol or the connection broke; the clipboard then reads
    /// empty.
    bool isValid() const;
    /// Why it is not valid, for the log.
    QString problem() const;
    /// The data-control manager in use, empty when none.
    QString protocolName() const;
    /// True when the primary selection can be offered.
    bool hasPrimarySelection() const;

    std::int64_t changeCount() const override { return m_changeCount.load(); }
    ClipboardContents readContents(std::stop_token stop = {}) override;
    void setReadTimeout(std::chrono::milliseconds timeout) override { m_readTimeout = timeout; }
    void writeFileUrl(const QString &absolutePath) override;
    void writeString(const QString &text) override;
    void offerAsPrimarySelection() override;
    /// Data-control announces every selection.
    bool announcesChanges() const override { return true; }
    void setChangeListener(std::function<void()> listener) override;
    void setDataRequestListener(std::function<void()> listener) override;

    /// Puts any offer on the clipboard as a write of ours (raises the change count by one).
    void writeOffer(SelectionOffer offer);

private:
    struct Read {
        ClipboardContents contents;
        bool complete = false;
    };

    void onSelection(const DataControlClient::Selection &selection);
    void write(SelectionOffer offer, std::chrono::milliseconds wait);
    Read readSelection(const DataControlClient::Selection &selection);
    /// The data of one type; null when it could not be read (with read.contents.ownerTooSlow set when the owner
    /// stalled).
    std::optional<QByteArray> readType(std::uint64_t generation, const std::string &type, Read &read);
    void countForeignChange();
    void notifyListener();
    void notifyDataRequest();

    std::atomic<std::chrono::milliseconds> m_readTimeout;
    const std::uint64_t m_instance;
    std::atomic<std::int64_t> m_changeCount{0};
    std::function<void()> m_listener;
    std::function<void()> m_dataRequestListener;
    std::mutex m_readMutex;

    mutable std::mutex m_mutex;
    SelectionLedger m_ledger;
    std::optional<SelectionOffer> m_lastWrite;  // our latest write, for the primary selection and our own reads
    std::optional<SelectionOffer> m_known;  // the current selection's content once known, offered again if it empties
    std::uint64_t m_knownGeneration = 0;

    std::unique_ptr<DataControlClient> m_client;  // last: its thread stops first
};

}  // namespace tavrin
