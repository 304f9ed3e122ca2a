// Speed of one game-clock tick on a crowded 1024 x 768 field, as the player's window gets it: the
// word-field game fills a real window through play (words spawned until no more fit, some zapped and
// eliminated through the click handlers, right and wrong, a few at the end of their life), then each
// timed tick runs the game's own timer operation, so every sprite is aged and drawn, a new word is
// tried and the changed area is copied to the window. Before each timed tick the field is put back as
// it was (untimed), so every repetition does the same work on the same crowd.
//
//   BM_GameTick/Crowded             every word in the default face
//   BM_GameTick/CrowdedRandomFonts  every word in a face of the random-fonts table
//   BM_GameTickFloor                the bare GDI calls that draw the crowded field's texts in the same
//                                   fonts: per string one font selected and put back and one DrawTextA
//                                   into a memory DC, an erase of each box, one BitBlt of the dirty area
//
// The benchmarks take turns in batches, each batch after a few untimed ticks, so that drift of the
// machine spreads over all three and no batch inherits another's font cache. The floor is timed while
// the games are alive, so it finds the fonts realised as the game keeps them: it is the cost of the
// drawing itself, not of the system's font cache. Google Benchmark has no
// Windows build here, so this times itself and prints the same JSON. Run under Wine with a display,
// from the folder that holds words.lst:
//   game_bench.exe [--repetitions=N] [--show=Crowded|CrowdedRandomFonts]
// --show fills that field, draws it whole and keeps the window up for ten seconds instead of timing.

#include "BenchWindow.h"
#include "game/CZapGame.h"
#include "game/GameHost.h"
#include "gfx/Gdi.h"
#include "rules/GameSettings.h"
#include "store/Preferences.h"
#include "words/Dictionary.h"
#include "words/Random.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kFieldWidth = 1024;
constexpr int kFieldHeight = 768;
constexpr UINT kGameClock = 205;
constexpr int kDefaultRepetitions = 300;
constexpr int kMostRepetitions = 100000;
constexpr int kBatch = 20;      // timed repetitions of one benchmark before the next one's turn
constexpr int kWarmUpTicks = 3; // untimed, at the start of every batch
constexpr int kFullAfter = 60;  // ticks in a row without a new word: the field is full
constexpr int kLongestFill = 3000;
constexpr int kClicks = 18;    // then the player classifies a word a tick, the last ones still animating
constexpr int kDyingWords = 6; // words left in the last ticks of their life
constexpr unsigned kTickSeed = 12345;

struct BenchHost : GameHost {
    int endings = 0;
    void EndGame(HWND /*window*/, int /*reason*/) override { ++endings; }
    void SetCurrentTitleId(unsigned /*id*/) override {}
};

HWND MakeWindow() {
    return MakeBenchWindow("Lexiblast game bench", kFieldWidth, kFieldHeight);
}

double Now() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

// What a tick changes in a sprite.
struct SpriteState {
    WordSprite* Sprite;
    std::int32_t State, Lifespan, FontSize, Bold, Italic, JiggleX, JiggleY, Live;
    std::uint32_t Marks;
    COLORREF Colour;
};

// A word-field game on the bench window, filled through play and then frozen.
class CrowdedField {
public:
    CrowdedField(HWND window, Dictionary& words, bool randomFonts) : window_(window) {
        GameSettings = GameSettingsRecord{};
        GameSettings.EndGameCondition = 0; // never ends by itself
        GameSettings.AddWordInterval = 1;  // a word whenever there is room
        GameSettings.HandicapSpeed = 0;
        GameSettings.AddWordsFaster = 0;
        GameSettings.AnimateWords = 1;
        GameSettings.RandomFonts = randomFonts ? 1 : 0;
        SeedRandom(1);
        game_ = std::make_unique<CZapGame>(host_, GetModuleHandleA(nullptr), &words);
        const HDC dc = GetDC(window);
        game_->OnEraseBackground(window, dc);
        ReleaseDC(window, dc);
        game_->OnPaint(window, nullptr);
        Fill();
        Freeze();
    }

    CZapGame& Game() { return *game_; }

