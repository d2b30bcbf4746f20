#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace velmora {
namespace {

// The announcer's status bar only holds its notification and is reported as never on screen:
// a screen reader reviewing the window line by line would otherwise read out its role.
class AnnouncerInterface final : public QAccessibleWidget
{
public:
    explicit AnnouncerInterface(QWidget *announcer)
        : QAccessibleWidget(announcer, QAccessible::StatusBar)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("velmora::MainForm") || className == QLatin1String("velmora::programSettings"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("velmora::Announcer"))
        return new AnnouncerInterface(widget);
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
