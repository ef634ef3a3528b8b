// The picture panel: dropping a picture file stores it with the selected day, "×" deletes it.
#include <gmock/gmock.h>

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "core/utf8_path.h"
#include "desk_test_base.h"

namespace ledgerleaf {
namespace {

using test::settle;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kTooLarge = "为了保证数据库的性能，图片文件尺寸请不要大于200KB！";
constexpr const char* kWrongFormat = "抱歉，目前仅支持存储‘.JPG|.BMP|.GIF|.ICO|.CUR’五种格式的图片";
constexpr const char* kNotAPicture = "这个文件不是可以显示的图片（文件可能已损坏），没有保存。";

// Two frames of 1x1 pixel, looping: the smallest animated GIF.
Bytes animatedGif() {
    const unsigned char frame[] = {0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00,  // 0.1 s
                                   0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                   0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00};
    Bytes gif = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01, 0x00,
                 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF};
    const unsigned char loop[] = {0x21, 0xFF, 0x0B, 'N', 'E',  'T',  'S',  'C',  'A', 'P',
                                  'E',  '2',  '.',  '0', 0x03, 0x01, 0x00, 0x00, 0x00};
    gif.insert(gif.end(), std::begin(loop), std::end(loop));
    for (int i = 0; i < 2; ++i)
        gif.insert(gif.end(), std::begin(frame), std::end(frame));
    gif.push_back(0x3B);
    return gif;
}

// A JPEG padded after its end marker to exactly `size` bytes (decoders stop at the marker).
Bytes jpegOfSize(std::size_t size) {
    Bytes jpeg = test::pictureBytes("JPG", {40, 30});
    jpeg.resize(size, 0);
    return jpeg;
}

Bytes truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

class PictureTest : public test::DeskTestBase {
  protected:
    QString writeFile(const std::string& name, const Bytes& bytes) {
        const auto path = program.dir.file(name);
        test::writeFileBytes(path, std::string(bytes.begin(), bytes.end()));
        return QString::fromStdString(utf8FromPath(path));
    }

    // Drags the files onto the control and drops them there, as the mouse would.
    void dropFiles(QWidget* target, const QStringList& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        const QPoint at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        settle();
    }

    Bytes pictureOnDisk() {
        RecordFacility other(program.dir.path(), KdfParams{1, 8u << 10});
        MemoDatabase db(other, program.dir.path());
        if (!db.db_open() || !db.find_day(program.clock.today()))
            return {};
        return db.read_picture();
    }
    std::string extensionOnDisk() {
        RecordFacility other(program.dir.path(), KdfParams{1, 8u << 10});
        MemoDatabase db(other, program.dir.path());
        if (!db.db_open() || !db.find_day(program.clock.today()))
            return "<no record>";
        return db.read_extension();
    }
};

struct DropCase {
    const char* what;
    std::string fileName;
    Bytes bytes;
    const char* message;  // nullptr: stored
    const char* title;
};

TEST_F(PictureTest, DroppedFilesAreCheckedAndStoredAsTheyAre) {
    const DropCase cases[] = {
        {"largest allowed", "big.jpg", jpegOfSize(204800), nullptr, nullptr},
        {"one byte too many", "bigger.jpg", jpegOfSize(204801), kTooLarge, "注意！"},
        {"upper-case extension", "photo.JPG", test::pictureBytes("JPG"), nullptr, nullptr},
        {"bitmap", "图画.bmp", test::pictureBytes("BMP"), nullptr, nullptr},
        {"animated gif", "moving.gif", animatedGif(), nullptr, nullptr},
        {"jpeg spelled out", "photo.jpeg", test::pictureBytes("JPG"), kWrongFormat, "格式限制："},
        {"png", "photo.png", test::pictureBytes("PNG"), kWrongFormat, "格式限制："},
        {"text renamed to jpg", "notes.jpg", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}, kNotAPicture,
         "注意！"},
        {"jpeg cut in its header", "cut.jpg", truncated(test::pictureBytes("JPG", {40, 30}), 40),
         kNotAPicture, "注意！"},
        {"jpeg cut in its picture data", "half.jpg",
         truncated(test::pictureBytes("JPG", {40, 30}),
                   test::pictureBytes("JPG", {40, 30}).size() - 20),
         kNotAPicture, "注意！"},
        {"png named bmp", "sly.bmp", test::pictureBytes("PNG"), kNotAPicture, "注意！"},
    };
    openDesk();
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.what);
        program.dialogs.clear();
        const Bytes before = pictureOnDisk();
        if (c.message)
            program.dialogs.expectMessage();
        dropFiles(pictureBox(), {writeFile(c.fileName, c.bytes)});
        if (c.message) {
            ASSERT_EQ(program.dialogs.shown().size(), 1u);
            EXPECT_EQ(program.dialogs.shown()[0].text, c.message);
            EXPECT_EQ(program.dialogs.shown()[0].title, c.title);
            EXPECT_EQ(pictureOnDisk(), before);
        } else {
            EXPECT_THAT(program.dialogs.shown(), IsEmpty());
            EXPECT_EQ(pictureOnDisk(), c.bytes);
            EXPECT_EQ(extensionOnDisk(), c.fileName.substr(c.fileName.size() - 3));
            EXPECT_TRUE(pictureBox()->hasPicture());
            EXPECT_EQ(child<QLabel>("备忘状态栏标签")->text(), QStringLiteral("图片已保存"));
            EXPECT_TRUE(child<QLabel>("删除图片按钮")->isVisible());
            EXPECT_FALSE(child<QLabel>("图片框提示标签")->isVisible());
        }
    }
    EXPECT_EQ(program.recordsOnDisk(), 1);
}

