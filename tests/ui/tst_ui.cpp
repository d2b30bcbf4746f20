// The two windows on the offscreen platform, with the real message boxes answered by clicks.

#include "AppIdentity.h"
#include "PlainLabel.h"
#include "Texts.h"
#include "UiTestSupport.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRegularExpression>

using namespace velmora;
using namespace velmora::uitest;
using Answer = QMessageBox::StandardButton;

class tst_ui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controls_data();
    void controls();
    void tabOrder_data();
    void tabOrder();
    void startUp_data();
    void startUp();
    void guesses_data();
    void guesses();
    void wordDescription_data();
    void wordDescription();
    void changeDifficulty_data();
    void changeDifficulty();
    void loadDictionary_data();
    void loadDictionary();
    void settingsWindowLifetime();
    void endingTheProgram_data();
    void endingTheProgram();
    void mouseMoveRestoresHelp_data();
    void mouseMoveRestoresHelp();
    void enterAndEscapeDoNothing();
    void letterTakesOneCharacter_data();
    void letterTakesOneCharacter();
    void hugeTexts_data();
    void hugeTexts();
    void stagePictures_data();
    void stagePictures();
    void accessibleRoles_data();
    void accessibleRoles();
    void announcements_data();
    void announcements();
    void optionClickArea_data();
    void optionClickArea();
    void everyLanguageWins_data();
    void everyLanguageWins();
    void wordFieldCells_data();
    void wordFieldCells();
    void emojiDrawnWhole_data();
    void emojiDrawnWhole();
    void shippedListsPlay_data();
    void shippedListsPlay();

private:
    QTemporaryDir m_folder;
};

namespace {

QRgb shownStageColour(const WindowRig &rig)
{
    const QImage image = rig.get<QLabel>(QStringLiteral("StageImage"))->pixmap().toImage();
    return image.isNull() ? 0 : image.pixel(image.rect().center());
}

// Records, in order, the name of the announcer's notification each time it is shown anew,
// which is when a screen reader speaks it.
class AnnouncementLog final : public QObject
{
public:
    explicit AnnouncementLog(const WindowRig &rig) { rig.get(QStringLiteral("Announcement"))->installEventFilter(this); }
    QStringList messages;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            messages.append(static_cast<QWidget *>(watched)->accessibleName());
        return false;
    }
};

const QString HelpText = QStringLiteral(
    "Click 'New Game' in the Settings section to allow the computer to generate a new word for you. "
    "Click 'Settings' To change the dictionary or set a word of a different length.");

} // namespace

void tst_ui::initTestCase()
{
    quietOffscreenPlatform();
    identifyApplication();
    QVERIFY(useWorkingFolder(m_folder));
}

void tst_ui::controls_data()
{
    QTest::addColumn<bool>("inSettings");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect"); // in pixels, in the parent
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("name"); // what assistive technology reads: mostly the caption

    const auto row = [](bool settings, const QString &control, const char *parent, QRect rect, qreal points,
                        bool bold, const QString &name) {
        QTest::addRow("%s %s", settings ? "settings" : "main", qPrintable(control))
            << settings << control << parent << rect << points << bold << name;
    };
    row(false, "EnterCharacter", "MainForm", {72, 168, 137, 49}, 18, false, "Try it!");
    row(false, "Letter", "MainForm", {16, 168, 41, 45}, 24, false, "Letter");
    row(false, "Frame2", "MainForm", {360, 376, 337, 49}, 9.75, true, "Letters Used");
    row(false, "LettersUsed", "Frame2", {8, 16, 321, 25}, 12, false, "Letters Used"); // named by its frame
    row(false, "Frame1", "MainForm", {8, 424, 689, 57}, 13.5, false, "Settings");
    row(false, "Settings", "Frame1", {296, 16, 169, 33}, 12, false, "Settings");
    row(false, "NewGame", "Frame1", {96, 16, 169, 33}, 12, false, "Start a new game!");
    row(false, "Exit", "Frame1", {496, 16, 169, 33}, 12, false, "Quit the Game");
    row(false, "WordLengthLabel", "MainForm", {224, 168, 121, 49}, 13.5, false, "Word Length: 0 letters");
    row(false, "Chances", "MainForm", {8, 232, 345, 33}, 18, false, "You have 10 chances left!");
    row(false, "Helper", "MainForm", {8, 16, 345, 129}, 13.5, false, HelpText);
    row(false, "TheWord", "MainForm", {8, 320, 345, 97}, 18, false, "");
    row(false, "Label2", "MainForm", {0, 272, 353, 41}, 18, false, "The Word Is:");
    row(false, "StageImage", "MainForm", {360, 16, 339, 352}, 8.25, false, "Stage 0 of 10");

    row(true, "Frame1", "programSettings", {8, 8, 329, 265}, 8.25, false, "Change Difficulty - Number of Letters");
    for (int index = 2; index <= 17; ++index) {
        const QString caption = index == 16 ? QStringLiteral("MORE THAN 15 Letters")
                              : index == 17 ? QStringLiteral("Random Letters")
                                            : QStringLiteral("%1 Letters").arg(index);
        row(true, QStringLiteral("Difficulty%1").arg(index), "Frame1",
            {index < 10 ? 8 : 176, 16 + 24 * ((index - 2) % 8), index < 16 ? 81 : 145, 25}, 8.25, false, caption);
    }
    row(true, "ChangeDiff", "Frame1", {8, 216, 305, 33}, 8.25, false, "Change the Difficulty and Start a New Game");
    row(true, "Frame2", "programSettings", {8, 280, 329, 113}, 8.25, false, "Choose a Velmora Dictionary");
    row(true, "Label1", "Frame2", {8, 16, 313, 41}, 8.25, false,
        "Please type only the full name of the dictionary file below. This is Case-Sensitive, and this file must "
        "be in the Dictionary folder.");
    row(true, "Text1", "Frame2", {8, 56, 177, 41}, 13.5, false, "Dictionary file name");
    row(true, "LoadTheDictionary", "Frame2", {192, 56, 121, 41}, 9.75, false, "Load The Dictionary!");
}

