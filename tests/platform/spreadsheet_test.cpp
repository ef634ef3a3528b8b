// The .xlsx workbook of the exports: cell texts as the spreadsheet must show them, column
// widths, where the file goes and that it is opened; and the cell addresses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "core/utf8_path.h"
#include "platform/spreadsheet_cell.h"
#include "platform/xlsx_spreadsheet.h"
#include "platform/xlsx_spreadsheet_text.h"
#include "temp_dir.h"
#include "zip_entry.h"

namespace ledgerleaf {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(SpreadsheetCellTest, ReadsOneCellAddresses) {
    struct Case {
        const char* address;
        std::optional<SpreadsheetCell> cell;
    };
    const Case cases[] = {
        {"a1", SpreadsheetCell{0, 0}},
        {"c11", SpreadsheetCell{10, 2}},
        {"B2", SpreadsheetCell{1, 1}},
        {"aa10", SpreadsheetCell{9, 26}},
        {"xfd1048576", SpreadsheetCell{1048575, 16383}},
        {"xfe1", std::nullopt},
        {"a1048577", std::nullopt},
        {"a0", std::nullopt},
        {"a01", std::nullopt},
        {"a", std::nullopt},
        {"11", std::nullopt},
        {"", std::nullopt},
        {"a1:a1", std::nullopt},
        {"a-1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseCellAddress(c.address), c.cell) << c.address;
}

TEST(XlsxCellTextTest, KeepsWhatTheSpreadsheetWouldMisread) {
    struct Case {
        const char* what;
        std::string text;
        std::string stored;
    };
    const Case cases[] = {
        {"plain text", "今天去了公园", "今天去了公园"},
        {"formula stays text", "=1+2", "=1+2"},
        {"literal escape", "a_x0041_b", "a_x005F_x0041_b"},
        {"lower-case hex", "_x00e9_", "_x005F_x00e9_"},
        {"upper-case X", "_X0041_", "_x005F_X0041_"},
        {"two in a row", "_x0041__x0042_", "_x005F_x0041__x005F_x0042_"},
        {"underscore before", "__x0041_", "__x005F_x0041_"},
        {"not hex", "_x00G1_", "_x00G1_"},
        {"too short", "_x041_", "_x041_"},
        {"no closing underscore", "_x0041", "_x0041"},
        {"line breaks kept", "一\n二", "一\n二"},
        {"broken byte", std::string("a\xff") + "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"cut sequence", std::string("a\xe4\xb8"), "a\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"overlong slash", std::string("\xc0\xaf"), "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"surrogate", std::string("\xed\xa0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"nul", std::string("a\0b", 3),
         "a\xEF\xBF\xBD"
         "b"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(xlsxCellText(c.text), c.stored) << c.what;
}

TEST(XlsxCellTextTest, CutsTextsLongerThanACellAfterAWholeCharacter) {
    const std::string ellipsis = "…";
    struct Case {
        const char* what;
        std::string text;
        std::string stored;
    };
    const Case cases[] = {
        {"exactly full", std::string(32767, 'a'), std::string(32767, 'a')},
        {"one over", std::string(32768, 'a'), std::string(32766, 'a') + ellipsis},
        {"chinese full", repeat("中", 32767), repeat("中", 32767)},
        {"chinese over", repeat("中", 40000), repeat("中", 32766) + ellipsis},
        // A character outside the basic plane takes two of the cell's 32,767 places.
        {"emoji over", repeat("😀", 16384), repeat("😀", 16383) + ellipsis},
        // Each escape is 7 characters longer for the writer, which counts what it is given.
        {"escapes over", repeat("_x0041_", 3000), repeat("_x005F_x0041_", 2520) + ellipsis},
    };
    for (const Case& c : cases)
        EXPECT_EQ(xlsxCellText(c.text), c.stored) << c.what;
}

TEST(XlsxCellTextTest, WidthCountsChineseTwiceAndTakesTheLongestLine) {
    struct Case {
        const char* text;
        int width;
    };
    const Case cases[] = {
        {"", 0},
        {"日期", 4},
        {"2011年4月10日", 13},
        {"ab\n中文字\nabcd", 6},
        {"ＡＢ", 4},
        {"当日图片请至本程序所在文件夹中查看", 34},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textDisplayWidth(c.text), c.width) << c.text;
}

// A workbook finished into a folder of its own, with the opened files recorded.
class XlsxSpreadsheetTest : public ::testing::Test {
  protected:
    fs::path folder() const { return dir.file("2011年4月10日-导出全库图片"); }
    void SetUp() override { fs::create_directory(folder()); }
    std::string entry(const fs::path& file, const std::string& name) {
        const auto content = test::readZipEntry(file, name);
        EXPECT_TRUE(content) << name;
        return content.value_or("");
    }
    // The width given to column `column` (1-based); 0 when none is set.
    static double columnWidth(const std::string& sheetXml, int column) {
        const std::regex col("<col min=\"" + std::to_string(column) + "\" max=\"" +
                             std::to_string(column) + "\" width=\"([0-9.]+)\"");
        std::smatch match;
        return std::regex_search(sheetXml, match, col) ? std::stod(match[1]) : 0;
    }

    TempDir dir;
    std::vector<fs::path> opened;
    XlsxSpreadsheet sheet{[this](const fs::path& p) {
        opened.push_back(p);
        return true;
    }};
};

TEST_F(XlsxSpreadsheetTest, WritesEveryCellAsTextIntoAWorkbookNamedAfterTheFolder) {
    sheet.open();
    sheet.setCellText("a1", "日期");
    sheet.setCellText("b1", "备忘");
    sheet.setCellText("c1", "当日配图");
    sheet.setCellText("a2", "2011年4月10日");
    sheet.setCellText("b2", "=1+2 and _x0041_ & <tag>");
    sheet.setCellText("c2", "当日图片请至本程序所在文件夹中查看");
    sheet.setCellText("b11", std::string(40000, 'z'));
    sheet.setCellText("nonsense", "never written");
    sheet.autofit("c2");
    ASSERT_TRUE(sheet.finish(folder()));

    const fs::path file = folder() / pathFromUtf8("2011年4月10日-导出全库图片.xlsx");
    EXPECT_EQ(sheet.savedFile(), file);
    EXPECT_EQ(opened, std::vector<fs::path>{file});
    EXPECT_EQ(test::readFileBytes(file).substr(0, 4), std::string("PK\x03\x04", 4));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()), 1)
        << "the temporary file is gone";

    const std::string strings = entry(file, "xl/sharedStrings.xml");
    for (const char* text : {"<t>日期</t>", "<t>当日图片请至本程序所在文件夹中查看</t>",
                             "<t>=1+2 and _x005F_x0041_ &amp; &lt;tag&gt;</t>"})
        EXPECT_THAT(strings, ::testing::HasSubstr(text));
    EXPECT_THAT(strings, ::testing::HasSubstr(std::string(32766, 'z') + "…</t>"));
    EXPECT_THAT(strings, ::testing::Not(::testing::HasSubstr("never written")));

    const std::string cells = entry(file, "xl/worksheets/sheet1.xml");
    EXPECT_THAT(cells, ::testing::Not(::testing::HasSubstr("<f>")));
    for (const char* cell : {"A1", "B1", "C1", "A2", "B2", "C2", "B11"})
        EXPECT_THAT(cells, ::testing::HasSubstr("<c r=\"" + std::string(cell) + "\" t=\"s\">"));
    // Columns fit their longest texts; the cut memo reaches the widest column allowed.
    EXPECT_NEAR(columnWidth(cells, 1), 14.71, 0.01);
    EXPECT_NEAR(columnWidth(cells, 2), 255.71, 0.01);
    EXPECT_NEAR(columnWidth(cells, 3), 35.71, 0.01);
}

TEST_F(XlsxSpreadsheetTest, WithoutAutofitColumnsKeepTheirWidth) {
    sheet.open();
    sheet.setCellText("a1", "日期日期日期日期日期日期");
    ASSERT_TRUE(sheet.finish(folder()));
    EXPECT_EQ(columnWidth(entry(sheet.savedFile(), "xl/worksheets/sheet1.xml"), 1), 0);
}

TEST_F(XlsxSpreadsheetTest, NeverReplacesAnEarlierWorkbook) {
    const fs::path first = folder() / pathFromUtf8("2011年4月10日-导出全库图片.xlsx");
    test::writeFileBytes(first, "the user's edited workbook");
    for (int i = 0; i < 2; ++i) {
        XlsxSpreadsheet next([this](const fs::path& p) {
            opened.push_back(p);
            return true;
        });
        next.open();
        next.setCellText("a1", "日期");
        ASSERT_TRUE(next.finish(folder()));
    }
    EXPECT_EQ(test::readFileBytes(first), "the user's edited workbook");
    EXPECT_EQ(opened, (std::vector<fs::path>{
                          folder() / pathFromUtf8("2011年4月10日-导出全库图片(2).xlsx"),
                          folder() / pathFromUtf8("2011年4月10日-导出全库图片(3).xlsx")}));
}

TEST_F(XlsxSpreadsheetTest, NothingIsWrittenBeforeOpenOrWithoutFinish) {
    {
        XlsxSpreadsheet unopened([this](const fs::path& p) {
            opened.push_back(p);
            return true;
        });
        unopened.setCellText("a1", "日期");
        unopened.autofit("a1");
        EXPECT_TRUE(unopened.finish(folder())) << "no application is no failure";
        XlsxSpreadsheet unfinished([](const fs::path&) { return true; });
        unfinished.open();
        unfinished.setCellText("a1", "日期");
    }
    EXPECT_TRUE(fs::is_empty(folder()));
    EXPECT_TRUE(opened.empty());
}

TEST_F(XlsxSpreadsheetTest, AFolderThatIsMissingFailsAndOpensNothing) {
    sheet.open();
    sheet.setCellText("a1", "日期");
    EXPECT_FALSE(sheet.finish(dir.file("没有这个文件夹")));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(sheet.savedFile().empty());
}

TEST_F(XlsxSpreadsheetTest, AWorkbookThatCannotBeOpenedIsStillKept) {
    XlsxSpreadsheet noProgram([](const fs::path&) { return false; });
    noProgram.open();
    noProgram.setCellText("a1", "日期");
    EXPECT_TRUE(noProgram.finish(folder()));
    EXPECT_TRUE(fs::exists(noProgram.savedFile()));
}

}  // namespace
}  // namespace ledgerleaf
