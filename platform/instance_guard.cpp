#include "platform/instance_guard.h"

#include "core/utf8_path.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#endif

namespace ledgerleaf {

namespace {

#ifdef _WIN32

std::wstring wideFromUtf8(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        wide.data(), size);
    return wide;
}

// A named, auto-reset, non-signalled event; the system closes the handle when the process ends.
class EventGuard : public InstanceGuard {
  public:
    explicit EventGuard(HANDLE event) : event_(event) {}
    ~EventGuard() override { CloseHandle(event_); }

  private:
    HANDLE event_;
};

#else

// The lock file: in the per-user runtime folder when there is one, otherwise in the temporary
// folder with the user id in its name so users do not block each other.
std::filesystem::path lockFilePath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    if (runtime != nullptr && *runtime == '/' && std::filesystem::is_directory(runtime, error)) {
        return std::filesystem::path(runtime) / pathFromUtf8(name + ".lock");
    }
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error)
        temp = "/tmp";
    return temp / pathFromUtf8(name + "-" + std::to_string(getuid()) + ".lock");
}

// An exclusive advisory lock on an open file; the kernel drops it when the process ends.
class FileLockGuard : public InstanceGuard {
  public:
    explicit FileLockGuard(int fd) : fd_(fd) {}
    ~FileLockGuard() override { close(fd_); }

  private:
    int fd_;
};

#endif

}  // namespace

std::unique_ptr<InstanceGuard> InstanceGuard::acquire(const std::string& name) {
#ifdef _WIN32
    const std::wstring wideName = wideFromUtf8(name);
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, wideName.c_str());
    if (event == nullptr)
        return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(event);
        return nullptr;
    }
    return std::make_unique<EventGuard>(event);
#else
    const std::filesystem::path path = lockFilePath(name);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return nullptr;
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<FileLockGuard>(fd);
#endif
}

}  // namespace ledgerleaf
