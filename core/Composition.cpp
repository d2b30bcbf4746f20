#include "Composition.h"

#include "CodePoints.h"

#include <QList>
#include <QStringDecoder>

#include <unicode/normalizer2.h>

namespace velmora::characters {
namespace {

const icu::Normalizer2 *nfc()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *n = icu::Normalizer2::getNFCInstance(status);
    return U_SUCCESS(status) ? n : nullptr;
}

// Where a combining grapheme joiner goes to make text stream-safe: before a code point that
// would make more than MostMarks non-starters follow one another. A code point whose canonical
// decomposition starts with a mark adds to the run, one that ends with a starter ends it.
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

} // namespace

QString fromUtf8(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder(utf8);
}

QString composed(const QString &text)
{
    const icu::Normalizer2 *normalizer = nfc();
    if (!normalizer)
        return text;
    const QString safe = withJoiners(text, joinerPlaces(QStringView(text).utf16(), text.size()), QChar(0x034F));
    UErrorCode status = U_ZERO_ERROR;
    if (normalizer->isNormalized(unicodeAlias(safe), status))
        return safe;
    status = U_ZERO_ERROR;
    const icu::UnicodeString normal = normalizer->normalize(unicodeAlias(safe), status);
    return U_SUCCESS(status) ? QStringView(normal.getBuffer(), normal.length()).toString() : safe;
}

QByteArray composedUtf8(QByteArrayView utf8)
{
    const icu::Normalizer2 *normalizer = nfc();
    if (!normalizer || noByteFrom(utf8, 0xCC))
        return {};
    // Never ask ICU about text that is not stream-safe: even its check can take time that grows
    // with the square of a run of marks.
    const QList<qsizetype> joiners = joinerPlaces(utf8.data(), utf8.size());
    const QByteArray safe = joiners.isEmpty() ? QByteArray::fromRawData(utf8.data(), utf8.size())
                                              : withJoiners(utf8.toByteArray(), joiners, "\xcd\x8f");
    UErrorCode status = U_ZERO_ERROR;
    if (normalizer->isNormalizedUTF8(icu::StringPiece(safe.constData(), int32_t(safe.size())), status))
        return joiners.isEmpty() ? QByteArray() : safe;
    return composed(fromUtf8(safe)).toUtf8();
}

} // namespace velmora::characters
