// Which system names the start-up gate refuses.
#include <gtest/gtest.h>

#include "sysinfo/startup_gate.h"

TEST(StartupGate, RefusesOnlyTheExactNamesOfSystemsOlderThanVista)
{
    struct Case {
        const char* name;
        bool refused;
    };
    const Case cases[] = {
        {"Windows XP", true},
        {"Windows 2000", true},
        {"Windows 98", true},
        {"Windows Server 2003, ", true},
        {"Windows Server 2003 R2, ", true},
        {"Windows Storage Server 2003", true},
        {"Windows Home Server", true},
        {"Windows XP Professional x64 Edition", true},
        // Exact comparison: letter case, blanks and the trailing ", " count.
        {"windows xp", false},
        {"WINDOWS 2000", false},
        {"Windows XP ", false},
        {" Windows 98", false},
        {"Windows 9", false},
        {"Windows Server 2003,", false},
        {"Windows Server 2003", false},
        {"Windows 2003", false},
        // Names of accepted systems, the failure text and no name at all.
        {"Windows Vista", false},
        {"Windows 7", false},
        {"Windows 10", false},
        {"Windows Server 2008", false},
        {"获取失败，请检查版本:6.4", false},
        {"", false},
        {nullptr, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRefusedSystemName(c.name), c.refused) << "'" << (c.name ? c.name : "(none)") << "'";
    }
}
