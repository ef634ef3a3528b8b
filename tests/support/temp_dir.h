#pragma once

#include <filesystem>
#include <string>

namespace ledgerleaf::test {

// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the object goes away. Every test that touches files works inside one of these.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file inside the folder; `name` is UTF-8.
    std::filesystem::path file(const std::string& name) const;
    // The folder's path as UTF-8 text.
    std::string utf8() const;

  private:
    std::filesystem::path path_;
};

// Whole-file helpers for fixtures.
std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace ledgerleaf::test
