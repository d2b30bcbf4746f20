#include "PlainLabel.h"

#include "Twips.h"

#include <QStringList>

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

#include <algorithm>
#include <cstdlib>

namespace velmora {
namespace {

// The beginning of text, never ending inside a surrogate pair.
QString shownPart(const QString &text)
{
    if (text.size() <= PlainLabel::ShownCharacters)
        return text;
    qsizetype end = PlainLabel::ShownCharacters;
    if (text.at(end - 1).isHighSurrogate())
        --end;
    return text.left(end);
}

} // namespace

PlainLabel::PlainLabel(const QString &objectName, Qt::Alignment horizontal, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setAlignment(horizontal | Qt::AlignTop);
    setWordWrap(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void PlainLabel::setFullText(const QString &text)
{
    if (text.size() == m_fullText.size() && text == m_fullText)
        return;
    m_fullText = text;
    setText(shownPart(m_fullText));
    m_pictures.clear();
    const characters::CharacterList shown(QLabel::text());
    const QFont emoji = emojiFont(font());
    QTextCharFormat picture;
    picture.setFontFamilies(emoji.families());
    picture.setFontStyleStrategy(emoji.styleStrategy());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isEmojiPicture(shown.at(i)))
            m_pictures.append({int(shown.at(i).data() - shown.text().data()), int(shown.at(i).size()), picture});
    }
    showAsSentence(Qt::LeftToRight);
}

void PlainLabel::showAsSentence(Qt::LayoutDirection direction)
{
    m_direction = direction;
    m_asCells = false;
    m_cells.clear();
    m_order.reset();
    update();
}

void PlainLabel::showAsCells(QList<Cell> cells, bool spaced, Qt::LayoutDirection direction,
                             std::unique_ptr<const ReadingOrder> order)
{
    m_direction = direction;
    m_asCells = true;
    m_cells = std::move(cells);
    m_spaced = spaced;
    m_order = std::move(order);
    update();
}

void PlainLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    if (m_asCells)
        paintCells(painter);
    else
        paintSentence(painter);
}

void PlainLabel::paintSentence(QPainter &painter) const
{
    const QRectF box = contentsRect();
    QTextOption option(alignment()); // leading, not left, in a text read right to left
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(m_direction);
    QTextLayout layout(text(), font(), this);
    layout.setTextOption(option);
    layout.setFormats(m_pictures);
    layout.beginLayout();
    for (qreal y = 0; y < box.height();) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    layout.draw(&painter, box.topLeft());
}

// A line of cells as it is drawn: its cells from left to right, where each starts, and the
// line's top and ascent.
struct PlainLabel::Line
{
    QList<qsizetype> order;
    QList<qreal> lefts;
    qreal top = 0;
    qreal ascent = 0;
};

QList<PlainLabel::Line> PlainLabel::cellLines() const
{
    const QRectF box = contentsRect();
    const QFontMetricsF plain(font(), this);
    const QFontMetricsF pictures(emojiFont(font()), this);
    const qreal blank = m_spaced ? plain.horizontalAdvance(QLatin1Char(' ')) : 0;
    const auto metricsOf = [&](qsizetype i) -> const QFontMetricsF & { return isEmojiPicture(m_cells.at(i).text) ? pictures : plain; };
    // The gap after a cell, in the order of the row.
    const auto gapAfter = [&](qsizetype i) { return m_cells.at(i).joinsNext ? 0 : blank; };
    const Qt::Alignment horizontal = QStyle::visualAlignment(m_direction, alignment()) & Qt::AlignHorizontal_Mask;

    QList<qreal> widths(m_cells.size());
    for (qsizetype i = 0; i < m_cells.size(); ++i)
        widths[i] = metricsOf(i).horizontalAdvance(m_cells.at(i).text);

    QList<Line> lines;
    qsizetype first = 0;
    for (qreal top = box.top(); first < m_cells.size() && top < box.bottom();) {
        // As many cells as the line holds, at least one; if it must end before a cell, it ends
        // after the last cell that allows it, when there is one.
        qsizetype end = first;
        qsizetype lastBreak = -1;
        for (qreal width = 0; end < m_cells.size(); ++end) {
            const qreal needed = width + (end > first ? gapAfter(end - 1) : 0) + widths.at(end);
            if (end > first && needed > box.width())
                break;
            width = needed;
            if (m_cells.at(end).breakAfter)
                lastBreak = end;
        }
        if (end < m_cells.size() && lastBreak >= first)
            end = lastBreak + 1;

        Line line;
        line.top = top;
        qreal ascent = plain.ascent();
        qreal descent = plain.descent();
        qreal width = 0;
        // A blank that ends a broken line is left out, as in a paragraph of text.
        const qsizetype inked = end < m_cells.size() && end - first > 1 && m_cells.at(end - 1).breakAfter ? end - 1 : end;
        for (qsizetype i = first; i < end; ++i) {
            ascent = std::max(ascent, metricsOf(i).ascent());
            descent = std::max(descent, metricsOf(i).descent());
            width += i < inked ? widths.at(i) + (i + 1 < inked ? gapAfter(i) : 0) : 0;
        }
        line.ascent = ascent;
        if (m_order && end <= m_order->size()) {
            line.order = m_order->line(first, end);
        } else {
            for (qsizetype i = first; i < end; ++i)
                line.order.append(i);
            if (m_direction == Qt::RightToLeft)
                std::reverse(line.order.begin(), line.order.end());
        }
        line.order.removeAll(inked); // the hanging blank, if any

        qreal x = box.left();
        if (horizontal & Qt::AlignHCenter)
            x += (box.width() - width) / 2;
        else if (horizontal & Qt::AlignRight)
            x += box.width() - width;
        for (qsizetype k = 0; k < line.order.size(); ++k) {
            const qsizetype i = line.order.at(k);
            line.lefts.append(x);
            // Two neighbours in the row stand side by side in a line; the earlier says the gap.
            const qsizetype next = k + 1 < line.order.size() ? line.order.at(k + 1) : -1;
            const bool joined = next >= 0 && std::abs(next - i) == 1 && m_cells.at(std::min(i, next)).joinsNext;
            x += widths.at(i) + (joined ? 0 : blank);
        }
        lines.append(std::move(line));
        top += ascent + descent;
        first = end;
    }
    return lines;
}

QList<QStringList> PlainLabel::drawnLines() const
{
    QList<QStringList> drawn;
    for (const Line &line : cellLines()) {
        QStringList texts;
        for (const qsizetype i : line.order)
            texts.append(m_cells.at(i).text);
        drawn.append(texts);
    }
    return drawn;
}

void PlainLabel::paintCells(QPainter &painter) const
{
    const QFont pictureFont = emojiFont(font());
    for (const Line &line : cellLines()) {
        for (qsizetype k = 0; k < line.order.size(); ++k) {
            const QString &text = m_cells.at(line.order.at(k)).text;
            painter.setFont(isEmojiPicture(text) ? pictureFont : font());
            painter.drawText(QPointF(line.lefts.at(k), line.top + line.ascent), text);
        }
    }
}

} // namespace velmora
