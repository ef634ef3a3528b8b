#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ledgerleaf {

// Small file-system operations of the program. Paths are std::filesystem paths (build them
// from UTF-8 with pathFromUtf8, so Chinese names work everywhere). No function throws; each
// reports failure in its result.

// True when a file or a folder of that name exists.
bool pathExists(const std::filesystem::path& path);

// The size of a regular file in bytes; nothing when it does not exist or is not a file.
std::optional<std::uintmax_t> fileSize(const std::filesystem::path& path);

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Creates or replaces the file with `bytes`. The bytes go to a temporary file in the same
// folder, are flushed to the disk and then take the place of the old file in one rename, so
// the file holds either the old or the new content at every moment, even after a crash.
// False on any failure; the old file is then unchanged.
bool writeWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Renames `from` to `to` only when `to` does not exist; never replaces anything. Atomic where
// the system allows it (renameat2 with RENAME_NOREPLACE on Linux, MoveFileExW on Windows).
bool renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Deletes a file (not a folder). False when it does not exist or cannot be deleted.
bool deleteFile(const std::filesystem::path& path);

// Creates one folder; its parent must exist. False when a file or folder of that name exists
// already or the folder cannot be created.
bool createFolder(const std::filesystem::path& path);

}  // namespace ledgerleaf
