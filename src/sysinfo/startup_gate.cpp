// StartWindow's creation handler. Not finished: it fills the language list but does not yet
// name or refuse the running system.
#include "sysinfo/startup_gate.h"

#include "shell/window_operations.h"

Text CurrentSystemName;

void StartupGate()
{
    AddComboItem(StartWindow, StartWindowControls::组合框1, "简体中文");
    AddComboItem(StartWindow, StartWindowControls::组合框1, "ENGISH");
    SetComboSelection(StartWindow, StartWindowControls::组合框1, 0);
}
