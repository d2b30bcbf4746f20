#pragma once

#include "WordCells.h"

#include <QString>

namespace velmora {

// The display fields the game writes, each shown by the main window control of the same name.
enum class TextField {
    TheWord,
    Label2,
    WordLengthLabel,
    Chances,
    LettersUsed,
    Helper,
    Letter,
};

// The two guess controls whose enabled state the game sets.
enum class GuessControl {
    Letter,
    EnterCharacter,
};

// What the game shows. A text read back returns exactly what was last set.
class GameDisplay
{
public:
    virtual ~GameDisplay() = default;

    virtual QString text(TextField field) const = 0;
    virtual void setText(TextField field, const QString &text) = 0;
    // The word field (TheWord): the text it holds, which text() reads back and a screen reader
    // reads, and the cells it draws.
    virtual void setWord(const QString &text, const WordCells &cells) = 0;
    virtual void setEnabled(GuessControl control, bool enabled) = 0;
    virtual void focusLetter() = 0;
    // Shows the bitmap at path as stage 0..10. Returns false, keeping the picture
    // shown before, when the file cannot be loaded.
    virtual bool setStagePicture(int stage, const QString &path) = 0;
    // Tells a screen reader what just happened in the game (a short sentence), without
    // showing anything: what a sighted player sees change in the window, a blind one hears.
    virtual void announce(const QString &message) = 0;
};

// Modal message boxes with the application's title and no icon.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual void inform(const QString &text) = 0; // OK only
    virtual bool askYesNo(const QString &text) = 0; // true for Yes
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void seedFromClock() = 0;
    // 0 <= r < 1, uniformly distributed.
    virtual double next() = 0;
};

} // namespace velmora
