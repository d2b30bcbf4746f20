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

// The text is read a band at a time into a small reused buffer, and each band split twice while
// it is in the cache: a first pass counts the entries of each class, a second places them, at
// their exact size, in the band's piece of the block. So the file is read once, and neither it
// nor its field lengths are ever held whole. Text outside ASCII is decoded as a whole first,
// and its characters split the same way, into a single piece.

namespace velmora {

namespace {

// Small enough for a band to stay in the caches between its two passes, and for the allocator
// to recycle its buffer rather than map it afresh.
constexpr std::size_t BandBytes = 64 * 1024;

// ASCII entries are copied in blocks of this many bytes whatever their length: one fixed copy
// rather than a loop per entry. So each class's characters have that much room after them, and
// a band may be read up to a block past its end.
constexpr std::size_t CopyBlock = 16;

constexpr bool isDelimiter(unsigned c)
{
    return c == '\n' || c == '\r' || c == ',';
}

constexpr int classOf(std::size_t length)
{
    return length > std::size_t(Dictionary::LongestShortEntry) ? Dictionary::LongClass : int(length);
}

#if defined(__SSE2__)
// Finds the delimiters of 64 bytes at once, noting on the way whether any is outside ASCII.
struct DelimiterFinder
{
    static constexpr std::size_t Width = 64;
    __m128i seen = _mm_setzero_si128();

    // One bit per delimiter among the bytes at p, the lowest for p[0]; whether any is a CR.
    std::uint64_t find(const unsigned char *p, bool &anyCR)
    {
        std::uint64_t bits = 0;
        __m128i crs = _mm_setzero_si128();
        for (int k = 0; k < 4; ++k) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 16 * k));
            seen = _mm_or_si128(seen, v);
            const __m128i cr = _mm_cmpeq_epi8(v, _mm_set1_epi8('\r'));
            crs = _mm_or_si128(crs, cr);
            const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), cr),
                                              _mm_cmpeq_epi8(v, _mm_set1_epi8(',')));
            bits |= std::uint64_t(std::uint32_t(_mm_movemask_epi8(hits))) << (16 * k);
        }
        anyCR = _mm_movemask_epi8(crs) != 0;
        return bits;
    }
    static std::size_t offsetOf(std::uint64_t bits) { return std::size_t(std::countr_zero(bits)); }
    bool ascii() const { return _mm_movemask_epi8(seen) == 0; }
};
#else
// The portable form: eight bytes at a time in a 64-bit word.
struct DelimiterFinder
{
    static constexpr std::size_t Width = 8;
    static constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7Fu;
    static constexpr std::uint64_t ones = 0x0101010101010101u;
    std::uint64_t seen = 0;

    // The high bit of every zero byte of v, exact for each byte.
    static std::uint64_t zeroBytes(std::uint64_t v) { return ~(((v & lows) + lows) | v | lows); }

    // The high bit of each delimiter among the bytes at p, the lowest for p[0]; whether any is
    // a CR.
    std::uint64_t find(const unsigned char *p, bool &anyCR)
    {
        std::uint64_t w = 0;
        for (std::size_t k = 0; k < Width; ++k) // the same on either byte order; one load
            w |= std::uint64_t(p[k]) << (8 * k);
        seen |= w;
        const std::uint64_t crs = zeroBytes(w ^ (ones * '\r'));
        anyCR = crs != 0;
        return zeroBytes(w ^ (ones * '\n')) | crs | zeroBytes(w ^ (ones * ','));
    }
    static std::size_t offsetOf(std::uint64_t bits) { return std::size_t(std::countr_zero(bits)) / 8; }
    bool ascii() const { return (seen & ~lows) == 0; }
};
#endif

// Splits bytes into fields: a field ends at LF, CR, CRLF or a comma; a line end at the very
// end of the text starts no further field. Keeps its place from one band to the next.
struct FieldSplitter
{
    std::size_t start = 0; // of the open field, in the buffer
    bool afterCR = false; // the open field starts right after a CR