    // Puts the field back as it was frozen, so that the next tick does the same work again.
    void Restore() {
        auto& sprites = game_->FieldSprites;
        while (sprites.size() > frozen_.size()) { // a word that found a gap in the last tick
            if (game_->HoverSprite == sprites.back().get()) {
                game_->HoverSprite = nullptr;
            }
            sprites.pop_back();
        }
        for (const SpriteState& s : frozen_) {
            WordSprite& sprite = *s.Sprite;
            if (sprite.FontSize != s.FontSize || sprite.Bold != s.Bold || sprite.Italic != s.Italic) {
                sprite.DropFont();
            }
            std::tie(sprite.State, sprite.Lifespan, sprite.FontSize, sprite.Bold, sprite.Italic,
                     sprite.JiggleX, sprite.JiggleY, sprite.Live, sprite.Marks, sprite.Colour) =
                std::tie(s.State, s.Lifespan, s.FontSize, s.Bold, s.Italic, s.JiggleX, s.JiggleY, s.Live,
                         s.Marks, s.Colour);
        }
        CZapGame& g = *game_;
        std::tie(g.PlacementTries, g.MaxWordLength, g.TicksSinceWordAdded, g.TicksSinceHit, g.NextWordTicks) =
            std::tie(placementTries_, maxWordLength_, ticksSinceWordAdded_, ticksSinceHit_, nextWordTicks_);
        g.ClockDisplay->Value = clock_;
        g.ClockDisplay->UpdateText();
        SeedRandom(kTickSeed);
    }

    // One timed game-clock tick, in microseconds.
    double Tick() {
        const double start = Now();
        game_->OnTimer(window_, kGameClock);
        const double time = Now() - start;
        if (game_->FieldSprites.size() < frozen_.size() || host_.endings != 0) {
            std::fprintf(stderr, "game_bench: the frozen field lost a sprite\n");
            std::exit(1);
        }
        return time;
    }

    // The whole field drawn once, as a paint would.
    void Paint() {
        InvalidateRect(window_, nullptr, TRUE);
        const HDC dc = GetDC(window_);
        game_->OnEraseBackground(window_, dc);
        ReleaseDC(window_, dc);
        game_->OnPaint(window_, nullptr);
    }

    std::size_t Sprites() const { return frozen_.size(); }

private:
    HWND window_;
    BenchHost host_;
    std::unique_ptr<CZapGame> game_;
    std::vector<SpriteState> frozen_;
    std::int32_t placementTries_ = 0, maxWordLength_ = 0, ticksSinceWordAdded_ = 0, ticksSinceHit_ = 0,
                 nextWordTicks_ = 0, clock_ = 0;
    std::size_t clicks_ = 0;

    std::vector<WordSprite*> LiveWords() const {
        std::vector<WordSprite*> words;
        for (const auto& sprite : game_->FieldSprites) {
            if (sprite->IsLive() && sprite->State == SpriteJiggling) {
                words.push_back(sprite.get());
            }
        }
        return words;
    }

