#include "Dictionary.h"

#include "Characters.h"

#include <QFile>
#include <QScopeGuard>
#include <QtEndian>

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A load makes a few passes over the text: reading the file whole, turning it into composed
// UTF-8 (usually a check that changes nothing), and splitting it into fields. The text is then
// kept as it is, so a dictionary costs its file's size and one offset per entry.

namespace velmora {
namespace {

constexpr bool isDelimiter(char c)
{
    return c == '\n' || c == '\r' || c == ',';
}

// Text is converted and composed a stretch at a time, so that no more than a stretch is held
// twice.
constexpr qsizetype StretchBytes = 16 * 1024;

// Text in another encoding as UTF-8, converted by ICU. What is not text in the encoding (in
// UTF-16 a surrogate without its pair, or an odd byte at the end) becomes U+FFFD, a character
// of its own. No character takes more than three bytes of UTF-8 for each byte it took.
QByteArray utf8From(const char *encoding, QByteArrayView bytes)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open(encoding, &status), ucnv_close);
    QByteArray utf8(3 * bytes.size(), Qt::Uninitialized); // only what is written takes memory
    const int32_t length = ucnv_toAlgorithmic(UCNV_UTF8, converter.get(), utf8.data(), int32_t(utf8.size()),
                                              bytes.data(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        return {};
    utf8.truncate(length);
    utf8.squeeze();
    return utf8;
}

// UTF-16 as UTF-8. An odd byte at the end is a broken character of its own, apart from a
// surrogate before it that waited for its pair: each is a U+FFFD.
QByteArray utf8FromUtf16(const char *encoding, QByteArrayView bytes)
{
    QByteArray utf8 = utf8From(encoding, bytes.first(bytes.size() & ~qsizetype(1)));
    if (bytes.size() % 2 != 0)
        utf8 += "\xEF\xBF\xBD";
    return utf8;
}

// Windows-1252 is Latin-1 but for bytes 0x80..0x9F: what those stand for, read once from ICU's
// converter. The five it leaves undefined keep their Latin-1 control code, so every byte is one
// character, and none of them ever needs composing.
const std::array<char16_t, 32> &windows1252High()
{
    static const std::array<char16_t, 32> high = [] {
        std::array<char16_t, 32> bytes{};
        std::array<char, 32> units{};
        for (std::size_t i = 0; i < units.size(); ++i)
            units[i] = char(0x80 + i);
        UErrorCode status = U_ZERO_ERROR;
        const std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open("windows-1252", &status), ucnv_close);
        const int32_t length = ucnv_toUChars(converter.get(), bytes.data(), int32_t(bytes.size()), units.data(), int32_t(units.size()), &status);
        if (U_FAILURE(status) || length != int32_t(bytes.size())) // Latin-1 alone
            std::copy(units.begin(), units.end(), bytes.begin());
        return bytes;
    }();
    return high;
}

// Windows-1252 as UTF-8, a stretch at a time.
QByteArray utf8FromWindows1252(QByteArrayView bytes)
{
    const std::array<char16_t, 32> &high = windows1252High();
    QByteArray utf8;
    utf8.reserve(bytes.size() + bytes.size() / 8);
    for (qsizetype from = 0; from < bytes.size(); from += StretchBytes) {
        QString stretch = QString::fromLatin1(bytes.sliced(from, std::min(StretchBytes, bytes.size() - from)));
        for (QChar &c : stretch) {
            if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
                c = QChar(high[c.unicode() - 0x80]);
        }
        utf8 += stretch.toUtf8();
    }
    return utf8;
}

// Where a stretch of text that starts at `from` ends: just past the first delimiter at least
// StretchBytes on, so that no character reaches from one stretch into the next.
qsizetype stretchEnd(QByteArrayView text, qsizetype from)
{
    if (text.size() - from <= StretchBytes)
        return text.size();
    const auto end = std::find_if(text.begin() + from + StretchBytes, text.end(), isDelimiter);
    return end == text.end() ? text.size() : end - text.begin() + 1;
}

// Valid UTF-8 composed a stretch at a time; as it is when no stretch needs a change.
QByteArray composedText(QByteArray text)
{
    QByteArray result; // null while the text needs no change
    for (qsizetype from = 0, end = 0; from < text.size(); from = end) {
        end = stretchEnd(text, from);
        const QByteArrayView stretch = QByteArrayView(text).sliced(from, end - from);
        const QByteArray changed = characters::composedUtf8(stretch);
        if (result.isNull() && changed.isNull())
            continue;
        if (result.isNull()) {
            result = text.first(from);
            result.reserve(text.size());
        }
        result += changed.isNull() ? stretch : QByteArrayView(changed);
    }
    return result.isNull() ? text : result;
}

bool noByteFrom(QByteArrayView bytes, unsigned char limit)
{
    return std::none_of(bytes.begin(), bytes.end(), [limit](char c) { return static_cast<unsigned char>(c) >= limit; });
}

// The text of a file as composed UTF-8: UTF-16 after its byte-order mark; else UTF-8, its own
// byte-order mark already gone; else Windows-1252.
QByteArray composedUtf8Of(QByteArray bytes, const char *utf16)
{
    if (utf16)
        return composedText(utf8FromUtf16(utf16, QByteArrayView(bytes).sliced(2)));
    if (!bytes.isValidUtf8())
        return utf8FromWindows1252(bytes); // one character a byte, none that composes
    return composedText(std::move(bytes));
}

// Reads a whole regular file, to its end: a file may hold more, or less, than its size says
// (those under /proc say 0).
Dictionary::ReadStatus readWhole(const QString &path, QByteArray &bytes)
{
    using Status = Dictionary::ReadStatus;
    // Anything but a regular file (a folder, a FIFO, a device) is refused, and so is one past
    // the size limit: neither an endless nor a blocking file can stall a load.
    const auto classify = [](const struct stat &st) {
        return !S_ISREG(st.st_mode) ? Status::NotARegularFile
             : st.st_size > Dictionary::MaxFileBytes ? Status::TooLarge
                                                      : Status::Loaded;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        return (name.isEmpty() || errno == ENOENT || errno == ENOTDIR) ? Status::Missing : Status::Unreadable;
    if (const Status s = classify(st); s != Status::Loaded)
        return s;

    // O_NONBLOCK: should the path have been swapped for a FIFO since the check, opening it
    // still returns at once, and the second check refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? Status::Missing : Status::Unreadable;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &st) != 0)
        return Status::Unreadable;
    if (const Status s = classify(st); s != Status::Loaded)
        return s;

    // Room for one byte more than the file claims, so that the end shows without growing.
    bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > Dictionary::MaxFileBytes)
                return Status::TooLarge; // it grew past the limit while being read
            bytes.resize(std::min(std::max(got * 2, StretchBytes), Dictionary::MaxFileBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, std::size_t(bytes.size() - got));
        if (n == 0)
            break;
        if (n < 0 && errno != EINTR)
            return Status::Unreadable;
        got += std::max<ssize_t>(n, 0);
    }
    if (got > Dictionary::MaxFileBytes)
        return Status::TooLarge;
    bytes.truncate(got);
    return Status::Loaded;
}

// The code points of the UTF-8 in [from, to), eight bytes at a time, when each is ASCII or two
// bytes below U+0300 (a lead byte C2..CB, then a continuation byte): valid UTF-8 whose code
// points are characters of their own, as in most lists of Latin letters. Else -1. A word may
// take in bytes past `to`, which are masked off, but never past the text's end.
Q_ALWAYS_INLINE qsizetype latinCodePoints(const char *from, const char *to, const char *textEnd)
{
    const auto each = [](std::uint8_t byte) { return byte * std::uint64_t(0x0101010101010101u); };
    const qsizetype bytes = to - from;
    qsizetype continuing = 0;
    std::uint64_t wrong = 0;
    std::uint64_t leadBefore = 0; // a lead byte ending the word before, where its continuation stands in this one
    for (; from < to; from += 8) {
        std::uint64_t word = 0; // byte i of the text in bits 8i..8i+7
        if (textEnd - from >= 8) {
            word = qFromLittleEndian<std::uint64_t>(from);
        } else {
            std::array<char, 8> last{};
            std::copy(from, textEnd, last.begin());
            word = qFromLittleEndian<std::uint64_t>(last.data());
        }
        if (to - from < 8)
            word &= (std::uint64_t(1) << 8 * (to - from)) - 1;
        if (!(word & each(0x80)) && !leadBefore) // ASCII alone, as most words of most lists are
            continue;
        const std::uint64_t continuation = word & ~(word << 1) & each(0x80); // 10xxxxxx, at bit 7
        const std::uint64_t lead = word & (word << 1) & each(0x80); // 11xxxxxx
        continuing += qsizetype(((continuation >> 7) * each(1)) >> 56); // the sum of the eight bytes
        // A lead byte's low six bits from 2 to 11 (C2..CB): not three or four bytes long, not
        // U+0300 or above, not overlong (C0, C1).
        const std::uint64_t low = word & each(0x3F);
        wrong |= lead & (((low + each(0x80 - 12)) | ~(low + each(0x80 - 2))) & each(0x80));
        wrong |= continuation ^ (lead << 8 | leadBefore); // one continuation byte after each lead byte
        leadBefore = lead >> 56;
    }
    return wrong || leadBefore ? -1 : bytes - continuing;
}

} // namespace