void tst_ui::controls()
{
    QFETCH(bool, inSettings);
    QFETCH(QString, control);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(QString, name);

    WindowRig rig;
    rig.openSettings();
    QWidget *widget = rig.get(control, inSettings);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), rect);
    QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face && face->role() != QAccessible::NoRole);
    QCOMPARE(face->text(QAccessible::Name), name);
    if (auto *label = qobject_cast<PlainLabel *>(widget)) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->wordWrap() && label->autoFillBackground() && label->alignment() & Qt::AlignTop);
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QVERIFY(!button->autoDefault() && !button->isDefault());
}

void tst_ui::tabOrder_data()
{
    QTest::addColumn<bool>("inSettings");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("main") << false << QStringList{"EnterCharacter", "NewGame", "Settings", "Exit", "Letter", "EnterCharacter"};
    QStringList settings;
    for (int index = 2; index <= 17; ++index)
        settings << QStringLiteral("Difficulty%1").arg(index);
    QTest::newRow("settings") << true << settings + QStringList{"Text1", "LoadTheDictionary", "ChangeDiff", "Difficulty2"};
}

void tst_ui::tabOrder()
{
    QFETCH(bool, inSettings);
    QFETCH(QStringList, order);

    WindowRig rig;
    rig.click(QStringLiteral("NewGame")); // "Try it!" on
    rig.openSettings();
    QWidget *window = rig.get(order.constFirst(), inSettings)->window();
    rig.get(order.constFirst(), inSettings)->setFocus();
    QStringList visited{window->focusWidget()->objectName()};
    while (visited.size() < order.size()) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        visited << window->focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void tst_ui::startUp_data()
{
    QTest::addColumn<bool>("dictionaryThere");
    QTest::addColumn<QStringList>("prompts");

    QTest::newRow("dictionary") << true << QStringList{texts::WaitPrompt, QStringLiteral(" 7 words loaded.")};
    QTest::newRow("no dictionary") << false << QStringList{texts::WaitPrompt};
}

void tst_ui::startUp()
{
    QFETCH(bool, dictionaryThere);
    QFETCH(QStringList, prompts);

    const QString shipped = QStringLiteral("Dictionary/Dictionary.txt");
    if (!dictionaryThere)
        QVERIFY(QFile::rename(shipped, QStringLiteral("aside.txt")));
    const auto putBack = qScopeGuard([&] {
        if (!dictionaryThere)
            QFile::rename(QStringLiteral("aside.txt"), shipped);
    });
    QLoggingCategory::setFilterRules(QStringLiteral("velmora.prompts.info=true"));
    const auto quiet = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
    for (const QString &prompt : std::as_const(prompts)) // each prompt is logged as well
        QTest::ignoreMessage(QtInfoMsg, qPrintable(prompt));

    WindowRig rig(false);
    rig.boxes.snapshot = [&rig] { return rig.form.isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"); };
    rig.boxes.answer({Answer::Ok, Answer::Ok});
    rig.form.startUp();
    rig.form.show();

    QCOMPARE(rig.boxes.texts(), prompts);
    QCOMPARE(rig.boxes.unexpected, 0);
    for (const SeenBox &box : std::as_const(rig.boxes.seen)) {
        QCOMPARE(box.snapshot, QStringLiteral("hidden")); // the window shows after the prompts
        QCOMPARE(box.title, QStringLiteral("Velmora"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::Ok);
        QVERIFY(box.applicationModal && box.plainText && !box.buttonIcons);
    }
    QVERIFY(!rig.get(QStringLiteral("EnterCharacter"))->isEnabled());
    QVERIFY(rig.get(QStringLiteral("Letter"))->isEnabled());
    QCOMPARE(rig.form.focusWidget(), rig.get(QStringLiteral("NewGame")));
    QCOMPARE(shownStageColour(rig), stageColour(0));
    QCOMPARE(rig.get(QStringLiteral("Chances"))->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(rig.get(QStringLiteral("TheWord"))->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(rig.form.windowIcon().availableSizes().size(), 6); // the icons made it into the program
}

void tst_ui::guesses_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<Answer>("answer"); // to the play-again question, if one comes
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("theWord");
    QTest::addColumn<QString>("lettersUsed");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("guessing"); // the guess controls are on

    const QString fresh = QStringLiteral("_ _ _ _ _ ");
    const QStringList win{"h", "e", "l", "o"};
    QTest::newRow("hit") << QStringList{"h"} << Answer::NoButton << "" << "h _ _ _ _ " << "h," << 0 << true;
    QTest::newRow("hit twice") << QStringList{"l"} << Answer::NoButton << "" << "_ _ l l _ " << "l," << 0 << true;
    QTest::newRow("miss, repeated") << QStringList{"z", "Z"} << Answer::NoButton << "" << fresh << "z," << 1 << true;
    QTest::newRow("nothing typed") << QStringList{""} << Answer::NoButton << "" << fresh << "" << 0 << true;
    QTest::newRow("won, again") << win << Answer::Yes << texts::WonPlayAgain << fresh << "" << 0 << true;
    QTest::newRow("won, stop") << win << Answer::No << texts::WonPlayAgain << "h e l l o " << "h,e,l,o," << 0 << false;
    QTest::newRow("lost, again") << TenMisses << Answer::Yes << texts::LostPlayAgain << fresh << "" << 0 << true;
    QTest::newRow("lost, stop") << TenMisses << Answer::No << texts::LostPlayAgain << "hello"
                                << TenMisses.join(',') + ',' << 10 << false;
}

void tst_ui::guesses()
{
    QFETCH(QStringList, typed);
    QFETCH(Answer, answer);
    QFETCH(QString, question);
    QFETCH(QString, theWord);
    QFETCH(QString, lettersUsed);
    QFETCH(int, wrong);
    QFETCH(bool, guessing);

    WindowRig rig;
    rig.click(QStringLiteral("NewGame"));
    rig.boxes.snapshot = [&rig] { return rig.text(TextField::TheWord); }; // behind the question
    if (answer != Answer::NoButton)
        rig.boxes.answer({answer});
    rig.guess(typed);

    QCOMPARE(rig.boxes.texts(), question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(rig.boxes.unexpected, 0);
    for (const SeenBox &box : std::as_const(rig.boxes.seen)) {
        QCOMPARE(box.title, QStringLiteral("Velmora"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QVERIFY(box.applicationModal && box.plainText && !box.buttonIcons);
        QCOMPARE(box.snapshot, question == texts::LostPlayAgain ? QStringLiteral("hello") : QStringLiteral("h e l l o "));
    }
    QCOMPARE(rig.text(TextField::TheWord), theWord);
    QCOMPARE(rig.get<QLabel>(QStringLiteral("TheWord"))->text(), theWord); // what the label shows
    QCOMPARE(rig.text(TextField::LettersUsed), lettersUsed);
    QCOMPARE(rig.text(TextField::Chances), texts::chancesText(StageCount - wrong));
    QCOMPARE(rig.text(TextField::Helper), typed == QStringList{""} ? texts::TypeALetter : HelpText);
    QCOMPARE(shownStageColour(rig), stageColour(wrong));
    QCOMPARE(rig.get(QStringLiteral("StageImage"))->accessibleName(), QStringLiteral("Stage %1 of 10").arg(wrong));
    QCOMPARE(rig.get(QStringLiteral("EnterCharacter"))->isEnabled(), guessing);
    QCOMPARE(rig.get(QStringLiteral("Letter"))->isEnabled(), guessing);
    if (guessing)
        QCOMPARE(rig.form.focusWidget(), rig.get(QStringLiteral("Letter")));
}

void tst_ui::wordDescription_data()
{
    QTest::addColumn<int>("level"); // 0: the starting level
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("description");

    QTest::newRow("two found") << 0 << QStringList{"l"} << "5 letters, 2 found: blank, blank, l, l, blank";
    QTest::newRow("phrase") << 6 << QStringList{"o"} << "5 letters, 1 found: blank, blank, blank, space, o, blank";
    QTest::newRow("lost") << 0 << TenMisses << "The answer: hello";
    QTest::newRow("lost, answer like a mask") << 4 << TenMisses << "The answer: o x ";
}

void tst_ui::wordDescription()
{
    QFETCH(int, level);
    QFETCH(QStringList, typed);
    QFETCH(QString, description);

    WindowRig rig;
    rig.changeDifficulty(level);
    rig.boxes.answer({Answer::No});
    rig.guess(typed);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(rig.get(QStringLiteral("TheWord")));
    QCOMPARE(face->text(QAccessible::Description), description);
    QCOMPARE(face->text(QAccessible::Name), rig.text(TextField::TheWord));
    QCOMPARE(rig.get(QStringLiteral("TheWordReading"))->accessibleName(), description); // read in its place
}

void tst_ui::changeDifficulty_data()
{
    QTest::addColumn<QList<int>>("picked"); // options picked in turn; 0 for none
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("randomLength");

    QTest::newRow("none") << QList<int>{0} << "hello" << 5 << false;
    QTest::newRow("markup") << QList<int>{8} << "<b>x</b>" << 8 << false;
    QTest::newRow("more than 15") << QList<int>{16} << "uncharacteristically" << 16 << false;
    QTest::newRow("random, twice") << QList<int>{17, 17} << "ox" << 17 << true;
    QTest::newRow("random, then 3") << QList<int>{17, 3} << "cat" << 3 << false;
    QTest::newRow("random, then 16") << QList<int>{17, 16} << "uncharacteristically" << 16 << false;
}

void tst_ui::changeDifficulty()
{
    QFETCH(QList<int>, picked);
    QFETCH(QString, entry);
    QFETCH(int, level);
    QFETCH(bool, randomLength);

    WindowRig rig;
    for (const int option : picked) {
        QTRY_COMPARE(QApplication::activeWindow(), rig.openSettings());
        rig.changeDifficulty(option);
        QTRY_COMPARE(QApplication::activeWindow(), &rig.form); // the main window is back in front
    }
    const GameState &state = rig.form.game().state();
    QCOMPARE(state.CurrentWord, entry);
    QCOMPARE(int(state.DifficultyLevel), level);
    QCOMPARE(state.RandomLength, randomLength);
    QVERIFY(rig.get(QStringLiteral("EnterCharacter"))->isEnabled());
    QCOMPARE(rig.form.settingsWindow()->selectedLevel().value_or(0), picked.constLast());
    QVERIFY(rig.form.settingsWindow()->isVisible());

    rig.boxes.answer({Answer::No}); // an entry with markup in it shows as typed
    rig.guess(missesFor(entry));
    if (entry == QLatin1String("<b>x</b>"))
        QCOMPARE(rig.get<QLabel>(QStringLiteral("TheWord"))->text(), entry);
}

void tst_ui::loadDictionary_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("default name") << "Dictionary.txt" << " 7 words loaded.";
    QTest::newRow("another") << "other.txt" << " 2 words loaded.";
    QTest::newRow("empty name") << "" << texts::FileNotFound;
    QTest::newRow("missing") << "Missing.txt" << texts::FileNotFound;
}

void tst_ui::loadDictionary()
{
    QFETCH(QString, typed);
    QFETCH(QString, outcome);

    WindowRig rig;
    programSettings *settings = rig.openSettings();
    rig.click(QStringLiteral("Difficulty4"), true);
    rig.click(QStringLiteral("NewGame")); // a game in progress: the guess button is on
    auto *name = rig.get<QLineEdit>(QStringLiteral("Text1"), true);
    name->clear();
    QTest::keyClicks(name, typed);
    rig.boxes.answer({Answer::Ok, Answer::Ok});
    rig.click(QStringLiteral("LoadTheDictionary"), true);

    QCOMPARE(rig.boxes.texts(), QStringList({texts::WaitPrompt, outcome}));
    QVERIFY(!rig.get(QStringLiteral("EnterCharacter"))->isEnabled());
    QCOMPARE(rig.form.settingsWindow(), settings); // still open, as it was
    QCOMPARE(name->text(), typed);
    QCOMPARE(settings->selectedLevel(), std::optional<qint16>(4));
}

void tst_ui::settingsWindowLifetime()
{
    WindowRig rig;
    QPointer<programSettings> first = rig.openSettings();
    QTRY_COMPARE(QApplication::activeWindow(), first.data());
    rig.click(QStringLiteral("Difficulty9"), true);
    rig.get<QLineEdit>(QStringLiteral("Text1"), true)->setText(QStringLiteral("other.txt"));
    rig.form.activateWindow();
    QCOMPARE(rig.openSettings(), first.data()); // the same window comes back
    QTRY_COMPARE(QApplication::activeWindow(), first.data());

    first->close();
    QTRY_VERIFY(first.isNull()); // deleted
    programSettings *second = rig.openSettings(); // built anew
    QCOMPARE(second->selectedLevel(), std::nullopt);
    QCOMPARE(rig.get<QLineEdit>(QStringLiteral("Text1"), true)->text(), QStringLiteral("Dictionary.txt"));
}

void tst_ui::endingTheProgram_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::newRow("Quit the Game") << true; // at once: neither window is closed
    QTest::newRow("closing the main window") << false; // takes the settings window along
}

void tst_ui::endingTheProgram()
{
    QFETCH(bool, byExit);

    WindowRig rig;
    QPointer<programSettings> settings = rig.openSettings();
    QTimer::singleShot(0, &rig.form, [&] { byExit ? rig.click(QStringLiteral("Exit")) : void(rig.form.close()); });
    QTimer::singleShot(5000, &rig.form, [] { QCoreApplication::exit(-1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(rig.form.isVisible(), byExit);
    QCOMPARE(settings && settings->isVisible(), byExit);
}

void tst_ui::mouseMoveRestoresHelp_data()
{
    QTest::addColumn<QString>("target"); // the widget the move is sent to
    QTest::addColumn<QPoint>("at"); // in that widget
    QTest::addColumn<bool>("restored");

    QTest::newRow("bare, below the guess row") << "MainForm" << QPoint(100, 225) << true;
    QTest::newRow("bare, right of the picture") << "MainForm" << QPoint(702, 4) << true;
    QTest::newRow("over Helper") << "MainForm" << QPoint(100, 40) << false;
    QTest::newRow("over TheWord") << "MainForm" << QPoint(100, 350) << false;
    QTest::newRow("over StageImage") << "MainForm" << QPoint(500, 200) << false;
    QTest::newRow("over a frame") << "MainForm" << QPoint(20, 470) << false;
    QTest::newRow("over a label in a frame") << "MainForm" << QPoint(370, 400) << false;
    QTest::newRow("over a button") << "MainForm" << QPoint(150, 450) << false;
    QTest::newRow("over the disabled button") << "MainForm" << QPoint(100, 190) << false;
    QTest::newRow("to Helper itself") << "Helper" << QPoint(10, 10) << false;
}

void tst_ui::mouseMoveRestoresHelp()
{
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    QFETCH(bool, restored);

    WindowRig rig;
    rig.click(QStringLiteral("NewGame"));
    rig.guess({""}); // the help gives way to a request to type
    rig.form.setEnabled(GuessControl::EnterCharacter, false);
    QWidget *to = target == QLatin1String("MainForm") ? &rig.form : rig.get(target);
    for (const Qt::MouseButtons buttons : {Qt::MouseButtons(), Qt::MouseButtons(Qt::LeftButton)}) { // hover, drag
        QMouseEvent move(QEvent::MouseMove, at, to->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(to, &move);
        QCOMPARE(rig.text(TextField::Helper), restored ? HelpText : texts::TypeALetter);
    }
}

void tst_ui::enterAndEscapeDoNothing()
{
    WindowRig rig;
    rig.openSettings();
    rig.click(QStringLiteral("NewGame"));
    QTest::keyClicks(rig.get(QStringLiteral("Letter")), QStringLiteral("h"));
    for (QWidget *focus : {rig.get(QStringLiteral("Letter")), rig.get(QStringLiteral("EnterCharacter")),
                           rig.get(QStringLiteral("NewGame")), rig.get(QStringLiteral("ChangeDiff"), true)}) {
        focus->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(focus, key);
    }
    QCOMPARE(rig.text(TextField::LettersUsed), QString()); // no guess
    QCOMPARE(rig.text(TextField::TheWord), QStringLiteral("_ _ _ _ _ ")); // no new game
    QVERIFY(rig.boxes.seen.isEmpty());
    QVERIFY(rig.form.isVisible() && rig.form.settingsWindow()->isVisible());
}

void tst_ui::letterTakesOneCharacter_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");

    QTest::newRow("typed") << "" << false << "ab" << "a";
    QTest::newRow("typed after one") << "x" << false << "b" << "x";
    QTest::newRow("two pasted: refused whole") << "" << true << "yz" << "";
    QTest::newRow("pasted after one") << "x" << true << "q" << "x";
    QTest::newRow("an emoji is one character") << "" << false << u"😀"_qs << u"😀"_qs;
    QTest::newRow("an emoji after one") << "x" << true << u"😀"_qs << "x";
    QTest::newRow("a decomposed accent is one character") << "" << true << u"e\u0301"_qs << u"é"_qs;
    QTest::newRow("a heart and its selector, typed") << "" << false << u"❤️"_qs << u"❤️"_qs;
    QTest::newRow("a flag, typed key by key") << "" << false << u"🇫🇷"_qs << u"🇫🇷"_qs;
    QTest::newRow("a thumb with a skin tone, pasted") << "" << true << u"👍🏽"_qs << u"👍🏽"_qs;
    QTest::newRow("a Thai letter with its marks, typed") << "" << false << u"ที่"_qs << u"ที่"_qs;
    QTest::newRow("two hearts pasted: refused") << "" << true << u"❤️❤️"_qs << "";
}

void tst_ui::letterTakesOneCharacter()
{
    QFETCH(QString, before);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, after);

    WindowRig rig;
    auto *letter = rig.get<QLineEdit>(QStringLiteral("Letter"));
    QTest::keyClicks(letter, before);
    if (paste) {
        QApplication::clipboard()->setText(input);
        QTest::keySequence(letter, QKeySequence::Paste);
    } else {
        WindowRig::type(letter, input);
    }
    QCOMPARE(letter->text(), after);
}

// Legend: the only entry of the dictionary, the level that draws it, the characters typed; what
// the word field is read out as.
void tst_ui::hugeTexts_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("description");

    const QString smile = QStringLiteral("\U0001F600");
    QTest::newRow("50 MB entry, lost") << QString(25'000'000, 'q') << 16 << TenMisses
                                       << "The answer: " + QString(200, 'q') + "...";
    QTest::newRow("mask of a million") << QString(1'000'000, 'x') << 16 << QStringList{}
                                       << "1000000 letters, 0 found: " + QStringList(100, "blank").join(", ")
                                              + ", and 999900 more";
    QTest::newRow("surrogate pairs, lost") << "b" + smile.repeated(3'000'000) << 16 << TenMisses
                                           << "The answer: b" + smile.repeated(199) + "...";
    QTest::newRow("a wide character found") << "a" + smile + "bcd" << 5 << QStringList{"a", smile}
                                            << "5 letters, 2 found: a, " + smile + ", blank, blank, blank";
    QTest::newRow("cut after 100 wide cells") << smile.repeated(150) << 16 << QStringList{smile}
                                              << "150 letters, 150 found: " + QStringList(100, smile).join(", ") + ", and 50 more";
}

void tst_ui::hugeTexts()
{
    QFETCH(QString, entry);
    QFETCH(int, level);
    QFETCH(QStringList, typed);
    QFETCH(QString, description);

    WindowRig rig;
    rig.form.game().state().Tables = Dictionary::fromBytes(entry.toUtf8());
    rig.changeDifficulty(level);
    rig.boxes.answer({Answer::No});
    rig.guess(typed);
    auto *theWord = rig.get<PlainLabel>(QStringLiteral("TheWord"));
    theWord->repaint();
    const QString shown = rig.text(TextField::TheWord);
    QVERIFY(theWord->text().size() <= PlainLabel::ShownCharacters && shown.startsWith(theWord->text()));
    QVERIFY(!theWord->text().back().isHighSurrogate());
    QCOMPARE(theWord->accessibleDescription(), description);
    QCOMPARE(rig.get(QStringLiteral("TheWordReading"))->accessibleName(), description);
}

void tst_ui::stagePictures_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<QSize>("size"); // of a picture that loads; invalid: refused

    const auto header = [](qint32 side) { // a bitmap header that promises side x side pixels, and no pixels
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint16(0x4d42) << quint32(54) << quint32(0) << quint32(54) << quint32(40) << side << side
            << quint16(1) << quint16(24) << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0)
            << quint32(0);
        return bytes;
    };
    QTest::newRow("another size") << QByteArray() << QSize(120, 90);
    QTest::newRow("missing") << QByteArray() << QSize();
    QTest::newRow("not a picture") << QByteArray("hello, world") << QSize();
    QTest::newRow("absurd size") << header(100000) << QSize();
    QTest::newRow("no pixels") << header(100) << QSize();
    QTest::newRow("cut short") << header(100).left(20) << QSize();
}

void tst_ui::stagePictures()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);

    const QString path = QStringLiteral("Images/test.bmp");
    QFile::remove(path);
    if (size.isValid()) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(path, "BMP"));
    } else if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }

    WindowRig rig;
    QCOMPARE(rig.form.setStagePicture(3, path), size.isValid());
    const QSize shown = size.isValid() ? size : QSize(339, 352); // a refused picture keeps the one before
    QCOMPARE(rig.get(QStringLiteral("StageImage"))->geometry(), QRect(QPoint(360, 16), shown));
    QCOMPARE(shownStageColour(rig), size.isValid() ? QColor(Qt::darkGreen).rgb() : stageColour(0));
    QCOMPARE(rig.get(QStringLiteral("StageImage"))->accessibleName(), QStringLiteral("Stage %1 of 10").arg(size.isValid() ? 3 : 0));
}

