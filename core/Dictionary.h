#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <memory>

namespace velmora {

struct FieldScan;

// The loaded entries, grouped by length: rows 0 to 15 hold the entries of exactly that many
// characters, a separate list the entries longer than 15, all in file order.
//
// Each row keeps its entries packed in one UTF-16 buffer with one end offset per entry, so a
// dictionary costs about two bytes per character plus four per entry, whatever its size.
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
    struct Row
    {
        std::unique_ptr<char16_t[]> text;
        std::unique_ptr<quint32[]> ends; // entry i is text[ends[i - 1] (0 for i = 0), ends[i])
        qint32 count = 0;
    };

    template <typename Char, typename Copy>
    static Dictionary build(const Char *text, std::size_t n, const FieldScan &scan, Copy copy);

    qint32 count(int entryClass) const { return m_rows[entryClass].count; }
    QString entry(int entryClass, qint32 slot) const;
    bool isPlayable(int entryClass, qint32 slot) const;

    std::array<Row, LongClass + 1> m_rows;
    qint32 m_shortWordCount = 0;
    mutable std::array<qint32, LongClass + 1> m_playable = filledWithUnknown();

    static constexpr std::array<qint32, LongClass + 1> filledWithUnknown()
    {
        std::array<qint32, LongClass + 1> a{};
        a.fill(-1);
        return a;
    }
};

} // namespace velmora
