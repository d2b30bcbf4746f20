#include "Dictionary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using velmora::Dictionary;
using ReadStatus = velmora::Dictionary::ReadStatus;

namespace {

// Every entry of a dictionary in file order within its class: rows 0..15, then the long list.
QStringList entriesByClass(const Dictionary &d)
{
    QStringList all;
    for (int length = 0; length <= Dictionary::LongestShortEntry; ++length) {
        for (qint32 slot = 0; slot < d.LengthCounts(length); ++slot)
            all << d.WordsByLength(length, slot);
    }
    for (qint32 i = 0; i < d.LongWordCount(); ++i)
        all << d.LongWords(i);
    return all;
}

QStringList sortedByClass(QStringList fields)
{
    std::stable_sort(fields.begin(), fields.end(), [](const QString &a, const QString &b) {
        return std::min<qsizetype>(a.size(), 16) < std::min<qsizetype>(b.size(), 16);
    });
    return fields;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT
private slots:
    // Legend: the file's bytes exactly, with \n, \r and commas visible; the fields they give.
    void fieldSplitting_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("empty file") << QByteArray("") << QStringList{};
        QTest::newRow("one entry, no line end") << QByteArray("a") << QStringList{"a"};
        QTest::newRow("final line end starts nothing") << QByteArray("a\n") << QStringList{"a"};
        QTest::newRow("a lone line end is one empty entry") << QByteArray("\n") << QStringList{""};
        QTest::newRow("empty line between entries") << QByteArray("a\n\nb") << QStringList{"a", "", "b"};
        QTest::newRow("comma then line end") << QByteArray("a,\n") << QStringList{"a", ""};
        QTest::newRow("comma at the very end") << QByteArray("a,") << QStringList{"a"};
        QTest::newRow("two entries on one line") << QByteArray("abcd,efgh\n") << QStringList{"abcd", "efgh"};
        QTest::newRow("CRLF") << QByteArray("ab\r\ncd\r\n") << QStringList{"ab", "cd"};
        QTest::newRow("CR alone") << QByteArray("ab\rcd\r") << QStringList{"ab", "cd"};
        QTest::newRow("CR before CRLF") << QByteArray("ab\r\r\ncd") << QStringList{"ab", "", "cd"};
        QTest::newRow("LF CR is two ends") << QByteArray("ab\n\rcd") << QStringList{"ab", "", "cd"};
        QTest::newRow("phrase keeps its blank") << QByteArray("four word\n") << QStringList{"four word"};
        QTest::newRow("no trimming, no quotes")
            << QByteArray(" pad ,\"quo\"\t\n") << QStringList{" pad ", "\"quo\"\t"};
        QTest::newRow("case kept") << QByteArray("MiXeD\n") << QStringList{"MiXeD"};
        QTest::newRow("duplicates all count") << QByteArray("dup\ndup\ndup\n") << QStringList{"dup", "dup", "dup"};
        QTest::newRow("NUL inside a line")
            << QByteArray("a\0b\n", 4) << QStringList{QString::fromLatin1("a\0b", 3)};
        QTest::newRow("15 and 16 characters")
            << QByteArray("fifteen-letters\nsixteen--letters\n")
            << QStringList{"fifteen-letters", "sixteen--letters"};
        QTest::newRow("long words across many SWAR blocks")
            << QByteArray("abcdefghijklmnopqrstuvwxyz,0123456789abcdefghij\nk")
            << QStringList{"abcdefghijklmnopqrstuvwxyz", "0123456789abcdefghij", "k"};
        // The reader takes 64 KiB at a time: fields and line ends across those seams.
        QTest::newRow("CRLF cut by a band's end")
            << (QByteArray(65535, 'a') + "\r\nb") << QStringList{QString(65535, u'a'), "b"};
        QTest::newRow("CR at a band's end, then CR")
            << (QByteArray(65535, 'a') + "\r\rb") << QStringList{QString(65535, u'a'), "", "b"};
        QTest::newRow("CRLF across a band's end at the very end")
            << (QByteArray(65535, 'a') + "\r\n") << QStringList{QString(65535, u'a')};
        QTest::newRow("entry across a band's end")
            << (QByteArray("abcdefg\n").repeated(8191) + "abcdefghij\n")
            << (QStringList(8191, QStringLiteral("abcdefg")) << QStringLiteral("abcdefghij"));
        QTest::newRow("entry longer than a band")
            << (QByteArray(200000, 'q') + "\nend") << QStringList{QString(200000, u'q'), "end"};
        QTest::newRow("last entry fills a band exactly") << QByteArray(65536, 'z') << QStringList{QString(65536, u'z')};
        QTest::newRow("line end opens the next band")
            << (QByteArray(65536, 'z') + "\n") << QStringList{QString(65536, u'z')};
    }

