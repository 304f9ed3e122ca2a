#include "GameFixture.h"

namespace {

int gDebuggerLines = 0;
void WINAPI SpyOutputDebugString(LPCSTR /*line*/) {
    ++gDebuggerLines;
}

TEST_F(ZapGameTest, AskingForWordsAtEveryTickWritesNothingToTheDebugger) {
    const ImportHook<decltype(&SpyOutputDebugString)> hook("kernel32.dll", "OutputDebugStringA",
                                                           SpyOutputDebugString);
    ASSERT_TRUE(hook.Installed());
    gDebuggerLines = 0;
    auto game = Start();
    Tick(*game, 200);
    EXPECT_GT(FieldWords(*game).size(), 5u);
    EXPECT_EQ(gDebuggerLines, 0);
}

} // namespace
