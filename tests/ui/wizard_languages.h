#pragma once
// What the tests expect of each language's wizard: its windows, the controls of its setup window,
// and what it shows and installs.
#include "windows/identifiers.h"

struct WizardLanguage {
    const char* name;
    const wchar_t* tag;  // in the names of screenshots
    int listIndex;       // the language's item in the start window's list
    WindowId setupWindow, finishWindow;
    // The setup window's controls.
    ControlId 标签1, 标签2, 标签3, 标签4, 标签5, 编辑框1, 编辑框2, 按钮1, 按钮2, 按钮3, 按钮4;
    ControlId finishButton;
    bool titleOnAgreementPage;
    const wchar_t* declineText;
    int programIndex;  // storage index of the nelvar.exe build it installs
    const char* reportLanguage;
};

namespace languages {

namespace C = ChineseSetupWindowControls;
namespace E = EnglishSetupWindowControls;

inline constexpr WizardLanguage Chinese = {
    "Chinese", L"zh", 0, ChineseSetupWindow, ChineseFinishWindow,
    C::标签1, C::标签2, C::标签3, C::标签4, C::标签5, C::编辑框1, C::编辑框2, C::按钮1, C::按钮2, C::按钮3, C::按钮4,
    ChineseFinishWindowControls::按钮1, true, L"您必须同意协议安装才能继续", 6, "zh"};

inline constexpr WizardLanguage English = {
    "English", L"en", 1, EnglishSetupWindow, EnglishFinishWindow,
    E::标签1, E::标签2, E::标签3, E::标签4, E::标签5, E::编辑框1, E::编辑框2, E::按钮1, E::按钮2, E::按钮3, E::按钮4,
    EnglishFinishWindowControls::按钮1, false, L"You must agree to the protocol installation before continuing", 1,
    "en"};

inline constexpr const WizardLanguage* All[] = {&Chinese, &English};

}  // namespace languages
