// Helpers for driving the real windows: a plain parent window, window texts,
// rectangles in a parent's client coordinates, and a pump.
#pragma once

#include <string>

#include <windows.h>

namespace korvex::uitest {

// A visible top-level window with no behaviour of its own.
HWND CreatePlainWindow(const wchar_t* title, int x = 100, int y = 100, int width = 800, int height = 600);

[[nodiscard]] std::wstring WindowText(HWND window);
[[nodiscard]] RECT RectIn(HWND parent, HWND child);
[[nodiscard]] RECT ClientRect(HWND window);
void Pump();

// The dialog's average character cell, which the layout scales by.
struct Cell {
    int width, height;
};
[[nodiscard]] Cell DialogCell(HWND dialog);

}  // namespace korvex::uitest
