#include "dialogs/SelectGameDialog.h"

#include "dialogs/DialogHelpers.h"
#include "resources/resource.h"
#include "store/Preferences.h"
#include "words/CText.h"

#include <cstdint>
#include <iterator>

namespace {

// The stages in list order: the value a choice stores, the title listed, the description shown.
struct GameRow {
    std::int32_t Value;
    unsigned TitleId;
    unsigned DescriptionId;
};

// clang-format off
constexpr GameRow kGames[] = {
    {1, IDS_STAGE1_TITLE, IDS_STAGE1_DESCRIPTION},
    {2, IDS_STAGE2_TITLE, IDS_STAGE2_DESCRIPTION},
    {3, IDS_STAGE3_TITLE, IDS_STAGE3_DESCRIPTION},
    {4, IDS_STAGE4_TITLE, IDS_STAGE4_DESCRIPTION},
    {5, IDS_STAGE5_TITLE, IDS_STAGE5_DESCRIPTION},
    {6, IDS_STAGE6_TITLE, IDS_STAGE6_DESCRIPTION},
    {7, IDS_STAGE7_TITLE, IDS_STAGE7_DESCRIPTION},
    {8, IDS_STAGE8_TITLE, IDS_STAGE8_DESCRIPTION},
    {9, IDS_STAGE9_TITLE, IDS_STAGE9_DESCRIPTION},
};
// clang-format on
constexpr int kGameCount = static_cast<int>(std::size(kGames));

void ShowText(HWND dialog, int id, unsigned textId) {
    const CText text(textId);
    SetItemText(dialog, id, text.Chars);
}

// The description of the list's current selection, or the hint when nothing is selected.
void ShowDescription(HWND dialog, CSelectGameDialog& state) {
    const HWND list = GetDlgItem(dialog, IDC_SELECT_LIST);
    const LRESULT position = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT row = position == LB_ERR ? LB_ERR : SendMessageA(list, LB_GETITEMDATA, position, 0);
    if (row < 0 || row >= kGameCount) {
        state.Selection = -1;
        state.ListIndex = -1;
        ShowText(dialog, IDC_SELECT_DESCRIPTION, IDS_SELECT_GAME_HINT);
        return;
    }
    const GameRow& game = kGames[row];
    state.Selection = game.Value;
    state.TitleId = game.TitleId;
    state.ListIndex = static_cast<int>(position);
    ShowText(dialog, IDC_SELECT_DESCRIPTION, game.DescriptionId);
}

void Initialise(HWND dialog, CSelectGameDialog& state) {
    CentreWindow(dialog);
    const HWND list = GetDlgItem(dialog, IDC_SELECT_LIST);
    for (int row = 0; row < kGameCount; ++row) {
        const CText title(kGames[row].TitleId);
        const LRESULT position = SendMessageA(
            list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.Chars != nullptr ? title.Chars : ""));
        SendMessageA(list, LB_SETITEMDATA, position, row);
        if (kGames[row].Value == Preferences.GameSelection) {
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
