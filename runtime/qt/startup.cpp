// Setting the layer up and taking it down. The application object is made once per process and
// lives until the process ends: Qt does not take a second one well.
#include "runtime/qt/layer.h"

#include <QApplication>
#include <QDirIterator>
#include <QFont>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* ProgramName = "oamcalc";
// Close to the dialog font the window was laid out in on Windows (MS Sans Serif 8 pt, 11 pixels
// high): the free font that shares Arial's metrics, at the same pixel size.
constexpr const char* ControlFontFamily = "Liberation Sans";
constexpr int ControlFontPixels = 11;
// The same look on every desktop, so that the fixed rectangles hold what they were measured for.
constexpr const char* ControlStyle = "Fusion";
// Every size of the program's picture that the build embeds.
constexpr const char* ProgramIcons = ":/icons";

// What Qt says while it opens the display: the first message says why, should that fail, and all
// are passed on once it has worked.
std::vector<std::pair<QtMsgType, QString>> startUpMessages;

// The program's own command line; without one (a test), the program's name alone.
int* keptArgumentCount = nullptr;
char** keptArguments = nullptr;

// Qt ends the process with abort() when it cannot open a display. Before that, say why in one
// line and end with 1, as a program does that cannot run here.
void ReportNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startUpMessages.emplace_back(type, message);
        return;
    }
    const char* display = std::getenv("DISPLAY");
    const QString why = startUpMessages.empty() ? message : startUpMessages.front().second;
    std::fprintf(stderr, "%s: no display to open (DISPLAY=\"%s\"): %s\n", ProgramName,
                 display ? display : "", why.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void EnsureApplication() {
    if (QApplication::instance()) {
        return;
    }
    static int argumentCount = 1;
    static std::string name = ProgramName;
    static char* arguments[] = {name.data(), nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(ReportNoDisplay);
    if (keptArguments) {
        new QApplication(*keptArgumentCount, keptArguments);
    } else {
        new QApplication(argumentCount, arguments);
    }
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : startUpMessages) {
        qt_message_output(type, QMessageLogContext(), message);
    }
    startUpMessages.clear();
    QApplication::setStyle(NewCompactStyle(ControlStyle));
    QFont font(ControlFontFamily);
    font.setPixelSize(ControlFontPixels);
    QApplication::setFont(font);
    QIcon icon;
    for (QDirIterator picture(ProgramIcons, QDir::Files, QDirIterator::Subdirectories);
         picture.hasNext();) {
        icon.addFile(picture.next());
    }
    QApplication::setWindowIcon(icon);
    ReadListsByName();
    ReadStatusNotes();
}

void KeepCommandLine(int& argc, char** argv) {
    keptArgumentCount = &argc;
    keptArguments = argv;
}

void StartControls() {
    EnsureApplication();
    CloseAllWindows();
    ClearControlTable();
    ResetEvents();
}

void StopControls() {
    CloseAllWindows();
    ClearControlTable();
    ResetEvents();
}
