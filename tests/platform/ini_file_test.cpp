#include "platform/ini_file.h"

#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ledgerleaf {
namespace {

namespace fs = std::filesystem;
using test::readFileBytes;
using test::TempDir;
using test::writeFileBytes;

std::string gbk(const std::string& utf8) {
    return *CodePage("GBK").fromUtf8(utf8);
}

class Ini : public testing::Test {
  protected:
    TempDir dir;
    fs::path path = dir.file("config.ini");
    IniFile ini{path, CodePage("GBK")};
};

TEST_F(Ini, MissingFileReadsEmpty) {
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.read("字体设置", "字体名称"), "");
    EXPECT_FALSE(fs::exists(path));  // reading never creates the file
}

TEST_F(Ini, ChineseNamesAreStoredInTheCodePage) {
    ASSERT_TRUE(ini.write("字体设置", "字体名称", "宋体"));
    ASSERT_TRUE(ini.write("字体设置", "加粗", "真"));
    ASSERT_TRUE(ini.write("背景颜色设置", "背景颜色", "16777215"));
    EXPECT_TRUE(ini.exists());
    const std::string nl = readFileBytes(path).find("\r\n") != std::string::npos ? "\r\n" : "\n";
    EXPECT_EQ(readFileBytes(path), gbk("[字体设置]" + nl + "字体名称=宋体" + nl + "加粗=真" + nl +
                                       nl + "[背景颜色设置]" + nl + "背景颜色=16777215" + nl));
    EXPECT_EQ(ini.read("字体设置", "字体名称"), "宋体");
    EXPECT_EQ(ini.read("字体设置", "加粗"), "真");
    EXPECT_EQ(ini.read("背景颜色设置", "背景颜色"), "16777215");
    // A second object over the same file sees the same values.
    EXPECT_EQ(IniFile(path, CodePage("GBK")).read("字体设置", "字体名称"), "宋体");
}

TEST_F(Ini, ReadsWhatAnotherProgramWrote) {
    writeFileBytes(path, gbk("; settings\r\n"
                             "[字体设置]\r\n"
                             "  字体名称 = 微软雅黑  \r\n"
                             "字体大小=12\r\n"
                             "empty=\r\n"
                             "[Other]\r\n"
                             "字体大小=99\r\n"
                             "Key=Value=With=Equals\r\n"));
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"字体设置", "字体名称", "微软雅黑"},
        {"字体设置", "字体大小", "12"},
        {"字体设置", "empty", ""},
        {"字体设置", "文本颜色", ""},      // missing key
        {"背景颜色设置", "背景颜色", ""},  // missing section
        {"other", "字体大小", "99"},       // section names ignore ASCII case
        {"Other", "KEY", "Value=With=Equals"},
        {"Other", "字体名称", ""},  // a key of another section does not leak
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.read(c.section, c.key), c.value);
    }
}

TEST_F(Ini, WritingKeepsEveryOtherLineByteForByte) {
    // Comments, odd spacing, CRLF endings, a line the code page cannot decode and a last line
    // without an ending all survive; the changed key is replaced in place, a new key joins the
    // end of its section.
    const std::string undecodable = "junk=\xFF\xFE";
    const std::string before =
        gbk("; 注释\r\n[字体设置]\r\n 字体名称 = 宋体 \r\n字体大小=12\r\n\r\n") + undecodable +
        gbk("\r\n[背景颜色设置]\r\n背景颜色=255");
    writeFileBytes(path, before);

    ASSERT_TRUE(ini.write("字体设置", "字体名称", "黑体"));
    ASSERT_TRUE(ini.write("字体设置", "加粗", "假"));
    ASSERT_TRUE(ini.write("背景颜色设置", "背景颜色", "0"));
    ASSERT_TRUE(ini.write("新节", "键", "值"));
    EXPECT_EQ(readFileBytes(path),
              gbk("; 注释\r\n[字体设置]\r\n字体名称=黑体\r\n字体大小=12\r\n加粗=假\r\n\r\n") +
                  undecodable + gbk("\r\n[背景颜色设置]\r\n背景颜色=0\r\n\r\n[新节]\r\n键=值\r\n"));
}

TEST_F(Ini, RefusedWritesLeaveTheFileAsItWas) {
    ASSERT_TRUE(ini.write("字体设置", "字体名称", "宋体"));
    const std::string before = readFileBytes(path);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"字体设置", "字体名称", "\xF0\x9F\x98\x80"},  // not in the code page
        {"字体设置", "\xF0\x9F\x98\x80", "x"},
        {"\xF0\x9F\x98\x80", "字体名称", "x"},
        {"字体设置", "字体名称", "two\nlines"},
        {"字体设置", "字体名称", "two\rlines"},
        {"字体设置", "a=b", "x"},
        {"字体设置", "", "x"},
        {"字体设置", "  ", "x"},
        {"", "字体名称", "x"},
        {"a]b", "字体名称", "x"},
        {"字体设置", "[x", "x"},
        {"字体设置", ";x", "x"},
        {"字体设置", "字体名称", "\xE5\xAD"},  // not UTF-8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.value);
        EXPECT_FALSE(ini.write(c.section, c.key, c.value));
        EXPECT_EQ(readFileBytes(path), before);
    }
}

TEST_F(Ini, ValuesRoundTrip) {
    const char* const values[] = {
        "", "0", "-1", "Courier New", "a;b", "x = y", "[not a section]", "真", "16777215"};
    for (const char* value : values) {
        SCOPED_TRACE(value);
        ASSERT_TRUE(ini.write("字体设置", "字体名称", value));
        EXPECT_EQ(ini.read("字体设置", "字体名称"), value);
        EXPECT_EQ(ini.read("字体设置", "字体大小"), "");
    }
}

TEST_F(Ini, WriteLeavesNoTemporaryFileAndOldReadersKeepTheOldFile) {
    writeFileBytes(path, gbk("[字体设置]\n字体名称=宋体\n"));
#ifndef _WIN32
    fs::create_hard_link(path, dir.file("old"));
#endif
    ASSERT_TRUE(ini.write("字体设置", "字体名称", "黑体"));
    EXPECT_EQ(readFileBytes(path), gbk("[字体设置]\n字体名称=黑体\n"));
#ifndef _WIN32
    EXPECT_EQ(readFileBytes(dir.file("old")), gbk("[字体设置]\n字体名称=宋体\n"));
    fs::remove(dir.file("old"));
#endif
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(Ini, UnreadableFileIsNotOverwritten) {
    fs::create_directory(path);  // a folder in the file's place
    EXPECT_EQ(ini.read("字体设置", "字体名称"), "");
    EXPECT_FALSE(ini.write("字体设置", "字体名称", "宋体"));
    EXPECT_TRUE(fs::is_directory(path));
}

}  // namespace
}  // namespace ledgerleaf
