#include "dialogs/TourDialog.h"

#include "dialogs/DialogHelpers.h"
#include "game/CZapGame.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "words/CText.h"
#include "words/FormatNumbers.h"

namespace {

void ShowText(HWND dialog, int id, unsigned textId) {
    const CText text(textId);
    SetItemText(dialog, id, text.Chars);
}

void Initialise(HWND dialog, CTourDialog& state) {
    // Without a game there is no stage to name: the title and description stay empty.
    if (state.Game != nullptr) {
        ShowText(dialog, IDC_TOUR_TITLE, state.Game->TitleId());
        ShowText(dialog, IDC_TOUR_DESCRIPTION, state.Game->DescriptionId());
    }
    const CText format(IDS_NUMBER);
    CText score;
    FormatNumbers(score, format.Chars, &state.TourScore, 1);
    SetItemText(dialog, IDC_TOUR_SCORE, score.Chars);
    CentreWindow(dialog);
}

INT_PTR CALLBACK TourDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* state = new CTourDialog;
        state->TourScore = GameSettings.RoundRobinScore;
        state->Game = StatsGame;
        SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
        Initialise(dialog, *state);
        return TRUE;
    }
    case WM_COMMAND:
        // Escape and every other command leave the dialog open.
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        delete reinterpret_cast<CTourDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR ShowTourDialog(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(DLG_ROUND_ROBIN_TOUR), owner,
                           TourDialogProc, 0);
}
