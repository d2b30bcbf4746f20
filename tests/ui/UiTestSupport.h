#pragma once

#include "GameDoubles.h"
#include "MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

namespace velmora::uitest {

// Entries are drawn first-of-their-length: "hello" at the starting level 5.
inline const QByteArray TestDictionary = "hello\nox\ncat\no x \nred ox\n<b>x</b>\nuncharacteristically\n";
// Ten letters that are not in entry.
inline QStringList missesFor(const QString &entry)
{
    QStringList misses;
    for (const QChar c : QStringLiteral("acdfgijkmnpqrsuvwyz"))
        if (!entry.contains(c) && misses.size() < 10)
            misses << c;
    return misses;
}
inline const QStringList TenMisses = missesFor(QStringLiteral("hello"));

inline QRgb stageColour(int stage)
{
    return QColor::fromHsv(stage * 30, 200, 200).rgb();
}

// Fills dir with Dictionary/Dictionary.txt, Dictionary/other.txt and the stage pictures
// Images/0.bmp..10.bmp (339x352, in stageColour(stage)), and makes it the working folder.
inline bool useWorkingFolder(const QTemporaryDir &dir)
{
    QDir root(dir.path());
    const auto write = [&root](const char *name, const QByteArray &bytes) {
        QFile file(root.filePath(QLatin1String(name)));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    bool ok = dir.isValid() && root.mkdir(QStringLiteral("Dictionary")) && root.mkdir(QStringLiteral("Images"))
           && write("Dictionary/Dictionary.txt", TestDictionary) && write("Dictionary/other.txt", "apple\npear\n");
    for (int stage = 0; ok && stage <= StageCount; ++stage) {
        QImage picture(339, 352, QImage::Format_RGB32);
        picture.fill(stageColour(stage));
        ok = picture.save(root.filePath(QStringLiteral("Images/%1.bmp").arg(stage)), "BMP");
    }
    return ok && QDir::setCurrent(dir.path());
}

// Drops the offscreen platform's notes about window features it lacks.
inline void quietOffscreenPlatform()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            previous(type, context, text);
    });
}

// One message box as it was when it came up.
struct SeenBox
{
    QString title, text, snapshot; // snapshot: what BoxAnswerer::snapshot returned then
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    bool applicationModal, plainText, buttonIcons;
};

// Clicks the buttons of the real message boxes as they come up, from a queue of answers, and
// records every box. A box nobody expected is answered with its default button and counted.
class BoxAnswerer
{
public:
    BoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    void answer(std::initializer_list<QMessageBox::StandardButton> answers)
    {
        m_answers.insert(m_answers.end(), answers);
    }
    QStringList texts() const
    {
        QStringList all;
        for (const SeenBox &box : seen)
            all.append(box.text);
        return all;
    }

    std::function<QString()> snapshot;
    QList<SeenBox> seen;
    int unexpected = 0;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_current || !box->isVisible())
            return;
        m_current = box;
        bool icons = false;
        for (const QAbstractButton *button : box->buttons())
            icons = icons || !button->icon().isNull();
        seen.append({box->windowTitle(), box->text(), snapshot ? snapshot() : QString(), box->icon(),
                     box->standardButtons(), box->standardButton(box->defaultButton()),
                     box->windowModality() == Qt::ApplicationModal, box->textFormat() == Qt::PlainText, icons});
        QAbstractButton *button = m_answers.empty() ? nullptr : box->button(m_answers.front());
        if (!m_answers.empty())
            m_answers.pop_front();
        if (!button) {
            ++unexpected;
            button = box->defaultButton();
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTimer m_timer;
    std::deque<QMessageBox::StandardButton> m_answers;
    QPointer<QMessageBox> m_current;
};

// A main window with real message boxes and scripted draws (0.0: the first entry of a
// length), started (its two prompts answered) and shown unless asked not to.
struct WindowRig
{
    explicit WindowRig(bool start = true)
    {
        if (start)
            startUp();
    }
    void startUp()
    {
        boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
        form.startUp();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qWarning("the main window was not exposed");
        boxes.seen.clear();
    }
    template <typename T = QWidget>
    T *get(const QString &name, bool inSettings = false) const
    {
        const QWidget *window = inSettings ? static_cast<QWidget *>(form.settingsWindow()) : &form;
        T *control = window ? window->findChild<T *>(name) : nullptr;
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    QString text(TextField field) const { return form.text(field); }
    void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }
    void click(const QString &name, bool inSettings = false) { click(get(name, inSettings)); }
    // Types text into a box, one key per character, as a keyboard or an input method sends it.
    static void type(QWidget *box, const QString &text)
    {
        for (const uint c : text.toUcs4()) {
            const char32_t character = c;
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&character, 1), Qt::NoModifier);
        }
    }
    // Types each text into the Letter box and clicks "Try it!".
    void guess(const QStringList &typed)
    {
        for (const QString &text : typed) {
            type(get(QStringLiteral("Letter")), text);
            click(QStringLiteral("EnterCharacter"));
        }
    }
    programSettings *openSettings()
    {
        click(QStringLiteral("Settings"));
        return form.settingsWindow();
    }
    // Picks the option for level in the settings window (none for 0) and clicks ChangeDiff.
    void changeDifficulty(int level)
    {
        openSettings();
        if (level > 0)
            click(QStringLiteral("Difficulty%1").arg(level), true);
        click(QStringLiteral("ChangeDiff"), true);
    }

    testing::ScriptedRandom random;
    BoxAnswerer boxes;
    MainForm form{&random};
};

} // namespace velmora::uitest
