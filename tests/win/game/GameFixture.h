#pragma once

// A word-field game on a real 640 x 480 window with the shipped word list, seeded draws and time
// driven by timer messages. The host ends games the way the application does: it stops the timers
// and runs the game-over operation.

#include "WindowFixture.h"

#include "game/CZapGame.h"
#include "game/GameHost.h"
#include "rules/GameSettings.h"
#include "store/Preferences.h"
#include "support/ImportHook.h"
#include "words/Dictionary.h"
#include "words/Random.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

inline constexpr int kFieldWidth = 640;
inline constexpr int kFieldHeight = 480;

struct TestHost : GameHost {
    CGame* game = nullptr;
    std::vector<int> endReasons;
    unsigned titleId = 0;
    void EndGame(HWND window, int reason) override {
        endReasons.push_back(reason);
        if (game != nullptr) {
            game->StopTimers(window);
            game->OnGameOver(window, reason);
        }
    }
    void SetCurrentTitleId(unsigned id) override { titleId = id; }
};

// What the game asked of the platform: cursors shown and waves played, in order.
inline std::vector<HCURSOR> gCursors;
inline std::vector<int> gWaves;
inline POINT gPointer{-1000, -1000}; // screen position GetCursorPos reports

inline HCURSOR WINAPI SpySetCursor(HCURSOR cursor) {
    gCursors.push_back(cursor);
    return nullptr;
}
inline BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE, DWORD) {
    gWaves.push_back(static_cast<int>(reinterpret_cast<std::uintptr_t>(name)));
    return TRUE;
}
inline BOOL WINAPI SpyGetCursorPos(POINT* point) {
    *point = gPointer;
    return TRUE;
}

class ZapGameTest : public ::testing::Test {
protected:
    HWND window = nullptr;
    TestHost host;
    ImportHook<decltype(&SpySetCursor)> cursorHook{"user32.dll", "SetCursor", SpySetCursor};
    ImportHook<decltype(&SpyPlaySound)> soundHook{"winmm.dll", "PlaySoundA", SpyPlaySound};
    ImportHook<decltype(&SpyGetCursorPos)> pointerHook{"user32.dll", "GetCursorPos", SpyGetCursorPos};

    static Dictionary& Words() {
        static Dictionary* words = [] {
            auto* loaded = new Dictionary;
            loaded->Load("words.lst");
            return loaded;
        }();
        return *words;
    }

    void SetUp() override {
        ASSERT_TRUE(Words().Loaded) << "words.lst beside the test";
        savedSettings_ = GameSettings;
        savedPreferences_ = Preferences;
        savedWordFontSize_ = WordFontSize;
        GameSettings = GameSettingsRecord{};
        Preferences = PreferencesRecord{};
        Preferences.Sound = 1;
        WordFontSize = 24;
        SeedRandom(1);
        gCursors.clear();
        gWaves.clear();
        gPointer = POINT{-1000, -1000};
        static const bool registered = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "LexiblastGameTestWindow";
            return RegisterClassA(&windowClass) != 0;
        }();
        ASSERT_TRUE(registered);
        window = CreateWindowA("LexiblastGameTestWindow", "Lexiblast game test", WS_POPUP, 0, 0, kFieldWidth,
                               kFieldHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        host.game = nullptr;
        DestroyWindow(window);
        GameSettings = savedSettings_;
        Preferences = savedPreferences_;
        WordFontSize = savedWordFontSize_;
    }

    // Builds a game of type G from the current settings and paints it once, which lays the field out.
    template <typename G = CZapGame>
    std::unique_ptr<G> Start() {
        auto game = std::make_unique<G>(host, GetModuleHandleA(nullptr), &Words());
        host.game = game.get();
        game->OnPaint(window, nullptr);
        return game;
    }
    void Tick(CZapGame& game, int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            game.OnTimer(window, 205);
        }
    }
    // The word sprites on the field (no displays, no boxes), in the order they appeared.
    static std::vector<WordSprite*> FieldWords(const CZapGame& game) {
        std::vector<WordSprite*> words;
        for (const auto& sprite : game.FieldSprites) {
            if (sprite->State != SpriteDisplay && sprite->State != SpriteDeadBox) {
                words.push_back(sprite.get());
            }
        }
        return words;
    }
    // Points at the middle of sprite and presses a button there, through the game's handlers.
    int Click(CZapGame& game, const WordSprite& sprite, bool left) {
        const int x = (sprite.Rect.left + sprite.Rect.right) / 2;
        const int y = (sprite.Rect.top + sprite.Rect.bottom) / 2;
        game.OnMouseMove(window, x, y, 0);
        return left ? game.OnLButtonDown(window, x, y, MK_LBUTTON)
                    : game.OnRButtonDown(window, x, y, MK_RBUTTON);
    }
    bool IsListed(const WordSprite& sprite) { return Words().IsWord(sprite.Text.Chars) > 0; }

private:
    GameSettingsRecord savedSettings_;
    PreferencesRecord savedPreferences_;
    std::int32_t savedWordFontSize_ = 24;
};

// --- Helpers of the play and power-up tests ----------------------------------------------------

// Games in which no word comes by itself.
class QuietGameTest : public ZapGameTest {
protected:
    std::unique_ptr<CZapGame> StartQuiet() {
        auto game = Start();
        game->NextWordTicks = 0x7FFFFFFF;
        return game;
    }
};

// Places text through the game's own placement as a word (or, with SpriteJigglingSteady, as a
// power-up word); the new sprite, or null when it found no room.
inline WordSprite* Put(CZapGame& game, HWND window, const char* text, std::int32_t state = SpriteJiggling) {
    const CText word(text);
    return game.PlaceWord(window, &word, state) ? game.FieldSprites.back().get() : nullptr;
}
// Appends a dead box over r (left, top, right, bottom): room no word may take.
inline void AddBox(CZapGame& game, RECT r) {
    auto box = std::make_unique<DeadRectSprite>(RGB(0, 0, 0));
    box->Place(r.top, r.left, r.bottom, r.right);
    game.FieldSprites.push_back(std::move(box));
}
inline std::vector<std::string> Items(const StringList& list) {
    return std::vector<std::string>(list.Items, list.Items + list.Count);
}
// Everything a click or a tick may change, by name, so that a failed comparison shows what moved.
inline std::map<std::string, long long> Tally(const CZapGame& game) {
    long long live = 0;
    for (const auto& sprite : game.FieldSprites) {
        live += sprite->IsLive() ? 1 : 0;
    }
    return {{"score", game.ScoreDisplay->Value},
            {"words", game.WordsDisplay->Value},
            {"clock", game.ClockDisplay->Value},
            {"sprites", static_cast<long long>(game.FieldSprites.size())},
            {"live", live},
            {"waves", static_cast<long long>(gWaves.size())},
            {"lists", game.WordsZapped.Count + game.WordsEliminated.Count + game.WordsIgnored.Count +
                          game.FakesEliminated.Count + game.FakesZapped.Count + game.FakesIgnored.Count}};
}

// --- Layout helpers -------------------------------------------------------------------------------

// Gives window a client area of width x height and tells game, as the window procedure would, then
// lets it lay the field out again.
inline void ResizeField(HWND window, CZapGame& game, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    game.OnSize(window, width > 0 ? SIZE_RESTORED : SIZE_MINIMIZED, width, height);
    game.Layout(window, nullptr);
}
