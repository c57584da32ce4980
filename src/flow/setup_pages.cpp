#include "flow/setup_pages.h"

namespace {

constexpr SetupWindowPages ChinesePages()
{
    using namespace ChineseSetupWindowControls;
    return {ChineseSetupWindow, 标签1, 标签2, 按钮3, 编辑框1, 标签3, 按钮1, 按钮2, 标签4, 编辑框2, 按钮4, 标签5, true};
}

constexpr SetupWindowPages EnglishPages()
{
    using namespace EnglishSetupWindowControls;
    return {EnglishSetupWindow, 标签1, 标签2, 按钮3, 编辑框1, 标签3, 按钮1, 按钮2, 标签4, 编辑框2, 按钮4, 标签5, false};
}

}  // namespace

const SetupWindowPages ChineseSetupPages = ChinesePages();
const SetupWindowPages EnglishSetupPages = EnglishPages();
