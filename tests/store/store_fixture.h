#pragma once

#include <filesystem>
#include <string>

#include "core/utf8_path.h"
#include "store/field_descriptor.h"
#include "store/kdf_params.h"
#include "store/memo_database.h"
#include "store/record_facility.h"
#include "temp_dir.h"

namespace ledgerleaf::test {

// Cheap Argon2id cost so protected tables open fast in tests; the program's own cost is
// checked by a test of its own.
inline KdfParams cheapKdf() {
    return {1, 8u << 10};
}

inline std::vector<FieldDescriptor> memoFields() {
    return {{kFieldDate, FieldType::DateTime, 20},
            {kFieldMemo, FieldType::Memo, 20},
            {kFieldPicture, FieldType::ByteSet, 20},
            {kFieldExtension, FieldType::Text, 3}};
}

inline Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A program directory with its own facility and memo database.
struct DiaryFixture {
    TempDir dir;
    RecordFacility facility{dir.path(), cheapKdf()};
    MemoDatabase db{facility, dir.path()};

    std::filesystem::path edb() const { return dir.file("ledgerleaf.edb"); }
    std::filesystem::path edt() const { return dir.file("ledgerleaf.edt"); }
    std::string path(const std::string& name) const { return utf8FromPath(dir.file(name)); }
};

}  // namespace ledgerleaf::test
