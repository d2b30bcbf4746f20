#pragma once

#include "Game.h"
#include "Interfaces.h"
#include "programSettings.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Announcer;
class ClockRandom;
class LabelReading;
class MessagePrompter;
class PlainLabel;

// The main window. It shows what the game tells it to and passes the player's clicks on;
// the game itself decides everything.
class MainForm final : public QWidget, public GameDisplay
{
    Q_OBJECT

public:
    // Draws come from random and prompts go to prompter; left out, the window uses
    // clock-seeded draws and message boxes of its own.
    explicit MainForm(RandomSource *random = nullptr, Prompter *prompter = nullptr);
    ~MainForm() override;

    // Run once before the window is first shown: the game's start-up, which loads the
    // dictionary with its prompts; then the focus waits on the new game button.
    void startUp();

    Game &game() { return m_game; }
    // The settings window while it is open, else null.
    programSettings *settingsWindow() const { return m_settings; }

    using QWidget::setEnabled;

    // GameDisplay
    QString text(TextField field) const override;
    void setText(TextField field, const QString &text) override;
    void setWord(const QString &text, const WordCells &cells) override;
    void setEnabled(GuessControl control, bool enabled) override;
    void focusLetter() override;
    bool setStagePicture(int stage, const QString &path) override;
    void announce(const QString &message) override;

    // Pictures wider or taller than this are refused before they are read.
    static constexpr int MaxPictureSide = 4096;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    PlainLabel *label(TextField field) const;
    void showSettings();
    void changeDifficulty(std::optional<qint16> selectedLevel);

    std::unique_ptr<ClockRandom> m_ownRandom;
    std::unique_ptr<MessagePrompter> m_ownPrompter;
    Game m_game;

    QPushButton *m_enterCharacter = nullptr;
    QLineEdit *m_letter = nullptr;
    QPushButton *m_newGame = nullptr;
    QLabel *m_stageImage = nullptr;
    PlainLabel *m_theWord = nullptr;
    PlainLabel *m_label2 = nullptr;
    PlainLabel *m_wordLength = nullptr;
    PlainLabel *m_chances = nullptr;
    PlainLabel *m_lettersUsed = nullptr;
    PlainLabel *m_helper = nullptr;
    LabelReading *m_theWordReading = nullptr;
    Announcer *m_announcer = nullptr;

    // The settings window has no parent, so it is a window of its own: it deletes itself when
    // closed, and one still open when the main window goes is deleted with it.
    QPointer<programSettings> m_settings;
};

} // namespace velmora
