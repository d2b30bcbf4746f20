#include "AppIdentity.h"
#include "MainForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstdio>
#include <optional>

namespace {

// Qt's own options for graphical programs. QApplication takes them out of the arguments
// itself; they are accepted here so that they reach it, and left out of --help.
struct QtOption
{
    const char *name;
    bool takesValue;
};
constexpr QtOption QtOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},          {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},           {"session", true},
    {"display", true},         {"geometry", true},           {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(qUtf8Printable(text), stream);
}

// The word lists in other languages that come with the game, one a line: the name to type and
// the language, in English and in its own words ("  de.txt     German, Deutsch").
QString languageLists()
{
    QString lines;
    for (const QString &code : QStringLiteral(VELMORA_LANGUAGE_LISTS).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QLocale locale(code);
        const bool regional = code.contains(QLatin1Char('-'));
        QString english = QLocale::languageToString(locale.language());
        QString own = locale.nativeLanguageName();
        if (regional) {
            english += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
            own += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
        }
        lines += QStringLiteral("  %1 %2, %3\n").arg(code + QStringLiteral(".txt"), -10).arg(english, own);
    }
    return lines;
}

// Answers --help and --version and refuses anything it does not know, before any window is
// made or any file read, so that none of it needs a display. Returns the exit status when
// the program ends here.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions); // -platform, as Qt spells it
    const QString lists = languageLists();
    parser.setApplicationDescription(
        QStringLiteral("Guess the hidden word or phrase one letter at a time.\n")
        + (lists.isEmpty() ? QString()
                           : QStringLiteral("The game starts with its English list. To play in another language, type the\n"
                                            "name of its list into the settings window:\n")
                                 + lists)
        + QStringLiteral("Word lists of your own go in the Dictionary folder: velmora(6) says where it is.\n"
                         "Qt's options for graphical programs, such as -platform and -style, are passed on to Qt."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &qtOption : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name), QString(),
                                  qtOption.takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // Without an application object the parser cannot name the program in its usage line.
    QString usage = parser.helpText();
    usage.replace(0, usage.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: velmora [options]"));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("velmora: ") + error + QStringLiteral("\n\n") + usage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, velmora::AppName + QLatin1Char(' ') + velmora::AppVersion + QLatin1Char('\n'));
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    QApplication app(argc, argv);
    velmora::identifyApplication();

    // Data is read from Dictionary/ and Images/ in the working folder.
    velmora::MainForm form;
    form.startUp(); // the dictionary is loaded, with its prompts, before the window shows
    form.show();
    return QApplication::exec();
}
