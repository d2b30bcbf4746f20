#pragma once

// A game played through the core with every click checked against what the game holds and
// what a player was shown. Used by the soak test and the dictionary fuzzer, so it reports a
// fault as text instead of through a test framework.

#include "Composition.h"
#include "GameDoubles.h"
#include "Texts.h"

#include <QSet>

#include <functional>

namespace velmora::testing {

// The word field during play: every character followed by one blank, '_' for one not shown.
inline QString maskTextOf(const GameState &s)
{
    QString text;
    for (qsizetype i = 0; i < s.WordLetters.size(); ++i) {
        text += s.MaskCells.at(i) ? s.WordLetters.at(i) : u"_";
        text += QLatin1Char(' ');
    }
    return text;
}

class CheckedGame final : private Prompter
{
public:
    // answer gives the reply to each play-again question; entries, when given, holds every
    // entry of the dictionary in lower case, so each drawn word can be looked up.
    CheckedGame(RandomSource &random, std::function<bool()> answer, const QSet<QString> *entries = nullptr)
        : game(display, *this, random)
        , m_answer(std::move(answer))
        , m_entries(entries)
    {
    }

    FakeDisplay display;
    Game game;

    QString fault; // the first fault found, with what led to it; checking stops there
    int games = 0; // games started, by a level change or a Yes
    int wins = 0;
    int losses = 0;
    int clicks = 0;

    const GameState &state() const { return game.state(); }

    bool playable() const
    {
        return display.enabled.value(GuessControl::EnterCharacter) && display.enabled.value(GuessControl::Letter);
    }

    // The settings window's level change, which starts a new game.
    void changeLevel(qint16 level)
    {
        if (!fault.isEmpty())
            return;
        m_informs.clear();
        game.ChangeDiff(level);
        checkNewGame(level, QStringLiteral("level %1").arg(level));
    }

    // Types input (one character or none) into the guess box and clicks the guess button.
    void click(const QString &input)
    {
        if (!fault.isEmpty())
            return;
        if (!playable()) {
            fail(QStringLiteral("a click while the guess button is disabled"));
            return;
        }
        ++clicks;
        prepareClick(input);
        display.setText(TextField::Letter, input);
        game.EvaluateGuess();
        if (!fault.isEmpty())
            return;

        if (!m_asked) {
            checkGuessEffect();
            if (!fault.isEmpty())
                return;
            const GameState &s = state();
            if (s.LettersRevealed == s.WordLetters.size())
                return fail(QStringLiteral("every letter revealed, yet no question was asked"));
            if (s.WrongGuesses >= StageCount)
                return fail(QStringLiteral("%1 wrong guesses, yet no question was asked").arg(s.WrongGuesses));
            if (!playable())
                return fail(QStringLiteral("the guess button went off with the game still open"));
            if (display.text(TextField::TheWord) != maskTextOf(s))
                return fail(QStringLiteral("the word field does not show the mask"));
            checkConsistency();
        } else if (m_answeredYes) {
            checkNewGame(m_levelBefore, QStringLiteral("a new game after Yes"));
        } else {
            if (playable())
                fail(QStringLiteral("the guess button stays on after No"));
            else if (display.text(TextField::TheWord) != m_wordShownAtQuestion)
                fail(QStringLiteral("the word field changed after No"));
        }
    }

private:
    void inform(const QString &text) override { m_informs.append(text); }

    bool askYesNo(const QString &question) override
    {
        if (m_asked)
            fail(QStringLiteral("two questions in one click"));
        m_asked = true;
        if (!fault.isEmpty())
            return false;

        // The click's own effect first, then whether the game has really ended as asked.
        checkGuessEffect();
        const GameState &s = state();
        const bool allRevealed = s.LettersRevealed == s.WordLetters.size();
        if (question == texts::WonPlayAgain) {
            ++wins;
            if (!allRevealed)
                fail(QStringLiteral("won with %1 of %2 revealed").arg(s.LettersRevealed).arg(s.WordLetters.size()));
            else if (display.text(TextField::TheWord) != maskTextOf(s))
                fail(QStringLiteral("the word field does not show the mask when won"));
        } else if (question == texts::LostPlayAgain) {
            ++losses;
            if (allRevealed || s.WrongGuesses != StageCount)
                fail(QStringLiteral("lost with %1 wrong guesses, %2 of %3 revealed")
                         .arg(s.WrongGuesses)
                         .arg(s.LettersRevealed)
                         .arg(s.WordLetters.size()));
            else if (display.text(TextField::TheWord) != s.CurrentWord)
                fail(QStringLiteral("the word field does not show the word when lost: ")
                     + display.text(TextField::TheWord).left(80));
        } else {
            fail(QStringLiteral("unexpected question: ") + question);
        }
        checkConsistency(/*duringPlay=*/false);
        m_wordShownAtQuestion = display.text(TextField::TheWord);
        m_informs.clear();
        m_answeredYes = m_answer();
        return m_answeredYes;
    }

