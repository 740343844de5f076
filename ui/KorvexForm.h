// The definition panel: the docked window that shows what the analysis found
// at the caret, and its field list, whose click moves the caret to a field.
#pragma once

#include <windows.h>

#include "analysis/Panel.h"
#include "catalogue/Bericht.h"
#include "ui/FormProc.h"

namespace korvex::ui {

class KorvexForm final : public Panel {
public:
    KorvexForm() = default;
    ~KorvexForm() override;
    KorvexForm(const KorvexForm&) = delete;
    KorvexForm& operator=(const KorvexForm&) = delete;

    // Creates the window with all its controls, hidden, as a child of parent
    // (the host re-parents it into its docking frame). False when it could
    // not be made; the object then stays usable and shows nothing.
    bool Create(HINSTANCE module, HWND parent) noexcept;
    // Destroys the window; the object outlives it and ignores later updates.
    void Close() noexcept;
    [[nodiscard]] HWND Handle() const noexcept { return hwnd; }

    void ClearSelection() override;
    void ClearFields() override;
    void AddField(const Veld& veld) override;
    void SelectField(const Veld& veld) override;

    void UpdateRecord(Text record) override;
    void UpdateAlgemeen(Text standaard, Text versie, Text record) override;
    void UpdateVeld(Text patroon, Text verplicht) override;

private:
    template <class Form>
    friend INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR form) noexcept;
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit();
    void Arrange(int width, int height) noexcept;
    void SetLabel(int id, Text text);
    void OnListButtonUp(POINT point);
    void listBox1_Click(int index);

    HWND hwnd = nullptr;
    HWND listBox1 = nullptr;
    HFONT headingFont = nullptr;
    int widestEntry = 0;        // pixels, for the horizontal scroll range
    bool listPressed = false;   // the left button went down on the list
};

// For the host's commands and shutdown. The panel exists from the first
// switch-on; these are null or do nothing before that and after Close.
[[nodiscard]] HWND PanelWindow() noexcept;
// Whether the panel window is on screen right now, whatever was asked of the host.
[[nodiscard]] bool PanelVisible() noexcept;
// The mark of "Definitievenster zichtbaar", set from PanelVisible.
void UpdateCheckMark() noexcept;
void CloseDockableWindow() noexcept;

}  // namespace korvex::ui
