#include "WindowFixture.h"

#include "game/CGame.h"
#include "game/GameHost.h"
#include "store/GameKey.h"
#include "store/Preferences.h"

#include <cstdint>
#include <vector>

namespace {

struct FakeHost : GameHost {
    std::vector<int> endReasons;
    unsigned titleId = 0;
    void EndGame(HWND, int reason) override { endReasons.push_back(reason); }
    void SetCurrentTitleId(unsigned id) override { titleId = id; }
};

std::vector<int> gUndone;
std::vector<std::string> gEvents; // what reached the game and the window, in order

// An undo record that notes its number when it is taken back or dropped.
struct Numbered : UndoRecord {
    explicit Numbered(int n) : Number(n) {}
    ~Numbered() override { gUndone.push_back(Number); }
    int Number;
};

// A game that notes what reaches the operations a derived game overrides.
class RecordingGame : public CGame {
public:
    using CGame::CGame;

    int Layout(HWND window, HDC dc) override {
        gEvents.push_back("layout");
        return CGame::Layout(window, dc);
    }
    int OnPaint(HWND window, HDC dc) override {
        gEvents.push_back("paint");
        return CGame::OnPaint(window, dc);
    }
    int OnLButtonDown(HWND, int x, int y, UINT keys) override { return Press('L', x, y, keys); }
    int OnRButtonDown(HWND, int x, int y, UINT keys) override { return Press('R', x, y, keys); }
    static int Press(char button, int x, int y, UINT keys) {
        gEvents.push_back(Format("%c%d,%d,%u", button, x, y, keys));
        return 7;
    }
};

HWND gInvalidated = nullptr;
BOOL WINAPI SpyInvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    gInvalidated = window;
    gEvents.push_back(std::string(rect == nullptr ? "invalidate all" : "invalidate part") +
                      (erase ? " erasing" : ""));
    return TRUE;
}
std::vector<std::uintptr_t> gWaves;
BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE, DWORD) {
    gWaves.push_back(reinterpret_cast<std::uintptr_t>(name));
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
        gUndone.clear();
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

TEST_F(GameTest, ANewGameIsTheGenericCustomGameInThePreferredColours) {
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\Generic");
    EXPECT_EQ(host.titleId, 453u);
    EXPECT_EQ(game->TitleId(), 453u);
    EXPECT_EQ(game->DescriptionId(), 454u);
    EXPECT_EQ(game->Buffer.TextColour, kRed);
    EXPECT_EQ(game->Buffer.BackColour, kBlue);
    EXPECT_EQ(game->TimeLimitSeconds, -1);
    EXPECT_EQ(game->UndoStack.capacity(), 32u);
    const auto target = Surface(kGreen);
    game->OnSize(window, SIZE_RESTORED, 200, 100); // the buffer is brought back to the client size
    EXPECT_EQ(game->OnEraseBackground(window, target->MemoryDC), 1);
    EXPECT_EQ(game->Buffer.BufferWidth, kClientWidth);
    EXPECT_EQ(game->Buffer.BufferHeight, kClientHeight);
    EXPECT_EQ(CountPixels(target->MemoryDC, kClient, Not(kBlue)), 0); // the whole client area
}

TEST_F(GameTest, TheFieldIsLaidOutOnceAfterEachResizeAndRepaintedWhollyInNewSettings) {
    game->OnPaint(window, nullptr);
    game->OnPaint(window, nullptr);
    game->OnSize(window, SIZE_RESTORED, 200, 100);
    game->OnPaint(window, nullptr);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"paint", "layout", "paint", "paint", "layout"}));
    EXPECT_EQ(game->Buffer.BufferWidth, 200);
    EXPECT_EQ(game->Buffer.BufferHeight, 100);

    Preferences.ForegroundColor = kGreen;
    Preferences.BackgroundColor = kRed;
    gEvents.clear();
    {
        const ImportHook<decltype(&SpyInvalidateRect)> hook("user32.dll", "InvalidateRect",
                                                            SpyInvalidateRect);
        ASSERT_TRUE(hook.Installed());
        EXPECT_EQ(game->OnSettingsChanged(window, nullptr), 1);
    }
    EXPECT_EQ(gEvents, (std::vector<std::string>{"layout", "invalidate all erasing", "paint"}));
    EXPECT_EQ(gInvalidated, window);
    EXPECT_EQ(game->Buffer.TextColour, kGreen);
    EXPECT_EQ(game->Buffer.BackColour, kRed);
}

