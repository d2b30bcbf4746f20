#include "OptionButton.h"

namespace velmora {

OptionButton::OptionButton(const QString &objectName, const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    setObjectName(objectName);
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

} // namespace velmora
