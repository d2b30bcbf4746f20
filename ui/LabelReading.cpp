#include "LabelReading.h"

#include <QEvent>

namespace velmora {

LabelReading::LabelReading(QWidget *label)
    : QWidget(label)
{
    setObjectName(label->objectName() + QStringLiteral("Reading"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(label->rect());
    label->installEventFilter(this);
}

bool LabelReading::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
