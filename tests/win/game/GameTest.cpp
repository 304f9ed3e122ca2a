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

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class FakeHost : public GameHost {
public:
    std::vector<int> endReasons;
    unsigned titleId = 0;

    void EndGame(HWND, int reason) override { endReasons.push_back(reason); }
    void SetCurrentTitleId(unsigned id) override { titleId = id; }
};

std::vector<int> gWaves;

void RecordWave(int id, HINSTANCE) {
    gWaves.push_back(id);
}

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

TEST_F(GameTest, TheFieldIsLaidOutOnceAfterEachResizeAndAgainForNewSettings) {
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
    EXPECT_EQ(game->Buffer.BackColour, kRed);
}

TEST_F(GameTest, ErasingPaintsTheWholeClientAreaInTheBackgroundColour) {
    const TestSurface target(kGreen);
    EXPECT_EQ(game->OnEraseBackground(window, target.Dc()), 1);
    EXPECT_EQ(CountPixels(target.Dc(), kClient, [](COLORREF c) { return c != kBlue; }), 0);
}

TEST_F(GameTest, TheTimeLimitEndsTheGameAtItsTickAndNeverAgain) {
    game->TimeLimitSeconds = 50;
    for (int tick = 1; tick < 50; ++tick) {
        ASSERT_EQ(game->OnTimer(window, IDT_CLOCK), 1);
    }
    EXPECT_TRUE(host.endReasons.empty());
    game->OnTimer(window, IDT_CLOCK);
    EXPECT_EQ(host.endReasons, std::vector<int>{4});
    for (int tick = 0; tick < 100; ++tick) {
        game->OnTimer(window, IDT_CLOCK);
    }
    EXPECT_EQ(host.endReasons.size(), 1u);

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
    std::vector<int> destroyed;
    struct Numbered : UndoRecord {
        Numbered(std::vector<int>& destroyedLog, int id) : log(destroyedLog), number(id) {}
        ~Numbered() override { log.push_back(number); }
        std::vector<int>& log;
        int number;
    };
    EXPECT_EQ(game->Undo(window), 0);
    for (int number = 1; number <= 40; ++number) {
        game->PushUndo(std::make_unique<Numbered>(destroyed, number));
    }
    EXPECT_EQ(game->Undo(window) + game->Undo(window), 2);
    EXPECT_EQ(destroyed, (std::vector<int>{40, 39}));

    for (const int reason : {1, 2, 4}) {
        game->OnGameOver(window, reason);
    }
    EXPECT_EQ(gWaves, (std::vector<int>{238, 238}));
    game.reset();
    EXPECT_EQ(destroyed.size(), 40u);
}

} // namespace