void tst_ui::accessibleRoles_data()
{
    QTest::addColumn<bool>("inSettings");
    QTest::addColumn<QString>("control"); // the window itself when it is the window's name
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    const QString title = "Velmora Version 1.3.0 - by the Velmora developers - https://velmora.example.org";
    QTest::newRow("main window") << false << "MainForm" << QAccessible::Window << title;
    QTest::newRow("settings window") << true << "programSettings" << QAccessible::Window << "Velmora Settings";
    QTest::newRow("announcer") << false << "Announcer" << QAccessible::StatusBar << "";
    QTest::newRow("announcement") << false << "Announcement" << QAccessible::Notification
                                  << "New word, 5 letters: blank, blank, blank, blank, blank.";
}

void tst_ui::accessibleRoles()
{
    QFETCH(bool, inSettings);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);

    WindowRig rig;
    rig.click(QStringLiteral("NewGame"));
    QWidget *window = inSettings ? static_cast<QWidget *>(rig.openSettings()) : &rig.form;
    QWidget *widget = window->objectName() == control ? window : rig.get(control, inSettings);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(face->role(), role);
    QCOMPARE(face->text(QAccessible::Name), name);
    if (role == QAccessible::Notification) // a status bar's notification is spoken without its role
        QCOMPARE(face->parent()->role(), QAccessible::StatusBar);
    QCOMPARE(face->state().invisible, role == QAccessible::StatusBar); // never met in a review
}

