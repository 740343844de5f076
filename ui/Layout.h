// Layout in pixels of a reference dialog font, scaled by the font a dialog
// really has. The panel is drawn for a 6 x 13 font (the 96-dpi dialog font),
// the About and change-log dialogs for 8 x 16; Windows measures the actual
// font's average character cell the same way for dialog units.
#pragma once

#include <windows.h>

namespace korvex::ui {

struct Box {
    int x, y, width, height;  // reference pixels
};

class Scale {
public:
    // cellWidth x cellHeight: the reference font's average character cell.
    static Scale ForDialog(HWND dialog, int cellWidth, int cellHeight) noexcept;

    [[nodiscard]] int X(int reference) const noexcept { return ::MulDiv(reference, fontWidth, refWidth); }
    [[nodiscard]] int Y(int reference) const noexcept { return ::MulDiv(reference, fontHeight, refHeight); }
    // Edges are scaled, not sizes, so that boxes that touch keep touching.
    [[nodiscard]] RECT Rect(const Box& box) const noexcept {
        return {X(box.x), Y(box.y), X(box.x + box.width), Y(box.y + box.height)};
    }

private:
    Scale(int fontWidth, int fontHeight, int refWidth, int refHeight) noexcept
        : fontWidth(fontWidth), fontHeight(fontHeight), refWidth(refWidth), refHeight(refHeight) {}
    int fontWidth, fontHeight, refWidth, refHeight;
};

void Place(HWND control, const RECT& rect) noexcept;
// Sizes the window so that its client area is width x height pixels.
void SetClientSize(HWND window, int width, int height) noexcept;
// Centres the window over its owner, kept inside the owner's monitor; over
// the work area when there is no owner.
void CentreOverOwner(HWND window) noexcept;
// Width and height of text drawn in the control's font (lines split at "\n").
[[nodiscard]] SIZE TextExtent(HWND control, const wchar_t* text) noexcept;

}  // namespace korvex::ui