    // The player classifies the newest live word that fits the next verdict in turn (right zaps and
    // eliminations twice as often as wrong ones), through the game's own mouse handlers; when no word
    // fits, the next verdict is tried.
    void ClickSomeWord() {
        static constexpr struct {
            bool Left;
            bool Genuine;
        } kVerdicts[] = {{true, true},   {false, false}, {true, true},
                         {false, false}, {true, false},  {false, true}};
        const auto words = LiveWords();
        for (std::size_t tried = 0; tried < std::size(kVerdicts); ++tried) {
            const auto verdict = kVerdicts[clicks_++ % std::size(kVerdicts)];
            for (auto it = words.rbegin(); it != words.rend(); ++it) {
                WordSprite& word = **it;
                std::string lower = word.Text.Chars != nullptr ? word.Text.Chars : "";
                std::transform(lower.begin(), lower.end(), lower.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
                if ((game_->Words->IsWord(lower.c_str()) > 0) != verdict.Genuine) {
                    continue;
                }
                const int x = (word.Rect.left + word.Rect.right) / 2;
                const int y = (word.Rect.top + word.Rect.bottom) / 2;
                game_->OnMouseMove(window_, x, y, 0);
                verdict.Left ? game_->OnLButtonDown(window_, x, y, MK_LBUTTON)
                             : game_->OnRButtonDown(window_, x, y, MK_RBUTTON);
                return;
            }
        }
    }

    void Fill() {
        int idle = 0;
        for (int tick = 1; tick <= kLongestFill && idle < kFullAfter; ++tick) {
            game_->OnTimer(window_, kGameClock);
            idle = game_->TicksSinceWordAdded == 0 ? 0 : idle + 1;
            PumpMessages();
        }
        // Mistakes stay on the field; right verdicts grow or shrink for a while, and the room they
        // leave fills again. Last, a few words reach the end of their life and fade.
        for (int i = 0; i < kClicks; ++i) {
            ClickSomeWord();
            game_->OnTimer(window_, kGameClock);
        }
        const auto words = LiveWords();
        for (int i = 0; i < kDyingWords && i < static_cast<int>(words.size()); ++i) {
            words[static_cast<std::size_t>(i) * words.size() / kDyingWords]->Lifespan = 7;
        }
        for (int i = 0; i < kWarmUpTicks; ++i) {
            game_->OnTimer(window_, kGameClock);
        }
        PumpMessages();
    }

    void Freeze() {
        for (const auto& entry : game_->FieldSprites) {
            WordSprite& s = *entry;
            frozen_.push_back(SpriteState{&s, s.State, std::max(s.Lifespan, 1), s.FontSize, s.Bold, s.Italic,
                                          s.JiggleX, s.JiggleY, s.Live, s.Marks, s.Colour});
        }
        const CZapGame& g = *game_;
        std::tie(placementTries_, maxWordLength_, ticksSinceWordAdded_, ticksSinceHit_, nextWordTicks_,
                 clock_) = std::tie(g.PlacementTries, g.MaxWordLength, g.TicksSinceWordAdded, g.TicksSinceHit,
                                    g.NextWordTicks, g.ClockDisplay->Value);
    }
};

// The crowded field's drawing as bare GDI calls: the same texts in the same boxes, colours, formats
// and fonts (each string its own font, as each sprite owns one), drawn into a memory DC of the same
// size, with one copy of the dirty area to the window.
class Floor {
public:
    Floor(HWND window, CZapGame& game) : window_(window) {
        const HDC windowDc = GetDC(window);
        dc_ = CreateCompatibleDC(windowDc);
        bitmap_ = CreateCompatibleBitmap(windowDc, kFieldWidth, kFieldHeight);
        ReleaseDC(window, windowDc);
        SelectObject(dc_, bitmap_);
        SetBkMode(dc_, TRANSPARENT);
        brush_ = CreateSolidBrush(game.Buffer.BackColour);
        SelectObject(dc_, brush_);
        PatBlt(dc_, 0, 0, kFieldWidth, kFieldHeight, PATCOPY);
        dirty_ = RECT{kFieldWidth, kFieldHeight, 0, 0};
        for (const auto& sprite : game.FieldSprites) {
            // A zapped word that has grown is erased and drawn in its grown box.
            Item item{sprite->IsGrown() ? sprite->GrownRect : sprite->Rect,
                      sprite->TextRect,
                      sprite->Colour,
                      sprite->TextFlags,
                      nullptr,
                      sprite->Text.Chars != nullptr ? sprite->Text.Chars : ""};
            const bool drawn = sprite->HasText != 0 && sprite->State != SpriteHidden &&
                               sprite->State != SpriteDeadBox && sprite->Font != nullptr;
            if (drawn) {
                LOGFONTA font{};
                GetObjectA(sprite->Font, sizeof font, &font);
                item.Font = CreateFontIndirectA(&font);
                fonts_.insert(std::string(reinterpret_cast<const char*>(&font), sizeof font));
                UnionRect(&dirty_, &dirty_, &item.Text);
            }
            UnionRect(&dirty_, &dirty_, &item.Box);
            items_.push_back(item);
        }
    }
    ~Floor() {
        for (const Item& item : items_) {
            if (item.Font != nullptr) {
                DeleteObject(item.Font);
            }
        }
        DeleteDC(dc_);
        DeleteObject(bitmap_);
        DeleteObject(brush_);
    }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    double Pass() {
        const double start = Now();
        for (const Item& item : items_) {
            PatBlt(dc_, item.Box.left, item.Box.top, item.Box.right - item.Box.left,
                   item.Box.bottom - item.Box.top, PATCOPY);
            if (item.Font != nullptr) {
                const HGDIOBJ previous = SelectObject(dc_, item.Font);
                SetTextColor(dc_, item.Colour);
                RECT area = item.Text;
                DrawTextA(dc_, item.String.c_str(), -1, &area, item.Flags);
                SelectObject(dc_, previous);
            }
        }
        const HDC windowDc = GetDC(window_);
        BitBlt(windowDc, dirty_.left, dirty_.top, dirty_.right - dirty_.left, dirty_.bottom - dirty_.top, dc_,
               dirty_.left, dirty_.top, SRCCOPY);
        ReleaseDC(window_, windowDc);
        return Now() - start;
    }