void tst_ui::announcements_data()
{
    QTest::addColumn<int>("level"); // picked in the settings window; 0: "Start a new game!"
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<Answer>("answer"); // to the question that ends the game, if one does
    QTest::addColumn<QStringList>("spoken");

    const QString fresh = "New word, 5 letters: blank, blank, blank, blank, blank.";
    QTest::newRow("hit, miss, repeat, empty box, blank")
        << 0 << QStringList{"e", "x", "x", "", " "} << Answer::NoButton
        << QStringList{fresh, "e is in the word: blank, e, blank, blank, blank.",
                       "x is not in the word. 9 chances left. Stage 1 of 10.", "x was already guessed.",
                       "Please type a letter in the box using the keyboard.",
                       "Please type a letter in the box using the keyboard."};
    QTest::newRow("won, again") << 0 << QStringList{"h", "E", "l", "o"} << Answer::Yes
                                << QStringList{fresh, "h is in the word: h, blank, blank, blank, blank.",
                                               "e is in the word: h, e, blank, blank, blank.",
                                               "l is in the word: h, e, l, l, blank.",
                                               "o is in the word: h, e, l, l, o.", fresh};
    QTest::newRow("phrase, from the settings window")
        << 6 << QStringList{"o"} << Answer::NoButton
        << QStringList{"New phrase, 5 letters: blank, blank, blank, space, blank, blank.",
                       "o is in the phrase: blank, blank, blank, space, o, blank."};
}

