// A dictionary file that changes while the game reads it: cut short, emptied, deleted,
// replaced or grown, during a read or between two reads.
//
// To make the moment exact, this program supplies its own read() and pread(). While a test has
// armed them for one file, that file's bytes are handed out as usual until `part` bytes have
// gone in all (over however many reads and passes the reader makes); the read that reaches
// `part` is cut there and the file is then changed as the row asks. Every other read passes
// straight through.

#include "GameDoubles.h"
#include "RobustnessSupport.h"
#include "Texts.h"

#include <QTest>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

using namespace velmora;
using namespace velmora::testing;

namespace {

template <typename Function>
Function next(const char *name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

using ReadFunction = ssize_t (*)(int, void *, size_t);
using PreadFunction = ssize_t (*)(int, void *, size_t, off_t);

ReadFunction nextRead()
{
    static const auto f = next<ReadFunction>("read");
    return f;
}

PreadFunction nextPread(bool large)
{
    static const auto f = next<PreadFunction>("pread");
    static const auto f64 = next<PreadFunction>("pread64");
    return large ? f64 : f;
}

struct ReadTrap
{
    bool armed = false;
    dev_t device = 0;
    ino_t inode = 0;
    size_t part = 0; // bytes handed out before the change
    bool changeFirst = false; // change the file before its first read instead
    std::function<void()> change;
    size_t served = 0;
    bool sprung = false;

    bool watches(int fd) const
    {
        struct stat st {};
        return armed && ::fstat(fd, &st) == 0 && st.st_dev == device && st.st_ino == inode;
    }

    // Runs one read of the watched file through `doRead(count)`.
    template <typename Read>
    ssize_t serve(size_t count, Read doRead)
    {
        if (changeFirst) {
            spring();
            return doRead(count);
        }
        const ssize_t n = doRead(std::min(count, part - served));
        if (n > 0)
            served += size_t(n);
        if (served >= part)
            spring();
        return n;
    }

    void spring()
    {
        armed = false;
        sprung = true;
        change();
    }
};

ReadTrap trap;

} // namespace

extern "C" ssize_t read(int fd, void *buffer, size_t count)
{
    if (trap.watches(fd))
        return trap.serve(count, [&](size_t n) { return nextRead()(fd, buffer, n); });
    return nextRead()(fd, buffer, count);
}

extern "C" ssize_t pread(int fd, void *buffer, size_t count, off_t offset)
{
    if (trap.watches(fd))
        return trap.serve(count, [&](size_t n) { return nextPread(false)(fd, buffer, n, offset); });
    return nextPread(false)(fd, buffer, count, offset);
}

extern "C" ssize_t pread64(int fd, void *buffer, size_t count, off_t offset)
{
    if (trap.watches(fd))
        return trap.serve(count, [&](size_t n) { return nextPread(true)(fd, buffer, n, offset); });
    return nextPread(true)(fd, buffer, count, offset);
}

namespace {

enum class Change { CutShort, Emptied, Deleted, Replaced, Grown, GrownPastLimit };

constexpr qsizetype LineBytes = 9; // "w0000000\n"
constexpr int Lines = 10000;
constexpr qsizetype Whole = LineBytes * Lines;
constexpr int Refused = -1;

QString numbered(int i)
{
    return QLatin1Char('w') + QString::number(i).rightJustified(7, QLatin1Char('0'));
}

QByteArray numberedLines(int from, int count)
{
    QByteArray bytes;
    for (int i = from; i < from + count; ++i)
        bytes += numbered(i).toLatin1() + '\n';
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestChangingFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(nextRead() && nextPread(false) && nextPread(true), "no read functions to pass on to");
    }

    // Legend: what happens to the file; the bytes handed out before it happens; whether the
    // change comes before the first read; the entries the load must give, or Refused. The file
    // is read to its end once, whatever size it had when opened.
    void changedWhileRead_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<qsizetype>("part");
        QTest::addColumn<bool>("changeFirst");
        QTest::addColumn<int>("words");