TEST_F(PictureTest, AnimatedGifPlays) {
    openDesk();
    dropFiles(pictureBox(), {writeFile("moving.gif", animatedGif())});
    EXPECT_TRUE(pictureBox()->isAnimated());
}

TEST_F(PictureTest, SeveralFilesAtOnceAreRefusedWithTheFormatMessage) {
    openDesk();
    program.dialogs.expectMessage();
    dropFiles(pictureBox(), {writeFile("a.jpg", test::pictureBytes("JPG")),
                             writeFile("b.jpg", test::pictureBytes("JPG"))});
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_EQ(program.dialogs.shown()[0].text, kWrongFormat);
    EXPECT_EQ(program.recordsOnDisk(), 0);
}

TEST_F(PictureTest, DropOnADayWithoutRecordCreatesItWithTheCurrentMemo) {
    openDesk();
    // The memo typed so far is saved; a picture on a fresh day carries the editor's text along.
    clickDay(QDate(2011, 4, 11));
    {
        const QSignalBlocker quiet(editor());
        editor()->setPlainText(QStringLiteral("还没保存的字"));
    }
    program.clock.setNow(2011, 4, 11, 9, 0, 0);
    const Bytes bmp = test::pictureBytes("BMP");
    dropFiles(pictureBox(), {writeFile("day.bmp", bmp)});
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 11)), "还没保存的字");
    EXPECT_EQ(pictureOnDisk(), bmp);
    EXPECT_THAT(monthList()->texts(), ElementsAre(QStringLiteral("2011年4月11日(P)")));
}

TEST_F(PictureTest, DropOnThePanelButtonOpensTheClosedPanelFirst) {
    openDesk();
    EXPECT_FALSE(desk->panelOpen());
    dropFiles(child<QPushButton>("图片面板按钮"), {writeFile("x.gif", animatedGif())});
    EXPECT_TRUE(desk->panelOpen());
    EXPECT_EQ(pictureOnDisk(), animatedGif());
}

TEST_F(PictureTest, PanelButtonTogglesThePanel) {
    openDesk();
    auto* button = child<QPushButton>("图片面板按钮");
    button->click();
    EXPECT_TRUE(desk->panelOpen());
    EXPECT_TRUE(child<QLabel>("图片框提示标签")->isVisible());
    button->click();
    EXPECT_FALSE(desk->panelOpen());
}

TEST_F(PictureTest, DeleteAsksThenEmptiesThePictureAndKeepsTheMemo) {
    addDay(day(2011, 4, 10), "有图的一天", test::pictureBytes("BMP"), "bmp");
    openDesk();
    ASSERT_TRUE(desk->panelOpen());
    auto* cross = child<QLabel>("删除图片按钮");

    program.dialogs.expectMessage(MessageAnswer::No);
    QTest::mousePress(cross, Qt::LeftButton);
    EXPECT_FALSE(pictureOnDisk().empty());
    EXPECT_EQ(program.dialogs.shown().back().text, "确认立即从数据库中删除这张图片？");
    EXPECT_EQ(program.dialogs.shown().back().buttons, MessageButtons::YesNo);

    program.dialogs.expectMessage(MessageAnswer::Yes);
    QTest::mousePress(cross, Qt::LeftButton);
    EXPECT_TRUE(pictureOnDisk().empty());
    EXPECT_EQ(extensionOnDisk(), "");
    EXPECT_EQ(program.memoOnDisk(day(2011, 4, 10)), "有图的一天");
    EXPECT_FALSE(pictureBox()->hasPicture());
    EXPECT_TRUE(desk->panelOpen());
    EXPECT_EQ(child<QLabel>("备忘状态栏标签")->text(), QStringLiteral("图片删除成功"));
    EXPECT_THAT(monthList()->texts(), ElementsAre(QStringLiteral("2011年4月10日")));
    EXPECT_THAT(program.dialogs.unexpected(), IsEmpty());
}

TEST_F(PictureTest, DeleteOnADayWithoutRecordReportsIt) {
    openDesk();
    // A picture shown but never stored (its store failed): there is no record to delete from.
    pictureBox()->showPicture(QByteArray("x"));
    child<QLabel>("删除图片按钮")->show();
    program.dialogs.expectMessage(MessageAnswer::Yes);
    program.dialogs.expectMessage();
    QTest::mousePress(child<QLabel>("删除图片按钮"), Qt::LeftButton);
    ASSERT_EQ(program.dialogs.shown().size(), 2u);
    EXPECT_EQ(program.dialogs.shown()[1].text, "您删除的这张照片是哪条记录的？我没找到！");
    EXPECT_EQ(program.recordsOnDisk(), 0);
}

}  // namespace
}  // namespace ledgerleaf
