#include "shell/commandline.h"

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

void reportError(const QString& arguments0, const QString& error) {
    const QString line = QStringLiteral("%1: %2 Try '%1 --help' for the options.\n")
                             .arg(arguments0.section(QLatin1Char('/'), -1), error);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

CommandLine readCommandLine(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A dice game: roll five dice up to three times a turn and fill a scorecard."));
    // Qt's options are single words after one dash: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const char* name : qtOptionsWithValue) {
        addHidden(parser, name, true);
    }
    for (const char* name : qtFlags) {
        addHidden(parser, name, false);
    }

    CommandLine result;
    const QString program = arguments.value(0, QStringLiteral("zandiro"));
    if (!parser.parse(arguments)) {
        reportError(program, parser.errorText());
        result.exitStatus = 1;
    } else if (!parser.positionalArguments().isEmpty()) {
        reportError(program, QStringLiteral("Unexpected argument '%1'.")
                                 .arg(parser.positionalArguments().constFirst()));
        result.exitStatus = 1;
    } else if (parser.isSet(help) || parser.isSet(version) ||
               parser.isSet(QStringLiteral("help-all"))) {
        // Qt's own answer, which needs an application object but no display;
        // it prints and ends the program.
        const QCoreApplication app(argc, argv);
        parser.process(app);
        result.exitStatus = 0;
    }
    result.platform = parser.value(QStringLiteral("platform"));
    result.display = parser.value(QStringLiteral("display"));
    return result;
}

} // namespace zandiro
