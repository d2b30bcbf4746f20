#include "OneCharacterValidator.h"

#include "Composition.h"
#include "Segmentation.h"

#include <algorithm>

namespace velmora {

namespace {
// Far more UTF-16 units than any one character a keyboard or a paste can bring; longer text is
// refused before it is looked at.
constexpr qsizetype MostUnitsForOneCharacter = 64;
} // namespace

QValidator::State OneCharacterValidator::validate(QString &input, int &cursor) const
{
    if (input.size() > MostUnitsForOneCharacter)
        return Invalid;
    const QString composed = characters::composed(input);
    if (characters::CharacterList(composed).size() > 1)
        return Invalid;
    input = composed;
    cursor = std::min(cursor, int(input.size()));
    return Acceptable;
}

} // namespace velmora
