// The steps of opening and closing the window, presenting, boxes and time.
#include "window/win32/win32_backend.h"

#include <cstddef>

#include "window/window_texts.h"

namespace {

// Double-buffered RGBA with a 16-bit depth buffer; nothing else is asked for.
PIXELFORMATDESCRIPTOR wantedPixelFormat(std::int32_t colourBits) {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof(format);
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(colourBits);
    format.cDepthBits = 16;
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

// The buttons and icon of each kind of box, in the order of BoxKind.
constexpr UINT kBoxFlags[] = {MB_OK | MB_ICONEXCLAMATION, MB_YESNO | MB_ICONEXCLAMATION,
                              MB_OK | MB_ICONSTOP, MB_OK | MB_ICONINFORMATION};

struct Answer {
    int id;
    BoxAnswer answer;
};
constexpr Answer kAnswers[] = {{IDOK, BoxAnswer::Ok},
                               {IDCANCEL, BoxAnswer::Cancel},
                               {IDYES, BoxAnswer::Yes},
                               {IDNO, BoxAnswer::No}};

}  // namespace

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "the record the system reads");

Win32Backend::~Win32Backend() {
    WindowRouting::forget(this);
}

// From here until show, messages for a window not yet in the registry come to this backend.
bool Win32Backend::start() {
    WindowRouting::setPending(this);
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = routeMessage;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = WindowText::ClassName;
    return RegisterClassA(&windowClass) != 0;
}

// dmSize 148 is an older version of the record: the system reads no member past it, so no
// refresh rate is asked for.
bool Win32Backend::enterDisplayMode(std::int32_t width, std::int32_t height,
                                    std::int32_t colourBits) {
    DEVMODEA mode{};
    mode.dmSize = 148;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmBitsPerPel = static_cast<DWORD>(colourBits);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

void Win32Backend::leaveDisplayMode() {
    ChangeDisplaySettingsA(nullptr, 0);
}

void Win32Backend::showCursor(bool shown) {
    ShowCursor(shown ? TRUE : FALSE);
}

// Full screen: an undecorated surface. Windowed: a fixed-size window whose only control is the
// close box. Windows gives every overlapped window a caption, asked for or not: the frame to
// allow for is the one it will draw, or the drawing area comes out short.
OpenStep Win32Backend::openWindow(const WindowSpec& asked) {
    colourBits_ = asked.colourBits;
    const DWORD exStyle = WS_EX_APPWINDOW | (asked.fullscreen ? 0 : WS_EX_WINDOWEDGE);
    const DWORD style = asked.fullscreen ? WS_POPUP : WS_SYSMENU;
    RECT rect{0, 0, asked.width, asked.height};
    AdjustWindowRectEx(&rect, asked.fullscreen ? style : style | WS_CAPTION, FALSE, exStyle);
    window_ = CreateWindowExA(
        exStyle, WindowText::ClassName, asked.title, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
        0, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance_, nullptr);
    return window_ != nullptr ? OpenStep::Done : OpenStep::Window;
}

OpenStep Win32Backend::openContext() {
    WindowRouting::enter(window_, this);
    dc_ = GetDC(window_);
    if (dc_ == nullptr)
        return OpenStep::DrawingSurface;
    const PIXELFORMATDESCRIPTOR wanted = wantedPixelFormat(colourBits_);
    const int format = ChoosePixelFormat(dc_, &wanted);
    if (format == 0)
        return OpenStep::FindFormat;
    if (!SetPixelFormat(dc_, format, &wanted))
        return OpenStep::SetFormat;
    context_ = wglCreateContext(dc_);
    if (context_ == nullptr)
        return OpenStep::MakeContext;
    if (!wglMakeCurrent(dc_, context_))
        return OpenStep::MakeCurrent;
    return OpenStep::Done;
}

// ShowWindow answers whether the window was visible before, not whether showing worked: none of
// these answers is looked at.
void Win32Backend::show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(window_);
    WindowRouting::setPending(nullptr);
}

// A handle is forgotten once given back, also when that failed, so nothing is given back twice.
// The registry entry stays: DestroyWindow's own messages are routed through it.
bool Win32Backend::release(Release what) {
    bool released = true;
    switch (what) {
        case Release::CurrentContext:
            if (context_ != nullptr)
                released = wglMakeCurrent(nullptr, nullptr) != FALSE;
            break;
        case Release::Context:
            if (context_ != nullptr)
                released = wglDeleteContext(context_) != FALSE;
            context_ = nullptr;
            break;
        case Release::DrawingSurface:
            if (dc_ != nullptr)
                released = ReleaseDC(window_, dc_) == 1;
            dc_ = nullptr;
            break;
        case Release::Window:
            if (window_ != nullptr)
                released = DestroyWindow(window_) != FALSE;
            window_ = nullptr;
            break;
        case Release::Registration:
            released = UnregisterClassA(WindowText::ClassName, instance_) != FALSE;
            break;
    }
    return released;
}

void Win32Backend::present() {
    SwapBuffers(dc_);
}

// No owner window: a box about a failed step may come when there is none. 0 is no box at all.
BoxAnswer Win32Backend::showBox(BoxKind kind, const char* caption, const char* text) {
    const int shown =
        MessageBoxA(nullptr, text, caption, kBoxFlags[static_cast<std::size_t>(kind)]);
    for (const Answer& answer : kAnswers) {
        if (answer.id == shown)
            return answer.answer;
    }
    return BoxAnswer::Failed;
}

std::uint32_t Win32Backend::ticks() {
    return GetTickCount();
}
