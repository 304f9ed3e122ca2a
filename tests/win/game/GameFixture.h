#pragma once

// A word-field game on a real 640 x 480 window with the shipped word list and seeded draws; the host ends
// a game as the application does. Cursors and sounds are spied; the pointer rests far off the field.

#include "WindowFixture.h"

#include "game/CZapGame.h"
#include "game/GameHost.h"
#include "rules/GameSettings.h"
#include "store/Preferences.h"
#include "words/Dictionary.h"
#include "words/Random.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

struct TestHost : GameHost {
    CGame* game = nullptr;
    std::vector<int> endReasons;
    unsigned titleId = 0;
    void EndGame(HWND window, int reason) override {
        endReasons.push_back(reason);
        game->StopTimers(window);
        game->OnGameOver(window, reason);
    }
    void SetCurrentTitleId(unsigned id) override { titleId = id; }
};

inline std::vector<HCURSOR> gCursors; // shown, in order
inline std::vector<int> gWaves;       // played, in order

class ZapGameTest : public WindowTest {
protected:
    static HCURSOR WINAPI SpySetCursor(HCURSOR cursor) { return gCursors.push_back(cursor), nullptr; }
    static BOOL WINAPI SpyPlaySound(LPCSTR name, HMODULE, DWORD) {
        return gWaves.push_back(static_cast<int>(reinterpret_cast<std::uintptr_t>(name))), TRUE;
    }
    static BOOL WINAPI SpyGetCursorPos(POINT* point) { return *point = POINT{-1000, -1000}, TRUE; }
    ImportHook<decltype(&SpySetCursor)> cursorHook{"user32.dll", "SetCursor", SpySetCursor};
    ImportHook<decltype(&SpyPlaySound)> soundHook{"winmm.dll", "PlaySoundA", SpyPlaySound};
    ImportHook<decltype(&SpyGetCursorPos)> pointerHook{"user32.dll", "GetCursorPos", SpyGetCursorPos};
    TestHost host;

    static Dictionary& Words() {
        static Dictionary* words = [] {
            auto* loaded = new Dictionary;
            loaded->Load("words.lst");
            return loaded;
        }();
        return *words;
    }
    static bool IsListed(const char* text) { return Words().IsWord(text) > 0; }

    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(Words().Loaded) << "words.lst beside the test";
        GameSettings = GameSettingsRecord{};
        Preferences = PreferencesRecord{};
        Preferences.Sound = 1;
        WordFontSize = 24;
        WordSizeFieldHeight = 0;
        SeedRandom(1);
        gCursors.clear();
        gWaves.clear();
        SetWindowPos(window, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // A game of type G from the current settings, painted once so that the field is laid out.
    template <typename G = CZapGame>
    std::unique_ptr<CZapGame> Start() {
        std::unique_ptr<CZapGame> game = std::make_unique<G>(host, GetModuleHandleA(nullptr), &Words());
        host.game = game.get();
        game->OnPaint(window, nullptr);
        return game;
    }
    std::unique_ptr<CZapGame> StartQuiet() { // one that adds no word by itself
        auto game = Start();
        game->NextWordTicks = 0x7FFFFFFF;
        return game;
    }
    void Tick(CZapGame& game, int ticks = 1) {
        while (ticks-- > 0) {
            game.OnTimer(window, 205);
        }
    }
    // Points at the middle of sprite and presses a button there.
    int Click(CZapGame& game, const WordSprite& sprite, bool left) {
        const int x = (sprite.Rect.left + sprite.Rect.right) / 2,
                  y = (sprite.Rect.top + sprite.Rect.bottom) / 2;
        game.OnMouseMove(window, x, y, 0);
        return left ? game.OnLButtonDown(window, x, y, 0) : game.OnRButtonDown(window, x, y, 0);
    }
    // Places text through the game's own placement; the new sprite, or null when it found no room.
    WordSprite* Put(CZapGame& game, const char* text, std::int32_t state = SpriteJiggling) {
        const CText word(text);
        return game.PlaceWord(window, &word, state) ? game.FieldSprites.back().get() : nullptr;
    }
    WordSprite* PowerUp(CZapGame& game, const char* name) { return Put(game, name, SpriteJigglingSteady); }
};

// The words and power-up words on the field, in the order they appeared.
inline std::vector<WordSprite*> FieldWords(const CZapGame& game) {
    std::vector<WordSprite*> words;
    for (const auto& sprite : game.FieldSprites) {
        if (sprite->State != SpriteDisplay && sprite->State != SpriteDeadBox) {
            words.push_back(sprite.get());
        }
    }
    return words;
}
// A dead box over r (left, top, right, bottom): room no word may take.
inline void AddBox(CZapGame& game, RECT r) {
    game.FieldSprites.push_back(std::make_unique<DeadRectSprite>(RGB(0, 0, 0)));
    game.FieldSprites.back()->Place(r.top, r.left, r.bottom, r.right);
}
inline std::vector<std::string> Items(const StringList& list) {
    return {list.Items, list.Items + list.Count};
}
inline int Filed(const CZapGame& game) {
    return game.WordsZapped.Count + game.WordsEliminated.Count + game.WordsIgnored.Count +
           game.FakesEliminated.Count + game.FakesZapped.Count + game.FakesIgnored.Count;
}
// What a player could see change: the score and clock, what is filed, the sprites and the words' texts.
inline std::string Tally(const CZapGame& game) {
    std::string words;
    for (const WordSprite* word : FieldWords(game)) {
        words += std::string(" ") + word->Text.Chars;
    }
    return Format("score %d clock %d filed %d sprites %zu:%s", game.ScoreDisplay->Value,
                  game.ClockDisplay->Value, Filed(game), game.FieldSprites.size(), words.c_str());
}
// Gives window a client area of width x height, tells game as the window procedure would, lays out.
inline void ResizeField(HWND window, CZapGame& game, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    game.OnSize(window, width > 0 ? SIZE_RESTORED : SIZE_MINIMIZED, width, height);
    game.Layout(window, nullptr);
}
