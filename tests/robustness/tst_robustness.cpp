// Hostile dictionary files through the settings window's load action: each must either load
// or leave the dictionary loaded before in place, with the right prompts. How fast is the
// benchmark's business; a hang ends the test function through QtTest's own watchdog
// (QTEST_FUNCTION_TIMEOUT, five minutes unless set).

#include "GameDoubles.h"
#include "RobustnessSupport.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QTest>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace velmora;
using namespace velmora::testing;

namespace {

constexpr int Fails = -1; // the load is refused
constexpr int AnyCount = -2; // loads; how many entries depends on bytes nobody chose

// Large inputs are made when a row needs them, not kept in the source tree.
enum class Generated { None, MillionEmptyLines, TenMillionEntries, LargerThanLimit };

const QStringList PreviousWords{"alpha", "bravo", "delta", "gamma"};

QString countPrompt(qint64 words)
{
    return texts::signPlace(words) + texts::WordsLoadedSuffix;
}

// A short entry for each number, of 2 to 8 letters.
QByteArray numberedEntries(qint32 count)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * 8);
    for (qint32 i = 0; i < count; ++i) {
        quint32 n = quint32(i);
        const int letters = 2 + i % 7;
        for (int k = 0; k < letters; ++k) {
            bytes += char('a' + n % 26);
            n /= 26;
        }
        bytes += '\n';
    }
    return bytes;
}

bool makeSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool ok = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd); // the socket file stays behind
    return ok;
}

} // namespace

Q_DECLARE_METATYPE(Generated)

class TestRobustness : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkingFolder> m_folder;

    // A game that has already loaded PreviousWords through the same action.
    std::unique_ptr<GameRig> riggedWithPrevious()
    {
        auto rig = std::make_unique<GameRig>();
        rig->random.fallback = 0.5;
        const auto status = rig->game.LoadTheDictionary(QStringLiteral("previous.txt"));
        if (status != Dictionary::ReadStatus::Loaded || rig->state().Tables.TotalWords() != PreviousWords.size())
            return nullptr;
        rig->prompter.prompts.clear();
        rig->prompter.behind.clear();
        return rig;
    }

    // Loads typed as the settings window would and checks the outcome. words is the number of
    // entries expected, Fails or AnyCount.
    void loadAndCheck(GameRig &rig, const QString &typed, int words)
    {
        const qint64 readBefore = bytesReadSoFar();
        const auto status = rig.game.LoadTheDictionary(typed);
        const qint64 read = bytesReadSoFar() - readBefore;

        const GameState &s = rig.state();
        QCOMPARE(s.DictionaryPath, texts::DictionaryFolder + typed);
        QCOMPARE(rig.display.enabled.value(GuessControl::EnterCharacter, true), false);

        if (words == Fails) {
            QVERIFY(status != Dictionary::ReadStatus::Loaded);
            QCOMPARE(rig.prompter.prompts, (QStringList{texts::WaitPrompt, texts::FileNotFound}));
            // Refused without reading: a device or a huge file must not be read at all.
            QVERIFY2(read < 64 * 1024, qPrintable(QStringLiteral("%1 bytes read").arg(read)));
            QCOMPARE(s.Tables.TotalWords(), PreviousWords.size());
            rig.prompter.prompts.clear();
            rig.game.ChangeDiff(5);
            QVERIFY2(PreviousWords.contains(s.CurrentWord), qPrintable(s.CurrentWord));
            QVERIFY(rig.prompter.prompts.isEmpty());
            return;
        }

        QCOMPARE(status, Dictionary::ReadStatus::Loaded);
        const qint32 total = s.Tables.TotalWords();
        if (words != AnyCount)
            QCOMPARE(total, words);
        QCOMPARE(rig.prompter.prompts, (QStringList{texts::WaitPrompt, countPrompt(total)}));
    }

