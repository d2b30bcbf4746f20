#pragma once

#include <QWidget>

namespace velmora {

class AnnouncementLine;

// Lines for screen readers only: it draws nothing and takes no room, and each message given to
// it is read out at once, without the player asking, even the same message twice in a row.
// Assistive technology sees a status bar holding one notification, whose name is the latest
// message: a status bar's notification is spoken without the word "notification", and a
// screen reader's command to read the status bar says the latest message again.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);

private:
    AnnouncementLine *m_line = nullptr;
};

// The notification inside the announcer.
class AnnouncementLine final : public QWidget
{
    Q_OBJECT

public:
    explicit AnnouncementLine(Announcer *announcer);
};

} // namespace velmora
