#include "dialogs/SelectGameDialog.h"

#include "dialogs/DialogHelpers.h"
#include "game/Stages.h"
#include "resources/resource.h"
#include "store/Preferences.h"
#include "words/CText.h"

namespace {

void ShowText(HWND dialog, int id, unsigned textId) {
    const CText text(textId);
    SetItemText(dialog, id, text.Str());
}

// The description of the list's current selection, or the hint when nothing is selected.
void ShowDescription(HWND dialog, CSelectGameDialog& state) {
    const HWND list = GetDlgItem(dialog, IDC_SELECT_LIST);
    const LRESULT position = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT row = position == LB_ERR ? LB_ERR : SendMessageA(list, LB_GETITEMDATA, position, 0);
    if (row < 0 || row >= kStageCount) {
        state.Selection = -1;
        state.ListIndex = -1;
        ShowText(dialog, IDC_SELECT_DESCRIPTION, IDS_SELECT_GAME_HINT);
        return;
    }
    const StagePreset& game = kStagePresets[row];
    state.Selection = static_cast<int>(row) + 1;
    state.TitleId = game.TitleId;
    state.ListIndex = static_cast<int>(position);
    ShowText(dialog, IDC_SELECT_DESCRIPTION, game.DescriptionId);
}

void Initialise(HWND dialog, CSelectGameDialog& state) {
    CentreWindow(dialog);
    const HWND list = GetDlgItem(dialog, IDC_SELECT_LIST);
    // The list holds the stages in their order; a row's data is its index in the stage table.
    for (int row = 0; row < kStageCount; ++row) {
        const CText title(kStagePresets[row].TitleId);
        const LRESULT position = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.Str()));
        SendMessageA(list, LB_SETITEMDATA, position, row);
        if (row + 1 == Preferences.GameSelection) {
            SendMessageA(list, LB_SETCURSEL, position, 0);
        }
    }
    ShowDescription(dialog, state);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDOK)), TRUE);
}

void Play(HWND dialog, CSelectGameDialog& state) {
    ShowDescription(dialog, state);
    if (state.Selection >= 0) {
        Preferences.GameSelection = state.Selection;
        CurrentTitleId = state.TitleId;
    }
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK SelectGameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    CSelectGameDialog& state = DialogState<CSelectGameDialog>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog, state);
        return FALSE; // the focus is set
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_SELECT_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                ShowDescription(dialog, state);
            } else if (HIWORD(wParam) == LBN_DBLCLK) {
                Play(dialog, state);
            }
            return TRUE;
        case IDOK:
            Play(dialog, state);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR ShowSelectGameDialog(HWND owner) {
    static CSelectGameDialog state; // kept for the whole run
    return RunDialog(owner, DLG_SELECT_GAME, SelectGameDialogProc, state);
}