// What a screen reader is given to speak, as a game is played through the window.
void tst_ui::announcements()
{
    QFETCH(int, level);
    QFETCH(QStringList, typed);
    QFETCH(Answer, answer);
    QFETCH(QStringList, spoken);

    WindowRig rig;
    AnnouncementLog log(rig);
    rig.boxes.snapshot = [&log] { return log.messages.isEmpty() ? QString() : log.messages.constLast(); };
    if (answer != Answer::NoButton)
        rig.boxes.answer({answer});
    level ? rig.changeDifficulty(level) : rig.click(QStringLiteral("NewGame"));
    rig.guess(typed);

    QCOMPARE(log.messages, spoken);
    QCOMPARE(rig.boxes.seen.size(), answer == Answer::NoButton ? 0 : 1);
    if (answer != Answer::NoButton) // the last guess is spoken before the question comes up
        QCOMPARE(rig.boxes.seen.constFirst().snapshot, spoken.at(typed.size()));
}

void tst_ui::optionClickArea_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QPoint>("at"); // in the option's box

    QTest::newRow("2, bottom right") << "Difficulty2" << QPoint(80, 24);
    QTest::newRow("more than 15, bottom right") << "Difficulty16" << QPoint(144, 24);
    QTest::newRow("random, below the mark") << "Difficulty17" << QPoint(5, 24);
}

