#pragma once

#include "Segmentation.h"

#include <QList>
#include <QString>

namespace velmora {

// What the word field shows, a cell a character: the entry's characters (in lower case), which
// of them stand shown, and how many are to be found (those not shown from the start); `answer`
// once the whole entry is shown as the answer of a lost game. No characters: the field is empty.
struct WordCells
{
    characters::CharacterList letters;
    QList<bool> shown;
    qint32 toFind = 0;
    bool answer = false;

    // The field's text: every cell followed by one blank, its character once shown and '_'
    // while hidden ("c _ t "); the answer as it is.
    QString text() const;

    // The cells in words, for a screen reader: "blank" for a hidden character, "space" for one
    // shown from the start, a found character as itself ("c, blank, t").
    QString spokenCells() const;

    // The whole field in words: "5 letters, 2 found: c, blank, blank, t, blank", or "The answer:
    // ..." once it is shown whole.
    QString spoken() const;

    // " The answer: cat.", said after a lost game.
    QString spokenAnswer() const;
};

} // namespace velmora