    // Passes to the sink each field ending in b[i, end), b being readable a CopyBlock further.
    // False when a byte is outside ASCII: the text must then be decoded as a whole, its fields
    // being of characters, not bytes.
    template <typename Sink>
    bool scan(const unsigned char *b, std::size_t i, std::size_t end, Sink &sink)
    {
        // In locals: the sink writes through char pointers, which could alias the members.
        std::size_t open = start;
        bool crBefore = afterCR;
        const auto fieldEndsAt = [&](std::size_t d) {
            if (crBefore && d == open && b[d] == '\n') [[unlikely]] {
                crBefore = false; // the LF of a CRLF
                open = d + 1;
                return;
            }
            sink.add(reinterpret_cast<const char *>(b + open), d - open);
            crBefore = b[d] == '\r';
            open = d + 1;
        };

        DelimiterFinder finder;
        for (; i + DelimiterFinder::Width <= end; i += DelimiterFinder::Width) {
            bool anyCR = false;
            auto bits = finder.find(b + i, anyCR);
            if (anyCR || crBefore) [[unlikely]] {
                for (; bits != 0; bits &= bits - 1)
                    fieldEndsAt(i + DelimiterFinder::offsetOf(bits));
                continue;
            }
            // Most blocks hold no CR and follow none: each delimiter then simply ends a field.
            for (; bits != 0; bits &= bits - 1) {
                const std::size_t d = i + DelimiterFinder::offsetOf(bits);
                sink.add(reinterpret_cast<const char *>(b + open), d - open);
                open = d + 1;
            }
        }
        unsigned seen = 0;
        for (; i < end; ++i) {
            seen |= b[i];
            if (isDelimiter(b[i]))
                fieldEndsAt(i);
        }
        start = open;
        afterCR = crBefore;
        return finder.ascii() && seen < 0x80;
    }

    // The text is over at `end`: a field still open is its last.
    template <typename Sink>
    void finish(const unsigned char *b, std::size_t end, Sink &sink)
    {
        if (start < end)
            sink.add(reinterpret_cast<const char *>(b + start), end - start);
        start = end;
    }
};

// The buffer a text is read into a band at a time. The field still open at a band's end is
// moved to the front and kept for the next band.
class BandBuffer
{
public:
    BandBuffer() = default;
    BandBuffer(const BandBuffer &) = delete;
    BandBuffer &operator=(const BandBuffer &) = delete;
    ~BandBuffer() { std::free(m_bytes); }

    const unsigned char *bytes() const { return m_bytes; }
    std::size_t end() const { return m_end; }

    // Room for the next band, after the open field at `start` (moved to 0).
    unsigned char *space(std::size_t &start)
    {
        if (start > 0) {
            m_end -= start;
            std::memmove(m_bytes, m_bytes + start, m_end);
            start = 0;
        }
        constexpr std::size_t room = BandBytes + CopyBlock; // a sink may read past the data
        if (m_capacity - m_end < room) { // the first band, or a field longer than a band
            const std::size_t wanted = std::max(m_capacity * 2, m_end + room);
            void *p = std::realloc(m_bytes, wanted);
            if (!p)
                throw std::bad_alloc();
            m_bytes = static_cast<unsigned char *>(p);
            m_capacity = wanted;
        }
        return m_bytes + m_end;
    }

    void took(std::size_t n) { m_end += n; }

private:
    unsigned char *m_bytes = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_end = 0;
};

enum class Split { Done, NotAscii, ReadError };

// Splits decoded text the same way, a character at a time: only text outside ASCII comes here.
template <typename Sink>
void splitWide(const char16_t *text, std::size_t n, Sink &sink)
{
    std::size_t start = 0;
    while (start < n) {
        std::size_t d = start;
        while (d < n && !isDelimiter(text[d]))
            ++d;
        sink.add(text + start, d - start);
        if (d == n)
            break;
        start = d + 1;
        if (text[d] == u'\r' && start < n && text[start] == u'\n')
            ++start; // the LF of a CRLF
    }
}

// Windows-1252: Latin-1 but for 0x80..0x9F. The five bytes it leaves undefined keep their
// Latin-1 control code, so every byte decodes to one character.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct FileDescriptor
{
    int fd = -1;
    FileDescriptor() = default;
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Opens a regular file for reading and gives its size. Anything else (a folder, a FIFO, a
// device) is refused without being opened for reading, so neither an endless nor a blocking
// file can stall us.
Dictionary::ReadStatus openRegularFile(const QString &path, FileDescriptor &file, std::size_t &size)
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
    file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0)
        return errno == ENOENT ? Status::Missing : Status::Unreadable;
    if (::fstat(file.fd, &st) != 0)
        return Status::Unreadable;
    if (const Status s = classify(st); s != Status::Loaded)
        return s;
    size = std::size_t(st.st_size);
    return Status::Loaded;
}

