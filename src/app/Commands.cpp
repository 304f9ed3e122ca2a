// The menu commands and the life of a game: the new-game question, the game to build, the word
// list, and the end of a game with its statistics and the Game Over dialog.

#include "app/CGameApp.h"

#include "dialogs/DialogHelpers.h"
#include "dialogs/HelpPage.h"
#include "dialogs/HighScoreDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/SelectGameDialog.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/StatsDialog.h"
#include "dialogs/TourDialog.h"
#include "game/CZapGame.h"
#include "game/Stages.h"
#include "gfx/Gdi.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/Statistics.h"
#include "store/Preferences.h"
#include "store/Registry.h"
#include "store/Statistics.h"
#include "words/CText.h"

#include <new>

namespace {

constexpr char kWordList[] = "words.lst";
constexpr int kNoticePoints = 14;

// The game over result that moves the tour to its next stage.
constexpr INT_PTR kNextTourGame = 4;

bool AskYesNo(HWND window, unsigned textId, unsigned captionId) {
    const CText text(textId);
    const CText caption(captionId);
    return MessageBoxA(window, text.Str(), caption.Str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        CentreWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void CGameApp::SetCurrentTitleId(unsigned id) {
    CurrentTitleId = id;
}

// --- Commands --------------------------------------------------------------------------------------

template <typename Body>
void CGameApp::WithPause(HWND window, Body body) {
    if (!Paused) {
        SetPaused(window, true);
    }
    body();
    if (Paused && !GameEnded) {
        SetPaused(window, false);
    }
}

bool CGameApp::OnCommand(HWND window, int id, int code, HWND control) {
    switch (id) {
    case IDM_ABOUT:
        WithPause(window, [&] { ShowAbout(window); });
        return true;
    case IDM_QUIT:
        PostMessageA(window, WM_CLOSE, 0, 0);
        return true;
    case IDM_CONTENTS:
        OpenHelpPage(window);
        return true;
    case IDM_WELCOME:
        WithPause(window, [&] { ShowWelcomeDialog(window, Welcome); });
        return true;
    case IDM_WEB_SITE:
        OpenWebPage(window, kWebSiteAddress);
        return true;
    case IDM_NEW_GAME:
        NewGame(window, kThisMode, 0);
        return true;
    case IDM_HIGH_SCORES:
        WithPause(window, [&] { ShowHighScoreList(window); });
        return true;
    case IDM_OPTIONS:
        ShowOptions(window);
        return true;
    case IDM_STATISTICS:
        WithPause(window, [&] { ShowGameStatistics(window, dynamic_cast<CZapGame*>(Game.get())); });
        return true;
    case IDM_CHOOSE_GAME:
        NewGame(window, kChooseStage);
        return true;
    case IDM_UNDO:
        WithPause(window, [&] {
            if (Game != nullptr) {
                Game->Undo(window);
            }
        });
        return true;
    case IDM_HOW_TO_PLAY:
        WithPause(window, [&] {
            // "Play Tour" goes on as Tour Games does.
            if (ShowHowToPlay(window)) {
                NewGame(window, kNextStage, 1);
            }
        });
        return true;
    case IDM_SETTINGS:
        WithPause(window, [&] { ShowSettings(window); });
        return true;
    case IDM_TOUR_GAMES:
        NewGame(window, kNextStage, 1);
        return true;
    default:
        return Game != nullptr &&
               Game->OnCommand(window, id, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control)) > 0;
    }
}

void CGameApp::ShowAbout(HWND window) {
    DialogBoxParamA(Instance, MAKEINTRESOURCEA(DLG_ABOUT), window, AboutDialogProc, 0);
}

void CGameApp::ShowOptions(HWND window) {
    WithPause(window, [&] {
        if (ShowOptionsDialog(window) == IDOK &&
            AskYesNo(window, IDS_ASK_APPLY_OPTIONS, IDS_APPLY_OPTIONS_CAPTION)) {
            // The running game makes way without a question and without a record.
            GameEnded = true;
            NewGame(window, kThisMode);
        }
    });
}

void CGameApp::ShowSettings(HWND window) {
    if (ShowSettingsDialog(window) != IDOK || Game == nullptr) {
        return;
    }
    const WindowDC dc(window);
    Game->OnSettingsChanged(window, dc.Get());
}

bool CGameApp::ShowHowToPlay(HWND window) {
    if (GameSettings.RoundRobin != 0 && Game != nullptr) {
        ShowTourDialog(window, dynamic_cast<CZapGame*>(Game.get()));
        return false;
    }
    const bool touring = GameSettings.RoundRobin != 0;
    ShowWelcomeDialog(window, Welcome);
    if (!touring && GameSettings.RoundRobin != 0) {
        // The running game stays out of the tour until the tour has really started.
        GameSettings.RoundRobin = 0;
        return true;
    }
    return false;
}

// --- The life of a game ------------------------------------------------------------------------------

void CGameApp::NewGame(HWND window, int mode, int tour) {
    if (!Paused) {
        SetPaused(window, true);
    }
    if (Game != nullptr && !GameEnded) {
        const bool next = mode == kNextStage;
        if (!AskYesNo(window, next ? IDS_ASK_NEXT_TOUR_GAME : IDS_ASK_NEW_GAME,
                      next ? IDS_NEXT_GAME_CAPTION : IDS_NEW_GAME_CAPTION)) {
            SetPaused(window, false);
            return;
        }
        AddSkippedGame();
        RecordGame(EndAbandoned, Game->Score());
        // Recorded once: should the player quit from the game selection below, the close that
        // follows must not record the same game again.
        GameEnded = true;
        // Given up, not over: the clock stays still and the title says so while the next game is
        // chosen.
        PauseShowing(window, IDS_PAUSED);
    }
    if (tour != kKeepTour && tour != GameSettings.RoundRobin) {
        GameSettings.RoundRobin = tour;
        SaveTourProgress();
    }

    int choice = 0;
    if (mode == kChooseStage) {
        if (ShowSelectGameDialog(window) != IDOK) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            return;
        }
        choice = Preferences.GameSelection;
    }
    if (mode == kNextStage) {
        // A stored stage out of the tour's range starts the tour again from its beginning.
        ++Preferences.CurrentGame;
        if (Preferences.CurrentGame < 1 || Preferences.CurrentGame > kStageCount) {
            Preferences.CurrentGame = 1;
        }
    }

    Game.reset();
    if (GameSettings.RoundRobin != 0) {
        choice = Preferences.CurrentGame;
    }
    if (choice == 1) {
        StartRoundRobin();
    }
    LoadDictionary(window);
    Game = MakeGame(choice);

    GameEnded = false;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    SetPaused(window, false);
    StartClock(window);

    if (GameSettings.RoundRobin != 0 && Game != nullptr) {
        SendMessageA(window, WM_COMMAND, IDM_HOW_TO_PLAY, 0);
    }
}

std::unique_ptr<CGame> CGameApp::MakeGame(int choice) {
    // Without memory for a game the window stays empty; every handler checks for a game.
    try {
        if (choice >= 1 && choice <= kStageCount) {
            return kStagePresets[choice - 1].Make(*this, Instance, &Words);
        }
        return std::make_unique<CZapGame>(*this, Instance, &Words);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void CGameApp::StartRoundRobin() {
    GameSettings.RoundRobinScore = 0;
    ResetStatistics(kRoundRobinGameKey);
}

bool CGameApp::LoadDictionary(HWND window) {
    if (Words.Loaded) {
        return true;
    }
    {
        const WindowDC dc(window);
        if (dc.Get() != nullptr) {
            const int saved = SaveDC(dc.Get());
            const int height = -MulDiv(kNoticePoints, GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
            const GdiObject<HFONT> font(
                CountedCreateFont(height, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
            {
                const SelectedObject selected(dc.Get(), font.Get());
                SetTextColor(dc.Get(), Preferences.ForegroundColor);
                SetBkColor(dc.Get(), Preferences.BackgroundColor);
                SetBkMode(dc.Get(), TRANSPARENT);
                RECT client{0, 0, 0, 0};
                GetClientRect(window, &client);
                const CText notice(IDS_LOADING_DICTIONARY);
                DrawTextA(dc.Get(), notice.Str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            }
            RestoreDC(dc.Get(), saved);
        }
    }
    if (Words.Load(kWordList)) {
        return true;
    }
    const CText text(IDS_NO_DICTIONARY);
    const CText caption(IDS_ERROR_CAPTION);
    MessageBoxA(window, text.Str(), caption.Str(), MB_OK);
    return false;
}

void CGameApp::EndGame(HWND window, int reason) {
    GameEnded = true;
    SetPaused(window, true);
    if (Game == nullptr) {
        return;
    }
    Game->OnGameOver(window, reason);
    RecordGame(reason, Game->Score());
    if (GameSettings.RoundRobin == 0 || Preferences.CurrentGame == kStageCount) {
        if (const auto offered = CheckHighScore(Game->Score())) {
            ShowHighScoreEntry(window, *offered);
        }
    }
    if (reason == EndAbandoned) {
        return;
    }
    const INT_PTR next = ShowGameOverStatistics(window, dynamic_cast<CZapGame*>(Game.get()));
    if (next == IDOK) {
        PostMessageA(window, WM_COMMAND, IDM_NEW_GAME, 0);
    } else if (next == IDCANCEL) {
        PostMessageA(window, WM_COMMAND, IDM_QUIT, 0);
    } else if (next == kNextTourGame) {
        PostMessageA(window, WM_COMMAND, IDM_TOUR_GAMES, 0);
    }
}
