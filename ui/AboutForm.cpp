#include "ui/AboutForm.h"

#include <algorithm>
#include <string>

#include <commctrl.h>
#include <shellapi.h>

#include "analysis/Main.h"
#include "host/Guarded.h"
#include "host/PluginBase.h"
#include "ui/Layout.h"
#include "ui/Resources.h"
#include "ui/ids.h"

namespace korvex {

using host::PluginBase;

namespace ui {
namespace {

// Both dialogs are drawn in pixels for an 8 x 16 reference font.
constexpr int ReferenceCellWidth = 8;
constexpr int ReferenceCellHeight = 16;

// --- About: one table of one column at (16, 15), 267 wide, nine rows. ---
constexpr int AboutWidth = 292;
constexpr int AboutHeight = 358;
constexpr int TableX = 16;
constexpr int TableY = 15;
constexpr int TableWidth = 267;
constexpr int LabelInset = 4;  // labels span the row less 4 on either side
// Row 7 is empty and sized to its content; row 8 holds a 28-high button
// with a margin of 4 above and below.
constexpr int rowHeights[] = {25, 25, 25, 98, 74, 25, 0, 28 + 2 * 4, 25};
constexpr int ButtonMargin = 4;

constexpr int RowTop(int row) {
    int top = TableY;
    for (int i = 0; i < row; ++i)
        top += rowHeights[i];
    return top;
}

enum class Align { Centre, Bottom, Top };

struct Row {
    int id;
    int row;
    int width;  // 0: the table's width less the insets
    int height;
    Align align;
};
constexpr Row aboutRows[] = {
    {IDC_LINK_WEBSITE, 0, 0, 20, Align::Centre},
    {IDC_LABEL_AUTEUR, 1, 0, 17, Align::Centre},
    {IDC_LINK_AUTEUR, 2, 0, 17, Align::Centre},
    {IDC_LABEL_DANK, 3, 0, 68, Align::Bottom},
    {IDC_LABEL_VERSIE_ABOUT, 4, 0, 17, Align::Bottom},
    {IDC_LABEL_VERSIENUMMER, 5, 0, 17, Align::Centre},
    {IDC_BUTTON_CHANGELOG, 7, 100, 28, Align::Top},
    {IDC_BUTTON_SLUITEN, 8, 80, 28, Align::Top},
};

constexpr Box RowBox(const Row& row) {
    const int top = RowTop(row.row);
    const int height = rowHeights[row.row];
    const int width = row.width ? row.width : TableWidth - 2 * LabelInset;
    const int x = TableX + (TableWidth - width) / 2;
    switch (row.align) {
    case Align::Centre:
        return {x, top + (height - row.height) / 2, width, row.height};
    case Align::Bottom:
        return {x, top + height - row.height, width, row.height};
    case Align::Top:
        break;
    }
    return {x, top + ButtonMargin, width, row.height};
}

// --- Change log: one text box. ---
constexpr int ChangelogWidth = 687;
constexpr int ChangelogHeight = 292;
constexpr Box ChangelogText{16, 15, 653, 269};

// A link control shows its text from the left; centre it in its row by
// fitting it to the text it shows. An address wider than the row may use the
// dialog's whole width (less the inset) rather than lose its end.
void CentreOnText(HWND control, const std::wstring& shown, int inset) noexcept {
    const HWND dialog = ::GetParent(control);
    RECT box{};
    ::GetWindowRect(control, &box);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    RECT client{};
    ::GetClientRect(dialog, &client);
    const int centre = (box.left + box.right) / 2;
    const int widest = std::max(static_cast<int>(box.right - box.left), static_cast<int>(client.right) - 2 * inset);
    const int width = std::min(widest, static_cast<int>(TextExtent(control, shown.c_str()).cx) + 4);
    const int left = std::max(inset, centre - width / 2);
    Place(control, {left, box.top, left + width, box.bottom});
}

// Text centred at the bottom of its box: a static draws from the top, so the
// box is cut down to the text's own height and kept at the bottom.
void KeepTextAtBottom(HWND control, const std::wstring& shown) noexcept {
    RECT box{};
    ::GetWindowRect(control, &box);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    const int height = std::min(static_cast<int>(box.bottom - box.top),
                                static_cast<int>(TextExtent(control, shown.c_str()).cy));
    Place(control, {box.left, box.bottom - height, box.right, box.bottom});
}

std::wstring Link(const std::wstring& text) {
    return L"<a>" + text + L"</a>";
}

void Open(HWND window, UINT urlId) {
    const std::wstring url = LoadText(urlId);
    if (!url.empty())
        ::ShellExecuteW(window, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

// --- AboutForm ---

void AboutForm::ShowModal(HWND owner) noexcept {
    const ActivationScope comctl6;
    ::DialogBoxParamW(PluginBase::module, MAKEINTRESOURCEW(IDD_ABOUT), owner, &FormProc<AboutForm>,
                      reinterpret_cast<LPARAM>(this));
}

INT_PTR AboutForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        AboutForm_Load();
        return TRUE;  // focus to the first tab stop, the website link
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header || (header->code != NM_CLICK && header->code != NM_RETURN))
            return FALSE;
        if (header->idFrom == IDC_LINK_WEBSITE)
            linkLabelWebsite_LinkClicked();
        else if (header->idFrom == IDC_LINK_AUTEUR)
            linkLabelAuteur_LinkClicked();
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_BUTTON_CHANGELOG:
            if (HIWORD(wParam) == BN_CLICKED)
                buttonChangelog_Click();
            return TRUE;
        case IDC_BUTTON_SLUITEN:
            if (HIWORD(wParam) == BN_CLICKED)
                buttonSluiten_Click();
            return TRUE;
        case IDOK:      // Enter with no default button
        case IDCANCEL:  // Escape: no cancel button either
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:  // the close box (and Alt+F4)
        ::EndDialog(hwnd, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void AboutForm::AboutForm_Load() {
    const Scale scale = Scale::ForDialog(hwnd, ReferenceCellWidth, ReferenceCellHeight);
    SetClientSize(hwnd, scale.X(AboutWidth), scale.Y(AboutHeight));
    for (const Row& row : aboutRows)
        Place(::GetDlgItem(hwnd, row.id), scale.Rect(RowBox(row)));

    // The whole address is one link; of the author line only the name.
    const std::wstring website = LoadText(IDS_WEBSITE_URL);
    const HWND websiteLink = ::GetDlgItem(hwnd, IDC_LINK_WEBSITE);
    ::SetWindowTextW(websiteLink, Link(website).c_str());
    CentreOnText(websiteLink, website, scale.X(LabelInset));

    const std::wstring author = LoadText(IDS_AUTHOR_NAME);
    const std::wstring site = L" (" + LoadText(IDS_AUTHOR_SITE) + L")";
    const HWND authorLink = ::GetDlgItem(hwnd, IDC_LINK_AUTEUR);
    ::SetWindowTextW(authorLink, (Link(author) + site).c_str());
    CentreOnText(authorLink, author + site, scale.X(LabelInset));

    std::wstring thanks = LoadText(IDS_THANKS_HEADING);
    for (UINT id : {IDS_THANKS_1, IDS_THANKS_2, IDS_THANKS_3})
        thanks += L"\r\n" + LoadText(id);
    ::SetDlgItemTextW(hwnd, IDC_LABEL_DANK, thanks.c_str());
    KeepTextAtBottom(::GetDlgItem(hwnd, IDC_LABEL_DANK), thanks);

    // Read afresh from the module's file on every opening.
    ::SetDlgItemTextW(hwnd, IDC_LABEL_VERSIENUMMER, FileVersion(PluginBase::module).c_str());

    CentreOverOwner(hwnd);
}

void AboutForm::linkLabelWebsite_LinkClicked() {
    Open(hwnd, IDS_WEBSITE_URL);
}

void AboutForm::linkLabelAuteur_LinkClicked() {
    Open(hwnd, IDS_AUTHOR_URL);
}

void AboutForm::buttonChangelog_Click() noexcept {
    // Whatever goes wrong here, the About dialog stays open and says nothing.
    host::Guarded([this] { ChangelogForm().ShowModal(hwnd); });
}

void AboutForm::buttonSluiten_Click() {
    ::EndDialog(hwnd, IDC_BUTTON_SLUITEN);
}

// --- ChangelogForm ---

void ChangelogForm::ShowModal(HWND owner) noexcept {
    const ActivationScope comctl6;
    ::DialogBoxParamW(PluginBase::module, MAKEINTRESOURCEW(IDD_CHANGELOG), owner, &FormProc<ChangelogForm>,
                      reinterpret_cast<LPARAM>(this));
}

INT_PTR ChangelogForm::Handle(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return FALSE;  // OnInit set the focus
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            return TRUE;  // neither Enter nor Escape closes it
        return FALSE;
    case WM_CLOSE:
        ::EndDialog(hwnd, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void ChangelogForm::OnInit() {
    const Scale scale = Scale::ForDialog(hwnd, ReferenceCellWidth, ReferenceCellHeight);
    SetClientSize(hwnd, scale.X(ChangelogWidth), scale.Y(ChangelogHeight));
    const HWND text = ::GetDlgItem(hwnd, IDC_CHANGELOG_TEXT);
    Place(text, scale.Rect(ChangelogText));

    if (text) {
        ::SetWindowSubclass(text, &ChangelogForm::TextProc, 0, 0);
        ::SendMessageW(text, EM_SETLIMITTEXT, 0, 0);  // edits may make it longer than 32K
        ::SetWindowTextW(text, Utf16(ChangelogBytes(PluginBase::module)).c_str());
        ::SetFocus(text);
        ::SendMessageW(text, EM_SETSEL, 0, 0);
    }
    CentreOverOwner(hwnd);
}

LRESULT CALLBACK ChangelogForm::TextProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR) noexcept {
    // A multi-line edit inside a dialog closes the dialog on Escape, by
    // sending it WM_CLOSE; here Escape must close nothing.
    if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE)
        return 0;
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(edit, &ChangelogForm::TextProc, 0);
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace ui

void Main::openAboutDialog() {
    ui::AboutForm about;
    about.ShowModal(PluginBase::nppData._nppHandle);
}

}  // namespace korvex
