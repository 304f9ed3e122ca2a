#include "WindowFixture.h"

#include "game/CGame.h"
#include "game/GameHost.h"
#include "resources/resource.h"
#include "sound/Sound.h"
#include "store/GameKey.h"
#include "store/Preferences.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class FakeHost : public GameHost {
public:
    std::vector<int> endReasons;
    unsigned titleId = 0;

    void EndGame(HWND, int reason) override { endReasons.push_back(reason); }
    void SetCurrentTitleId(unsigned id) override { titleId = id; }
};

std::vector<int> gWaves, gUndone;

void RecordWave(int id, HINSTANCE) {
    gWaves.push_back(id);
}

// An undo record that notes its number when it is taken back or dropped.
struct Numbered : UndoRecord {
    explicit Numbered(int n) : Number(n) {}
    ~Numbered() override { gUndone.push_back(Number); }
    int Number;
};

// A game that records what reaches the operations a derived game overrides.
class RecordingGame : public CGame {
public:
    using CGame::CGame;

    int layouts = 0;
    std::vector<std::string> presses;

    int Layout(HWND window, HDC dc) override {
        ++layouts;
        return CGame::Layout(window, dc);
    }
    int OnLButtonDown(HWND, int x, int y, UINT keys) override { return Record("L", x, y, keys); }
    int OnRButtonDown(HWND, int x, int y, UINT keys) override { return Record("R", x, y, keys); }

private:
    int Record(const char* button, int x, int y, UINT keys) {
        presses.push_back(button + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(keys));
        return 7;
    }
};

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
        gWaves.clear();
        gUndone.clear();
        SetWavePlayer(RecordWave);
        SetGameKey("Software\\Quillmoor\\Lexiblast\\RoundRobin");
        game = std::make_unique<RecordingGame>(host, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        game.reset();
        SetWavePlayer(nullptr);
        Preferences = saved;
        WindowTest::TearDown();
    }
};

TEST_F(GameTest, TheFieldIsLaidOutOnceAfterEachResizeAndAgainInTheColoursOfNewSettings) {
    EXPECT_STREQ(GameKey(), "Software\\Quillmoor\\Lexiblast\\Generic");
    EXPECT_EQ(host.titleId, 453u);
    game->OnPaint(window, nullptr);
    game->OnPaint(window, nullptr);
    EXPECT_EQ(game->layouts, 1);
    game->OnSize(window, SIZE_RESTORED, 200, 100);
    EXPECT_EQ(game->Buffer.BufferWidth * 1000 + game->Buffer.BufferHeight, 200100);
    game->OnPaint(window, nullptr);
    game->OnPaint(window, nullptr);
    EXPECT_EQ(game->layouts, 2);

    EXPECT_EQ(game->Buffer.TextColour, kRed);
    Preferences.ForegroundColor = kGreen;
    Preferences.BackgroundColor = kRed;
    game->OnSettingsChanged(window, nullptr);
    EXPECT_EQ(game->layouts, 3);
    EXPECT_EQ(game->Buffer.TextColour, kGreen);
    const TestSurface target(kGreen);
    EXPECT_EQ(game->OnEraseBackground(window, target.Dc()), 1); // the whole client area
    EXPECT_EQ(CountPixels(target.Dc(), kClient, Not(kRed)), 0);
}

TEST_F(GameTest, TheTimeLimitEndsTheGameAtItsTickAndNeverAgain) {
    game->TimeLimitSeconds = 50;
    for (int tick = 1; tick <= 150; ++tick) {
        ASSERT_EQ(game->OnTimer(window, IDT_CLOCK), 1);
        ASSERT_EQ(host.endReasons.size(), tick < 50 ? 0u : 1u) << tick;
    }
    EXPECT_EQ(host.endReasons, std::vector<int>{4});
    EXPECT_EQ(game->OnTimer(window, 205), 0);
    game->Running = 0;
    EXPECT_EQ(game->OnTimer(window, IDT_CLOCK), 0);
    EXPECT_EQ(game->ElapsedSeconds, 150);

    RecordingGame unlimited(host, nullptr, nullptr);
    for (int tick = 0; tick < 200; ++tick) {
        unlimited.OnTimer(window, IDT_CLOCK);
    }
    EXPECT_EQ(host.endReasons.size(), 1u);
}

TEST_F(GameTest, ADoubleClickIsAPressOfTheSameButton) {
    EXPECT_EQ(game->OnLButtonDblClk(window, 5, 6, MK_LBUTTON), 7);
    EXPECT_EQ(game->OnRButtonDblClk(window, 8, 9, MK_RBUTTON | MK_SHIFT), 7);
    EXPECT_EQ(game->presses, (std::vector<std::string>{"L5,6,1", "R8,9,6"}));

    CGame plain(host, nullptr, nullptr);
    plain.OnLButtonDblClk(window, 1, 1, 0);
    EXPECT_EQ(GetCapture(), window);
    plain.OnLButtonUp(window, 1, 1, 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(GameTest, UndoTakesBackTheNewestRecordAndOnlyAWonGamePlaysTheGameOverWave) {
    EXPECT_EQ(game->Undo(window), 0);
    for (int number = 1; number <= 40; ++number) {
        game->PushUndo(std::make_unique<Numbered>(number));
    }
    EXPECT_EQ(game->Undo(window) + game->Undo(window), 2);
    EXPECT_EQ(gUndone, (std::vector<int>{40, 39}));

    for (const int reason : {1, 2, 4}) {
        game->OnGameOver(window, reason);
    }
    EXPECT_EQ(gWaves, (std::vector<int>{238, 238}));
    game.reset();
    EXPECT_EQ(gUndone.size(), 40u);
}

} // namespace
