#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/kdf_params.h"

namespace ledgerleaf::bench {

struct SyntheticDiaryOptions {
    int days = 3650;           // ten years, one record per day
    double firstDay = 41640;   // 2014-01-01
    unsigned seed = 20240601;  // same diary on every run
    int minMemoChars = 200;    // Chinese characters per memo
    int maxMemoChars = 3000;
    // With N > 0, about one clause in N ends with a Latin word in mixed case ("Central Park",
    // "iPhone", ...), as diaries written in Chinese often have; 0 keeps the memos all Chinese.
    int latinEvery = 0;
    int pictureEvery = 10;             // one day in ten carries a picture ...
    int minPictureBytes = 150 * 1024;  // ... of 150 to 200 KB
    int maxPictureBytes = 200 * 1024;
    std::optional<std::string> password;  // protect the diary with this password
    KdfParams kdf = KdfParams::standard();
};

struct SyntheticDiary {
    std::filesystem::path tableFile;  // <folder>/ledgerleaf.edb
    std::vector<double> dates;        // 日期 of records 1..n, in record (shuffled) order
    int pictures = 0;
    std::uintmax_t memoBytes = 0;
    std::uintmax_t pictureBytes = 0;
};

// Writes a synthetic ten-year diary as ledgerleaf.edb/.edt into `folder` (replacing one that
// is there): one record per day in shuffled order, memos of random Chinese text, pictures of
// random bytes behind a JPEG header. Throws std::runtime_error when the pair cannot be written.
SyntheticDiary writeSyntheticDiary(const std::filesystem::path& folder,
                                   const SyntheticDiaryOptions& options = {});

// A fresh folder for one benchmark run's diaries: under LEDGERLEAF_BENCH_DIR when it is set
// (to measure another disk), else under the system's temporary folder. Not created yet.
std::filesystem::path benchFolder(const std::string& prefix);

// A memo of `chars` Chinese characters with punctuation, from `seed`; with `latinEvery` > 0
// about one clause in that many ends with a Latin word (not counted in `chars`).
std::string syntheticMemo(int chars, unsigned seed, int latinEvery = 0);

}  // namespace ledgerleaf::bench
