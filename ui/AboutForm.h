// The About dialog and the change-log dialog it opens: both modal, both
// fresh on every opening.
#pragma once

#include <windows.h>

#include "ui/FormProc.h"

namespace korvex::ui {

class AboutForm {
public:
    // Modal over owner; returns when the dialog is closed.
    void ShowModal(HWND owner) noexcept;

private:
    template <class Form>
    friend INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void AboutForm_Load();
    void linkLabelWebsite_LinkClicked();
    void linkLabelAuteur_LinkClicked();
    void buttonChangelog_Click() noexcept;
    void buttonSluiten_Click();

    HWND hwnd = nullptr;
};

class ChangelogForm {
public:
    void ShowModal(HWND owner) noexcept;

private:
    template <class Form>
    friend INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK TextProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR) noexcept;
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit();

    HWND hwnd = nullptr;
};

}  // namespace korvex::ui
