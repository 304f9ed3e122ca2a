#pragma once

#include "game/CGame.h"
#include "gfx/StatusSprites.h"
#include "gfx/WordSprite.h"
#include "words/StringList.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <list>
#include <memory>
#include <type_traits>

class CText;
struct StagePreset;

// Owns an icon loaded from the resources and destroys it.
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// Everything on the field, in drawing order: the three displays at the head, then boxes and words in
// the order they appeared. The list owns its sprites; erasing a node deletes its sprite.
using SpriteList = std::list<std::unique_ptr<WordSprite>>;

// The word-field game: words appear at random free places, live for a while and vanish; the player
// zaps genuine words with the left button and eliminates fakes with the right one. The custom game
// plays it as built from the rule settings; each stage changes its rule fields after construction.
//
// Once OnGameOver has run the game is finished for good: later timers, clicks and power-ups change
// nothing.
class CZapGame : public CGame {
public:
    static constexpr int kPowerUpSlots = 15;
    static constexpr int kPowerUpNameSize = 64;
    static constexpr std::int32_t kLongestWord = 30;
    static constexpr std::int32_t kShortestWordLimit = 4;
    static constexpr std::int32_t kEndlessLifespan = 300000;
    // The longest word interval or lifespan, in ticks: the most the options dialog can store.
    static constexpr std::int32_t kLongestTicks = INT32_MAX / 100;

    StringList WordsZapped;     // genuine words zapped: correct
    StringList WordsEliminated; // genuine words eliminated: a mistake
    StringList WordsIgnored;    // genuine words left alone until they expired or the game ended
    StringList FakesEliminated; // fakes eliminated: correct
    StringList FakesZapped;     // fakes zapped: a mistake
    StringList FakesIgnored;    // fakes left alone
    SpriteList FieldSprites;
    WordSprite* HoverSprite = nullptr; // the sprite under the pointer, an entry of FieldSprites
    CounterSprite* ScoreDisplay = nullptr;
    ClockSprite* ClockDisplay = nullptr; // tenths of a second
    CounterSprite* WordsDisplay = nullptr;
    HCURSOR ArrowCursor = nullptr; // the system's, shared
    IconHandle ZapCursor;
    IconHandle FakeZappedCursor;
    IconHandle EliminateCursor;
    IconHandle WordEliminatedCursor;

    // Copies of the rule settings of the same names, within the ranges BoundRules keeps.
    std::int32_t RandomFonts = 0;
    std::int32_t PowerUps = 0;
    std::int32_t PenalizeMistakes = 0;
    std::int32_t FadeWords = 0;
    std::int32_t ScoreValidWords = 0;
    std::int32_t ScoreBogusWords = 0;
    std::int32_t AddWordsFaster = 0;
    std::int32_t HandicapSpeed = 0;
    std::int32_t AdjustLifespan = 0;
    std::int32_t MistakesStay = 0; // the inverse of ExpireMistakes
    std::int32_t FakeWordProbab = 0;
    std::int32_t AddWordInterval = 0; // ticks
    std::int32_t WordLifespan = 0;    // ticks
    std::int32_t TargetCount = 0;
    std::int32_t EndGameCondition = 0; // EndGameBits

    std::int32_t TicksSinceWordAdded = 0;
    std::int32_t TicksSinceHit = 0;
    std::int32_t NextWordTicks = 0;
    std::int32_t BoxHeight = 0; // a dead box: a fifteenth of the field's height
    std::int32_t BoxWidth = 0;  // and a sixth of its width
    std::int32_t MaxWordLength = kLongestWord;
    std::int32_t PlacementTries = 50;
    std::int32_t NoRoomTicks = 50;
    std::int32_t PauseTicks = 0;
    WordSprite* PauseSprite = nullptr;
    std::int32_t HitInterval = 15; // running average of the ticks between clicks
    std::int32_t PowerUpsAwarded = 0;
    std::int32_t EnabledCount = 0;
    std::int32_t NextPowerUpScore = 100;
    char EnabledPowerUps[kPowerUpSlots][kPowerUpNameSize] = {};
    std::int32_t TimePenalty = 0; // tenths of a second
    std::int32_t CountPenalty = 0;
    std::int32_t WordPoints = 0;
    std::int32_t FakePoints = 0;
    std::int32_t FirstTick = 1;
    double SpeedFactor = 1.0;
    std::int32_t TickInterval = 100; // milliseconds
    UINT_PTR TimerId = 0;
    bool GameOver = false; // OnGameOver has run

    CZapGame(GameHost& host, HINSTANCE instance, Dictionary* words);
    ~CZapGame() override;

