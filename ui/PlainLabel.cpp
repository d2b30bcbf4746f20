#include "PlainLabel.h"

#include "Twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

#include <algorithm>

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

void PlainLabel::paintCells(QPainter &painter) const
{
    const QString shown = text();
    const QRectF box = contentsRect();
    const QFont pictureFont = emojiFont(font());
    const QFontMetricsF plain(font(), this);
    const QFontMetricsF pictures(pictureFont, this);
    const qreal gap = m_spaced ? plain.horizontalAdvance(QLatin1Char(' ')) : 0;
    const Qt::Alignment horizontal = QStyle::visualAlignment(m_direction, alignment()) & Qt::AlignHorizontal_Mask;

    struct Measured
    {
        QString text;
        bool picture = false;
        qreal width = 0;
    };
    QList<Measured> line;
    qsizetype first = 0;
    for (qreal top = box.top(); first < m_cells.size() && top < box.bottom();) {
        // As many cells as the line holds, at least one.
        line.clear();
        qreal width = -gap;
        qreal ascent = plain.ascent();
        qreal descent = plain.descent();
        for (qsizetype i = first; i < m_cells.size(); ++i) {
            Measured cell{shown.sliced(m_cells.at(i).start, m_cells.at(i).size)};
            cell.picture = isEmojiPicture(cell.text);
            const QFontMetricsF &metrics = cell.picture ? pictures : plain;
            cell.width = metrics.horizontalAdvance(cell.text);
            if (!line.isEmpty() && width + gap + cell.width > box.width())
                break;
            width += gap + cell.width;
            ascent = std::max(ascent, metrics.ascent());
            descent = std::max(descent, metrics.descent());
            line.append(std::move(cell));
        }
        const qsizetype end = first + line.size();

        QList<qsizetype> order;
        if (m_order && end <= m_order->size()) {
            order = m_order->line(first, end);
        } else {
            for (qsizetype i = first; i < end; ++i)
                order.append(i);
            if (m_direction == Qt::RightToLeft)
                std::reverse(order.begin(), order.end());
        }

        qreal x = box.left();
        if (horizontal & Qt::AlignHCenter)
            x += (box.width() - width) / 2;
        else if (horizontal & Qt::AlignRight)
            x += box.width() - width;
        for (const qsizetype i : std::as_const(order)) {
            const Measured &cell = line.at(i - first);
            painter.setFont(cell.picture ? pictureFont : font());
            painter.drawText(QPointF(x, top + ascent), cell.text);
            x += cell.width + gap;
        }
        top += ascent + descent;
        first = end;
    }
}

} // namespace velmora
