#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velmora {
namespace {

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("velmora::MainForm") || className == QLatin1String("velmora::programSettings"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("velmora::Announcer"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("velmora::LabelReading"))
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    if (className == QLatin1String("velmora::AnnouncementLine"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void useAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace velmora
