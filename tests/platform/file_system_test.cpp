#include "platform/file_system.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace ledgerleaf {
namespace {

namespace fs = std::filesystem;
using test::readFileBytes;
using test::TempDir;
using test::writeFileBytes;

// Names of the entries of a folder, to see that nothing was left behind.
std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kBinary("a\0b\r\n\xFF\xD7\xD6\n", 9);

class FileSystem : public testing::Test {
  protected:
    TempDir dir;
};

TEST_F(FileSystem, ExistsAndSizeOfFilesAndFolders) {
    writeFileBytes(dir.file("日记.txt"), kBinary);
    writeFileBytes(dir.file("empty"), "");
    fs::create_directory(dir.file("导出图片"));
    EXPECT_TRUE(pathExists(dir.file("日记.txt")));
    EXPECT_TRUE(pathExists(dir.file("导出图片")));
    EXPECT_FALSE(pathExists(dir.file("missing")));
    EXPECT_EQ(fileSize(dir.file("日记.txt")), kBinary.size());
    EXPECT_EQ(fileSize(dir.file("empty")), 0u);
    EXPECT_FALSE(fileSize(dir.file("导出图片")).has_value());
    EXPECT_FALSE(fileSize(dir.file("missing")).has_value());
}

TEST_F(FileSystem, ReadWholeFile) {
    writeFileBytes(dir.file("日记.txt"), kBinary);
    writeFileBytes(dir.file("empty"), "");
    fs::create_directory(dir.file("folder"));
    EXPECT_EQ(readWholeFile(dir.file("日记.txt")), kBinary);
    EXPECT_EQ(readWholeFile(dir.file("empty")), "");
    EXPECT_FALSE(readWholeFile(dir.file("missing")).has_value());
    EXPECT_FALSE(readWholeFile(dir.file("folder")).has_value());
    const std::string big(3 * 65536 + 17, '\x5A');
    writeFileBytes(dir.file("big"), big);
    EXPECT_EQ(readWholeFile(dir.file("big")), big);
}

TEST_F(FileSystem, WriteWholeFileCreatesAndReplacesLeavingNoTemporaryFile) {
    const fs::path file = dir.file("2011年4月5日配图.jpg");
    ASSERT_TRUE(writeWholeFile(file, kBinary));
    EXPECT_EQ(readFileBytes(file), kBinary);
    ASSERT_TRUE(writeWholeFile(file, "short"));
    EXPECT_EQ(readFileBytes(file), "short");
    ASSERT_TRUE(writeWholeFile(file, ""));
    EXPECT_EQ(readFileBytes(file), "");
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"2011年4月5日配图.jpg"});
}

TEST_F(FileSystem, WriteWholeFileFailsCleanly) {
    fs::create_directory(dir.file("folder"));
    EXPECT_FALSE(writeWholeFile(dir.file("folder"), "x"));
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
    EXPECT_FALSE(writeWholeFile(dir.file("missing") / "file", "x"));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"folder"});
}

#ifndef _WIN32
TEST_F(FileSystem, ReplacingNeverTruncatesTheOldFileInPlace) {
    // A reader that has the old file open keeps seeing the whole old content: the new content
    // went into a new file that took the name.
    const fs::path file = dir.file("config.ini");
    writeFileBytes(file, "old content");
    const fs::path reader = dir.file("reader");
    fs::create_hard_link(file, reader);
    ASSERT_TRUE(writeWholeFile(file, "new"));
    EXPECT_EQ(readFileBytes(file), "new");
    EXPECT_EQ(readFileBytes(reader), "old content");
}

TEST_F(FileSystem, ReplacedFileKeepsItsPermissions) {
    const fs::path file = dir.file("private");
    writeFileBytes(file, "a");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeWholeFile(file, "b"));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST_F(FileSystem, RenameNoReplace) {
    writeFileBytes(dir.file("memo.edb"), "v2 data");
    ASSERT_TRUE(renameNoReplace(dir.file("memo.edb"), dir.file("备份.edb.v2.bak")));
    EXPECT_FALSE(fs::exists(dir.file("memo.edb")));
    EXPECT_EQ(readFileBytes(dir.file("备份.edb.v2.bak")), "v2 data");

    // The target exists: nothing changes.
    writeFileBytes(dir.file("memo.edt"), "new");
    EXPECT_FALSE(renameNoReplace(dir.file("memo.edt"), dir.file("备份.edb.v2.bak")));
    EXPECT_EQ(readFileBytes(dir.file("memo.edt")), "new");
    EXPECT_EQ(readFileBytes(dir.file("备份.edb.v2.bak")), "v2 data");

    // An existing folder is not replaced either, and folders can be renamed.
    fs::create_directory(dir.file("文件夹"));
    EXPECT_FALSE(renameNoReplace(dir.file("memo.edt"), dir.file("文件夹")));
    EXPECT_TRUE(renameNoReplace(dir.file("文件夹"), dir.file("新文件夹")));
    EXPECT_TRUE(fs::is_directory(dir.file("新文件夹")));

    EXPECT_FALSE(renameNoReplace(dir.file("missing"), dir.file("other")));
    EXPECT_FALSE(fs::exists(dir.file("other")));
}

TEST_F(FileSystem, DeleteFile) {
    writeFileBytes(dir.file("临时.edb"), "x");
    fs::create_directory(dir.file("folder"));
    EXPECT_TRUE(deleteFile(dir.file("临时.edb")));
    EXPECT_FALSE(fs::exists(dir.file("临时.edb")));
    EXPECT_FALSE(deleteFile(dir.file("临时.edb")));
    EXPECT_FALSE(deleteFile(dir.file("folder")));
    EXPECT_TRUE(fs::is_directory(dir.file("folder")));
}

TEST_F(FileSystem, CreateFolderMakesOneNewLevel) {
    EXPECT_TRUE(createFolder(dir.file("2011年4月10日-导出全库图片")));
    EXPECT_TRUE(fs::is_directory(dir.file("2011年4月10日-导出全库图片")));
    EXPECT_FALSE(createFolder(dir.file("2011年4月10日-导出全库图片")));
    writeFileBytes(dir.file("a file"), "x");
    EXPECT_FALSE(createFolder(dir.file("a file")));
    EXPECT_FALSE(createFolder(dir.file("no parent") / "child"));
    EXPECT_FALSE(fs::exists(dir.file("no parent")));
}

}  // namespace
}  // namespace ledgerleaf
