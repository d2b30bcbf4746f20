#pragma once

#include "Segmentation.h"

#include <QList>
#include <QString>

#include <memory>

struct UBiDi;

namespace velmora {

// Where the characters of a text stand when it is read, by Unicode's Bidirectional Algorithm
// (UAX #9). The text reads the way its first strong character does (an Arabic or Hebrew letter:
// right to left), and so does each paragraph of it where a paragraph separator stands inside; a
// number or a Latin word inside Arabic still reads left to right, an Arabic word inside Latin
// right to left. Each line of a wrapped text is put in order on its own, as the algorithm does
// after the lines are broken.
class ReadingOrder
{
public:
    // The first `count` characters of letters (all of them, when it has fewer); the direction
    // comes from the whole text.
    ReadingOrder(const characters::CharacterList &letters, qsizetype count);
    ~ReadingOrder();
    ReadingOrder(const ReadingOrder &) = delete;
    ReadingOrder &operator=(const ReadingOrder &) = delete;

    bool isRightToLeft() const { return m_rightToLeft; }
    qsizetype size() const { return m_starts.size() - 1; }

    // Characters first to end - 1 (first < end <= size()) laid out as one line: their indices,
    // from the left of the line to its right.
    QList<qsizetype> line(qsizetype first, qsizetype end) const;

private:
    QString m_text; // the characters laid out; the paragraphs below read it in place
    QList<qsizetype> m_starts; // where each character starts in m_text, and where the last ends
    bool m_rightToLeft = false;
    std::unique_ptr<UBiDi, void (*)(UBiDi *)> m_paragraphs;
};

} // namespace velmora
