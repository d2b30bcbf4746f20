#include "CodePoints.h"

#include <unicode/ucpmap.h>
#include <unicode/umutablecptrie.h>
#include <unicode/unorm2.h>

namespace velmora::characters {

// Made once, and kept out of the loops that ask it.
Q_NEVER_INLINE CodePointFacts::CodePointFacts()
{
    UErrorCode status = U_ZERO_ERROR;
    UMutableCPTrie *facts = umutablecptrie_open(0, NotSurelyComposed, &status);
    // Each property over the ranges of code points that share its value: the break class first,
    // then the others into the same values.
    const auto eachRange = [&status](UProperty property, auto use) {
        const UCPMap *values = u_getIntPropertyMap(property, &status);
        uint32_t value = 0;
        for (UChar32 start = 0, end = 0; U_SUCCESS(status) && start < 0x110000; start = end + 1) {
            end = ucpmap_getRange(values, start, UCPMAP_RANGE_NORMAL, 0, nullptr, nullptr, &value);
            use(start, end, value);
        }
    };
    eachRange(UCHAR_GRAPHEME_CLUSTER_BREAK, [&](UChar32 start, UChar32 end, uint32_t value) {
        umutablecptrie_setRange(facts, start, end, value, &status);
    });
    const auto add = [&](UProperty property, auto bitsOf) {
        eachRange(property, [&](UChar32 start, UChar32 end, uint32_t value) {
            for (UChar32 c = start; bitsOf(value) != 0 && c <= end; ++c)
                umutablecptrie_set(facts, c, umutablecptrie_get(facts, c) | bitsOf(value), &status);
        });
    };
    add(UCHAR_LEAD_CANONICAL_COMBINING_CLASS, [](uint32_t value) { return value ? StartsWithMark : 0u; });
    add(UCHAR_TRAIL_CANONICAL_COMBINING_CLASS, [](uint32_t value) { return value ? EndsWithMark : 0u; });
    add(UCHAR_NFC_QUICK_CHECK, [](uint32_t value) { return value != UNORM_YES ? NotSurelyComposed : 0u; });
    add(UCHAR_CANONICAL_COMBINING_CLASS, [](uint32_t value) { return value << CombiningClassShift; });
    // A letter, a symbol, a Hangul syllable (in text without jamo nothing joins it) and so on,
    // composed as it stands: a character of its own wherever it stands, which the marks after
    // it join. A control is none: a mark after it starts a character.
    uint32_t value = 0;
    for (UChar32 start = 0, end = 0; U_SUCCESS(status) && start < 0x110000; start = end + 1) {
        end = umutablecptrie_getRange(facts, start, UCPMAP_RANGE_NORMAL, 0, nullptr, nullptr, &value);
        if (!(value & (NotSurelyComposed | CombiningClass)) && breaks::in(breaks::Alone & ~breaks::Controls, value & BreakClass))
            umutablecptrie_setRange(facts, start, end, value | StandsAlone, &status);
    }
    if (U_SUCCESS(status))
        m_trie.reset(umutablecptrie_buildImmutable(facts, UCPTRIE_TYPE_FAST, UCPTRIE_VALUE_BITS_32, &status));
    umutablecptrie_close(facts);
    if (U_FAILURE(status))
        m_trie.reset();
}

uint32_t CodePointFacts::ofWithoutTrie(char32_t c)
{
    const auto hasMark = [c](UProperty property) { return u_getIntPropertyValue(UChar32(c), property) != 0; };
    return uint32_t(u_getIntPropertyValue(UChar32(c), UCHAR_GRAPHEME_CLUSTER_BREAK))
        | (hasMark(UCHAR_LEAD_CANONICAL_COMBINING_CLASS) ? StartsWithMark : 0)
        | (hasMark(UCHAR_TRAIL_CANONICAL_COMBINING_CLASS) ? EndsWithMark : 0);
}

const CodePointFacts &codePointFacts()
{
    static const CodePointFacts facts;
    return facts;
}

} // namespace velmora::characters