    std::size_t Strings() const {
        return static_cast<std::size_t>(
            std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.Font != nullptr; }));
    }
    std::size_t DistinctFonts() const { return fonts_.size(); }

private:
    struct Item {
        RECT Box;
        RECT Text;
        COLORREF Colour;
        UINT Flags;
        HFONT Font;
        std::string String;
    };
    HWND window_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HBRUSH brush_ = nullptr;
    RECT dirty_{};
    std::vector<Item> items_;
    std::set<std::string> fonts_;
};

// Distinct fonts (by their full description) that a field's words are drawn in.
std::size_t DistinctFonts(const CZapGame& game) {
    std::set<std::string> fonts;
    for (const auto& sprite : game.FieldSprites) {
        if (sprite->Font != nullptr && sprite->State != SpriteHidden) {
            LOGFONTA font{};
            GetObjectA(sprite->Font, sizeof font, &font);
            fonts.insert(std::string(reinterpret_cast<const char*>(&font), sizeof font));
        }
    }
    return fonts.size();
}

struct Result {
    const char* Name;
    const char* RunName;
    int Family;
    int Instance;
    std::vector<double> Times;
    std::size_t Sprites;
    std::size_t Fonts;
};

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 != 0 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

void PrintRun(const Result& r, const char* type, const char* aggregate, int index, double time, bool last) {
    std::printf("    {\n      \"name\": \"%s%s%s\",\n      \"family_index\": %d,\n"
                "      \"per_family_instance_index\": %d,\n      \"run_name\": \"%s\",\n"
                "      \"run_type\": \"%s\",\n      \"repetitions\": %zu,\n",
                r.Name, aggregate[0] != '\0' ? "_" : "", aggregate, r.Family, r.Instance, r.RunName, type,
                r.Times.size());
    if (aggregate[0] == '\0') {
        std::printf("      \"repetition_index\": %d,\n", index);
    } else {
        std::printf("      \"aggregate_name\": \"%s\",\n      \"aggregate_unit\": \"time\",\n", aggregate);
    }
    std::printf("      \"threads\": 1,\n      \"iterations\": %zu,\n      \"real_time\": %.3f,\n"
                "      \"cpu_time\": %.3f,\n      \"time_unit\": \"us\",\n      \"sprites\": %zu,\n"
                "      \"fonts\": %zu\n    }%s\n",
                aggregate[0] != '\0' ? r.Times.size() : std::size_t{1}, time, time, r.Sprites, r.Fonts,
                last ? "" : ",");
}

