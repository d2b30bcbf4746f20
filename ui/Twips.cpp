#include "Twips.h"

#include <QWidget>

namespace velmora {

QRect TwipsRect::toPixels() const
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

void placeControls(QWidget &window, const QList<TwipsRect> &table)
{
    for (const TwipsRect &place : table) {
        auto *control = window.findChild<QWidget *>(place.name);
        Q_ASSERT_X(control, "placeControls", qPrintable(place.name));
        if (control)
            control->setGeometry(place.toPixels());
    }
}

QFont sansFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace velmora
