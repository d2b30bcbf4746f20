#include "MessagePrompter.h"

#include "AppIdentity.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLoggingCategory>

namespace velmora {

// Every prompt's text, logged as it comes up (off unless enabled, e.g. with
// QT_LOGGING_RULES="velmora.prompts.info=true"), so a session can be followed from outside.
Q_LOGGING_CATEGORY(promptLog, "velmora.prompts", QtWarningMsg)

MessagePrompter::MessagePrompter(QWidget *mainWindow)
    : m_mainWindow(mainWindow)
{
}

void MessagePrompter::inform(const QString &text)
{
    ask(text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessagePrompter::askYesNo(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

QMessageBox::StandardButton MessagePrompter::ask(const QString &text, QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    qCInfo(promptLog, "%s", qUtf8Printable(text));

    QWidget *over = QApplication::activeWindow();
    if (!over && m_mainWindow && m_mainWindow->isVisible())
        over = m_mainWindow;

    QMessageBox box(over);
    box.setWindowTitle(AppName);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(buttons);
    for (QAbstractButton *button : box.buttons()) // plain captions, whatever the desktop's theme
        button->setIcon(QIcon());
    box.setDefaultButton(defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace velmora
