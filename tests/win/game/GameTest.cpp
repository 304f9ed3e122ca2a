#include "WindowFixture.h"

#include "game/CGame.h"
#include "game/GameHost.h"
#include "store/GameKey.h"
#include "store/Preferences.h"

#include <vector>

namespace {

std::vector<std::string> gEvents; // what reached the game, the window and the host, in order

struct FakeHost : GameHost {
    void EndGame(HWND, int) override {}
    void SetCurrentTitleId(unsigned id) override { gEvents.push_back(Format("title %u", id)); }
};

// A game that notes what reaches the operations a derived game overrides.
class RecordingGame : public CGame {
public:
    using CGame::CGame;
    int Layout(HWND window, HDC dc) override {
        return gEvents.push_back("layout"), CGame::Layout(window, dc);
    }
    int OnPaint(HWND window, HDC dc) override {
        return gEvents.push_back("paint"), CGame::OnPaint(window, dc);
    }
    int OnLButtonDown(HWND, int x, int y, UINT keys) override { return Press('L', x, y, keys); }
    int OnRButtonDown(HWND, int x, int y, UINT keys) override { return Press('R', x, y, keys); }
    static int Press(char button, int x, int y, UINT keys) {
        return gEvents.push_back(Format("%c%d,%d,%u", button, x, y, keys)), 7;
    }
};

BOOL WINAPI SpyInvalidateRect(HWND, const RECT* rect, BOOL erase) {
    gEvents.push_back(std::string(rect == nullptr ? "invalidate all" : "invalidate part") +
                      (erase ? " erasing" : ""));
    return TRUE;
}
class GameTest : public WindowTest {
protected:
    FakeHost host;
    std::unique_ptr<RecordingGame> game;
    PreferencesRecord saved = Preferences;

    void SetUp() override {
        WindowTest::SetUp();
        Preferences.ForegroundColor = kRed;
        Preferences.BackgroundColor = kBlue;
        Preferences.Sound = 1;
        gEvents.clear();
        SetGameKey("Software\\Quillmoor\\Lexiblast\\RoundRobin");
        game = std::make_unique<RecordingGame>(host, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        game.reset();
        Preferences = saved;
        WindowTest::TearDown();
    }
};

TEST_F(GameTest, ANewGameIsTheGenericCustomGameLaidOutOnceAfterEachResizeInThePreferredColours) {
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\Generic");
    EXPECT_EQ(game->TitleId(), 453u);
    EXPECT_EQ(game->DescriptionId(), 454u);
    game->OnPaint(window, nullptr);
    game->OnPaint(window, nullptr);
    game->OnSize(window, SIZE_RESTORED, 200, 100);
    game->OnPaint(window, nullptr);
    const auto target = Surface(kGreen);
    EXPECT_EQ(game->OnEraseBackground(window, target->MemoryDC), 1); // the buffer back at the client size
    EXPECT_EQ(game->Buffer.BufferWidth, kClientWidth);
    EXPECT_EQ(CountPixels(target->MemoryDC, kClient, Not(kBlue)), 0);
    Preferences.ForegroundColor = kGreen;
    Preferences.BackgroundColor = kRed;
    {
        const ImportHook<decltype(&SpyInvalidateRect)> hook("user32.dll", "InvalidateRect",
                                                            SpyInvalidateRect);
        ASSERT_TRUE(hook.Installed());
        EXPECT_EQ(game->OnSettingsChanged(window, nullptr), 1);
    }
    EXPECT_EQ(gEvents, (std::vector<std::string>{"title 453", "paint", "layout", "paint", "paint", "layout",
                                                 "layout", "invalidate all erasing", "paint"}));
    EXPECT_EQ(game->Buffer.TextColour, kGreen);
    EXPECT_EQ(game->Buffer.BackColour, kRed);
}

TEST_F(GameTest, ADoubleClickIsAPressAndKeysCommandsAndAnEmptyUndoAreNotHandled) {
    gEvents.clear();
    EXPECT_EQ(game->OnLButtonDblClk(window, 5, 6, MK_LBUTTON), 7);
    EXPECT_EQ(game->OnRButtonDblClk(window, 8, 9, MK_RBUTTON | MK_SHIFT), 7);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"L5,6,1", "R8,9,6"}));
    CGame plain(host, nullptr, nullptr);
    plain.OnLButtonDblClk(window, 1, 1, 0);
    EXPECT_EQ(GetCapture(), window);
    plain.OnLButtonUp(window, 1, 1, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    for (const auto key :
         {&CGame::OnKeyUp, &CGame::OnKeyDown, &CGame::OnKeyLeft, &CGame::OnKeyRight, &CGame::OnKeySpace}) {
        EXPECT_EQ(((*game).*key)(window), 0);
    }
    EXPECT_EQ(game->OnCommand(window, 32786, 0, 0), 0);
    EXPECT_EQ(game->Undo(window), 0);
}

} // namespace
