// StoredTable::scanText: every value of one text or memo field in record order, for searches
// that look at every memo.
#include <string>

#include "platform/fatal_error.h"
#include "store/sqlite_statement.h"
#include "store/stored_table.h"
#include "store/value_codec.h"

namespace ledgerleaf {

namespace {

// Wipes the plain text of opened values when the scan ends, also by an exception.
struct WipeOnExit {
    Bytes& bytes;
    ~WipeOnExit() { CipherKey::wipe(bytes); }
};

}  // namespace

void StoredTable::scanText(int field, const TextVisitor& visit) const {
    const FieldType type = fields_[field].type;
    if (type != FieldType::Text && type != FieldType::Memo)
        throw FatalError(kTypeMismatchText);
    if (type == FieldType::Text) {
        for (int number = 1; number <= count_; ++number) {
            const auto& text = std::get<std::string>(cell(number, field).value);
            if (!text.empty())
                visit(number, text);
        }
        return;
    }

    // The records whose value memory knows to be stored, one after the other.
    auto storedFrom = [&](int number) {
        while (number <= count_ && !cell(number, field).digest)
            ++number;
        return number;
    };
    int next = storedFrom(1);
    if (next > count_)
        return;

    const int position = field + 1;
    const ValueCodec codec(key_.get());
    Bytes buffer;
    const WipeOnExit wipe{buffer};
    SqliteStatement st(db_, "SELECT number, data FROM edt.vals WHERE field = ?1 ORDER BY number");
    st.bindInt(1, position);
    while (next <= count_ && st.step()) {
        const std::int64_t number = st.columnInt(0);
        // A row of a record that memory holds as empty is never looked at, as by read().
        if (number < next)
            continue;
        if (number > next)
            throw FatalError(kTypeMismatchText);  // the value the fingerprint promises is gone
        const auto text = codec.readText(st, 1, number, position, buffer);
        if (!text)
            throw FatalError(kTypeMismatchText);
        visit(next, *text);
        next = storedFrom(next + 1);
    }
    if (st.failed())
        throw FatalError(std::string(kReadFailedText) + "：" + db_.lastError());
    if (next <= count_)
        throw FatalError(kTypeMismatchText);
}

}  // namespace ledgerleaf
