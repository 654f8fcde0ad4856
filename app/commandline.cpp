#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "shell/ui/look.h"

namespace corvell::app {
namespace {

// The options QGuiApplication and QApplication read for themselves, as they
// spell them with one dash; they are declared here only to be let through.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "geometry",
    "qwindowicon",     "icon",
    "qwindowtitle",    "title",
    "display",         "name",
    "style",           "stylesheet",
    "session",         "qmljsdebugger",
};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

CommandLine ended(int status) {
    return {.claimFile = {}, .exitStatus = status};
}

}  // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    // The desktop's own call, with no option and at most a claim file, needs
    // no parser: the start-up does not wait for one.
    if (argc <= 2 && (argc < 2 || argv[1][0] != '-')) {
        return {.claimFile = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString(),
                .exitStatus = std::nullopt};
    }
    // A QCoreApplication opens no display; the QApplication comes after it.
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(ui::applicationTitle());
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVELL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calculators for workers' compensation professionals."));
    // Qt's options have one dash and whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A claim file (.claim) to open."),
                                 QStringLiteral("[FILE]"));

    const QString program = QFileInfo(QCoreApplication::arguments().value(0)).fileName();
    const auto mistake = [&program](const QString& what) {
        print(stderr,
              QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, what));
        return ended(1);
    };
    if (!parser.parse(QCoreApplication::arguments())) {
        return mistake(parser.errorText());
    }
    if (parser.isSet(help)) {
        // "Usage: corvells-calculator ...", however the program was started.
        QString text = parser.helpText();
        text.replace(QCoreApplication::arguments().value(0), program);
        print(stdout, text);
        return ended(0);
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return ended(0);
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return mistake(
            QStringLiteral("Only one claim file can be opened at a time; %1 were given (%2).")
                .arg(files.size())
                .arg(files.join(QStringLiteral(", "))));
    }
    return {.claimFile = files.value(0), .exitStatus = std::nullopt};
}

}  // namespace corvell::app
