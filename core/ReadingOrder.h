#pragma once

#include "Characters.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>

struct UBiDi;

namespace velmora {

// Where the characters of a text stand when it is read, by Unicode's Bidirectional Algorithm.
// The paragraph reads the way the text's first strong character does (an Arabic or Hebrew
// letter: right to left); a number or a Latin word inside Arabic still reads left to right, an
// Arabic word inside Latin right to left. Each line of a wrapped paragraph is put in order on its
// own, as the algorithm does after the lines are broken.
class ReadingOrder
{
public:
    // The first `count` characters of letters (all of them, when it has fewer); the direction of
    // the paragraph comes from the whole text.
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
    QString m_text; // the characters laid out; the paragraph below reads it in place
    QList<qsizetype> m_starts; // where each character starts in m_text, and where the last ends
    bool m_rightToLeft = false;
    std::unique_ptr<UBiDi, void (*)(UBiDi *)> m_paragraph;
};

// Whether a character is an emoji picture: a recommended emoji or emoji sequence (a family
// joined with U+200D, a flag of two letters or of tag characters, a keycap, a skin tone), or any
// character that starts with a code point shown as emoji by default. The colour emoji font
// draws each one as a single picture when it draws it whole.
bool isEmojiPicture(QStringView character);

} // namespace velmora
