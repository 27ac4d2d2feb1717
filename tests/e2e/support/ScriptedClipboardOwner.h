// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <chrono>
#include <memory>

namespace tavrin::e2e {

// Another client that owns CLIPBOARD and answers as the test scripts it, on a thread and connection of its own:
// one target besides TARGETS, with any type and format, at once or in slow INCR chunks, or only once released.
class ScriptedClipboardOwner {
public:
    struct Script {
        QByteArray target = "UTF8_STRING";
        QByteArray type = "UTF8_STRING";
        int format = 8;
        QByteArray data;
        /// Requests for the target wait for release().
        bool holdUntilReleased = false;
        /// The class in the owner window's WM_CLASS, as an application's toolkit sets it; none when empty.
        QByteArray windowClass;
        /// The class goes on a window of its own that the owner window names as its WM_CLIENT_LEADER instead, as
        /// toolkits do for the hidden windows that own selections.
        bool classOnClientLeader = false;
        /// INCR: the size announced (data's when 0), then data in chunks of this many bytes, one per interval.
        int incrChunk = 0;
        qint64 incrAnnounced = 0;
        std::chrono::milliseconds chunkInterval{0};
    };

    explicit ScriptedClipboardOwner(Script script);
    ~ScriptedClipboardOwner();
    ScriptedClipboardOwner(const ScriptedClipboardOwner &) = delete;
    ScriptedClipboardOwner &operator=(const ScriptedClipboardOwner &) = delete;

    /// True once the owner holds CLIPBOARD.
    bool isOwner() const;
    /// Requests for the target received so far, answered or not.
    int requests() const;
    /// Bytes of the target's data handed over so far.
    qint64 bytesSent() const;
    /// Answers the held requests, and later ones at once.
    void release();

    /// Text served at once as UTF8_STRING.
    static Script text(const QByteArray &utf8);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace tavrin::e2e
