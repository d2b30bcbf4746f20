#pragma once

#include "DeclareVariables.h"
#include "Interfaces.h"

#include <optional>

namespace velmora {

// The rules of the game. It owns the game state and shows its results only through the
// display fields and prompts it is given, so it runs the same with a window or without one.
class Game
{
public:
    Game(GameDisplay &display, Prompter &prompter, RandomSource &random);

    // Run once before the main window is first shown: defaults, a reset, the shipped dictionary.
    void StartUp();

    // Clears everything that belongs to one game.
    void Initialise();

    // Shows the wait prompt, reads the file at path ("Dictionary\name", backslash as the folder
    // separator) and shows the count of entries. On failure the dictionary loaded before stays
    // in place and no count is shown; the caller decides what the player is told.
    Dictionary::ReadStatus LoadDictionary(const QString &path);

    // Draws the secret entry for DifficultyLevel and shows its mask, heading and length.
    void GenerateWord();

    // A reset followed by a word selection.
    void NewGame();

    // Evaluates the character in the Letter box, as the guess button does.
    void EvaluateGuess();

    // The settings window's two actions. ChangeDiff applies the selected level (none selected
    // keeps the current one) and starts a new game. LoadTheDictionary resets the game and loads
    // "Dictionary\" + typedName, the name used exactly as typed, telling the player on failure.
    void ChangeDiff(std::optional<qint16> selectedLevel);
    Dictionary::ReadStatus LoadTheDictionary(const QString &typedName);

    GameState &state() { return m_state; }
    const GameState &state() const { return m_state; }

    // A relative game path in the platform's own form.
    static QString nativePath(const QString &gamePath);
    static QString stagePicturePath(int wrongGuesses);

private:
    bool drawAtRandomLength();
    bool drawAmong(int entryClass, qint32 minimumToFind);
    void showHeadings();
    void showNoGame();
    void askToPlayAgain(const QString &question);
    WordCells wordCells() const; // the entry and its mask as they stand

    GameDisplay &m_display;
    Prompter &m_prompter;
    RandomSource &m_random;
    GameState m_state;
};

} // namespace velmora
