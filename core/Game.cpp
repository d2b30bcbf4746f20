#include "Game.h"

#include "Texts.h"

namespace velmora {
namespace {

// Lower case, one character at a time, so no position moves. ASCII, nearly every character
// of a real dictionary, is lowered inline: an entry may be many megabytes long.
QString lowerEachCharacter(QString text)
{
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + (u'a' - u'A')));
        else if (u >= 0x80)
            c = c.toLower();
    }
    return text;
}

// Every mask cell followed by one blank.
QString maskText(const QString &cells)
{
    QString text(cells.size() * 2, QLatin1Char(' '));
    QChar *out = text.data();
    for (qsizetype i = 0; i < cells.size(); ++i)
        out[2 * i] = cells.at(i);
    return text;
}

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
    m_display.setText(TextField::TheWord, QString());
    m_state.WrongGuesses = 0;
    m_state.HitFlag = false;
    m_display.setText(TextField::Chances, texts::chancesText(StageCount - m_state.WrongGuesses));
    m_state.LettersRevealed = 0;
    m_state.UsedCount = 0;
    m_state.RepeatFlag = false;
    m_state.UsedLetters = QList<QChar>(UsedLetterSlots, QLatin1Char(' '));
}

Dictionary::ReadStatus Game::LoadDictionary(const QString &path)
{
    m_prompter.inform(texts::WaitPrompt);
    Dictionary loaded;
    const auto status = Dictionary::readFile(nativePath(path), loaded);
    if (status != Dictionary::ReadStatus::Loaded)
        return status;
    m_state.Tables = std::move(loaded);
    m_prompter.inform(texts::signPlace(m_state.Tables.TotalWords()) + texts::WordsLoadedSuffix);
    return status;
}

QString Game::drawEntry()
{
    const Dictionary &tables = m_state.Tables;
    if (m_state.DifficultyLevel == LongLevel) {
        m_state.RandomIndex = qint32(m_random.next() * tables.LongWordCount());
        return tables.LongWords(m_state.RandomIndex);
    }
    m_state.RandomIndex = qint32(m_random.next() * tables.LengthCounts(m_state.DifficultyLevel));
    return tables.WordsByLength(m_state.DifficultyLevel, m_state.RandomIndex);
}

// After many rejected attempts: one of the entries the draw accepts, from a class drawn
// among those that have any.
QString Game::drawRandomLengthEntry()
{
    const Dictionary &tables = m_state.Tables;
    QList<int> classes;
    for (int c = ShortestLevel; c <= Dictionary::LongClass; ++c) {
        if (tables.playableCount(c) > 0)
            classes.append(c);
    }
    const int c = classes.at(qsizetype(m_random.next() * classes.size()));
    m_state.DifficultyLevel = qint16(c);
    const qint32 k = qint32(m_random.next() * tables.playableCount(c));
    m_state.RandomIndex = tables.playableSlot(c, k);
    return c == LongLevel ? tables.LongWords(m_state.RandomIndex)
                          : tables.WordsByLength(c, m_state.RandomIndex);
}

