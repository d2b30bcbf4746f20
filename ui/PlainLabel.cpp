#include "PlainLabel.h"

#include <QPainter>
#include <QTextOption>

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
}

void PlainLabel::setReadingDirection(Qt::LayoutDirection direction, bool strictOrder)
{
    if (direction == m_direction && strictOrder == m_strictOrder)
        return;
    m_direction = direction;
    m_strictOrder = strictOrder;
    update();
}

void PlainLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    QTextOption option(alignment()); // leading, not left, in a text read right to left
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(m_direction);
    // Only what is painted gets the override marks; the label's text stays as it was set.
    const bool rightToLeft = m_direction == Qt::RightToLeft;
    const QString painted = m_strictOrder ? QChar(rightToLeft ? 0x202E : 0x202D) + text() + QChar(0x202C) : text();
    painter.drawText(QRectF(contentsRect()), painted, option);
}

} // namespace velmora
