#include "Characters.h"

#include <QByteArray>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QtEndian>

#include <unicode/brkiter.h>
#include <unicode/casemap.h>
#include <unicode/coll.h>
#include <unicode/edits.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucptrie.h>
#include <unicode/umutablecptrie.h>
#include <unicode/uniset.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utext.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

namespace velmora::characters {
namespace {

icu::UnicodeSet setOf(const char16_t *pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeSet set(icu::UnicodeString(pattern), status);
    return U_SUCCESS(status) ? set : icu::UnicodeSet();
}

const icu::Normalizer2 *nfc()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *n = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? n : nullptr;
}

// What the loops over every code point of a file ask of one: its grapheme cluster break class,
// whether its canonical decomposition starts or ends with a combining mark (a non-starter),
// whether composing may change it or what precedes it (its NFC quick check is No or Maybe), its
// canonical combining class, and whether it is a character of its own whatever surrounds it in
// composed text. Read from ICU's maps of those properties into one trie, once for the run, so
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
    static constexpr uint32_t AloneClasses = 1u << U_GCB_OTHER | 1u << U_GCB_LV | 1u << U_GCB_LVT;

    Q_NEVER_INLINE CodePointFacts() // made once, and kept out of the loops that ask it
    {
        UErrorCode status = U_ZERO_ERROR;
        UMutableCPTrie *facts = umutablecptrie_open(0, NotSurelyComposed, &status);
        // Each property over the code points where its value is not the usual one: the break
        // class first, a range at a time, then the others into the same values.
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
        // A letter, a symbol, a Hangul syllable (in text without jamo nothing joins it) and so
        // on, composed as it stands: a character of its own wherever it stands.
        uint32_t value = 0;
        for (UChar32 start = 0, end = 0; U_SUCCESS(status) && start < 0x110000; start = end + 1) {
            end = umutablecptrie_getRange(facts, start, UCPMAP_RANGE_NORMAL, 0, nullptr, nullptr, &value);
            if (!(value & (NotSurelyComposed | CombiningClass)) && (AloneClasses >> (value & BreakClass)) & 1)
                umutablecptrie_setRange(facts, start, end, value | StandsAlone, &status);
        }
        if (U_SUCCESS(status))
            m_trie.reset(umutablecptrie_buildImmutable(facts, UCPTRIE_TYPE_FAST, UCPTRIE_VALUE_BITS_32, &status));
        umutablecptrie_close(facts);
        if (U_FAILURE(status))
            m_trie.reset();
    }

    uint32_t of(char32_t c) const
    {
        if (m_trie)
            return UCPTRIE_FAST_GET(m_trie.get(), UCPTRIE_32, UChar32(c));
        const auto hasMark = [c](UProperty property) { return u_getIntPropertyValue(UChar32(c), property) != 0; };
        return uint32_t(u_getIntPropertyValue(UChar32(c), UCHAR_GRAPHEME_CLUSTER_BREAK))
            | (hasMark(UCHAR_LEAD_CANONICAL_COMBINING_CLASS) ? StartsWithMark : 0)
            | (hasMark(UCHAR_TRAIL_CANONICAL_COMBINING_CLASS) ? EndsWithMark : 0);
    }

    // The trie itself, for a loop over UTF-8 (UCPTRIE_FAST_U8_NEXT, which reads what is not
    // UTF-8 as NotSurelyComposed); null if ICU could not make it.
    const UCPTrie *trie() const { return m_trie.get(); }

private:
    std::unique_ptr<UCPTrie, decltype(&ucptrie_close)> m_trie{nullptr, ucptrie_close};
};

const CodePointFacts &codePointFacts()
{
    static const CodePointFacts facts;
    return facts;
}

// What text that could not be read as text reads as: nobody can type what it stood for.
constexpr char32_t ReplacementCharacter = U'\uFFFD';

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


// ICU's character boundaries, one iterator for the thread; null if ICU has no data for them.
icu::BreakIterator *characterBreaks()
{
    thread_local const std::unique_ptr<icu::BreakIterator> iterator([] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? created.release() : nullptr;
    }());
    return iterator.get();
}