    void fieldSplitting()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, fields);

        const Dictionary d = Dictionary::fromBytes(file);
        QCOMPARE(entriesByClass(d), sortedByClass(fields));
        QCOMPARE(d.TotalWords(), fields.size());
        qint32 sum = 0;
        for (int length = 0; length <= Dictionary::LongestShortEntry; ++length)
            sum += d.LengthCounts(length);
        QCOMPARE(sum, d.ShortWordCount());
        QCOMPARE(d.ShortWordCount() + d.LongWordCount(), d.TotalWords());
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("entry");

        QTest::newRow("ASCII") << QByteArray("plain") << QStringLiteral("plain");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9") << QStringLiteral(u"café");
        QTest::newRow("UTF-8 byte-order mark skipped") << QByteArray("\xef\xbb\xbf" "abc") << QStringLiteral("abc");
        QTest::newRow("UTF-8 outside the BMP counts two")
            << QByteArray("\xf0\x9f\x98\x80") << QStringLiteral(u"\U0001F600");
        QTest::newRow("invalid UTF-8 is Windows-1252") << QByteArray("caf\xe9") << QStringLiteral(u"café");
        QTest::newRow("1252 punctuation")
            << QByteArray("\x93q\x94\x85\x80") << QStringLiteral(u"\u201Cq\u201D\u2026\u20AC");
        QTest::newRow("1252 undefined bytes keep their code") << QByteArray("\x81\x9d") << QStringLiteral(u"\u0081\u009D");
        QTest::newRow("truncated UTF-8 sequence") << QByteArray("ab\xe2\x82") << QStringLiteral(u"ab\u00E2\u201A");
        QTest::newRow("byte-order mark before invalid UTF-8")
            << QByteArray("\xef\xbb\xbfz\xff") << QStringLiteral(u"\u00EF\u00BB\u00BFz\u00FF");
        QTest::newRow("UTF-16 read as bytes")
            << QByteArray("\xff\xfeh\0", 4) << QString(QStringLiteral(u"\u00FF\u00FEh") + QChar(0));
        QTest::newRow("UTF-8 after the first band")
            << (QByteArray(70000, 'a') + "caf\xc3\xa9") << (QString(70000, u'a') + QStringLiteral(u"café"));
        QTest::newRow("Windows-1252 after the first band")
            << (QByteArray(70000, 'a') + "caf\xe9") << (QString(70000, u'a') + QStringLiteral(u"café"));
    }

    void decoding()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, entry);

        const Dictionary d = Dictionary::fromBytes(file);
        QCOMPARE(d.TotalWords(), 1);
        QCOMPARE(entriesByClass(d), QStringList{entry});
    }

    void slotsBeyondCountHoldNothing()
    {
        const Dictionary d = Dictionary::fromBytes("abc\nlonger-than-fifteen\n");
        QCOMPARE(d.WordsByLength(3, 0), QStringLiteral("abc"));
        QCOMPARE(d.WordsByLength(3, 1), QString());
        QCOMPARE(d.WordsByLength(4, 0), QString());
        QCOMPARE(d.WordsByLength(-1, 0), QString());
        QCOMPARE(d.WordsByLength(16, 0), QString());
        QCOMPARE(d.LongWords(0), QStringLiteral("longer-than-fifteen"));
        QCOMPARE(d.LongWords(1), QString());
        QCOMPARE(d.LongWords(-1), QString());
    }

    void playableEntries()
    {
        // Row 3: "a b" leaves two to find, "  x" one; row 2: "  " none.
        const Dictionary d = Dictionary::fromBytes("  x\na b\n  \nxyz\nab\n");
        QCOMPARE(d.playableCount(3), 2);
        QCOMPARE(d.playableSlot(3, 0), 1);
        QCOMPARE(d.playableSlot(3, 1), 2);
        QCOMPARE(d.playableCount(2), 1);
        QCOMPARE(d.playableSlot(2, 0), 1);
        QCOMPARE(d.playableCount(Dictionary::LongClass), 0);
    }

    void readFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ReadStatus>("status");

        QTest::newRow("regular file") << "words.txt" << ReadStatus::Loaded;
        QTest::newRow("missing file") << "nothing.txt" << ReadStatus::Missing;
        QTest::newRow("empty name is the folder") << "" << ReadStatus::NotARegularFile;
        QTest::newRow("sub-folder") << "sub" << ReadStatus::NotARegularFile;
        QTest::newRow("file in a sub-folder") << "sub/inner.txt" << ReadStatus::Loaded;
        QTest::newRow("through a missing folder") << "none/inner.txt" << ReadStatus::Missing;
        QTest::newRow("leading blank is part of the name") << " words.txt" << ReadStatus::Missing;
        QTest::newRow("FIFO does not block") << "fifo" << ReadStatus::NotARegularFile;
        QTest::newRow("endless device") << "zero" << ReadStatus::NotARegularFile;
        QTest::newRow("too large") << "huge.txt" << ReadStatus::TooLarge;
        QTest::newRow("a file below the size limit") << "limit.txt" << ReadStatus::Loaded;
    }

    void readFile()
    {
        QFETCH(QString, name);
        QFETCH(ReadStatus, status);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString base = dir.path() + QStringLiteral("/Dictionary/");
        QVERIFY(QDir().mkpath(base + QStringLiteral("sub")));
        writeFile(base + QStringLiteral("words.txt"), "one\ntwo\n");
        writeFile(base + QStringLiteral("sub/inner.txt"), "inner\n");
        QCOMPARE(::mkfifo(QFile::encodeName(base + QStringLiteral("fifo")).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), base + QStringLiteral("zero")));
        for (const auto &[file, size] : {std::pair{"huge.txt", Dictionary::MaxFileBytes + 1},
                                         std::pair{"limit.txt", qint64(1) << 20}}) {
            QFile sparse(base + QLatin1String(file));
            QVERIFY(sparse.open(QIODevice::WriteOnly));
            QVERIFY(sparse.resize(size));
        }

        // A failed read leaves the dictionary it was given as it was.
        Dictionary d = Dictionary::fromBytes("keep\nthese\n");
        QCOMPARE(Dictionary::readFile(base + name, d), status);
        if (status == ReadStatus::Loaded) {
            QVERIFY(d.TotalWords() >= 1);
            QVERIFY(d.WordsByLength(4, 0) != QStringLiteral("keep"));
        } else {
            QCOMPARE(d.TotalWords(), 2);
            QCOMPARE(d.WordsByLength(4, 0), QStringLiteral("keep"));
        }
    }

    // The tables cost about two bytes per character and four per entry, never a slot per row.
    void compactStorage()
    {
        QByteArray file;
        for (int i = 0; i < 10000; ++i)
            file += "entry" + QByteArray::number(i) + '\n';
        const Dictionary d = Dictionary::fromBytes(file);
        QCOMPARE(d.TotalWords(), 10000);
        QVERIFY2(d.heapBytes() <= std::size_t(file.size()) * 5 / 2, QByteArray::number(qulonglong(d.heapBytes())));
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
