// The window's 25 controls by the names the tool uses for them. The numbers are the
// controls' window identifiers (GetDlgCtrlID), stable so that outside tools can find them.
#pragma once

namespace cp {

enum class ControlId : int {
    分组框1 = 1001,
    图片框1 = 1002,
    按钮3 = 1003,
    分组框2 = 1004,
    标签1 = 1005,
    编辑框1 = 1006,
    标签2 = 1007,
    编辑框2 = 1008,
    标签3 = 1009,
    编辑框3 = 1010,
    标签4 = 1011,
    编辑框4 = 1012,
    标签5 = 1013,
    编辑框5 = 1014,
    标签6 = 1015,
    编辑框6 = 1016,
    标签7 = 1017,
    编辑框7 = 1018,
    标签8 = 1019,
    按钮1 = 1020,
    按钮2 = 1021,
    分组框3 = 1022,
    编辑框9 = 1023,
    标签9 = 1024,
    标签10 = 1025,
};

// The main window's class name, for FindWindow.
inline constexpr char kMainWindowClass[] = "CouponPasteMainWindow";

}  // namespace cp
