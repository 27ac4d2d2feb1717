// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tavrin::test {

// A small Wayland compositor for one purpose: it offers a seat and the clipboard-manager protocol of the ext family
// (ext_data_control_manager_v1) and nothing else, as the newest compositors do and none on this system. It keeps
// the seat's clipboard and primary selection like a compositor: a selection set by a client is announced to every
// device as a fresh offer, a read of an offer is handed to the source's owner, a replaced source is cancelled.
//
// It runs on a thread of its own with a socket in $XDG_RUNTIME_DIR; the test calls it from its own thread.
class ExtDataControlServer {
public:
    ExtDataControlServer();
    ~ExtDataControlServer();
    ExtDataControlServer(const ExtDataControlServer &) = delete;
    ExtDataControlServer &operator=(const ExtDataControlServer &) = delete;

    /// The socket's name, for WAYLAND_DISPLAY; empty when the server could not start.
    std::string socketName() const { return m_socketName; }

    /// Another program copies: the clipboard offers these types and the server itself serves their data.
    void copy(const std::map<std::string, QByteArray> &data);
    /// The clipboard becomes empty, as when its owner quits.
    void clear();
    /// The types of the clipboard as it is now; empty when nothing is selected.
    std::vector<std::string> clipboardTypes();
    /// The types of the primary selection as it is now.
    std::vector<std::string> primaryTypes();
    /// Reads one type of the clipboard the way a pasting program does (through the compositor, from whoever owns
    /// it); empty when it offers no such type or nothing came within the timeout.
    QByteArray paste(const std::string &type, bool primary = false);
    /// Number of devices the clients have made so far.
    int deviceCount();

    /// What the server thread keeps (the protocol's handlers reach it through their resources).
    struct State;

private:
    /// Runs the call on the server's thread and waits for it.
    void call(const std::function<void()> &function);
    void run();

    std::unique_ptr<State> m_state;
    std::string m_socketName;
};

}  // namespace tavrin::test
