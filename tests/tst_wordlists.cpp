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

        QTest::newRow("en") << "Dictionary.txt" << "en" << 170000 << QList<int>{34, 3385, 9265, 7492};
        QTest::newRow("ar") << "ar.txt" << "ar" << 80000 << QList<int>{155, 16230, 7686, 0};
        QTest::newRow("cs") << "cs.txt" << "cs" << 120000 << QList<int>{90, 4917, 17041, 2906};
        QTest::newRow("da") << "da.txt" << "da" << 120000 << QList<int>{136, 5534, 14492, 6697};
        QTest::newRow("de") << "de.txt" << "de" << 120000 << QList<int>{30, 2746, 10333, 10060};
        QTest::newRow("el") << "el.txt" << "el" << 120000 << QList<int>{32, 2221, 10615, 7552};
        QTest::newRow("eo") << "eo.txt" << "eo" << 120000 << QList<int>{43, 5123, 18180, 891};
        QTest::newRow("es") << "es.txt" << "es" << 120000 << QList<int>{77, 5059, 19493, 920};
        QTest::newRow("fr") << "fr.txt" << "fr" << 120000 << QList<int>{81, 4708, 19359, 1349};
        QTest::newRow("hu") << "hu.txt" << "hu" << 120000 << QList<int>{84, 2854, 12069, 6940};
        QTest::newRow("it") << "it.txt" << "it" << 120000 << QList<int>{55, 3185, 12738, 791};
        QTest::newRow("nb") << "nb.txt" << "nb" << 120000 << QList<int>{44, 2440, 8056, 24406};
        QTest::newRow("nl") << "nl.txt" << "nl" << 120000 << QList<int>{91, 4148, 14241, 7189};
        QTest::newRow("pl") << "pl.txt" << "pl" << 120000 << QList<int>{74, 5815, 16008, 3892};
        QTest::newRow("pt-BR") << "pt-BR.txt" << "pt-BR" << 120000 << QList<int>{56, 2837, 14819, 1608};
        QTest::newRow("pt") << "pt.txt" << "pt" << 120000 << QList<int>{89, 5657, 19829, 1055};
        QTest::newRow("ru") << "ru.txt" << "ru" << 120000 << QList<int>{86, 4073, 12489, 6985};
        QTest::newRow("sv") << "sv.txt" << "sv" << 120000 << QList<int>{93, 5804, 16391, 4172};
        QTest::newRow("th") << "th.txt" << "th" << 51389 << QList<int>{2132, 9125, 4214, 468};
        QTest::newRow("tr") << "tr.txt" << "tr" << 120000 << QList<int>{101, 6878, 15380, 5287};
        QTest::newRow("uk") << "uk.txt" << "uk" << 120000 << QList<int>{48, 2540, 10561, 11938};
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
