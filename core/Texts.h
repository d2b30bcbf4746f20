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

} // namespace velmora::texts
