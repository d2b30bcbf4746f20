#include "CaptionFrame.h"

#include <QPainter>
#include <QStyle>

namespace velmora {

namespace {
constexpr int CaptionIndent = 6; // from the frame's left edge to the caption's gap
constexpr int CaptionGap = 2; // blank either side of the caption
} // namespace

CaptionFrame::CaptionFrame(const QString &objectName, const QString &caption, const QFont &font, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setObjectName(objectName);
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;

    // An etched border: a shadow line with a light line just inside it.
    const QRect border = rect().adjusted(0, lineY, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect captionArea(CaptionIndent, 0, metrics.horizontalAdvance(caption) + 2 * CaptionGap,
                            metrics.height());
    painter.fillRect(captionArea, palette().color(QPalette::Window));
    style()->drawItemText(&painter, captionArea, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          caption, QPalette::WindowText);
}

} // namespace velmora