    void prepareClick(const QString &input)
    {
        const GameState &s = state();
        const QString composed = characters::composed(input);
        if (characters::CharacterList(composed).size() > 1)
            fail(QStringLiteral("the guess box holds one character"));
        m_input = input;
        m_key = s.Matching.key(composed);
        m_lowered = characters::lowered(composed, s.Matching.caseLanguage());
        m_recorded = !composed.isEmpty() && !characters::standsRevealed(composed, s.Matching.shownFromStart()) && !m_recordKeys.contains(m_key);
        m_wrongBefore = s.WrongGuesses;
        m_revealedBefore = s.LettersRevealed;
        m_shownBefore = s.MaskCells;
        m_usedTextBefore = display.text(TextField::LettersUsed);
        m_levelBefore = s.DifficultyLevel;
        m_asked = false;
        m_answeredYes = false;
        display.writes.clear(); // a long game would otherwise keep every text it ever showed
        display.pictureRequests.clear();
    }

    // What one guess must have changed, from the state before the click.
    void checkGuessEffect()
    {
        const GameState &s = state();
        qint32 hits = 0;
        if (m_recorded) {
            for (qsizetype i = 0; i < s.WordKeys.size(); ++i)
                hits += !m_shownBefore.at(i) && s.WordKeys.at(i) == m_key; // a shown cell is found no more
        }
        const qint32 wrong = m_recorded && hits == 0 ? 1 : 0;
        if (s.LettersRevealed != m_revealedBefore + hits)
            return fail(QStringLiteral("revealed %1 -> %2 for %3 matching cells")
                            .arg(m_revealedBefore)
                            .arg(s.LettersRevealed)
                            .arg(hits));
        if (s.WrongGuesses != m_wrongBefore + wrong)
            return fail(QStringLiteral("wrong guesses %1 -> %2").arg(m_wrongBefore).arg(s.WrongGuesses));
        if (m_recorded) {
            m_record.append(m_lowered);
            m_recordKeys.append(m_key);
            m_usedTextBefore += m_lowered + QLatin1Char(',');
        }
        if (display.text(TextField::LettersUsed) != m_usedTextBefore)
            return fail(QStringLiteral("letters used shows \"%1\", expected \"%2\"")
                            .arg(display.text(TextField::LettersUsed), m_usedTextBefore));
        if (s.UsedCount != m_record.size())
            return fail(QStringLiteral("%1 guesses counted, %2 made").arg(s.UsedCount).arg(m_record.size()));
        for (qsizetype i = 0; i < m_record.size(); ++i) {
            if (i >= s.UsedLetters.size() || s.UsedLetters.at(i) != m_record.at(i))
                return fail(QStringLiteral("guess %1 is not remembered").arg(i));
        }
        if (!display.text(TextField::Letter).isEmpty())
            fail(QStringLiteral("the guess box was not emptied"));
    }

    // What must hold whenever the game is waiting for the player.
    void checkConsistency(bool duringPlay = true)
    {
        const GameState &s = state();
        const qsizetype length = s.WordLetters.size();
        if (s.WordLetters.text() != s.CurrentWord || s.MaskCells.size() != length || s.WordKeys.size() != length)
            return fail(QStringLiteral("word, letters, keys and mask differ in length"));
        if (s.LettersRevealed < 0 || s.LettersRevealed > length)
            return fail(QStringLiteral("%1 revealed of %2").arg(s.LettersRevealed).arg(length));
        if (s.WrongGuesses < 0 || s.WrongGuesses > StageCount || (duringPlay && s.WrongGuesses == StageCount))
            return fail(QStringLiteral("%1 wrong guesses").arg(s.WrongGuesses));
        if (display.text(TextField::Chances) != texts::chancesText(StageCount - s.WrongGuesses))
            return fail(QStringLiteral("chances shows \"%1\" after %2 wrong guesses")
                            .arg(display.text(TextField::Chances))
                            .arg(s.WrongGuesses));

        // What nobody types is shown from the start; every shown cell counts as revealed.
        qint32 shown = 0;
        for (qsizetype i = 0; i < length; ++i) {
            if (characters::standsRevealed(s.WordLetters.at(i), s.Matching.shownFromStart()) && !s.MaskCells.at(i))
                return fail(QStringLiteral("the blank at %1 is hidden").arg(i));
            shown += s.MaskCells.at(i) ? 1 : 0;
        }
        if (s.LettersRevealed != shown)
            return fail(QStringLiteral("%1 revealed but %2 cells shown").arg(s.LettersRevealed).arg(shown));
    }