Dictionary Dictionary::fromBytes(QByteArray bytes)
{
    Dictionary d;
    const char *const utf16 = bytes.startsWith("\xff\xfe") ? "UTF-16LE" : bytes.startsWith("\xfe\xff") ? "UTF-16BE" : nullptr;
    if (!utf16) {
        if (bytes.startsWith("\xef\xbb\xbf"))
            bytes.remove(0, 3);
        d.m_text = std::move(bytes);
        if (d.splitAsItStands())
            return d;
        bytes = std::move(d.m_text);
    }
    d.m_text = composedUtf8Of(std::move(bytes), utf16);
    if (!d.splitAsItStands()) {
        d.split(linesOnly(d.m_text), [](const char *from, const char *to, const char *) {
            return characters::countCharacters(QByteArrayView(from, to));
        });
    }
    return d;
}

Dictionary::ReadStatus Dictionary::readFile(const QString &path, Dictionary &out)
{
    try {
        QByteArray bytes;
        const ReadStatus status = readWhole(path, bytes);
        if (status == ReadStatus::Loaded)
            out = fromBytes(std::move(bytes));
        return status;
    } catch (const std::bad_alloc &) {
        return ReadStatus::Unreadable;
    }
}

// Most lists have no comma and no CR: their fields are lines, found by the fast memchr.
Dictionary::LinesOnly Dictionary::linesOnly(QByteArrayView text)
{
    return text.contains(',') || text.contains('\r') ? LinesOnly::No : LinesOnly::Yes;
}

