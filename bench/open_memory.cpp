// Resident memory of the process after opening the synthetic ten-year diary. Run without
// arguments it writes the diary into a temporary folder and measures in a fresh process, so
// the memory used while writing the diary does not count.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "bench/synthetic_diary.h"
#include "store/memo_database.h"
#include "store/record_facility.h"

namespace {

// "VmRSS" and "VmHWM" of /proc/self/status in MB; -1 where there is no such file.
double statusMegabytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stod(line.substr(key.size() + 1)) / 1024;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace ledgerleaf;
    if (argc < 2) {
        const fs::path dir = fs::temp_directory_path() /
                             ("ledgerleaf-rss-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        bench::writeSyntheticDiary(dir);
        const int rc =
            std::system(("\"" + std::string(argv[0]) + "\" \"" + dir.string() + "\"").c_str());
        fs::remove_all(dir);
        return rc == 0 ? 0 : 1;
    }
    const fs::path dir = argv[1];
    const double before = statusMegabytes("VmRSS");
    RecordFacility facility(dir);
    MemoDatabase db(facility, dir);
    if (!db.db_open()) {
        std::cerr << "cannot open the diary in " << dir << "\n";
        return 1;
    }
    std::cout << "records " << db.record_count() << "\n"
              << "resident before open: " << before << " MB\n"
              << "resident after open: " << statusMegabytes("VmRSS") << " MB\n"
              << "peak resident: " << statusMegabytes("VmHWM") << " MB\n";
    return 0;
}
