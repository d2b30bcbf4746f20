#include "Segmentation.h"

#include "CodePoints.h"

#include <unicode/brkiter.h>
#include <unicode/casemap.h>
#include <unicode/edits.h>
#include <unicode/utext.h>

#include <memory>
#include <type_traits>

namespace velmora::characters {
namespace {

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
// ICU's break iterator, which gives offsets in the text's own units (bytes of UTF-8, or UTF-16
// units) itself.
template <typename Unit, typename Visit>
bool visitThroughIcu(const Unit *text, qsizetype start, qsizetype end, Visit &visit)
{
    icu::BreakIterator *breaks = characterBreaks();
    UErrorCode status = U_ZERO_ERROR;
    UText ut = UTEXT_INITIALIZER;
    if constexpr (sizeof(Unit) == 1)
        utext_openUTF8(&ut, text + start, end - start, &status);
    else
        utext_openUChars(&ut, text + start, end - start, &status);
    if (breaks)
        breaks->setText(&ut, status);
    bool going = true;
    if (!breaks || U_FAILURE(status)) { // every code point on its own
        for (qsizetype i = start; going && i < end;) {
            const qsizetype from = i;
            nextCodePoint(text, i, end);
            going = visit(from, i);
        }
    } else {
        qsizetype from = start;
        for (int32_t boundary = breaks->next(); going && boundary != icu::BreakIterator::DONE; boundary = breaks->next()) {
            going = visit(from, start + boundary);
            from = start + boundary;
        }
    }
    utext_close(&ut);
    return going;
}

// Calls visit(start, end) for every character of text, in order, with offsets in the text's own
// units, until it returns false. Between two code points of the classes breaks::Alone a
// character always ends, so ICU's break iterator is needed only for what lies between such
// places, and not even there when it is one code point, or one followed by marks and joiners
// alone (which join whatever precedes them but a control).
template <typename Unit, typename Visit>
void forEachCharacter(const Unit *text, qsizetype size, Visit &&visit)
{
    const CodePointFacts &facts = codePointFacts();
    qsizetype start = 0; // of the stretch since the last certain boundary
    qsizetype codePoints = 0;
    uint32_t firstClass = U_GCB_OTHER;
    bool restJoins = true; // every code point after the first is a mark or a joiner
    const auto visitStretch = [&](qsizetype end) {
        const bool oneCharacter = codePoints == 1 || (restJoins && !breaks::in(breaks::Controls, firstClass));
        return oneCharacter ? visit(start, end) : visitThroughIcu(text, start, end, visit);
    };

    bool previousAlone = false;
    for (qsizetype i = 0; i < size;) {
        const qsizetype at = i;
        const uint32_t kind = facts.of(nextCodePoint(text, i, size)) & CodePointFacts::BreakClass;
        const bool alone = breaks::in(breaks::Alone, kind);
        if (alone && previousAlone) {
            if (!visitStretch(at))
                return;
            start = at;
            codePoints = 0;
            restJoins = true;
        }
        if (codePoints++ == 0)
            firstClass = kind;
        else
            restJoins = restJoins && breaks::in(breaks::Joining, kind);
        previousAlone = alone;
    }
    if (codePoints > 0)
        visitStretch(size);
}

template <typename Unit>
bool revealed(const Unit *text, qsizetype size, QStringView shownToo)
{
    if (const auto unit = size == 1 ? std::make_unsigned_t<Unit>(text[0]) : 0x80; unit < 0x80) // ASCII
        return unit <= 0x20 || unit == 0x7F; // a blank or a control
    qsizetype i = 0;
    const auto first = UChar32(size == 0 ? U' ' : nextCodePoint(text, i, size));
    if (u_isUWhiteSpace(first) || u_charType(first) == U_CONTROL_CHAR || first == UChar32(ReplacementCharacter)
        || (first < 0x10000 && shownToo.contains(QChar(char16_t(first)))))
        return true;
    for (i = 0; i < size;) {
        const UChar32 c = UChar32(nextCodePoint(text, i, size));
        if (u_charType(c) != U_FORMAT_CHAR && !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            return false;
    }
    return true;
}

// The text in lower case (see lowered()); `edits`, when given, records where each code point's
// lower case lies.
QString lowerCase(const QString &text, const char *language, icu::Edits *edits)
{
    QString source = text;
    if (!*language)
        source.replace(QChar(0x0130), QLatin1Char('I')); // the same length: offsets stay
    QString lower;
    auto length = int32_t(source.size());
    UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
    while (status == U_BUFFER_OVERFLOW_ERROR) { // once more when the lower case is longer
        status = U_ZERO_ERROR;
        lower.resize(length);
        length = icu::CaseMap::toLower(language, 0, QStringView(source).utf16(), int32_t(source.size()),
                                       reinterpret_cast<char16_t *>(lower.data()), int32_t(lower.size()), edits, status);
    }
    if (U_FAILURE(status)) {
        if (edits)
            edits->reset(); // lower-cased by Qt, code point for code point
        return source.toLower();
    }
    lower.resize(length);
    return lower;
}

} // namespace

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

CharacterList CharacterList::lowered(const char *language) const
{
    icu::Edits edits;
    CharacterList lower;
    lower.m_text = lowerCase(m_text, language, &edits);
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

CharacterList CharacterList::first(qsizetype n) const
{
    CharacterList head;
    head.m_ends = m_ends.first(n);
    head.m_text = m_text.first(n == 0 ? 0 : m_ends.at(n - 1));
    return head;
}

void CharacterList::append(QStringView character)
{
    m_text += character;
    m_ends.append(qint32(m_text.size()));
}

qsizetype countCharacters(QByteArrayView utf8)
{
    if (noByteFrom(utf8, 0xCC)) // one character a code point: bytes but those continuing one
        return std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    qsizetype n = 0;
    forEachCharacter(utf8.data(), utf8.size(), [&n](qsizetype, qsizetype) {
        ++n;
        return true;
    });
    return n;
}

qint32 lettersToFind(QByteArrayView utf8, qint32 enough, QStringView shownToo)
{
    qint32 found = 0;
    const char *text = utf8.data();
    forEachCharacter(text, utf8.size(), [&](qsizetype start, qsizetype end) {
        found += revealed(text + start, end - start, shownToo) ? 0 : 1;
        return found < enough;
    });
    return found;
}

QString lowered(const QString &text, const char *language)
{
    return lowerCase(text, language, nullptr);
}

bool standsRevealedBeyondAscii(QStringView character, QStringView shownToo)
{
    return revealed(character.utf16(), character.size(), shownToo);
}

bool isWhiteSpace(QStringView character)
{
    qsizetype i = 0;
    return !character.isEmpty() && u_isUWhiteSpace(UChar32(nextCodePoint(character.utf16(), i, character.size())));
}

} // namespace velmora::characters
