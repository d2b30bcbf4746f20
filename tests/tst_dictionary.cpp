#include "Dictionary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using velmora::Dictionary;
using ReadStatus = velmora::Dictionary::ReadStatus;

namespace {

// Every entry as "class:text": classes 0..15 and the long list (16), file order within each.
QStringList entriesByClass(const Dictionary &d)
{
    QStringList all;
    for (int c = 0; c <= Dictionary::LongClass; ++c) {
        for (qint32 slot = 0; slot < d.count(c); ++slot) {
            const QString entry = c == Dictionary::LongClass ? d.LongWords(slot) : d.WordsByLength(c, slot);
            all << QString::number(c) + u':' + entry;
        }
    }
    return all;
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
    // Legend: the file's bytes exactly, with \n, \r, commas and byte values visible; then every
    // entry it gives as "class:text" (the class is the length in characters, 16 for longer).
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("empty file") << QByteArray("") << QStringList{};
        QTest::newRow("one entry, no line end") << QByteArray("a") << QStringList{"1:a"};
        QTest::newRow("final line end starts nothing") << QByteArray("a\n") << QStringList{"1:a"};
        QTest::newRow("a lone line end is one empty entry") << QByteArray("\n") << QStringList{"0:"};
        QTest::newRow("empty line between entries") << QByteArray("a\n\nb") << QStringList{"0:", "1:a", "1:b"};
        QTest::newRow("comma then line end") << QByteArray("a,\n") << QStringList{"0:", "1:a"};
        QTest::newRow("comma at the very end") << QByteArray("a,") << QStringList{"1:a"};
        QTest::newRow("two entries on one line") << QByteArray("abcd,efgh\n") << QStringList{"4:abcd", "4:efgh"};
        QTest::newRow("CRLF") << QByteArray("ab\r\ncd\r\n") << QStringList{"2:ab", "2:cd"};
        QTest::newRow("CR alone") << QByteArray("ab\rcd\r") << QStringList{"2:ab", "2:cd"};
        QTest::newRow("CR before CRLF") << QByteArray("ab\r\r\ncd") << QStringList{"0:", "2:ab", "2:cd"};
        QTest::newRow("LF CR is two ends") << QByteArray("ab\n\rcd") << QStringList{"0:", "2:ab", "2:cd"};
        QTest::newRow("blanks kept, no quotes, a phrase")
            << QByteArray(" pad ,\"quo\"\t,four word\n") << QStringList{"5: pad ", "6:\"quo\"\t", "9:four word"};
        QTest::newRow("case kept, duplicates all count")
            << QByteArray("MiXeD\ndup\ndup\n") << QStringList{"3:dup", "3:dup", "5:MiXeD"};
        QTest::newRow("NUL inside a line") << QByteArray("a\0b\n", 4) << QStringList{QString::fromLatin1("3:a\0b", 5)};
        QTest::newRow("15 and 16 characters") << QByteArray("fifteen-letters\nsixteen--letters\n")
                                              << QStringList{"15:fifteen-letters", "16:sixteen--letters"};

        QTest::newRow("UTF-8") << QByteArray("\xce\xa9m\xc3\xa9ga") << QStringList{u"5:Ωméga"_qs};
        QTest::newRow("UTF-8 byte-order mark skipped") << QByteArray("\xef\xbb\xbf" "abc") << QStringList{"3:abc"};
        QTest::newRow("only the first byte-order mark is skipped")
            << QByteArray("\xef\xbb\xbf\xef\xbb\xbf" "ab") << QStringList{u"3:\uFEFFab"_qs};
        QTest::newRow("a byte-order mark and a mark after it: two characters")
            << QByteArray("\xef\xbb\xbf\xef\xbb\xbf\xcc\x81x") << QStringList{u"3:\uFEFF\u0301x"_qs};
        QTest::newRow("byte-order mark skipped before invalid UTF-8")
            << QByteArray("\xef\xbb\xbfz\xff") << QStringList{u"2:zÿ"_qs};
        QTest::newRow("a UTF-8 byte-order mark, then what looks like UTF-16's")
            << QByteArray("\xef\xbb\xbf\xfe\xff" "a\0", 7) << QStringList{u"4:þÿa\0"_qs};
        QTest::newRow("invalid UTF-8 is Windows-1252") << QByteArray("Cr\xe8me") << QStringList{u"5:Crème"_qs};
        QTest::newRow("1252 punctuation; undefined bytes keep their code")
            << QByteArray("\x93q\x94\x85\x80,\x81\x9d") << QStringList{u"2:\u0081\u009D"_qs, u"5:“q”…€"_qs};
        QTest::newRow("truncated UTF-8 sequence") << QByteArray("ab\xe2\x82") << QStringList{u"4:abâ‚"_qs};
        QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfe" "a\0b\0\n\0c\0\xe9\0", 12)
                                   << QStringList{"2:ab", u"2:cé"_qs};
        QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff\0a\0b\0\n\0c\0\xe9", 12)
                                   << QStringList{"2:ab", u"2:cé"_qs};
        QTest::newRow("UTF-16 outside the BMP")
            << QByteArray("\xff\xfe\x3d\xd8\x00\xde" "a\0", 8) << QStringList{u"2:😀a"_qs};

        QTest::newRow("UTF-16: a surrogate alone, then an odd byte, read as U+FFFD")
            << QByteArray("\xff\xfe" "a\0\x3d\xd8" "b\0\x00\xde" ",\0c", 13) << QStringList{u"1:\uFFFD"_qs, u"4:a\uFFFDb\uFFFD"_qs};
        QTest::newRow("UTF-16: a surrogate alone just before an odd last byte: two U+FFFD")
            << QByteArray("\xfe\xff" "\0a\xd8\x3d" "c", 7) << QStringList{u"3:a\uFFFD\uFFFD"_qs};
        QTest::newRow("an emoji is one character") << QByteArray("a\xf0\x9f\x98\x80" "bcd") << QStringList{u"5:a😀bcd"_qs};
        QTest::newRow("a decomposed accent is composed")
            << QByteArray("cafe\xcc\x81s\nx") << QStringList{"1:x", u"5:cafés"_qs};
        QTest::newRow("composed in UTF-16 too") << QByteArray("\xfe\xff\0e\x03\x01", 6) << QStringList{u"1:é"_qs};
        QTest::newRow("a mark that composes with nothing stays") << QByteArray("\xcc\x81x") << QStringList{u"2:\u0301x"_qs};
        QTest::newRow("a heart with its selector, a flag, a skin tone: one character each")
            << QByteArray("\xe2\x9d\xa4\xef\xb8\x8f\xf0\x9f\x87\xab\xf0\x9f\x87\xb7\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd" "a")
            << QStringList{u"4:❤️🇫🇷👍🏽a"_qs};
        QTest::newRow("Thai letters with their marks") << u"ที่นี่"_qs.toUtf8() << QStringList{u"2:ที่นี่"_qs};
        QTest::newRow("a historic-script pair is composed") << u"\U00011099\U000110BAe\u0301"_qs.toUtf8()
                                                           << QStringList{u"2:\U0001109Aé"_qs};
        QTest::newRow("Hangul jamo compose to a syllable") << u"\u1100\u1161\u11A8"_qs.toUtf8() << QStringList{u"1:각"_qs};
        QTest::newRow("marks are put in order") << u"a\u0301\u0323"_qs.toUtf8() << QStringList{u"1:\u1EA1\u0301"_qs};
        QTest::newRow("marks put in order in Thai and Arabic")
            << u"\u0E1B\u0E48\u0E38,\u0645\u064F\u0639\u064E\u0644\u0651\u0650\u0645\u064C"_qs.toUtf8()
            << QStringList{u"1:\u0E1B\u0E38\u0E48"_qs, u"4:\u0645\u064F\u0639\u064E\u0644\u0650\u0651\u0645\u064C"_qs};
        QTest::newRow("a Greek sign that composing replaces") << u"\u03A9\u0374"_qs.toUtf8() << QStringList{u"2:\u03A9\u02B9"_qs};
        QTest::newRow("syllables; a mark first, or after a tab, stands alone")
            << u"\uD55C\uAD6D\uC5B4,\u0E38\u0E01,\t\u0E38"_qs.toUtf8()
            << QStringList{u"2:\u0E38\u0E01"_qs, u"2:\t\u0E38"_qs, u"3:\uD55C\uAD6D\uC5B4"_qs};
        QTest::newRow("a letter across eight bytes") << QByteArray("abcdefg\xc3\xa9h") << QStringList{u"9:abcdefg\u00E9h"_qs};
        QTest::newRow("a joiner after 30 marks in a row")
            << (u"a"_qs + QString(31, QChar(0x0301))).toUtf8()
            << QStringList{u"1:á"_qs + QString(29, QChar(0x0301)) + QChar(0x034F) + QChar(0x0301)};

        // The text is converted 16 KiB at a time: fields and characters across those seams.
        const QByteArray filler(70000, 'a');
        const QString fillerEntry = "16:" + QString(70000, u'a');
        QTest::newRow("UTF-8 after the first stretch")
            << filler + "\ncaf\xc3\xa9" << QStringList{u"4:café"_qs, fillerEntry};
        QTest::newRow("Windows-1252 after the first stretch")
            << filler + "\ncaf\xe9" << QStringList{u"4:café"_qs, fillerEntry};
        QTest::newRow("decomposed after the first stretch")
            << filler + "\ne\xcc\x81\n" << QStringList{u"1:é"_qs, fillerEntry};
        QTest::newRow("UTF-16 surrogate pair across stretches")
            << QByteArray("\xff\xfe") + QByteArray("a\0", 2).repeated(8190) + QByteArray("\x3d\xd8\x00\xde", 4)
            << QStringList{"16:" + QString(8190, u'a') + u"😀"_qs};
        QTest::newRow("UTF-16 field across stretches")
            << QByteArray("\xff\xfe") + QByteArray("a\0", 2).repeated(40000) + QByteArray("\n\0e\0\x01\x03", 6)
            << QStringList{u"1:é"_qs, "16:" + QString(40000, u'a')};
    }

    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);

        const Dictionary d = Dictionary::fromBytes(file);
        QCOMPARE(entriesByClass(d), entries);
        QCOMPARE(d.TotalWords(), entries.size());
        QCOMPARE(d.ShortWordCount() + d.LongWordCount(), d.TotalWords());
        for (int c = 0; c <= Dictionary::LongClass; ++c) // nothing past a class's end
            QVERIFY(d.utf8(c, d.count(c)).isEmpty() && d.utf8(c, -1).isEmpty());
        QCOMPARE(d.WordsByLength(Dictionary::LongClass, 0), QString());
        QCOMPARE(d.LengthCounts(Dictionary::LongClass), 0);
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
        QTest::newRow("a file whose size reads as 0") << "proc" << ReadStatus::Loaded;
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
        QVERIFY(QFile::link(QStringLiteral("/proc/self/comm"), base + QStringLiteral("proc")));
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
        if (name == QLatin1String("proc")) // "tst_dictionary\n", though the file says it holds nothing
            QCOMPARE(entriesByClass(d), QStringList{"14:tst_dictionary"});
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"
