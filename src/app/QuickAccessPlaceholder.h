#pragma once

#include <QWidget>

class QListWidget;

namespace tavrin {

class AppContext;

// Stands in for the quick-access list until that view exists: the newest entries as plain lines, read-only. Like
// the list, its first showing saves the history once and starts the clipboard monitor, so the program records
// copies from the moment its window first appears.
class QuickAccessPlaceholder : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int viewHeight READ viewHeight CONSTANT)
public:
    static constexpr int kHeight = 370;
    static constexpr int kWidth = 400;

    explicit QuickAccessPlaceholder(AppContext &context, QWidget *parent = nullptr);

    /// The height the popover window gives this view.
    int viewHeight() const { return kHeight; }
    QSize sizeHint() const override { return {kWidth, kHeight}; }
    QListWidget *list() const { return m_list; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void viewDidLoad();
    void reload();

    AppContext &m_context;
    QListWidget *m_list;
    bool m_loaded = false;
};

}  // namespace tavrin
