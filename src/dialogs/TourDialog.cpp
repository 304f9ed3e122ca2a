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
    SetItemText(dialog, id, text.Str());
}

void Initialise(HWND dialog, CTourDialog& state) {
    // Without a game there is no stage to name: the title and description stay empty.
    if (state.Game != nullptr) {
        ShowText(dialog, IDC_TOUR_TITLE, state.Game->TitleId());
        ShowText(dialog, IDC_TOUR_DESCRIPTION, state.Game->DescriptionId());
    }
    const CText format(IDS_NUMBER);
    CText score;
    FormatNumbers(score, format.Str(), &state.TourScore, 1);
    SetItemText(dialog, IDC_TOUR_SCORE, score.Str());
    CentreWindow(dialog);
}

INT_PTR CALLBACK TourDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog, DialogState<CTourDialog>(dialog));
        return TRUE;
    case WM_COMMAND:
        // Escape and every other command leave the dialog open.
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR ShowTourDialog(HWND owner, CZapGame* game) {
    CTourDialog state;
    state.TourScore = GameSettings.RoundRobinScore;
    state.Game = game;
    return RunDialog(owner, DLG_ROUND_ROBIN_TOUR, TourDialogProc, state);
}
