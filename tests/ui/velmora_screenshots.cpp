// Draws the two windows of a game in progress into PNG files, with the fonts and data of the
// machine it runs on. Run it in a folder holding Dictionary/ and Images/ (a build folder):
//
//     velmora_screenshots main.png settings.png [--hold MILLISECONDS]
//
// --hold keeps both windows on the screen that long afterwards, for a screen capture.

#include "AppIdentity.h"
#include "MainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <random>

namespace {

// The same draws on every run, so the pictures change only when the program does.
class SteadyRandom final : public velmora::RandomSource
{
public:
    void seedFromClock() override { m_engine.seed(20240601); }
    double next() override { return double(m_engine() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 m_engine;
};

// Answers every prompt at once: OK, and No to playing again.
class SilentPrompter final : public velmora::Prompter
{
public:
    void inform(const QString &) override {}
    bool askYesNo(const QString &) override { return false; }
};

void guess(velmora::MainForm &form, QChar c)
{
    form.findChild<QLineEdit *>(QStringLiteral("Letter"))->setText(c);
    form.findChild<QPushButton *>(QStringLiteral("EnterCharacter"))->click();
}

// Two letters of the entry and two that are not in it.
void playSomeGuesses(velmora::MainForm &form)
{
    const QString entry = form.game().state().CurrentWord;
    QString hits;
    for (QChar c : entry) {
        if (c.isLetter() && !hits.contains(c) && hits.size() < 2)
            hits += c;
    }
    QString misses;
    for (QChar c : QStringLiteral("zqxjkvwy")) {
        if (!entry.contains(c) && misses.size() < 2)
            misses += c;
    }
    for (QChar c : QString(hits.left(1) + misses + hits.mid(1)))
        guess(form, c);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    velmora::identifyApplication();

    QStringList args = QApplication::arguments().mid(1);
    int holdMs = 0;
    if (const qsizetype at = args.indexOf(QStringLiteral("--hold")); at >= 0 && at + 1 < args.size()) {
        holdMs = args.at(at + 1).toInt();
        args.remove(at, 2);
    }
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: velmora_screenshots MAIN.png SETTINGS.png [--hold MILLISECONDS]\n";
        return 2;
    }

    SteadyRandom random;
    SilentPrompter prompter;
    velmora::MainForm form(&random, &prompter);
    form.startUp();
    form.show();
    form.findChild<QPushButton *>(QStringLiteral("NewGame"))->click();
    playSomeGuesses(form);
    form.findChild<QPushButton *>(QStringLiteral("Settings"))->click();
    QApplication::processEvents();

    bool saved = form.grab().save(args.at(0));
    if (velmora::programSettings *settings = form.settingsWindow()) {
        settings->move(form.frameGeometry().topRight() + QPoint(16, 0));
        saved = settings->grab().save(args.at(1)) && saved;
    }
    if (!saved) {
        QTextStream(stderr) << "velmora_screenshots: could not write the pictures\n";
        return 1;
    }
    if (holdMs > 0) {
        QTimer::singleShot(holdMs, &app, [] { QCoreApplication::exit(0); });
        return QApplication::exec();
    }
    return 0;
}
