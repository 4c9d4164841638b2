#include "app/linux/screen_layout.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <vector>

namespace {

struct CrtcLayout {
    RRCrtc crtc = 0;
    RRMode mode = 0;
    int x = 0;
    int y = 0;
    Rotation rotation = RR_Rotate_0;
    std::vector<RROutput> outputs;

    bool operator==(const CrtcLayout& other) const {
        return crtc == other.crtc && mode == other.mode && x == other.x && y == other.y &&
               rotation == other.rotation && outputs == other.outputs;
    }
    bool operator!=(const CrtcLayout& other) const { return !(*this == other); }
};

}  // namespace

struct ScreenLayout::State {
    int width = 0;
    int height = 0;
    int widthMm = 0;
    int heightMm = 0;
    std::vector<CrtcLayout> crtcs;

    // Sizes in millimetres only follow the pixels, so they are not compared.
    bool sameAs(const State& other) const {
        return width == other.width && height == other.height && crtcs == other.crtcs;
    }
    const CrtcLayout* find(RRCrtc crtc) const {
        for (const CrtcLayout& layout : crtcs) {
            if (layout.crtc == crtc)
                return &layout;
        }
        return nullptr;
    }
};

namespace {

// One connection for one job, closed however the job ends. Kept short on purpose: a connection
// left open while the game runs would only be one more thing to lose with the X server.
class XConnection {
  public:
    XConnection() : display_(XOpenDisplay(nullptr)) {}
    ~XConnection() {
        if (display_ != nullptr)
            XCloseDisplay(display_);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    Display* get() const { return display_; }

  private:
    Display* display_;
};

bool hasRandr12(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return XRRQueryExtension(display, &eventBase, &errorBase) &&
           XRRQueryVersion(display, &major, &minor) && (major > 1 || (major == 1 && minor >= 2));
}

// The size from the server itself: Xlib's own record of it follows only the events that this
// short-lived connection never reads.
bool readScreenSize(Display* display, int& width, int& height) {
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned int w = 0;
    unsigned int h = 0;
    unsigned int border = 0;
    unsigned int depth = 0;
    if (XGetGeometry(display, DefaultRootWindow(display), &root, &x, &y, &w, &h, &border, &depth) ==
        0) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool readLayout(Display* display, ScreenLayout::State& state) {
    if (!readScreenSize(display, state.width, state.height))
        return false;
    XRRScreenResources* resources =
        XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    if (resources == nullptr)
        return false;
    state.crtcs.clear();
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (info == nullptr)
            continue;
        CrtcLayout crtc;
        crtc.crtc = resources->crtcs[i];
        crtc.mode = info->mode;
        crtc.x = info->x;
        crtc.y = info->y;
        crtc.rotation = info->rotation;
        crtc.outputs.assign(info->outputs, info->outputs + info->noutput);
        state.crtcs.push_back(crtc);
        XRRFreeCrtcInfo(info);
    }
    XRRFreeScreenResources(resources);
    return true;
}

// A refused request is an answer here (a mode the server no longer has, say), not a reason to
// end the program, which is what Xlib's own handler would do.
int refusedRequests = 0;
int countRefusal(Display*, XErrorEvent*) {
    ++refusedRequests;
    return 0;
}

// The CRTCs that change are switched off first, so that the screen can take its old size under
// them; then they get their old modes back. The server is held meanwhile so that no client
// sees the steps in between.
bool applyLayout(Display* display, const ScreenLayout::State& wanted,
                 const ScreenLayout::State& now) {
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources == nullptr)
        return false;
    bool accepted = true;
    XGrabServer(display);
    for (const CrtcLayout& crtc : now.crtcs) {
        const CrtcLayout* old = wanted.find(crtc.crtc);
        if (old != nullptr && *old != crtc && crtc.mode != None) {
            accepted &= XRRSetCrtcConfig(display, resources, crtc.crtc, CurrentTime, 0, 0, None,
                                         RR_Rotate_0, nullptr, 0) == Success;
        }
    }
    if (wanted.width != now.width || wanted.height != now.height) {
        XRRSetScreenSize(display, root, wanted.width, wanted.height, wanted.widthMm,
                         wanted.heightMm);
    }
    for (const CrtcLayout& crtc : wanted.crtcs) {
        const CrtcLayout* current = now.find(crtc.crtc);
        if (current != nullptr && *current == crtc)
            continue;
        std::vector<RROutput> outputs = crtc.outputs;
        accepted &= XRRSetCrtcConfig(display, resources, crtc.crtc, CurrentTime, crtc.x, crtc.y,
                                     crtc.mode, crtc.rotation, outputs.data(),
                                     static_cast<int>(outputs.size())) == Success;
    }
    XUngrabServer(display);
    XSync(display, False);
    XRRFreeScreenResources(resources);
    return accepted;
}

}  // namespace

ScreenLayout::ScreenLayout(std::unique_ptr<State> state) : state_(std::move(state)) {}

ScreenLayout::~ScreenLayout() = default;

std::unique_ptr<ScreenLayout> ScreenLayout::capture() {
    const XConnection connection;
    Display* display = connection.get();
    if (display == nullptr || !hasRandr12(display))
        return nullptr;
    auto state = std::make_unique<State>();
    if (!readLayout(display, *state))
        return nullptr;
    state->widthMm = DisplayWidthMM(display, DefaultScreen(display));
    state->heightMm = DisplayHeightMM(display, DefaultScreen(display));
    return std::unique_ptr<ScreenLayout>(new ScreenLayout(std::move(state)));
}

ScreenLayout::PutBack ScreenLayout::putBack(std::string& why) const {
    const XConnection connection;
    Display* display = connection.get();
    if (display == nullptr) {
        why = "the X server cannot be reached";
        return PutBack::Failed;
    }
    State now;
    if (!hasRandr12(display) || !readLayout(display, now)) {
        why = "the screen's layout cannot be read";
        return PutBack::Failed;
    }
    if (now.sameAs(*state_))
        return PutBack::AlreadyThere;

    refusedRequests = 0;
    const auto previousHandler = XSetErrorHandler(countRefusal);
    const bool accepted = applyLayout(display, *state_, now);
    XSetErrorHandler(previousHandler);
    State after;
    if (accepted && refusedRequests == 0 && readLayout(display, after) && after.sameAs(*state_))
        return PutBack::Done;
    why = "the X server did not take the old layout back";
    return PutBack::Failed;
}
