#include "ui/KorvexForm.h"

#include <algorithm>
#include <string>
#include <utility>

#include <commctrl.h>

#include "analysis/Main.h"
#include "ui/Layout.h"
#include "ui/Resources.h"
#include "ui/ids.h"

namespace korvex::ui {

namespace {

// Pixels for the 6 x 13 reference font. Both tables have a 66-pixel caption
// column and 20-pixel rows; labels sit 3 pixels into their cell, so every
// value starts at x = 69.
constexpr int ReferenceCellWidth = 6;
constexpr int ReferenceCellHeight = 13;
constexpr int InitialWidth = 213;
constexpr int InitialHeight = 315;

struct Placement {
    int id;
    Box box;
};
constexpr Placement fixedPlaces[] = {
    // tableLayoutPanel1 at (0, 0): columns 66 and 140.
    {IDC_LABEL_STANDAARD_NOT, {3, 0, 63, 20}},
    {IDC_LABEL_STANDAARD, {69, 0, 137, 20}},
    {IDC_LABEL_VERSIE_NOT, {3, 20, 63, 20}},
    {IDC_LABEL_VERSIE, {69, 20, 137, 20}},
    // tableVeldInfo at (0, 68): columns 66 and 94.
    {IDC_LABEL_PATROON_NOT, {3, 68, 63, 20}},
    {IDC_LABEL_PATROON, {69, 68, 91, 20}},
    {IDC_LABEL_VERPLICHT_NOT, {3, 88, 63, 20}},
    {IDC_LABEL_VERPLICHT, {69, 88, 91, 20}},
};

// The bold headings are 18 high at (3, 43) and (3, 111), with 5 of those
// above the text; the window here is the text part. They run to the panel's
// right edge, which cuts a long record name as an autosized label would be.
constexpr int HeadingX = 3;
constexpr int HeadingTextTop[] = {43 + 5, 111 + 5};
constexpr int HeadingTextHeight = 13;
constexpr int headingIds[] = {IDC_LABEL_VELD, IDC_LABEL_RECORD};

// listBox1 keeps its distances to all four edges, and never gets smaller.
constexpr Box ListBox{6, 136, 200, 173};
constexpr int ListRightGap = InitialWidth - (ListBox.x + ListBox.width);     // 7
constexpr int ListBottomGap = InitialHeight - (ListBox.y + ListBox.height);  // 6

HFONT CreateHeadingFont(HWND window) noexcept {
    // "Microsoft Sans Serif" 8.25 pt bold, in pixels of the display.
    int dpi = 96;
    if (const HDC dc = ::GetDC(window)) {
        dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
        ::ReleaseDC(window, dc);
    }
    return ::CreateFontW(-::MulDiv(825, dpi, 7200), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                         L"Microsoft Sans Serif");
}

}  // namespace

KorvexForm::~KorvexForm() {
    Close();
}

bool KorvexForm::Create(HINSTANCE module, HWND parent) noexcept {
    if (hwnd)
        return true;
    const ActivationScope comctl6;
    return ::CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_KORVEX_FORM), parent, &FormProc<KorvexForm>,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

void KorvexForm::Close() noexcept {
    if (hwnd && ::IsWindow(hwnd))
        ::DestroyWindow(hwnd);  // WM_NCDESTROY forgets the handles
}

INT_PTR KorvexForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit();
        return FALSE;  // hidden: nobody to give the focus to
    case WM_SIZE:
        Arrange(LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_COMMAND:
        // Escape or Enter inside the docked panel must not close anything.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            return TRUE;
        return FALSE;
    case WM_NCDESTROY:
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        hwnd = nullptr;
        listBox1 = nullptr;
        widestEntry = 0;
        listPressed = false;
        if (headingFont) {
            ::DeleteObject(headingFont);
            headingFont = nullptr;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void KorvexForm::OnInit() {
    listBox1 = ::GetDlgItem(hwnd, IDC_LISTBOX1);
    headingFont = CreateHeadingFont(hwnd);
    if (headingFont)
        for (int id : headingIds)
            ::SendDlgItemMessageW(hwnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont), FALSE);

    const Scale scale = Scale::ForDialog(hwnd, ReferenceCellWidth, ReferenceCellHeight);
    for (const Placement& place : fixedPlaces)
        Place(::GetDlgItem(hwnd, place.id), scale.Rect(place.box));

    if (listBox1)
        ::SetWindowSubclass(listBox1, &KorvexForm::ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    // A child window has no frame: its window is its client area. WM_SIZE
    // places the list and the headings.
    ::SetWindowPos(hwnd, nullptr, 0, 0, scale.X(InitialWidth), scale.Y(InitialHeight),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void KorvexForm::Arrange(int width, int height) noexcept {
    const Scale scale = Scale::ForDialog(hwnd, ReferenceCellWidth, ReferenceCellHeight);

    int textHeight = scale.Y(HeadingTextHeight);
    if (headingFont) {
        if (const HDC dc = ::GetDC(hwnd)) {
            const HGDIOBJ previous = ::SelectObject(dc, headingFont);
            TEXTMETRICW metrics{};
            if (::GetTextMetricsW(dc, &metrics))
                textHeight = std::max(textHeight, static_cast<int>(metrics.tmHeight));
            ::SelectObject(dc, previous);
            ::ReleaseDC(hwnd, dc);
        }
    }
    const int headingLeft = scale.X(HeadingX);
    const int headingWidth = std::max(width, scale.X(InitialWidth)) - headingLeft;
    for (std::size_t i = 0; i < std::size(headingIds); ++i)
        Place(::GetDlgItem(hwnd, headingIds[i]),
              {headingLeft, scale.Y(HeadingTextTop[i]), headingLeft + headingWidth,
               scale.Y(HeadingTextTop[i]) + textHeight});

    if (listBox1) {
        const RECT minimum = scale.Rect(ListBox);
        RECT list = minimum;
        list.right = std::max<LONG>(minimum.right, width - scale.X(ListRightGap));
        list.bottom = std::max<LONG>(minimum.bottom, height - scale.Y(ListBottomGap));
        Place(listBox1, list);
    }
}

void KorvexForm::SetLabel(int id, Text text) {
    if (!hwnd)
        return;
    const std::wstring shown = text ? Utf16(*text) : std::wstring();
    ::SetDlgItemTextW(hwnd, id, shown.c_str());
}

void KorvexForm::UpdateRecord(Text record) {
    SetLabel(IDC_LABEL_RECORD, record);
}

void KorvexForm::UpdateAlgemeen(Text standaard, Text versie, Text record) {
    SetLabel(IDC_LABEL_STANDAARD, standaard);
    SetLabel(IDC_LABEL_VERSIE, versie);
    SetLabel(IDC_LABEL_RECORD, record);
}

void KorvexForm::UpdateVeld(Text patroon, Text verplicht) {
    SetLabel(IDC_LABEL_PATROON, patroon);
    SetLabel(IDC_LABEL_VERPLICHT, verplicht);
}

void KorvexForm::ClearSelection() {
    if (listBox1)
        ::SendMessageW(listBox1, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void KorvexForm::ClearFields() {
    // An unrecognised document clears on every caret move; an empty list
    // (horizontal extent already 0) need not be reset and repainted.
    if (!listBox1 || ::SendMessageW(listBox1, LB_GETCOUNT, 0, 0) == 0)
        return;
    ::SendMessageW(listBox1, LB_RESETCONTENT, 0, 0);
    widestEntry = 0;
    ::SendMessageW(listBox1, LB_SETHORIZONTALEXTENT, 0, 0);
}

void KorvexForm::AddField(const Veld& veld) {
    if (!listBox1)
        return;
    const std::wstring name = Utf16(veld.ToString());
    const LRESULT index = ::SendMessageW(listBox1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (index < 0)  // LB_ERR, LB_ERRSPACE
        return;
    // The entry is the catalogue's own field; the catalogue outlives the list.
    ::SendMessageW(listBox1, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&veld));

    // The list draws its text a few pixels in; leave that much to spare.
    const int width = TextExtent(listBox1, name.c_str()).cx + 2 * ::GetSystemMetrics(SM_CXEDGE) + 2;
    if (width > widestEntry) {
        widestEntry = width;
        ::SendMessageW(listBox1, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widestEntry), 0);
    }
}

void KorvexForm::SelectField(const Veld& veld) {
    if (!listBox1)
        return;
    const LRESULT count = ::SendMessageW(listBox1, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (::SendMessageW(listBox1, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == reinterpret_cast<LRESULT>(&veld)) {
            ::SendMessageW(listBox1, LB_SETCURSEL, static_cast<WPARAM>(i), 0);  // scrolls it into view
            return;
        }
    }
    // Not an entry of the list: the selection stays as it was.
}

LRESULT CALLBACK KorvexForm::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR form) noexcept {
    KorvexForm& self = *reinterpret_cast<KorvexForm*>(form);
    const auto passOn = [&]() noexcept { return ::DefSubclassProc(list, message, wParam, lParam); };
    try {
        switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = passOn();
            self.listPressed = true;
            return result;
        }
        case WM_LBUTTONUP: {
            // The list selects the entry under the mouse on the way down; the
            // click counts when the button comes up again on that entry.
            const bool pressed = std::exchange(self.listPressed, false);
            const LRESULT result = passOn();
            if (pressed)
                self.OnListButtonUp({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return result;
        }
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            self.listPressed = false;
            return passOn();
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(list, &KorvexForm::ListProc, 0);
            return passOn();
        default:
            return passOn();
        }
    } catch (...) {
        return 0;
    }
}

void KorvexForm::OnListButtonUp(POINT point) {
    if (!listBox1)
        return;
    RECT client{};
    ::GetClientRect(listBox1, &client);
    if (!::PtInRect(&client, point))
        return;
    const LRESULT hit = ::SendMessageW(listBox1, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0)  // below the last entry: not on an item
        return;
    const int index = LOWORD(hit);
    if (::SendMessageW(listBox1, LB_GETCURSEL, 0, 0) != index)
        return;
    listBox1_Click(index);
}

void KorvexForm::listBox1_Click(int index) {
    if (!Main::regel) {
        UpdateAlgemeen(std::nullopt, std::nullopt, std::nullopt);
        UpdateVeld(std::nullopt, std::nullopt);
        return;
    }
    const LRESULT data = ::SendMessageW(listBox1, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const auto* entry = reinterpret_cast<const Veld*>(data);
    if (data == LB_ERR || !entry)
        return;
    // By the name the entry shows: of two fields with one name, the first.
    const Veld* veld = Main::regel->FindVeldByNaam(entry->ToString());
    if (!veld) {
        UpdateVeld(std::nullopt, std::nullopt);
        return;
    }
    if (!Main::views)
        return;
    Editor& editor = Main::views->Current();
    const Position caret = editor.CurrentPos();
    const Line line = editor.LineFromPosition(caret);
    const Position lineStart = editor.PositionFromLine(line);
    // Not clipped to the line: the editor keeps the caret inside the document.
    editor.GotoPos(lineStart + veld->Start);
    editor.GrabFocus();
}

}  // namespace korvex::ui
