#include "Dictionary.h"
#include "GuessMatching.h"
#include "Segmentation.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <algorithm>

using velmora::Dictionary;

namespace {

// Every entry is checked; under AddressSanitizer, which is many times slower, every 25th.
#if defined(__SANITIZE_ADDRESS__)
constexpr qsizetype Stride = 25;
#else
constexpr qsizetype Stride = 1;
#endif

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The lines of a kept term or allow-list file, comments left out.
QSet<QString> lines(const QString &path)
{
    QSet<QString> out;
    for (const QByteArray &line : readAll(path).split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            out.insert(QString::fromUtf8(line).toCaseFolded());
    }
    return out;
}

bool lettersMarksBlanks(const QString &entry)
{
    for (const char32_t c : entry.toUcs4()) {
        if (!QChar::isLetter(c) && !QChar::isMark(c) && c != U' ')
            return false;
    }
    return true;
}

// An entry as a player meets it: the key of each cell (what a guess must match; -1 for a cell
// shown from the start) and its text (what shows once found), each as a number.
struct Puzzle
{
    QList<int> keys, texts;
};

// Wins of two players over games on every `step`-th entry of puzzles, with ten wrong guesses
// each. One guesses keys by how often the list holds them (`order`), whatever the word shows;
// the other knows every entry and guesses the key most entries that fit the word field still
// hold.
std::pair<double, double> wins(const QList<Puzzle> &puzzles, const QList<int> &order, qsizetype step)
{
    int frequencyWins = 0, knowingWins = 0, games = 0;
    for (qsizetype g = 0; g < puzzles.size(); g += step, ++games) {
        const Puzzle &answer = puzzles.at(g);
        const auto has = [](const Puzzle &p, int key) { return p.keys.contains(key); };
        int misses = 0, toFind = int(QSet<int>(answer.keys.begin(), answer.keys.end()).size()) - (has(answer, -1) ? 1 : 0);
        for (qsizetype i = 0; i < order.size() && misses < 10 && toFind > 0; ++i)
            has(answer, order.at(i)) ? --toFind : ++misses;
        frequencyWins += toFind == 0;

        QList<const Puzzle *> fitting;
        for (const Puzzle &p : puzzles)
            fitting.append(&p);
        QSet<int> guessed;
        misses = 0;
        toFind = int(QSet<int>(answer.keys.begin(), answer.keys.end()).size()) - (has(answer, -1) ? 1 : 0);
        // What the field shows of a key's cells once it is guessed (-1: from the start): those
        // cells, or none.
        const auto keepFitting = [&](int key) {
            fitting.removeIf([&](const Puzzle *p) {
                for (qsizetype i = 0; i < p->keys.size(); ++i) {
                    if ((answer.keys.at(i) == key) != (p->keys.at(i) == key)
                        || (answer.keys.at(i) == key && answer.texts.at(i) != p->texts.at(i)))
                        return true;
                }
                return false;
            });
        };
        keepFitting(-1);
        while (misses < 10 && toFind > 0) {
            QHash<int, int> holding;
            for (const Puzzle *p : std::as_const(fitting)) {
                for (const int key : QSet<int>(p->keys.begin(), p->keys.end()))
                    holding[key] += guessed.contains(key) ? 0 : 1;
            }
            int best = -1;
            for (const int key : order)
                best = !guessed.contains(key) && (best < 0 || holding.value(key) > holding.value(best)) ? key : best;
            guessed.insert(best);
            has(answer, best) ? --toFind : ++misses;
            keepFitting(best);
        }
        knowingWins += toFind == 0;
    }
    return {100.0 * frequencyWins / games, 100.0 * knowingWins / games};
}

} // namespace

// Every shipped list: its size per class of length, and that every entry is a fair one.
class TestWordLists : public QObject
{
    Q_OBJECT
private slots:
    // Legend: the file in Dictionary/, the language of its offensive-word terms, then the total
    // and the entries of 2, 5, 8 and more than 15 characters.
    void list_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("total");
        QTest::addColumn<QList<int>>("classes");

