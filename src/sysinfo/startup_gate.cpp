// StartWindow's creation handler: names the running system, refuses old ones with two error
// boxes and a deferred close of StartWindow, and in every case fills the language list.
#include "sysinfo/startup_gate.h"

#include "shell/window_operations.h"
#include "sysinfo/product_name.h"

Text CurrentSystemName;

namespace {

// The names that the product-name routine gives for systems older than Vista, in the order
// they are compared: the three oldest, then the five names of version 5.2.
const char* const RefusedSystemNames[] = {
    "Windows XP",
    "Windows 2000",
    "Windows 98",
    "Windows Server 2003, ",
    "Windows Server 2003 R2, ",
    "Windows Storage Server 2003",
    "Windows Home Server",
    "Windows XP Professional x64 Edition",
};

const char ChineseRefusalText[] =
    "系统版本过老，已不再被支持，请升级到vista及以上的系统，当前系统版本是：";
const char EnglishRefusalText[] =
    "The system version is too old and is no longer supported. Please upgrade to a vista or higher system. "
    "The current system version is:";
const char RefusalTitle[] = "错误";
constexpr uint32_t ErrorBoxStyle = 16;  // the error icon and a single OK button

void ShowRefusal(const char* refusalText)
{
    const Text text = JoinTexts(refusalText, CurrentSystemName.Bytes());
    ShowMessageBox(text.Bytes(), ErrorBoxStyle, RefusalTitle, NoWindow);
}

}  // namespace

bool IsRefusedSystemName(const char* name)
{
    for (const char* refused : RefusedSystemNames) {
        if (TextsEqual(name, refused)) return true;
    }
    return false;
}

void StartupGate()
{
    CurrentSystemName = GetWindowsProductName();  // releases the name held before
    if (IsRefusedSystemName(CurrentSystemName.Bytes())) {
        ShowRefusal(ChineseRefusalText);
        ShowRefusal(EnglishRefusalText);
        // Deferred: StartWindow stays alive until a loop handles the request, after this handler.
        DestroyWindowRequest(StartWindow, false);
    }
    AddComboItem(StartWindow, StartWindowControls::组合框1, "简体中文");
    AddComboItem(StartWindow, StartWindowControls::组合框1, "ENGISH");
    SetComboSelection(StartWindow, StartWindowControls::组合框1, 0);
}
