#include "MainForm.h"

#include "AccessibleRoles.h"
#include "Announcer.h"
#include "AppIdentity.h"
#include "CaptionButton.h"
#include "CaptionFrame.h"
#include "ClockRandom.h"
#include "LabelReading.h"
#include "MessagePrompter.h"
#include "OneCharacterValidator.h"
#include "PlainLabel.h"
#include "ReadingOrder.h"
#include "Texts.h"
#include "Twips.h"
#include "WordField.h"
#include "programSettings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QStringList>

#include <memory>
#include <optional>

namespace velmora {
namespace {

using characters::CharacterList;

constexpr QSize ClientSize(706, 482);
constexpr QColor ChancesColour(0, 0, 192);
constexpr QColor TheWordColour(255, 0, 0);
constexpr QSize BlankPictureSize(339, 352);

// Where every control sits, in twips.
const QList<TwipsRect> &layoutTable()
{
    static const QList<TwipsRect> table = {
        {QStringLiteral("EnterCharacter"), 1080, 2520, 2055, 735},
        {QStringLiteral("Letter"), 240, 2520, 615, 675},
        {QStringLiteral("Frame2"), 5400, 5640, 5055, 735},
        {QStringLiteral("LettersUsed"), 120, 240, 4815, 375},
        {QStringLiteral("Frame1"), 120, 6360, 10335, 855},
        {QStringLiteral("Settings"), 4440, 240, 2535, 495},
        {QStringLiteral("NewGame"), 1440, 240, 2535, 495},
        {QStringLiteral("Exit"), 7440, 240, 2535, 495},
        {QStringLiteral("WordLengthLabel"), 3360, 2520, 1815, 735},
        {QStringLiteral("Chances"), 120, 3480, 5175, 495},
        {QStringLiteral("Helper"), 120, 240, 5175, 1935},
        {QStringLiteral("TheWord"), 120, 4800, 5175, 1455},
        {QStringLiteral("Label2"), 0, 4080, 5295, 615},
        {QStringLiteral("StageImage"), 5400, 240, 5085, 5280},
    };
    return table;
}

QString fullTitle()
{
    return AppName + texts::TitleVersion + AppVersion + texts::TitleCredit;
}

QPixmap blankPicture()
{
    QPixmap picture(BlankPictureSize);
    picture.fill(Qt::white);
    return picture;
}

// Each character of text a cell of its own.
QList<PlainLabel::Cell> characterCells(const QString &text)
{
    const CharacterList characters(text);
    QList<PlainLabel::Cell> cells;
    for (qsizetype i = 0; i < characters.size(); ++i)
        cells.append({characters.at(i).toString()});
    return cells;
}

} // namespace

MainForm::MainForm(RandomSource *random, Prompter *prompter)
    : m_ownRandom(random ? nullptr : std::make_unique<ClockRandom>())
    , m_ownPrompter(prompter ? nullptr : std::make_unique<MessagePrompter>(this))
    , m_game(*this, prompter ? *prompter : *m_ownPrompter, random ? *random : *m_ownRandom)
{
    useAccessibleRoles();
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::CustomizeWindowHint);
    setWindowTitle(fullTitle());
    setWindowIcon(appIcon());
    setFont(sansFont(BaseFontPoints));
    setFixedSize(ClientSize);
    setMouseTracking(true);
    buildControls();
}

MainForm::~MainForm()
{
    // Take a settings window still open (or closed but not yet deleted) along.
    const std::unique_ptr<programSettings> settings(m_settings.data());
}

