// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace tavrin {

class DesktopNotifier;
class HistoryStore;
class GroupStore;
class ListFolder;
class SettingsStore;

// Tells the user through a desktop notice when saving one of the program's files starts failing, with the file and
// the reason, and again when it works once more; when a damaged file or a folder in a file's place is kept aside;
// and when the remembered history file cannot be used and another takes its place. The stores say each of these
// once, so nothing is repeated.
class SaveNotices : public QObject {
    Q_OBJECT
public:
    SaveNotices(DesktopNotifier &notifier, SettingsStore &settings, ListFolder &folder, HistoryStore &history,
                GroupStore &groups, QObject *parent = nullptr);

private:
    DesktopNotifier &m_notifier;
};

}  // namespace tavrin
