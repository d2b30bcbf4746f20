#pragma once

#include "Dictionary.h"
#include "GuessMatching.h"
#include "Segmentation.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velmora {

// Difficulty codes held in DifficultyLevel: 2..15 draw entries of exactly that many
// characters (blanks included), 16 entries longer than 15, 17 a length drawn for every game.
enum DifficultyCode : qint16 {
    ShortestLevel = 2,
    LongestExactLevel = 15,
    LongLevel = 16,
    RandomLevel = 17,
    StartLevel = 5,
};

inline constexpr int StageCount = 10; // wrong guesses that lose a game
inline constexpr int UsedLetterSlots = 27; // room for guesses before the record grows

// Everything the game remembers during a run. One instance lives as long as the main window.
//
// A character is what a reader sees as one (Segmentation.h): "é", "❤️" and "🇫🇷" are one each.
// Counters that follow the length of an entry (LettersToFind, LettersRevealed, UsedCount) are
// 32-bit: an entry may be far longer than 32,767 characters and must still be counted right.
struct GameState
{
    QString DictionaryPath;
    QString HelpText;
    qint16 DifficultyLevel = 0;
    bool RandomLength = false;
    bool IsPhrase = false;

    QString CurrentWord; // lower case
    characters::CharacterList WordLetters; // WordLetters.at(i): the character at position i of CurrentWord
    characters::CharacterList WordKeys; // WordKeys.at(i): what a guess must match to find it
    // MaskCells[i]: the character at i is shown, a blank or other white space from the start, a
    // letter once found; the mask shows '_' for it until then.
    QList<bool> MaskCells;
    qint32 LettersToFind = 0;
    qint32 LettersRevealed = 0;
    qint16 WrongGuesses = 0;
    QString Guess;
    // One character per slot: at least 27 slots, blanks where no guess has been recorded yet.
    QStringList UsedLetters;
    qint32 UsedCount = 0;
    bool HitFlag = false;
    bool RepeatFlag = false;
    qint32 RandomIndex = 0;

    Dictionary Tables;
    // Which guess finds which character: by the language of the dictionary's file, if it is
    // named by one, made when it loads.
    characters::GuessMatching Matching;
};

} // namespace velmora