// Visits the characters of text[start, end), a stretch between two certain boundaries, with
// ICU's break iterator. Offsets are in the text's own units.
template <typename Unit, typename Visit>
bool visitThroughIcu(const Unit *text, qsizetype start, qsizetype end, Visit &visit)
{
    icu::BreakIterator *breaks = characterBreaks();
    QString converted;
    const char16_t *units = nullptr;
    qsizetype length = 0;
    if constexpr (sizeof(Unit) == 1) {
        converted = fromUtf8(QByteArrayView(text + start, end - start));
        units = QStringView(converted).utf16();
        length = converted.size();
    } else {
        units = text + start;
        length = end - start;
    }
    UErrorCode status = U_ZERO_ERROR;
    UText ut = UTEXT_INITIALIZER;
    utext_openUChars(&ut, units, length, &status);
    if (breaks)
        breaks->setText(&ut, status);
    if (!breaks || U_FAILURE(status)) { // every code point on its own
        utext_close(&ut);
        for (qsizetype i = start; i < end;) {
            const qsizetype from = i;
            nextCodePoint(text, i, end);
            if (!visit(from, i))
                return false;
        }
        return true;
    }

    bool going = true;
    qsizetype from = start;
    qsizetype native = start; // where in the text the boundary at `utf16` in `units` lies
    qsizetype utf16 = 0;
    for (int32_t boundary = breaks->next(); going && boundary != icu::BreakIterator::DONE; boundary = breaks->next()) {
        if constexpr (sizeof(Unit) == 1) {
            while (utf16 < boundary && native < end)
                utf16 += U16_LENGTH(nextCodePoint(text, native, end));
        } else {
            native = start + boundary;
        }
        going = visit(from, native);
        from = native;
    }
    utext_close(&ut);
    return going;
}

// A stretch of code points between two certain boundaries, as forEachCharacter finds them.
struct Piece
{
    qsizetype start = 0;
    qsizetype codePoints = 0;
    int32_t firstBreak = U_GCB_OTHER; // the grapheme cluster break property of its first code point
    bool restAttached = true; // every code point after the first is a mark or a joiner
};

// Calls visit(start, end) for every character of text, in order, with offsets in the text's own
// units (bytes of UTF-8, or UTF-16 units), until it returns false. Between two code points that
// stand alone a character always ends, so ICU's break iterator is needed only for what lies
// between such places, and not even there when it is one code point, or one followed by marks
// and joiners alone (which join whatever precedes them but a control character).
template <typename Unit, typename Visit>
void forEachCharacter(const Unit *text, qsizetype size, Visit &&visit)
{
    const CodePointFacts &facts = codePointFacts();
    const auto visitPiece = [&](const Piece &piece, qsizetype end) {
        const int32_t first = piece.firstBreak;
        const bool startsAlone = first == U_GCB_CONTROL || first == U_GCB_CR || first == U_GCB_LF;
        const bool oneCharacter = piece.codePoints == 1 || (piece.restAttached && !startsAlone);
        return oneCharacter ? visit(piece.start, end) : visitThroughIcu(text, piece.start, end, visit);
    };

    Piece piece;
    bool previousAlone = false;
    for (qsizetype i = 0; i < size;) {
        const qsizetype at = i;
        const int32_t kind = facts.of(nextCodePoint(text, i, size)) & CodePointFacts::BreakClass;
        const bool isAlone = kind == U_GCB_OTHER || kind == U_GCB_CONTROL || kind == U_GCB_LV || kind == U_GCB_LVT;
        if (isAlone && previousAlone) {
            if (!visitPiece(piece, at))
                return;
            piece = Piece{at};
        }
        if (piece.codePoints++ == 0)
            piece.firstBreak = kind;
        else
            piece.restAttached = piece.restAttached && (kind == U_GCB_EXTEND || kind == U_GCB_SPACING_MARK || kind == U_GCB_ZWJ);
        previousAlone = isAlone;
    }
    if (piece.codePoints > 0)
        visitPiece(piece, size);
}

