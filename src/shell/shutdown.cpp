// Exit hooks, shutdown, and the run-time error stop.
#include <windows.h>

#include <ole2.h>

#include "common/text.h"
#include "common/wide_text.h"
#include "shell/shell.h"
#include "windows/window_layer.h"

bool ExitInProgress = false;

namespace {

constexpr uint32_t MaxExitHooks = 4;
ExitHook ExitHooks[MaxExitHooks];
uint32_t ExitHookCount = 0;
bool LayerReleased = false;

void ReleaseLayer()
{
    if (LayerReleased) return;
    LayerReleased = true;
    ReleaseWindowLayer();
    OleUninitialize();
}

}  // namespace

void RegisterExitHook(ExitHook hook)
{
    for (uint32_t i = 0; i < ExitHookCount; ++i) {
        if (ExitHooks[i] == hook) return;
    }
    if (ExitHookCount < MaxExitHooks) ExitHooks[ExitHookCount++] = hook;
}

void Shutdown()
{
    ExitInProgress = true;  // entered a second time, the list is empty and nothing more happens
    for (uint32_t i = 0; i < ExitHookCount; ++i) ExitHooks[i]();
    ExitHookCount = 0;
    ReleaseLayer();
}

void RunTimeErrorStop(const char* message, uint32_t errorCode)
{
    ExitInProgress = true;
    Text text = JoinTexts("运行时错误 / A run-time error has occurred:\r\n", message);
    if (errorCode != 0) {
        char code[40];
        wsprintfA(code, "\r\n错误代码 / error code: %lu", static_cast<unsigned long>(errorCode));
        text = JoinTexts(text.Bytes(), code);
    }
    const WideText wideText(text.Bytes(), static_cast<int32_t>(text.Length()));
    const WideText title("错误");
    MessageBoxW(nullptr, wideText.Chars(), title.Chars(), MB_ICONHAND);
    ExitHookCount = 0;  // the hooks do not run after an error stop
    ReleaseLayer();
    ExitProcess(0xFFFFFFFFu);
}