    // After a level change or a Yes: a fresh game at the level asked for, or no game and a
    // word of explanation.
    void checkNewGame(qint16 level, const QString &how)
    {
        if (!fault.isEmpty())
            return;
        ++games;
        m_record.clear();
        m_recordKeys.clear();
        const GameState &s = state();
        if (!display.text(TextField::LettersUsed).isEmpty() || s.UsedCount != 0 || s.WrongGuesses != 0)
            return fail(how + QStringLiteral(": the last game's guesses remain"));
        if (!display.text(TextField::Letter).isEmpty())
            return fail(how + QStringLiteral(": the guess box is not empty"));

        if (!playable()) {
            const bool explained = m_informs.size() == 1
                && (m_informs.front() == texts::NoLongWords || m_informs.front() == texts::NoPlayableWords
                    || m_informs.front().startsWith(texts::NoWordsPrefix));
            if (!explained)
                return fail(how + QStringLiteral(": no game, and the player was told: ") + m_informs.join(u'|'));
            return;
        }
        if (!m_informs.isEmpty())
            return fail(how + QStringLiteral(": a game with a prompt: ") + m_informs.join(u'|'));

        const qsizetype length = s.WordLetters.size();
        qint32 blanks = 0;
        bool whiteSpace = false;
        for (qsizetype i = 0; i < length; ++i) {
            blanks += characters::standsRevealed(s.WordLetters.at(i), s.Matching.shownFromStart()) ? 1 : 0;
            whiteSpace = whiteSpace || characters::isWhiteSpace(s.WordLetters.at(i));
        }
        const bool random = level > LongLevel;
        // A game always leaves something to find: two characters at a random length.
        const bool lengthFits = random ? (s.LettersToFind >= 2 && s.DifficultyLevel == RandomLevel)
                                       : (s.LettersToFind >= 1
                                          && (level == LongLevel ? length > Dictionary::LongestShortEntry
                                                                 : length == level));
        if (!lengthFits)
            return fail(how + QStringLiteral(": drew \"%1\" (%2 characters)").arg(s.CurrentWord.left(40)).arg(length));
        if (s.LettersToFind != length - blanks || s.LettersRevealed != blanks)
            return fail(how + QStringLiteral(": %1 to find, %2 revealed in \"%3\"")
                                  .arg(s.LettersToFind)
                                  .arg(s.LettersRevealed)
                                  .arg(s.CurrentWord.left(40)));
        if (s.IsPhrase != whiteSpace)
            return fail(how + QStringLiteral(": phrase flag wrong"));
        if (m_entries && !m_entries->contains(s.CurrentWord))
            return fail(how + QStringLiteral(": \"%1\" is not in the dictionary").arg(s.CurrentWord.left(40)));
        if (display.text(TextField::TheWord) != maskTextOf(s))
            return fail(how + QStringLiteral(": the word field does not show the mask"));
        if (display.text(TextField::Label2) != (whiteSpace ? texts::PhraseHeading : texts::WordHeading))
            return fail(how + QStringLiteral(": heading ") + display.text(TextField::Label2));
        checkConsistency();
    }

    void fail(const QString &what)
    {
        if (!fault.isEmpty())
            return;
        const GameState &s = state();
        fault = QStringLiteral("%1 [click %2, input \"%3\", word \"%4\", level %5]")
                    .arg(what)
                    .arg(clicks)
                    .arg(m_input)
                    .arg(s.CurrentWord.left(60))
                    .arg(s.DifficultyLevel);
    }

    std::function<bool()> m_answer;
    const QSet<QString> *m_entries;
    QStringList m_record; // this game's recorded guesses, lower case, in order
    QStringList m_recordKeys; // and what each matches by
    QStringList m_informs;
    QString m_input;
    QString m_lowered;
    QString m_key;
    bool m_recorded = false;
    qint32 m_revealedBefore = 0;
    QList<bool> m_shownBefore;
    qint16 m_wrongBefore = 0;
    qint16 m_levelBefore = 0;
    QString m_usedTextBefore;
    QString m_wordShownAtQuestion;
    bool m_asked = false;
    bool m_answeredYes = false;
};

} // namespace velmora::testing