bool isWhiteSpaceOrControl(char32_t c)
{
    return u_isUWhiteSpace(UChar32(c)) || u_charType(UChar32(c)) == U_CONTROL_CHAR;
}

template <typename Unit>
bool revealed(const Unit *text, qsizetype size)
{
    if (size == 0)
        return true;
    if (const auto first = std::make_unsigned_t<Unit>(text[0]); size == 1 && first < 0x80) // ASCII
        return first <= 0x20 || first == 0x7F; // a blank or a control

    qsizetype i = 0;
    if (const char32_t first = nextCodePoint(text, i, size); isWhiteSpaceOrControl(first) || first == ReplacementCharacter)
        return true;
    for (i = 0; i < size;) {
        const UChar32 c = UChar32(nextCodePoint(text, i, size));
        if (u_charType(c) != U_FORMAT_CHAR && !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            return false;
    }
    return true;
}

// Where a combining grapheme joiner (U+034F) goes to make text stream-safe: before a code point
// that would make more than 30 combining marks follow one another. A code point whose canonical
// decomposition starts with a mark adds to the run, one that ends with a starter ends it.
constexpr int MostMarks = 30;

template <typename Unit>
QList<qsizetype> joinerPlaces(const Unit *text, qsizetype size)
{
    const CodePointFacts &facts = codePointFacts();
    QList<qsizetype> places;
    int run = 0; // marks in a row
    for (qsizetype i = 0; i < size;) {
        const qsizetype at = i;
        const uint32_t c = facts.of(nextCodePoint(text, i, size));
        if (!(c & CodePointFacts::StartsWithMark)) {
            run = c & CodePointFacts::EndsWithMark ? 1 : 0;
            continue;
        }
        if (++run > MostMarks) {
            places.append(at);
            run = 1;
        }
        if (!(c & CodePointFacts::EndsWithMark))
            run = 0;
    }
    return places;
}

template <typename Text, typename Joiner>
Text withJoiners(const Text &text, const QList<qsizetype> &places, Joiner joiner)
{
    if (places.isEmpty())
        return text;
    Text joined;
    qsizetype copied = 0;
    for (const qsizetype at : places) {
        joined += text.sliced(copied, at - copied);
        joined += joiner;
        copied = at;
    }
    joined += text.sliced(copied);
    return joined;
}

QString streamSafe(const QString &text)
{
    return withJoiners(text, joinerPlaces(QStringView(text).utf16(), text.size()), QChar(0x034F));
}


QString fromUnicodeString(const icu::UnicodeString &s)
{
    return QStringView(s.getBuffer(), s.length()).toString();
}

// The text as ICU's string, without a copy; it must outlive the alias.
icu::UnicodeString unicodeAlias(const QString &text)
{
    return icu::UnicodeString(false, QStringView(text).utf16(), int32_t(text.size()));
}

// The text composed (NFC), stream-safe first so that composing stays linear in its length.
icu::UnicodeString normalizedSafely(const icu::Normalizer2 &normalizer, const QString &text)
{
    const QString safe = streamSafe(text);
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString normal = normalizer.normalize(unicodeAlias(safe), status);
    return U_SUCCESS(status) ? normal : icu::UnicodeString(unicodeAlias(safe), 0);
}

// Code points below U+0300 (UTF-8 lead bytes below 0xCC) neither combine nor decompose, and
// each is a character of its own.
bool belowCombiningMarks(QByteArrayView utf8)
{
    return std::none_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xCC; });
}


// The text in lower case, as the game shows it: by Unicode's rules, in context (a capital sigma
// ending a word becomes ς), but "İ" as "i", its simple lower case, so that no character gains a
// dot. `edits`, when given, records where each code point's lower case lies.
QString lowerCase(const QString &text, icu::Edits *edits)
{
    QString source = text;
    source.replace(QChar(0x0130), QLatin1Char('I')); // the same length: offsets stay
    QString lower(source.size(), Qt::Uninitialized);
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = icu::CaseMap::toLower("", 0, QStringView(source).utf16(), int32_t(source.size()),
                                                     reinterpret_cast<char16_t *>(lower.data()), int32_t(lower.size()),
                                                     edits, status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            lower.resize(length);
            continue;
        }
        if (U_FAILURE(status)) {
            if (edits)
                edits->reset(); // lower-cased by Qt, code point for code point
            return source.toLower();
        }
        lower.resize(length);
        return lower;
    }
}