void tst_ui::optionClickArea()
{
    QFETCH(QString, option);
    QFETCH(QPoint, at);

    WindowRig rig;
    rig.openSettings();
    auto *button = rig.get<QRadioButton>(option, true);
    QRadioButton plain(button->text(), button->parentWidget()); // drawn as every radio button is
    plain.setGeometry(button->geometry());
    QCOMPARE(button->grab().toImage(), plain.grab().toImage());

    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    QVERIFY(button->isChecked());
    QCOMPARE(rig.form.settingsWindow()->selectedLevel(), std::optional<qint16>(option.mid(10).toShort()));
}

// Legend: a dictionary of one entry, as its file's bytes; the level that draws it; the
// characters typed; the word length shown, and the word after the first character. Loaded by
// name in the settings window, drawn there, won in the main window.
void tst_ui::everyLanguageWins_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("afterFirst");

    const auto utf8 = [](const QString &entry) { return entry.toUtf8(); };
    QTest::newRow("UTF-8, a capital typed") << QByteArray("\xce\xa9m\xc3\xa9ga\n") << 5
                                            << QStringList{u"Ω"_qs, "m", u"é"_qs, "g", "a"}
                                            << "Word Length: 5 letters" << u"ω _ _ _ _ "_qs;
    QTest::newRow("Windows-1252") << QByteArray("Cr\xe8me\n") << 5 << QStringList{"c", "r", u"è"_qs, "m", "e"}
                                  << "Word Length: 5 letters" << "c _ _ _ _ ";
    QTest::newRow("a decomposed accent, found with the composed one")
        << QByteArray("cafe\xcc\x81s\n") << 5 << QStringList{u"é"_qs, "c", "a", "f", "s"} << "Word Length: 5 letters"
        << u"_ _ _ é _ "_qs;
    QTest::newRow("emoji of several code points, a heart typed bare")
        << utf8(u"❤️🇫🇷👍🏽a"_qs) << 4 << QStringList{u"❤"_qs, u"🇫🇷"_qs, u"👍🏽"_qs, "a"} << "Word Length: 4 letters"
        << u"❤️ _ _ _ "_qs;
    QTest::newRow("Greek sigmas") << utf8(u"ΣΟΦΟΣ"_qs) << 5 << QStringList{u"σ"_qs, u"ο"_qs, u"φ"_qs}
                                  << "Word Length: 5 letters" << u"σ _ _ _ ς "_qs;
    QTest::newRow("a final sigma first") << utf8(u"ΟΔΟΣ"_qs) << 4 << QStringList{u"ς"_qs, u"ο"_qs, u"δ"_qs}
                                         << "Word Length: 4 letters" << u"_ _ _ ς "_qs;
    QTest::newRow("Turkish capital dotted I") << utf8(u"İzmir"_qs) << 5 << QStringList{"i", "z", "m", "r"}
                                              << "Word Length: 5 letters" << "i _ _ i _ ";
    QTest::newRow("an ideographic space") << utf8(u"東京\u3000タワー"_qs) << 6
                                          << QStringList{u"東"_qs, u"京"_qs, u"タ"_qs, u"ワ"_qs, u"ー"_qs}
                                          << "Word Length: 5 letters" << u"東 _ \u3000 _ _ _ "_qs;
    QTest::newRow("a historic-script pair") << utf8(u"\U00011099\U000110BAe\u0301"_qs) << 2
                                            << QStringList{u"é"_qs, u"\U0001109A"_qs} << "Word Length: 2 letters"
                                            << u"_ é "_qs;
    QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfeo\0k\0\n\0", 8) << 2 << QStringList{"o", "k"}
                               << "Word Length: 2 letters" << "o _ ";
    QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff\0o\0k\0\n", 8) << 2 << QStringList{"o", "k"}
                               << "Word Length: 2 letters" << "o _ ";
}

