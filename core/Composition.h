#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text composed to Unicode normalization form C (UAX #15), as the game keeps every entry and
// every guess, so that "é" typed as e + U+0301 and "é" typed whole are the same text.
namespace velmora::characters {

// The Stream-Safe Text Format (UAX #15): no more than 30 combining marks in a row. Before
// composing, a combining grapheme joiner (U+034F) follows every 30, so that no run of marks can
// make composing take time that grows with the square of its length; real text has no such run.
inline constexpr int MostMarks = 30;

// UTF-8 decoded whole: a U+FEFF at its start is a character, not a byte-order mark.
QString fromUtf8(QByteArrayView utf8);

// Text made stream-safe and composed. For valid UTF-8, a null array when it needs no change.
QByteArray composedUtf8(QByteArrayView utf8);
QString composed(const QString &text);

} // namespace velmora::characters
