#include "WindowFixture.h"

#include "game/CGame.h"
#include "game/GameHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

struct EndCall {
    HWND window;
    int reason;
};

class FakeHost : public GameHost {
public:
    std::vector<EndCall> ended;
    std::string gameKey;
    unsigned titleId = 0;
    std::vector<unsigned> sounds;
    COLORREF foreground = kRed;
    COLORREF background = kBlue;

    void EndGame(HWND window, int reason) override { ended.push_back({window, reason}); }
    void SetGameKey(const char* key) override { gameKey = key; }
    void SetCurrentTitleId(unsigned id) override { titleId = id; }
    void PlaySoundEffect(unsigned id) override { sounds.push_back(id); }
    COLORREF ForegroundColor() const override { return foreground; }
    COLORREF BackgroundColor() const override { return background; }
};

struct Press {
    int x, y;
    UINT keys;
};

// A game that records what reaches the operations a derived game overrides.
class RecordingGame : public CGame {
public:
    using CGame::CGame;

    int layouts = 0;
    std::vector<Press> leftPresses, rightPresses;

    int Layout(HWND window, HDC dc) override {
        ++layouts;
        return CGame::Layout(window, dc);
    }
    int OnLButtonDown(HWND, int x, int y, UINT keys) override {
        leftPresses.push_back({x, y, keys});
        return 7;
    }
    int OnRButtonDown(HWND, int x, int y, UINT keys) override {
        rightPresses.push_back({x, y, keys});
        return 9;
    }
};

class GameTest : public WindowTest {
protected:
    FakeHost host;
    std::unique_ptr<RecordingGame> game;

