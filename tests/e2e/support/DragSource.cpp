// SPDX-License-Identifier: GPL-3.0-or-later
// A window of our own that drags files as a file manager does: pressing in it and moving starts a drag that
// offers text/uri-list over XDND. When the drag ends it prints the action the target took ("copy", "move", "link"
// or "none") on standard output.
// Usage: tavrin-test-drag-source <file or folder>...
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource final : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls))
    {
        setWindowTitle(QStringLiteral("Drag source"));
        resize(160, 120);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override { m_pressedAt = event->position().toPoint(); }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return;
        auto *offer = new QMimeData;
        offer->setUrls(m_urls);
        auto *drag = new QDrag(this);
        drag->setMimeData(offer);
        const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        const char *name = action == Qt::CopyAction   ? "copy"
                           : action == Qt::MoveAction ? "move"
                           : action == Qt::LinkAction ? "link"
                                                      : "none";
        std::printf("dragged: %s\n", name);
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_urls;
    QPoint m_pressedAt;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QList<QUrl> urls;
    for (int i = 1; i < argc; ++i)
        urls.append(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i])));
    DragSource source(urls);
    source.show();
    return app.exec();
}
