#include "dialogs/StatsDialog.h"

#include "dialogs/DialogHelpers.h"
#include "game/CZapGame.h"
#include "gfx/StatusSprites.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "store/GameKey.h"
#include "store/Registry.h"
#include "store/Statistics.h"
#include "words/CText.h"

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
    FormatNumbers(text, format.Chars, numbers.begin(), static_cast<int>(numbers.size()));
    SetItemText(dialog, id, text.Chars);
}

// count and its share of played in whole percent, rounded; 0% when no game was played.
void ShowShare(HWND dialog, int id, std::int32_t count, std::int32_t played) {
    const std::int64_t percent =
        played > 0 ? (std::int64_t{count} * 100 + played / 2) / played : std::int64_t{0};
    ShowFormatted(dialog, id, IDS_COUNT_AND_PERCENT, {count, static_cast<std::int32_t>(percent)});
}

} // namespace

void CStatsDialog::Fill(HWND dialog) const {
    if (InTour()) {
        const CText next(IDS_NEXT_GAME_BUTTON);
        SetItemText(dialog, IDOK, next.Chars);
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
    }
}

void CStatsDialog::ShowNumbers(HWND dialog) {
    const char* key = GameKey();
    const PlayerStatistics stats = ReadStatistics(key);
    ShowFormatted(dialog, IDC_STATS_LATEST_SCORE, IDS_NUMBER, {stats.LatestScore});
    ShowFormatted(dialog, IDC_STATS_AVERAGE_SCORE, IDS_NUMBER, {stats.AverageScore});
    // Shown as at least one game: the dialogs normally follow a recorded game.
    SetItemInt(dialog, IDC_STATS_GAMES_PLAYED, ReadRegDword(HKEY_CURRENT_USER, key, "GamesPlayed", 1));
    ShowFormatted(dialog, IDC_STATS_BEST_SCORE, IDS_NUMBER, {stats.BestScore});
    ShowFormatted(dialog, IDC_STATS_WORST_SCORE, IDS_NUMBER, {stats.WorstScore});
    ShowShare(dialog, IDC_STATS_GAMES_WON, stats.GamesWon, stats.GamesPlayed);
    // A hand-edited registry can claim more wins than games.
    const std::int64_t lost = std::clamp<std::int64_t>(std::int64_t{stats.GamesPlayed} - stats.GamesWon, 0,
                                                       std::max<std::int32_t>(stats.GamesPlayed, 0));
    ShowShare(dialog, IDC_STATS_GAMES_LOST, static_cast<std::int32_t>(lost), stats.GamesPlayed);
}

INT_PTR CALLBACK StatsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* state = new CStatsDialog(StatsGame);
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
        state->Fill(dialog);
        AppendToTitle(dialog, CurrentTitleId);
        CentreWindow(dialog);
        return TRUE;
    }
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
            if (MessageBoxA(dialog, question.Chars, caption.Chars, MB_YESNO | MB_ICONQUESTION) == IDYES) {
                ResetStatistics();
                CStatsDialog::ShowNumbers(dialog);
            }
            return TRUE;
        }
        default:
            return FALSE;
        }
    case WM_DESTROY:
        delete reinterpret_cast<CStatsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

namespace {

INT_PTR ShowStats(HWND owner, int dialogId, CZapGame* game) {
    StatsGame = game;
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), owner, StatsDialogProc, 0);
    StatsGame = nullptr;
    return result;
}

} // namespace

INT_PTR ShowGameStatistics(HWND owner, CZapGame* game) {
    return ShowStats(owner, DLG_GAME_STATISTICS, game);
}

INT_PTR ShowGameOverStatistics(HWND owner, CZapGame* game) {
    return ShowStats(owner, DLG_GAME_OVER_STATISTICS, game);
}
