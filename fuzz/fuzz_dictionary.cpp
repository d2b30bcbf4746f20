// Feeds arbitrary bytes to the dictionary reader as the contents of a dictionary file, checks
// the tables it builds against a plain reading of the same text (composed whole, and every
// entry in the class of its length in characters as ICU's break iterator counts them over the
// whole entry), and, for small inputs, plays a game on them with the guesses, draws and
// answers taken from the input too.
//
// The reader converts its text a stretch at a time, so inputs are also read placed across the
// 64 KiB mark behind one long filler entry, both from memory and from a file.

#include "CheckedGame.h"
#include "Composition.h"
#include "Segmentation.h"
#include "Dictionary.h"
#include "Game.h"

#include <QStringDecoder>

#include <unicode/brkiter.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

using velmora::Dictionary;
using namespace velmora::testing;

namespace {

[[noreturn]] void fault(const QString &what)
{
    std::fprintf(stderr, "dictionary fault: %s\n", qPrintable(what));
    std::abort();
}

void require(bool ok, const char *what)
{
    if (!ok)
        fault(QString::fromLatin1(what));
}

// The text as the reader must see it, composed whole: UTF-16 after its byte-order mark; else,
// with a UTF-8 byte-order mark dropped, UTF-8 when valid and one character per byte otherwise.
// For the last, `approximate` is set: bytes 0x80..0x9F stand for Windows-1252 characters this
// reading does not name.
QString decodedText(QByteArrayView bytes, bool &approximate)
{
    approximate = false;
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        // Unit by unit; a surrogate without its pair, and an odd byte at the end, are U+FFFD.
        const bool little = bytes.startsWith("\xff\xfe");
        QString decoded;
        for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
            const auto low = uchar(bytes[little ? i : i + 1]), high = uchar(bytes[little ? i + 1 : i]);
            decoded += QChar(char16_t(high << 8 | low));
        }
        for (qsizetype i = 0; i < decoded.size(); ++i) {
            if (decoded[i].isHighSurrogate() && i + 1 < decoded.size() && decoded[i + 1].isLowSurrogate())
                ++i;
            else if (decoded[i].isSurrogate())
                decoded[i] = QChar(0xFFFD);
        }
        if (bytes.size() % 2 != 0)
            decoded += QChar(0xFFFD);
        return velmora::characters::composed(decoded);
    }
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes = bytes.sliced(3);
    if (bytes.isValidUtf8()) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom); // a second mark is a character
        return velmora::characters::composed(utf8.decode(bytes));
    }
    approximate = true;
    return QString::fromLatin1(bytes);
}

// Fields end at LF, CR, CRLF or a comma; a delimiter at the very end starts no further field.
QStringList plainFields(const QString &text)
{
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype d = start;
        while (d < n && text[d] != u'\n' && text[d] != u'\r' && text[d] != u',')
            ++d;
        fields.append(text.mid(start, d - start));
        if (d == n)
            break;
        start = d + 1;
        if (text[d] == u'\r' && start < n && text[start] == u'\n')
            ++start;
    }
    return fields;
}

bool sameEntry(const QString &got, const QString &expected, bool approximate)
{
    if (got.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < got.size(); ++i) {
        const char16_t e = expected[i].unicode();
        if (approximate && e >= 0x80 && e < 0xA0) {
            if (got[i].unicode() < 0x80) // a 1252 character is never ASCII
                return false;
        } else if (got[i] != expected[i]) {
            return false;
        }
    }
    return true;
}

// Characters as ICU's break iterator finds them over the whole text, without the reader's
// shortcuts.
qsizetype characterCount(const QString &text)
{
    static const std::unique_ptr<icu::BreakIterator> breaks([] {
        UErrorCode status = U_ZERO_ERROR;
        return icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status);
    }());
    const icu::UnicodeString alias(false, QStringView(text).utf16(), int32_t(text.size()));
    breaks->setText(alias);
    qsizetype n = 0;
    for (int32_t b = breaks->next(); b != icu::BreakIterator::DONE; b = breaks->next())
        ++n;
    return n;
}

