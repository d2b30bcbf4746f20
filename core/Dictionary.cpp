#include "Dictionary.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

// Where the fields of a text are: the length of each, in file order, and the totals per class.
struct FieldScan
{
    explicit FieldScan(std::size_t maxFields)
        : lengths(new quint32[maxFields]) // never more fields than characters + 1; pages untouched stay free
    {
    }

    std::unique_ptr<quint32[]> lengths;
    std::size_t fields = 0;
    std::array<std::size_t, Dictionary::LongClass + 1> entries{};
    std::array<std::size_t, Dictionary::LongClass + 1> chars{};
    bool ascii = true;

    static int classOf(std::size_t length)
    {
        return length > std::size_t(Dictionary::LongestShortEntry) ? Dictionary::LongClass : int(length);
    }

    void add(std::size_t length)
    {
        const int c = classOf(length);
        ++entries[c];
        chars[c] += length;
        lengths[fields++] = quint32(length);
    }
};

namespace {

constexpr bool isDelimiter(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u',';
}

// A field ends at a delimiter; the next one starts after it, a CR followed by LF counting as one
// line end. A line end at the very end of the text starts no further field.
template <typename Char>
std::size_t nextFieldStart(const Char *text, std::size_t n, std::size_t delimiter)
{
    std::size_t next = delimiter + 1;
    if (text[delimiter] == '\r' && next < n && text[next] == '\n')
        ++next;
    return next;
}

FieldScan scanFields(const char16_t *text, std::size_t n)
{
    FieldScan scan(n + 1);
    std::size_t start = 0;
    while (start < n) {
        std::size_t d = start;
        while (d < n && !isDelimiter(text[d]))
            ++d;
        scan.add(d - start);
        if (d == n)
            break;
        start = nextFieldStart(text, n, d);
    }
    return scan;
}

// The same for bytes, eight at a time, noting on the way whether any byte is outside ASCII.
FieldScan scanFields(const unsigned char *text, std::size_t n)
{
    FieldScan scan(n + 1);
    std::size_t start = 0;
    const auto delimiterAt = [&](std::size_t d) {
        if (d < start)
            return; // the LF of a CRLF
        scan.add(d - start);
        start = nextFieldStart(text, n, d);
    };

    constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7Fu;
    constexpr std::uint64_t ones = 0x0101010101010101u;
    // The high bit of every zero byte of v, exact for each byte.
    const auto zeroBytes = [](std::uint64_t v) { return ~(((v & lows) + lows) | v | lows); };
    std::uint64_t seen = 0;
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            std::uint64_t w;
            std::memcpy(&w, text + i, sizeof w);
            seen |= w;
            std::uint64_t hits =
                zeroBytes(w ^ (ones * '\n')) | zeroBytes(w ^ (ones * '\r')) | zeroBytes(w ^ (ones * ','));
            while (hits) {
                delimiterAt(i + std::size_t(std::countr_zero(hits)) / 8);
                hits &= hits - 1;
            }
        }
    }
    for (; i < n; ++i) {
        seen |= text[i];
        if (isDelimiter(text[i]))
            delimiterAt(i);
    }
    if (start < n)
        scan.add(n - start);
    scan.ascii = (seen & ~lows) == 0;
    return scan;
}

// ASCII widens to UTF-16 eight characters at a time.
void copyAscii(const unsigned char *from, std::size_t length, char16_t *to)
{
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= length; i += 8) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(from + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to + i), _mm_unpacklo_epi8(bytes, zero));
    }
#endif
    for (; i < length; ++i)
        to[i] = from[i];
}

// Windows-1252: Latin-1 but for 0x80..0x9F. The five bytes it leaves undefined keep their
// Latin-1 control code, so every byte decodes to one character.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void copyCp1252(const unsigned char *from, std::size_t length, char16_t *to)
{
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char b = from[i];
        to[i] = (b >= 0x80 && b < 0xA0) ? cp1252High[b - 0x80] : char16_t(b);
    }
}

void copyUtf16(const char16_t *from, std::size_t length, char16_t *to)
{
    std::copy_n(from, length, to);
}

struct FileDescriptor
{
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads the whole of a regular file. Anything else (a folder, a FIFO, a device) is refused
// without being opened for reading, so neither an endless nor a blocking file can stall us.
Dictionary::ReadStatus readAll(const QString &path, QByteArray &bytes)
{
    using Status = Dictionary::ReadStatus;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return Status::Missing;

    const auto classify = [](const struct stat &st) {
        if (!S_ISREG(st.st_mode))
            return Status::NotARegularFile;
        if (st.st_size > Dictionary::MaxFileBytes)
            return Status::TooLarge;
        return Status::Loaded;
    };

    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return (errno == ENOENT || errno == ENOTDIR) ? Status::Missing : Status::Unreadable;
    if (const Status s = classify(st); s != Status::Loaded)
        return s;

    // O_NONBLOCK: should the path have been swapped for a FIFO since the check, opening
    // it still returns at once, and the second check below refuses it.
    FileDescriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0)
        return errno == ENOENT ? Status::Missing : Status::Unreadable;
    if (::fstat(file.fd, &st) != 0)
        return Status::Unreadable;
    if (const Status s = classify(st); s != Status::Loaded)
        return s;

