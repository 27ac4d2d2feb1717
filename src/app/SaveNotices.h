#pragma once

#include <QObject>

namespace tavrin {

class DesktopNotifier;
class HistoryStore;
class GroupStore;
class SettingsStore;

// Tells the user through a desktop notice when saving one of the program's files starts failing, with the file and
// the reason, and again when it works once more. The stores say each failure once, so nothing is repeated.
class SaveNotices : public QObject {
    Q_OBJECT
public:
    SaveNotices(DesktopNotifier &notifier, SettingsStore &settings, HistoryStore &history, GroupStore &groups,
                QObject *parent = nullptr);

private:
    DesktopNotifier &m_notifier;
};

}  // namespace tavrin