// The tag characters that follow a black flag to spell a subdivision: England's flag and
// Scotland's differ in their tags alone. Default-ignorable, yet part of what a guess must match.
bool isTag(UChar32 c)
{
    return c >= 0xE0020 && c <= 0xE007F;
}

// Final letters and the letters they are the final forms of, as Unicode names them: "HEBREW
// LETTER FINAL MEM" is the final form of "HEBREW LETTER MEM". No property pairs them (case
// folding pairs only ς with σ); Unicode's names never change. Read from ICU once, among the
// letters that have neither case nor a decomposition.
class FinalForms
{
public:
    FinalForms()
    {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeSet letters = setOf(u"[[:Lo:]&[:dt=none:]-[:Ideographic:]]");
        Names names;
        for (int32_t r = 0; r < letters.getRangeCount(); ++r)
            u_enumCharNames(letters.getRangeStart(r), letters.getRangeEnd(r) + 1, noteName, &names, U_UNICODE_CHAR_NAME, &status);
        UMutableCPTrie *pairs = umutablecptrie_open(0, 0, &status);
        for (const auto &[finalForm, ordinaryName] : std::as_const(names.finals)) {
            if (const auto ordinary = names.letters.constFind(ordinaryName); ordinary != names.letters.cend())
                umutablecptrie_set(pairs, finalForm, uint32_t(*ordinary), &status);
        }
        m_trie.reset(umutablecptrie_buildImmutable(pairs, UCPTRIE_TYPE_SMALL, UCPTRIE_VALUE_BITS_32, &status));
        umutablecptrie_close(pairs);
        if (U_FAILURE(status))
            m_trie.reset();
    }

    UChar32 ordinary(UChar32 c) const
    {
        const uint32_t ordinary = m_trie ? ucptrie_get(m_trie.get(), c) : 0;
        return ordinary ? UChar32(ordinary) : c;
    }

private:
    struct Names
    {
        QHash<QByteArray, UChar32> letters;
        QList<std::pair<UChar32, QByteArray>> finals; // with the name of the ordinary letter
    };

    static UBool noteName(void *context, UChar32 c, UCharNameChoice, const char *name, int32_t length)
    {
        static constexpr QByteArrayView Final = " LETTER FINAL ";
        Names &names = *static_cast<Names *>(context);
        const QByteArrayView n(name, length);
        if (const qsizetype at = n.indexOf(Final); at >= 0)
            names.finals.append({c, n.first(at).toByteArray() + " LETTER " + n.sliced(at + Final.size()).toByteArray()});
        else
            names.letters.insert(n.toByteArray(), c);
        return true;
    }

    std::unique_ptr<UCPTrie, decltype(&ucptrie_close)> m_trie{nullptr, ucptrie_close};
};

