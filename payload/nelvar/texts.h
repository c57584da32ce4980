// The texts of one language build of Nelvar; the build defines NELVAR_LANGUAGE_ZH or
// NELVAR_LANGUAGE_EN.
#pragma once

#include <windows.h>

#if defined(NELVAR_LANGUAGE_ZH) && !defined(NELVAR_LANGUAGE_EN)

constexpr const wchar_t* LanguageCode = L"zh";
constexpr const wchar_t* RunningText = L"奈瓦正在运行";
constexpr const wchar_t* LibraryLabel = L"程序库：";
constexpr const wchar_t* PictureMissingText = L"无法加载图片 Pellot.png";
constexpr const wchar_t* FontFace = L"Microsoft YaHei";
constexpr BYTE FontCharset = GB2312_CHARSET;

#elif defined(NELVAR_LANGUAGE_EN) && !defined(NELVAR_LANGUAGE_ZH)

constexpr const wchar_t* LanguageCode = L"en";
constexpr const wchar_t* RunningText = L"Nelvar is running";
constexpr const wchar_t* LibraryLabel = L"Library: ";
constexpr const wchar_t* PictureMissingText = L"The picture Pellot.png could not be loaded";
constexpr const wchar_t* FontFace = L"Segoe UI";
constexpr BYTE FontCharset = ANSI_CHARSET;

#else
#error "Define exactly one of NELVAR_LANGUAGE_ZH and NELVAR_LANGUAGE_EN"
#endif
