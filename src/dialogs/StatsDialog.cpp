#include "dialogs/StatsDialog.h"

#include "dialogs/DialogHelpers.h"
#include "game/CZapGame.h"
#include "gfx/Gdi.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Statistics.h"
#include "words/CText.h"
#include "words/FormatNumbers.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace {

// A word list of the game and the controls that show it.
struct WordColumn {
    StringList CZapGame::*List;
    int ListBox;
    int Count;
};

const WordColumn kColumns[] = {
    {&CZapGame::WordsZapped, IDC_STATS_WORDS_ZAPPED, IDC_STATS_WORDS_ZAPPED_COUNT},
    {&CZapGame::WordsEliminated, IDC_STATS_WORDS_ELIMINATED, IDC_STATS_WORDS_ELIMINATED_COUNT},
    {&CZapGame::WordsIgnored, IDC_STATS_WORDS_IGNORED, IDC_STATS_WORDS_IGNORED_COUNT},
    {&CZapGame::FakesEliminated, IDC_STATS_FAKES_ELIMINATED, IDC_STATS_FAKES_ELIMINATED_COUNT},
    {&CZapGame::FakesZapped, IDC_STATS_FAKES_ZAPPED, IDC_STATS_FAKES_ZAPPED_COUNT},
    {&CZapGame::FakesIgnored, IDC_STATS_FAKES_IGNORED, IDC_STATS_FAKES_IGNORED_COUNT},
};

bool InTour() {
    return GameSettings.RoundRobin != 0;
}

// The string-table format formatId filled with the given numbers.
void ShowFormatted(HWND dialog, int id, unsigned formatId, std::initializer_list<std::int32_t> numbers) {
    const CText format(formatId);
    CText text;
    FormatNumbers(text, format.Str(), numbers.begin(), static_cast<int>(numbers.size()));
    SetItemText(dialog, id, text.Str());
}

// count and its share of played in whole percent, rounded; 0% when no game was played.
void ShowShare(HWND dialog, int id, std::int32_t count, std::int32_t played) {
    const std::int64_t percent =
        played > 0 ? (std::int64_t{count} * 100 + played / 2) / played : std::int64_t{0};
    ShowFormatted(dialog, id, IDS_COUNT_AND_PERCENT, {count, static_cast<std::int32_t>(percent)});
}

// The list boxes draw each entry a few pixels in from their left edge.
constexpr LONG kEntryMargin = 4;

// Lets a list box scroll sideways as far as its widest entry needs, measured in the box's own font,
// so that a long word or fake can be read to its end.
void FitScrollWidth(HWND box, const StringList& words) {
    const WindowDC dc(box);
    if (dc.Get() == nullptr) {
        return;
    }
    const SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (std::int32_t i = 0; i < words.Count; ++i) {
        const char* text = words.At(i);
        SIZE size{0, 0};
        if (text != nullptr && GetTextExtentPoint32A(dc.Get(), text, lstrlenA(text), &size)) {
            widest = std::max(widest, size.cx);
        }
    }
    RECT visible{0, 0, 0, 0};
    GetClientRect(box, &visible);
    // A list whose entries all fit gets no extent, so that its scroll bar shows nothing to scroll.
    const LONG extent = widest + kEntryMargin > visible.right ? widest + kEntryMargin : 0;
    SendMessageA(box, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

} // namespace

void CStatsDialog::Fill(HWND dialog) const {
    if (InTour()) {
        const CText next(IDS_NEXT_GAME_BUTTON);
        SetItemText(dialog, IDOK, next.Str());
    }
    ShowNumbers(dialog);
    if (Game == nullptr) {
        return;
    }
    for (const WordColumn& column : kColumns) {
        const HWND box = GetDlgItem(dialog, column.ListBox);
        if (box == nullptr) {
            continue;
        }
        const StringList& words = Game->*column.List;
        SetItemInt(dialog, column.Count, words.Count);
        for (std::int32_t i = 0; i < words.Count; ++i) {
            SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(words.At(i)));
        }
        FitScrollWidth(box, words);
    }
}

void CStatsDialog::ShowNumbers(HWND dialog) {
    const PlayerStatistics stats = ReadStatistics(GameKey());
    // The figures agree with each other whatever the registry holds: a negative count is no games,
    // and no more games are won than played.
    const std::int32_t played = std::max<std::int32_t>(stats.GamesPlayed, 0);
    const std::int32_t won = std::clamp<std::int32_t>(stats.GamesWon, 0, played);
    ShowFormatted(dialog, IDC_STATS_LATEST_SCORE, IDS_NUMBER, {stats.LatestScore});
    ShowFormatted(dialog, IDC_STATS_AVERAGE_SCORE, IDS_NUMBER, {stats.AverageScore});
    SetItemInt(dialog, IDC_STATS_GAMES_PLAYED, played);
    if (played == 0) {
        // Before the first game, and after a reset, the stored best and worst are only the starting
        // points of the first game's comparison (the worst starts at 1000), not scores anyone made.
        const CText none(IDS_NO_SCORE);
        SetItemText(dialog, IDC_STATS_BEST_SCORE, none.Str());
        SetItemText(dialog, IDC_STATS_WORST_SCORE, none.Str());
    } else {
        ShowFormatted(dialog, IDC_STATS_BEST_SCORE, IDS_NUMBER, {stats.BestScore});
        ShowFormatted(dialog, IDC_STATS_WORST_SCORE, IDS_NUMBER, {stats.WorstScore});
    }
    ShowShare(dialog, IDC_STATS_GAMES_WON, won, played);
    ShowShare(dialog, IDC_STATS_GAMES_LOST, played - won, played);
}

INT_PTR CALLBACK StatsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        DialogState<CStatsDialog>(dialog).Fill(dialog);
        AppendToTitle(dialog, CurrentTitleId);
        CentreWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, InTour() ? 4 : 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 2);
            return TRUE;
        case IDC_STATS_RESET: {
            const CText question(IDS_ASK_RESET_STATS);
            const CText caption(IDS_RESET_STATS_CAPTION);
            if (MessageBoxA(dialog, question.Str(), caption.Str(), MB_YESNO | MB_ICONQUESTION) == IDYES) {
                ResetStatistics();
                CStatsDialog::ShowNumbers(dialog);
            }
            return TRUE;
        }
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

namespace {

INT_PTR ShowStats(HWND owner, int dialogId, CZapGame* game) {
    CStatsDialog state(game);
    return RunDialog(owner, dialogId, StatsDialogProc, state);
}

} // namespace

INT_PTR ShowGameStatistics(HWND owner, CZapGame* game) {
    return ShowStats(owner, DLG_GAME_STATISTICS, game);
}

INT_PTR ShowGameOverStatistics(HWND owner, CZapGame* game) {
    return ShowStats(owner, DLG_GAME_OVER_STATISTICS, game);
}
