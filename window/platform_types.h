#pragma once

#include <cstdint>

// The vocabulary of the platform layer: opaque handles, the message ids, flags and answers the
// shell uses, and the records it hands to the platform. Every number equals its Windows
// counterpart, so a Windows backend passes them straight through; other backends give them
// the same meaning.

// Opaque handles. Only the backend that made one knows what it points at.
struct PlatformInstance;
struct PlatformWindow;
struct PlatformDeviceContext;
struct PlatformGLContext;
using InstanceHandle = PlatformInstance*;
using WindowHandle = PlatformWindow*;
using DeviceContextHandle = PlatformDeviceContext*;
using GLContextHandle = PlatformGLContext*;

// 32-bit Windows calls window procedures with the standard calling convention; everywhere else
// there is only one.
#if defined(_WIN32) && !defined(_WIN64)
#define VORN_WINDOW_PROC __stdcall
#else
#define VORN_WINDOW_PROC
#endif

using MessageResult = std::intptr_t;
using WindowProcedure = MessageResult(VORN_WINDOW_PROC*)(WindowHandle window, std::uint32_t id,
                                                         std::uintptr_t wParam,
                                                         std::intptr_t lParam);

namespace MessageId {
inline constexpr std::uint32_t Size = 0x0005;
inline constexpr std::uint32_t Activate = 0x0006;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t Quit = 0x0012;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t KeyUp = 0x0101;
inline constexpr std::uint32_t SysKeyDown = 0x0104;
inline constexpr std::uint32_t SysKeyUp = 0x0105;
inline constexpr std::uint32_t SysCommand = 0x0112;
}  // namespace MessageId

// wParam of SysCommand.
namespace SystemCommand {
inline constexpr std::uintptr_t Close = 0xF060;
inline constexpr std::uintptr_t ScreenSave = 0xF140;
inline constexpr std::uintptr_t MonitorPower = 0xF170;
}  // namespace SystemCommand

// Low word of Activate's wParam; the high word is non-zero while the window is minimised.
namespace ActivateState {
inline constexpr std::uintptr_t Inactive = 0;
inline constexpr std::uintptr_t Active = 1;
}  // namespace ActivateState

// Bits of a key message's lParam.
namespace KeyFlag {
inline constexpr std::intptr_t AltDown = 1 << 29;
inline constexpr std::intptr_t WasDown = 1 << 30;
inline constexpr std::intptr_t Released = std::intptr_t{1} << 31;
}  // namespace KeyFlag

namespace PeekFlag {
inline constexpr std::uint32_t NoRemove = 0x0000;
inline constexpr std::uint32_t Remove = 0x0001;
}  // namespace PeekFlag

namespace ShowCommand {
inline constexpr std::int32_t Show = 5;
}

namespace ClassStyle {
inline constexpr std::uint32_t VRedraw = 0x0001;
inline constexpr std::uint32_t HRedraw = 0x0002;
inline constexpr std::uint32_t OwnDC = 0x0020;
}  // namespace ClassStyle

namespace WindowStyle {
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t ClipSiblings = 0x04000000;
inline constexpr std::uint32_t ClipChildren = 0x02000000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
}  // namespace WindowStyle

namespace WindowExStyle {
inline constexpr std::uint32_t WindowEdge = 0x00000100;
inline constexpr std::uint32_t AppWindow = 0x00040000;
}  // namespace WindowExStyle

// Icons and cursors the system provides, by resource number.
namespace SystemResource {
inline constexpr std::uint32_t ArrowCursor = 32512;
inline constexpr std::uint32_t WinLogoIcon = 32517;
}  // namespace SystemResource

namespace DisplayField {
inline constexpr std::uint32_t BitsPerPixel = 0x00040000;
inline constexpr std::uint32_t Width = 0x00080000;
inline constexpr std::uint32_t Height = 0x00100000;
}  // namespace DisplayField

namespace DisplayFlag {
inline constexpr std::uint32_t Fullscreen = 0x00000004;
}

