#include "zip_entry.h"

#include <zlib.h>

#include <cstdint>

#include "temp_dir.h"

namespace ledgerleaf::test {

namespace {

std::uint32_t le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::optional<std::string> inflateRaw(std::string_view data, std::size_t size) {
    std::string out(size, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != size)
        return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> readZipEntry(const std::filesystem::path& zipFile,
                                        const std::string& name) {
    const std::string bytes = readFileBytes(zipFile);
    if (bytes.size() < 22)
        return std::nullopt;
    std::size_t end = bytes.size() - 22;
    while (le(bytes, end, 4) != 0x06054b50) {
        if (end == 0)
            return std::nullopt;
        --end;
    }
    const std::uint32_t entries = le(bytes, end + 10, 2);
    std::size_t at = le(bytes, end + 16, 4);
    for (std::uint32_t i = 0; i < entries; ++i) {
        if (at + 46 > bytes.size() || le(bytes, at, 4) != 0x02014b50)
            return std::nullopt;
        const std::uint32_t method = le(bytes, at + 10, 2);
        const std::uint32_t packed = le(bytes, at + 20, 4);
        const std::uint32_t size = le(bytes, at + 24, 4);
        const std::uint32_t nameLength = le(bytes, at + 28, 2);
        const std::uint32_t extra = le(bytes, at + 30, 2);
        const std::uint32_t comment = le(bytes, at + 32, 2);
        const std::uint32_t local = le(bytes, at + 42, 4);
        if (bytes.compare(at + 46, nameLength, name) == 0 && nameLength == name.size()) {
            const std::size_t data =
                local + 30 + le(bytes, local + 26, 2) + le(bytes, local + 28, 2);
            if (data + packed > bytes.size())
                return std::nullopt;
            const std::string_view content(bytes.data() + data, packed);
            if (method == 0)
                return std::string(content);
            if (method == 8)
                return inflateRaw(content, size);
            return std::nullopt;
        }
        at += 46 + nameLength + extra + comment;
    }
    return std::nullopt;
}

}  // namespace ledgerleaf::test
