#include "GameDoubles.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString Wait = QStringLiteral("Program is Loading the Dictionary. Please wait...");
const QString Won = QStringLiteral("You've won! Play again?");
const QString Lost = QStringLiteral("You've lost! Play again?");
const QString TypeALetter = QStringLiteral("Please type a letter in the box using the keyboard.");
const QString HelpText = QStringLiteral("Click 'New Game' to start.");

// A working folder with a Dictionary folder, made current for the life of the object.
class WorkingFolder
{
public:
    WorkingFolder()
        : m_previous(QDir::currentPath())
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Dictionary"));
        QDir::setCurrent(m_dir.path());
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QDir(m_dir.path()).mkpath(QFileInfo(name).path());
        QFile f(m_dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A rig with a dictionary installed and a new game started at the level given.
void startGame(GameRig &rig, QByteArrayView dictionary, qint16 level, std::initializer_list<double> draws = {})
{
    rig.display.setText(TextField::Helper, HelpText);
    rig.state().HelpText = HelpText;
    rig.useDictionary(dictionary);
    rig.state().DifficultyLevel = level;
    rig.random.values.assign(draws.begin(), draws.end());
    rig.game.NewGame();
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT
private slots:
    void startUpLoadsTheShippedDictionary()
    {
        WorkingFolder folder;
        folder.write(QStringLiteral("Dictionary/Dictionary.txt"), "alpha\nbeta\ngamma delta\n");
        GameRig rig;
        rig.display.setText(TextField::Helper, HelpText);
        rig.game.StartUp();

        QCOMPARE(rig.prompter.prompts, (QStringList{Wait, QStringLiteral(" 3 words loaded.")}));
        QCOMPARE(rig.random.seeded, 1);
        QCOMPARE(rig.state().DictionaryPath, QStringLiteral("Dictionary\\Dictionary.txt"));
        QCOMPARE(rig.state().HelpText, HelpText);
        QCOMPARE(rig.state().DifficultyLevel, qint16(5));
        QVERIFY(!rig.state().RandomLength);
        QCOMPARE(rig.display.enabled.value(GuessControl::Letter), true);
        QCOMPARE(rig.display.enabled.value(GuessControl::EnterCharacter), false);
        QCOMPARE(rig.display.text(TextField::Chances), QStringLiteral("You have 10 chances left!"));
        QCOMPARE(rig.display.picture, QStringLiteral("Images/0.bmp"));
    }

    void startUpWithoutDictionaryIsSilent()
    {
        WorkingFolder folder;
        GameRig rig;
        rig.game.StartUp();
        QCOMPARE(rig.prompter.prompts, QStringList{Wait});
        QCOMPARE(rig.state().Tables.TotalWords(), 0);
        QCOMPARE(rig.display.enabled.value(GuessControl::EnterCharacter), false);

        // A new game then reports the missing length and offers nothing to guess.
        rig.game.NewGame();
        QCOMPARE(rig.prompter.prompts.last(),
                 QStringLiteral("There are no words that are  5letters long in the dictionary."));
        QCOMPARE(rig.display.enabled.value(GuessControl::EnterCharacter), false);
        QCOMPARE(rig.display.enabled.value(GuessControl::Letter), false);
    }

    void countPrompt_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("empty file") << 0 << QStringLiteral(" 0 words loaded.");
        QTest::newRow("one") << 1 << QStringLiteral(" 1 words loaded.");
        QTest::newRow("shipped size") << 170000 << QStringLiteral(" 170000 words loaded.");
    }

    void countPrompt()
    {
        QFETCH(int, entries);
        QFETCH(QString, prompt);
        WorkingFolder folder;
        folder.write(QStringLiteral("Dictionary/n.txt"), QByteArray("w,").repeated(entries).chopped(entries ? 1 : 0));
        GameRig rig;
        QCOMPARE(rig.game.LoadDictionary(QStringLiteral("Dictionary\\n.txt")), Dictionary::ReadStatus::Loaded);
        QCOMPARE(rig.prompter.prompts, (QStringList{Wait, prompt}));
        QCOMPARE(rig.state().Tables.TotalWords(), entries);
    }

    void resetClearsTheGame()
    {
        GameRig rig;
        startGame(rig, "abc\n", 3);
        for (const char *g : {"x", "y", "a", ""})
            rig.guess(QString::fromLatin1(g));
        QCOMPARE(rig.display.text(TextField::Helper), TypeALetter);
        rig.display.setEnabled(GuessControl::Letter, false);
        rig.display.setEnabled(GuessControl::EnterCharacter, false);
        rig.display.setText(TextField::Label2, QStringLiteral("The Phrase Is:"));

        rig.game.Initialise();
        const GameState &s = rig.state();
        QCOMPARE(s.WrongGuesses, qint16(0));
        QCOMPARE(s.LettersRevealed, 0);
        QCOMPARE(s.UsedCount, 0);
        QCOMPARE(s.UsedLetters, QStringList(27, " "));
        QVERIFY(!s.HitFlag && !s.RepeatFlag);
        QCOMPARE(rig.display.text(TextField::TheWord), QString());
        QCOMPARE(rig.display.text(TextField::LettersUsed), QString());
        QCOMPARE(rig.display.text(TextField::Letter), QString());
        QCOMPARE(rig.display.text(TextField::Helper), HelpText);
        QCOMPARE(rig.display.text(TextField::Chances), QStringLiteral("You have 10 chances left!"));
        QCOMPARE(rig.display.text(TextField::Label2), QStringLiteral("The Phrase Is:")); // untouched
        QCOMPARE(rig.display.stage, 0);
        QVERIFY(rig.display.enabled.value(GuessControl::Letter));
        QVERIFY(rig.display.enabled.value(GuessControl::EnterCharacter));
        QCOMPARE(s.CurrentWord, QStringLiteral("abc")); // the entry stays until the next draw
    }

    void missingPicturesKeepThePreviousOne()
    {
        GameRig rig;
        startGame(rig, "abc\n", 3);
        rig.display.missingPictures = {0, 2};
        rig.guess(QStringLiteral("x"));
        rig.guess(QStringLiteral("y")); // picture 2 is missing: picture 1 stays, the game goes on
        QCOMPARE(rig.display.stage, 1);
        QCOMPARE(rig.state().WrongGuesses, qint16(2));
        rig.guess(QStringLiteral("z"));
        QCOMPARE(rig.display.picture, QStringLiteral("Images/3.bmp"));
        rig.game.Initialise(); // picture 0 is missing too
        QCOMPARE(rig.display.stage, 3);
        QCOMPARE(rig.display.pictureRequests.last(), QStringLiteral("Images/0.bmp"));
    }

    // Legend: the dictionary file's text, the level, the random draws; what the game shows.
    void generateWord_data()
    {
        QTest::addColumn<QByteArray>("dictionary");
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("revealed");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("prompts");

        const QString word = QStringLiteral("The Word Is:");
        const QString phrase = QStringLiteral("The Phrase Is:");
        QTest::newRow("five letters") << QByteArray("apple\n") << 5 << QList<double>{0.0} << "_ _ _ _ _ " << word
                                      << "Word Length: 5 letters" << 0 << "apple" << QStringList{};
        QTest::newRow("mixed case is lowered") << QByteArray("ApPlE\n") << 5 << QList<double>{0.0} << "_ _ _ _ _ "
                                               << word << "Word Length: 5 letters" << 0 << "apple" << QStringList{};
        QTest::newRow("the draw picks the slot") << QByteArray("aaa\nbbb\nccc\n") << 3 << QList<double>{0.67}
                                                 << "_ _ _ " << word << "Word Length: 3 letters" << 0 << "ccc"
                                                 << QStringList{};
        QTest::newRow("phrase: three blanks between words")
            << QByteArray("four word\n") << 9 << QList<double>{0.0} << "_ _ _ _   _ _ _ _ " << phrase
            << "Word Length: 8 letters" << 1 << "four word" << QStringList{};
        QTest::newRow("hyphen and apostrophe are hidden")
            << QByteArray("x-ray's\n") << 7 << QList<double>{0.0} << "_ _ _ _ _ _ _ " << word
            << "Word Length: 7 letters" << 0 << "x-ray's" << QStringList{};
        QTest::newRow("longer than 15") << QByteArray("abcdefghijklmnopq\nshort\n") << 16 << QList<double>{0.0}
                                        << QString("_ ").repeated(17) << word << "Word Length: 17 letters" << 0
                                        << "abcdefghijklmnopq" << QStringList{};
        QTest::newRow("fixed level accepts one to find")
            << QByteArray("a \n") << 2 << QList<double>{0.0} << "_   " << phrase << "Word Length: 1 letters" << 1
            << "a " << QStringList{};
        QTest::newRow("no entry of the length")
            << QByteArray("apple\n") << 7 << QList<double>{} << "" << word << "Word Length: 0 letters" << 0 << ""
            << QStringList{"There are no words that are  7letters long in the dictionary."};
        QTest::newRow("no entry longer than 15")
            << QByteArray("apple\n") << 16 << QList<double>{} << "" << word << "Word Length: 0 letters" << 0 << ""
            << QStringList{"There are no words that are more than 15 letters long in the dictionary."};
        QTest::newRow("blanks alone are never dealt") << QByteArray("  \nab\n") << 2 << QList<double>{0.0} << "_ _ "
                                                      << word << "Word Length: 2 letters" << 0 << "ab" << QStringList{};
        QTest::newRow("a length of blanks alone has no entry")
            << QByteArray("  \n") << 2 << QList<double>{} << "" << word << "Word Length: 0 letters" << 0 << ""
            << QStringList{"There are no words that are  2letters long in the dictionary."};
        QTest::newRow("an emoji is one character") << QByteArray("a\xf0\x9f\x98\x80" "bcd\n") << 5 << QList<double>{0.0}
                                                   << u"_ _ _ _ _ "_qs << word << "Word Length: 5 letters" << 0
                                                   << u"a😀bcd"_qs << QStringList{};
        QTest::newRow("a decomposed accent is one character")
            << QByteArray("Cafe\xcc\x81s\n") << 5 << QList<double>{0.0} << u"_ _ _ _ _ "_qs << word
            << "Word Length: 5 letters" << 0 << u"cafés"_qs << QStringList{};
        QTest::newRow("an ideographic space is shown from the start")
            << u"東京\u3000タワー"_qs.toUtf8() << 6 << QList<double>{0.0} << u"_ _ \u3000 _ _ _ "_qs << phrase
            << "Word Length: 5 letters" << 1 << u"東京\u3000タワー"_qs << QStringList{};
        QTest::newRow("a tab, a no-break space and a control too")
            << u"a\tb\u00a0c\u0001d"_qs.toUtf8() << 7 << QList<double>{0.0} << u"_ \t _ \u00a0 _ \u0001 _ "_qs << phrase
            << "Word Length: 4 letters" << 3 << u"a\tb\u00a0c\u0001d"_qs << QStringList{};
        QTest::newRow("a byte-order mark inside is a character, shown") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf" "ab")
                                                                        << 3 << QList<double>{0.0} << u"\uFEFF _ _ "_qs
                                                                        << word << "Word Length: 2 letters" << 1
                                                                        << u"\uFEFFab"_qs << QStringList{};
        QTest::newRow("what could not be read is shown from the start")
            << QByteArray("\xff\xfe" "a\0\x00\xdc" "b\0", 8) << 3 << QList<double>{0.0} << u"_ \uFFFD _ "_qs << word
            << "Word Length: 2 letters" << 1 << u"a\uFFFDb"_qs << QStringList{};
        QTest::newRow("capitals outside the BMP are lowered")
            << QByteArray("\xf0\x90\x90\x80" "B\n") << 2 << QList<double>{0.0} << u"_ _ "_qs << word
            << "Word Length: 2 letters" << 0 << u"\U00010428b"_qs << QStringList{};
        QTest::newRow("random length: 2..16 from one draw")
            << QByteArray("ab\nabcdefghijklmnopq\n") << 17 << QList<double>{0.999, 0.0} << QString("_ ").repeated(17)
            << word << "Word Length: 17 letters" << 0 << "abcdefghijklmnopq" << QStringList{};
        QTest::newRow("random length: rejects fewer than two to find, keeps only the accepted blanks")
            << QByteArray("a \nab cd\n") << 17 << QList<double>{0.0, 0.0, 0.2, 0.0} << "_ _   _ _ " << phrase
            << "Word Length: 4 letters" << 1 << "ab cd" << QStringList{};
        QTest::newRow("random length: an ideographic space is a blank too")
            << u"a\u3000\nab\u3000cd\n"_qs.toUtf8() << 17 << QList<double>{0.0, 0.0, 0.2, 0.0} << u"_ _ \u3000 _ _ "_qs
            << phrase << "Word Length: 4 letters" << 1 << u"ab\u3000cd"_qs << QStringList{};
        QTest::newRow("random length: an empty class is retried silently")
            << QByteArray("abc\n") << 17 << QList<double>{0.5, 0.0, 0.07, 0.0} << "_ _ _ " << word
            << "Word Length: 3 letters" << 0 << "abc" << QStringList{};
        QTest::newRow("random length: nothing playable")
            << QByteArray("a\nb \n  \n") << 17 << QList<double>{} << "" << word << "Word Length: 0 letters" << 0 << ""
            << QStringList{"There are no words of 2 letters or more in the dictionary."};
    }

    void generateWord()
    {
        QFETCH(QByteArray, dictionary);
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(QString, mask);
        QFETCH(QString, heading);
        QFETCH(QString, length);
        QFETCH(int, revealed);
        QFETCH(QString, word);
        QFETCH(QStringList, prompts);

        GameRig rig;
        rig.display.setText(TextField::Label2, QStringLiteral("previous heading"));
        rig.useDictionary(dictionary);
        rig.state().DifficultyLevel = qint16(level);
        rig.random.values.assign(draws.begin(), draws.end());
        rig.game.NewGame();

        const GameState &s = rig.state();
        QCOMPARE(rig.display.text(TextField::TheWord), mask);
        QCOMPARE(rig.display.text(TextField::Label2), heading);
        QCOMPARE(rig.display.text(TextField::WordLengthLabel), length);
        QCOMPARE(s.LettersRevealed, revealed);
        QCOMPARE(s.CurrentWord, word);
        QCOMPARE(s.WordLetters.text(), word);
        QCOMPARE(s.MaskCells.size(), s.WordLetters.size());
        QCOMPARE(rig.prompter.prompts, prompts);
        QVERIFY(rig.random.values.empty());
        // A missing-entry prompt appears over the finished mask and the previous heading.
        for (const auto &screen : rig.prompter.behind) {
            QCOMPARE(screen.value(TextField::TheWord), mask);
            QCOMPARE(screen.value(TextField::Label2), QStringLiteral("previous heading"));
        }
        const bool playable = prompts.isEmpty();
        QCOMPARE(rig.display.enabled.value(GuessControl::EnterCharacter), playable);
        QCOMPARE(rig.display.enabled.value(GuessControl::Letter), playable);
        if (level == 17) {
            QCOMPARE(s.DifficultyLevel, qint16(17));
            QVERIFY(s.RandomLength);
        }
    }

    void randomLengthNeverHangs()
    {
        // Almost every entry leaves one character to find: the draw still ends, on the one that doesn't.
        QByteArray file = QByteArray("a \n").repeated(200000) + "hello\n";
        GameRig rig;
        rig.random.fallback = 0.0; // always length 2, always slot 0: rejected for ever
        startGame(rig, file, 17);
        QCOMPARE(rig.state().CurrentWord, QStringLiteral("hello"));
        QCOMPARE(rig.state().DifficultyLevel, qint16(17));
        QVERIFY(rig.prompter.prompts.isEmpty());
        QCOMPARE(rig.random.draws, 2 * 10000 + 2); // two per attempt; then a length and an entry
    }

    // Legend: the secret entry, then the guesses typed one per click; what the game shows after them.
    void guesses_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("guesses");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("used");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("revealed");
        QTest::addColumn<bool>("warned");

        QTest::newRow("hit reveals every position") << "banana" << 6 << QStringList{"a"} << "_ a _ a _ a " << "a," << 0 << 3 << false;
        QTest::newRow("upper case matches lower") << "banana" << 6 << QStringList{"N"} << "_ _ n _ n _ " << "n," << 0 << 2 << false;
        QTest::newRow("miss costs a chance") << "banana" << 6 << QStringList{"x"} << "_ _ _ _ _ _ " << "x," << 1 << 0 << false;
        QTest::newRow("repeat of a hit changes nothing") << "banana" << 6 << QStringList{"a", "a", "A"} << "_ a _ a _ a " << "a," << 0 << 3 << false;
        QTest::newRow("repeat of a miss changes nothing") << "banana" << 6 << QStringList{"x", "x"} << "_ _ _ _ _ _ " << "x," << 1 << 0 << false;
        QTest::newRow("empty input warns") << "banana" << 6 << QStringList{""} << "_ _ _ _ _ _ " << "" << 0 << 0 << true;
        QTest::newRow("a blank warns") << "ab cd" << 5 << QStringList{" "} << "_ _   _ _ " << "" << 0 << 1 << true;
        QTest::newRow("digit and punctuation are guesses") << "r2-d2" << 5 << QStringList{"2", "-", "!"} << "_ 2 - _ 2 " << "2,-,!," << 1 << 3 << false;
        QTest::newRow("ς finds σ too, and then σ is a repeat") << u"ΟΔΟΣ"_qs << 4 << QStringList{u"ς"_qs, u"σ"_qs, u"Σ"_qs} << u"_ _ _ ς "_qs << u"ς,"_qs << 0 << 1 << false;
        QTest::newRow("İ typed is i") << u"İzmir"_qs << 5 << QStringList{u"İ"_qs} << "i _ _ i _ " << "i," << 0 << 2 << false;
        QTest::newRow("a letter finds itself before a non-joiner") << u"ب\u200Cا"_qs << 2 << QStringList{u"ب"_qs} << u"ب\u200C _ "_qs << u"ب,"_qs << 0 << 1 << false;
        QTest::newRow("a skin tone is part of the thumb") << u"👍🏽ab"_qs << 3 << QStringList{u"👍"_qs, u"👍🏽"_qs} << u"👍🏽 _ _ "_qs << u"👍,👍🏽,"_qs << 1 << 1 << false;
        QTest::newRow("capitals with marks no lower case precomposes") << u"J\u030C\u03A9\u0342\u03AB\u0301H\u0331W\u030A\u0130\u0301x"_qs << 7 << QStringList{u"ǰ"_qs, u"ῶ"_qs, u"ΰ"_qs, u"ẖ"_qs, u"ẘ"_qs, u"í"_qs} << u"j\u030C ω\u0342 ϋ\u0301 h\u0331 w\u030A i\u0301 _ "_qs << u"ǰ,ῶ,ΰ,ẖ,ẘ,í,"_qs << 0 << 6 << false;
        QTest::newRow("ǰ typed decomposed, then composed: a repeat") << u"J\u030CA"_qs << 2 << QStringList{u"j\u030C"_qs, u"ǰ"_qs} << u"j\u030C _ "_qs << u"ǰ,"_qs << 0 << 1 << false;
        QTest::newRow("three subdivision flags: Scotland's is one") << u"🏴󠁧󠁢󠁥󠁮󠁧󠁿🏴󠁧󠁢󠁳󠁣󠁴󠁿🏴󠁧󠁢󠁷󠁬󠁳󠁿"_qs << 3 << QStringList{u"🏴󠁧󠁢󠁳󠁣󠁴󠁿"_qs} << u"_ 🏴󠁧󠁢󠁳󠁣󠁴󠁿 _ "_qs << u"🏴󠁧󠁢󠁳󠁣󠁴󠁿,"_qs << 0 << 1 << false;
        QTest::newRow("a character its lower case would split stays one cell") << u"Ⓜ\u200D❤a"_qs << 2 << QStringList{u"Ⓜ\u200D❤"_qs} << u"ⓜ\u200D❤ _ "_qs << u"ⓜ\u200D❤,"_qs << 0 << 1 << false;
        QTest::newRow("Hebrew final letters and ordinary ones find each other") << u"כךןףץמים"_qs << 8 << QStringList{u"ך"_qs, u"נ"_qs, u"פ"_qs, u"צ"_qs, u"מ"_qs} << u"כ ך ן ף ץ מ _ ם "_qs << u"ך,נ,פ,צ,מ,"_qs << 0 << 7 << false;
        QTest::newRow("white space of any kind is no guess") << "ab" << 2 << QStringList{"\t", u"\u00a0"_qs, u"\u3000"_qs} << "_ _ " << "" << 0 << 0 << true;
        QTest::newRow("rich text is just characters") << "<b>" << 3 << QStringList{"<", "&"} << "< _ _ " << "<,&," << 1 << 1 << false;
    }

