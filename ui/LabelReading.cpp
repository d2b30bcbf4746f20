#include "LabelReading.h"

namespace velmora {

LabelReading::LabelReading(QWidget *label)
    : QWidget(label)
{
    setObjectName(label->objectName() + QStringLiteral("Reading"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(label->rect());
}

} // namespace velmora
