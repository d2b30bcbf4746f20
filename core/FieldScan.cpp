#include "FieldScan.h"

#include "CodePoints.h"
#include "Composition.h"
#include "Segmentation.h"

#include <QtEndian>

#include <array>
#include <cstdint>

namespace velmora::characters {
namespace {

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
    std::uint64_t leadBefore = 0; // a lead byte ending the word before, whose continuation is in this one
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

// composedLength() from `from` on, the characters before it counted: what a mark, a joiner or
// anything else that joins code points asks for. A letter starts a character, a mark or vowel
// sign joins the one before it, as they do in every script; what else joins code points (a
// joiner, a jamo, a prepended sign, a control character before a mark) is left to ICU's break
// iterator, and so is a letter after a virama where ICU joins the two (newer Unicode makes
// "क्ष" one character).
Q_NEVER_INLINE qsizetype composedLengthFrom(QByteArrayView utf8, qsizetype from, qsizetype characters)
{
    constexpr unsigned Virama = 9; // its canonical combining class
    static const bool viramaJoins = CharacterList(QStringLiteral(u"\u0915\u094D\u0937")).size() == 1;
    const UCPTrie *const facts = codePointFacts().trie();
    bool askIcu = false;
    bool afterVirama = false;
    unsigned lastClass = 0; // the canonical combining class of the code point before
    int marks = 0; // combining marks in a row
    // Branch-free: letters and marks alternate in an order the branch predictor cannot learn.
    for (const char *p = utf8.data() + from, *const end = utf8.data() + utf8.size(); p != end;) {
        const bool first = p == utf8.data();
        uint32_t f;
        UCPTRIE_FAST_U8_NEXT(facts, UCPTRIE_32, p, end, f);
        // The NFC quick check (UAX #15): composed as it stands when every code point is and
        // combining marks stand in canonical order; and stream-safe.
        const unsigned combining = (f & CodePointFacts::CombiningClass) >> CodePointFacts::CombiningClassShift;
        marks = combining ? marks + 1 : 0;
        if ((f & CodePointFacts::NotSurelyComposed) | ((combining != 0) & (combining < lastClass)) | (marks >= MostMarks))
            return -1;
        lastClass = combining;

        const bool alone = f & CodePointFacts::StandsAlone;
        const bool mark = breaks::in(breaks::Marks, f & CodePointFacts::BreakClass);
        characters += alone | (first & mark); // a mark at the start stands alone
        askIcu = askIcu | ((!alone) & (!mark)) | (alone & afterVirama & viramaJoins);
        afterVirama = (!alone) & (afterVirama | (combining == Virama));
    }
    return askIcu ? countCharacters(utf8) : characters;
}

// The characters of a field of UTF-8 that is valid, composed and stream-safe as it stands,
// found in the same pass that checks it is; -1 for any other. Most code points stand alone.
qsizetype composedLength(QByteArrayView utf8)
{
    static const UCPTrie *const facts = codePointFacts().trie();
    qsizetype characters = 0;
    for (const char *p = utf8.data(), *const end = p + utf8.size(); p != end && facts; ++characters) {
        const char *const at = p;
        uint32_t f;
        UCPTRIE_FAST_U8_NEXT(facts, UCPTRIE_32, p, end, f);
        if (!(f & CodePointFacts::StandsAlone))
            return composedLengthFrom(utf8, at - utf8.data(), characters);
    }
    return facts ? characters : -1;
}

} // namespace

FieldScan::FieldScan(QByteArrayView text, Text kind, FastPaths fast)
    : m_end(text.data() + text.size())
    , m_ascii(fast == FastPaths::On && noByteFrom(text, 0x80))
    , m_composed(kind == Text::Composed)
    , m_latin(fast == FastPaths::On)
{
}

qsizetype FieldScan::operator()(const char *from, const char *to) const
{
    if (m_ascii)
        return to - from;
    if (m_latin) {
        if (const qsizetype latin = latinCodePoints(from, to, m_end); latin >= 0)
            return latin;
        m_latin = false; // not a list of Latin letters: the scanner alone from here on
    }
    const QByteArrayView field(from, to - from);
    const qsizetype length = composedLength(field);
    return length >= 0 || !m_composed ? length : countCharacters(field);
}

} // namespace velmora::characters