TEST_F(GameTest, TheOneSecondClockEndsTheGameWhenItReachesTheLimitExactly) {
    game->TimeLimitSeconds = 50;
    for (int tick = 1; tick <= 150; ++tick) {
        EXPECT_EQ(game->OnTimer(window, 202), 1) << tick;
        EXPECT_EQ(host.endReasons.size(), tick < 50 ? 0u : 1u) << tick;
    }
    EXPECT_EQ(host.endReasons, std::vector<int>{4}); // time up
    EXPECT_EQ(game->ElapsedSeconds, 150);
    for (const UINT other : {201u, 203u, 205u}) {
        EXPECT_EQ(game->OnTimer(window, other), 0) << other;
    }
    game->Running = 0;
    EXPECT_EQ(game->OnTimer(window, 202), 0);
    EXPECT_EQ(game->ElapsedSeconds, 150);
}

TEST_F(GameTest, ADoubleClickIsAPressOfTheSameButtonAndKeysAndCommandsAreLeftUnhandled) {
    EXPECT_EQ(game->OnLButtonDblClk(window, 5, 6, MK_LBUTTON), 7);
    EXPECT_EQ(game->OnRButtonDblClk(window, 8, 9, MK_RBUTTON | MK_SHIFT), 7);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"L5,6,1", "R8,9,6"}));

    CGame plain(host, nullptr, nullptr);
    plain.OnLButtonDblClk(window, 1, 1, 0);
    EXPECT_EQ(GetCapture(), window);
    plain.OnLButtonUp(window, 1, 1, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    EXPECT_EQ(game->OnKeyUp(window), 0);
    EXPECT_EQ(game->OnKeyDown(window), 0);
    EXPECT_EQ(game->OnKeyLeft(window), 0);
    EXPECT_EQ(game->OnKeyRight(window), 0);
    EXPECT_EQ(game->OnKeySpace(window), 0);
    EXPECT_EQ(game->OnCommand(window, 32786, 0, 0), 0);
}

TEST_F(GameTest, UndoTakesBackTheNewestRecordPastTheFirstThirtyTwo) {
    EXPECT_EQ(game->Undo(window), 0);
    for (int number = 1; number <= 33; ++number) {
        game->PushUndo(std::make_unique<Numbered>(number));
    }
    EXPECT_EQ(game->Undo(window), 1);
    EXPECT_EQ(game->Undo(window), 1);
    EXPECT_EQ(gUndone, (std::vector<int>{33, 32}));
    game.reset(); // the rest go with the game
    EXPECT_EQ(gUndone.size(), 33u);
}

TEST_F(GameTest, AGameWonOrOutOfTimePlaysWave238WhenSoundIsOn) {
    const ImportHook<decltype(&SpyPlaySound)> hook("winmm.dll", "PlaySoundA", SpyPlaySound);
    ASSERT_TRUE(hook.Installed());
    gWaves.clear();
    for (const int reason : {1, 2, 3, 4}) {
        game->OnGameOver(window, reason);
        gWaves.push_back(reason * 1000); // marks the end of each reason's requests
    }
    EXPECT_EQ(gWaves, (std::vector<std::uintptr_t>{238, 1000, 2000, 3000, 238, 4000}));
    Preferences.Sound = 0;
    game->OnGameOver(window, 1);
    EXPECT_EQ(gWaves.size(), 6u);
}

} // namespace