        QTest::newRow("cut short in the middle of a line") << Change::CutShort << LineBytes * 100 + 4 << false << 101;
        QTest::newRow("cut short at a line end") << Change::CutShort << LineBytes * 100 << false << 100;
        QTest::newRow("emptied before the first read") << Change::Emptied << Whole << true << 0;
        QTest::newRow("emptied after the first part") << Change::Emptied << LineBytes * 7 << false << 7;
        QTest::newRow("deleted while open") << Change::Deleted << LineBytes * 3 << false << Lines;
        QTest::newRow("replaced while open") << Change::Replaced << LineBytes * 3 << false << Lines;
        QTest::newRow("grown while read") << Change::Grown << LineBytes * 3 << false << Lines + 500;
        QTest::newRow("grown past the size limit while read") << Change::GrownPastLimit << LineBytes * 3 << false << Refused;
    }

    void changedWhileRead()
    {
        QFETCH(Change, change);
        QFETCH(qsizetype, part);
        QFETCH(bool, changeFirst);
        QFETCH(int, words);

        WorkingFolder folder;
        QVERIFY(folder.isValid());
        const QString path = folder.dictionaryPath(QStringLiteral("changing.txt"));
        const QString other = folder.dictionaryPath(QStringLiteral("other.txt"));
        QVERIFY(writeFile(path, numberedLines(0, Lines)));
        QVERIFY(writeFile(other, "other\n"));

        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        trap = ReadTrap{};
        trap.device = st.st_dev;
        trap.inode = st.st_ino;
        trap.part = size_t(part);
        trap.changeFirst = changeFirst;
        trap.change = [&] {
            switch (change) {
            case Change::CutShort:
                QFile::resize(path, part % Whole);
                break;
            case Change::Emptied:
                QFile::resize(path, 0);
                break;
            case Change::Deleted:
                QFile::remove(path);
                break;
            case Change::Replaced:
                ::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData());
                break;
            case Change::GrownPastLimit:
                QFile::resize(path, Dictionary::MaxFileBytes + 1); // sparse: quick to make and to read
                break;
            case Change::Grown: {
                QFile f(path);
                if (f.open(QIODevice::Append))
                    f.write(numberedLines(Lines, 500));
                break;
            }
            }
        };
        trap.armed = true;

        GameRig rig;
        rig.useDictionary("previous\n");
        const auto status = rig.game.LoadTheDictionary(QStringLiteral("changing.txt"));
        trap.armed = false;
        QVERIFY(trap.sprung);

        const Dictionary &d = rig.state().Tables;
        if (words == Refused) {
            QCOMPARE(status, Dictionary::ReadStatus::TooLarge);
            QCOMPARE(rig.prompter.prompts, (QStringList{texts::WaitPrompt, texts::FileNotFound}));
            QCOMPARE(d.WordsByLength(8, 0), QStringLiteral("previous")); // the dictionary before it stays
            return;
        }
        QCOMPARE(status, Dictionary::ReadStatus::Loaded);
        const qint32 total = d.TotalWords();
        QCOMPARE(total, words);
        QCOMPARE(rig.prompter.prompts, (QStringList{texts::WaitPrompt, texts::signPlace(total) + texts::WordsLoadedSuffix}));

        // What was kept is the file as it was read: whole lines in order, and at most one line
        // cut short after them.
        const qint32 whole = d.LengthCounts(8);
        for (qint32 i = 0; i < whole; ++i)
            QCOMPARE(d.WordsByLength(8, i), numbered(i));
        QVERIFY(total - whole <= 1);
        for (int length = 0; length < 8; ++length) {
            if (d.LengthCounts(length) == 1)
                QCOMPARE(d.WordsByLength(length, 0), numbered(whole).left(length));
        }
    }
};

QTEST_GUILESS_MAIN(TestChangingFile)
#include "tst_robust_changing_file.moc"
