#include "Game.h"

#include "Composition.h"
#include "Texts.h"

#include <QStringList>

#include <algorithm>

namespace velmora {
namespace {

using characters::CharacterList;

// Random-length attempts before the draw goes straight to an entry it can accept. Far more
// than any real dictionary needs; it only bounds dictionaries of almost nothing but blanks.
constexpr int RandomLengthAttempts = 10000;

} // namespace

Game::Game(GameDisplay &display, Prompter &prompter, RandomSource &random)
    : m_display(display)
    , m_prompter(prompter)
    , m_random(random)
{
}

QString Game::nativePath(const QString &gamePath)
{
    return QString(gamePath).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString Game::stagePicturePath(int wrongGuesses)
{
    return nativePath(QStringLiteral("Images\\") + QString::number(wrongGuesses) + QStringLiteral(".bmp"));
}

void Game::StartUp()
{
    m_state.DictionaryPath = texts::DefaultDictionaryPath;
    m_random.seedFromClock();
    m_state.HelpText = m_display.text(TextField::Helper);
    m_state.DifficultyLevel = StartLevel;
    m_state.RandomLength = false;
    m_state.IsPhrase = false;
    Initialise();
    LoadDictionary(m_state.DictionaryPath); // a missing dictionary is passed over silently
    m_display.setEnabled(GuessControl::EnterCharacter, false);
}

void Game::Initialise()
{
    m_display.setText(TextField::Helper, m_state.HelpText);
    m_display.setEnabled(GuessControl::Letter, true);
    m_display.setEnabled(GuessControl::EnterCharacter, true);
    m_display.setText(TextField::Letter, QString());
    m_display.setStagePicture(0, stagePicturePath(0)); // a missing picture keeps the one shown
    m_display.setText(TextField::LettersUsed, QString());
    m_display.setWord(QString(), {});
    m_state.WrongGuesses = 0;
    m_state.HitFlag = false;
    m_display.setText(TextField::Chances, texts::chancesText(StageCount - m_state.WrongGuesses));
    m_state.LettersRevealed = 0;
    m_state.UsedCount = 0;
    m_state.RepeatFlag = false;
    m_state.UsedLetters = QStringList(UsedLetterSlots, QStringLiteral(" "));
}

Dictionary::ReadStatus Game::LoadDictionary(const QString &path)
{
    m_prompter.inform(texts::WaitPrompt);
    Dictionary loaded;
    const auto status = Dictionary::readFile(nativePath(path), loaded);
    if (status != Dictionary::ReadStatus::Loaded)
        return status;
    m_state.Tables = std::move(loaded);
    m_state.Matching = characters::GuessMatching::forFile(nativePath(path));
    m_state.WordKeys = m_state.Matching.keys(m_state.WordLetters); // the entry still in play
    m_prompter.inform(texts::signPlace(m_state.Tables.TotalWords()) + texts::WordsLoadedSuffix);
    return status;
}

// One of the class's entries that leave at least `minimum` characters to find, each as likely
// as the others. The plain draw first: RandomIndex is r times the class's count, and that one
// entry is looked at. Only when it leaves too little to find are the class's entries counted,
// to draw again among those that do.
bool Game::drawAmong(int entryClass, qint32 minimum)
{
    GameState &s = m_state;
    const Dictionary &tables = s.Tables;
    const qint32 count = tables.count(entryClass);
    const auto qualifies = [&](qint32 slot) {
        return characters::lettersToFind(tables.utf8(entryClass, slot), minimum, s.Matching.shownFromStart()) >= minimum;
    };
    s.RandomIndex = qint32(m_random.next() * count);
    if (count > 0 && qualifies(s.RandomIndex)) {
        s.CurrentWord = tables.entry(entryClass, s.RandomIndex);
        return true;
    }

    qint32 qualifying = 0;
    for (qint32 slot = 0; slot < count; ++slot)
        qualifying += qualifies(slot);
    if (qualifying == 0) {
        s.CurrentWord.clear();
        return false;
    }
    qint32 k = qint32(m_random.next() * qualifying);
    qint32 slot = 0;
    for (; !qualifies(slot) || k-- > 0; ++slot) {
    }
    s.RandomIndex = slot;
    s.CurrentWord = tables.entry(entryClass, slot);
    return true;
}

// A length drawn afresh for each attempt (16 standing for the long entries), then an entry of
// that length, until one leaves at least two characters to find.
bool Game::drawAtRandomLength()
{
    GameState &s = m_state;
    const Dictionary &tables = s.Tables;
    s.RandomLength = true;
    for (int attempt = 0; attempt < RandomLengthAttempts; ++attempt) {
        s.DifficultyLevel = qint16(qint32(m_random.next() * 15) + ShortestLevel);
        s.RandomIndex = qint32(m_random.next() * tables.count(s.DifficultyLevel));
        if (characters::lettersToFind(tables.utf8(s.DifficultyLevel, s.RandomIndex), 2, s.Matching.shownFromStart()) == 2) {
            s.CurrentWord = tables.entry(s.DifficultyLevel, s.RandomIndex);
            return true;
        }
    }

    // Nearly everything is rejected: draw among the lengths that have an acceptable entry, then
    // among those entries.
    QList<int> lengths;
    for (int c = ShortestLevel; c <= LongLevel; ++c) {
        for (qint32 slot = 0; slot < tables.count(c); ++slot) {
            if (characters::lettersToFind(tables.utf8(c, slot), 2, s.Matching.shownFromStart()) == 2) {
                lengths.append(c);
                break;
            }
        }
    }
    if (lengths.isEmpty()) {
        s.CurrentWord.clear();
        return false;
    }
    s.DifficultyLevel = qint16(lengths.at(qsizetype(m_random.next() * lengths.size())));
    return drawAmong(s.DifficultyLevel, 2);
}

void Game::GenerateWord()
{
    GameState &s = m_state;
    // At a fixed level, an entry with something to find: one of blanks alone, or an empty one,
    // would be won or lost without a letter shown.
    const bool drawn = s.DifficultyLevel > LongLevel ? drawAtRandomLength() : drawAmong(s.DifficultyLevel, 1);
    if (s.RandomLength)
        s.DifficultyLevel = RandomLevel;

    // Cut into characters before lower-casing, so that a character's cells never depend on its case.
    s.WordLetters = CharacterList(s.CurrentWord).lowered(s.Matching.caseLanguage());
    s.CurrentWord = s.WordLetters.text();
    s.WordKeys = s.Matching.keys(s.WordLetters);
    // What nobody is asked to type (a blank, any other white space, a control or a format
    // character) is shown from the start; white space makes the entry a phrase.
    s.MaskCells = QList<bool>(s.WordLetters.size(), false);
    qint32 shownAtStart = 0;
    s.IsPhrase = false;
    for (qsizetype i = 0; i < s.WordLetters.size(); ++i) {
        if (characters::standsRevealed(s.WordLetters.at(i), s.Matching.shownFromStart())) {
            s.MaskCells[i] = true;
            ++shownAtStart;
            s.IsPhrase = s.IsPhrase || characters::isWhiteSpace(s.WordLetters.at(i));
        }
    }
    s.LettersToFind = qint32(s.WordLetters.size()) - shownAtStart;
    s.LettersRevealed += shownAtStart;
    const WordCells cells = wordCells();
    if (!s.WordLetters.isEmpty())
        m_display.setWord(m_display.text(TextField::TheWord) + cells.text(), cells);

    if (!drawn) {
        if (s.RandomLength)
            m_prompter.inform(texts::NoPlayableWords);
        else if (s.DifficultyLevel == LongLevel)
            m_prompter.inform(texts::NoLongWords);
        else
            m_prompter.inform(texts::NoWordsPrefix + texts::signPlace(s.DifficultyLevel) + texts::NoWordsSuffix);
    }
    showHeadings();
    if (!drawn) {
        showNoGame(); // there is nothing to guess
        return;
    }
    m_display.announce(texts::spokenNewGame(s.IsPhrase, s.LettersToFind, cells.spokenCells()));
}

void Game::showHeadings()
{
    m_display.setText(TextField::Label2,
                      QString(m_state.IsPhrase ? texts::PhraseHeading : texts::WordHeading));
    m_display.setText(TextField::WordLengthLabel, texts::WordLengthPrefix
                          + texts::signPlace(m_state.LettersToFind) + texts::WordLengthSuffix);
}

void Game::showNoGame()
{
    m_display.setEnabled(GuessControl::Letter, false);
    m_display.setEnabled(GuessControl::EnterCharacter, false);
}

void Game::NewGame()
{
    Initialise();
    GenerateWord();
}

void Game::EvaluateGuess()
{
    GameState &s = m_state;
    QString spoken;
    const QString input = characters::composed(m_display.text(TextField::Letter));
    // A blank, like anything else shown from the start, is no guess.
    if (input.isEmpty() || characters::standsRevealed(input, s.Matching.shownFromStart())) {
        m_display.setText(TextField::Helper, texts::TypeALetter);
        spoken = texts::TypeALetter;
    } else {
        const QString key = s.Matching.key(input);
        s.Guess = characters::lowered(input, s.Matching.caseLanguage());
        // The box holds one character; a longer text can match neither a slot nor a position.
        const bool single = CharacterList(input).size() == 1;
        s.RepeatFlag = single && std::any_of(s.UsedLetters.begin(), s.UsedLetters.begin() + s.UsedCount,
                                             [&](const QString &used) { return s.Matching.key(used) == key; });
        if (s.RepeatFlag) {
            s.RepeatFlag = false;
            spoken = texts::spokenRepeat(s.Guess);
        } else {
            // Only a cell not yet shown is found: one shown from the start may share the guess's key.
            for (qsizetype i = 0; single && i < s.WordKeys.size(); ++i) {
                if (!s.MaskCells.at(i) && s.WordKeys.at(i) == key) {
                    s.MaskCells[i] = true;
                    s.HitFlag = true;
                    ++s.LettersRevealed;
                }
            }
            if (s.HitFlag) {
                s.HitFlag = false;
                const WordCells cells = wordCells();
                m_display.setWord(cells.text(), cells);
                spoken = texts::spokenHit(s.Guess, s.IsPhrase, cells.spokenCells());
            } else {
                ++s.WrongGuesses;
                m_display.setText(TextField::Chances, texts::chancesText(StageCount - s.WrongGuesses));
                m_display.setStagePicture(s.WrongGuesses, stagePicturePath(s.WrongGuesses));
                spoken = texts::spokenMiss(s.Guess, s.IsPhrase, StageCount - s.WrongGuesses, s.WrongGuesses);
            }
            m_display.setText(TextField::LettersUsed,
                              m_display.text(TextField::LettersUsed) + s.Guess + QLatin1Char(','));
            // The record grows past its 27 slots, so a repeat of a late guess is still seen.
            if (s.UsedCount < s.UsedLetters.size())
                s.UsedLetters[s.UsedCount] = s.Guess;
            else
                s.UsedLetters.append(s.Guess);
            ++s.UsedCount;
        }
    }

    m_display.setText(TextField::Letter, QString());
    m_display.focusLetter();

    if (s.WordLetters.size() == s.LettersRevealed) {
        m_display.announce(spoken);
        askToPlayAgain(texts::WonPlayAgain);
    } else if (s.WrongGuesses == StageCount) {
        WordCells answer = wordCells();
        answer.answer = true;
        m_display.setWord(answer.text(), answer);
        m_display.announce(spoken + answer.spokenAnswer());
        askToPlayAgain(texts::LostPlayAgain);
    } else {
        m_display.announce(spoken);
    }
}

WordCells Game::wordCells() const
{
    return WordCells{m_state.WordLetters, m_state.MaskCells, m_state.LettersToFind};
}

void Game::askToPlayAgain(const QString &question)
{
    if (m_prompter.askYesNo(question))
        NewGame();
    else
        showNoGame();
}

void Game::ChangeDiff(std::optional<qint16> selectedLevel)
{
    if (selectedLevel)
        m_state.DifficultyLevel = *selectedLevel;
    if (m_state.DifficultyLevel < RandomLevel)
        m_state.RandomLength = false;
    NewGame();
}

Dictionary::ReadStatus Game::LoadTheDictionary(const QString &typedName)
{
    m_state.DictionaryPath = texts::DictionaryFolder + typedName;
    Initialise();
    const auto status = LoadDictionary(m_state.DictionaryPath);
    // No entry is drawn, so the guess button waits for a new game, as after start-up.
    m_display.setEnabled(GuessControl::EnterCharacter, false);
    if (status != Dictionary::ReadStatus::Loaded)
        m_prompter.inform(texts::FileNotFound);
    return status;
}

} // namespace velmora
