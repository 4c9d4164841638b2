#pragma once

// The window's names and every text it shows the user, exactly as shown.
namespace WindowText {
inline constexpr const char* ClassName = "VornGameWindowClass";
inline constexpr const char* Title = "VornGame";

inline constexpr const char* ErrorCaption = "ERROR";
inline constexpr const char* ShutdownCaption = "SHUTDOWN ERROR";
inline constexpr const char* QuestionCaption = "Lumo GL";

inline constexpr const char* RegisterClassFailed = "Failed To Register The Window Class.";
inline constexpr const char* FullscreenQuestion =
    "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
    "Instead?";
inline constexpr const char* WillClose = "Program Will Now Close.";
inline constexpr const char* WindowCreationFailed = "Window Creation Error.";
inline constexpr const char* DeviceContextFailed = "Can't Create A GL Device Context.";
inline constexpr const char* ChoosePixelFormatFailed = "Can't Find A Suitable PixelFormat.";
inline constexpr const char* SetPixelFormatFailed = "Can't Set The PixelFormat.";
inline constexpr const char* CreateContextFailed = "Can't Create A GL Rendering Context.";
inline constexpr const char* ActivateContextFailed = "Can't Activate The GL Rendering Context.";
inline constexpr const char* InitializationFailed = "Initialization Failed.";

inline constexpr const char* ReleaseCurrentFailed = "Release Of DC And RC Failed.";
inline constexpr const char* DeleteContextFailed = "Release Rendering Context Failed.";
inline constexpr const char* ReleaseDeviceContextFailed = "Release Device Context Failed.";
inline constexpr const char* DestroyWindowFailed = "Could Not Release hWnd.";
inline constexpr const char* UnregisterClassFailed = "Could Not Unregister Class.";
}  // namespace WindowText
