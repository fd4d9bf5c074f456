// The window: OpenMainWindow, and its close box and frame events. Tab follows Qt's own focus
// chain, which is the order the controls were made in.
#include "runtime/qt/layer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include <algorithm>

namespace {

class LayerWindow : public QWidget {
  public:
    explicit LayerWindow(int number) : number(number) {}

  protected:
    // The window stays; closing it is the program's decision.
    void closeEvent(QCloseEvent* event) override {
        QueueEvent(CloseEvent, number, number, 0);
        event->ignore();
    }
    void moveEvent(QMoveEvent*) override { QueueEvent(WindowMovedEvent, number, number, 0); }
    void resizeEvent(QResizeEvent*) override { QueueEvent(WindowSizedEvent, 0, number, 0); }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
            QueueEvent(WindowActivatedEvent, 0, number, 0);
        }
        QWidget::changeEvent(event);
    }

  private:
    int number;
};

std::vector<QPointer<LayerWindow>> windows;
QPointer<LayerWindow> openedLast;

void CloseWindowNumber(int number) {
    if (static_cast<std::size_t>(number) < windows.size()) {
        delete windows[static_cast<std::size_t>(number)].data();
    }
}

Qt::WindowFlags FrameOf(std::int32_t flags) {
    Qt::WindowFlags frame = Qt::Window | Qt::CustomizeWindowHint;
    if (flags & CaptionFlag) {
        frame |= Qt::WindowTitleHint;
    }
    if (flags & SystemMenuFlag) {
        frame |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return frame;
}

} // namespace

bool OpenMainWindow(int number, int x, int y, int width, int height, TextRef title,
                    std::int32_t flags) {
    if (number < 0) {
        return false;
    }
    EnsureApplication();
    CloseWindowNumber(number);
    auto* window = new LayerWindow(number);
    window->setWindowFlags(FrameOf(flags));
    window->setWindowTitle(ToQt(title));
    QRect inner(x, y, width, height);
    const QScreen* screenShown = QGuiApplication::primaryScreen();
    if ((flags & CentreOnScreenFlag) && screenShown) {
        const QRect screen = screenShown->geometry();
        inner.moveTo(std::max(screen.left(), screen.center().x() - width / 2),
                     std::max(screen.top(), screen.center().y() - height / 2));
    }
    window->setGeometry(inner);
    window->setFixedSize(width, height);
    // The window itself holds the focus at first, so that no control has it until the person
    // clicks one or presses Tab, as on Windows.
    window->setFocus();
    if (static_cast<std::size_t>(number) >= windows.size()) {
        windows.resize(static_cast<std::size_t>(number) + 1);
    }
    windows[static_cast<std::size_t>(number)] = window;
    openedLast = window;
    window->show();
    window->activateWindow();
    return true;
}

QWidget* ParentForNewControls() {
    return openedLast.data();
}

void CloseAllWindows() {
    for (const QPointer<LayerWindow>& window : windows) {
        delete window.data();
    }
    windows.clear();
}
