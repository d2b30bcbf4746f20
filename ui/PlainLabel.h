#pragma once

#include "ReadingOrder.h"

#include <QLabel>
#include <QStringList>
#include <QTextLayout>

#include <memory>

namespace velmora {

// A label for game texts: plain text only, opaque, word-wrapped from the top of its box and
// clipped to it. It keeps the full text for reading back but lays out and paints only its
// beginning, far more than the box can show, so a text of many megabytes costs no layout time.
// A word too long for a line is broken wherever it must be. Emoji pictures (isEmojiPicture) are
// drawn whole by the colour emoji font.
class PlainLabel final : public QLabel
{
    Q_OBJECT

public:
    // The most characters laid out; the rest could never be seen in any box of the windows.
    static constexpr qsizetype ShownCharacters = 2000;

    PlainLabel(const QString &objectName, Qt::Alignment horizontal, QWidget *parent);

    // fullText() returns exactly what setFullText() was given; QLabel::text() holds only the
    // part shown, which is also what assistive technology reads. A new text is shown as a
    // sentence read left to right until told otherwise.
    void setFullText(const QString &text);
    const QString &fullText() const { return m_fullText; }

    // The text as a sentence of the direction given, its words where Unicode's order puts them
    // (the answer, the help).
    void showAsSentence(Qt::LayoutDirection direction);

    // One cell of a row: its text, painted on its own, whether a line may end after it (the
    // blank between two words), and whether it stands against the next cell with no gap
    // between them (two letters of an Arabic word).
    struct Cell
    {
        QString text;
        bool breakAfter = true;
        bool joinsNext = false;
    };
    // The cells as a row (the cells of a mask, the guesses), `spaced` a blank's width apart, and
    // the row broken into lines after cells that allow it; a run of cells longer than a line is
    // broken where it must be. Within a line the cells stand where `order` puts characters of
    // the same index; without an order, one after the other in the direction given. Lines start
    // at the direction's leading edge, or centred in a centred label. text() stays as it is.
    void showAsCells(QList<Cell> cells, bool spaced, Qt::LayoutDirection direction,
                     std::unique_ptr<const ReadingOrder> order = nullptr);

    // The cells as they are drawn: the texts of each line's cells, from left to right.
    QList<QStringList> drawnLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Line;
    QList<Line> cellLines() const;
    void paintSentence(QPainter &painter) const;
    void paintCells(QPainter &painter) const;

    QString m_fullText;
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
    QList<QTextLayout::FormatRange> m_pictures; // the emoji pictures of text(), as a sentence
    bool m_asCells = false;
    QList<Cell> m_cells;
    bool m_spaced = false;
    std::unique_ptr<const ReadingOrder> m_order;
};

} // namespace velmora
