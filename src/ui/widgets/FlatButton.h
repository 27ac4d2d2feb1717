#pragma once

#include "ui/widgets/ImageTitleLayout.h"

#include <QColor>
#include <QPushButton>

#include <array>

class QVariantAnimation;

namespace tavrin {

// A push button drawn entirely by itself: a rounded background with a border, a tinted image and a title.
// Its colours follow its on/off state and, through _NormalColor, _HoverColor and _DownColor, the pointer;
// each colour change runs as an animation. A click is a press and a release without leaving the button
// in between; clicks never toggle the state.
class FlatButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(bool momentary READ momentary WRITE setMomentary)
    Q_PROPERTY(bool mouseDown READ mouseDown)
    Q_PROPERTY(bool state READ state WRITE setState)
    Q_PROPERTY(double onAnimateDuration READ onAnimateDuration WRITE setOnAnimateDuration)
    Q_PROPERTY(double offAnimateDuration READ offAnimateDuration WRITE setOffAnimateDuration)
    Q_PROPERTY(double cornerRadius READ cornerRadius WRITE setCornerRadius)
    Q_PROPERTY(double borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(double spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(QColor borderNormalColor READ borderNormalColor WRITE setBorderNormalColor)
    Q_PROPERTY(QColor borderHighlightColor READ borderHighlightColor WRITE setBorderHighlightColor)
    Q_PROPERTY(QColor backgroundNormalColor READ backgroundNormalColor WRITE setBackgroundNormalColor)
    Q_PROPERTY(QColor backgroundHighlightColor READ backgroundHighlightColor WRITE setBackgroundHighlightColor)
    Q_PROPERTY(QColor imageNormalColor READ imageNormalColor WRITE setImageNormalColor)
    Q_PROPERTY(QColor imageHighlightColor READ imageHighlightColor WRITE setImageHighlightColor)
    Q_PROPERTY(QColor titleNormalColor READ titleNormalColor WRITE setTitleNormalColor)
    Q_PROPERTY(QColor titleHighlightColor READ titleHighlightColor WRITE setTitleHighlightColor)
    // Names starting with an underscore and a capital are reserved in C++, so the accessors drop it.
    Q_PROPERTY(QColor _NormalColor READ normalColor WRITE setNormalColor)
    Q_PROPERTY(QColor _HoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(QColor _DownColor READ downColor WRITE setDownColor)

public:
    // The painted parts whose colour animates.
    enum class Part { Border, Background, Image, Title };

    explicit FlatButton(QWidget *parent = nullptr);
    explicit FlatButton(const QString &title, QWidget *parent = nullptr);
    ~FlatButton() override;

    bool momentary() const { return m_momentary; }
    void setMomentary(bool momentary);
    /// True between a press inside the enabled button and the release or the pointer leaving.
    bool mouseDown() const { return m_mouseDown; }
    /// On shows the highlight colours.
    bool state() const { return m_state; }
    void setState(bool on);

    /// Seconds for colour changes towards the on (highlight) and the off (normal) colours; 0 is immediate.
    double onAnimateDuration() const { return m_onAnimateDuration; }
    void setOnAnimateDuration(double seconds) { m_onAnimateDuration = seconds; }
    double offAnimateDuration() const { return m_offAnimateDuration; }
    void setOffAnimateDuration(double seconds) { m_offAnimateDuration = seconds; }

    double cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(double radius);
    double borderWidth() const { return m_borderWidth; }
    void setBorderWidth(double width);
    double spacing() const { return m_spacing; }
    void setSpacing(double spacing);
    ImagePosition imagePosition() const { return m_imagePosition; }
    void setImagePosition(ImagePosition position);
    bool imageHugsTitle() const { return m_imageHugsTitle; }
    void setImageHugsTitle(bool hug);

    QColor borderNormalColor() const { return m_borderNormalColor; }
    void setBorderNormalColor(const QColor &color);
    QColor borderHighlightColor() const { return m_borderHighlightColor; }
    void setBorderHighlightColor(const QColor &color);
    QColor backgroundNormalColor() const { return m_backgroundNormalColor; }
    void setBackgroundNormalColor(const QColor &color);
    QColor backgroundHighlightColor() const { return m_backgroundHighlightColor; }
    void setBackgroundHighlightColor(const QColor &color);
    QColor imageNormalColor() const { return m_imageNormalColor; }
    void setImageNormalColor(const QColor &color);
    QColor imageHighlightColor() const { return m_imageHighlightColor; }
    void setImageHighlightColor(const QColor &color);
    QColor titleNormalColor() const { return m_titleNormalColor; }
    void setTitleNormalColor(const QColor &color);
    QColor titleHighlightColor() const { return m_titleHighlightColor; }
    void setTitleHighlightColor(const QColor &color);

    /// Background normal colours used while the pointer is outside, over, and pressing the button.
    QColor normalColor() const { return m_normalColor; }
    void setNormalColor(const QColor &color) { m_normalColor = color; }
    QColor hoverColor() const { return m_hoverColor; }
    void setHoverColor(const QColor &color) { m_hoverColor = color; }
    QColor downColor() const { return m_downColor; }
    void setDownColor(const QColor &color) { m_downColor = color; }
    /// Sets _NormalColor, _HoverColor and _DownColor in that order.
    void initializeButtonColor(const QColor &normal, const QColor &hover, const QColor &down);

    /// The colour a part is drawn in at this moment (mid-animation while one runs).
    QColor shownColor(Part part) const;
    /// The running colour change of a part, or null when its colour is settled.
    QVariantAnimation *colourAnimation(Part part) const;
    /// Where the image and title go at the current size, font and settings.
    ImageTitleLayout contentLayout() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Shown {
        QColor target;
        QColor current;
        QVariantAnimation *animation = nullptr;
    };

    void animateColours();
    void animatePart(Part part, const QColor &target, double seconds);
    /// Stores a setting that decides the colours and runs the colour change for the current state.
    template <typename T> void recolour(T &field, const T &value);
    /// Stores a setting that decides the layout or the shape and redraws.
    template <typename T> void relayout(T &field, const T &value);
    void useBackground(const QColor &color);
    void pointerEntered();
    void pointerLeft();
    void drawImage(QPainter &painter, const QRectF &rect) const;

    bool m_momentary = false;
    bool m_mouseDown = false;
    bool m_state = false;
    bool m_pointerInside = false;
    double m_onAnimateDuration = 0;
    double m_offAnimateDuration = 0;
    double m_cornerRadius = 0;
    double m_borderWidth = 0;
    double m_spacing = 0;
    ImagePosition m_imagePosition = ImagePosition::ImageLeading;
    bool m_imageHugsTitle = true;
    QColor m_borderNormalColor;
    QColor m_borderHighlightColor;
    QColor m_backgroundNormalColor;
    QColor m_backgroundHighlightColor;
    QColor m_imageNormalColor;
    QColor m_imageHighlightColor;
    QColor m_titleNormalColor;
    QColor m_titleHighlightColor;
    QColor m_normalColor;
    QColor m_hoverColor;
    QColor m_downColor;
    std::array<Shown, 4> m_shown;
};

}  // namespace tavrin
