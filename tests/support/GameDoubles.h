#pragma once

#include "Game.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <deque>
#include <utility>

namespace velmora::testing {

// Records every display write; texts read back exactly as set.
class FakeDisplay final : public GameDisplay
{
public:
    QString text(TextField field) const override { return texts.value(field); }
    void setText(TextField field, const QString &text) override
    {
        texts[field] = text;
        writes.append({field, text});
    }
    void setWord(const QString &text, const WordCells &cells) override
    {
        setText(TextField::TheWord, text);
        word = cells;
    }
    void setEnabled(GuessControl control, bool on) override { enabled[control] = on; }
    void focusLetter() override { ++letterFocused; }
    bool setStagePicture(int stage, const QString &path) override
    {
        pictureRequests.append(path);
        if (missingPictures.contains(stage))
            return false;
        this->stage = stage;
        picture = path;
        return true;
    }
    void announce(const QString &message) override { announcements.append(message); }

    QHash<TextField, QString> texts;
    WordCells word; // the cells of the word field, as last set
    QList<std::pair<TextField, QString>> writes;
    QHash<GuessControl, bool> enabled;
    int letterFocused = 0;
    int stage = -1;
    QString picture;
    QStringList pictureRequests;
    QList<int> missingPictures;
    QStringList announcements;
};

// Records prompts and what the display showed behind each; Yes/No answers come from a
// script (No once it runs out).
class ScriptedPrompter final : public Prompter
{
public:
    explicit ScriptedPrompter(const FakeDisplay &display)
        : m_display(display)
    {
    }

    void inform(const QString &text) override { record(text); }
    bool askYesNo(const QString &text) override
    {
        record(text);
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

    QStringList prompts;
    QList<QHash<TextField, QString>> behind; // the display's texts while each prompt was open
    std::deque<bool> answers;

private:
    void record(const QString &text)
    {
        prompts.append(text);
        behind.append(m_display.texts);
    }

    const FakeDisplay &m_display;
};

// Hands out scripted draws, then `fallback` for ever.
class ScriptedRandom final : public RandomSource
{
public:
    void seedFromClock() override { ++seeded; }
    double next() override
    {
        ++draws;
        if (values.empty())
            return fallback;
        const double r = values.front();
        values.pop_front();
        return r;
    }

    std::deque<double> values;
    double fallback = 0.0;
    int seeded = 0;
    int draws = 0;
};

// A game wired to the doubles above.
struct GameRig
{
    FakeDisplay display;
    ScriptedPrompter prompter{display};
    ScriptedRandom random;
    Game game{display, prompter, random};

    GameState &state() { return game.state(); }

    // Installs a dictionary built from the file text, as a load would.
    void useDictionary(QByteArrayView fileText) { state().Tables = Dictionary::fromBytes(fileText.toByteArray()); }

    // Types one text into the guess box and clicks the guess button.
    void guess(const QString &text)
    {
        display.setText(TextField::Letter, text);
        game.EvaluateGuess();
    }
    void guess(const QStringList &texts)
    {
        for (const QString &text : texts)
            guess(text);
    }
};

} // namespace velmora::testing
