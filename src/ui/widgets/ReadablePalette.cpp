// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ReadablePalette.h"

#include "ui/widgets/PaletteIcon.h"

#include <QApplication>
#include <QEvent>

namespace tavrin {

namespace {

// A little above 4.5:1, so that the blended edges of the letters do not take the text under it.
constexpr double kReadable = 4.7;
constexpr int kSteps = 20;

QColor blend(const QColor &from, const QColor &to, double share)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

}  // namespace

QPalette withReadableSecondaryText(QPalette palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = palette.color(group, QPalette::Base);
        const QColor window = palette.color(group, QPalette::Window);
        const QColor text = palette.color(group, QPalette::Text);
        const QColor drawn = palette.color(group, QPalette::PlaceholderText);
        // A see-through colour is seen over the field it is drawn in.
        const QColor secondary = blend(base, QColor(drawn.red(), drawn.green(), drawn.blue()), drawn.alphaF());
        auto readable = [&](const QColor &colour) {
            return contrastRatio(colour, base) >= kReadable && contrastRatio(colour, window) >= kReadable;
        };
        if (readable(secondary) && drawn.alpha() == 255)
            continue;
        QColor chosen = text;
        for (int step = 0; step < kSteps; ++step) {
            const QColor candidate = blend(secondary, text, double(step) / kSteps);
            if (readable(candidate)) {
                chosen = candidate;
                break;
            }
        }
        palette.setColor(group, QPalette::PlaceholderText, chosen);
    }
    return palette;
}

ReadablePalette::ReadablePalette(QApplication *application) : QObject(application)
{
    application->installEventFilter(this);
    apply();
}

bool ReadablePalette::eventFilter(QObject *watched, QEvent *event)
{
    // Changed from within the change's own delivery, the palette would be sent again to widgets half through it.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        QMetaObject::invokeMethod(this, &ReadablePalette::apply, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void ReadablePalette::apply()
{
    const QPalette current = QApplication::palette();
    const QPalette readable = withReadableSecondaryText(current);
    if (readable != current)
        QApplication::setPalette(readable);
}

}  // namespace tavrin
