#include "Twips.h"

#include <QWidget>

#include <unicode/uchar.h>
#include <unicode/utf16.h>

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
    // Emoji come from the colour emoji font before any other that has a plain drawing of them:
    // a thumb and its skin tone, or a flag's two letters, must be drawn by one font to become
    // one picture. Text the first font lacks, in any other script, falls back as usual.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Color Emoji")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont emojiFont(const QFont &like)
{
    QFont font = like;
    font.setFamilies({QStringLiteral("Noto Color Emoji")});
    // No other font may lend a code point the emoji font leaves to the shaper, such as U+FE0F.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

bool isEmojiPicture(QStringView character)
{
    if (character.isEmpty())
        return false;
    const auto *units = reinterpret_cast<const UChar *>(character.utf16());
    const auto length = int32_t(character.size());
    UChar32 first = 0;
    U16_GET(units, 0, 0, length, first);
    return u_stringHasBinaryProperty(units, length, UCHAR_RGI_EMOJI) || u_hasBinaryProperty(first, UCHAR_EMOJI_PRESENTATION);
}

} // namespace velmora