// composedLength() from `from` on, the characters before it counted: what a mark, a joiner or
// anything else that joins code points asks for. A letter starts a character, a mark or vowel
// sign joins the one before it, as they do in every script; what else joins code points (a
// joiner, a jamo, a prepended sign, a control character before a mark) is left to ICU's break
// iterator, and so is a letter after a virama where ICU joins the two (newer Unicode makes
// "क्ष" one character).
Q_NEVER_INLINE qsizetype composedLengthFrom(QByteArrayView utf8, qsizetype from, qsizetype characters)
{
    constexpr uint32_t Attached = 1u << U_GCB_EXTEND | 1u << U_GCB_SPACING_MARK;
    constexpr unsigned Virama = 9; // its canonical combining class
    static const bool viramaJoins = CharacterList(QStringLiteral(u"\u0915\u094D\u0937")).size() == 1;
    const UCPTrie *const facts = codePointFacts().trie();
    bool askIcu = false;
    bool afterVirama = false;
    unsigned lastClass = 0; // the canonical combining class of the code point before
    int marks = 0; // combining marks in a row
    // Letters and marks alternate in no order a branch could foretell: one pass without them.
    for (const char *p = utf8.data() + from, *const end = utf8.data() + utf8.size(); p != end;) {
        const bool first = p == utf8.data();
        uint32_t f;
        UCPTRIE_FAST_U8_NEXT(facts, UCPTRIE_32, p, end, f);
        // ICU's quick check: composed as it stands when every code point is, and combining
        // marks stand in canonical order; and stream-safe, with too few marks in a row for a
        // joiner.
        const unsigned combining = (f & CodePointFacts::CombiningClass) >> CodePointFacts::CombiningClassShift;
        marks = combining ? marks + 1 : 0;
        if ((f & CodePointFacts::NotSurelyComposed) | ((combining != 0) & (combining < lastClass)) | (marks >= MostMarks))
            return -1;
        lastClass = combining;

        const bool alone = f & CodePointFacts::StandsAlone;
        const bool attached = (Attached >> (f & CodePointFacts::BreakClass)) & 1;
        characters += alone | (first & attached); // a mark at the start stands alone
        askIcu = askIcu | ((!alone) & (!attached)) | (alone & afterVirama & viramaJoins);
        afterVirama = (!alone) & (afterVirama | (combining == Virama));
    }
    return askIcu ? countCharacters(utf8) : characters;
}

} // namespace

QString fromUtf8(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(utf8);
}

CharacterList::CharacterList(const QString &text)
    : m_text(text)
{
    // At most one character a unit, as most text has: written in place, then cut to size.
    m_ends.resize(text.size());
    qint32 *next = m_ends.data();
    forEachCharacter(QStringView(text).utf16(), text.size(), [&next](qsizetype, qsizetype end) {
        *next++ = qint32(end);
        return true;
    });
    m_ends.resize(next - m_ends.constData());
}

CharacterList CharacterList::lowered() const
{
    icu::Edits edits;
    CharacterList lower;
    lower.m_text = lowerCase(m_text, &edits);
    if (!edits.hasChanges()) {
        lower.m_ends = m_ends;
        return lower;
    }
    // A character ends between two code points, where the lower case of one ends and that of
    // the next begins.
    lower.m_ends.reserve(m_ends.size());
    icu::Edits::Iterator changes = edits.getFineIterator();
    UErrorCode status = U_ZERO_ERROR;
    for (const qint32 end : m_ends)
        lower.m_ends.append(changes.destinationIndexFromSourceIndex(end, status));
    if (U_FAILURE(status))
        return CharacterList(lower.m_text);
    return lower;
}

QString composed(const QString &text)
{
    const icu::Normalizer2 *normalizer = nfc();
    return normalizer ? fromUnicodeString(normalizedSafely(*normalizer, text)) : text;
}

QByteArray composedUtf8(QByteArrayView utf8)
{
    const icu::Normalizer2 *normalizer = nfc();
    if (!normalizer || belowCombiningMarks(utf8))
        return {};
    // Never ask ICU about text that is not stream-safe: even its check can take time that grows
    // with the square of a run of marks.
    const QList<qsizetype> joiners = joinerPlaces(utf8.data(), utf8.size());
    const QByteArray safe = joiners.isEmpty() ? QByteArray::fromRawData(utf8.data(), utf8.size())
                                              : withJoiners(utf8.toByteArray(), joiners, "\xcd\x8f");
    UErrorCode status = U_ZERO_ERROR;
    if (normalizer->isNormalizedUTF8(icu::StringPiece(safe.constData(), int32_t(safe.size())), status))
        return joiners.isEmpty() ? QByteArray() : safe;
    const QString decoded = fromUtf8(safe);
    status = U_ZERO_ERROR;
    const icu::UnicodeString normal = normalizer->normalize(unicodeAlias(decoded), status);
    return U_SUCCESS(status) ? QStringView(normal.getBuffer(), normal.length()).toUtf8() : QByteArray(safe.constData(), safe.size());
}