void Game::GenerateWord()
{
    GameState &s = m_state;
    const Dictionary &tables = s.Tables;
    const qint32 revealedBefore = s.LettersRevealed;
    qint32 blanks = 0;

    for (int attempt = 0;; ++attempt) {
        s.IsPhrase = false;
        if (s.DifficultyLevel > LongLevel) {
            bool anyPlayable = false;
            for (int c = ShortestLevel; c <= Dictionary::LongClass && !anyPlayable; ++c)
                anyPlayable = tables.playableCount(c) > 0;
            if (!anyPlayable) {
                s.RandomLength = true;
                s.CurrentWord.clear();
                s.WordLetters.clear();
                s.MaskCells.clear();
                s.LettersToFind = 0;
                m_prompter.inform(texts::NoPlayableWords);
                showHeadings();
                showNoGame();
                return;
            }
            s.RandomLength = true;
            if (attempt >= RandomLengthAttempts) {
                s.CurrentWord = drawRandomLengthEntry();
            } else {
                s.DifficultyLevel = qint16(qint32(m_random.next() * 15) + ShortestLevel);
                continue;
            }
        } else {
            s.CurrentWord = drawEntry();
        }

        s.CurrentWord = lowerEachCharacter(s.CurrentWord);
        s.WordLetters = s.CurrentWord;
        s.MaskCells = QString(s.CurrentWord.size(), QLatin1Char('_'));
        blanks = 0;
        for (qsizetype i = 0; i < s.CurrentWord.size(); ++i) {
            if (s.CurrentWord.at(i) == QLatin1Char(' ')) {
                s.MaskCells[i] = QLatin1Char(' ');
                ++blanks;
                s.IsPhrase = true;
            }
        }
        s.LettersToFind = qint32(s.CurrentWord.size()) - blanks;

        if (s.RandomLength) {
            s.DifficultyLevel = RandomLevel;
            if (s.LettersToFind < 2)
                continue;
        }
        break;
    }

    s.LettersRevealed = revealedBefore + blanks;
    if (!s.MaskCells.isEmpty())
        m_display.setText(TextField::TheWord, m_display.text(TextField::TheWord) + maskText(s.MaskCells));

    bool classIsEmpty = false;
    if (!s.RandomLength) {
        if (s.DifficultyLevel == LongLevel) {
            classIsEmpty = tables.LongWordCount() == 0;
            if (classIsEmpty)
                m_prompter.inform(texts::NoLongWords);
        } else {
            classIsEmpty = tables.LengthCounts(s.DifficultyLevel) == 0;
            if (classIsEmpty) {
                m_prompter.inform(texts::NoWordsPrefix + texts::signPlace(s.DifficultyLevel)
                                  + texts::NoWordsSuffix);
            }
        }
    }

    showHeadings();
    if (classIsEmpty)
        showNoGame(); // nothing was drawn, so there is nothing to guess
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
    const QString input = m_display.text(TextField::Letter);
    if (input.isEmpty() || input == QLatin1String(" ")) {
        m_display.setText(TextField::Helper, texts::TypeALetter);
    } else {
        s.Guess = lowerEachCharacter(input);
        // The box holds one character; a longer text can match neither a slot nor a position.
        const bool single = s.Guess.size() == 1;
        const QChar guess = s.Guess.at(0);
        s.RepeatFlag = single && s.UsedLetters.contains(guess);
        if (s.RepeatFlag) {
            s.RepeatFlag = false;
        } else {
            for (qsizetype i = 0; single && i < s.WordLetters.size(); ++i) {
                if (s.WordLetters.at(i) == guess) {
                    s.MaskCells[i] = guess;
                    s.HitFlag = true;
                    ++s.LettersRevealed;
                }
            }
            if (s.HitFlag) {
                s.HitFlag = false;
                m_display.setText(TextField::TheWord, maskText(s.MaskCells));
            } else {
                ++s.WrongGuesses;
                m_display.setText(TextField::Chances, texts::chancesText(StageCount - s.WrongGuesses));
                m_display.setStagePicture(s.WrongGuesses, stagePicturePath(s.WrongGuesses));
            }
            m_display.setText(TextField::LettersUsed,
                              m_display.text(TextField::LettersUsed) + s.Guess + QLatin1Char(','));
            // The record grows past its 27 slots, so a repeat of a late guess is still seen.
            if (s.UsedCount < s.UsedLetters.size())
                s.UsedLetters[s.UsedCount] = guess;
            else
                s.UsedLetters.append(guess);
            ++s.UsedCount;
        }
    }

    m_display.setText(TextField::Letter, QString());
    m_display.focusLetter();

    if (s.CurrentWord.size() == s.LettersRevealed) {
        askToPlayAgain(texts::WonPlayAgain);
    } else if (s.WrongGuesses == StageCount) {
        m_display.setText(TextField::TheWord, s.CurrentWord);
        askToPlayAgain(texts::LostPlayAgain);
    }
}

void Game::askToPlayAgain(const QString &question)
{
    if (m_prompter.askYesNo(question)) {
        NewGame();
    } else {
        m_display.setEnabled(GuessControl::Letter, false);
        m_display.setEnabled(GuessControl::EnterCharacter, false);
    }
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
