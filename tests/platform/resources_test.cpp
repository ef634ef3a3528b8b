#include <gtest/gtest.h>
#include <QBitmap>
#include <QImage>
#include <QRect>
#include <QRegion>

#include "resources/resource_init.h"
#include "resources/resource_paths.h"

namespace ledgerleaf {
namespace {

class ResourcesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { initResources(); }

    static QImage load(const char* path) {
        QImage image(QString::fromLatin1(path));
        EXPECT_FALSE(image.isNull()) << path;
        return image;
    }
};

bool isKey(QRgb pixel) {
    return (pixel & 0xFFFFFFU) == kDeskShapeKey;
}

// Mean perceived brightness (0..255) of a region.
double meanLuminance(const QImage& image, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            sum += 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
        }
    }
    return sum / (area.width() * area.height());
}

TEST_F(ResourcesTest, PicturesHaveTheSizesTheWindowsAreBuiltFor) {
    const struct {
        const char* path;
        QSize size;
    } cases[] = {
        {kSkinDeskBackground, {1240, 550}},
        {kSkinDeskMask, {1240, 550}},
        {kSkinDesk, {940, 550}},
        {kSkinCover, {380, 500}},
        {kSkinHelpSide, {120, 338}},
        {kIconCalendar, {32, 32}},
        {kIconCalendar256, {256, 256}},
        {kIconScroll, {32, 32}},
        {kIconLockClosed, {32, 32}},
        {kIconLockOpen, {32, 32}},
        {kIconBookshelf, {32, 32}},
        {kIconCalculator, {32, 32}},
        {kIconPicturePanel, {32, 32}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(load(c.path).size(), c.size) << c.path;
    }
}

// The window keeps exactly the 940x550 book plus the 300x490 panel: green fills both strips
// beside the panel completely, and a single green pixel anywhere else would be a hole.
TEST_F(ResourcesTest, DeskBackgroundIsGreenInTheTwoPanelStripsAndNowhereElse) {
    const QImage background = load(kSkinDeskBackground);
    ASSERT_EQ(background.size(), QSize(1240, 550));
    const QRect strips[] = {{940, 0, 300, 30}, {940, 520, 300, 30}};
    int greenInside = 0;
    int greenOutside = 0;
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            if (!isKey(background.pixel(x, y))) {
                continue;
            }
            const bool inside = strips[0].contains(x, y) || strips[1].contains(x, y);
            ++(inside ? greenInside : greenOutside);
        }
    }
    EXPECT_EQ(greenInside, 2 * 300 * 30);
    EXPECT_EQ(greenOutside, 0);
}

TEST_F(ResourcesTest, DeskMaskGivesTheSameOutlineAsTheGreenKey) {
    const QImage background = load(kSkinDeskBackground);
    const QRegion window(QBitmap::fromImage(load(kSkinDeskMask)));
    ASSERT_FALSE(window.isEmpty());
    int mismatches = 0;
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            if (window.contains(QPoint(x, y)) == isKey(background.pixel(x, y)))
                ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(window.boundingRect(), QRect(0, 0, 1240, 550));
}

TEST_F(ResourcesTest, IconsAreDrawnOnATransparentGround) {
    for (const char* path : {kIconCalendar, kIconCalendar256, kIconScroll, kIconLockClosed,
                             kIconLockOpen, kIconBookshelf, kIconCalculator, kIconPicturePanel}) {
        const QImage icon = load(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_TRUE(icon.hasAlphaChannel()) << path;
        int clear = 0;
        int solid = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const int alpha = qAlpha(icon.pixel(x, y));
                clear += alpha == 0;
                solid += alpha == 255;
            }
        }
        const int pixels = icon.width() * icon.height();
        EXPECT_GT(clear, pixels / 20) << path;
        EXPECT_GT(solid, pixels / 4) << path;
    }
}

// Yellow and white texts sit directly on these areas; they must stay dark to be readable.
TEST_F(ResourcesTest, AreasUnderTextAreDark) {
    const QImage skin = load(kSkinDesk);
    const QImage cover = load(kSkinCover);
    const struct {
        const QImage* image;
        QRect area;
        const char* what;
    } cases[] = {
        {&skin, {47, 4, 248, 24}, "title"},
        {&skin, {781, 2, 155, 26}, "icon strip"},
        {&skin, {52, 520, 360, 20}, "database status line"},
        {&skin, {520, 520, 350, 20}, "save status label"},
        {&cover, {32, 472, 80, 20}, "password prompt"},
        {&cover, {360, 0, 20, 20}, "cover close mark"},
    };
    for (const auto& c : cases) {
        EXPECT_LT(meanLuminance(*c.image, c.area), 70.0) << c.what;
    }
    // The pages themselves are light: the dark bands are bands, not a dark picture.
    EXPECT_GT(meanLuminance(skin, {60, 100, 350, 380}), 180.0);
    EXPECT_GT(meanLuminance(skin, {520, 100, 360, 380}), 180.0);
}

}  // namespace
}  // namespace ledgerleaf
