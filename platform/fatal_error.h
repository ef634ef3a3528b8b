#pragma once

#include <stdexcept>
#include <string>

namespace ledgerleaf {

// A fault the program cannot go on from: a field that does not exist, a read or find with no
// current database, a stored value whose type does not fit the schema. It travels up to the
// program's top level, which shows the error report (title "错误", error icon, "运行时出错!",
// an empty line, "错误信息：" and the text) and ends the process with exit code -1.
class FatalError : public std::runtime_error {
  public:
    explicit FatalError(const std::string& platformText) : std::runtime_error(platformText) {}
    // The platform's own text, for example "指定字段不存在".
    std::string platformText() const { return what(); }
};

// Texts of the fatal errors.
inline constexpr const char* kFieldMissingText = "指定字段不存在";
inline constexpr const char* kNoCurrentDatabaseText = "没有当前数据库";
inline constexpr const char* kTypeMismatchText = "数据类型不匹配";

}  // namespace ledgerleaf
