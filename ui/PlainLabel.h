#pragma once

#include <QLabel>

namespace velmora {

// A label for game texts: plain text only, opaque, word-wrapped from the top of its box and
// clipped to it. It keeps the full text for reading back but lays out and paints only its
// beginning, far more than the box can show, so a text of many megabytes costs no layout time.
// A word too long for a line is broken wherever it must be.
class PlainLabel final : public QLabel
{
    Q_OBJECT

public:
    // The most characters laid out; the rest could never be seen in any box of the windows.
    static constexpr qsizetype ShownCharacters = 2000;

    PlainLabel(const QString &objectName, Qt::Alignment horizontal, QWidget *parent);

    // fullText() returns exactly what setFullText() was given; QLabel::text() holds only the
    // part shown, which is also what assistive technology reads.
    void setFullText(const QString &text);
    const QString &fullText() const { return m_fullText; }

    // The direction the text is read in. In strict order its characters stand one after the
    // other in that direction, whatever their script (a row of cells, a list of guesses);
    // otherwise the text is laid out as a sentence of that direction (the answer).
    void setReadingDirection(Qt::LayoutDirection direction, bool strictOrder);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_fullText;
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
    bool m_strictOrder = false;
};

} // namespace velmora
