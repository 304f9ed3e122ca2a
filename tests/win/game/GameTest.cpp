#include "WindowFixture.h"

#include "game/CGame.h"
#include "game/GameHost.h"
#include "store/GameKey.h"
#include "store/Preferences.h"

#include <cstdint>
#include <vector>

namespace {

std::vector<std::string> gEvents; // what reached the game, the window and the undo records, in order

struct FakeHost : GameHost {
    void EndGame(HWND, int reason) override { gEvents.push_back(Format("end %d", reason)); }
    void SetCurrentTitleId(unsigned id) override { gEvents.push_back(Format("title %u", id)); }
};

struct Numbered : UndoRecord {
    explicit Numbered(int n) : Number(n) {}
    ~Numbered() override { gEvents.push_back(Format("undone %d", Number)); }
    int Number;
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
BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE, DWORD) {
    gEvents.push_back(Format("wave %d", static_cast<int>(reinterpret_cast<std::uintptr_t>(name))));
    return TRUE;
}

class GameTest : public WindowTest {
protected:
    FakeHost host;
    std::unique_ptr<RecordingGame> game;
    PreferencesRecord saved = Preferences;
    std::vector<std::string> constructed; // the events of the game's construction

    void SetUp() override {
        WindowTest::SetUp();
        Preferences.ForegroundColor = kRed;
        Preferences.BackgroundColor = kBlue;
        Preferences.Sound = 1;
        gEvents.clear();
        SetGameKey("Software\\Quillmoor\\Lexiblast\\RoundRobin");
        game = std::make_unique<RecordingGame>(host, GetModuleHandleA(nullptr), nullptr);
        constructed.swap(gEvents);
    }
    void TearDown() override {
        game.reset();
        Preferences = saved;
        WindowTest::TearDown();
    }
};

TEST_F(GameTest, ANewGameIsTheGenericCustomGameLaidOutOnceAfterEachResizeInThePreferredColours) {
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\Generic");
    EXPECT_EQ(constructed, std::vector<std::string>{"title 453"});
    EXPECT_EQ(game->TitleId(), 453u);
    EXPECT_EQ(game->DescriptionId(), 454u);
    game->OnPaint(window, nullptr);
    game->OnPaint(window, nullptr);
    game->OnSize(window, SIZE_RESTORED, 200, 100);
    game->OnPaint(window, nullptr);
    EXPECT_EQ(game->Buffer.BufferWidth, 200);
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
    EXPECT_EQ(gEvents, (std::vector<std::string>{"paint", "layout", "paint", "paint", "layout", "layout",
                                                 "invalidate all erasing", "paint"}));
    EXPECT_EQ(game->Buffer.TextColour, kGreen);
    EXPECT_EQ(game->Buffer.BackColour, kRed);
}

TEST_F(GameTest, TheOneSecondClockEndsTheGameWhenItReachesTheLimitExactly) {
    game->TimeLimitSeconds = 50;
    for (int tick = 1; tick <= 60; ++tick) {
        EXPECT_EQ(game->OnTimer(window, 202), 1) << tick;
        EXPECT_EQ(gEvents.size(), tick < 50 ? 0u : 1u) << tick;
    }
    EXPECT_EQ(gEvents, std::vector<std::string>{"end 4"}); // time up
    for (const UINT other : {201u, 203u, 205u}) {
        EXPECT_EQ(game->OnTimer(window, other), 0) << other;
    }
    game->Running = 0;
    EXPECT_EQ(game->OnTimer(window, 202), 0);
    EXPECT_EQ(game->ElapsedSeconds, 60);
}

TEST_F(GameTest, ADoubleClickIsAPressKeysAndCommandsAreUnhandledAndUndoTakesBackTheNewest) {
    EXPECT_EQ(game->OnLButtonDblClk(window, 5, 6, MK_LBUTTON), 7);
    EXPECT_EQ(game->OnRButtonDblClk(window, 8, 9, MK_RBUTTON | MK_SHIFT), 7);
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
    for (int number = 1; number <= 3; ++number) {
        game->PushUndo(std::make_unique<Numbered>(number));
    }
    EXPECT_EQ(game->Undo(window), 1);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"L5,6,1", "R8,9,6", "title 453", "undone 3"}));
    game.reset(); // the rest go with the game
    EXPECT_EQ(gEvents.size(), 6u);
}

TEST_F(GameTest, AGameWonOrOutOfTimePlaysWave238WhenSoundIsOn) {
    const ImportHook<decltype(&SpyPlaySound)> hook("winmm.dll", "PlaySoundA", SpyPlaySound);
    ASSERT_TRUE(hook.Installed());
    for (const int reason : {1, 2, 3, 4}) {
        game->OnGameOver(window, reason);
        gEvents.push_back(Format("reason %d", reason)); // marks the end of each reason's requests
    }
    Preferences.Sound = 0;
    game->OnGameOver(window, 1);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"wave 238", "reason 1", "reason 2", "reason 3", "wave 238",
                                                 "reason 4"}));
}

} // namespace
