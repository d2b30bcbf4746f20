#include "OneCharacterValidator.h"

#include <algorithm>

namespace velmora {

namespace {
// More UTF-16 units than composing could ever bring down to one character.
constexpr qsizetype MostUnitsForOneCharacter = 16;
} // namespace

QValidator::State OneCharacterValidator::validate(QString &input, int &cursor) const
{
    if (input.size() > MostUnitsForOneCharacter)
        return Invalid;
    const QString composed = input.normalized(QString::NormalizationForm_C);
    const auto lowSurrogates = std::count_if(composed.begin(), composed.end(), [](QChar c) { return c.isLowSurrogate(); });
    if (composed.size() - lowSurrogates > 1)
        return Invalid;
    input = composed;
    cursor = std::min(cursor, int(input.size()));
    return Acceptable;
}

} // namespace velmora