private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<WorkingFolder>();
        QVERIFY(m_folder->isValid());
        const auto at = [this](const QString &name) { return m_folder->dictionaryPath(name); };
        QVERIFY(writeFile(at("previous.txt"), PreviousWords.join('\n').toLatin1() + '\n'));
        QVERIFY(writeFile(at("words.txt"), "one\ntwo\nthree\n"));
        QVERIFY(writeFile(at(" spaced name.txt "), "padded\nname\n"));
        QVERIFY(QDir().mkpath(at("folder")));
        QVERIFY(QDir().mkpath(at("sub")));
        QVERIFY(writeFile(at("sub/words.txt"), "inner\nwords\n"));
        QVERIFY(writeFile(m_folder->path() + "/outside.txt", "out\nof\nthe\nfolder\n"));
        QCOMPARE(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0600), 0);
        QVERIFY(makeSocket(at("socket")));
        QVERIFY(QFile::link("/dev/zero", at("zero")));
        QVERIFY(QFile::link("/dev/urandom", at("urandom")));
        QVERIFY(QFile::link(at("nothing-here"), at("dangling")));
        QVERIFY(QFile::link(at("loop"), at("loop")));
        QVERIFY(QFile::link(at("words.txt"), at("link.txt")));
        QVERIFY(writeFile(at("locked.txt"), "locked\n"));
        QVERIFY(QFile::setPermissions(at("locked.txt"), QFileDevice::Permissions()));
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_SOURCE_DIR "/Images/0.bmp"), at("0.bmp")));
        QVERIFY(QFile::link(QCoreApplication::applicationFilePath(), at("program")));
    }

    void cleanupTestCase() { m_folder.reset(); }

    // Legend: the name typed in the settings window; a small file written under Dictionary
    // first (none when empty); a large generated one; the entries expected or Fails.
    void loadTheDictionary_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<Generated>("generated");
        QTest::addColumn<int>("words");

        // Enough "../" to climb from the working folder to the root, wherever it is.
        const int depth = int(m_folder->path().count('/')) + 3;
        const QString toRoot = QStringLiteral("../").repeated(depth);
        const QString toRootBackslashes = QStringLiteral("..\\").repeated(depth);

        const auto row = [](const char *name, const QString &typed, int words, const QByteArray &contents = {},
                            Generated generated = Generated::None) {
            QTest::newRow(name) << typed << contents << generated << words;
        };

        row("missing file", "missing.txt", Fails);
        row("empty name is the folder itself", "", Fails);
        row("a folder", "folder", Fails);
        row("a folder with a separator after it", "folder\\", Fails);
        row("leading blank", " words.txt", Fails);
        row("trailing blank", "words.txt ", Fails);
        row("blanks that belong to the name", " spaced name.txt ", 2);
        row("sub-folder, backslash", "sub\\words.txt", 2);
        row("sub-folder, slash", "sub/words.txt", 2);
        row("up out of the folder to a file", "..\\outside.txt", 4);
        row("up out of the folder with slashes", "../outside.txt", 4);
        row("up out of the folder to nothing", "..\\missing.txt", Fails);
        row("up and back in", "..\\Dictionary\\words.txt", 3);
        row("/dev/zero reached upwards", toRoot + "dev/zero", Fails);
        row("/dev/urandom reached upwards, backslashes", toRootBackslashes + "dev\\urandom", Fails);
        row("/dev/null reached upwards", toRoot + "dev/null", Fails);
        row("/proc reached upwards", toRoot + "proc", Fails);
        row("a /proc file, whose size reads as 0", toRoot + "proc/self/comm", 1);
        row("link to /dev/zero", "zero", Fails);
        row("link to /dev/urandom", "urandom", Fails);
        row("FIFO", "fifo", Fails);
        row("socket", "socket", Fails);
        row("dangling link", "dangling", Fails);
        row("link loop", "loop", Fails);
        row("link to a file", "link.txt", 3);
        row("no permission to read", "locked.txt", Fails);
        row("binary: a bitmap", "0.bmp", AnyCount);
        row("binary: this test program", "program", AnyCount);
        row("empty file", "empty.txt", 0, QByteArray(""));
        row("NUL bytes inside lines", "nul.txt", 3, QByteArray("a\0b\nnul\0\0inside\n\0\n", 18));
        row("invalid UTF-8", "latin.txt", 2, "caf\xe9\nna\xefve\n");
        row("UTF-8 byte-order mark", "bom.txt", 2, "\xef\xbb\xbfone\ntwo\n");
        row("UTF-16 LE with byte-order mark", "utf16le.txt", 2, QByteArray("\xff\xfe" "a\0b\0\n\0c\0d\0\n\0", 14));
        row("UTF-16 BE with byte-order mark", "utf16be.txt", 2, QByteArray("\xfe\xff\0a\0b\0\n\0c\0d\0\n", 14));
        row("a million empty lines", "empty-lines.txt", 1000000, {}, Generated::MillionEmptyLines);
        row("ten million short entries", "ten-million.txt", 10000000, {}, Generated::TenMillionEntries);
        row("larger than the size limit", "huge.txt", Fails, {}, Generated::LargerThanLimit);

        // Every seed of the dictionary fuzzer is a file someone might load.
        const QDir seeds(QStringLiteral(VELMORA_TEST_DATA "/fuzz-seeds"));
        for (const QString &seed : seeds.entryList(QDir::Files, QDir::Name)) {
            QTest::addRow("seed %s", qPrintable(seed))
                << QStringLiteral("..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..")
                       + QDir::toNativeSeparators(seeds.absoluteFilePath(seed)).replace('/', '\\')
                << QByteArray() << Generated::None << AnyCount;
        }
    }

    void loadTheDictionary()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, contents);
        QFETCH(Generated, generated);
        QFETCH(int, words);

        if (typed == QLatin1String("locked.txt") && ::geteuid() == 0)
            QSKIP("the superuser reads any file");

        const QString path = m_folder->dictionaryPath(typed);
        switch (generated) {
        case Generated::None:
            if (!contents.isNull())
                QVERIFY(writeFile(path, contents));
            break;
        case Generated::MillionEmptyLines:
            QVERIFY(writeFile(path, QByteArray(1000000, '\n')));
            break;
        case Generated::TenMillionEntries:
            QVERIFY(writeFile(path, numberedEntries(10000000)));
            break;
        case Generated::LargerThanLimit: {
            QFile sparse(path); // no blocks written: only the size is large
            QVERIFY(sparse.open(QIODevice::WriteOnly));
            QVERIFY(sparse.resize(Dictionary::MaxFileBytes + 1));
            break;
        }
        }
        const auto removeGenerated = qScopeGuard([&] {
            if (generated != Generated::None)
                QFile::remove(path);
        });

        auto rig = riggedWithPrevious();
        QVERIFY(rig);
        loadAndCheck(*rig, typed, words);
        if (QTest::currentTestFailed() || words == Fails)
            return;

        // Whatever was loaded, a game at a random length either starts or says why not.
        rig->prompter.prompts.clear();
        rig->game.ChangeDiff(RandomLevel);
        const bool started = rig->display.enabled.value(GuessControl::EnterCharacter);
        if (started) {
            QVERIFY(rig->state().LettersToFind >= 2);
            QVERIFY(rig->prompter.prompts.isEmpty());
        } else {
            QCOMPARE(rig->prompter.prompts, QStringList{texts::NoPlayableWords});
        }
    }

    // What each odd file turns into, for the files whose entries are known.
    void loadedEntries_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("row");

        QTest::newRow("NUL bytes stay inside the entry")
            << QByteArray("a\0b\nxyz\n", 8) << 3 << QStringList{QString::fromLatin1("a\0b", 3), "xyz"};
        QTest::newRow("invalid UTF-8 as Windows-1252")
            << QByteArray("caf\xe9\n\x93q\x94\n") << 4 << QStringList{QStringLiteral(u"café")};
        QTest::newRow("byte-order mark is not part of the first entry")
            << QByteArray("\xef\xbb\xbfone\ntwo\n") << 3 << QStringList{"one", "two"};
        QTest::newRow("UTF-16 with its byte-order mark")
            << QByteArray("\xfe\xff\0a\0b\0\n\0c\0d\0\n", 14) << 2 << QStringList{"ab", "cd"};
    }

    void loadedEntries()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, length);
        QFETCH(QStringList, row);

        QVERIFY(writeFile(m_folder->dictionaryPath("entries.txt"), contents));
        auto rig = riggedWithPrevious();
        QVERIFY(rig);
        QCOMPARE(rig->game.LoadTheDictionary("entries.txt"), Dictionary::ReadStatus::Loaded);
        QStringList got;
        for (qint32 slot = 0; slot < rig->state().Tables.LengthCounts(length); ++slot)
            got << rig->state().Tables.WordsByLength(length, slot);
        QCOMPARE(got, row);
    }

    // The file loaded last disappears: the next load fails and its entries stay.
    void fileRemovedBetweenLoads()
    {
        const QString name = QStringLiteral("vanishing.txt");
        QVERIFY(writeFile(m_folder->dictionaryPath(name), "first\nsecond\nthird\n"));
        GameRig rig;
        QCOMPARE(rig.game.LoadTheDictionary(name), Dictionary::ReadStatus::Loaded);
        QVERIFY(QFile::remove(m_folder->dictionaryPath(name)));
        rig.prompter.prompts.clear();

        QCOMPARE(rig.game.LoadTheDictionary(name), Dictionary::ReadStatus::Missing);
        QCOMPARE(rig.prompter.prompts, (QStringList{texts::WaitPrompt, texts::FileNotFound}));
        QCOMPARE(rig.state().Tables.TotalWords(), 3);
        rig.game.ChangeDiff(5);
        QCOMPARE(rig.state().CurrentWord, QStringLiteral("first"));

        // The same file back again loads as before.
        QVERIFY(writeFile(m_folder->dictionaryPath(name), "again\n"));
        QCOMPARE(rig.game.LoadTheDictionary(name), Dictionary::ReadStatus::Loaded);
        QCOMPARE(rig.state().Tables.TotalWords(), 1);
    }

    // One line of 50 MB is one entry, and a game can be played on it.
    void fiftyMegabyteEntry()
    {
        constexpr qsizetype Length = 50 * 1000 * 1000;
        QByteArray line(Length, 'x');
        for (qsizetype i = 0; i < Length; ++i)
            line[i] = char('a' + i % 26);
        const QString name = QStringLiteral("one-line.txt");
        QVERIFY(writeFile(m_folder->dictionaryPath(name), line + '\n'));
        line = QByteArray();
        const auto remove = qScopeGuard([&] { QFile::remove(m_folder->dictionaryPath(name)); });

        auto rig = riggedWithPrevious();
        QVERIFY(rig);
        loadAndCheck(*rig, name, 1);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(rig->state().Tables.LongWordCount(), 1);

        // Each step plays through; how long it takes is measured by the benchmark.
        const auto step = [&](auto &&action) {
            action();
            rig->display.writes.clear(); // each keeps a 100-million-character text alive
        };

        step([&] { rig->game.ChangeDiff(LongLevel); });
        const GameState &s = rig->state();
        QCOMPARE(s.CurrentWord.size(), Length);
        QCOMPARE(s.LettersToFind, Length);
        QCOMPARE(rig->display.text(TextField::TheWord).size(), 2 * Length);
        QCOMPARE(rig->display.text(TextField::WordLengthLabel), QStringLiteral("Word Length: 50000000 letters"));

        step([&] { rig->guess(QStringLiteral("q")); });
        QCOMPARE(s.LettersRevealed, (Length + 25 - ('q' - 'a')) / 26);
        QCOMPARE(s.WrongGuesses, 0);

        step([&] { rig->guess(QStringLiteral("7")); });
        QCOMPARE(s.WrongGuesses, 1);

        step([&] { rig->guess(QStringLiteral("Q")); });
        QCOMPARE(s.WrongGuesses, 1);
        QCOMPARE(rig->display.text(TextField::LettersUsed), QStringLiteral("q,7,"));
    }

    // Entries are shown as plain text, markup and all: the window must not interpret them.
    void markupStaysPlain_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shownAfterHit");

        QTest::newRow("bold tags") << "<b>x</b>" << "< _ _ _ < _ _ _ ";
        QTest::newRow("entity and tag") << "&lt;<b>" << "_ _ _ _ < _ _ ";
        QTest::newRow("tag with a blank") << "<img src=x>" << "< _ _ _   _ _ _ _ _ _ ";
    }

    void markupStaysPlain()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shownAfterHit);

        GameRig rig;
        rig.useDictionary(entry.toUtf8() + '\n');
        rig.game.ChangeDiff(qint16(entry.size()));
        rig.guess(QStringLiteral("<"));
        QCOMPARE(rig.display.text(TextField::TheWord), shownAfterHit);
        QCOMPARE(rig.display.text(TextField::LettersUsed), QStringLiteral("<,"));
        for (char digit = '0'; digit <= '9'; ++digit)
            rig.guess(QString(QLatin1Char(digit)));
        QCOMPARE(rig.prompter.prompts.last(), texts::LostPlayAgain);
        QCOMPARE(rig.display.text(TextField::TheWord), entry);
        QCOMPARE(rig.display.text(TextField::LettersUsed), QStringLiteral("<,0,1,2,3,4,5,6,7,8,9,"));
    }
};

QTEST_GUILESS_MAIN(TestRobustness)
#include "tst_robustness.moc"