// Reads up to n bytes from offset into `to`; fewer only at the end of the file. -1 on an error.
qint64 readAt(int fd, unsigned char *to, std::size_t n, std::size_t offset)
{
    std::size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, to + got, n - got, off_t(offset + got));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (r == 0)
            break; // the file shrank while we read it: keep what it holds now
        got += std::size_t(r);
    }
    return qint64(got);
}

} // namespace

// What the first pass over a band finds: the entries and characters of each class.
struct Dictionary::Layout
{
    std::array<std::size_t, LongClass + 1> entries{};
    std::array<std::size_t, LongClass + 1> chars{};

    template <typename Char>
    void add(const Char *, std::size_t length)
    {
        const int c = classOf(length);
        ++entries[c];
        chars[c] += length;
    }
};

// The second pass: places a band's entries, met in the order counted, in its piece.
template <typename Char>
class Dictionary::Filler
{
public:
    Filler(std::byte *block, const Piece &piece)
        : m_ends(reinterpret_cast<quint32 *>(block + piece.ends))
    {
        for (int c = 0; c <= LongClass; ++c)
            m_next[c] = reinterpret_cast<Char *>(block + piece.text[c]);
        m_longFirst = m_next[LongClass];
    }

    // Adds an entry. For ASCII the caller lets `from` be read up to `length` rounded up to a
    // CopyBlock.
    void add(const Char *from, std::size_t length)
    {
        if constexpr (sizeof(Char) == 1) {
            if (length <= std::size_t(LongestShortEntry)) [[likely]] {
                std::memcpy(m_next[length], from, CopyBlock);
                m_next[length] += length;
                return;
            }
        }
        addExactly(from, length);
    }

private:
    [[gnu::noinline]] void addExactly(const Char *from, std::size_t length)
    {
        const int c = classOf(length);
        Char *const to = m_next[c];
        if constexpr (sizeof(Char) == 1) {
            for (std::size_t k = 0; k < length; k += CopyBlock) // ends within the class's room
                std::memcpy(to + k, from + k, CopyBlock);
        } else {
            std::copy_n(from, length, to);
        }
        m_next[c] = to + length;
        if (c == LongClass)
            *m_ends++ = quint32(m_next[c] - m_longFirst);
    }

    std::array<Char *, LongClass + 1> m_next{};
    Char *m_longFirst = nullptr;
    quint32 *m_ends = nullptr;
};

// Builds a dictionary a piece at a time, all pieces in one block. The block is reserved at the
// size the text most likely needs, and grows only should that fall short. A little room left
// over at the end is kept: the next load of the same file then asks for no more than this one
// frees, which the allocator can hand back rather than map fresh pages.
template <typename Char>
class Dictionary::Builder
{
public:
    Builder(std::size_t expectedBytes, std::size_t expectedPieces)
    {
        reserve(expectedBytes);
        m_pieces.reserve(expectedPieces);
    }
    Builder(const Builder &) = delete;
    Builder &operator=(const Builder &) = delete;
    ~Builder() { std::free(m_block); }

    // The bytes of a piece: the long entries' end offsets, each class's characters and room,
    // and alignment for the next piece's end offsets.
    static std::size_t pieceBytes(const Layout &layout)
    {
        std::size_t bytes = layout.entries[LongClass] * sizeof(quint32);
        for (int c = 0; c <= LongClass; ++c)
            bytes += layout.chars[c] * sizeof(Char) + CopyBlock;
        return (bytes + alignof(quint32) - 1) / alignof(quint32) * alignof(quint32);
    }

    // Adds the entries of a stretch of text: `layout` as counted, `place(filler)` splitting the
    // same text again into the filler.
    template <typename Place>
    void add(const Layout &layout, Place place)
    {
        const std::size_t end = m_size + pieceBytes(layout);
        if (end > m_capacity)
            reserve(std::max(end, m_capacity + m_capacity / 4));
        Piece piece;
        std::size_t at = m_size;
        piece.ends = at;
        at += layout.entries[LongClass] * sizeof(quint32);
        for (int c = 0; c <= LongClass; ++c) {
            piece.first[c] = qint32(m_counts[c]);
            piece.text[c] = at;
            at += layout.chars[c] * sizeof(Char) + CopyBlock;
        }

        Filler<Char> filler(m_block, piece);
        place(filler);
        m_size = end;
        for (int c = 0; c <= LongClass; ++c)
            m_counts[c] += layout.entries[c];
        m_pieces.push_back(piece);
    }