void checkTables(const Dictionary &d, QByteArrayView bytes)
{
    qint32 shortSum = 0;
    for (int length = 0; length <= Dictionary::LongestShortEntry; ++length) {
        require(d.LengthCounts(length) >= 0, "negative count");
        shortSum += d.LengthCounts(length);
    }
    require(shortSum == d.ShortWordCount(), "row counts do not add up to the short entries");
    require(d.TotalWords() == d.ShortWordCount() + d.LongWordCount(), "total is not short + long");

    // Every entry in its row, rows in length order then the long list, each in file order.
    bool approximate = false;
    const QStringList fields = plainFields(decodedText(bytes, approximate));
    require(d.TotalWords() == fields.size(), "entry count differs from the fields of the text");
    QList<QStringList> byClass(Dictionary::LongClass + 1);
    for (const QString &f : fields)
        byClass[std::min<qsizetype>(characterCount(f), Dictionary::LongClass)].append(f);

    for (int length = 0; length <= Dictionary::LongestShortEntry; ++length) {
        const qint32 count = d.LengthCounts(length);
        require(count == byClass[length].size(), "row count differs from the fields of that length");
        for (qint32 slot = 0; slot < count; ++slot) {
            const QString entry = d.WordsByLength(length, slot);
            require(characterCount(entry) == length, "entry in the wrong row");
            if (!sameEntry(entry, byClass[length][slot], approximate))
                fault(QStringLiteral("row %1 slot %2 holds \"%3\"").arg(length).arg(slot).arg(entry));
        }
        require(d.WordsByLength(length, count).isEmpty(), "an entry past the row's count");
        require(d.WordsByLength(length, -1).isEmpty(), "an entry before the row's start");
    }
    const qint32 longCount = d.LongWordCount();
    require(longCount == byClass[Dictionary::LongClass].size(), "long count differs");
    for (qint32 i = 0; i < longCount; ++i) {
        const QString entry = d.LongWords(i);
        require(characterCount(entry) > Dictionary::LongestShortEntry, "a short entry among the long ones");
        require(sameEntry(entry, byClass[Dictionary::LongClass][i], approximate), "long entry differs");
    }
    require(d.LongWords(longCount).isEmpty() && d.LongWords(-1).isEmpty(), "a long entry out of range");
    require(d.WordsByLength(Dictionary::LongClass, 0).isEmpty(), "a row past the short lengths");
    require(d.LengthCounts(Dictionary::LongClass) == 0 && d.LengthCounts(-1) == 0, "a count out of range");
}

// Every entry of every class, rows in length order then the long list.
QList<QStringList> entriesOf(const Dictionary &d)
{
    QList<QStringList> all(Dictionary::LongClass + 1);
    for (int length = 0; length <= Dictionary::LongestShortEntry; ++length) {
        for (qint32 slot = 0; slot < d.LengthCounts(length); ++slot)
            all[length].append(d.WordsByLength(length, slot));
    }
    for (qint32 i = 0; i < d.LongWordCount(); ++i)
        all[Dictionary::LongClass].append(d.LongWords(i));
    return all;
}

// The input behind a filler line of 'a's, so that it starts `into` bytes before the 64 KiB mark.
QByteArray acrossTheMark(QByteArrayView bytes, qsizetype into)
{
    constexpr qsizetype Mark = 64 * 1024;
    QByteArray text(Mark - into - 1, 'a');
    text += '\n';
    text += bytes;
    return text;
}

// A file holding the given bytes, for Dictionary::readFile to read by its name.
QString fileHolding(QByteArrayView bytes)
{
    static const int fd = ::memfd_create("velmora-fuzz", MFD_CLOEXEC);
    require(fd >= 0, "no memory file");
    require(::ftruncate(fd, 0) == 0, "cannot empty the memory file");
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, std::size_t(bytes.size() - done), off_t(done));
        require(n > 0, "cannot write the memory file");
        done += n;
    }
    return QStringLiteral("/proc/self/fd/") + QString::number(fd);
}

