// The timed wait that keeps the windows alive: it dispatches, it never ends early, and a
// pending quit request neither ends it nor gets lost.
#include <gtest/gtest.h>

#include <windows.h>

#include "install/message_wait.h"

namespace {

constexpr UINT CountedMessage = WM_APP + 7;
int DispatchedCount = 0;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CountedMessage) {
        ++DispatchedCount;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A message-only window that counts the messages dispatched to it.
class CountingWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = CountingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"NelvarWaitTestWindow";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  windowClass.hInstance, nullptr);
        ASSERT_NE(window_, nullptr);
        DispatchedCount = 0;
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}  // nothing is left for the next test
    }
    HWND window_ = nullptr;
};

}  // namespace

TEST_F(CountingWindow, ANonPositiveDurationReturnsWithoutDispatching)
{
    for (int32_t duration : {0, -1, -3000}) {
        ASSERT_TRUE(PostMessageW(window_, CountedMessage, 0, 0));
        WaitDispatchingMessages(duration);
        EXPECT_EQ(DispatchedCount, 0) << "duration " << duration;
        MSG message;
        EXPECT_TRUE(PeekMessageW(&message, window_, CountedMessage, CountedMessage, PM_REMOVE));
    }
}

TEST_F(CountingWindow, DispatchesWhileWaitingAndLastsLongerThanAsked)
{
    ASSERT_TRUE(PostMessageW(window_, CountedMessage, 0, 0));
    const DWORD start = GetTickCount();
    WaitDispatchingMessages(150);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(DispatchedCount, 1);
    EXPECT_GT(elapsed, 150u);
}

TEST_F(CountingWindow, APendingQuitRequestNeitherEndsTheWaitNorIsTaken)
{
    PostQuitMessage(7);
    ASSERT_TRUE(PostMessageW(window_, CountedMessage, 0, 0));
    const DWORD start = GetTickCount();
    WaitDispatchingMessages(100);
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GT(elapsed, 100u);
    EXPECT_EQ(DispatchedCount, 1) << "the message before the quit request was not dispatched";
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit request was taken";
    EXPECT_EQ(message.wParam, 7u);
}

TEST(ElapsedTicks, IsCorrectAcrossTheWrapOfTheTickCount)
{
    struct Case { uint32_t start, now, elapsed; };
    const Case cases[] = {
        {1000, 1500, 500},
        {0xFFFFFF00u, 0x00000100u, 0x200},
        {0xFFFFFFFFu, 0, 1},
        {42, 42, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ElapsedTicks(c.start, c.now), c.elapsed) << c.start << " -> " << c.now;
    }
}
