#pragma once

#include "Interfaces.h"

#include <QMessageBox>
#include <QPointer>

namespace velmora {

// The game's prompts as message boxes titled with the program's name, without an icon, in
// plain text, modal for the whole application. The box sits over the active window, or over
// the main window when no window is active yet. Each text is also logged, at info level, in
// the category "velmora.prompts".
class MessagePrompter final : public Prompter
{
public:
    explicit MessagePrompter(QWidget *mainWindow = nullptr);

    void inform(const QString &text) override;
    bool askYesNo(const QString &text) override; // Yes, the first button, is the default

private:
    QMessageBox::StandardButton ask(const QString &text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton);

    QPointer<QWidget> m_mainWindow;
};

} // namespace velmora
