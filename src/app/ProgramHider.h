// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

class Workspace;

// "Hide the program": our windows go away and the window of another application that had the focus before gets
// it back, so that a paste keystroke reaches it.
class ProgramHider {
public:
    explicit ProgramHider(Workspace &workspace);

    void hideProgram();

private:
    Workspace &m_workspace;
};

}  // namespace tavrin
