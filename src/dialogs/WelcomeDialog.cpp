#include "dialogs/WelcomeDialog.h"

#include "dialogs/DialogHelpers.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/HowToPlay.h"
#include "words/CText.h"
#include "words/FormatNumbers.h"

namespace {

// Fills each bullet line from its template; the formatter grows its text, so no number can overrun it.
void ShowRuleLines(HWND dialog) {
    const RuleLines lines = ComposeRuleLines(GameSettings);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CText text;
        if (lines[i].TextId != 0) {
            const CText format(lines[i].TextId);
            FormatNumbers(text, format.Str(), &lines[i].Number, 1);
        }
        SetItemText(dialog, IDC_WELCOME_LINE_FIRST + static_cast<int>(i), text.Str());
    }
}

void Initialise(HWND dialog, CWelcomeDialog& state) {
    CentreWindow(dialog);
    ShowRuleLines(dialog);
    const HWND tour = GetDlgItem(dialog, IDC_WELCOME_PLAY_TOUR);
    const HWND play = GetDlgItem(dialog, IDOK);
    EnableWindow(tour, TRUE);
    EnableWindow(play, TRUE);
    // Opened from the menu the dialog only explains: a single button, and the focus on it even
    // during a tour, since a hidden button cannot take it.
    if (state.FirstOpening == 0) {
        ShowWindow(tour, SW_HIDE);
        SetItemText(dialog, IDOK, "OK");
    }
    const bool focusTour = GameSettings.RoundRobin != 0 && state.FirstOpening != 0;
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focusTour ? tour : play), TRUE);
    state.FirstOpening = 0;
}

INT_PTR CALLBACK WelcomeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog, DialogState<CWelcomeDialog>(dialog));
        return FALSE; // the focus is set
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            GameSettings.RoundRobin = 0;
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDC_WELCOME_PLAY_TOUR:
            GameSettings.RoundRobin = 1;
            EndDialog(dialog, IDOK);
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

INT_PTR ShowWelcomeDialog(HWND owner, CWelcomeDialog& state) {
    return RunDialog(owner, DLG_WELCOME, WelcomeDialogProc, state);
}
