#include "dialogs/HighScoreDialog.h"

#include "dialogs/DialogHelpers.h"
#include "resources/resource.h"
#include "rules/GameSettings.h"
#include "rules/HighScores.h"
#include "store/GameKey.h"
#include "store/Registry.h"
#include "words/CText.h"
#include "words/Random.h"

#include <string>

namespace {

constexpr int kTextSize = CHighScoreDialog::kNameLength + 1;
constexpr int kDefaultNames = IDS_PLAYER_NAME_LAST - IDS_PLAYER_NAME_FIRST + 1;

int NameControl(int row) {
    return IDC_HIGH_SCORE_NAME_FIRST + row;
}
int ScoreControl(int row) {
    return IDC_HIGH_SCORE_SCORE_FIRST + row;
}

bool InTour() {
    return GameSettings.RoundRobin != 0;
}

std::string ListKey() {
    return std::string(GameKey()) + "\\HighScores";
}

// "Name0" or "Score0" with its digit replaced by the entry number.
std::string ValueName(const char* first, int entry) {
    std::string name(first);
    name.back() = static_cast<char>('0' + entry);
    return name;
}

// A stored text cut to a name's length, so that an overlong one neither ends the list nor reaches
// a row whole.
bool ReadEntryText(const std::string& key, const std::string& name, char (&text)[kTextSize]) {
    return ReadRegStringCut(HKEY_CURRENT_USER, key.c_str(), name.c_str(), text, kTextSize);
}

// Both modes share the one state object, kept for the whole run.
INT_PTR ShowHighScores(HWND owner, bool isNew, std::int32_t score) {
    static CHighScoreDialog state;
    state.IsNew = isNew;
    state.Score = score;
    return RunDialog(owner, DLG_HIGH_SCORES, HighScoreDialogProc, state);
}

} // namespace

BOOL CHighScoreDialog::Initialise(HWND dialog) {
    CentreWindow(dialog);
    InsertRow = -1;
    FillDefaults(dialog);
    LoadStored(dialog);
    AppendToTitle(dialog, CurrentTitleId);
    if (InTour()) {
        const CText heading(IDS_TOUR_HIGH_SCORES_HEADING);
        SetItemText(dialog, IDC_HIGH_SCORES_HEADING, heading.Str());
    }
    // A stored list out of order can leave a new score without a row: the list is then only shown.
    if (!IsNew || InsertRow < 0) {
        return TRUE;
    }
    const CText caption(IDS_HIGH_SCORE_CAPTION);
    SetWindowTextA(dialog, caption.Str());
    SetItemInt(dialog, ScoreControl(InsertRow), Score);
    const HWND name = GetDlgItem(dialog, NameControl(InsertRow));
    SendMessageA(name, EM_SETREADONLY, FALSE, 0);
    SendMessageA(name, EM_LIMITTEXT, kNameLength, 0);
    SetFocus(name);
    return FALSE;
}

void CHighScoreDialog::FillDefaults(HWND dialog) const {
    const bool tour = InTour();
    for (int row = 0; row < kRows; ++row) {
        const CText name(static_cast<unsigned>(IDS_PLAYER_NAME_FIRST + RandomRange(kDefaultNames, 0)));
        SetItemText(dialog, NameControl(row), name.Str());
        SetItemInt(dialog, ScoreControl(row), DefaultScore(kRows - row, tour));
    }
}

void CHighScoreDialog::LoadStored(HWND dialog) {
    const std::string key = ListKey();
    int row = 0;
    bool complete = true;
    for (int entry = 0; row < kRows; ++entry, ++row) {
        char name[kTextSize];
        char score[kTextSize];
        if (!ReadEntryText(key, ValueName("Name0", entry), name) ||
            !ReadEntryText(key, ValueName("Score0", entry), score)) {
            complete = false;
            break;
        }
        const std::int32_t stored = ScoreFromText(score);
        // The new score goes below every entry it does not beat, ties included.
        if (InsertRow < 0 && IsNew && stored < Score) {
            OpenGap(dialog, row);
            ++row;
        }
        if (row < kRows) {
            SetItemText(dialog, NameControl(row), name);
            SetItemInt(dialog, ScoreControl(row), stored);
        }
    }
    // A short list: the new score takes the place of the first default it beats.
    if (complete || InsertRow >= 0 || !IsNew || Score < 1) {
        return;
    }
    const bool tour = InTour();
    for (; row < kRows; ++row) {
        if (DefaultScore(kRows - row, tour) < Score) {
            OpenGap(dialog, row);
            return;
        }
    }
}

void CHighScoreDialog::OpenGap(HWND dialog, int row) {
    InsertRow = row;
    SetItemText(dialog, NameControl(row), "");
    SetItemText(dialog, ScoreControl(row), "");
}

void CHighScoreDialog::Save(HWND dialog) {
    const std::string key = ListKey();
    for (int row = 0; row < kRows; ++row) {
        char name[kTextSize];
        char score[kTextSize];
        GetItemText(dialog, NameControl(row), name, kTextSize);
        GetItemText(dialog, ScoreControl(row), score, kTextSize);
        if (!WriteRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Name0", row).c_str(), name) ||
            !WriteRegString(HKEY_CURRENT_USER, key.c_str(), ValueName("Score0", row).c_str(), score)) {
            return;
        }
    }
}

INT_PTR CALLBACK HighScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return DialogState<CHighScoreDialog>(dialog).Initialise(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            CHighScoreDialog::Save(dialog);
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 2);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

INT_PTR ShowHighScoreList(HWND owner) {
    return ShowHighScores(owner, false, 0);
}

void ShowHighScoreEntry(HWND owner, std::int32_t score) {
    ShowHighScores(owner, true, score);
}
