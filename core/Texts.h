#pragma once

#include <QString>

// Every text the game shows, exactly as the player sees it (blanks and punctuation included).
namespace velmora::texts {

inline const QString WaitPrompt = QStringLiteral("Program is Loading the Dictionary. Please wait...");
inline const QString WordsLoadedSuffix = QStringLiteral(" words loaded.");
inline const QString NoLongWords =
    QStringLiteral("There are no words that are more than 15 letters long in the dictionary.");
inline const QString NoWordsPrefix = QStringLiteral("There are no words that are ");
inline const QString NoWordsSuffix = QStringLiteral("letters long in the dictionary.");
inline const QString NoPlayableWords = QStringLiteral("There are no words of 2 letters or more in the dictionary.");
inline const QString WordHeading = QStringLiteral("The Word Is:");
inline const QString PhraseHeading = QStringLiteral("The Phrase Is:");
inline const QString WordLengthPrefix = QStringLiteral("Word Length:");
inline const QString WordLengthSuffix = QStringLiteral(" letters");
inline const QString ChancesPrefix = QStringLiteral("You have ");
inline const QString ChancesSuffix = QStringLiteral(" chances left!");
inline const QString TypeALetter = QStringLiteral("Please type a letter in the box using the keyboard.");
inline const QString WonPlayAgain = QStringLiteral("You've won! Play again?");
inline const QString LostPlayAgain = QStringLiteral("You've lost! Play again?");
inline const QString FileNotFound = QStringLiteral("File not found. Please type in correct dictionary.");

// The main window.
inline const QString HelpText = QStringLiteral(
    "Click 'New Game' in the Settings section to allow the computer to generate a new word for you. "
    "Click 'Settings' To change the dictionary or set a word of a different length.");
inline const QString TitleVersion = QStringLiteral(" Version ");
inline const QString TitleCredit = QStringLiteral(" - by the Velmora developers - https://velmora.example.org");
inline const QString TryIt = QStringLiteral("Try it!");
inline const QString LettersUsedCaption = QStringLiteral("Letters Used");
inline const QString SettingsCaption = QStringLiteral("Settings");
inline const QString NewGameCaption = QStringLiteral("Start a new game!");
inline const QString ExitCaption = QStringLiteral("Quit the Game");

// The settings window.
inline const QString SettingsTitle = QStringLiteral("Velmora Settings");
inline const QString DifficultyCaption = QStringLiteral("Change Difficulty - Number of Letters");
inline const QString ChangeDiffCaption = QStringLiteral("Change the Difficulty and Start a New Game");
inline const QString DictionaryCaption = QStringLiteral("Choose a Velmora Dictionary");
inline const QString DictionaryHelp = QStringLiteral(
    "Please type only the full name of the dictionary file below. This is Case-Sensitive, and this file must be "
    "in the Dictionary folder.");
inline const QString DefaultDictionaryName = QStringLiteral("Dictionary.txt");
inline const QString LoadCaption = QStringLiteral("Load The Dictionary!");
inline const QString DictionaryNameSpoken = QStringLiteral("Dictionary file name");

// "2 Letters" .. "15 Letters", "MORE THAN 15 Letters", "Random Letters": the option of each level.
inline QString optionCaption(int level)
{
    return level == 16 ? QStringLiteral("MORE THAN 15 Letters")
         : level == 17 ? QStringLiteral("Random Letters")
                       : QStringLiteral("%1 Letters").arg(level);
}

// Spoken to a screen reader after each guess and each new game: what the window shows, in words.
inline const QString SpokenHidden = QStringLiteral("blank");
inline const QString SpokenBlank = QStringLiteral("space");
inline const QString SpokenMore = QStringLiteral("and %1 more");
inline const QString AnswerHeading = QStringLiteral("The answer: ");
inline const QString Ellipsis = QStringLiteral("...");

inline const QString DefaultDictionaryPath = QStringLiteral("Dictionary\\Dictionary.txt");
inline const QString DictionaryFolder = QStringLiteral("Dictionary\\");

// A number in decimal with the place of its sign in front: a blank for a non-negative number.
inline QString signPlace(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

// "You have N chances left!", the plural kept for 1 and 0.
inline QString chancesText(int chancesLeft)
{
    return ChancesPrefix + QString::number(chancesLeft) + ChancesSuffix;
}

// "1 letter", "5 letters".
inline QString countOf(qint64 n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

inline QString entryNoun(bool phrase)
{
    return phrase ? QStringLiteral("phrase") : QStringLiteral("word");
}

// "New word, 5 letters: blank, e, blank, blank, blank."
inline QString spokenNewGame(bool phrase, qint32 toFind, const QString &spokenMask)
{
    return QStringLiteral("New %1, %2: %3.").arg(entryNoun(phrase), countOf(toFind, "letter", "letters"), spokenMask);
}

// "e is in the word: blank, e, blank, blank, blank."
inline QString spokenHit(const QString &guess, bool phrase, const QString &spokenMask)
{
    return QStringLiteral("%1 is in the %2: %3.").arg(guess, entryNoun(phrase), spokenMask);
}

// "5 letters, 2 found: c, blank, blank, t, blank": the word field, read.
inline QString spokenWordField(qint32 toFind, qint64 found, const QString &spokenCells)
{
    return countOf(toFind, "letter", "letters") + QStringLiteral(", %1 found: %2").arg(found).arg(spokenCells);
}

// The stage picture's name: "Stage 3 of 10".
inline QString stageName(int stage)
{
    return QStringLiteral("Stage %1 of 10").arg(stage);
}

// "x is not in the word. 9 chances left. Stage 1 of 10."
inline QString spokenMiss(const QString &guess, bool phrase, int chancesLeft, int stage)
{
    return QStringLiteral("%1 is not in the %2. %3 left. %4.")
        .arg(guess, entryNoun(phrase), countOf(chancesLeft, "chance", "chances"), stageName(stage));
}

inline QString spokenRepeat(const QString &guess)
{
    return QStringLiteral("%1 was already guessed.").arg(guess);
}

inline QString spokenAnswer(const QString &answer)
{
    return QStringLiteral(" The answer: %1.").arg(answer);
}

} // namespace velmora::texts
