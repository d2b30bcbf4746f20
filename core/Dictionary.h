#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

namespace velmora {

// The loaded entries, grouped by length: rows 0 to 15 hold the entries of exactly that many
// characters, a separate list the entries longer than 15, all in file order.
//
// The file is read a stretch at a time, and each stretch's entries kept as one piece: each
// class's characters back to back, one byte each when the file is ASCII, else UTF-16. Entries
// of a short class all have its length, so only long entries keep an end offset: an ASCII
// dictionary costs about a byte a character. All pieces share one block.
// An index outside a row's count reads as the empty text; no entry of an earlier file remains.
class Dictionary
{
public:
    static constexpr int LongestShortEntry = 15;
    // The class of entries longer than 15 characters; also the difficulty code that draws them.
    static constexpr int LongClass = 16;
    // Files past this size are refused before they are read.
    static constexpr qint64 MaxFileBytes = qint64(128) * 1024 * 1024;

    enum class ReadStatus {
        Loaded,
        Missing, // no such file or folder
        NotARegularFile, // a folder, device, FIFO or socket
        TooLarge, // larger than MaxFileBytes
        Unreadable, // no permission, an I/O error, or not enough memory
    };

    // Splits 8-bit text into entries. The bytes are read as UTF-8 when they are valid UTF-8
    // (a leading byte-order mark is skipped), otherwise as Windows-1252. A field ends at LF,
    // CR, CRLF or a comma; a line end at the very end of the text starts no further field.
    static Dictionary fromBytes(QByteArrayView bytes);

    // Reads the file at path (in the platform's own form). On any failure `out` is left as it was.
    static ReadStatus readFile(const QString &path, Dictionary &out);

    qint32 LengthCounts(int length) const;
    QString WordsByLength(int length, qint32 slot) const;
    QString LongWords(qint32 index) const;
    qint32 LongWordCount() const { return count(LongClass); }
    qint32 ShortWordCount() const { return m_shortWordCount; }
    qint32 TotalWords() const { return m_shortWordCount + LongWordCount(); }

    // Entries of a class (a length 0..15, or LongClass) that leave at least two characters
    // other than blanks to find.
    qint32 playableCount(int entryClass) const;
    // The index within its class of the k-th such entry, 0 <= k < playableCount(entryClass).
    qint32 playableSlot(int entryClass, qint32 k) const;

    // Heap bytes held by the tables.
    std::size_t heapBytes() const;

private:
    struct Free
    {
        void operator()(void *p) const noexcept { std::free(p); }
    };

    // The entries of one stretch of the text: each class's come after those of the pieces
    // before, their characters from text[c] on in the block, and the long ones' end offsets
    // (counted from text[LongClass]) from `ends` on.
    struct Piece
    {
        std::array<qint32, LongClass + 1> first{}; // the slot of each class's first entry here
        std::array<std::size_t, LongClass + 1> text{};
        std::size_t ends = 0;
    };

    // An entry's characters: char (Latin-1), or char16_t when m_wide.
    struct Span
    {
        const std::byte *from;
        std::size_t length;
    };

    struct Layout;
    template <typename Char>
    class Filler;
    template <typename Char>
    class Builder;

    static Dictionary decode(QByteArrayView bytes);

    qint32 count(int entryClass) const { return m_counts[entryClass]; }
    Span span(int entryClass, qint32 slot) const;
    QString entry(int entryClass, qint32 slot) const;
    bool isPlayable(int entryClass, qint32 slot) const;

    std::unique_ptr<std::byte, Free> m_block; // malloc'd, so that it can grow while the text is read
    std::size_t m_blockBytes = 0;
    std::vector<Piece> m_pieces; // in file order
    std::array<qint32, LongClass + 1> m_counts{};
    qint32 m_shortWordCount = 0;
    bool m_wide = false; // the entries are UTF-16 rather than Latin-1
    mutable std::array<qint32, LongClass + 1> m_playable = filledWithUnknown();

    static constexpr std::array<qint32, LongClass + 1> filledWithUnknown()
    {
        std::array<qint32, LongClass + 1> a{};
        a.fill(-1);
        return a;
    }
};

} // namespace velmora
