#include "install/failure_box.h"

#include <windows.h>

#include <cstdlib>

#include "common/wide_text.h"
#include "shell/shell.h"
#include "shell/window_operations.h"

MessageBoxFunction FailureMessageBox = ShowMessageBox;

namespace {

struct FailureTexts {
    const char* title;
    const char* steps[5];  // by FailedStep
    const char* systemError;
    const char* separator;  // between the error number and the system's text
};

const FailureTexts ChineseTexts = {
    "安装错误",
    {"无法删除旧文件：", "无法创建安装目录：", "无法写入文件：", "无法创建桌面快捷方式：", "无法启动程序："},
    "系统错误 ",
    "：",
};

const FailureTexts EnglishTexts = {
    "Setup error",
    {"The old file could not be deleted:", "The install directory could not be created:",
     "The file could not be written:", "The desktop shortcut could not be created:",
     "The program could not be started:"},
    "System error ",
    ": ",
};

const FailureTexts& TextsOf(InstallLanguage language)
{
    return language == InstallLanguage::Chinese ? ChineseTexts : EnglishTexts;
}

// UTF-16 text as GBK, the code page of every text the boxes show.
Text ProgramTextFromWide(const wchar_t* wide, int length)
{
    if (length <= 0) return Text();
    const int needed = WideCharToMultiByte(ProgramCodePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return Text();
    char* bytes = static_cast<char*>(std::malloc(static_cast<size_t>(needed)));
    if (!bytes) return Text();
    const int converted = WideCharToMultiByte(ProgramCodePage, 0, wide, length, bytes, needed, nullptr, nullptr);
    Text text(bytes, converted > 0 ? static_cast<uint32_t>(converted) : 0);
    std::free(bytes);
    return text;
}

// A path in the system's ANSI code page, as GBK.
Text ProgramTextFromAnsi(const char* ansi)
{
    const int length = static_cast<int>(TextLength(ansi));
    if (length == 0) return Text();
    const int needed = MultiByteToWideChar(CP_ACP, 0, ansi, length, nullptr, 0);
    if (needed <= 0) return Text();
    wchar_t* wide = static_cast<wchar_t*>(std::malloc(static_cast<size_t>(needed) * sizeof(wchar_t)));
    if (!wide) return Text();
    const int converted = MultiByteToWideChar(CP_ACP, 0, ansi, length, wide, needed);
    Text text = ProgramTextFromWide(wide, converted);
    std::free(wide);
    return text;
}

// The system's own text for the error, without its line break; empty when it has none.
Text SystemErrorText(uint32_t error)
{
    // An HRESULT that wraps a Win32 error has the Win32 error's text.
    const uint32_t lookup = (error & 0xFFFF0000u) == 0x80070000u ? (error & 0xFFFFu) : error;
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, lookup,
        0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    if (length == 0 || !message) return Text();
    int kept = static_cast<int>(length);
    while (kept > 0 && (message[kept - 1] == L'\r' || message[kept - 1] == L'\n' || message[kept - 1] == L' ')) --kept;
    Text text = ProgramTextFromWide(message, kept);
    LocalFree(message);
    return text;
}

// "5" for a Win32 error, "0x80004005" for an HRESULT.
Text ErrorNumber(uint32_t error)
{
    char number[16];
    wsprintfA(number, (error & 0x80000000u) ? "0x%08lX" : "%lu", static_cast<unsigned long>(error));
    return Text(number);
}

// Joins the pieces in order into one text.
Text JoinAll(const char* const* pieces, uint32_t count)
{
    Text joined;
    for (uint32_t i = 0; i < count; ++i) joined = JoinTexts(joined.Bytes(), pieces[i]);
    return joined;
}

}  // namespace

const char* FailureTitle(InstallLanguage language) { return TextsOf(language).title; }

Text FailureMessage(InstallLanguage language, FailedStep step, const char* path, uint32_t error)
{
    const FailureTexts& texts = TextsOf(language);
    const Text shownPath = ProgramTextFromAnsi(path);
    const Text number = ErrorNumber(error);
    const Text systemText = SystemErrorText(error);
    const char* const pieces[] = {
        texts.steps[static_cast<uint8_t>(step)], "\r\n", shownPath.Bytes(), "\r\n\r\n",
        texts.systemError, number.Bytes(), systemText.IsEmpty() ? "" : texts.separator, systemText.Bytes(),
    };
    return JoinAll(pieces, sizeof(pieces) / sizeof(pieces[0]));
}

bool AskToRetry(InstallLanguage language, FailedStep step, const char* path, uint32_t error, WindowId owner)
{
    if (QuitRequested()) return false;
    const Text message = FailureMessage(language, step, path, error);
    return FailureMessageBox(message.Bytes(), MB_RETRYCANCEL | MB_ICONERROR, FailureTitle(language), owner) ==
           RetryAnswer;
}

void TellFailure(InstallLanguage language, FailedStep step, const char* path, uint32_t error, WindowId owner)
{
    if (QuitRequested()) return;
    const Text message = FailureMessage(language, step, path, error);
    FailureMessageBox(message.Bytes(), MB_OK | MB_ICONERROR, FailureTitle(language), owner);
}
