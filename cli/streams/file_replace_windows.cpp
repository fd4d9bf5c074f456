#include "cli/streams/file_replace.h"

#include <cerrno>
#include <climits>
#include <filesystem>
#include <string>
#include <windows.h>

namespace {

// The program's messages speak in C error numbers on every platform.
int ErrorNumberOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EIO;
    }
}

int LastError() {
    return ErrorNumberOf(GetLastError());
}

// The arguments arrive in the ANSI code page, as the C runtime's own file calls take them.
std::wstring Wide(const std::string& text) {
    int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

int WriteEvery(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD size = static_cast<DWORD>(bytes.size() < INT_MAX ? bytes.size() : INT_MAX);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), size, &written, nullptr)) {
            return LastError();
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

// A device, a console or a pipe: anything but a file on a disk.
bool IsDevice(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool device = GetFileType(file) != FILE_TYPE_DISK;
    CloseHandle(file);
    return device;
}

int WriteDirectly(const std::wstring& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    int error = WriteEvery(file, bytes);
    CloseHandle(file);
    return error;
}

int FillTemporary(const std::wstring& temporary, std::string_view bytes) {
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    int error = WriteEvery(file, bytes);
    if (error == 0 && !FlushFileBuffers(file)) {
        error = LastError();
    }
    CloseHandle(file);
    return error;
}

} // namespace

int WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::wstring target = Wide(path);
    if (IsDevice(target)) {
        return WriteDirectly(target, bytes);
    }
    // Windows will not rename over a read-only file; asked first, so that nothing is written, and
    // so that every system that runs the program refuses it alike.
    DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return EACCES;
    }
    std::wstring folder = std::filesystem::path(target).parent_path().wstring();
    wchar_t temporary[MAX_PATH];
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"oam", 0, temporary) == 0) {
        return LastError();
    }
    int error = FillTemporary(temporary, bytes);
    if (error == 0 && !MoveFileExW(temporary, target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = LastError();
    }
    if (error != 0) {
        DeleteFileW(temporary);
    }
    return error;
}
