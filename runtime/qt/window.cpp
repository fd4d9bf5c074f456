// The window: OpenMainWindow, its close box and frame events, and Tab over the controls.
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
        QueueEvent(CloseEvent, number, 0);
        event->ignore();
    }
    void moveEvent(QMoveEvent*) override { QueueEvent(WindowMovedEvent, number, 0); }
    void resizeEvent(QResizeEvent*) override { QueueEvent(WindowSizedEvent, 0, 0); }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
            QueueEvent(WindowActivatedEvent, 0, 0);
        }
        QWidget::changeEvent(event);
    }
    // Tab and Shift+Tab follow creation order, as the Windows layer's accelerators do.
    bool focusNextPrevChild(bool next) override {
        MoveFocusAmongControls(next);
        return true;
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

bool TakesTabFocus(const QWidget* control) {
    return control->isEnabled() && control->isVisible() && (control->focusPolicy() & Qt::TabFocus);
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

void MoveFocusAmongControls(bool forward) {
    std::vector<QWidget*> order;
    for (const ControlEntry& entry : ControlsInCreationOrder()) {
        if (entry.widget->parentWidget() == ParentForNewControls()) {
            order.push_back(entry.widget.data());
        }
    }
    const auto count = static_cast<int>(order.size());
    // From the focused control even when it no longer takes the focus; with none, Tab starts
    // before the first control and Shift+Tab after the last.
    const QWidget* focused = ControlWidget(ControlHolding(QApplication::focusWidget()));
    const auto found = std::find(order.begin(), order.end(), focused);
    int at =
        found != order.end() ? static_cast<int>(found - order.begin()) : (forward ? -1 : count);
    for (int tried = 0; tried < count; ++tried) {
        at = ((at + (forward ? 1 : -1)) % count + count) % count;
        if (TakesTabFocus(order[static_cast<std::size_t>(at)])) {
            order[static_cast<std::size_t>(at)]->setFocus(forward ? Qt::TabFocusReason
                                                                  : Qt::BacktabFocusReason);
            return;
        }
    }
}

void CloseAllWindows() {
    for (const QPointer<LayerWindow>& window : windows) {
        delete window.data();
    }
    windows.clear();
}
