#include "tests/soak/x_player.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

// The name's bytes as they are: SDL names its boxes in UTF8_STRING, which XFetchName refuses.
std::string nameOf(Display* display, Window window) {
    XTextProperty name{};
    if (XGetWMName(display, window, &name) == 0 || name.value == nullptr)
        return {};
    std::string result(reinterpret_cast<const char*>(name.value), name.nitems);
    XFree(name.value);
    return result;
}

// Windows made by a toolkit may sit one level down (a frame, a wrapper): two levels are looked
// at, as xwininfo -root -tree would show them.
Window findBelow(Display* display, Window parent, const std::string& name, int depth) {
    Window root = 0;
    Window parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0)
        return 0;
    Window found = 0;
    for (unsigned int i = count; i > 0 && found == 0; --i) {
        if (nameOf(display, children[i - 1]) == name)
            found = children[i - 1];
        else if (depth > 1)
            found = findBelow(display, children[i - 1], name, depth - 1);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

// Windows come and go under the player (the question box goes as soon as it is answered), so a
// request about one that has just gone is answered with an error; that only means "not there".
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

XPlayer::XPlayer(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    XSetErrorHandler(ignoreError);
}

XPlayer::~XPlayer() {
    if (display_ != nullptr)
        XCloseDisplay(display_);
}

Window XPlayer::findWindow(const std::string& name) const {
    return findBelow(display_, DefaultRootWindow(display_), name, 2);
}

bool XPlayer::placeOf(Window window, int& x, int& y, int& width, int& height) const {
    XWindowAttributes attributes;
    Window child = 0;
    if (window == 0 || XGetWindowAttributes(display_, window, &attributes) == 0 ||
        attributes.map_state != IsViewable ||
        XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y,
                              &child) == 0) {
        return false;
    }
    width = attributes.width;
    height = attributes.height;
    return true;
}

void XPlayer::sendKey(KeySym key, bool down) {
    const KeyCode code = XKeysymToKeycode(display_, key);
    if (code == 0)
        return;
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    XSync(display_, False);
    ++keyEvents_;
}

void XPlayer::hold(KeySym key, int ms) {
    press(key);
    sleepMs(ms);
    release(key);
}

void XPlayer::pointerTo(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void XPlayer::focus(Window window) {
    XSetInputFocus(display_, window, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
    ++focusMoves_;
}

Window XPlayer::makeOtherWindow(int x, int y, int width, int height) {
    const Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), x, y,
                                              static_cast<unsigned>(width),
                                              static_cast<unsigned>(height), 0, 0, 0x404040);
    XStoreName(display_, window, "elsewhere");
    XMapWindow(display_, window);
    XSync(display_, False);
    return window;
}

std::vector<std::uint32_t> XPlayer::grab(int x, int y, int width, int height) const {
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column)
            pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xFFFFFF));
    }
    XDestroyImage(image);
    return pixels;
}