qsizetype countCharacters(QByteArrayView utf8)
{
    if (belowCombiningMarks(utf8)) // one character a code point: bytes but those continuing one
        return std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    qsizetype n = 0;
    forEachCharacter(utf8.data(), utf8.size(), [&n](qsizetype, qsizetype) {
        ++n;
        return true;
    });
    return n;
}

qsizetype composedLength(QByteArrayView utf8)
{
    static const UCPTrie *const facts = codePointFacts().trie();
    qsizetype characters = 0;
    for (const char *p = utf8.data(), *const end = p + utf8.size(); p != end && facts; ++characters) {
        const char *const at = p;
        uint32_t f;
        // Two bytes, 110xxxxx 10xxxxxx, and not an overlong form of ASCII: most letters of
        // most alphabets, read at once.
        if (const auto pair = end - p >= 2 ? qFromLittleEndian<quint16>(p) : 0; (pair & 0xC0E0) == 0x80C0 && (pair & 0x1E)) {
            f = UCPTRIE_FAST_BMP_GET(facts, UCPTRIE_32, (pair & 0x1F) << 6 | (pair >> 8 & 0x3F));
            p += 2;
        } else {
            UCPTRIE_FAST_U8_NEXT(facts, UCPTRIE_32, p, end, f);
        }
        if (!(f & CodePointFacts::StandsAlone)) // not one code point alone, as most are
            return composedLengthFrom(utf8, at - utf8.data(), characters);
    }
    return facts ? characters : -1;
}

qint32 lettersToFind(QByteArrayView utf8, qint32 enough)
{
    qint32 found = 0;
    const char *text = utf8.data();
    forEachCharacter(text, utf8.size(), [&](qsizetype start, qsizetype end) {
        found += revealed(text + start, end - start) ? 0 : 1;
        return found < enough;
    });
    return found;
}

QString lowered(const QString &text)
{
    return lowerCase(text, nullptr);
}

