#include "game/CZapGame.h"

#include "gfx/Gdi.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/Statistics.h"
#include "sound/Sound.h"
#include "store/Preferences.h"
#include "words/Dictionary.h"
#include "words/Random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

// clang-format off
const char* const kFaceTable[kFaceRows] = {
    "Arial", "Times New Roman", "Courier New", "Comic Sans MS", "Bookman Old Style", "Centaur", "Lucida Sans",
    "Impact", "Verdana", "Tahoma", "Stencil", "Rockwell", "Palatino", "Helvetica", "Harrington", "Magneto",
    "Goudy Stout",
    // The everyday faces once more, so that they come up more often.
    "Arial", "Comic Sans MS", "Times New Roman", "Verdana", "Tahoma",
    "Mistral", "Chiller", "Vivaldi", "Copperplate Gothic Light", "Broadway", "Castellar", "Book Antiqua",
    "Baskerville Old Face",
    "Arial", "Times New Roman", "Courier New", "Comic Sans MS", "Franklin Gothic Book", "Gigi", "Jokerman",
    "Impact", "Verdana", "Tahoma", "Lucida Handwriting", "Lucida Calligraphy",
};
// clang-format on

namespace {

constexpr std::int32_t kNoRoomTicks = 50;
constexpr std::int32_t kPauseTicks = 150;
constexpr std::int32_t kClassifiedLifespan = 20;
constexpr std::int32_t kFadeLifespan = 5;
constexpr std::int32_t kSmallestWordFont = 8;
constexpr std::int32_t kLargestWordFont = 5000; // no screen is tall enough to ask for more
constexpr std::int32_t kSmallestDisplayFont = 12;
// A long word as words go (nine in ten of the listed words are no longer), in letters of about the
// average width: the word size is kept small enough for it to find a place on the field.
constexpr char kLongUsualWord[] = "nnnnnnnnnnnn";
constexpr int kMargin = 3;
constexpr UINT kScoreFlags = DT_SINGLELINE;
constexpr UINT kClockFlags = DT_SINGLELINE | DT_CENTER;
constexpr UINT kWordsFlags = DT_SINGLELINE | DT_RIGHT;

constexpr char kMystery[] = "<?>";
constexpr char kPlus100[] = "<+100 points>";
constexpr char kClearScreen[] = "<clear-screen>";
constexpr char kFillScreen[] = "<fill-screen>";
constexpr char kEraseMistake[] = "<erase-a-mistake>";
constexpr char kPlus10Seconds[] = "<+10 seconds>";
constexpr char kScoreWords[] = "<score-any-words>";
constexpr char kScoreFakes[] = "<score-any-fakes>";
constexpr char kPause[] = "<pause-15-secs>";

// Every count and score stays inside the 32-bit range, whatever the settings hold.
std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}
std::int32_t Clamp32(double value) {
    if (!(value > static_cast<double>(std::numeric_limits<std::int32_t>::min()))) {
        return std::isnan(value) ? 0 : std::numeric_limits<std::int32_t>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value); // truncates toward zero
}
void Add(std::int32_t& value, std::int64_t amount) {
    value = Clamp32(value + amount);
}

bool Has(std::int32_t bits, std::int32_t bit) {
    return (bits & bit) != 0;
}

// Rectangles overlap when they share at least an edge.
bool Overlap(const RECT& a, const RECT& b) {
    return b.left <= a.right && b.right >= a.left && b.top <= a.bottom && b.bottom >= a.top;
}

bool IsPowerUpWord(const WordSprite& sprite) {
    return sprite.Text.Chars != nullptr && sprite.Text.Chars[0] == '<';
}

const char* TextOf(const WordSprite& sprite) {
    return sprite.Text.Chars != nullptr ? sprite.Text.Chars : "";
}

// A random number from low up to, not including, high; a range turned inside out by hostile
// settings gives low without a draw.
std::int32_t DrawBetween(std::int64_t low, std::int64_t high) {
    const std::int32_t lo = Clamp32(low);
    const std::int32_t hi = Clamp32(high);
    return hi < lo ? lo : RandomRange(hi, lo);
}

