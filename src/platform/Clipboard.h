// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>

namespace tavrin {

// What the general clipboard held at one read.
struct ClipboardContents {
    /// Data of the file-URL type, one per item that carries it, in item order (UTF-8 URL text).
    QList<QByteArray> fileUrlItems;
    /// The plain string type, when offered.
    std::optional<QString> string;
    /// The owner marked the content secret (a password manager); it must not be recorded.
    bool concealed = false;
    /// The owner did not hand the content over within the read's timeout: nothing was read.
    bool ownerTooSlow = false;
    /// The application that owned the clipboard (its window class), when the backend can tell.
    QString ownerName;
};

// The desktop's clipboard (CLIPBOARD on X11, the seat's selection on Wayland).
class Clipboard {
public:
    Clipboard() = default;
    Clipboard(const Clipboard &) = delete;
    Clipboard &operator=(const Clipboard &) = delete;
    virtual ~Clipboard() = default;

    /// Number of ownership changes so far; cheap and safe from any thread.
    virtual std::int64_t changeCount() const = 0;
    /// Reads the file-URL and plain-string types; may block on another client, so never call it on the GUI thread.
    /// Gives up with nothing read once stop is requested, once another client takes the clipboard, or once the read
    /// has taken longer than its data can justify (then ownerTooSlow is set).
    virtual ClipboardContents readContents(std::stop_token stop = {}) = 0;
    /// How long a read waits for the owner to answer (and for each further piece of a large transfer).
    virtual void setReadTimeout(std::chrono::milliseconds timeout) = 0;
    /// Replaces the contents with one file or folder, as a file manager's copy offers it; raises changeCount by one.
    virtual void writeFileUrl(const QString &absolutePath) = 0;
    /// Replaces the contents with one plain string; raises changeCount by one.
    virtual void writeString(const QString &text) = 0;
    /// Offers what the program last wrote also as the primary selection, for windows that paste from it; the
    /// change count does not move. Returns once other clients can see it.
    virtual void offerAsPrimarySelection() = 0;
    /// True when the backend tells of every change through the change listener, so nobody needs to ask; false when
    /// the contents must be polled to see a change.
    virtual bool announcesChanges() const = 0;
    /// Listener run on the GUI thread when another client changed the contents; backends that cannot tell never call
    /// it.
    virtual void setChangeListener(std::function<void()> listener) = 0;
    /// Listener run on the GUI thread each time another client asks for the data of what the program put on the
    /// clipboard or the primary selection (a paste reading it); backends that cannot tell never call it.
    virtual void setDataRequestListener(std::function<void()> listener) = 0;
};

}  // namespace tavrin