        QTest::newRow("en") << "Dictionary.txt" << "en" << 170000 << QList<int>{34, 3385, 9265, 7492};
        QTest::newRow("ar") << "ar.txt" << "ar" << 15192 << QList<int>{236, 4708, 118, 0};
        QTest::newRow("cs") << "cs.txt" << "cs" << 16656 << QList<int>{44, 2255, 2652, 16};
        QTest::newRow("da") << "da.txt" << "da" << 15735 << QList<int>{115, 1875, 2049, 142};
        QTest::newRow("de") << "de.txt" << "de" << 19896 << QList<int>{23, 1495, 2745, 230};
        QTest::newRow("el") << "el.txt" << "el" << 15891 << QList<int>{31, 1471, 2517, 44};
        QTest::newRow("eo") << "eo.txt" << "eo" << 6313 << QList<int>{45, 952, 913, 0};
        QTest::newRow("es") << "es.txt" << "es" << 17371 << QList<int>{77, 1880, 2721, 80};
        QTest::newRow("fr") << "fr.txt" << "fr" << 17542 << QList<int>{69, 1773, 2742, 62};
        QTest::newRow("hu") << "hu.txt" << "hu" << 25167 << QList<int>{112, 2752, 3696, 101};
        QTest::newRow("it") << "it.txt" << "it" << 18120 << QList<int>{54, 1553, 2916, 101};
        QTest::newRow("nb") << "nb.txt" << "nb" << 15264 << QList<int>{96, 1911, 1881, 144};
        QTest::newRow("nl") << "nl.txt" << "nl" << 15434 << QList<int>{79, 1297, 2184, 173};
        QTest::newRow("pl") << "pl.txt" << "pl" << 18494 << QList<int>{72, 1929, 2885, 44};
        QTest::newRow("pt-BR") << "pt-BR.txt" << "pt-BR" << 16927 << QList<int>{58, 1902, 2806, 77};
        QTest::newRow("pt") << "pt.txt" << "pt" << 17266 << QList<int>{64, 1978, 2852, 71};
        QTest::newRow("ru") << "ru.txt" << "ru" << 21380 << QList<int>{50, 1839, 3087, 204};
        QTest::newRow("sv") << "sv.txt" << "sv" << 16072 << QList<int>{108, 2245, 2017, 163};
        QTest::newRow("th") << "th.txt" << "th" << 760 << QList<int>{51, 107, 33, 0};
        QTest::newRow("tr") << "tr.txt" << "tr" << 12038 << QList<int>{86, 2160, 1776, 13};
        QTest::newRow("uk") << "uk.txt" << "uk" << 17833 << QList<int>{62, 1834, 2661, 93};
    }

    void list()
    {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(int, total);
        QFETCH(QList<int>, classes);

        const QString path = QStringLiteral(VELMORA_DICTIONARY_DIR "/") + file;
        const QByteArray bytes = readAll(path);
        const QStringView shownToo = velmora::characters::GuessMatching::forFile(path).shownFromStart();
        QVERIFY2(bytes.endsWith('\n') && !bytes.contains('\r') && !bytes.startsWith("\xef\xbb\xbf"),
                 "UTF-8 without a byte-order mark, LF line ends");
        const Dictionary d = Dictionary::fromBytes(bytes);
        QCOMPARE(d.TotalWords(), total);
        const QList<int> got{d.count(2), d.count(5), d.count(8), d.count(Dictionary::LongClass)};
        QCOMPARE(got, classes);

        // A run of words is excused inside a phrase of the allow-list ("blue tit").
        const QString terms = QStringLiteral(VELMORA_WORDLISTS_DIR "/offensive-") + language + ".txt";
        const QSet<QString> offensive = lines(terms) + lines(QString(terms).replace("offensive-", "blocked-"));
        const QSet<QString> allowed = lines(QString(terms).replace("offensive-", "allowed-"));
        qsizetype longest = 0;
        for (const QString &term : offensive + allowed)
            longest = std::max(longest, term.count(u' ') + 1);
        QSet<QString> seen;
        const QList<QByteArray> entries = bytes.split('\n');
        for (qsizetype e = 0; e < entries.size(); e += Stride) {
            const QByteArray &line = entries.at(e);
            if (line.isEmpty())
                continue;
            const QString entry = QString::fromUtf8(line);
            QVERIFY2(entry.normalized(QString::NormalizationForm_C) == entry, qPrintable(entry));
            QVERIFY2(lettersMarksBlanks(entry), qPrintable(entry));
            QVERIFY2(velmora::characters::lettersToFind(line, 2, shownToo) == 2, qPrintable(entry));
            const QString lower = velmora::characters::lowered(entry);
            QVERIFY2(!seen.contains(lower), qPrintable(entry));
            seen.insert(lower);
            const QStringList words = entry.toCaseFolded().split(u' ');
            QList<bool> spared(words.size(), false);
            for (qsizetype n = 1; n <= longest; ++n) {
                for (qsizetype i = 0; i + n <= words.size(); ++i) {
                    if (allowed.contains(words.sliced(i, n).join(u' ')))
                        std::fill_n(spared.begin() + i, n, true);
                }
            }
            for (qsizetype n = 1; n <= longest; ++n) {
                for (qsizetype i = 0; i + n <= words.size(); ++i) {
                    const bool excused = std::all_of(spared.begin() + i, spared.begin() + i + n, [](bool s) { return s; });
                    QVERIFY2(excused || !offensive.contains(words.sliced(i, n).join(u' ')), qPrintable(entry));
                }
            }
        }
    }

    // Legend: a list, a length in characters; the least share of games won there by a player
    // guessing by the list's frequencies and by one who knows the list, in percent.
    void winnable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("length");
        QTest::addColumn<double>("byFrequency");
        QTest::addColumn<double>("knowing");

        QTest::newRow("th, 4") << "th.txt" << 4 << 25.0 << 95.0;
        QTest::newRow("th, 7") << "th.txt" << 7 << 25.0 << 95.0;
    }

    void winnable()
    {
        QFETCH(QString, file);
        QFETCH(int, length);
        QFETCH(double, byFrequency);
        QFETCH(double, knowing);

        const QString path = QStringLiteral(VELMORA_DICTIONARY_DIR "/") + file;
        const Dictionary d = Dictionary::fromBytes(readAll(path));
        const velmora::characters::GuessMatching matching = velmora::characters::GuessMatching::forFile(path);
        QHash<QString, int> ids;
        QHash<int, int> cells; // of each key in the whole list
        const auto id = [&ids](const QString &text) {
            const auto known = ids.constFind(text);
            return known != ids.cend() ? *known : *ids.insert(text, int(ids.size()));
        };
        QList<Puzzle> puzzles;
        for (int c = 1; c <= Dictionary::LongClass; ++c) {
            for (qint32 slot = 0; slot < d.count(c); ++slot) {
                const auto letters = velmora::characters::CharacterList(d.entry(c, slot)).lowered(matching.caseLanguage());
                const auto keys = matching.keys(letters);
                Puzzle p;
                for (qsizetype i = 0; i < letters.size(); ++i) {
                    const bool shown = velmora::characters::standsRevealed(letters.at(i), matching.shownFromStart());
                    p.keys.append(shown ? -1 : id(keys.at(i).toString()));
                    p.texts.append(id(letters.at(i).toString()));
                    ++cells[p.keys.last()];
                }
                if (c == length)
                    puzzles.append(p);
            }
        }
        QList<int> order = cells.keys();
        std::sort(order.begin(), order.end(), [&](int a, int b) { return cells[a] > cells[b] || (cells[a] == cells[b] && a < b); });
        order.removeAll(-1);
        const auto [frequency, known] = wins(puzzles, order, std::max<qsizetype>(1, puzzles.size() / (Stride == 1 ? 400 : 40)));
        qInfo("%s, %d characters: %.1f%% won by frequency, %.1f%% knowing the list", qPrintable(file), length, frequency, known);
        QVERIFY(frequency >= byFrequency);
        QVERIFY(known >= knowing);
    }
};

QTEST_GUILESS_MAIN(TestWordLists)
#include "tst_wordlists.moc"
