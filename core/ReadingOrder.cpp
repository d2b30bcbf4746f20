#include "ReadingOrder.h"

#include <unicode/ubidi.h>
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

namespace velmora {

ReadingOrder::ReadingOrder(const characters::CharacterList &letters, qsizetype count)
    : m_rightToLeft(letters.text().isRightToLeft())
    , m_paragraph(nullptr, ubidi_close)
{
    count = std::clamp(count, qsizetype(0), letters.size());
    const QChar *origin = letters.text().constData();
    for (qsizetype i = 0; i < count; ++i)
        m_starts.append(letters.at(i).data() - origin);
    m_starts.append(count == 0 ? 0 : letters.at(count - 1).data() + letters.at(count - 1).size() - origin);
    m_text = letters.text().first(m_starts.last());

    UErrorCode status = U_ZERO_ERROR;
    m_paragraph.reset(ubidi_open());
    ubidi_setPara(m_paragraph.get(), reinterpret_cast<const UChar *>(m_text.utf16()), int32_t(m_text.size()),
                  m_rightToLeft ? 1 : 0, nullptr, &status);
    if (U_FAILURE(status))
        m_paragraph.reset();
}

ReadingOrder::~ReadingOrder() = default;

QList<qsizetype> ReadingOrder::line(qsizetype first, qsizetype end) const
{
    const qsizetype start = m_starts.at(first);
    const qsizetype length = m_starts.at(end) - start;
    // The character each code unit of the line belongs to.
    QList<qsizetype> characterAt(length);
    for (qsizetype i = first; i < end; ++i)
        std::fill(characterAt.begin() + (m_starts.at(i) - start), characterAt.begin() + (m_starts.at(i + 1) - start), i);

    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UBiDi, void (*)(UBiDi *)> line(ubidi_open(), ubidi_close);
    QList<int32_t> visual(length);
    if (m_paragraph) {
        ubidi_setLine(m_paragraph.get(), int32_t(start), int32_t(start + length), line.get(), &status);
        ubidi_getVisualMap(line.get(), visual.data(), &status);
    }
    if (!m_paragraph || U_FAILURE(status)) {
        // A line that ICU can't take, such as one across a paragraph separator inside the text,
        // keeps its characters in the paragraph's direction.
        for (qsizetype i = 0; i < length; ++i)
            visual[i] = int32_t(m_rightToLeft ? length - 1 - i : i);
    }

    // A character's code units stand together; the first one met places it.
    QList<qsizetype> order;
    QList<bool> placed(end - first, false);
    for (const int32_t unit : std::as_const(visual)) {
        const qsizetype c = characterAt.at(unit);
        if (!placed.at(c - first)) {
            placed[c - first] = true;
            order.append(c);
        }
    }
    return order;
}

bool isEmojiPicture(QStringView character)
{
    if (character.isEmpty())
        return false;
    const auto *units = reinterpret_cast<const UChar *>(character.utf16());
    const auto length = int32_t(character.size());
    UChar32 first = 0;
    U16_GET(units, 0, 0, length, first);
    return u_stringHasBinaryProperty(units, length, UCHAR_RGI_EMOJI) || u_hasBinaryProperty(first, UCHAR_EMOJI_PRESENTATION);
}

} // namespace velmora
