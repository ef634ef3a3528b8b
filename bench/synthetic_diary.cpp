#include "bench/synthetic_diary.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>
#include <stdexcept>

#include "store/cipher_key.h"
#include "store/memo_database.h"
#include "store/table_format.h"
#include "store/table_writer.h"

namespace ledgerleaf::bench {

namespace {

// Common characters of everyday writing; memos are drawn from them.
const char* const kCharacters =
    "的一是了我不人在他有这个上们来到时大地为子中你说生国年着就那和要她出也得里后自以会家可下而过"
    "天去能对小多然于心学么之都好看起发当没成只如事把还用第样道想作种开美总从无情己面最女但现前些所"
    "同日手又行意动方期它头经长儿回位分爱老因很给名法间斯知世什两次使身者被高已亲其进此话常与活正感"
    "今早晚饭朋友公园下雨晴天工作学习孩子妈妈爸爸写字读书散步电影音乐城市春夏秋冬花草树木山水风云";

// Latin words that turn up in Chinese diaries: places, brands, names, abbreviations.
const char* const kLatinWords[] = {"Central Park", "iPhone", "OK",        "Zoom",      "WiFi",
                                   "Starbucks",    "PPT",    "email",     "Hyde Park", "Bob",
                                   "KTV",          "Excel",  "McDonald's"};

std::vector<std::string> characterList() {
    std::vector<std::string> out;
    const std::string all = kCharacters;
    for (std::size_t i = 0; i + 3 <= all.size(); i += 3)
        out.push_back(all.substr(i, 3));
    return out;
}

}  // namespace

std::string syntheticMemo(int chars, unsigned seed, int latinEvery) {
    static const std::vector<std::string> characters = characterList();
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1);
    std::uniform_int_distribution<int> clause(8, 30);
    std::mt19937 latinRandom(seed ^ 0x5A5A5A5Au);  // apart, so all-Chinese memos stay the same
    std::uniform_int_distribution<std::size_t> pickLatin(0, std::size(kLatinWords) - 1);
    std::string memo;
    memo.reserve(static_cast<std::size_t>(chars) * 3);
    int untilPunctuation = clause(random);
    for (int i = 0; i < chars; ++i) {
        if (--untilPunctuation == 0) {
            if (latinEvery > 0 && latinRandom() % static_cast<unsigned>(latinEvery) == 0)
                memo += kLatinWords[pickLatin(latinRandom)];
            memo += random() % 3 ? "，" : "。";
            untilPunctuation = clause(random);
        } else {
            memo += characters[pick(random)];
        }
    }
    return memo;
}

SyntheticDiary writeSyntheticDiary(const std::filesystem::path& folder,
                                   const SyntheticDiaryOptions& options) {
    SyntheticDiary diary;
    diary.tableFile = folder / "ledgerleaf.edb";
    std::mt19937 random(options.seed);
    diary.dates.resize(static_cast<std::size_t>(options.days));
    for (int i = 0; i < options.days; ++i)
        diary.dates[i] = options.firstDay + i;
    std::shuffle(diary.dates.begin(), diary.dates.end(), random);

    std::unique_ptr<CipherKey> key;
    std::optional<ProtectionMeta> protection;
    if (options.password && !options.password->empty()) {
        Bytes salt = CipherKey::randomBytes(CipherKey::kSaltSize);
        key = CipherKey::derive(*options.password, salt, options.kdf);
        if (!key)
            throw std::runtime_error("cannot derive the diary key");
        protection = makeProtectionMeta(*key, std::move(salt), options.kdf);
    }
    TableWriter writer(diary.tableFile, {{kFieldDate, FieldType::DateTime, 20},
                                         {kFieldMemo, FieldType::Memo, 20},
                                         {kFieldPicture, FieldType::ByteSet, 20},
                                         {kFieldExtension, FieldType::Text, 3}});
    if (auto r = writer.begin(protection, key.get()); !r)
        throw std::runtime_error(r.error);

    std::uniform_int_distribution<int> memoChars(options.minMemoChars, options.maxMemoChars);
    std::uniform_int_distribution<int> pictureSize(options.minPictureBytes,
                                                   options.maxPictureBytes);
    std::vector<FieldValue> values(4);
    for (int i = 0; i < options.days; ++i) {
        const double day = diary.dates[i];
        const std::string memo =
            syntheticMemo(memoChars(random), options.seed + i, options.latinEvery);
        Bytes picture;
        std::string extension;
        // The picture days are every tenth calendar day, wherever they stand in record order.
        if (static_cast<int>(day - options.firstDay) % options.pictureEvery == 0) {
            picture.resize(static_cast<std::size_t>(pictureSize(random)));
            for (auto& b : picture)
                b = static_cast<std::uint8_t>(random());
            picture[0] = 0xFF;
            picture[1] = 0xD8;
            extension = "jpg";
            ++diary.pictures;
            diary.pictureBytes += picture.size();
        }
        diary.memoBytes += memo.size();
        values = {day, memo, std::move(picture), extension};
        if (!writer.append(i + 1, values))
            throw std::runtime_error("cannot write the diary");
    }
    if (auto r = writer.finish(); !r)
        throw std::runtime_error(r.error);
    return diary;
}

std::filesystem::path benchFolder(const std::string& prefix) {
    const char* where = std::getenv("LEDGERLEAF_BENCH_DIR");
    return (where ? std::filesystem::path(where) : std::filesystem::temp_directory_path()) /
           (prefix + "-" + std::to_string(std::random_device{}()));
}

}  // namespace ledgerleaf::bench