    int OnPaint(HWND window, HDC dc) override;
    int OnTimer(HWND window, UINT timerId) override;
    int OnMouseMove(HWND window, int x, int y, UINT keys) override;
    int OnLButtonDown(HWND window, int x, int y, UINT keys) override;
    int OnRButtonDown(HWND window, int x, int y, UINT keys) override;
    std::int32_t Score() override;
    void OnGameOver(HWND window, int reason) override;
    unsigned DescriptionId() override;
    unsigned TitleId() override;
    void StartTimers(HWND window) override;
    void StopTimers(HWND window) override;
    int Layout(HWND window, HDC dc) override;
    virtual const char* PickFaceName();
    // The largest word size up to size at which a long usual word, in the FontName face, fits the
    // room that placement leaves on a field of width x height; never below the smallest word size.
    std::int32_t FittingWordSize(HWND window, LONG width, LONG height, std::int32_t size);
    // Chance in percent that a new word is genuine.
    virtual std::int32_t GenuinePercent();
    // Ticks a new word lives.
    virtual std::int32_t LifespanFor(const WordSprite* sprite);
    // Ends the game when the target count is reached.
    virtual void CheckTarget(HWND window);

    // Holds the rule fields to what the game can play with: flags 0 or 1, a chance in percent, times of
    // 0 to kLongestTicks, a target of 0 or more, the three end conditions. Values the options dialog
    // stores are kept as they are.
    void BoundRules();
    // The per-game parameters that follow from the rule fields; run again after changing them.
    void DeriveRules();
    void AddWordStep(HWND window);
    // One new genuine word or fake; true when it was placed.
    bool SpawnWord(HWND window);
    // Places text (kept by the caller) in a new sprite of the given SpriteState; true when placed.
    bool PlaceWord(HWND window, const CText* text, std::int32_t state);
    // Moves rect, keeping its size, to a random spot that touches no sprite; false when none was found.
    bool FindFreeSpot(HWND window, RECT& rect);
    // Up to count dead boxes in a grid across the field.
    void PrefillBoxes(HWND window, int count);
    // Files an unclassified word under the ignored words or fakes.
    void RecordIgnored(const WordSprite& sprite);
    // Makes sprite the hovered one when (x, y) lies on it, edges included; true on a hit.
    bool UpdateHover(HWND window, WordSprite* sprite, int x, int y);
    void NoteHit();
    void CorrectZap(HWND window, WordSprite* sprite);
    void CorrectEliminate(HWND window, WordSprite* sprite);
    void PowerUpStep(HWND window);
    void ActivatePowerUp(HWND window, const CText& text);

protected:
    // A stage's rules over the player's: the presets, the rules derived again, the stage's own
    // parameters, its title and the stages' statistics key.
    void ApplyPreset(const StagePreset& preset);
    // Redraws the given sprites (null entries skipped) and copies them to the window.
    void Redraw(HWND window, std::initializer_list<WordSprite*> sprites);

private:
    enum class Button { Left, Right };
    int OnButtonDown(HWND window, Button button);
    // A classified word's new look, life and list, and the verdict's cursor and sound.
    void Classify(WordSprite& sprite, std::int32_t state, std::int32_t lifespan, StringList& list,
                  HCURSOR cursor);
    void Mistake(HWND window, WordSprite& sprite, Button button);
    // The body of CorrectZap (left) and CorrectEliminate (right).
    void CorrectClassification(HWND window, WordSprite* sprite, Button button);
    // Classifies every live ordinary word on the field that is (genuine) or is not a listed word.
    void ScoreAll(HWND window, bool genuine);
    // A drawing pass: draw() draws into the buffer, whose changes then go to the window.
    template <class Draw>
    void DrawPass(HWND window, HDC dc, Draw draw);
    void DrawAll(HWND window, HDC dc = nullptr);
    // Ticks every sprite and removes those that expired, erasing where they were.
    void TickField(HWND window);
    // Draws every sprite inside a drawing pass: grown words first, then the rest in list order.
    void DrawField();
    static bool Contains(const RECT& outer, const RECT& inner);
    bool IsListedWord(const char* text) const;
    bool IsDisplay(const WordSprite* sprite) const;
    void SetPointer(HCURSOR cursor); // a cursor that could not be loaded leaves the pointer as it is
    // The power-up called name, if it is one; the effects follow.
    void ApplyEffect(HWND window, const char* name);
    void StartPause(HWND window);
    void EraseMistake(HWND window);
    void AddTenSeconds(HWND window);
    void AddHundredPoints(HWND window);
    void FillScreen(HWND window);
    void ScoreAnyWords(HWND window);
    void ScoreAnyFakes(HWND window);
    void ClearScreen(HWND window);
};

// The faces a word may get with random fonts; some appear in more than one row.
inline constexpr int kFaceRows = 42;
extern const char* const kFaceTable[kFaceRows];
