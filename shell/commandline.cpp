#include "shell/commandline.h"

#include "game/translation.h"
#include "shell/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace zandiro {
namespace {

// Qt's own options, which QApplication reads and removes from the command
// line. The parser knows them so that they are not taken for mistakes.
const char* const qtOptionsWithValue[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "display",
                                          "geometry",
                                          "title",
                                          "name",
                                          "style",
                                          "stylesheet",
                                          "session",
                                          "qmljsdebugger"};
const char* const qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addHidden(QCommandLineParser& parser, const char* name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue) {
        option.setValueName(QStringLiteral("value"));
    }
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// A text of the command line in the player's language.
QString translatedText(const char* english) {
    return QString::fromUtf8(translated(english));
}

void reportError(const QString& arguments0, const QString& error) {
    const QString name = arguments0.section(QLatin1Char('/'), -1);
    // TRANSLATORS: follows a mistake on the command line; %1 is the program's name.
    const QString hint = translatedText("Try '%1 --help' for the options.").arg(name);
    print(stderr, QStringLiteral("%1: %2 %3\n").arg(name, error, hint));
}

// The player's options, and Qt's, hidden from the help.
void addOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(translatedText(
        "A dice game: roll five dice up to three times a turn and fill a scorecard."));
    // Qt's options are single words after one dash: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                      translatedText("Displays help on commandline options.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")},
                      translatedText("Displays version information.")});
    for (const char* name : qtOptionsWithValue) {
        addHidden(parser, name, true);
    }
    for (const char* name : qtFlags) {
        addHidden(parser, name, false);
    }
}

QString versionText() {
    return QStringLiteral("Zandiro %1\n").arg(QCoreApplication::applicationVersion()) +
           translatedText("Copyright (C) 2026 The Zandiro developers\n"
                          "License MIT: <https://opensource.org/licenses/MIT>\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

// Qt's usage line names the program as QCoreApplication's arguments do, so
// the help needs an application object (and Qt's translation of its words);
// it needs no display.
void printHelp(const QCommandLineParser& parser, int& argc, char** argv) {
    const QCoreApplication app(argc, argv);
    translateQtTexts();
    print(stdout, parser.helpText() + QLatin1Char('\n') +
                      translatedText("Zandiro home page: <%1>\nReport bugs to: <%1/issues>\n")
                          .arg(QStringLiteral(ZANDIRO_HOMEPAGE)));
}

// What the parsed command line asks for: an exit status when the program
// ends here, none when it goes on to open its windows.
std::optional<int> answer(const QCommandLineParser& parser, int& argc, char** argv) {
    if (!parser.positionalArguments().isEmpty()) {
        reportError(QString::fromLocal8Bit(argv[0]),
                    translatedText("Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().constFirst()));
        return 1;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        print(stdout, versionText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        printHelp(parser, argc, argv);
        return 0;
    }
    return std::nullopt;
}

} // namespace

CommandLine readCommandLine(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    addOptions(parser);
    CommandLine result;
    if (!parser.parse(arguments)) {
        // Qt words the mistake as it parses: once more, in its own translation.
        const QCoreApplication app(argc, argv);
        translateQtTexts();
        parser.parse(arguments);
        reportError(arguments.value(0, QStringLiteral("zandiro")), parser.errorText());
        result.exitStatus = 1;
    } else {
        result.exitStatus = answer(parser, argc, argv);
    }
    result.platform = parser.value(QStringLiteral("platform"));
    result.display = parser.value(QStringLiteral("display"));
    return result;
}

} // namespace zandiro
