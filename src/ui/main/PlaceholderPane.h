#pragma once

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace tavrin {

// A pane that only names itself, standing in for a pane of the main window that is not there yet.
class PlaceholderPane : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderPane(const QString &title, QWidget *parent = nullptr) : QWidget(parent)
    {
        setAccessibleName(title);
        auto *label = new QLabel(title, this);
        label->setAlignment(Qt::AlignCenter);
        label->setForegroundRole(QPalette::PlaceholderText);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(label);
    }
};

}  // namespace tavrin
