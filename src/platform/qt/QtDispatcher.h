#pragma once

#include "platform/Dispatcher.h"

#include <QObject>

namespace tavrin {

// Background work on Qt's global thread pool; hand-back through the GUI thread's event queue.
class QtDispatcher final : public QObject, public Dispatcher {
    Q_OBJECT
public:
    explicit QtDispatcher(QObject *parent = nullptr);

    void runInBackground(Task task) override;
    void runOnMain(Task task) override;
};

}  // namespace tavrin