// Answers of a display-mode change.
namespace DisplayChange {
inline constexpr std::int32_t Successful = 0;
inline constexpr std::int32_t Failed = -1;
inline constexpr std::int32_t BadMode = -2;
}  // namespace DisplayChange

namespace PixelFormatFlag {
inline constexpr std::uint32_t DoubleBuffer = 0x00000001;
inline constexpr std::uint32_t DrawToWindow = 0x00000004;
inline constexpr std::uint32_t SupportOpenGL = 0x00000020;
}  // namespace PixelFormatFlag

namespace PixelType {
inline constexpr std::uint8_t Rgba = 0;
}
namespace LayerType {
inline constexpr std::uint8_t MainPlane = 0;
}

namespace BoxFlag {
inline constexpr std::uint32_t Ok = 0x00;
inline constexpr std::uint32_t YesNo = 0x04;
inline constexpr std::uint32_t IconStop = 0x10;
inline constexpr std::uint32_t IconExclamation = 0x30;
inline constexpr std::uint32_t IconInformation = 0x40;
inline constexpr std::uint32_t ButtonMask = 0x0F;
inline constexpr std::uint32_t IconMask = 0xF0;
}  // namespace BoxFlag

// What a message box answers; Failed when it could not be shown at all.
namespace BoxAnswer {
inline constexpr std::int32_t Failed = 0;
inline constexpr std::int32_t Ok = 1;
inline constexpr std::int32_t Cancel = 2;
inline constexpr std::int32_t Yes = 6;
inline constexpr std::int32_t No = 7;
}  // namespace BoxAnswer

struct WindowClassDesc {
    std::uint32_t style = 0;
    WindowProcedure procedure = nullptr;
    std::int32_t classExtraBytes = 0;
    std::int32_t windowExtraBytes = 0;
    InstanceHandle instance = nullptr;
    std::uint32_t icon = 0;    // a SystemResource number, 0 for none
    std::uint32_t cursor = 0;  // a SystemResource number, 0 for none
    const char* className = nullptr;
};

// A display mode as the display-settings call takes it: only the members named in `fields`
// count, and `size` is the record size the system expects.
struct DisplayMode {
    std::uint32_t size = 0;
    std::uint32_t fields = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t frequency = 0;
};

struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct WindowDesc {
    std::uint32_t exStyle = 0;
    const char* className = nullptr;
    const char* title = nullptr;
    std::uint32_t style = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    WindowHandle parent = nullptr;
    InstanceHandle instance = nullptr;
    void* param = nullptr;
};

// Member for member the system's 40-byte pixel-format record.
struct PixelFormatDesc {
    std::uint16_t size = 0;
    std::uint16_t version = 0;
    std::uint32_t flags = 0;
    std::uint8_t pixelType = 0;
    std::uint8_t colourBits = 0;
    std::uint8_t redBits = 0;
    std::uint8_t redShift = 0;
    std::uint8_t greenBits = 0;
    std::uint8_t greenShift = 0;
    std::uint8_t blueBits = 0;
    std::uint8_t blueShift = 0;
    std::uint8_t alphaBits = 0;
    std::uint8_t alphaShift = 0;
    std::uint8_t accumBits = 0;
    std::uint8_t accumRedBits = 0;
    std::uint8_t accumGreenBits = 0;
    std::uint8_t accumBlueBits = 0;
    std::uint8_t accumAlphaBits = 0;
    std::uint8_t depthBits = 0;
    std::uint8_t stencilBits = 0;
    std::uint8_t auxBuffers = 0;
    std::uint8_t layerType = 0;
    std::uint8_t reserved = 0;
    std::uint32_t layerMask = 0;
    std::uint32_t visibleMask = 0;
    std::uint32_t damageMask = 0;
};
static_assert(sizeof(PixelFormatDesc) == 40, "the pixel-format record is 40 bytes");

struct WindowMessage {
    WindowHandle window = nullptr;
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::uint32_t time = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};
