// The word-field game's life: its rules taken from the settings, the per-game parameters derived from
// them, and what it tells the application about itself.

#include "game/ZapCommon.h"

#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/Statistics.h"
#include "store/Preferences.h"

#include <cstdio>
#include <cstring>

using namespace zap;

namespace {

constexpr std::int32_t kNoRoomTicks = 50;

} // namespace

CZapGame::CZapGame(GameHost& host, HINSTANCE instance, Dictionary* words) : CGame(host, instance, words) {
    const GameSettingsRecord& settings = GameSettings;
    RandomFonts = settings.RandomFonts;
    PowerUps = settings.PowerUps;
    PenalizeMistakes = settings.PenalizeMistakes;
    FadeWords = settings.FadeWords;
    ScoreValidWords = settings.ScoreValidWords;
    ScoreBogusWords = settings.ScoreBogusWords;
    AddWordsFaster = settings.AddWordsFaster;
    HandicapSpeed = settings.HandicapSpeed;
    AdjustLifespan = settings.AdjustLifespan;
    MistakesStay = settings.ExpireMistakes == 0 ? 1 : 0;
    FakeWordProbab = settings.FakeWordProbab;
    AddWordInterval = settings.AddWordInterval;
    WordLifespan = settings.WordLifespan;
    TargetCount = settings.TargetCount;
    EndGameCondition = settings.EndGameCondition;
    BoundRules();
    DeriveRules();

    const auto display = [this](auto sprite, unsigned templateId) {
        sprite->LoadTemplate(templateId);
        sprite->Value = 0;
        sprite->UpdateText();
        auto* kept = sprite.get();
        FieldSprites.push_front(std::move(sprite));
        return kept;
    };
    ScoreDisplay = display(std::make_unique<CounterSprite>(Preferences.ForegroundColor), IDS_SCORE_COUNTER);
    ClockDisplay = display(std::make_unique<ClockSprite>(Preferences.ForegroundColor), IDS_CLOCK_COUNTER);
    WordsDisplay = display(std::make_unique<CounterSprite>(Preferences.ForegroundColor), IDS_WORDS_COUNTER);

    const auto feedback = [instance](int id) {
        return IconHandle(
            static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    };
    ArrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    ZapCursor = feedback(IDI_ZAP_CURSOR);
    FakeZappedCursor = feedback(IDI_FAKE_ZAPPED_CURSOR);
    EliminateCursor = feedback(IDI_ELIMINATE_CURSOR);
    WordEliminatedCursor = feedback(IDI_WORD_ELIMINATED_CURSOR);
}

CZapGame::~CZapGame() = default;

void CZapGame::BoundRules() {
    for (std::int32_t* flag :
         {&RandomFonts, &PowerUps, &PenalizeMistakes, &FadeWords, &ScoreValidWords, &ScoreBogusWords,
          &AddWordsFaster, &HandicapSpeed, &AdjustLifespan, &MistakesStay}) {
        *flag = *flag != 0 ? 1 : 0;
    }
    FakeWordProbab = std::clamp(FakeWordProbab, 0, 100);
    AddWordInterval = std::clamp(AddWordInterval, 0, kLongestTicks);
    WordLifespan = std::clamp(WordLifespan, 0, kLongestTicks);
    TargetCount = std::max(TargetCount, 0);
    EndGameCondition &= EndOnTime | EndOnTarget | EndOnNoRoom;
}

void CZapGame::DeriveRules() {
    SpeedFactor = AddWordsFaster != 0 ? 0.75 : 1.0;
    TimePenalty = Has(EndGameCondition, EndOnTime) ? 30 : 0;
    CountPenalty = Has(EndGameCondition, EndOnTarget) ? 1 : 0;
    TimeLimitSeconds = Has(EndGameCondition, EndOnTime) ? GameSettings.TimeLimit : -1;
    WordPoints = ScoreValidWords != 0 ? 10 : 0;
    FakePoints = ScoreBogusWords != 0 ? 10 : 0;
    NoRoomTicks = kNoRoomTicks;
    if (FadeWords != 0) {
        NoRoomTicks = std::max(kNoRoomTicks, AddWordInterval * 5 / 2);
    }

    std::memset(EnabledPowerUps, 0, sizeof EnabledPowerUps);
    EnabledCount = 0;
    const auto enable = [this](const char* name) {
        std::snprintf(EnabledPowerUps[EnabledCount++], kPowerUpNameSize, "%s", name);
    };
    enable(kPlus100);
    enable(kClearScreen);
    enable(kFillScreen);
    if (MistakesStay != 0) {
        enable(kEraseMistake);
    }
    if (Has(EndGameCondition, EndOnTime)) {
        enable(kPlus10Seconds);
    }
    if (ScoreValidWords != 0) {
        enable(kScoreWords);
    }
    if (ScoreBogusWords != 0) {
        enable(kScoreFakes);
    }
    if (Has(EndGameCondition, EndOnNoRoom)) {
        enable(kPause);
    }
}

std::int32_t CZapGame::Score() {
    return ScoreDisplay != nullptr ? ScoreDisplay->Value : 0;
}

unsigned CZapGame::DescriptionId() {
    return IDS_STAGE7_DESCRIPTION;
}

unsigned CZapGame::TitleId() {
    return IDS_STAGE7_TITLE;
}

bool CZapGame::IsListedWord(const char* text) const {
    return Words != nullptr && text != nullptr && Words->IsWord(text) > 0;
}

bool CZapGame::IsDisplay(const WordSprite* sprite) const {
    return sprite == ScoreDisplay || sprite == ClockDisplay || sprite == WordsDisplay;
}

void CZapGame::SetPointer(HCURSOR cursor) {
    if (cursor != nullptr) {
        SetCursor(cursor);
    }
}
