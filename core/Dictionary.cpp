#include "Dictionary.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

constexpr bool isDelimiter(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u',';
}

// First delimiter in [p, end), or end.
const char16_t *findDelimiter(const char16_t *p, const char16_t *end)
{
    while (p < end && !isDelimiter(*p))
        ++p;
    return p;
}

const unsigned char *findDelimiter(const unsigned char *p, const unsigned char *end)
{
    if constexpr (std::endian::native == std::endian::little) {
        // Eight bytes at a time: a byte equal to c turns into a zero byte of w ^ c, and
        // (v - 0x01..) & ~v & 0x80.. marks the lowest zero byte of v exactly.
        constexpr std::uint64_t ones = 0x0101010101010101u;
        constexpr std::uint64_t highs = 0x8080808080808080u;
        const auto zeroBytes = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
        while (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, sizeof w);
            const std::uint64_t hits =
                zeroBytes(w ^ (ones * '\n')) | zeroBytes(w ^ (ones * '\r')) | zeroBytes(w ^ (ones * ','));
            if (hits)
                return p + std::countr_zero(hits) / 8;
            p += 8;
        }
    }
    while (p < end && !isDelimiter(*p))
        ++p;
    return p;
}

// Calls field(begin, length) for every field of [p, end).
template <typename Char, typename Field>
void forEachField(const Char *p, const Char *end, Field &&field)
{
    while (p < end) {
        const Char *d = findDelimiter(p, end);
        field(p, std::size_t(d - p));
        if (d == end)
            return;
        p = d + 1;
        if (*d == '\r' && p < end && *p == '\n')
            ++p;
    }
}

bool isAscii(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    unsigned char any = 0;
    while (end - p >= 64) {
        for (int i = 0; i < 64; ++i)
            any |= p[i];
        if (any & 0x80)
            return false;
        p += 64;
    }
    while (p < end)
        any |= *p++;
    return !(any & 0x80);
}

// Windows-1252: Latin-1 but for 0x80..0x9F. The five bytes it leaves undefined keep their
// Latin-1 control code, so every byte decodes to one character.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t fromCp1252(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? cp1252High[b - 0x80] : char16_t(b);
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

template <typename Char, typename Map>
Dictionary Dictionary::build(const Char *begin, const Char *end, Map map)
{
    const auto classOf = [](std::size_t length) {
        return length > std::size_t(LongestShortEntry) ? LongClass : int(length);
    };

    // First pass: sizes, so every row is allocated once and exactly.
    std::array<std::size_t, LongClass + 1> entries{};
    std::array<std::size_t, LongClass + 1> chars{};
    forEachField(begin, end, [&](const Char *, std::size_t length) {
        const int c = classOf(length);
        ++entries[c];
        chars[c] += length;
    });

    Dictionary d;
    for (int c = 0; c <= LongClass; ++c) {
        d.m_rows[c].text.resize(chars[c]);
        d.m_rows[c].ends.reserve(entries[c]);
        if (c != LongClass)
            d.m_shortWordCount += qint32(entries[c]);
    }

    forEachField(begin, end, [&](const Char *field, std::size_t length) {
        Row &row = d.m_rows[classOf(length)];
        const std::size_t at = row.ends.empty() ? 0 : row.ends.back();
        char16_t *out = row.text.data() + at;
        for (std::size_t i = 0; i < length; ++i)
            out[i] = map(field[i]);
        row.ends.push_back(quint32(at + length));
    });
    return d;
}

Dictionary Dictionary::fromBytes(QByteArrayView bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *e = b + bytes.size();
    if (isAscii(bytes))
        return build(b, e, [](unsigned char c) { return char16_t(c); });

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes); // skips a byte-order mark
    if (!utf8.hasError()) {
        const auto *t = reinterpret_cast<const char16_t *>(text.utf16());
        return build(t, t + text.size(), [](char16_t c) { return c; });
    }
    return build(b, e, fromCp1252);
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
    if (slot < 0 || slot >= count(entryClass))
        return {};
    const quint32 from = slot == 0 ? 0 : row.ends[slot - 1];
    return QString(reinterpret_cast<const QChar *>(row.text.data() + from), row.ends[slot] - from);
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
    for (const Row &row : m_rows)
        total += row.text.capacity() * sizeof(char16_t) + row.ends.capacity() * sizeof(quint32);
    return total;
}

} // namespace velmora
