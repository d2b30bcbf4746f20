#pragma once

#include "FieldScan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <cstddef>

namespace velmora {

// The loaded entries, grouped by length in characters: rows 0 to 15 hold the entries of exactly
// that many characters, a separate list the entries longer than 15, all in file order. A
// character is what a reader sees as one (see Segmentation.h), so "é", "😀" and "🇫🇷" count one.
//
// The text is kept whole, as UTF-8, with the offset of each entry's start per class; an entry
// runs to the next delimiter. An index outside a class's count reads as the empty text.
class Dictionary
{
public:
    static constexpr int LongestShortEntry = 15;
    // The class of entries longer than 15 characters; also the difficulty code that draws them.
    static constexpr int LongClass = 16;
    // Files past this size are refused, whatever size they claim before they are read.
    static constexpr qint64 MaxFileBytes = qint64(128) * 1024 * 1024;

    enum class ReadStatus {
        Loaded,
        Missing, // no such file or folder
        NotARegularFile, // a folder, device, FIFO or socket
        TooLarge, // larger than MaxFileBytes
        Unreadable, // no permission, an I/O error, or not enough memory
    };

    // Splits a file's bytes into entries. The text is UTF-16 when it starts with a UTF-16
    // byte-order mark, else UTF-8 when valid as such (a UTF-8 byte-order mark is skipped in
    // any case), else Windows-1252. A field ends at LF, CR, CRLF or a comma; a delimiter at the
    // very end of the text starts no further field ("a," and "a\n" hold one entry each).
    // `fast`: whether fields are counted with the shortcuts for plain text (for measuring).
    static Dictionary fromBytes(QByteArray bytes,
                                characters::FieldScan::FastPaths fast = characters::FieldScan::FastPaths::On);

    // Reads the file at path (in the platform's own form) to its end. On any failure `out` is
    // left as it was.
    static ReadStatus readFile(const QString &path, Dictionary &out);

    qint32 LengthCounts(int length) const { return length <= LongestShortEntry ? count(length) : 0; }
    QString WordsByLength(int length, qint32 slot) const { return length <= LongestShortEntry ? entry(length, slot) : QString(); }
    QString LongWords(qint32 index) const { return entry(LongClass, index); }
    qint32 LongWordCount() const { return count(LongClass); }
    qint32 ShortWordCount() const { return TotalWords() - LongWordCount(); }
    qint32 TotalWords() const;

    // The entries of a class (a length 0..15, or LongClass), and one of them, also as UTF-8
    // without a copy: empty outside the class.
    qint32 count(int entryClass) const;
    QString entry(int entryClass, qint32 slot) const;
    QByteArrayView utf8(int entryClass, qint32 slot) const;

private:
    bool split(const characters::FieldScan &lengthOf);

    QByteArray m_text; // UTF-8, composed, delimiters and all
    qint32 m_emptyEntries = 0; // class 0 has nothing to keep but its count
    std::array<QList<quint32>, LongClass + 1> m_starts; // by class; class 0's stays empty
};

} // namespace velmora