    void guesses()
    {
        QFETCH(QString, entry);
        QFETCH(int, level);
        QFETCH(QStringList, guesses);
        QFETCH(QString, mask);
        QFETCH(QString, used);
        QFETCH(int, wrong);
        QFETCH(int, revealed);
        QFETCH(bool, warned);

        GameRig rig;
        startGame(rig, entry.toUtf8(), qint16(level));
        for (const QString &g : guesses)
            rig.guess(g);

        QCOMPARE(rig.display.text(TextField::TheWord), mask);
        QCOMPARE(rig.display.text(TextField::LettersUsed), used);
        QCOMPARE(rig.state().WrongGuesses, qint16(wrong));
        QCOMPARE(rig.state().LettersRevealed, revealed);
        QCOMPARE(rig.display.text(TextField::Chances), QStringLiteral("You have %1 chances left!").arg(10 - wrong));
        QCOMPARE(rig.display.stage, wrong);
        QCOMPARE(rig.display.text(TextField::Helper), warned ? TypeALetter : HelpText);
        QCOMPARE(rig.display.text(TextField::Letter), QString());
        QCOMPARE(rig.display.letterFocused, guesses.size());
        QVERIFY(rig.prompter.prompts.isEmpty());
        QVERIFY(!rig.state().HitFlag && !rig.state().RepeatFlag);
    }

