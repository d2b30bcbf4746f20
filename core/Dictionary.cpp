#include "Dictionary.h"

#include "Composition.h"
#include "FieldScan.h"

#include <QFile>
#include <QScopeGuard>

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
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

// The text of a file as composed UTF-8: UTF-16 after its byte-order mark; else UTF-8, its own
// byte-order mark already gone; else Windows-1252.
QByteArray composedUtf8Of(QByteArray bytes, const char *utf16)
{
    if (utf16) {
        // An odd byte at the end is a broken character of its own, apart from a surrogate
        // before it that waited for its pair: each is a U+FFFD.
        const QByteArrayView units = QByteArrayView(bytes).sliced(2);
        return composedText(utf8From(utf16, units.first(units.size() & ~qsizetype(1))) + (units.size() % 2 ? "\xEF\xBF\xBD" : ""));
    }
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

} // namespace

Dictionary Dictionary::fromBytes(QByteArray bytes, characters::FieldScan::FastPaths fast)
{
    using characters::FieldScan;
    Dictionary d;
    const char *const utf16 = bytes.startsWith("\xff\xfe") ? "UTF-16LE" : bytes.startsWith("\xfe\xff") ? "UTF-16BE" : nullptr;
    if (!utf16) {
        // Most lists are UTF-8 that is composed as it stands, checked as it is split.
        if (bytes.startsWith("\xef\xbb\xbf"))
            bytes.remove(0, 3);
        d.m_text = std::move(bytes);
        if (d.split(FieldScan(d.m_text, FieldScan::Text::AsItStands, fast)))
            return d;
        bytes = std::move(d.m_text);
    }
    d.m_text = composedUtf8Of(std::move(bytes), utf16);
    d.split(FieldScan(d.m_text, FieldScan::Text::Composed, fast));
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

// Notes where each field starts, by its class: its length in characters, as the scan counts
// them. False, with nothing noted, as soon as it counts -1.
bool Dictionary::split(const characters::FieldScan &lengthOf)
{
    const auto forget = [this] {
        m_emptyEntries = 0;
        for (QList<quint32> &starts : m_starts)
            starts.clear();
    };
    forget();
    const char *const begin = m_text.constData();
    const char *const end = begin + m_text.size();
    // Most lists have no comma and no CR: their fields are lines, found by the fast memchr.
    const bool linesOnly = !m_text.contains(',') && !m_text.contains('\r');
    const auto fieldEnd = [&](const char *from) {
        if (!linesOnly)
            return std::find_if(from, end, isDelimiter);
        const void *lineFeed = std::memchr(from, '\n', std::size_t(end - from));
        return lineFeed ? static_cast<const char *>(lineFeed) : end;
    };

    for (const char *p = begin; p != end;) {
        const char *const start = p;
        p = fieldEnd(start);
        const qsizetype length = lengthOf(start, p);
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

QString Dictionary::entry(int entryClass, qint32 slot) const
{
    return characters::fromUtf8(utf8(entryClass, slot));
}

} // namespace velmora