// A coordinate of the old field on the new one, to the nearest pixel.
int ScaleCoordinate(LONG value, double factor) {
    return Clamp32(value * factor + 0.5);
}

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
        return static_cast<HCURSOR>(
            LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    };
    ArrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    ZapCursor = feedback(IDI_ZAP_CURSOR);
    FakeZappedCursor = feedback(IDI_FAKE_ZAPPED_CURSOR);
    EliminateCursor = feedback(IDI_ELIMINATE_CURSOR);
    WordEliminatedCursor = feedback(IDI_WORD_ELIMINATED_CURSOR);
}

CZapGame::~CZapGame() {
    for (HCURSOR cursor : {ZapCursor, FakeZappedCursor, EliminateCursor, WordEliminatedCursor}) {
        if (cursor != nullptr) {
            DestroyIcon(cursor);
        }
    }
    HoverSprite = nullptr;
    PauseSprite = nullptr;
    ScoreDisplay = nullptr;
    ClockDisplay = nullptr;
    WordsDisplay = nullptr;
    FieldSprites.clear();
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
        NoRoomTicks = std::max(kNoRoomTicks, Clamp32(std::int64_t{AddWordInterval} * 5 / 2));
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

// --- The clock ---------------------------------------------------------------------------------

void CZapGame::StartTimers(HWND window) {
    TimerId = SetTimer(window, IDT_GAME_CLOCK, static_cast<UINT>(TickInterval), nullptr);
}

void CZapGame::StopTimers(HWND window) {
    if (TimerId != 0) {
        KillTimer(window, TimerId);
        TimerId = 0;
    }
}

int CZapGame::OnTimer(HWND window, UINT timerId) {
    if (Running == 0 || GameOver) {
        return 0;
    }
    if (FirstTick != 0) {
        if (GameSettings.PrefillDeadRects != 0) {
            PrefillBoxes(window, RandomRange(20, 10));
        }
        FirstTick = 0;
    }
    if (PauseTicks > 0) {
        --PauseTicks;
        if (PauseSprite != nullptr) {
            char label[kPowerUpNameSize];
            std::snprintf(label, sizeof label, "<pause-%d-secs>", static_cast<int>(PauseTicks / 10));
            PauseSprite->SetText(label);
            if (PauseTicks == 0) {
                PauseSprite->Lifespan = 1;
                PauseSprite->Live = 0;
                PauseSprite->State = SpriteHidden;
                PauseSprite = nullptr;
            }
        }
        DrawAll(window);
        return 0;
    }
    if (timerId == IDT_CLOCK) {
        Add(ElapsedSeconds, 1);
        return 1;
    }
    if (timerId != IDT_GAME_CLOCK) {
        return CGame::OnTimer(window, timerId);
    }

    Add(TicksSinceWordAdded, 1);
    Add(TicksSinceHit, 1);
    AddWordStep(window);
    PowerUpStep(window);

    // Every sprite ticks and every box that changes or goes is erased before anything is drawn, so
    // that no erasing cuts into a word drawn in this pass.
    Buffer.BeginDraw(window, nullptr);
    for (auto it = FieldSprites.begin(); it != FieldSprites.end();) {
        WordSprite* sprite = it->get();
        const bool wasGrown = sprite->IsGrown();
        const RECT drawn = wasGrown ? sprite->GrownRect : sprite->Rect;
        sprite->Tick(window, Buffer, GameSettings.AnimateWords);
        // A growing word's box moves when it meets the field's edge: clear where it was drawn unless
        // its own drawing will (a grown word erases its whole box before it draws).
        if ((wasGrown || sprite->IsGrown()) && !(sprite->IsGrown() && Contains(sprite->GrownRect, drawn))) {
            Buffer.EraseBackground(&drawn);
        }
        if (!sprite->IsExpired()) {
            ++it;
            continue;
        }
        RecordIgnored(*sprite);
        Buffer.EraseBackground(&sprite->Rect);
        if (sprite->IsGrown()) {
            Buffer.EraseBackground(&sprite->GrownRect);
        }
        if (sprite == HoverSprite) {
            HoverSprite = nullptr;
            SetPointer(ArrowCursor);
        }
        if (sprite == PauseSprite) {
            PauseSprite = nullptr;
        }
        it = FieldSprites.erase(it);
    }
    DrawField();
    Buffer.EndDraw(nullptr);

    if (Has(EndGameCondition, EndOnNoRoom) && TicksSinceWordAdded > NoRoomTicks) {
        Host.EndGame(window, EndCompleted);
    } else if (Has(EndGameCondition, EndOnTime) && ClockDisplay->Value / 10 >= TimeLimitSeconds) {
        Host.EndGame(window, EndTimeUp);
    }
    return 1;
}

void CZapGame::AddWordStep(HWND window) {
    if (TicksSinceWordAdded <= NextWordTicks) {
        return;
    }
    if (!SpawnWord(window)) {
        // A tick without a new word does not count against the player.
        Add(TicksSinceHit, -1);
        Add(PlacementTries, 1);
    }
    std::int64_t base = AddWordInterval;
    if (HandicapSpeed != 0) {
        base = (std::int64_t{HitInterval} + AddWordInterval) / 2;
    }
    if (AddWordsFaster != 0) {
        base = Clamp32(static_cast<double>(base) * SpeedFactor);
    }
    NextWordTicks = DrawBetween(base / 2, base * 3 / 2);
}

std::int32_t CZapGame::LifespanFor(const WordSprite* /*sprite*/) {
    if (FadeWords == 0) {
        return kEndlessLifespan;
    }
    if (AdjustLifespan == 0) {
        return WordLifespan;
    }
    const double sprites = static_cast<double>(FieldSprites.size());
    const auto multiplier = static_cast<std::int64_t>(sprites * 0.1 + 1.0);
    return Clamp32(std::int64_t{WordLifespan} * multiplier);
}

void CZapGame::RecordIgnored(const WordSprite& sprite) {
    if (sprite.State != SpriteFading && sprite.State != SpriteJiggling) {
        return;
    }
    const char* text = TextOf(sprite);
    (IsListedWord(text) ? WordsIgnored : FakesIgnored).Append(text);
}

void CZapGame::CheckTarget(HWND window) {
    if (!GameOver && Has(EndGameCondition, EndOnTarget) && !Has(EndGameCondition, EndOnTime) &&
        WordsDisplay->Value >= TargetCount) {
        Host.EndGame(window, EndCompleted);
    }
}

void CZapGame::OnGameOver(HWND window, int reason) {
    if (GameOver) {
        return;
    }
    GameOver = true;
    // The bonus for reaching the target fast; a clock at zero or below has nothing to divide by, and a
    // target below one word (a stored setting no dialog writes) earns nothing rather than a penalty.
    if (Has(EndGameCondition, EndOnTarget) && reason == EndCompleted && ClockDisplay->Value > 0 &&
        TargetCount > 0) {
        const double bonus = TargetCount * 12.0 / ClockDisplay->Value * 1000.0;
        Add(ScoreDisplay->Value, Clamp32(bonus));
        ScoreDisplay->UpdateText();
        Redraw(window, {ScoreDisplay});
    }
    if (reason == EndCompleted || reason == EndTimeUp) {
        PlaySoundEffect(IDW_GAME_WON);
    }
    for (const auto& sprite : FieldSprites) {
        RecordIgnored(*sprite);
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

// --- New words ---------------------------------------------------------------------------------

std::int32_t CZapGame::GenuinePercent() {
    return Clamp32(std::clamp<std::int64_t>(100 - std::int64_t{FakeWordProbab}, 0, 100));
}

bool CZapGame::SpawnWord(HWND window) {
    const std::int32_t genuine = GenuinePercent();
    const bool wantGenuine = RandomRange(100, 0) < genuine;
    if (Words == nullptr) {
        return false;
    }
    const std::unique_ptr<CText> word = wantGenuine
                                            ? Words->PickGenuine(GameSettings.GenerateWords, MaxWordLength)
                                            : Words->PickFake(GameSettings.GenerateFakes, MaxWordLength);
    return PlaceWord(window, word.get(), SpriteJiggling);
}

bool CZapGame::PlaceWord(HWND window, const CText* text, std::int32_t state) {
    // An empty text is no word: no empty box ever appears on the field.
    if (text == nullptr || text->Chars == nullptr || text->Length <= 0) {
        return false;
    }
    auto sprite = std::make_unique<WordSprite>(Preferences.ForegroundColor);
    const std::int32_t lifespan = LifespanFor(sprite.get());
    sprite->SetText(text->Chars);
    sprite->Lifespan = lifespan;
    sprite->State = state;
    sprite->SetFaceName(PickFaceName());
    sprite->DropFont();
    sprite->FontSize = WordFontSize;
    sprite->DropFont();
    sprite->FitToText(Buffer, 1);
    if (!FindFreeSpot(window, sprite->Rect)) {
        if (MaxWordLength > kShortestWordLimit) {
            --MaxWordLength;
        }
        return false;
    }
    WordSprite* placed = sprite.get();
    FieldSprites.push_back(std::move(sprite));
    TicksSinceWordAdded = 0;
    if (MaxWordLength < kLongestWord) {
        ++MaxWordLength;
    }
    // A word that lands under a resting pointer is hovered at once.
    POINT pointer{0, 0};
    if (GetCursorPos(&pointer) && ScreenToClient(window, &pointer)) {
        UpdateHover(window, placed, pointer.x, pointer.y);
    }
    return true;
}

bool CZapGame::FindFreeSpot(HWND window, RECT& rect) {
    const std::int64_t width = std::int64_t{rect.right} - rect.left;
    const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    const std::int64_t fieldWidth = std::int64_t{client.right} - client.left;
    const std::int64_t fieldHeight = std::int64_t{client.bottom} - client.top;
    // An unmeasured word, or one too big for the field, has no place to go.
    if (width < 1 || height < 1 || fieldWidth < 1 || fieldHeight < 1 || fieldHeight - height - 1 < 0 ||
        fieldWidth - width - 1 < 0) {
        return false;
    }
    for (std::int32_t i = 0; i < PlacementTries; ++i) {
        const std::int32_t top = RandomRange(Clamp32(fieldHeight - height - 1), 0);
        const std::int32_t left = RandomRange(Clamp32(fieldWidth - width - 1), 0);
        rect = RECT{left, top, Clamp32(left + width), Clamp32(top + height)};
        const bool taken = std::any_of(FieldSprites.begin(), FieldSprites.end(),
                                       [&rect](const auto& sprite) { return Overlap(rect, sprite->Rect); });
        if (!taken) {
            return true;
        }
    }
    return false;
}

void CZapGame::PrefillBoxes(HWND /*window*/, int count) {
    if (count <= 0) {
        return;
    }
    const int rows = static_cast<int>(std::sqrt(static_cast<double>(count))) + 1;
    const std::int64_t fieldHeight = std::int64_t{FieldRect.bottom} - FieldRect.top;
    const std::int64_t fieldWidth = std::int64_t{FieldRect.right} - FieldRect.left;
    const std::int64_t gapY = (fieldHeight - std::int64_t{BoxHeight} * (rows + 1)) / (rows + 1);
    int remaining = count;
    for (int row = 1; row <= rows; ++row) {
        const int inRow = std::min(rows, remaining);
        if (inRow == 0) {
            continue;
        }
        const std::int64_t gapX = (fieldWidth - std::int64_t{BoxWidth} * inRow) / (inRow + 1);
        const std::int64_t top = row * (gapY + BoxHeight);
        for (int j = 0; j < inRow; ++j) {
            const std::int64_t left = gapX + j * (gapX + BoxWidth);
            auto box = std::make_unique<DeadRectSprite>(Preferences.ForegroundColor);
            box->Place(Clamp32(top), Clamp32(left), Clamp32(top + BoxHeight), Clamp32(left + BoxWidth));
            FieldSprites.push_back(std::move(box));
        }
        remaining -= inRow;
    }
}

// --- Clicks ------------------------------------------------------------------------------------

int CZapGame::OnMouseMove(HWND window, int x, int y, UINT /*keys*/) {
    if (GameOver) {
        return 1;
    }
    if (HoverSprite != nullptr) {
        HoverSprite->Marks &= ~std::uint32_t{MarkFrame};
        HoverSprite = nullptr;
    }
    bool hit = false;
    for (const auto& sprite : FieldSprites) {
        if (UpdateHover(window, sprite.get(), x, y)) {
            hit = true;
            break;
        }
    }
    if (!hit) {
        SetPointer(ArrowCursor);
        return 1;
    }
    switch (HoverSprite->State) {
    case SpriteGrowing:
        SetPointer(ZapCursor);
        break;
    case SpriteShrinking:
        SetPointer(EliminateCursor);
        break;
    case SpriteBlinkBold:
        SetPointer(WordEliminatedCursor);
        break;
    case SpriteBlinkItalic:
        SetPointer(FakeZappedCursor);
        break;
    default:
        break;
    }
    return 1;
}

bool CZapGame::UpdateHover(HWND window, WordSprite* sprite, int x, int y) {
    if (sprite == nullptr) {
        return false;
    }
    const RECT& r = sprite->Rect;
    if (x < r.left || x > r.right || y < r.top || y > r.bottom) {
        return false;
    }
    HoverSprite = sprite;
    if (sprite->IsLive()) {
        sprite->Marks |= MarkFrame;
        Redraw(window, {sprite});
        SetPointer(ArrowCursor);
    }
    return true;
}

int CZapGame::OnLButtonDown(HWND window, int /*x*/, int /*y*/, UINT /*keys*/) {
    return OnButtonDown(window, Button::Left);
}

int CZapGame::OnRButtonDown(HWND window, int /*x*/, int /*y*/, UINT /*keys*/) {
    return OnButtonDown(window, Button::Right);
}

int CZapGame::OnButtonDown(HWND window, Button button) {
    if (GameOver || (button == Button::Left ? ScoreValidWords : ScoreBogusWords) == 0) {
        return 0;
    }
    if (PauseTicks > 0) {
        PlaySoundEffect(IDW_REFUSED_CLICK);
        return 0;
    }
    if (HoverSprite == nullptr || !HoverSprite->IsLive()) {
        return 1;
    }
    CText word(TextOf(*HoverSprite));
    word.MakeLower();
    if (word.At(0) == '<') {
        ActivatePowerUp(window, word);
    } else if (IsListedWord(word.Chars) == (button == Button::Left)) {
        CorrectClassification(window, HoverSprite, button);
    } else {
        Mistake(window, *HoverSprite, button);
    }
    if (!GameOver) {
        NoteHit();
    }
    return 1;
}

void CZapGame::CorrectClassification(HWND window, WordSprite* sprite, Button button) {
    if (button == Button::Left) {
        CorrectZap(window, sprite);
    } else {
        CorrectEliminate(window, sprite);
    }
}

void CZapGame::Classify(WordSprite& sprite, std::int32_t state, std::int32_t lifespan, StringList& list,
                        HCURSOR cursor) {
    sprite.Live = 0;
    sprite.State = state;
    sprite.Lifespan = lifespan;
    list.Append(TextOf(sprite));
    SetPointer(cursor);
}

void CZapGame::Mistake(HWND window, WordSprite& sprite, Button button) {
    const std::int32_t lifespan = MistakesStay != 0 ? kEndlessLifespan : kClassifiedLifespan;
    if (button == Button::Left) {
        sprite.Marks |= MarkCross;
        Classify(sprite, SpriteBlinkItalic, lifespan, FakesZapped, FakeZappedCursor);
    } else {
        sprite.Marks |= MarkDoubleFrame;
        Classify(sprite, SpriteBlinkBold, lifespan, WordsEliminated, WordEliminatedCursor);
    }
    if (PenalizeMistakes != 0) {
        Add(ClockDisplay->Value, TimePenalty);
        ClockDisplay->UpdateText();
        Add(WordsDisplay->Value, -std::int64_t{CountPenalty});
        WordsDisplay->UpdateText();
        Redraw(window, {WordsDisplay, ClockDisplay});
    }
    PlaySoundEffect(IDW_MISTAKE);
}

void CZapGame::CorrectZap(HWND window, WordSprite* sprite) {
    if (sprite == nullptr || GameOver) {
        return;
    }
    Add(ScoreDisplay->Value, WordPoints);
    ScoreDisplay->UpdateText();
    Add(WordsDisplay->Value, 1);
    WordsDisplay->UpdateText();
    Classify(*sprite, SpriteGrowing, kClassifiedLifespan, WordsZapped, ZapCursor);
    Redraw(window, {WordsDisplay, ScoreDisplay});
    PlaySoundEffect(IDW_CORRECT);
    CheckTarget(window);
}

void CZapGame::CorrectEliminate(HWND window, WordSprite* sprite) {
    if (sprite == nullptr || GameOver) {
        return;
    }
    Add(ScoreDisplay->Value, FakePoints);
    ScoreDisplay->UpdateText();
    Add(WordsDisplay->Value, 1);
    WordsDisplay->UpdateText();
    Classify(*sprite, SpriteShrinking, kClassifiedLifespan, FakesEliminated, EliminateCursor);
    Redraw(window, {WordsDisplay, ScoreDisplay});
    PlaySoundEffect(IDW_CORRECT);
    CheckTarget(window);
}

void CZapGame::NoteHit() {
    HitInterval = Clamp32((std::int64_t{HitInterval} * 45 + TicksSinceHit) / 46);
    TicksSinceHit = 0;
    if (AddWordsFaster != 0 && SpeedFactor > 0.01 && ClockDisplay->Value % 10 == 0) {
        SpeedFactor -= 0.01;
    }
}

// --- Power-ups ---------------------------------------------------------------------------------

void CZapGame::PowerUpStep(HWND window) {
    if (PowerUps == 0 || ScoreDisplay->Value < NextPowerUpScore) {
        return;
    }
    const CText chosen(EnabledPowerUps[RandomRange(EnabledCount, 0)]);
    if (!PlaceWord(window, &chosen, SpriteJigglingSteady)) {
        const CText mystery(kMystery);
        if (!PlaceWord(window, &mystery, SpriteJigglingSteady)) {
            Add(PowerUpsAwarded, -1);
        }
    }
    const std::int64_t step = std::max(WordPoints, FakePoints);
    Add(NextPowerUpScore, (std::int64_t{PowerUpsAwarded} + 10) * step);
    Add(PowerUpsAwarded, 1);
}

void CZapGame::ActivatePowerUp(HWND window, const CText& /*text*/) {
    WordSprite* clicked = HoverSprite;
    if (clicked == nullptr) {
        return;
    }
    const char* name = TextOf(*clicked);
    if (std::strcmp(name, kMystery) == 0) {
        // The mystery word stands for any power-up of the game but the one that clears the screen.
        std::int32_t i = 0;
        do {
            i = RandomRange(EnabledCount, 0);
        } while (i == 1);
        name = EnabledPowerUps[i];
    }
    const bool pause = std::strcmp(name, kPause) == 0;
    ApplyEffect(window, name);
    if (!pause && !GameOver) {
        clicked->Lifespan = 1;
        clicked->Live = 0;
        clicked->State = SpriteHidden;
    }
}

void CZapGame::ApplyEffect(HWND window, const char* name) {
    const auto is = [name](const char* effect) { return std::strcmp(name, effect) == 0; };
    if (is(kPause)) {
        PauseTicks = kPauseTicks;
        PauseSprite = HoverSprite;
    } else if (is(kEraseMistake)) {
        for (const auto& sprite : FieldSprites) {
            if (!sprite->IsLive() && !IsDisplay(sprite.get()) && sprite->State != SpriteDeadBox &&
                !IsPowerUpWord(*sprite) &&
                (sprite->State == SpriteBlinkBold || sprite->State == SpriteBlinkItalic)) {
                sprite->Lifespan = kFadeLifespan;
                sprite->State = SpriteFading;
                break;
            }
        }
    } else if (is(kPlus10Seconds)) {
        Add(ClockDisplay->Value, -100);
        ClockDisplay->UpdateText();
        Redraw(window, {ClockDisplay});
    } else if (is(kPlus100)) {
        Add(ScoreDisplay->Value, 100);
        ScoreDisplay->UpdateText();
        Redraw(window, {ScoreDisplay});
        Add(NextPowerUpScore, 100);
    } else if (is(kFillScreen)) {
        for (int i = 0; i < 100; ++i) {
            if (!SpawnWord(window)) {
                Add(PlacementTries, 1);
            }
        }
    } else if (is(kScoreWords) || is(kScoreFakes)) {
        ScoreAll(window, is(kScoreWords));
    } else if (is(kClearScreen)) {
        for (const auto& sprite : FieldSprites) {
            if (IsDisplay(sprite.get()) || sprite->State == SpriteDeadBox) {
                continue;
            }
            if (IsPowerUpWord(*sprite) || sprite->State == SpriteHidden) {
                sprite->Lifespan = 1;
            } else {
                sprite->Lifespan = kFadeLifespan;
                sprite->State = SpriteFading;
            }
        }
    }
}

void CZapGame::ScoreAll(HWND window, bool genuine) {
    for (const auto& entry : FieldSprites) {
        // Reaching the target ends the game here: the words after it stay as they are.
        if (GameOver) {
            return;
        }
        WordSprite* sprite = entry.get();
        if (!sprite->IsLive() || IsPowerUpWord(*sprite)) {
            continue;
        }
        CText word(TextOf(*sprite));
        word.MakeLower();
        if (IsListedWord(word.Chars) == genuine) {
            CorrectClassification(window, sprite, genuine ? Button::Left : Button::Right);
        }
    }
}

// --- Drawing and layout ------------------------------------------------------------------------

int CZapGame::OnPaint(HWND window, HDC dc) {
    if (LaidOut == 0) {
        Layout(window, dc);
    }
    Buffer.BeginDraw(window, dc);
    DrawField();
    Buffer.EndDraw(nullptr);
    return 1;
}

int CZapGame::Layout(HWND window, HDC /*dc*/) {
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    const LONG width = client.right - client.left;
    const LONG height = client.bottom - client.top;
    // A minimised window has no field: everything stays where it was until it is restored.
    if (width <= 0 || height <= 0) {
        return 0;
    }
    const LONG oldWidth = FieldRect.right - FieldRect.left;
    const LONG oldHeight = FieldRect.bottom - FieldRect.top;
    if (WordSizeFieldHeight <= 0) {
        // The first field since the preferences were loaded: the loaded size is its word size, within
        // the sizes a layout gives (a font of tens of thousands of points is measured wrongly and
        // takes seconds to draw at every step of its animation).
        WordSizeFieldHeight = height;
        WordFontSize = std::clamp(WordFontSize, kSmallestWordFont, kLargestWordFont);
    } else {
        // Always from the chosen size, never from the last one, so that sizes do not drift.
        const double size = static_cast<double>(height) * Preferences.FontSize / WordSizeFieldHeight;
        WordFontSize = std::clamp(Clamp32(size), kSmallestWordFont, kLargestWordFont);
    }
    WordFontSize = FittingWordSize(window, width, height, WordFontSize);
    if ((FieldRect.top != 0 || FieldRect.bottom != 0) && oldWidth > 0 && oldHeight > 0) {
        const double sx = static_cast<double>(width) / oldWidth;
        const double sy = static_cast<double>(height) / oldHeight;
        for (const auto& sprite : FieldSprites) {
            const RECT r = sprite->Rect;
            sprite->Place(ScaleCoordinate(r.top, sy), ScaleCoordinate(r.left, sx),
                          ScaleCoordinate(r.bottom, sy), ScaleCoordinate(r.right, sx));
            sprite->SetFaceName(PickFaceName());
            sprite->DropFont();
            sprite->FontSize = WordFontSize;
            sprite->DropFont();
        }
    }
    FieldRect = client;
    BoxWidth = width / 6;
    BoxHeight = height / 15;
    const LONG d = (width - 12) / 3;
    ScoreDisplay->Place(kMargin, kMargin, BoxHeight + kMargin, d + kMargin);
    ScoreDisplay->TextFlags = kScoreFlags;
    ClockDisplay->Place(kMargin, d + 6, BoxHeight + kMargin, width - d - 6);
    ClockDisplay->TextFlags = kClockFlags;
    WordsDisplay->Place(kMargin, width - d - kMargin, BoxHeight + kMargin, width - kMargin);
    WordsDisplay->TextFlags = kWordsFlags;
    const std::int32_t displaySize = std::max(kSmallestDisplayFont, Clamp32(WordFontSize * 0.75));
    for (TemplateSprite* display :
         {static_cast<TemplateSprite*>(ScoreDisplay), static_cast<TemplateSprite*>(ClockDisplay),
          static_cast<TemplateSprite*>(WordsDisplay)}) {
        display->SetFaceName(Preferences.FontName);
        display->FontSize = displaySize;
        display->DropFont();
    }
    LaidOut = 1;
    return 1;
}

std::int32_t CZapGame::FittingWordSize(HWND window, LONG width, LONG height, std::int32_t size) {
    // Placement keeps a word a pixel inside the field and below the displays.
    const std::int64_t roomWidth = std::int64_t{width} - 2;
    const std::int64_t roomHeight = std::int64_t{height} - height / 15 - 8;
    Buffer.Resize(window, width, height);
    const auto box = [this](std::int32_t points) {
        const HFONT font = Buffer.MakeFont(points, Preferences.FontName, FontBold, FF_SWISS);
        const SIZE text = Buffer.TextExtent(kLongUsualWord, font);
        if (font != nullptr) {
            CountedDeleteObject(font);
        }
        return SIZE{text.cx + 6, text.cy + 6};
    };
    const auto fits = [&](SIZE b) { return b.cx <= roomWidth && b.cy <= roomHeight; };
    const SIZE wanted = box(size);
    if (size <= kSmallestWordFont || fits(wanted) || wanted.cx <= 6) {
        return size; // fits, cannot be measured, or is as small as words get
    }
    // The box grows about in proportion to the size: start from that guess and step down.
    const double scale = std::min(static_cast<double>(roomWidth) / wanted.cx,
                                  static_cast<double>(roomHeight) / std::max<LONG>(wanted.cy, 1));
    std::int32_t points = std::clamp(Clamp32(size * scale), kSmallestWordFont, size - 1);
    while (points > kSmallestWordFont && !fits(box(points))) {
        points -= std::max(1, points / 20);
    }
    return std::max(points, kSmallestWordFont);
}

const char* CZapGame::PickFaceName() {
    if (RandomFonts == 0) {
        return Preferences.FontName;
    }
    return kFaceTable[RandomRange(kFaceRows, 0)];
}

// --- Helpers -----------------------------------------------------------------------------------

void CZapGame::Redraw(HWND window, std::initializer_list<WordSprite*> sprites) {
    Buffer.BeginDraw(window, nullptr);
    for (WordSprite* sprite : sprites) {
        if (sprite != nullptr) {
            sprite->Draw(Buffer);
        }
    }
    Buffer.EndDraw(nullptr);
}

void CZapGame::DrawAll(HWND window) {
    Buffer.BeginDraw(window, nullptr);
    DrawField();
    Buffer.EndDraw(nullptr);
}

void CZapGame::DrawField() {
    // A grown word lies beneath everything else: each sprite drawn after it clears its own box first.
    for (const auto& sprite : FieldSprites) {
        if (sprite->IsGrown()) {
            sprite->Draw(Buffer);
        }
    }
    for (const auto& sprite : FieldSprites) {
        if (!sprite->IsGrown()) {
            sprite->Draw(Buffer);
        }
    }
}

bool CZapGame::Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
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
