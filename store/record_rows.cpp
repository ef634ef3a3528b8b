#include "store/record_rows.h"

#include "store/sqlite_connection.h"
#include "store/sqlite_statement.h"

namespace ledgerleaf {

std::string recordColumn(int position) {
    return "f" + std::to_string(position);
}

bool storeFixedValue(SqliteConnection& db, const ValueCodec& codec, std::int64_t number,
                     int position, FieldType type, const FieldValue& value) {
    SqliteStatement st(
        db, "UPDATE main.records SET " + recordColumn(position) + " = ?1 WHERE number = ?2");
    codec.bind(st, 1, value, type, number, position);
    st.bindInt(2, number);
    return st.run();
}

bool storeCompanionValue(SqliteConnection& db, const ValueCodec& codec, std::int64_t number,
                         int position, FieldType type, const FieldValue& value,
                         std::optional<ValueDigest>& digest) {
    if (isEmptyValue(value)) {
        SqliteStatement data(db, "DELETE FROM edt.vals WHERE number = ?1 AND field = ?2");
        SqliteStatement print(db, "DELETE FROM edt.digests WHERE number = ?1 AND field = ?2");
        for (SqliteStatement* st : {&data, &print}) {
            st->bindInt(1, number);
            st->bindInt(2, position);
            if (!st->run())
                return false;
        }
        digest.reset();
        return true;
    }
    SqliteStatement data(db,
                         "INSERT INTO edt.vals(number, field, data) VALUES (?1, ?2, ?3)"
                         " ON CONFLICT(number, field) DO UPDATE SET data = excluded.data");
    data.bindInt(1, number);
    data.bindInt(2, position);
    codec.bind(data, 3, value, type, number, position);
    if (!data.run())
        return false;
    const ValueDigest d = codec.digest(value, number, position);
    SqliteStatement print(db,
                          "INSERT INTO edt.digests(number, field, digest) VALUES (?1, ?2, ?3)"
                          " ON CONFLICT(number, field) DO UPDATE SET digest = excluded.digest");
    print.bindInt(1, number);
    print.bindInt(2, position);
    print.bindBlob(3, d.data(), d.size());
    if (!print.run())
        return false;
    digest = d;
    return true;
}

bool insertRecord(SqliteConnection& db, const std::vector<FieldDescriptor>& fields,
                  const ValueCodec& codec, std::int64_t number,
                  const std::vector<FieldValue>& values,
                  std::vector<std::optional<ValueDigest>>& digests) {
    if (values.size() != fields.size())
        return false;
    std::string columns = "number";
    std::string params = "?1";
    int parameter = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (storedInCompanion(fields[i].type))
            continue;
        columns += ", " + recordColumn(static_cast<int>(i + 1));
        params += ", ?" + std::to_string(++parameter);
    }
    SqliteStatement record(db, "INSERT INTO main.records(" + columns + ") VALUES (" + params + ")");
    record.bindInt(1, number);
    parameter = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (storedInCompanion(fields[i].type))
            continue;
        codec.bind(record, ++parameter, values[i], fields[i].type, number, static_cast<int>(i + 1));
    }
    if (!record.run())
        return false;

    digests.assign(fields.size(), std::nullopt);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!storedInCompanion(fields[i].type))
            continue;
        if (!storeCompanionValue(db, codec, number, static_cast<int>(i + 1), fields[i].type,
                                 values[i], digests[i]))
            return false;
    }
    return true;
}

}  // namespace ledgerleaf
