// Starts what a shortcut (.lnk) names, the way the shell does: its target with its arguments in
// its working folder, all read from the shortcut itself. Waits for the program and ends with its
// exit code. The end-to-end test needs that code; Wine 10's `start /wait` returns at once for a
// shortcut (its shell opens the target without handing back the process), with an exit code of
// its own. Usage: vorn_start_shortcut.exe C:\path\to\shortcut.lnk
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

constexpr int kFailed = 125;  // not a code the game ends with

std::wstring widened(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

struct Shortcut {
    std::wstring target;
    std::wstring arguments;
    std::wstring folder;
};

bool readShortcut(const std::wstring& path, Shortcut& shortcut) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    IPersistFile* file = nullptr;
    bool read = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    wchar_t text[MAX_PATH * 4] = {};
    if (read)
        read = SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
               SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0));
    if (read) {
        shortcut.target = text;
        text[0] = L'\0';
        link->GetArguments(text, static_cast<int>(std::size(text)));
        shortcut.arguments = text;
        text[0] = L'\0';
        link->GetWorkingDirectory(text, MAX_PATH);
        shortcut.folder = text;
    }
    if (file != nullptr)
        file->Release();
    link->Release();
    return read && !shortcut.target.empty();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorn_start_shortcut SHORTCUT.lnk\n");
        return kFailed;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Shortcut shortcut;
    if (!readShortcut(widened(argv[1]), shortcut)) {
        std::fprintf(stderr, "vorn_start_shortcut: cannot read the shortcut %s\n", argv[1]);
        return kFailed;
    }
    std::wstring commandLine = L"\"" + shortcut.target + L"\"";
    if (!shortcut.arguments.empty())
        commandLine += L" " + shortcut.arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(shortcut.target.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, shortcut.folder.empty() ? nullptr : shortcut.folder.c_str(),
                        &startup, &process)) {
        std::fprintf(stderr, "vorn_start_shortcut: cannot start the target (error %lu)\n",
                     GetLastError());
        return kFailed;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = kFailed;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
