#include "platform/file_system.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#endif

namespace ledgerleaf {

namespace fs = std::filesystem;

namespace {

// A name for a temporary file beside `path` that no other writer picks by chance.
fs::path temporarySibling(const fs::path& path) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::string suffix = ".tmp-";
    std::uint64_t bits = random();
    for (int i = 0; i < 12; ++i, bits >>= 4)
        suffix += kHex[bits & 15];
    fs::path temp = path;
    temp += fs::path(suffix);
    return temp;
}

#ifdef _WIN32

bool writeAndFlush(const fs::path& temp, std::string_view bytes) {
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    return ok;
}

bool replaceWith(const fs::path& temp, const fs::path& path) {
    return MoveFileExW(temp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool writeAndFlush(const fs::path& temp, std::string_view bytes, mode_t mode) {
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    return ok;
}

// Makes a rename inside `folder` durable.
void syncFolder(const fs::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool replaceWith(const fs::path& temp, const fs::path& path) {
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        return false;
    syncFolder(path.parent_path());
    return true;
}

#endif

}  // namespace

bool pathExists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

std::optional<std::uintmax_t> fileSize(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return std::nullopt;
    return size;
}

std::optional<std::string> readWholeFile(const fs::path& path) {
    std::error_code error;
    if (fs::is_directory(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool writeWholeFile(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    if (fs::is_directory(path, error))
        return false;
    const fs::path temp = temporarySibling(path);
#ifdef _WIN32
    bool ok = writeAndFlush(temp, bytes);
#else
    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat info {};
    const mode_t mode = stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0666;
    bool ok = writeAndFlush(temp, bytes, mode);
#endif
    ok = ok && replaceWith(temp, path);
    if (!ok)
        fs::remove(temp, error);
    return ok;
}

bool renameNoReplace(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
#else
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        syncFolder(to.parent_path());
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // The file system cannot refuse the replacement itself. A file is linked under the new name
    // (which fails when the name exists) and then unlinked under the old one; a folder is
    // renamed after a check.
    struct stat info {};
    if (lstat(from.c_str(), &info) != 0)
        return false;
    if (!S_ISDIR(info.st_mode)) {
        if (link(from.c_str(), to.c_str()) != 0) {
            if (errno == EEXIST)
                return false;
        } else {
            if (unlink(from.c_str()) != 0) {
                unlink(to.c_str());
                return false;
            }
            syncFolder(to.parent_path());
            return true;
        }
    }
    struct stat target {};
    if (lstat(to.c_str(), &target) == 0 || errno != ENOENT)
        return false;
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    syncFolder(to.parent_path());
    return true;
#endif
}

bool deleteFile(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error || !fs::exists(status) || fs::is_directory(status))
        return false;
    return fs::remove(path, error) && !error;
}

bool createFolder(const fs::path& path) {
    std::error_code error;
    return fs::create_directory(path, error) && !error;
}

}  // namespace ledgerleaf
