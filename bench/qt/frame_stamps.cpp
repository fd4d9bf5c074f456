#include "bench/qt/frame_stamps.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace {

// A window is drawn and flushed while it handles an expose event (the first frame) or an update
// request (every later one); the note is taken once that handling is over.
class FrameWatch : public QObject {
  public:
    explicit FrameWatch(std::function<void(double)> afterFrame)
        : QObject(QCoreApplication::instance()), afterFrame(std::move(afterFrame)) {}

  protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        const bool frame =
            event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
        const bool window = qobject_cast<QWindow*>(target) ||
                            (target->isWidgetType() && static_cast<QWidget*>(target)->isWindow());
        if (frame && window) {
            QTimer::singleShot(0, this, [this] { afterFrame(MonotonicMilliseconds()); });
        }
        return false;
    }

  private:
    std::function<void(double)> afterFrame;
};

} // namespace

double MonotonicMilliseconds() {
    // The steady clock is the system's monotonic one, so the measuring process reads the same.
    using Milliseconds = std::chrono::duration<double, std::milli>;
    return Milliseconds(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void StampFrames(std::function<void(double)> afterFrame) {
    QCoreApplication::instance()->installEventFilter(new FrameWatch(std::move(afterFrame)));
}
