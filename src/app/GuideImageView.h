// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QVariantAnimation;

namespace tavrin {

// Shows one of the guide's pictures, scaled to fit, and changes pictures with a push: the new picture
// slides in from one side while the old one slides out on the other.
class GuideImageView : public QWidget {
    Q_OBJECT
public:
    /// The pictures' own size; the view shrinks below it (keeping their shape) where the screen has less room.
    QSize sizeHint() const override { return {400, 240}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * 3 / 5; }
    enum class PushFrom { Left, Right };

    explicit GuideImageView(QWidget *parent = nullptr);

    /// Shows the picture with that asset name at once.
    void setImage(const QString &name);
    /// Shows the picture with that asset name by a 0.5 s push from the given side.
    void pushImage(const QString &name, PushFrom from);

    QString imageName() const { return m_name; }
    bool isPushing() const;
    PushFrom lastPushFrom() const { return m_from; }
    /// The resource that holds the picture with that asset name.
    static QString resourcePath(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPixmap render(const QString &name) const;

    QString m_name;
    QString m_previousName;
    QPixmap m_image;
    QPixmap m_previous;
    PushFrom m_from = PushFrom::Right;
    qreal m_progress = 1.0;
    QVariantAnimation *m_push;
};

}  // namespace tavrin