QString key(QStringView character)
{
    if (character.size() == 1 && character.front().unicode() < 0x80)
        return character.toString().toLower();
    QString folded;
    folded.reserve(character.size());
    for (qsizetype i = 0; i < character.size();)
        folded += QChar::fromUcs4(char32_t(u_foldCase(u_tolower(UChar32(nextCodePoint(character.utf16(), i, character.size()))), U_FOLD_CASE_DEFAULT)));
    UErrorCode status = U_ZERO_ERROR;
    if (const icu::Normalizer2 *normalizer = nfc(); normalizer && !normalizer->isNormalized(unicodeAlias(folded), status)) {
        status = U_ZERO_ERROR;
        const icu::UnicodeString normal = normalizer->normalize(unicodeAlias(folded), status);
        if (U_SUCCESS(status))
            folded = fromUnicodeString(normal);
    }

    QString k;
    k.reserve(folded.size());
    static const FinalForms finalForms;
    for (qsizetype i = 0; i < folded.size();) {
        const UChar32 c = UChar32(nextCodePoint(folded.utf16(), i, folded.size()));
        if (isTag(c) || !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            k += QChar::fromUcs4(char32_t(finalForms.ordinary(c)));
    }
    return k;
}

bool standsRevealed(QStringView character)
{
    return revealed(character.utf16(), character.size());
}

bool isWhiteSpace(QStringView character)
{
    qsizetype i = 0;
    return !character.isEmpty() && u_isUWhiteSpace(UChar32(nextCodePoint(character.utf16(), i, character.size())));
}

// A language's idea of the same letter: its collator at primary strength. The keys of one
// letter are all represented by the first of them met, so that keys stay characters and
// compare as text; ASCII is met first, so that a plain word is its own keys.
class GuessMatching::Language
{
public:
    explicit Language(std::unique_ptr<icu::Collator> collator)
        : m_collator(std::move(collator))
    {
        for (char16_t c = 0x21; c < 0x7F; ++c) {
            const QString k(QChar{c});
            if (!(c >= u'A' && c <= u'Z'))
                m_asciiKeepsItsKeys = representative(k) == k && m_asciiKeepsItsKeys;
        }
    }

    bool asciiKeepsItsKeys() const { return m_asciiKeepsItsKeys; }

    QString representative(const QString &key)
    {
        if (const auto known = m_representatives.constFind(key); known != m_representatives.cend())
            return *known;
        QString found = key;
        if (QByteArray letter = primaryWeights(key); !letter.isEmpty()) {
            // Tags are nothing to the collator, yet they tell one flag from another: they follow
            // the weights after a byte no weight is.
            QString tags;
            for (qsizetype i = 0; i < key.size();) {
                if (const char32_t c = nextCodePoint(key.utf16(), i, key.size()); isTag(UChar32(c)))
                    tags += QChar::fromUcs4(c);
            }
            if (!tags.isEmpty())
                letter += '\x01' + tags.toUtf8();
            auto first = m_letters.find(letter);
            if (first == m_letters.end())
                first = m_letters.insert(letter, key);
            found = *first;
        }
        m_representatives.insert(key, found);
        return found;
    }

private:
    // The collator's primary weights for the text, without the sort key's terminator: empty
    // when it ignores the text at that strength.
    QByteArray primaryWeights(const QString &text) const
    {
        QByteArray weights(32, Qt::Uninitialized);
        for (;;) {
            const int32_t length = m_collator->getSortKey(unicodeAlias(text), reinterpret_cast<uint8_t *>(weights.data()), int32_t(weights.size()));
            if (length <= weights.size()) {
                weights.truncate(std::max(length - 1, 0));
                return weights;
            }
            weights.resize(length);
        }
    }

    std::unique_ptr<icu::Collator> m_collator; // at primary strength
    bool m_asciiKeepsItsKeys = true;
    QHash<QString, QString> m_representatives; // by key
    QHash<QByteArray, QString> m_letters; // the first key met, by primary weights and tags
};

GuessMatching::GuessMatching(std::shared_ptr<Language> language)
    : m_language(std::move(language))
{
}

GuessMatching GuessMatching::forFile(const QString &path)
{
    // The name up to its extension must be a well-formed language tag, and its language one of
    // the languages ICU knows by code: "Dictionary", "words" and "birds" are none.
    const QString name = QFileInfo(path).completeBaseName();
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = icu::Locale::forLanguageTag(name.toStdString(), status);
    if (U_FAILURE(status) || locale.isBogus() || *locale.getLanguage() == 0)
        return {};
    bool known = false;
    for (const char *const *code = icu::Locale::getISOLanguages(); *code && !known; ++code)
        known = std::strcmp(*code, locale.getLanguage()) == 0;
    if (!known)
        return {};
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || !collator)
        return {};
    collator->setStrength(icu::Collator::PRIMARY);
    return GuessMatching(std::make_shared<Language>(std::move(collator)));
}

QString GuessMatching::key(QStringView character) const
{
    return m_language ? m_language->representative(characters::key(character)) : characters::key(character);
}

CharacterList GuessMatching::keys(const CharacterList &characters) const
{
    const bool asciiKeepsItsKeys = !m_language || m_language->asciiKeepsItsKeys();
    CharacterList keys;
    bool same = true; // while every key so far is its own character, nothing is copied
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QStringView character = characters.at(i);
        const bool lowerAscii = character.size() == 1 && character.front().unicode() < 0x80
            && !(character.front() >= u'A' && character.front() <= u'Z');
        if (same && lowerAscii && asciiKeepsItsKeys) // its own key, found without making one
            continue;
        const QString k = key(character);
        if (same && k == character)
            continue;
        if (same) {
            keys.m_text = characters.m_text.first(i == 0 ? 0 : characters.m_ends.at(i - 1));
            keys.m_ends = characters.m_ends.first(i);
            same = false;
        }
        keys.m_text += k;
        keys.m_ends.append(qint32(keys.m_text.size()));
    }
    return same ? characters : keys;
}

} // namespace velmora::characters
