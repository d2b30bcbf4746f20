#include "Game.h"

#include "Texts.h"

#include <QStringList>

#include <algorithm>

namespace velmora {
namespace {

// The characters of text in lower case, one code point each: simple case mapping, so no
// position moves.
QList<char32_t> lowerCaseCharacters(const QString &text)
{
    QList<char32_t> characters;
    characters.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(++i).unicode());
        characters.append(QChar::toLower(c));
    }
    return characters;
}

QString fromCharacters(const QList<char32_t> &characters)
{
    return QString::fromUcs4(characters.constData(), characters.size());
}

// Every mask cell followed by one blank.
QString maskText(const QList<char32_t> &cells)
{
    const auto astral = std::count_if(cells.begin(), cells.end(), QChar::requiresSurrogates);
    QString text(2 * cells.size() + astral, QLatin1Char(' '));
    QChar *out = text.data();
    for (const char32_t c : cells) {
        if (QChar::requiresSurrogates(c)) {
            *out++ = QChar(QChar::highSurrogate(c));
            *out++ = QChar(QChar::lowSurrogate(c));
        } else {
            *out++ = QChar(char16_t(c));
        }
        ++out; // the blank
    }
    return text;
}

// Cells read out to a screen reader before the rest is only counted.
constexpr qsizetype SpokenCells = 100;

// The mask in words, cell by cell: "blank" for a hidden character, "space" for a blank of a
// phrase, a found character as itself.
QString spokenMask(const QList<char32_t> &cells)
{
    QStringList words;
    for (const char32_t c : cells.first(std::min(cells.size(), SpokenCells))) {
        words.append(c == U'_'   ? texts::SpokenHidden
                     : c == U' ' ? texts::SpokenBlank
                                 : fromCharacters({c}));
    }
    if (cells.size() > SpokenCells)
        words.append(texts::SpokenMore.arg(cells.size() - SpokenCells));
    return words.join(QStringLiteral(", "));
}

QString spokenAnswer(const QList<char32_t> &letters)
{
    QString answer = fromCharacters(letters.first(std::min(letters.size(), SpokenCells)));
    if (letters.size() > SpokenCells)
        answer += QStringLiteral(", ") + texts::SpokenMore.arg(letters.size() - SpokenCells);
    return texts::spokenAnswer(answer);
}

