#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ledgerleaf::test {

// The uncompressed content of the entry `name` of a zip file (stored or deflated), found
// through the central directory; nothing when the file is no zip or has no such entry.
std::optional<std::string> readZipEntry(const std::filesystem::path& zipFile,
                                        const std::string& name);

}  // namespace ledgerleaf::test