    // Legend: the name typed for a dictionary of one entry, the level, the guesses; the mask
    // and the letters used after them.
    void languageRule_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("guesses");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("used");

        const QString scotland = u"🏴󠁧󠁢󠁳󠁣󠁴󠁿"_qs;
        QTest::newRow("French: e finds é è ê ë; é is then a repeat") << "fr.txt" << 6 << u"éèêëex"_qs << QStringList{"e", u"É"_qs} << u"é è ê ë e _ "_qs << "e,";
        QTest::newRow("Greek: α finds ά") << "el.txt" << 4 << u"άλφα"_qs << QStringList{u"α"_qs} << u"ά _ _ α "_qs << u"α,"_qs;
        QTest::newRow("Russian: е finds ё") << "ru.txt" << 3 << u"ещё"_qs << QStringList{u"е"_qs} << u"е _ ё "_qs << u"е,"_qs;
        QTest::newRow("Spanish: n misses ñ") << "es.txt" << 4 << u"niño"_qs << QStringList{"n"} << "n _ _ _ " << "n,";
        QTest::newRow("Swedish: a misses å and ä") << "sv.txt" << 4 << u"aåäx"_qs << QStringList{"a"} << "a _ _ _ " << "a,";
        QTest::newRow("Turkish: i misses ı") << "tr.txt" << 4 << u"ılık"_qs << QStringList{"i"} << "_ _ _ _ " << "i,";
        QTest::newRow("Polish: a misses ą") << "pl.txt" << 5 << u"ząbka"_qs << QStringList{"a"} << "_ _ _ _ a " << "a,";
        QTest::newRow("a player's own list in a folder, by region") << "lists/pt-BR.txt" << 4 << u"você"_qs << QStringList{"e"} << u"_ _ _ ê "_qs << "e,";
        QTest::newRow("words.txt: no language, the rule of every list") << "words.txt" << 4 << u"fête"_qs << QStringList{"e"} << "_ _ _ e " << "e,";
        QTest::newRow("Dictionary.txt too") << "Dictionary.txt" << 4 << u"fête"_qs << QStringList{"e"} << "_ _ _ e " << "e,";
        QTest::newRow("in a language, three flags stay three") << "fr.txt" << 3 << u"🏴󠁧󠁢󠁥󠁮󠁧󠁿🏴󠁧󠁢󠁳󠁣󠁴󠁿🏴󠁧󠁢󠁷󠁬󠁳󠁿"_qs << QStringList{scotland} << "_ " + scotland + " _ " << scotland + ",";
        QTest::newRow("in a language, ❤ finds ❤️") << "fr.txt" << 2 << u"❤️x"_qs << QStringList{u"❤"_qs} << u"❤️ _ "_qs << u"❤,"_qs;
        QTest::newRow("in a language, a mark it ignores finds only itself") << "fr.txt" << 2 << u"\u0640x"_qs << QStringList{u"\u0301"_qs} << "_ _ " << u"\u0301,"_qs;
    }

    void languageRule()
    {
        QFETCH(QString, file);
        QFETCH(int, level);
        QFETCH(QString, entry);
        QFETCH(QStringList, guesses);
        QFETCH(QString, mask);
        QFETCH(QString, used);

        WorkingFolder folder;
        folder.write("Dictionary/" + file, entry.toUtf8());
        GameRig rig;
        QCOMPARE(rig.game.LoadTheDictionary(file), Dictionary::ReadStatus::Loaded);
        rig.state().DifficultyLevel = qint16(level);
        rig.game.NewGame();
        rig.guess(guesses);
        QCOMPARE(rig.display.text(TextField::TheWord), mask);
        QCOMPARE(rig.display.text(TextField::LettersUsed), used);
    }

    void chancesCountDownToALoss()
    {
        GameRig rig;
        startGame(rig, "ab\n", 2);
        const QString misses = QStringLiteral("cdefghijk");
        for (int i = 0; i < misses.size(); ++i) {
            rig.guess(misses.mid(i, 1));
            QCOMPARE(rig.display.text(TextField::Chances), QStringLiteral("You have %1 chances left!").arg(9 - i));
        }
        QVERIFY(rig.prompter.prompts.isEmpty());
        rig.guess(QStringLiteral("l"));
        QCOMPARE(rig.display.text(TextField::Chances), QStringLiteral("You have 0 chances left!"));
        QCOMPARE(rig.display.picture, QStringLiteral("Images/10.bmp"));
        QCOMPARE(rig.prompter.prompts, QStringList{Lost});
        // The whole entry is on show, without separating blanks, while the question is open.
        QCOMPARE(rig.prompter.behind.last().value(TextField::TheWord), QStringLiteral("ab"));
    }

    // Answering the play-again question after a win or a loss.
    void outcome_data()
    {
        QTest::addColumn<QStringList>("guesses");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("shown");

        const QStringList win{"x", "x", "a", "b"};
        const QStringList lose{"c", "d", "e", "f", "g", "h", "i", "j", "a", "k", "l"};
        QTest::newRow("win, No") << win << false << Won << "a b ";
        QTest::newRow("win, Yes") << win << true << Won << "_ _ ";
        QTest::newRow("loss, No") << lose << false << Lost << "ab";
        QTest::newRow("loss, Yes") << lose << true << Lost << "_ _ ";
        QTest::newRow("win on the last chance comes before the loss")
            << QStringList{"c", "d", "e", "f", "g", "h", "i", "j", "k", "a", "b"} << false << Won << "a b ";
    }

    void outcome()
    {
        QFETCH(QStringList, guesses);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QString, shown);

        GameRig rig;
        startGame(rig, "ab\n", 2);
        rig.prompter.answers = {yes};
        for (const QString &g : guesses)
            rig.guess(g);

        QCOMPARE(rig.prompter.prompts, QStringList{question});
        QCOMPARE(rig.display.text(TextField::TheWord), shown);
        QCOMPARE(rig.display.enabled.value(GuessControl::Letter), yes);
        QCOMPARE(rig.display.enabled.value(GuessControl::EnterCharacter), yes);
        if (yes) { // a new game is under way within the same click
            QCOMPARE(rig.state().WrongGuesses, qint16(0));
            QCOMPARE(rig.display.text(TextField::LettersUsed), QString());
            QCOMPARE(rig.display.stage, 0);
        }
    }

    // Legend: the entry, the level, the characters typed one per click; the last messages a
    // screen reader was given, in order, up to the last click.
    void spokenMessages_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("spoken");

        const QString newHello = QStringLiteral("New word, 5 letters: blank, blank, blank, blank, blank.");
        QTest::newRow("hit, miss, repeat, nothing typed")
            << QByteArray("hello") << 5 << QStringList{"L", "z", "l", ""}
            << QStringList{newHello, "l is in the word: blank, blank, l, l, blank.",
                           "z is not in the word. 9 chances left. Stage 1 of 10.", "l was already guessed.",
                           "Please type a letter in the box using the keyboard."};
        QTest::newRow("a phrase") << QByteArray("ab cd") << 5 << QStringList{"a"}
                                  << QStringList{"New phrase, 4 letters: blank, blank, space, blank, blank.",
                                                 "a is in the phrase: a, blank, space, blank, blank."};
        QTest::newRow("a win") << QByteArray("ox") << 2 << QStringList{"o", "x"}
                               << QStringList{"New word, 2 letters: blank, blank.", "o is in the word: o, blank.",
                                              "x is in the word: o, x."};
        QTest::newRow("a loss tells the answer (the last two clicks)")
            << QByteArray("ox") << 2 << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}
            << QStringList{"i is not in the word. 1 chance left. Stage 9 of 10.",
                           "j is not in the word. 0 chances left. Stage 10 of 10. The answer: ox."};
        QTest::newRow("an emoji") << QByteArray("a\xf0\x9f\x98\x80" "bcd") << 5 << QStringList{u"😀"_qs}
                                  << QStringList{"New word, 5 letters: blank, blank, blank, blank, blank.",
                                                 u"😀 is in the word: blank, 😀, blank, blank, blank."_qs};
        QTest::newRow("a gap shown from the start is a space") << u"東京\u3000タワー"_qs.toUtf8() << 6 << QStringList{}
            << QStringList{"New phrase, 5 letters: blank, blank, space, blank, blank, blank."};
        QTest::newRow("a long entry is cut after 100 cells")
            << QByteArray("x").repeated(150) << 16 << QStringList{}
            << QStringList{"New word, 150 letters: " + QStringList(100, "blank").join(", ") + ", and 50 more."};
    }

    void spokenMessages()
    {
        QFETCH(QByteArray, entry);
        QFETCH(int, level);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, spoken);

        GameRig rig;
        startGame(rig, entry, qint16(level));
        rig.guess(typed);
        QCOMPARE(rig.display.announcements.sliced(rig.display.announcements.size() - spoken.size()), spoken);
    }

    void guessesPastTheTwentySeventhAreStillRecorded()
    {
        GameRig rig;
        const QString entry = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
        startGame(rig, entry.toLatin1(), 16);
        for (int i = 0; i < 28; ++i)
            rig.guess(entry.mid(i, 1));
        QCOMPARE(rig.state().UsedCount, 28);
        const QString usedBefore = rig.display.text(TextField::LettersUsed);
        rig.guess(QStringLiteral("1")); // the 28th guess, repeated
        QCOMPARE(rig.display.text(TextField::LettersUsed), usedBefore);
        QCOMPARE(rig.state().UsedCount, 28);
        QCOMPARE(rig.state().LettersRevealed, 28);
    }

    void entriesLongerThanSixteenBitsAreCounted()
    {
        GameRig rig;
        const QByteArray entry = QByteArray("ab c").repeated(10000); // 40,000 characters, 10,000 blanks
        rig.prompter.answers = {false};
        startGame(rig, entry, 16);
        QCOMPARE(rig.state().LettersToFind, 30000);
        QCOMPARE(rig.state().LettersRevealed, 10000);
        rig.guess(QStringLiteral("a"));
        rig.guess(QStringLiteral("b"));
        QVERIFY(rig.prompter.prompts.isEmpty());
        rig.guess(QStringLiteral("c"));
        QCOMPARE(rig.state().LettersRevealed, 40000);
        QCOMPARE(rig.prompter.prompts, QStringList{Won});
    }

    void changeDiff_data()
    {
        QTest::addColumn<bool>("randomBefore");
        QTest::addColumn<int>("selected"); // 0: no option selected
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("randomAfter");

        QTest::newRow("nothing selected keeps the level") << false << 0 << 5 << false;
        QTest::newRow("more than 15") << true << 16 << 16 << false;
        QTest::newRow("random keeps the flag") << true << 17 << 17 << true;
        QTest::newRow("random starts the mode") << false << 17 << 17 << true;
        QTest::newRow("a fixed length ends the mode") << true << 3 << 3 << false;
    }

    void changeDiff()
    {
        QFETCH(bool, randomBefore);
        QFETCH(int, selected);
        QFETCH(int, level);
        QFETCH(bool, randomAfter);

        GameRig rig;
        rig.useDictionary("ab\nabc\nabcde\nabcdefghijklmnopq\n");
        rig.state().DifficultyLevel = 5;
        rig.state().RandomLength = randomBefore;
        rig.game.ChangeDiff(selected ? std::optional<qint16>(qint16(selected)) : std::nullopt);
        QCOMPARE(rig.state().DifficultyLevel, qint16(level));
        QCOMPARE(rig.state().RandomLength, randomAfter);
        QVERIFY(!rig.state().CurrentWord.isEmpty());
        QVERIFY(rig.display.enabled.value(GuessControl::EnterCharacter));
    }

    void loadTheDictionary_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<int>("total");

        const QString notFound = QStringLiteral("File not found. Please type in correct dictionary.");
        QTest::newRow("default name") << "Dictionary.txt" << QStringList{Wait, " 2 words loaded."} << 2;
        QTest::newRow("empty name") << "" << QStringList{Wait, notFound} << 3;
        QTest::newRow("missing name") << "Missing.txt" << QStringList{Wait, notFound} << 3;
        QTest::newRow("trailing blank is part of the name") << "Dictionary.txt " << QStringList{Wait, notFound} << 3;
        QTest::newRow("case matters") << "dictionary.txt" << QStringList{Wait, notFound} << 3;
    }

    void loadTheDictionary()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, prompts);
        QFETCH(int, total);

        WorkingFolder folder;
        folder.write(QStringLiteral("Dictionary/Dictionary.txt"), "zebra\nyacht\n");
        GameRig rig;
        startGame(rig, "apple\nmango\nlemon\n", 5);
        rig.guess(QStringLiteral("a"));

        QCOMPARE(rig.game.LoadTheDictionary(typed) == Dictionary::ReadStatus::Loaded, total == 2);
        QCOMPARE(rig.prompter.prompts, prompts);
        QCOMPARE(rig.state().DictionaryPath, QStringLiteral("Dictionary\\") + typed);
        QCOMPARE(rig.state().Tables.TotalWords(), total); // a failed load keeps what was there
        // The game was reset; no entry is drawn, so the guess button waits for a new game.
        QCOMPARE(rig.display.text(TextField::TheWord), QString());
        QCOMPARE(rig.display.text(TextField::LettersUsed), QString());
        QVERIFY(rig.display.enabled.value(GuessControl::Letter));
        QVERIFY(!rig.display.enabled.value(GuessControl::EnterCharacter));

        rig.game.NewGame();
        QCOMPARE(rig.state().CurrentWord.size(), 5);
        QVERIFY(rig.display.enabled.value(GuessControl::EnterCharacter));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