// The characters of a UTF-8 entry other than blanks, counted up to `enough`.
qint32 charactersToFind(QByteArrayView utf8, qint32 enough)
{
    qint32 found = 0;
    for (const char c : utf8) {
        const bool continuesACharacter = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (c != ' ' && !continuesACharacter && ++found == enough)
            break;
    }
    return found;
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
    m_state.UsedLetters = QList<char32_t>(UsedLetterSlots, U' ');
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

// One of the class's entries that leave at least `minimum` characters to find, drawn as the
// plain draw would draw among them: RandomIndex is r times their count. When every entry of
// the class qualifies, as in any real dictionary, that is the plain draw itself.
bool Game::drawAmong(int entryClass, qint32 minimum)
{
    GameState &s = m_state;
    const Dictionary &tables = s.Tables;
    const qint32 count = tables.count(entryClass);
    const auto qualifies = [&](qint32 slot) { return charactersToFind(tables.utf8(entryClass, slot), minimum) >= minimum; };
    qint32 qualifying = 0;
    for (qint32 slot = 0; slot < count; ++slot)
        qualifying += qualifies(slot);
    if (qualifying == 0) {
        s.CurrentWord.clear();
        return false;
    }

    qint32 k = qint32(m_random.next() * qualifying);
    qint32 slot = k;
    if (qualifying < count) {
        for (slot = 0; !qualifies(slot) || k-- > 0; ++slot) {
        }
    }
    s.RandomIndex = slot;
    s.CurrentWord = tables.entry(entryClass, slot);
    return true;
}

// An entry of the level's class with something to find: an entry of blanks alone, or an empty
// one, would be won or lost without a letter shown.
bool Game::drawAtFixedLevel()
{
    return drawAmong(m_state.DifficultyLevel, 1);
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
        if (charactersToFind(tables.utf8(s.DifficultyLevel, s.RandomIndex), 2) == 2) {
            s.CurrentWord = tables.entry(s.DifficultyLevel, s.RandomIndex);
            return true;
        }
    }

    // Nearly everything is rejected: draw among the lengths that have an acceptable entry, then
    // among those entries.
    QList<int> lengths;
    for (int c = ShortestLevel; c <= LongLevel; ++c) {
        for (qint32 slot = 0; slot < tables.count(c); ++slot) {
            if (charactersToFind(tables.utf8(c, slot), 2) == 2) {
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
    const bool drawn = s.DifficultyLevel > LongLevel ? drawAtRandomLength() : drawAtFixedLevel();
    if (s.RandomLength)
        s.DifficultyLevel = RandomLevel;

    s.WordLetters = lowerCaseCharacters(s.CurrentWord);
    s.CurrentWord = fromCharacters(s.WordLetters);
    s.MaskCells = QList<char32_t>(s.WordLetters.size(), U'_');
    qint32 blanks = 0;
    for (qsizetype i = 0; i < s.WordLetters.size(); ++i) {
        if (s.WordLetters.at(i) == U' ') {
            s.MaskCells[i] = U' ';
            ++blanks;
        }
    }
    s.IsPhrase = blanks > 0;
    s.LettersToFind = qint32(s.WordLetters.size()) - blanks;
    s.LettersRevealed += blanks;
    if (!s.MaskCells.isEmpty())
        m_display.setText(TextField::TheWord, m_display.text(TextField::TheWord) + maskText(s.MaskCells));

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
    m_display.announce(texts::spokenNewGame(s.IsPhrase, s.LettersToFind, spokenMask(s.MaskCells)));
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
    const QString input = m_display.text(TextField::Letter);
    if (input.isEmpty() || input == QLatin1String(" ")) {
        m_display.setText(TextField::Helper, texts::TypeALetter);
        spoken = texts::TypeALetter;
    } else {
        const QList<char32_t> guess = lowerCaseCharacters(input.normalized(QString::NormalizationForm_C));
        s.Guess = fromCharacters(guess);
        // The box holds one character; a longer text can match neither a slot nor a position.
        const bool single = guess.size() == 1;
        s.RepeatFlag = single && s.UsedLetters.contains(guess.front());
        if (s.RepeatFlag) {
            s.RepeatFlag = false;
            spoken = texts::spokenRepeat(s.Guess);
        } else {
            for (qsizetype i = 0; single && i < s.WordLetters.size(); ++i) {
                if (s.WordLetters.at(i) == guess.front()) {
                    s.MaskCells[i] = guess.front();
                    s.HitFlag = true;
                    ++s.LettersRevealed;
                }
            }
            if (s.HitFlag) {
                s.HitFlag = false;
                m_display.setText(TextField::TheWord, maskText(s.MaskCells));
                spoken = texts::spokenHit(s.Guess, s.IsPhrase, spokenMask(s.MaskCells));
            } else {
                ++s.WrongGuesses;
                m_display.setText(TextField::Chances, texts::chancesText(StageCount - s.WrongGuesses));
                m_display.setStagePicture(s.WrongGuesses, stagePicturePath(s.WrongGuesses));
                spoken = texts::spokenMiss(s.Guess, s.IsPhrase, StageCount - s.WrongGuesses, s.WrongGuesses);
            }
            m_display.setText(TextField::LettersUsed,
                              m_display.text(TextField::LettersUsed) + s.Guess + QLatin1Char(','));
            // A slot keeps the first character of what it is given. The record grows past its
            // 27 slots, so a repeat of a late guess is still seen.
            if (s.UsedCount < s.UsedLetters.size())
                s.UsedLetters[s.UsedCount] = guess.front();
            else
                s.UsedLetters.append(guess.front());
            ++s.UsedCount;
        }
    }

    m_display.setText(TextField::Letter, QString());
    m_display.focusLetter();

    if (s.WordLetters.size() == s.LettersRevealed) {
        m_display.announce(spoken);
        askToPlayAgain(texts::WonPlayAgain);
    } else if (s.WrongGuesses == StageCount) {
        m_display.setText(TextField::TheWord, s.CurrentWord);
        m_display.announce(spoken + spokenAnswer(s.WordLetters));
        askToPlayAgain(texts::LostPlayAgain);
    } else {
        m_display.announce(spoken);
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
