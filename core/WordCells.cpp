#include "WordCells.h"

#include "Texts.h"

#include <QStringList>

#include <algorithm>

namespace velmora {
namespace {

// Cells read out to a screen reader before the rest is only counted, and the characters of an
// answer it is given to read.
constexpr qsizetype SpokenCells = 100;
constexpr qsizetype SpokenAnswerCharacters = 200;

// The beginning of the entry, up to `most` characters.
QString firstCharacters(const characters::CharacterList &letters, qsizetype most)
{
    return letters.size() <= most ? letters.text() : letters.first(most).text();
}

} // namespace

QString WordCells::text() const
{
    if (answer)
        return letters.text();
    // Written in place, since an entry may have millions of cells.
    qsizetype size = letters.size();
    for (qsizetype i = 0; i < letters.size(); ++i)
        size += shown.at(i) ? letters.at(i).size() : 1;
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (shown.at(i))
            out = std::copy(letters.at(i).begin(), letters.at(i).end(), out);
        else
            *out++ = u'_';
        *out++ = u' ';
    }
    return text;
}

QString WordCells::spokenCells() const
{
    QStringList words;
    for (qsizetype i = 0; i < std::min(letters.size(), SpokenCells); ++i) {
        words.append(!shown.at(i)                               ? texts::SpokenHidden
                     : characters::standsRevealed(letters.at(i)) ? texts::SpokenBlank
                                                                 : letters.at(i).toString());
    }
    if (letters.size() > SpokenCells)
        words.append(texts::SpokenMore.arg(letters.size() - SpokenCells));
    return words.join(QStringLiteral(", "));
}

QString WordCells::spoken() const
{
    if (letters.isEmpty())
        return {};
    if (answer)
        return texts::AnswerHeading + firstCharacters(letters, SpokenAnswerCharacters)
             + (letters.size() > SpokenAnswerCharacters ? texts::Ellipsis : QString());
    const qsizetype shownAtStart = letters.size() - toFind;
    const qsizetype found = std::count(shown.begin(), shown.end(), true) - shownAtStart;
    return texts::spokenWordField(toFind, found, spokenCells());
}

QString WordCells::spokenAnswer() const
{
    const bool more = letters.size() > SpokenCells;
    return texts::spokenAnswer(firstCharacters(letters, SpokenCells)
                               + (more ? QStringLiteral(", ") + texts::SpokenMore.arg(letters.size() - SpokenCells) : QString()));
}

} // namespace velmora
