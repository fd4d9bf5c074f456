#include "bench/qt/x_input.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <thread>

namespace {

constexpr unsigned LeftButton = 1;
constexpr auto LookEvery = std::chrono::milliseconds(10);
constexpr int LooksBeforeGivingUp = 3000;

// The process that made a window, as the window says (_NET_WM_PID); 0 when it does not say.
pid_t PidOf(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", True);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (property != None &&
        XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) == Success &&
        data && count == 1) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) {
        XFree(data);
    }
    return pid;
}

} // namespace

XInput::XInput() {
    display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        display = nullptr;
    }
}

XInput::~XInput() {
    if (display) {
        XCloseDisplay(display);
    }
}

void XInput::MoveTo(ScreenPoint at) {
    XTestFakeMotionEvent(display, -1, at.x, at.y, CurrentTime);
    XSync(display, False);
}

void XInput::Click(ScreenPoint at) {
    MoveTo(at);
    XTestFakeButtonEvent(display, LeftButton, True, CurrentTime);
    XTestFakeButtonEvent(display, LeftButton, False, CurrentTime);
    XFlush(display);
}

void XInput::Key(unsigned long symbol, bool down) {
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), down, CurrentTime);
}

void XInput::SelectAllAndType(const std::string& text) {
    Key(XK_Control_L, true);
    Key(XK_a, true);
    Key(XK_a, false);
    Key(XK_Control_L, false);
    for (char c : text) {
        // Letters as their small keys: the value field turns them to capitals.
        const std::string name(1, static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
        const KeySym symbol = XStringToKeysym(name.c_str());
        Key(symbol, true);
        Key(symbol, false);
    }
    XFlush(display);
}

ScreenPoint XInput::WaitForWindowOf(pid_t pid) {
    for (int look = 0; look < LooksBeforeGivingUp; ++look) {
        Window root = DefaultRootWindow(display), parent = None, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display, root, &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable && PidOf(display, children[i]) == pid) {
                ScreenPoint inner;
                Window child = None;
                XTranslateCoordinates(display, children[i], root, 0, 0, &inner.x, &inner.y, &child);
                XFree(children);
                return inner;
            }
        }
        if (children) {
            XFree(children);
        }
        std::this_thread::sleep_for(LookEvery);
    }
    return {};
}
