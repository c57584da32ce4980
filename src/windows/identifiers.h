#pragma once
// Window and control identifiers. Handlers name windows and controls by these numbers;
// the same control name recurs in several windows for different controls.
#include <cstdint>

using WindowId = uint32_t;
using ControlId = uint32_t;

constexpr WindowId NoWindow = 0;

constexpr WindowId StartWindow = 0x52010001;
constexpr WindowId ChineseSetupWindow = 0x52012f5c;
constexpr WindowId EnglishSetupWindow = 0x52012f5e;
constexpr WindowId ChineseFinishWindow = 0x52012fbb;
constexpr WindowId EnglishFinishWindow = 0x52012ffa;

namespace StartWindowControls {
constexpr ControlId 标签3 = 0x16012fb3;
constexpr ControlId 标签2 = 0x16012fb2;
constexpr ControlId 按钮1 = 0x16010004;
constexpr ControlId 组合框1 = 0x16010003;
constexpr ControlId 标签1 = 0x16010002;
}  // namespace StartWindowControls

namespace ChineseSetupWindowControls {
constexpr ControlId 标签5 = 0x16012f95;
constexpr ControlId 按钮4 = 0x16012f81;
constexpr ControlId 标签4 = 0x16012f80;
constexpr ControlId 编辑框2 = 0x16012f7f;
constexpr ControlId 按钮2 = 0x16012f78;
constexpr ControlId 按钮1 = 0x16012f77;
constexpr ControlId 编辑框1 = 0x16012f76;
constexpr ControlId 标签3 = 0x16012f75;
constexpr ControlId 按钮3 = 0x16012f67;
constexpr ControlId 标签2 = 0x16012f64;
constexpr ControlId 标签1 = 0x16012f63;
}  // namespace ChineseSetupWindowControls

namespace EnglishSetupWindowControls {
constexpr ControlId 标签2 = 0x16012ffe;
constexpr ControlId 按钮3 = 0x16012fd2;
constexpr ControlId 标签1 = 0x16012fd1;
constexpr ControlId 标签4 = 0x16012fd0;
constexpr ControlId 编辑框2 = 0x16012fcf;
constexpr ControlId 按钮2 = 0x16012fce;
constexpr ControlId 按钮1 = 0x16012fcd;
constexpr ControlId 按钮4 = 0x16012fcc;
constexpr ControlId 标签5 = 0x16012fcb;
constexpr ControlId 编辑框1 = 0x16012fca;
constexpr ControlId 标签3 = 0x16012fc9;
}  // namespace EnglishSetupWindowControls

namespace ChineseFinishWindowControls {
constexpr ControlId 按钮1 = 0x16012fbe;
constexpr ControlId 标签2 = 0x16012fbd;
constexpr ControlId 标签1 = 0x16012fbc;
}  // namespace ChineseFinishWindowControls

namespace EnglishFinishWindowControls {
constexpr ControlId 按钮1 = 0x16012ffd;
constexpr ControlId 标签2 = 0x16012ffc;
constexpr ControlId 标签1 = 0x16012ffb;
}  // namespace EnglishFinishWindowControls
