#include "temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace ledgerleaf::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "ledgerleaf-test-" << std::hex << rd() << "-" << stamp << "-" << counter++;
        fs::path candidate = fs::temp_directory_path() / name.str();
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary test folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

fs::path TempDir::file(const std::string& name) const {
    return path_ / fs::path(std::u8string(name.begin(), name.end()));
}

std::string TempDir::utf8() const {
    const std::u8string s = path_.u8string();
    return std::string(s.begin(), s.end());
}

std::string readFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read fixture file " + path.string());
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw std::runtime_error("cannot write fixture file " + path.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ledgerleaf::test