// Most lists are UTF-8 that is composed as it stands, checked as it is split: ASCII is taken as
// it is, Latin letters and their accents are checked eight bytes at a time, other text code
// point by code point.
bool Dictionary::splitAsItStands()
{
    const QByteArrayView text = m_text;
    const LinesOnly lines = linesOnly(text);
    if (noByteFrom(text, 0x80))
        return split(lines, [](const char *from, const char *to, const char *) { return to - from; });
    return split(lines, [](const char *from, const char *to, const char *end) { return latinCodePoints(from, to, end); })
        || split(lines, [](const char *from, const char *to, const char *) {
               return characters::composedLength(QByteArrayView(from, to));
           });
}

// Notes where each field starts, by its class: its length in characters, as lengthOf(start, end,
// end of the text) counts them. False, with nothing noted, as soon as it counts -1.
template <typename Length>
bool Dictionary::split(LinesOnly lines, Length lengthOf)
{
    const auto forget = [this] {
        m_emptyEntries = 0;
        for (QList<quint32> &starts : m_starts)
            starts.clear();
    };
    forget();
    const char *const begin = m_text.constData();
    const char *const end = begin + m_text.size();
    const auto fieldEnd = [&](const char *from) {
        if (lines == LinesOnly::No)
            return std::find_if(from, end, isDelimiter);
        const void *lineFeed = std::memchr(from, '\n', std::size_t(end - from));
        return lineFeed ? static_cast<const char *>(lineFeed) : end;
    };

    for (const char *p = begin; p != end;) {
        const char *const start = p;
        p = fieldEnd(start);
        const qsizetype length = lengthOf(start, p, end);
        if (length < 0) {
            forget();
            return false;
        }
        if (length == 0)
            ++m_emptyEntries;
        else
            m_starts[std::min<qsizetype>(length, LongClass)].append(quint32(start - begin));
        if (p == end)
            break;
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++p; // the LF of a CRLF
        ++p; // a delimiter at the very end starts no further field
    }
    return true;
}

qint32 Dictionary::count(int entryClass) const
{
    if (entryClass == 0)
        return m_emptyEntries;
    return (entryClass > 0 && entryClass <= LongClass) ? qint32(m_starts[entryClass].size()) : 0;
}

qint32 Dictionary::TotalWords() const
{
    qint32 total = 0;
    for (int c = 0; c <= LongClass; ++c)
        total += count(c);
    return total;
}

QByteArrayView Dictionary::utf8(int entryClass, qint32 slot) const
{
    if (entryClass <= 0 || slot < 0 || slot >= count(entryClass))
        return {};
    // The entry ends at the first delimiter; nothing past it is looked at.
    const QByteArrayView rest = QByteArrayView(m_text).sliced(m_starts[entryClass][slot]);
    return rest.first(std::find_if(rest.begin(), rest.end(), isDelimiter) - rest.begin());
}

qint32 Dictionary::LengthCounts(int length) const
{
    return length <= LongestShortEntry ? count(length) : 0;
}

QString Dictionary::entry(int entryClass, qint32 slot) const
{
    return characters::fromUtf8(utf8(entryClass, slot));
}

QString Dictionary::WordsByLength(int length, qint32 slot) const
{
    return length <= LongestShortEntry ? entry(length, slot) : QString();
}

QString Dictionary::LongWords(qint32 index) const
{
    return entry(LongClass, index);
}

} // namespace velmora
