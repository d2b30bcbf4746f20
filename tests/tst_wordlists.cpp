#include "Characters.h"
#include "Dictionary.h"

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

        QTest::newRow("en") << "Dictionary.txt" << "en" << 170000 << QList<int>{38, 5335, 23730, 9334};
        QTest::newRow("ar") << "ar.txt" << "ar" << 15204 << QList<int>{289, 4533, 101, 0};
        QTest::newRow("cs") << "cs.txt" << "cs" << 21115 << QList<int>{97, 3077, 3243, 17};
        QTest::newRow("da") << "da.txt" << "da" << 15507 << QList<int>{134, 2032, 1962, 137};
        QTest::newRow("de") << "de.txt" << "de" << 24979 << QList<int>{30, 1729, 3440, 258};
        QTest::newRow("el") << "el.txt" << "el" << 35660 << QList<int>{57, 2360, 5543, 105};
        QTest::newRow("eo") << "eo.txt" << "eo" << 12000 << QList<int>{45, 1413, 2029, 0};
        QTest::newRow("es") << "es.txt" << "es" << 15603 << QList<int>{95, 1759, 2388, 74};
        QTest::newRow("fr") << "fr.txt" << "fr" << 16326 << QList<int>{87, 1747, 2485, 58};
        QTest::newRow("hu") << "hu.txt" << "hu" << 25245 << QList<int>{112, 2755, 3693, 114};
        QTest::newRow("it") << "it.txt" << "it" << 16337 << QList<int>{74, 1379, 2564, 101};
        QTest::newRow("nb") << "nb.txt" << "nb" << 17643 << QList<int>{100, 2365, 2233, 130};
        QTest::newRow("nl") << "nl.txt" << "nl" << 22658 << QList<int>{104, 1973, 3188, 165};
        QTest::newRow("pl") << "pl.txt" << "pl" << 29464 << QList<int>{142, 3220, 4423, 49};
        QTest::newRow("pt-BR") << "pt-BR.txt" << "pt-BR" << 16141 << QList<int>{88, 1894, 2647, 79};
        QTest::newRow("pt") << "pt.txt" << "pt" << 17161 << QList<int>{67, 1902, 2803, 71};
        QTest::newRow("ru") << "ru.txt" << "ru" << 25873 << QList<int>{97, 2460, 3622, 222};
        QTest::newRow("sv") << "sv.txt" << "sv" << 14795 << QList<int>{109, 2086, 1828, 161};
        QTest::newRow("th") << "th.txt" << "th" << 1229 << QList<int>{191, 151, 40, 0};
        QTest::newRow("tr") << "tr.txt" << "tr" << 17840 << QList<int>{101, 3295, 2482, 12};
        QTest::newRow("uk") << "uk.txt" << "uk" << 25758 << QList<int>{98, 2582, 3856, 109};
    }

    void list()
    {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(int, total);
        QFETCH(QList<int>, classes);

        const QByteArray bytes = readAll(QStringLiteral(VELMORA_DICTIONARY_DIR "/") + file);
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
            QVERIFY2(velmora::characters::lettersToFind(line, 2) == 2, qPrintable(entry));
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
};

QTEST_GUILESS_MAIN(TestWordLists)
#include "tst_wordlists.moc"
