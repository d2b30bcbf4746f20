#include "ReadingOrder.h"

#include <unicode/ubidi.h>

#include <algorithm>

namespace velmora {

ReadingOrder::ReadingOrder(const characters::CharacterList &letters, qsizetype count)
    : m_rightToLeft(letters.text().isRightToLeft())
    , m_paragraphs(nullptr, ubidi_close)
{
    count = std::clamp(count, qsizetype(0), letters.size());
    const QChar *origin = letters.text().constData();
    for (qsizetype i = 0; i < count; ++i)
        m_starts.append(letters.at(i).data() - origin);
    m_starts.append(count == 0 ? 0 : letters.at(count - 1).data() + letters.at(count - 1).size() - origin);
    m_text = letters.text().first(m_starts.last());

    UErrorCode status = U_ZERO_ERROR;
    m_paragraphs.reset(ubidi_open());
    ubidi_setPara(m_paragraphs.get(), reinterpret_cast<const UChar *>(m_text.utf16()), int32_t(m_text.size()),
                  m_rightToLeft ? 1 : 0, nullptr, &status);
    if (U_FAILURE(status))
        m_paragraphs.reset();
}

ReadingOrder::~ReadingOrder() = default;

QList<qsizetype> ReadingOrder::line(qsizetype first, qsizetype end) const
{
    const auto start = int32_t(m_starts.at(first));
    const auto limit = int32_t(m_starts.at(end));
    // The character each code unit of the line belongs to.
    QList<qsizetype> characterAt(limit - start);
    for (qsizetype i = first; i < end; ++i)
        std::fill(characterAt.begin() + (m_starts.at(i) - start), characterAt.begin() + (m_starts.at(i + 1) - start), i);

    // The code units of the line from left to right: each paragraph's part of it in order on
    // its own (ICU orders no line across a paragraph separator), the parts side by side in the
    // text's direction.
    QList<QList<int32_t>> parts;
    UErrorCode status = U_ZERO_ERROR;
    for (int32_t from = start; m_paragraphs && U_SUCCESS(status) && from < limit;) {
        int32_t paragraphEnd = limit;
        ubidi_getParagraph(m_paragraphs.get(), from, nullptr, &paragraphEnd, nullptr, &status);
        const int32_t to = std::min(paragraphEnd, limit);
        const std::unique_ptr<UBiDi, void (*)(UBiDi *)> part(ubidi_open(), ubidi_close);
        ubidi_setLine(m_paragraphs.get(), from, to, part.get(), &status);
        QList<int32_t> visual(to - from);
        ubidi_getVisualMap(part.get(), visual.data(), &status);
        for (int32_t &unit : visual)
            unit += from - start;
        parts.append(visual);
        from = to;
    }
    QList<int32_t> units;
    if (!m_paragraphs || U_FAILURE(status)) { // in the text's direction, unit by unit
        for (int32_t i = 0; i < limit - start; ++i)
            units.append(m_rightToLeft ? limit - start - 1 - i : i);
    } else {
        if (m_rightToLeft)
            std::reverse(parts.begin(), parts.end());
        for (const QList<int32_t> &part : std::as_const(parts))
            units += part;
    }

    // A character's code units stand together; the first one met places it.
    QList<qsizetype> order;
    QList<bool> placed(end - first, false);
    for (const int32_t unit : std::as_const(units)) {
        const qsizetype c = characterAt.at(unit);
        if (!placed.at(c - first)) {
            placed[c - first] = true;
            order.append(c);
        }
    }
    return order;
}

} // namespace velmora
