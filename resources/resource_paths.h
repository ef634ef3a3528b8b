#pragma once

// Paths of the compiled-in pictures (load them with QImage, QPixmap or QIcon after
// ledgerleaf::initResources()). All of them are drawn by tools/artwork.
namespace ledgerleaf {

// The desk window's background and shape, 1240 by 550: the notebook at the left, the picture
// panel's navy frame at x 940..1239, y 30..519, and pure green RGB(0,255,0) in exactly the two
// strips x 940..1239, y 0..29 and y 520..549 - the pixels the window cuts out of itself.
inline constexpr const char* kSkinDeskBackground = ":/skin/desk_background.png";
// The key colour of kSkinDeskBackground, as 0xRRGGBB.
inline constexpr unsigned kDeskShapeKey = 0x00FF00;
// The same outline as a 1-bit picture for QBitmap::fromImage and QWidget::setMask:
// black (color1) where the window is, white where it is cut out.
inline constexpr const char* kSkinDeskMask = ":/skin/desk_mask.png";
// The open spiral notebook, 940 by 550; dark leather bands at y 0..32 (title and icons) and
// y 517..549 (status texts) keep yellow and white text legible.
inline constexpr const char* kSkinDesk = ":/skin/desk_skin.png";
// The closed notebook, 380 by 500; dark along the bottom (y 455..499) for the password prompt.
inline constexpr const char* kSkinCover = ":/skin/cover.png";
// The picture beside the help text, 120 by 338.
inline constexpr const char* kSkinHelpSide = ":/skin/help_side.png";

// Icons, 32 by 32 on a transparent ground (scale them to the box they sit in).
inline constexpr const char* kIconCalendar = ":/icons/calendar.png";         // window icon
inline constexpr const char* kIconCalendar256 = ":/icons/calendar_256.png";  // task bar, 256x256
inline constexpr const char* kIconScroll = ":/icons/scroll.png";             // help
inline constexpr const char* kIconLockClosed = ":/icons/lock_closed.png";    // encrypted
inline constexpr const char* kIconLockOpen = ":/icons/lock_open.png";        // not encrypted
inline constexpr const char* kIconBookshelf = ":/icons/bookshelf.png";       // collapse
inline constexpr const char* kIconCalculator = ":/icons/calculator.png";
inline constexpr const char* kIconPicturePanel = ":/icons/picture_panel.png";

}  // namespace ledgerleaf
