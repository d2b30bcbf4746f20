// Long runs: thousands of games with random guesses, every click checked, and a thousand
// dictionary reloads that must not leave memory behind.
//
// VELMORA_SOAK_GAMES and VELMORA_SOAK_RELOADS shorten the runs (10,000 and 1,000 by default).

#include "CheckedGame.h"
#include "RobustnessSupport.h"

#include <QElapsedTimer>
#include <QTest>

#include <random>

using namespace velmora;
using namespace velmora::testing;

namespace {

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

class TwisterRandom final : public RandomSource
{
public:
    explicit TwisterRandom(std::mt19937 &engine)
        : m_engine(engine)
    {
    }
    void seedFromClock() override { }
    double next() override { return (m_engine() >> 8) * (1.0 / 16777216.0); } // 24 bits, below 1

private:
    std::mt19937 &m_engine;
};

int below(std::mt19937 &engine, int n)
{
    return int(engine() % unsigned(n));
}

// Entries of every kind a dictionary holds: plain words of each length but 13 (so one level
// has nothing to draw), phrases, hyphens, digits, capitals, accents, markup, entries longer
// than 15, entries full of one letter, and a few no game can use.
QByteArray soakDictionary(std::mt19937 &engine, int count)
{
    const auto word = [&](int length) {
        static const char common[] = "eeeeaaaiioonnrrssttlcdmpu";
        static const char any[] = "abcdefghijklmnopqrstuvwxyz";
        QByteArray w;
        for (int i = 0; i < length; ++i)
            w += below(engine, 3) ? common[below(engine, sizeof common - 1)] : any[below(engine, sizeof any - 1)];
        return w;
    };
    QByteArray file;
    for (int i = 0; i < count; ++i) {
        QByteArray entry;
        switch (i % 12) {
        case 0: case 1: case 2: case 3:
            entry = word(2 + below(engine, 14));
            break;
        case 4: { // each draw in a statement of its own, so every compiler makes the same file
            const QByteArray first = word(2 + below(engine, 5));
            entry = first + ' ' + word(2 + below(engine, 6));
            break;
        }
        case 5: {
            const QByteArray first = word(3 + below(engine, 4));
            entry = first + '-' + word(2 + below(engine, 6));
            break;
        }
        case 6: {
            const QByteArray first = word(2 + below(engine, 5));
            entry = first + QByteArray::number(below(engine, 1000));
            break;
        }
        case 7: {
            entry = word(2 + below(engine, 10));
            entry[0] = char(entry[0] - 'a' + 'A');
            if (below(engine, 2))
                entry = entry.toUpper();
            break;
        }
        case 8:
            entry = word(16 + below(engine, 30));
            if (below(engine, 2))
                entry[below(engine, int(entry.size()) - 2) + 1] = ' ';
            break;
        case 9: {
            const int repeats = 2 + below(engine, 12);
            const char letter = char('a' + below(engine, 26));
            entry = QByteArray(repeats, letter);
            if (below(engine, 2))
                entry += word(2);
            break;
        }
        case 10: {
            static const char *const odd[] = {"caf\xc3\xa9", "na\xc3\xafve", "\xc3\x9c" "ber", "stra\xc3\x9f" "e",
                                              "<b>x</b>", "&amp;", "snake_case", "it's", "o'clock",
                                              "a b c d e f", "x y"};
            entry = odd[below(engine, int(std::size(odd)))];
            break;
        }
        default: {
            static const char *const useless[] = {"a", " ", "  ", " a ", "b  ", "   q", "z"};
            entry = useless[below(engine, int(std::size(useless)))];
            break;
        }
        }
        if (entry.size() != 13)
            file += entry + '\n';
    }
    return file;
}

// The character in upper case where that is one character too ("ß" has none).
QString upperCharacter(QStringView character)
{
    const QString upper = character.toString().toUpper();
    return characters::CharacterList(upper).size() == 1 ? upper : character.toString();
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void randomGames()
    {
        const int games = fromEnvironment("VELMORA_SOAK_GAMES", 10000);
        std::mt19937 engine(20240611u);

        WorkingFolder folder;
        QVERIFY(folder.isValid());
        const QString path = folder.dictionaryPath(QStringLiteral("soak.txt"));
        QVERIFY(writeFile(path, soakDictionary(engine, 4000)));

        TwisterRandom random(engine);
        QSet<QString> entries; // every entry as a drawn word shows it
        CheckedGame game(random, [&] { return below(engine, 2) == 1; }, &entries);
        QCOMPARE(game.game.LoadDictionary(QStringLiteral("Dictionary\\soak.txt")), Dictionary::ReadStatus::Loaded);
        const Dictionary &d = game.state().Tables;
        QVERIFY(d.TotalWords() > 3000);
        QCOMPARE(d.LengthCounts(13), 0);
        for (int length = 0; length <= Dictionary::LongestShortEntry; ++length) {
            for (qint32 slot = 0; slot < d.LengthCounts(length); ++slot)
                entries.insert(characters::lowered(d.WordsByLength(length, slot)));
        }
        for (qint32 i = 0; i < d.LongWordCount(); ++i)
            entries.insert(characters::lowered(d.LongWords(i)));

        static const QStringList others{"-", "'", ".", ",", "!", "?", "<", ">", "&", "_", "0", "5", "9",
                                        QStringLiteral(u"é"), QStringLiteral(u"Ü"), QStringLiteral(u"ß")};
        QStringList typedThisGame;
        int gamesBefore = -1;
        int turn = 0;
        QElapsedTimer timer;
        timer.start();

        while (game.games < games) {
            if (!game.playable()) {
                game.changeLevel(qint16(ShortestLevel + turn++ % 16)); // 2..17 in turn
                QVERIFY2(game.fault.isEmpty(), qPrintable(game.fault));
                continue;
            }
            if (game.games != gamesBefore) {
                gamesBefore = game.games;
                typedThisGame.clear();
            }

            const characters::CharacterList &letters = game.state().WordLetters;
            QString input;
            const int r = below(engine, 100);
            if (r < 40 && !letters.isEmpty())
                input = letters.at(below(engine, int(letters.size()))).toString();
            else if (r < 48 && !letters.isEmpty())
                input = upperCharacter(letters.at(below(engine, int(letters.size()))));
            else if (r < 63)
                input = QChar(u'a' + below(engine, 26));
            else if (r < 68)
                input = QChar(u'A' + below(engine, 26));
            else if (r < 80)
                input = others.at(below(engine, int(others.size())));
            else if (r < 85)
                input = QStringLiteral(" ");
            else if (r < 90)
                input = QString();
            else if (!typedThisGame.isEmpty())
                input = typedThisGame.at(below(engine, int(typedThisGame.size())));
            typedThisGame.append(input);

            game.click(input);
            QVERIFY2(game.fault.isEmpty(), qPrintable(game.fault));
            QVERIFY2(game.clicks < 200 * (game.games + 10), "games that never end");
        }

        qInfo("%d games, %d won, %d lost, %d clicks in %lld ms", game.games, game.wins, game.losses, game.clicks,
              timer.elapsed());
        // A run that never wins or never loses has not exercised the ends of a game.
        QVERIFY(game.wins > games / 10);
        QVERIFY(game.losses > games / 10);
    }

    // Loading the same dictionary again and again must not leave memory behind.
    void reloadsKeepMemoryFlat()
    {
        const int reloads = fromEnvironment("VELMORA_SOAK_RELOADS", 1000);
        std::mt19937 engine(7u);
        WorkingFolder folder;
        QVERIFY(folder.isValid());
        QByteArray file;
        while (file.size() < 1000 * 1000)
            file += soakDictionary(engine, 1000);
        QVERIFY(writeFile(folder.dictionaryPath(QStringLiteral("reload.txt")), file));

        GameRig rig;
        const QString path = QStringLiteral("Dictionary\\reload.txt");
        // The heap a loaded dictionary leaves varies a little from load to load with how the
        // allocator places it; the most seen while settling is the mark. A leak, however small,
        // grows with every reload and passes it.
        constexpr int Settle = 10;
        std::size_t settled = 0;
        qint32 words = -1;
        for (int i = 0; i < reloads + Settle; ++i) {
            if (rig.game.LoadDictionary(path) != Dictionary::ReadStatus::Loaded)
                QFAIL("a reload failed");
            if (rig.prompter.prompts.size() != 2)
                QFAIL("a reload without its two prompts");
            if (words < 0)
                words = rig.state().Tables.TotalWords();
            else if (rig.state().Tables.TotalWords() != words)
                QFAIL("a reload gave another dictionary");
            rig.prompter.prompts.clear();
            rig.prompter.behind.clear();
            if (i < Settle)
                settled = std::max(settled, heapInUse());
        }
        const std::size_t after = heapInUse();
        const qint64 growth = qint64(after) - qint64(settled);
        qInfo("heap after %d loads: at most %zu bytes, after %d more: %zu bytes", Settle, settled, reloads, after);
        QVERIFY2(growth < 64 * 1024, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