    // Reads ASCII text through `read(to, max)` (the bytes it wrote, fewer than max only at the
    // end, -1 on an error) a band at a time, splitting each band twice: to count, to place.
    template <typename Read>
    Split addAscii(Read read)
    {
        BandBuffer buffer;
        FieldSplitter splitter;
        for (bool last = false; !last;) {
            unsigned char *const to = buffer.space(splitter.start);
            const qint64 n = read(to, BandBytes);
            if (n < 0)
                return Split::ReadError;
            last = std::size_t(n) < BandBytes;
            const std::size_t from = buffer.end();
            buffer.took(std::size_t(n));

            const auto split = [&](FieldSplitter &s, auto &sink) {
                const bool ascii = s.scan(buffer.bytes(), from, buffer.end(), sink);
                if (last)
                    s.finish(buffer.bytes(), buffer.end(), sink);
                return ascii;
            };
            FieldSplitter counting = splitter;
            Layout layout;
            if (!split(counting, layout))
                return Split::NotAscii;
            add(layout, [&](Filler<Char> &filler) { split(splitter, filler); });
        }
        return Split::Done;
    }

    Dictionary finish()
    {
        if (m_capacity - m_size > m_capacity / 4) { // much more than needed, as for empty lines
            if (void *p = std::realloc(m_block, std::max<std::size_t>(m_size, 1))) { // else kept whole
                m_block = static_cast<std::byte *>(p);
                m_capacity = m_size;
            }
        }
        Dictionary d;
        for (int c = 0; c <= LongClass; ++c) {
            d.m_counts[c] = qint32(m_counts[c]);
            if (c != LongClass)
                d.m_shortWordCount += d.m_counts[c];
        }
        d.m_wide = sizeof(Char) != 1;
        d.m_block.reset(m_block);
        m_block = nullptr;
        d.m_blockBytes = m_capacity;
        d.m_pieces = std::move(m_pieces);
        return d;
    }

private:
    void reserve(std::size_t bytes)
    {
        void *p = std::realloc(m_block, std::max<std::size_t>(bytes, 1));
        if (!p)
            throw std::bad_alloc();
        m_block = static_cast<std::byte *>(p);
        m_capacity = bytes;
    }

    std::byte *m_block = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_size = 0;
    std::vector<Piece> m_pieces;
    std::array<std::size_t, LongClass + 1> m_counts{};
};

namespace {

// The pieces of ASCII text of n bytes: one a band, the last one short (maybe empty).
std::size_t expectedPieces(std::size_t n)
{
    return n / BandBytes + 1;
}

// What they most likely need: fewer characters than the text has bytes, and a CopyBlock of
// room per class (and alignment for the next) in each piece.
std::size_t expectedBytes(std::size_t n)
{
    return n + expectedPieces(n) * ((Dictionary::LongClass + 1) * CopyBlock + alignof(quint32));
}

} // namespace

Dictionary Dictionary::fromBytes(QByteArrayView bytes)
{
    const auto n = std::size_t(bytes.size());
    Builder<char> builder(expectedBytes(n), expectedPieces(n));
    std::size_t done = 0;
    // In bands, like a file: fuzzing this covers the fields cut by a band's end.
    const auto read = [&](unsigned char *to, std::size_t max) {
        const std::size_t count = std::min(max, n - done);
        if (count > 0) // an empty view may have no data at all
            std::memcpy(to, bytes.data() + done, count);
        done += count;
        return qint64(count);
    };
    if (builder.addAscii(read) != Split::Done)
        return decode(bytes);
    return builder.finish();
}

// Text outside ASCII: UTF-8 when valid as such (skipping a byte-order mark), else Windows-1252.
Dictionary Dictionary::decode(QByteArrayView bytes)
{
    const auto split = [](const char16_t *text, std::size_t n) {
        Layout layout;
        splitWide(text, n, layout);
        Builder<char16_t> builder(Builder<char16_t>::pieceBytes(layout), 1);
        builder.add(layout, [&](Filler<char16_t> &filler) { splitWide(text, n, filler); });
        return builder.finish();
    };

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return split(reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size()));

    const auto n = std::size_t(bytes.size());
    const std::unique_ptr<char16_t[]> wide(new char16_t[n]);
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(bytes[qsizetype(i)]);
        wide[i] = (b >= 0x80 && b < 0xA0) ? cp1252High[b - 0x80] : char16_t(b);
    }
    return split(wide.get(), n);
}