    void SetUp() override {
        WindowTest::SetUp();
        game = std::make_unique<RecordingGame>(host, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        game.reset();
        WindowTest::TearDown();
    }
};

TEST_F(GameTest, ANewGameTakesThePreferredColoursAndNamesItselfCustom) {
    EXPECT_EQ(game->Buffer.TextColour, kRed);
    EXPECT_EQ(game->Buffer.BackColour, kBlue);
    EXPECT_EQ(host.gameKey, "Software\\Quillmoor\\Lexiblast\\Generic");
    EXPECT_EQ(host.titleId, 453u);
    EXPECT_EQ(game->TitleId(), 453u);
    EXPECT_EQ(game->DescriptionId(), 454u);
    EXPECT_EQ(game->Score(), 0);
}

TEST_F(GameTest, TheFieldIsLaidOutOnceAfterEachResize) {
    game->OnPaint(window, nullptr);
    game->OnPaint(window, nullptr);
    EXPECT_EQ(game->layouts, 1);
    EXPECT_EQ(game->OnSize(window, SIZE_RESTORED, 200, 100), 1);
    EXPECT_EQ(game->LaidOut, 0);
    EXPECT_EQ(game->Buffer.BufferWidth, 200);
    EXPECT_EQ(game->Buffer.BufferHeight, 100);
    EXPECT_EQ(game->OnPaint(window, nullptr), 1);
    game->OnPaint(window, nullptr);
    EXPECT_EQ(game->layouts, 2);

    host.foreground = kGreen;
    host.background = kRed;
    EXPECT_EQ(game->OnSettingsChanged(window, nullptr), 1);
    EXPECT_EQ(game->layouts, 3);
    EXPECT_EQ(game->Buffer.TextColour, kGreen);
    EXPECT_EQ(game->Buffer.BackColour, kRed);
}

TEST_F(GameTest, ErasingPaintsTheWholeClientAreaInTheBackgroundColour) {
    const TestSurface target(kClientWidth, kClientHeight, kGreen);
    EXPECT_EQ(game->OnEraseBackground(window, target.Dc()), 1);
    EXPECT_EQ(game->Buffer.BufferWidth, kClientWidth);
    EXPECT_EQ(game->Buffer.BufferHeight, kClientHeight);
    EXPECT_EQ(CountPixels(target.Dc(), RECT{0, 0, kClientWidth, kClientHeight},
                          [](COLORREF c) { return c != kBlue; }),
              0);
}

TEST_F(GameTest, TheTimeLimitEndsTheGameAtItsTickAndNeverAgain) {
    game->TimeLimitSeconds = 50;
    for (int tick = 1; tick < 50; ++tick) {
        ASSERT_EQ(game->OnTimer(window, kClockTimerId), 1);
    }
    EXPECT_TRUE(host.ended.empty());
    game->OnTimer(window, kClockTimerId);
    ASSERT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(host.ended[0].window, window);
    EXPECT_EQ(host.ended[0].reason, 4);
    for (int tick = 0; tick < 100; ++tick) {
        game->OnTimer(window, kClockTimerId);
    }
    EXPECT_EQ(host.ended.size(), 1u);
    EXPECT_EQ(game->ElapsedSeconds, 150);

    EXPECT_EQ(game->OnTimer(window, 205), 0);
    EXPECT_EQ(game->OnTimer(window, 0), 0);
    game->Running = 0;
    EXPECT_EQ(game->OnTimer(window, kClockTimerId), 0);
    EXPECT_EQ(game->ElapsedSeconds, 150);

    RecordingGame unlimited(host, nullptr, nullptr);
    for (int tick = 0; tick < 200; ++tick) {
        unlimited.OnTimer(window, kClockTimerId);
    }
    EXPECT_EQ(host.ended.size(), 1u);
}

TEST_F(GameTest, ADoubleClickIsAPressOfTheSameButton) {
    EXPECT_EQ(game->OnLButtonDblClk(window, 5, 6, MK_LBUTTON), 7);
    EXPECT_EQ(game->OnRButtonDblClk(window, 8, 9, MK_RBUTTON | MK_SHIFT), 9);
    ASSERT_EQ(game->leftPresses.size(), 1u);
    ASSERT_EQ(game->rightPresses.size(), 1u);
    EXPECT_EQ(game->leftPresses[0].x, 5);
    EXPECT_EQ(game->leftPresses[0].y, 6);
    EXPECT_EQ(game->leftPresses[0].keys, UINT{MK_LBUTTON});
    EXPECT_EQ(game->rightPresses[0].x, 8);
    EXPECT_EQ(game->rightPresses[0].keys, UINT{MK_RBUTTON | MK_SHIFT});

    CGame plain(host, nullptr, nullptr);
    EXPECT_EQ(plain.OnLButtonDblClk(window, 1, 1, 0), 1);
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(plain.OnLButtonUp(window, 1, 1, 0), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(GameTest, UndoTakesBackTheNewestRecordUntilNoneIsLeft) {
    std::vector<int> destroyed;
    class Numbered : public UndoRecord {
    public:
        Numbered(std::vector<int>& log, int number) : log_(log), number_(number) {}
        ~Numbered() override { log_.push_back(number_); }

    private:
        std::vector<int>& log_;
        int number_;
    };
    EXPECT_EQ(game->Undo(window), 0);
    for (int number = 1; number <= 40; ++number) { // beyond the first capacity
        game->PushUndo(std::make_unique<Numbered>(destroyed, number));
    }
    EXPECT_EQ(game->Undo(window), 1);
    EXPECT_EQ(game->Undo(window), 1);
    EXPECT_EQ(destroyed, (std::vector<int>{40, 39}));
    game.reset(); // the rest go with the game
    EXPECT_EQ(destroyed.size(), 40u);
}

TEST_F(GameTest, OnlyAWonOrTimedOutGamePlaysTheGameOverWave) {
    game->OnGameOver(window, 2);
    EXPECT_TRUE(host.sounds.empty());
    game->OnGameOver(window, 1);
    game->OnGameOver(window, 4);
    EXPECT_EQ(host.sounds, (std::vector<unsigned>{238, 238}));
}

} // namespace
