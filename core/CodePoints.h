#pragma once

#include <QByteArrayView>
#include <QString>

#include <unicode/uchar.h>
#include <unicode/ucptrie.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>

// What the passes over the code points of a text share: reading one code point, the grapheme
// cluster break classes (UAX #29) the shortcuts past ICU's break iterator rely on, and the
// facts of every code point in one trie.
namespace velmora::characters {

// What text that could not be read as text reads as: nobody can type what it stood for.
inline constexpr char32_t ReplacementCharacter = U'\uFFFD';

// The code point at i of UTF-8 or UTF-16, i moved past it; U+FFFD for a broken one.
template <typename Unit>
Q_ALWAYS_INLINE char32_t nextCodePoint(const Unit *text, qsizetype &i, qsizetype size)
{
    UChar32 c;
    if constexpr (sizeof(Unit) == 1)
        U8_NEXT(text, i, size, c);
    else
        U16_NEXT(text, i, size, c);
    return c < 0 ? ReplacementCharacter : char32_t(c);
}

// Grapheme cluster break classes as sets of bits, each written once. Nothing joins a control
// to what stands beside it; a character always ends between two code points of the classes
// Alone (a letter, a symbol, a Hangul syllable, a control); marks join what precedes them but a
// control, and the zero-width joiner may join what follows it too (an emoji sequence).
namespace breaks {
inline constexpr uint32_t Controls = 1u << U_GCB_CONTROL | 1u << U_GCB_CR | 1u << U_GCB_LF;
inline constexpr uint32_t Alone = 1u << U_GCB_OTHER | 1u << U_GCB_LV | 1u << U_GCB_LVT | 1u << U_GCB_CONTROL;
inline constexpr uint32_t Marks = 1u << U_GCB_EXTEND | 1u << U_GCB_SPACING_MARK;
inline constexpr uint32_t Joining = Marks | 1u << U_GCB_ZWJ;
constexpr bool in(uint32_t set, uint32_t breakClass) { return (set >> breakClass) & 1; }
} // namespace breaks

// What the loops over every code point of a file ask of one: its grapheme cluster break class,
// whether its canonical decomposition starts or ends with a combining mark (a non-starter),
// whether composing may change it or what precedes it (its NFC quick check, UAX #15, is No or
// Maybe), its canonical combining class, and whether it is a character of its own wherever it
// stands in composed text. Read from ICU's property maps into one trie, once for the run, so
// that each is one inline look-up.
class CodePointFacts
{
public:
    static constexpr uint32_t BreakClass = 0x1F;
    static constexpr uint32_t StartsWithMark = 0x20;
    static constexpr uint32_t EndsWithMark = 0x40;
    static constexpr uint32_t NotSurelyComposed = 0x80; // also what bytes that are not UTF-8 read as
    static constexpr int CombiningClassShift = 8;
    static constexpr uint32_t CombiningClass = 0xFF << CombiningClassShift;
    static constexpr uint32_t StandsAlone = 0x10000;

    CodePointFacts();

    uint32_t of(char32_t c) const
    {
        return m_trie ? UCPTRIE_FAST_GET(m_trie.get(), UCPTRIE_32, UChar32(c)) : ofWithoutTrie(c);
    }

    // The trie itself, for a loop over UTF-8 (UCPTRIE_FAST_U8_NEXT, which reads what is not
    // UTF-8 as NotSurelyComposed); null if ICU could not make it.
    const UCPTrie *trie() const { return m_trie.get(); }

private:
    static uint32_t ofWithoutTrie(char32_t c);

    std::unique_ptr<UCPTrie, decltype(&ucptrie_close)> m_trie{nullptr, ucptrie_close};
};

const CodePointFacts &codePointFacts();

// Whether every byte is below limit: 0x80 for ASCII, 0xCC for code points below U+0300, which
// neither combine nor decompose and are each a character of their own.
inline bool noByteFrom(QByteArrayView bytes, unsigned char limit)
{
    return std::none_of(bytes.begin(), bytes.end(), [limit](char c) { return static_cast<unsigned char>(c) >= limit; });
}

// ICU's string over the text without a copy; the text must outlive it.
inline icu::UnicodeString unicodeAlias(const QString &text)
{
    return icu::UnicodeString(false, QStringView(text).utf16(), int32_t(text.size()));
}

} // namespace velmora::characters
