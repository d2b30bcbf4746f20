#include "WordField.h"

#include <QHash>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include <algorithm>

namespace velmora {
namespace {

char32_t firstCodePoint(QStringView character)
{
    if (character.size() > 1 && character.at(0).isHighSurrogate() && character.at(1).isLowSurrogate())
        return QChar::surrogateToUcs4(character.at(0), character.at(1));
    return character.isEmpty() ? 0 : character.at(0).unicode();
}

// How a letter of a joined script meets its neighbours, by its joining type (Unicode's
// ArabicShaping.txt): whether it joins the character before it in the text, and the one after.
bool joinsBefore(QStringView character)
{
    const auto type = u_getIntPropertyValue(UChar32(firstCodePoint(character)), UCHAR_JOINING_TYPE);
    return type == U_JT_DUAL_JOINING || type == U_JT_RIGHT_JOINING || type == U_JT_JOIN_CAUSING;
}

bool joinsAfter(QStringView character)
{
    const auto type = u_getIntPropertyValue(UChar32(firstCodePoint(character)), UCHAR_JOINING_TYPE);
    return type == U_JT_DUAL_JOINING || type == U_JT_LEFT_JOINING || type == U_JT_JOIN_CAUSING;
}

bool isArabic(QStringView character)
{
    UErrorCode status = U_ZERO_ERROR;
    return uscript_getScript(UChar32(firstCodePoint(character)), &status) == USCRIPT_ARABIC;
}

// The Arabic letters' shapes in a word, as Unicode's presentation forms encode them: each form
// decomposes, by its compatibility mapping, to the letter it shapes, tagged <initial>,
// <medial>, <final> or <isolated>. Drawn on its own, a cell keeps the shape so, where a joiner
// beside a letter would be drawn by another font than the letter's and join nothing.
class PresentationForms
{
public:
    PresentationForms()
    {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2 *nfkd = icu::Normalizer2::getNFKDInstance(status);
        for (const auto &[first, last] : {std::pair<UChar32, UChar32>{0xFB50, 0xFDFF}, {0xFE70, 0xFEFF}}) {
            for (UChar32 c = first; nfkd && c <= last; ++c) {
                const auto form = u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE);
                icu::UnicodeString letter;
                if ((form == U_DT_INITIAL || form == U_DT_MEDIAL || form == U_DT_FINAL) && nfkd->getRawDecomposition(c, letter)
                    && letter.countChar32() == 1 && !m_forms.contains({letter.char32At(0), form}))
                    m_forms.insert({letter.char32At(0), form}, c);
            }
        }
    }

    // The letter in the shape it takes between its neighbours; as it is where no form exists.
    QString shaped(QStringView letter, bool before, bool after) const
    {
        const int form = before && after ? U_DT_MEDIAL : before ? U_DT_FINAL : after ? U_DT_INITIAL : -1;
        const char32_t base = firstCodePoint(letter);
        const auto found = m_forms.constFind({base, form});
        if (found == m_forms.cend())
            return letter.toString();
        QString shape = QString::fromUcs4(&*found, 1);
        shape += letter.sliced(QChar::requiresSurrogates(base) ? 2 : 1); // its marks
        return shape;
    }

private:
    QHash<std::pair<char32_t, int>, char32_t> m_forms; // by the letter and its form
};

} // namespace

QList<PlainLabel::Cell> wordFieldCells(const WordCells &word)
{
    static const PresentationForms forms;
    const characters::CharacterList &letters = word.letters;
    const qsizetype count = std::min(letters.size(), PlainLabel::ShownCharacters);
    const auto joined = [&](qsizetype i) { // i to i + 1
        return i + 1 < letters.size() && joinsAfter(letters.at(i)) && joinsBefore(letters.at(i + 1));
    };
    QList<PlainLabel::Cell> cells;
    cells.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        if (!word.shown.at(i)) {
            cells.append({QStringLiteral("_"), false});
            continue;
        }
        const QStringView letter = letters.at(i);
        // Found Arabic letters next to each other stand together, joined or not, as in a word.
        const bool together = i + 1 < letters.size() && word.shown.at(i + 1) && isArabic(letter) && isArabic(letters.at(i + 1));
        cells.append({forms.shaped(letter, i > 0 && joined(i - 1), joined(i)), characters::isWhiteSpace(letter), together});
    }
    return cells;
}

} // namespace velmora
