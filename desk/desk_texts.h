#pragma once

// Fixed texts of the desk window's controls and hover texts.
namespace ledgerleaf::desk_texts {

inline constexpr const char* kTitle = "Ledgerleaf V3.0.4.10 β";
inline constexpr const char* kSaveStatus = "文字和图片的编辑动作均会即时保存，无需人工干预";
inline constexpr const char* kPictureHint = "请将图片直接拖放到这里，即可保存到数据库中";

inline constexpr const char* kTipCalculator = "单击打开计算器小工具（Windows自带）";
inline constexpr const char* kTipExport = "需要本机已安装office2000以上版本才能使用本功能...";
inline constexpr const char* kTipPanelButton =
    "单击可切换图片面板打开与关闭，拖放图片至此图标可加入图片";
inline constexpr const char* kTipClose = "合上备忘录（退出程序）";
inline constexpr const char* kTipCollapse = "‘双击’ 该图标将暂时收起备忘录，放回书立。（极小化）";
inline constexpr const char* kTipDeletePicture = "单击从当天记录中删除图片，立即生效!";
inline constexpr const char* kTipLocked = "当前数据库已加密，‘双击’ 图标可取消加密或更改密码。";
inline constexpr const char* kTipUnlocked = "当前数据库未加密，‘双击’ 图标将立即进行加密。";
inline constexpr const char* kTipDayLabel = "双击本处，可在备忘编辑框文本尾部加入当前日期";
inline constexpr const char* kTipHelp = "‘双击’ 显示作者信息、版权信息及操作说明";

}  // namespace ledgerleaf::desk_texts