void MainForm::buildControls()
{
    const auto addLabel = [](const char *name, QWidget *parent, qreal points, Qt::Alignment horizontal,
                             const QString &text = {}) {
        auto *label = new PlainLabel(QLatin1String(name), horizontal, parent);
        label->setFont(sansFont(points));
        label->setFullText(text);
        return label;
    };
    const auto addButton = [](const char *name, const QString &caption, QWidget *parent, qreal points) {
        auto *button = new CaptionButton(QLatin1String(name), caption, parent);
        button->setFont(sansFont(points));
        return button;
    };

    m_helper = addLabel("Helper", this, 13.5, Qt::AlignLeft, texts::HelpText);

    m_letter = new QLineEdit(this);
    m_letter->setObjectName(QStringLiteral("Letter"));
    m_letter->setFont(sansFont(24));
    m_letter->setAlignment(Qt::AlignCenter);
    m_letter->setValidator(new OneCharacterValidator(m_letter));
    // The box holds one character: an emoji picture is drawn whole, by the colour emoji font.
    connect(m_letter, &QLineEdit::textChanged, m_letter, [this](const QString &text) {
        m_letter->setFont(isEmojiPicture(text) ? emojiFont(sansFont(24)) : sansFont(24));
    });
    m_letter->setAccessibleName(QStringLiteral("Letter"));
    m_enterCharacter = addButton("EnterCharacter", texts::TryIt, this, 18);
    m_wordLength = addLabel("WordLengthLabel", this, 13.5, Qt::AlignLeft,
                            texts::WordLengthPrefix + texts::signPlace(0) + texts::WordLengthSuffix);

    m_chances = addLabel("Chances", this, 18, Qt::AlignHCenter, texts::chancesText(StageCount));
    QPalette chancesPalette = m_chances->palette();
    chancesPalette.setColor(QPalette::WindowText, ChancesColour);
    m_chances->setPalette(chancesPalette);

    m_label2 = addLabel("Label2", this, 18, Qt::AlignHCenter, texts::WordHeading);
    m_theWord = addLabel("TheWord", this, 18, Qt::AlignHCenter);
    QPalette wordPalette = m_theWord->palette();
    wordPalette.setColor(QPalette::WindowText, TheWordColour);
    m_theWord->setPalette(wordPalette);

    m_stageImage = new QLabel(this);
    m_stageImage->setObjectName(QStringLiteral("StageImage"));
    m_stageImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_stageImage->setFocusPolicy(Qt::NoFocus);
    m_stageImage->setPixmap(blankPicture());
    m_stageImage->setAccessibleName(texts::stageName(0));

    auto *usedFrame = new CaptionFrame(QStringLiteral("Frame2"), texts::LettersUsedCaption, sansFont(9.75, true), this);
    m_lettersUsed = addLabel("LettersUsed", usedFrame, 12, Qt::AlignLeft);

    auto *settingsFrame = new CaptionFrame(QStringLiteral("Frame1"), texts::SettingsCaption, sansFont(13.5), this);
    m_newGame = addButton("NewGame", texts::NewGameCaption, settingsFrame, 12);
    QPushButton *settings = addButton("Settings", texts::SettingsCaption, settingsFrame, 12);
    QPushButton *exit = addButton("Exit", texts::ExitCaption, settingsFrame, 12);

    m_announcer = new Announcer(this);

    placeControls(*this, layoutTable());
    m_theWordReading = new LabelReading(m_theWord);

    setTabOrder(m_enterCharacter, m_newGame);
    setTabOrder(m_newGame, settings);
    setTabOrder(settings, exit);
    setTabOrder(exit, m_letter);

    connect(m_newGame, &QPushButton::clicked, this, [this] { m_game.NewGame(); });
    connect(m_enterCharacter, &QPushButton::clicked, this, [this] { m_game.EvaluateGuess(); });
    connect(settings, &QPushButton::clicked, this, &MainForm::showSettings);
    // Ends the program at once: neither window is asked to close.
    connect(exit, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
}

void MainForm::startUp()
{
    m_game.StartUp();
    m_newGame->setFocus();
}

PlainLabel *MainForm::label(TextField field) const
{
    switch (field) {
    case TextField::TheWord:
        return m_theWord;
    case TextField::Label2:
        return m_label2;
    case TextField::WordLengthLabel:
        return m_wordLength;
    case TextField::Chances:
        return m_chances;
    case TextField::LettersUsed:
        return m_lettersUsed;
    case TextField::Helper:
        return m_helper;
    case TextField::Letter:
        break;
    }
    return nullptr;
}

QString MainForm::text(TextField field) const
{
    if (field == TextField::Letter)
        return m_letter->text();
    return label(field)->fullText();
}

void MainForm::setText(TextField field, const QString &text)
{
    if (field == TextField::Letter) {
        m_letter->setText(text);
        return;
    }
    if (field == TextField::TheWord) {
        setWord(text, {});
        return;
    }
    label(field)->setFullText(text);
    if (field == TextField::LettersUsed) {
        // The guesses, one after the other in the order they were made, read the way the entry
        // does: from right to left in a word of Arabic or Hebrew.
        const Qt::LayoutDirection direction = m_game.state().CurrentWord.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        m_lettersUsed->showAsCells(characterCells(m_lettersUsed->text()), false, direction);
    }
}

void MainForm::setWord(const QString &text, const WordCells &cells)
{
    m_theWord->setFullText(text);
    const Qt::LayoutDirection direction = cells.letters.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    if (cells.letters.isEmpty() || cells.answer) {
        // The answer is laid out as the word it is.
        m_theWord->showAsSentence(direction);
    } else {
        // Each cell of the mask stands where its character stands in that word.
        QList<PlainLabel::Cell> shown = wordFieldCells(cells);
        auto order = std::make_unique<ReadingOrder>(cells.letters, shown.size());
        m_theWord->showAsCells(std::move(shown), true, direction, std::move(order));
    }
    const QString description = cells.spoken();
    m_theWord->setAccessibleDescription(description);
    m_theWordReading->setReading(description);
}

void MainForm::setEnabled(GuessControl control, bool enabled)
{
    QWidget *guessControl = control == GuessControl::Letter ? static_cast<QWidget *>(m_letter) : m_enterCharacter;
    guessControl->setEnabled(enabled);
}

void MainForm::focusLetter()
{
    m_letter->setFocus();
}

bool MainForm::setStagePicture(int stage, const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return false;
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_stageImage->setPixmap(QPixmap::fromImage(image));
    m_stageImage->resize(image.size());
    m_stageImage->setAccessibleName(texts::stageName(stage));
    return true;
}

void MainForm::announce(const QString &message)
{
    m_announcer->announce(message);
}

void MainForm::mouseMoveEvent(QMouseEvent *event)
{
    // Only the bare surface of the window brings the help back, not a control on it. Moves
    // with the mouse over a control reach the window too: a drag that began on a label, a frame
    // or the picture, which pass the press on to the window.
    if (!childAt(event->position().toPoint()))
        setText(TextField::Helper, m_game.state().HelpText);
    QWidget::mouseMoveEvent(event);
}

void MainForm::closeEvent(QCloseEvent *event)
{
    if (m_settings)
        m_settings->close();
    QWidget::closeEvent(event);
}

void MainForm::showSettings()
{
    if (!m_settings) {
        m_settings = new programSettings;
        connect(m_settings, &programSettings::changeDifficultyClicked, this, &MainForm::changeDifficulty);
        connect(m_settings, &programSettings::loadDictionaryClicked, this,
                [this](const QString &typedName) { m_game.LoadTheDictionary(typedName); });
    }
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void MainForm::changeDifficulty(std::optional<qint16> selectedLevel)
{
    m_game.ChangeDiff(selectedLevel);
    raise();
    activateWindow();
}

} // namespace velmora
