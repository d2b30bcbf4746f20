#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>

class QWidget;

namespace velmora {

// The windows are laid out in twips, 15 to a logical pixel, each control's position relative
// to the widget that holds it (a frame's children to the frame's outer top-left corner).
inline constexpr int TwipsPerPixel = 15;

struct TwipsRect
{
    QString name; // the control's object name
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const;
};

// Gives every control of window named in the table its place.
void placeControls(QWidget &window, const QList<TwipsRect> &table);

// The sans-serif face the windows use, at a point size; bold or not, never inherited from
// the frame a control sits in.
QFont sansFont(qreal pointSize, bool bold = false);

// The colour emoji font alone, at the size and weight of like, with no other font merged in: an
// emoji sequence drawn in it becomes one picture, where a font list would take the joiners,
// selectors or digits of the sequence from another font and break the picture apart.
QFont emojiFont(const QFont &like);

// Whether a character is an emoji picture: a recommended emoji or emoji sequence (a family
// joined with U+200D, a flag of two letters or of tag characters, a keycap, a skin tone), or any
// character that starts with a code point shown as emoji by default. emojiFont() draws each one
// as a single picture when it draws it whole.
bool isEmojiPicture(QStringView character);

// The size of the windows' own text where a control gives none.
inline constexpr qreal BaseFontPoints = 8.25;

} // namespace velmora
