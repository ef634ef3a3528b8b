#pragma once

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace ledgerleaf {

class ColourPicker;
class FileDropTarget;
class LunarCalendar;
class PictureBox;
class SortedListBox;
class TabFolder;

// Every control of the desk window, as the panels created them. The behaviours work on these.
struct DeskControls {
    QWidget* window = nullptr;
    QLabel* skin = nullptr;  // 界面模板图片框

    // On the skin's top band.
    QLabel* title = nullptr;             // 软件标题标签
    QLabel* helpButton = nullptr;        // 说明按钮
    QLabel* lockedIcon = nullptr;        // 已锁图片框
    QLabel* unlockedIcon = nullptr;      // 未锁图片框
    QLabel* collapseButton = nullptr;    // 收起备忘按钮
    QPushButton* closeButton = nullptr;  // 关闭程序按钮
    QLabel* databaseStatus = nullptr;    // 数据库情况状态栏

    // Left page.
    TabFolder* calendarFolder = nullptr;         // 日历照片选择夹
    LunarCalendar* calendar = nullptr;           // 日历
    QPushButton* todayButton = nullptr;          // 转到今日按钮
    QTimer* alignTimer = nullptr;                // 窗口对齐时钟
    TabFolder* listFolder = nullptr;             // 日历相关功能选择夹
    SortedListBox* monthList = nullptr;          // 本月备忘列表框
    QLabel* searchPrompt = nullptr;              // 搜索提示标签
    QLineEdit* searchEdit = nullptr;             // 搜索内容编辑框
    QPushButton* searchButton = nullptr;         // 搜索按钮
    SortedListBox* resultList = nullptr;         // 搜索结果列表框
    QPushButton* exportResultsButton = nullptr;  // 结果导出按钮
    QPushButton* exportAllButton = nullptr;      // 全库导出按钮

    // Right page.
    TabFolder* memoFolder = nullptr;            // 备忘背景选择夹
    QLabel* dayLabel = nullptr;                 // 今日提醒标签
    QPushButton* fontButton = nullptr;          // 字体设置按钮
    QLabel* colourLabel = nullptr;              // 背景色标签
    ColourPicker* colourPicker = nullptr;       // 颜色选择器
    QLabel* separator = nullptr;                // 标签1
    QPushButton* calculatorButton = nullptr;    // 计算器按钮
    QPushButton* panelButton = nullptr;         // 图片面板按钮
    QPlainTextEdit* memoEditor = nullptr;       // 备忘编辑框
    FileDropTarget* panelButtonDrop = nullptr;  // 拖放对象1

    // Below the book and the picture panel.
    QLabel* saveStatus = nullptr;           // 备忘状态栏标签
    PictureBox* pictureBox = nullptr;       // 图片框
    QLabel* deletePictureButton = nullptr;  // 删除图片按钮
    QLabel* pictureHint = nullptr;          // 图片框提示标签
    FileDropTarget* pictureDrop = nullptr;  // 拖放对象
};

}  // namespace ledgerleaf
