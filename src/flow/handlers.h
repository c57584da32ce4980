#pragma once
// The wizard's handlers, bound to windows and buttons in the window definitions.

// StartWindow, 按钮1 ("Next"): opens the setup window of the chosen language.
void LanguageChosen();

void ChineseSetupWindowCreated();
void EnglishSetupWindowCreated();
void ChineseToAgreementPage();
void EnglishToAgreementPage();
void ChineseAgreementAccepted();
void EnglishAgreementAccepted();
void ChineseAgreementDeclined();
void EnglishAgreementDeclined();

void ChineseFinishWindowCreated();
void EnglishFinishWindowCreated();
