#pragma once

#include <string>
#include <utility>

namespace ledgerleaf {

// The outcome of a storage operation the caller may recover from: success, or failure with a
// text that says what went wrong (in Chinese, fit to show to the user).
struct StoreResult {
    bool ok = true;
    std::string error;

    static StoreResult success() { return {}; }
    static StoreResult failure(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace ledgerleaf
