#pragma once

class QWidget;

namespace ledgerleaf {

struct DeskControls;

// The right page: the tab control "日志备忘" with the day label, the font and colour controls,
// the calculator and picture-panel buttons and the memo editor.
struct MemoPanel {
    static void build(QWidget* skin, DeskControls& controls);
};

}  // namespace ledgerleaf
