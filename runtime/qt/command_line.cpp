// As Qt programs answer: QCommandLineParser's help (with --help-all, Qt's own options too) and
// version. It reads the arguments before the application object exists, so no display is needed.
#include "runtime/command_line.h"

#include "runtime/qt/layer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr const char* HelpAllName = "help-all";

} // namespace

std::optional<int> AnswerCommandLine(int& argc, char** argv, const ProgramAbout& about) {
    KeepCommandLine(argc, argv);
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -reverse): each one word, never letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromUtf8(about.description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Options it does not know are Qt's or ignored, as the window always has: no failure here.
    parser.parse(arguments);
    const QString asked = parser.isSet(version) ? version.names().constLast()
                          : parser.isSet(help)  ? help.names().constLast()
                          : parser.isSet(QString::fromLatin1(HelpAllName))
                              ? QString::fromLatin1(HelpAllName)
                              : QString();
    if (asked.isEmpty()) {
        return std::nullopt;
    }
    // Qt prints the answer and ends the process; given the option alone, so that an option of
    // Qt's or one it does not know does not turn the answer into a complaint.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(about.name));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(about.version));
    parser.process(QStringList{arguments.value(0), QStringLiteral("--") + asked});
    return 0;
}
