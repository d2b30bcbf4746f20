#include "Announcer.h"

namespace velmora {

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
    , m_line(new AnnouncementLine(this))
{
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
}

void Announcer::announce(const QString &message)
{
    // Screen readers speak a notification when it comes into view; a notification already in
    // view whose name changes is passed over.
    m_line->hide();
    m_line->setAccessibleName(message);
    m_line->show();
}

AnnouncementLine::AnnouncementLine(Announcer *announcer)
    : QWidget(announcer)
{
    setObjectName(QStringLiteral("Announcement"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

} // namespace velmora
