#pragma once

#include "platform/Pasteboard.h"
#include "platform/x11/XcbSupport.h"

#include <QByteArray>

#include <chrono>
#include <optional>

namespace tavrin {

// Reads the CLIPBOARD selection synchronously on a private connection, on whatever thread calls it.
//
// Every request to the owner has its own deadline; an owner that never answers costs one timeout and the read
// ends there. Multi-megabyte data arrives through INCR.
class SelectionReader {
public:
    /// Content larger than this is not read.
    static constexpr qsizetype kMaxSize = 256 * 1024 * 1024;

    explicit SelectionReader(std::chrono::milliseconds timeout);
    ~SelectionReader();
    SelectionReader(const SelectionReader &) = delete;
    SelectionReader &operator=(const SelectionReader &) = delete;

    bool isValid() const { return m_x.isValid(); }
    /// The window owning CLIPBOARD now (a quick server query).
    xcb_window_t owner();
    /// The file-URL and plain-string types, and whether a password manager marked the content secret.
    PasteboardContents read();

private:
    enum class Outcome { Converted, Refused, Failed };
    struct Reply {
        Outcome outcome = Outcome::Failed;
        xcb_atom_t type = XCB_ATOM_NONE;
        QByteArray data;
    };

    Reply convert(xcb_atom_t target);
    Reply readProperty(xcb_atom_t property);
    std::optional<QByteArray> readIncrementally(xcb_atom_t property);
    QString decodeText(const Reply &reply, xcb_atom_t target) const;
    void replaceWindow();

    xcb::Connection m_x;
    std::chrono::milliseconds m_timeout;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    std::vector<xcb_atom_t> m_properties;
    std::size_t m_nextProperty = 0;
    struct Atoms {
        xcb_atom_t clipboard, targets, incr, utf8String, textPlainUtf8, textPlain, text, uriList, gnomeFiles,
            passwordHint;
    } m_atoms{};
};

}  // namespace tavrin