Dictionary::ReadStatus Dictionary::readFile(const QString &path, Dictionary &out)
{
    try {
        FileDescriptor file;
        std::size_t size = 0;
        if (const ReadStatus s = openRegularFile(path, file, size); s != ReadStatus::Loaded)
            return s;

        // No more than the size checked: a file growing meanwhile cannot pass the limit.
        Builder<char> builder(expectedBytes(size), expectedPieces(size));
        std::size_t done = 0;
        const auto read = [&](unsigned char *to, std::size_t max) {
            const qint64 n = readAt(file.fd, to, std::min(max, size - done), done);
            done += std::size_t(std::max<qint64>(n, 0));
            return n;
        };
        switch (builder.addAscii(read)) {
        case Split::Done:
            out = builder.finish();
            return ReadStatus::Loaded;
        case Split::ReadError:
            return ReadStatus::Unreadable;
        case Split::NotAscii:
            break;
        }

        // Outside ASCII: decode the file as a whole.
        QByteArray bytes(qsizetype(size), Qt::Uninitialized);
        const qint64 got = readAt(file.fd, reinterpret_cast<unsigned char *>(bytes.data()), size, 0);
        if (got < 0)
            return ReadStatus::Unreadable;
        bytes.truncate(qsizetype(got));
        out = fromBytes(bytes); // the file may have changed meanwhile: check it afresh
        return ReadStatus::Loaded;
    } catch (const std::bad_alloc &) {
        return ReadStatus::Unreadable;
    }
}

qint32 Dictionary::LengthCounts(int length) const
{
    return (length >= 0 && length <= LongestShortEntry) ? count(length) : 0;
}

Dictionary::Span Dictionary::span(int entryClass, qint32 slot) const
{
    // The last piece whose entries of the class start at or before the slot: it holds the slot,
    // as any piece without such entries is followed by one that starts at the same slot.
    const auto startsAfter = [entryClass](qint32 s, const Piece &p) { return s < p.first[entryClass]; };
    const Piece &piece = *(std::upper_bound(m_pieces.begin(), m_pieces.end(), slot, startsAfter) - 1);
    const auto k = std::size_t(slot - piece.first[entryClass]); // within the piece
    const std::size_t charBytes = m_wide ? sizeof(char16_t) : sizeof(char);
    const std::byte *text = m_block.get() + piece.text[entryClass];
    if (entryClass != LongClass) // every entry of a short class has its length
        return {text + k * std::size_t(entryClass) * charBytes, std::size_t(entryClass)};
    const auto *ends = reinterpret_cast<const quint32 *>(m_block.get() + piece.ends);
    const quint32 from = k == 0 ? 0 : ends[k - 1];
    return {text + from * charBytes, ends[k] - from};
}

QString Dictionary::entry(int entryClass, qint32 slot) const
{
    if (slot < 0 || slot >= count(entryClass))
        return {};
    const Span s = span(entryClass, slot);
    if (m_wide)
        return QString(reinterpret_cast<const QChar *>(s.from), qsizetype(s.length));
    return QString::fromLatin1(reinterpret_cast<const char *>(s.from), qsizetype(s.length));
}

QString Dictionary::WordsByLength(int length, qint32 slot) const
{
    return (length >= 0 && length <= LongestShortEntry) ? entry(length, slot) : QString();
}

QString Dictionary::LongWords(qint32 index) const
{
    return entry(LongClass, index);
}

namespace {

// At least two characters other than blanks.
template <typename Char>
bool leavesTwoToFind(const Char *text, std::size_t length)
{
    int toFind = 0;
    for (std::size_t i = 0; i < length && toFind < 2; ++i)
        toFind += text[i] != Char(' ');
    return toFind >= 2;
}

} // namespace

bool Dictionary::isPlayable(int entryClass, qint32 slot) const
{
    const Span s = span(entryClass, slot);
    if (m_wide)
        return leavesTwoToFind(reinterpret_cast<const char16_t *>(s.from), s.length);
    return leavesTwoToFind(reinterpret_cast<const char *>(s.from), s.length);
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
    return m_blockBytes + m_pieces.capacity() * sizeof(Piece);
}

} // namespace velmora
