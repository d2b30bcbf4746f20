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

void PlainLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(contentsRect()), text(), option);
}

} // namespace velmora