// The input read across the 64 KiB mark, from memory and from a file, must give the entries it
// gives alone, after the filler.
void checkAcrossTheMark(const Dictionary &alone, QByteArrayView bytes)
{
    // A byte-order mark counts only at the very start of a text: behind the filler it is a character.
    if (bytes.startsWith("\xef\xbb\xbf") || bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff"))
        return;
    const QByteArray text = acrossTheMark(bytes, bytes.size() / 2);
    const qsizetype fillerLength = text.indexOf('\n');

    const Dictionary inMemory = Dictionary::fromBytes(text);
    QList<QStringList> expected = entriesOf(alone);
    QList<QStringList> got = entriesOf(inMemory);
    QStringList &longList = got[Dictionary::LongClass];
    require(!longList.isEmpty() && longList.front().size() == fillerLength, "the filler entry is missing");
    longList.removeFirst();
    require(got == expected, "entries differ when read across the 64 KiB mark");

    Dictionary fromFile = Dictionary::fromBytes("stale\n");
    require(Dictionary::readFile(fileHolding(text), fromFile) == Dictionary::ReadStatus::Loaded, "file not read");
    require(entriesOf(fromFile) == entriesOf(inMemory), "a file and the same bytes in memory give different entries");
}

// Draws taken from the input bytes in turn, over and over.
class ByteRandom final : public velmora::RandomSource
{
public:
    ByteRandom(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    void seedFromClock() override { }
    double next() override { return m_size ? m_data[m_next++ % m_size] / 256.0 : 0.0; }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_next = 0;
};

// A short game on the dictionary, driven by the bytes: the level from the first, then each
// byte a guess. A byte with its high bit set picks a character of the word, the others stand
// for themselves (0 for no input at all); answers to the play-again questions alternate.
void playGame(Dictionary dictionary, const std::uint8_t *data, std::size_t size)
{
    const auto lowered = [](const QString &entry) { return velmora::characters::lowered(entry); };
    QSet<QString> entries;
    for (int length = 0; length <= Dictionary::LongestShortEntry; ++length) {
        for (qint32 slot = 0; slot < dictionary.LengthCounts(length); ++slot)
            entries.insert(lowered(dictionary.WordsByLength(length, slot)));
    }
    for (qint32 i = 0; i < dictionary.LongWordCount(); ++i)
        entries.insert(lowered(dictionary.LongWords(i)));

    ByteRandom random(data + 1, size - 1);
    bool yes = data[0] & 1;
    CheckedGame checked(random, [&yes] { return yes = !yes; }, &entries);
    checked.game.state().Tables = std::move(dictionary);
    checked.changeLevel(qint16(velmora::ShortestLevel + data[0] % 16)); // 2..17

    constexpr int MaxClicks = 64;
    for (std::size_t i = 1; i < size && checked.clicks < MaxClicks && checked.fault.isEmpty(); ++i) {
        if (!checked.playable()) {
            checked.changeLevel(qint16(velmora::ShortestLevel + data[i] % 16));
            continue;
        }
        const velmora::characters::CharacterList &word = checked.state().WordLetters;
        const std::uint8_t b = data[i];
        QString input;
        if (b & 0x80) {
            if (!word.isEmpty()) {
                const QString c = word.at((b & 0x7F) % word.size()).toString();
                const QString upper = c.toUpper(); // where that is one character too ("ß" has none)
                input = (b & 0x40) && velmora::characters::CharacterList(upper).size() == 1 ? upper : c;
            }
        } else if (b != 0) {
            input = QChar(b);
        }
        checked.click(input);
    }
    if (!checked.fault.isEmpty())
        fault(checked.fault);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Dictionary d = Dictionary::fromBytes(bytes.toByteArray());
    checkTables(d, bytes);
    // Reading 64 KiB costs far more than the input alone: for one input size in eight.
    if (size % 8 == 0)
        checkAcrossTheMark(d, bytes);

    // Whole games only for small dictionaries, so that the fuzzer keeps its pace.
    constexpr std::size_t GameInputLimit = 2048;
    if (size >= 2 && size <= GameInputLimit)
        playGame(std::move(d), data, size);
    return 0;
}