void PrintJson(const std::vector<Result>& results, bool balanced) {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    std::printf("{\n  \"context\": {\n    \"executable\": \"game_bench\",\n    \"num_cpus\": %lu,\n"
                "    \"library_build_type\": \"release\",\n    \"gdi_balanced\": %s,\n"
                "    \"note\": \"cpu_time is the real time; sprites and fonts count what one tick draws\"\n"
                "  },\n  \"benchmarks\": [\n",
                static_cast<unsigned long>(system.dwNumberOfProcessors), balanced ? "true" : "false");
    for (std::size_t k = 0; k < results.size(); ++k) {
        const Result& r = results[k];
        for (std::size_t i = 0; i < r.Times.size(); ++i) {
            PrintRun(r, "iteration", "", static_cast<int>(i), r.Times[i], false);
        }
        double sum = 0.0;
        for (const double t : r.Times) {
            sum += t;
        }
        const double mean = sum / static_cast<double>(r.Times.size());
        double squares = 0.0;
        for (const double t : r.Times) {
            squares += (t - mean) * (t - mean);
        }
        const double deviation =
            r.Times.size() > 1 ? std::sqrt(squares / static_cast<double>(r.Times.size() - 1)) : 0.0;
        PrintRun(r, "aggregate", "mean", 0, mean, false);
        PrintRun(r, "aggregate", "median", 0, Median(r.Times), false);
        PrintRun(r, "aggregate", "stddev", 0, deviation, k + 1 == results.size());
    }
    std::printf("  ]\n}\n");
}

const char* Option(int argc, char** argv, const char* prefix) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            return argv[i] + std::strlen(prefix);
        }
    }
    return nullptr;
}

bool Balanced(const GdiCallCounts& n) {
    return n.GetDC == n.ReleaseDC && n.CreateDC == n.DeleteDC &&
           n.CreateBMP + n.CreateBrush + n.CreateFont + n.CreatePen == n.DeleteObject;
}

} // namespace

int main(int argc, char** argv) {
    const char* repetitionsOption = Option(argc, argv, "--repetitions=");
    const int repetitions = repetitionsOption != nullptr
                                ? static_cast<int>(std::clamp<long>(
                                      std::strtol(repetitionsOption, nullptr, 10), 1, kMostRepetitions))
                                : kDefaultRepetitions;
    const char* show = Option(argc, argv, "--show=");

    Dictionary words;
    if (!words.Load("words.lst")) {
        std::fprintf(stderr, "game_bench: words.lst is not in the working folder\n");
        return 1;
    }
    const HWND window = MakeWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "game_bench: cannot create a window (is there a display?)\n");
        return 1;
    }
    Preferences = PreferencesRecord{};
    Preferences.Sound = 0;
    WordFontSize = Preferences.FontSize; // as loaded; the first layout keeps it

    if (show != nullptr) {
        CrowdedField field(window, words, std::strcmp(show, "CrowdedRandomFonts") == 0);
        field.Restore();
        field.Tick();
        field.Paint();
        for (int i = 0; i < 100; ++i) {
            PumpMessages();
            Sleep(100);
        }
        DestroyWindow(window);
        return 0;
    }

    std::vector<Result> results;
    {
        CrowdedField crowded(window, words, false);
        CrowdedField random(window, words, true);
        crowded.Restore();
        crowded.Tick();
        Floor floor(window, crowded.Game());
        results.push_back(Result{"BM_GameTick/Crowded",
                                 "BM_GameTick/Crowded",
                                 0,
                                 0,
                                 {},
                                 crowded.Sprites(),
                                 DistinctFonts(crowded.Game())});
        results.push_back(Result{"BM_GameTick/CrowdedRandomFonts",
                                 "BM_GameTick/CrowdedRandomFonts",
                                 0,
                                 1,
                                 {},
                                 random.Sprites(),
                                 DistinctFonts(random.Game())});
        results.push_back(
            Result{"BM_GameTickFloor", "BM_GameTickFloor", 1, 0, {}, floor.Strings(), floor.DistinctFonts()});
        for (int done = 0; done < repetitions; done += kBatch) {
            const int batch = std::min(kBatch, repetitions - done);
            for (CrowdedField* field : {&crowded, &random}) {
                Result& result = results[field == &crowded ? 0 : 1];
                for (int i = 0; i < kWarmUpTicks + batch; ++i) {
                    field->Restore();
                    const double time = field->Tick();
                    if (i >= kWarmUpTicks) {
                        result.Times.push_back(time);
                    }
                    PumpMessages();
                }
            }
            for (int i = 0; i < kWarmUpTicks + batch; ++i) {
                const double time = floor.Pass();
                if (i >= kWarmUpTicks) {
                    results[2].Times.push_back(time);
                }
                PumpMessages();
            }
        }
    }
    DestroyWindow(window);
    PrintJson(results, Balanced(GdiCounts));
    return 0;
}