void tst_ui::everyLanguageWins()
{
    QFETCH(QByteArray, file);
    QFETCH(int, level);
    QFETCH(QStringList, typed);
    QFETCH(QString, length);
    QFETCH(QString, afterFirst);

    QFile list(QStringLiteral("Dictionary/one entry.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write(file) == file.size());
    list.close();
    WindowRig rig;
    rig.openSettings();
    auto *name = rig.get<QLineEdit>(QStringLiteral("Text1"), true);
    name->setText(list.fileName().mid(QStringLiteral("Dictionary/").size()));
    rig.boxes.answer({Answer::Ok, Answer::Ok});
    rig.click(QStringLiteral("LoadTheDictionary"), true);
    rig.changeDifficulty(level);
    QCOMPARE(rig.text(TextField::WordLengthLabel), length);
    rig.guess(typed.first(1));
    QCOMPARE(rig.text(TextField::TheWord), afterFirst);
    rig.boxes.answer({Answer::No});
    rig.guess(typed.sliced(1));

    QCOMPARE(rig.boxes.texts(), (QStringList{texts::WaitPrompt, QStringLiteral(" 1 words loaded."), texts::WonPlayAgain}));
    QCOMPARE(rig.form.game().state().WrongGuesses, qint16(0));
}

// Legend: the entry, the level that draws it, the characters typed; the cells the word field
// then draws, line by line from left to right. A phrase wraps at a blank. A word of Arabic or
// Hebrew reads from right to left, a number or a Latin word inside it from left to right, each
// paragraph of it in its place; a found Arabic letter takes its shape in the word.
void tst_ui::wordFieldCells_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QList<QStringList>>("lines");

    const QString u = QStringLiteral("_");
    QTest::newRow("a phrase wraps at a blank")
        << "good morning everybody" << 16 << QStringList{"o", "y"}
        << QList<QStringList>{{u, "o", "o", u, " ", u, "o", u, u, u, u, u}, {u, u, u, u, "y", u, "o", u, "y"}};
    QTest::newRow("an Arabic word half found") << u"مرحبا"_qs << 5 << QStringList{u"ر"_qs, u"ح"_qs}
                                               << QList<QStringList>{{u, u, u"\uFEA3"_qs, u"\uFEAE"_qs, u}};
    QTest::newRow("an Arabic word found") << u"مرحبا"_qs << 5 << QStringList{u"ر"_qs, u"ح"_qs, u"م"_qs, u"ب"_qs}
                                          << QList<QStringList>{{u, u"\uFE92"_qs, u"\uFEA3"_qs, u"\uFEAE"_qs, u"\uFEE3"_qs}};
    QTest::newRow("Hebrew") << u"שלום!"_qs << 5 << QStringList{u"ש"_qs} << QList<QStringList>{{u, u, u, u, u"ש"_qs}};
    QTest::newRow("a year in Arabic") << u"عام 2024"_qs << 8 << QStringList{"4"}
                                      << QList<QStringList>{{u, u, u, "4", " ", u, u, u}};
    QTest::newRow("a Latin word in Arabic") << u"مرحبا Qt ستة"_qs << 12 << QStringList{"t"}
                                            << QList<QStringList>{{u, u, u, " ", u, "t", " ", u, u, u, u, u}};
    QTest::newRow("an Arabic word after a Latin one") << u"Qt مرحبا"_qs << 8 << QStringList{u"ا"_qs}
                                                      << QList<QStringList>{{u, u, " ", u"\uFE8E"_qs, u, u, u, u}};
    QTest::newRow("a number after a paragraph separator") << u"ب\u202912"_qs << 4 << QStringList{"1"}
                                                          << QList<QStringList>{{"1", u, u"\u2029"_qs, u}};
    QTest::newRow("an emoji sequence") << u"👨‍👩‍👧‍👦a"_qs << 2 << QStringList{u"👨‍👩‍👧‍👦"_qs}
                                       << QList<QStringList>{{u"👨‍👩‍👧‍👦"_qs, u}};
}

void tst_ui::wordFieldCells()
{
    QFETCH(QString, entry);
    QFETCH(int, level);
    QFETCH(QStringList, typed);
    QFETCH(QList<QStringList>, lines);

    WindowRig rig;
    rig.form.game().state().Tables = Dictionary::fromBytes(entry.toUtf8());
    rig.changeDifficulty(level);
    rig.guess(typed);
    QCOMPARE(rig.get<PlainLabel>(QStringLiteral("TheWord"))->drawnLines(), lines);
}

// Legend: an emoji of several code points, one character of the game.
void tst_ui::emojiDrawnWhole_data()
{
    QTest::addColumn<QString>("emoji");

    QTest::newRow("a family") << u"👨‍👩‍👧‍👦"_qs;
    QTest::newRow("the rainbow flag") << u"🏳️‍🌈"_qs;
    QTest::newRow("a keycap") << u"1️⃣"_qs;
    QTest::newRow("England") << u"🏴󠁧󠁢󠁥󠁮󠁧󠁿"_qs;
    QTest::newRow("Scotland") << u"🏴󠁧󠁢󠁳󠁣󠁴󠁿"_qs;
    QTest::newRow("Wales") << u"🏴󠁧󠁢󠁷󠁬󠁳󠁿"_qs;
}

// Each is drawn as one picture, in the guess box, the word field and the guesses: its ink, above
// the comma after a guess, is no wider than a picture of one emoji.
void tst_ui::emojiDrawnWhole()
{
    QFETCH(QString, emoji);

    // How wide the upper half of a widget's ink is (a comma stays below it), to how tall it all is.
    const auto inkWidthToHeight = [](QWidget *widget, int margin) {
        const QImage image = widget->grab().toImage();
        const QRgb ground = image.pixel(margin, margin);
        QRect all;
        QRect upper;
        for (QRect *ink : {&all, &upper}) {
            for (int y = margin; y < (ink == &all ? image.height() - margin : all.center().y()); ++y) {
                for (int x = margin; x < image.width() - margin; ++x) {
                    const QRgb p = image.pixel(x, y);
                    if (qAbs(qRed(p) - qRed(ground)) + qAbs(qGreen(p) - qGreen(ground)) + qAbs(qBlue(p) - qBlue(ground)) > 30)
                        *ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return qreal(upper.width()) / all.height();
    };

    WindowRig rig;
    rig.form.game().state().Tables = Dictionary::fromBytes((emoji + u' ').toUtf8());
    rig.changeDifficulty(2);
    WindowRig::type(rig.get(QStringLiteral("Letter")), emoji);
    rig.get(QStringLiteral("NewGame"))->setFocus(); // no text cursor beside the picture
    rig.get(QStringLiteral("Letter"))->resize(200, 45); // room for pieces side by side
    QVERIFY(inkWidthToHeight(rig.get(QStringLiteral("Letter")), 3) < 1.4);
    rig.boxes.answer({Answer::No});
    rig.click(QStringLiteral("EnterCharacter")); // won
    QCOMPARE(rig.text(TextField::TheWord), emoji + u"   "_qs);
    QVERIFY(inkWidthToHeight(rig.get(QStringLiteral("TheWord")), 0) < 1.4);
    QVERIFY(inkWidthToHeight(rig.get(QStringLiteral("LettersUsed")), 0) < 1.4);
}

// Every word list that comes with the game is loaded by its name through the settings window
// and plays a game at the starting level, lost with ten digits, which no list holds. Thai
// holds about a thousand words, the others tens of thousands.
void tst_ui::shippedListsPlay_data()
{
    QTest::addColumn<QString>("name");
    const QDir shipped(QStringLiteral(VELMORA_SHIPPED_DICTIONARY));
    const QStringList names = shipped.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 20);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_ui::shippedListsPlay()
{
    QFETCH(QString, name);

    const QString copy = QStringLiteral("Dictionary/") + name;
    QFile::remove(copy);
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_SHIPPED_DICTIONARY "/") + name, copy));
    WindowRig rig;
    rig.openSettings();
    rig.get<QLineEdit>(QStringLiteral("Text1"), true)->setText(name);
    rig.boxes.answer({Answer::Ok, Answer::Ok});
    rig.click(QStringLiteral("LoadTheDictionary"), true);
    QCOMPARE(rig.boxes.texts().value(0), texts::WaitPrompt);
    QVERIFY2(QRegularExpression(QStringLiteral("^ [0-9]{3,6} words loaded\\.$")).match(rig.boxes.texts().value(1)).hasMatch(),
             qPrintable(rig.boxes.texts().join(u'|')));

    rig.click(QStringLiteral("ChangeDiff"), true); // no option chosen: the starting level, 5
    QCOMPARE(rig.form.game().state().WordLetters.size(), 5);
    rig.boxes.seen.clear();
    rig.boxes.answer({Answer::No});
    rig.guess({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    QCOMPARE(rig.boxes.texts(), QStringList{texts::LostPlayAgain});
    QCOMPARE(rig.text(TextField::TheWord), rig.form.game().state().CurrentWord);
}

QTEST_MAIN(tst_ui)
#include "tst_ui.moc"