    bytes.resize(qsizetype(st.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + got, std::size_t(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Status::Unreadable;
        }
        if (n == 0)
            break; // the file shrank while we read it: keep what it holds now
        got += n;
    }
    bytes.truncate(got);
    return Status::Loaded;
}

} // namespace

template <typename Char, typename Copy>
Dictionary Dictionary::build(const Char *text, std::size_t n, const FieldScan &scan, Copy copy)
{
    Dictionary d;
    std::array<char16_t *, LongClass + 1> textOut{};
    std::array<quint32 *, LongClass + 1> endOut{};
    std::array<quint32, LongClass + 1> used{};
    for (int c = 0; c <= LongClass; ++c) {
        Row &row = d.m_rows[c];
        row.text.reset(new char16_t[scan.chars[c]]);
        row.ends.reset(new quint32[scan.entries[c]]);
        row.count = qint32(scan.entries[c]);
        textOut[c] = row.text.get();
        endOut[c] = row.ends.get();
        if (c != LongClass)
            d.m_shortWordCount += row.count;
    }

    std::size_t start = 0;
    for (std::size_t f = 0; f < scan.fields; ++f) {
        const quint32 length = scan.lengths[f];
        const int c = FieldScan::classOf(length);
        copy(text + start, length, textOut[c] + used[c]);
        used[c] += length;
        *endOut[c]++ = used[c];
        if (start + length < n)
            start = nextFieldStart(text, n, start + length);
    }
    return d;
}

Dictionary Dictionary::fromBytes(QByteArrayView bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto n = std::size_t(bytes.size());
    const FieldScan scan = scanFields(b, n);
    if (scan.ascii)
        return build(b, n, scan, [](auto... a) { copyAscii(a...); });

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes); // skips a byte-order mark
    if (!utf8.hasError()) {
        const auto *t = reinterpret_cast<const char16_t *>(text.utf16());
        const auto length = std::size_t(text.size());
        return build(t, length, scanFields(t, length), [](auto... a) { copyUtf16(a...); });
    }
    // Windows-1252 gives one character per byte, so the fields are those already found.
    return build(b, n, scan, [](auto... a) { copyCp1252(a...); });
}

Dictionary::ReadStatus Dictionary::readFile(const QString &path, Dictionary &out)
{
    try {
        QByteArray bytes;
        const ReadStatus status = readAll(path, bytes);
        if (status == ReadStatus::Loaded)
            out = fromBytes(bytes);
        return status;
    } catch (const std::bad_alloc &) {
        return ReadStatus::Unreadable;
    }
}

qint32 Dictionary::LengthCounts(int length) const
{
    return (length >= 0 && length <= LongestShortEntry) ? count(length) : 0;
}

QString Dictionary::entry(int entryClass, qint32 slot) const
{
    const Row &row = m_rows[entryClass];
    if (slot < 0 || slot >= row.count)
        return {};
    const quint32 from = slot == 0 ? 0 : row.ends[slot - 1];
    return QString(reinterpret_cast<const QChar *>(row.text.get() + from), row.ends[slot] - from);
}

QString Dictionary::WordsByLength(int length, qint32 slot) const
{
    return (length >= 0 && length <= LongestShortEntry) ? entry(length, slot) : QString();
}

QString Dictionary::LongWords(qint32 index) const
{
    return entry(LongClass, index);
}

bool Dictionary::isPlayable(int entryClass, qint32 slot) const
{
    const Row &row = m_rows[entryClass];
    const quint32 from = slot == 0 ? 0 : row.ends[slot - 1];
    int toFind = 0;
    for (quint32 i = from; i < row.ends[slot] && toFind < 2; ++i)
        toFind += row.text[i] != u' ';
    return toFind >= 2;
}

qint32 Dictionary::playableCount(int entryClass) const
{
    if (entryClass < 0 || entryClass > LongClass)
        return 0;
    qint32 &cached = m_playable[entryClass];
    if (cached < 0) {
        cached = 0;
        for (qint32 slot = 0; slot < count(entryClass); ++slot)
            cached += isPlayable(entryClass, slot);
    }
    return cached;
}

qint32 Dictionary::playableSlot(int entryClass, qint32 k) const
{
    for (qint32 slot = 0; slot < count(entryClass); ++slot) {
        if (isPlayable(entryClass, slot) && k-- == 0)
            return slot;
    }
    return -1;
}

std::size_t Dictionary::heapBytes() const
{
    std::size_t total = 0;
    for (const Row &row : m_rows) {
        const std::size_t entries = std::size_t(row.count);
        total += (entries ? row.ends[entries - 1] : 0) * sizeof(char16_t) + entries * sizeof(quint32);
    }
    return total;
}

} // namespace velmora
