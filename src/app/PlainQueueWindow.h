#pragma once

#include "capture/SequentialWindow.h"

#include <QObject>

#include <memory>

class QListWidget;

namespace tavrin {

class SequentialMode;
class SequentialQueue;

// A plain floating list of the sequential queue, standing in until the queue list view exists. Sequential mode is
// on while it is visible; hiding the program leaves it shown.
class PlainQueueWindow final : public QObject, public SequentialWindow {
    Q_OBJECT
public:
    /// The dynamic property that tells "hide the program" to leave a window shown.
    static constexpr const char *kKeepShownProperty = "tavrinKeepShownWhenHiding";

    PlainQueueWindow(SequentialMode &mode, const SequentialQueue &queue, QObject *parent = nullptr);
    ~PlainQueueWindow() override;

    bool isVisible() const override;
    void show(bool activate) override;
    void close() override;

    QListWidget *list() const { return m_list.get(); }

private:
    void reload();

    const SequentialQueue &m_queue;
    std::unique_ptr<QListWidget> m_list;
};

}  // namespace tavrin
