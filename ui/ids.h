// Resource and control ids, shared by Korvex.rc and the C++ code.
// Plain #defines only: the resource compiler reads this file too.
#pragma once

// Dialog templates.
#define IDD_KORVEX_FORM 100
#define IDD_ABOUT 101
#define IDD_CHANGELOG 102

// The change-log text (RCDATA: UTF-8, CR LF), built from ui/changelog.txt.
#define IDR_CHANGELOG 200

// Definition panel.
#define IDC_LABEL_STANDAARD_NOT 1001
#define IDC_LABEL_STANDAARD 1002
#define IDC_LABEL_VERSIE_NOT 1003
#define IDC_LABEL_VERSIE 1004
#define IDC_LABEL_VELD 1005
#define IDC_LABEL_PATROON_NOT 1006
#define IDC_LABEL_PATROON 1007
#define IDC_LABEL_VERPLICHT_NOT 1008
#define IDC_LABEL_VERPLICHT 1009
#define IDC_LABEL_RECORD 1010
#define IDC_LISTBOX1 1011

// About dialog. Not IDOK or IDCANCEL: neither Enter nor Escape may press them.
#define IDC_LINK_WEBSITE 1101
#define IDC_LABEL_AUTEUR 1102
#define IDC_LINK_AUTEUR 1103
#define IDC_LABEL_DANK 1104
#define IDC_LABEL_VERSIE_ABOUT 1105
#define IDC_LABEL_VERSIENUMMER 1106
#define IDC_BUTTON_CHANGELOG 1107
#define IDC_BUTTON_SLUITEN 1108

// Change-log dialog.
#define IDC_CHANGELOG_TEXT 1201

// Strings. The values Korvex chose itself (addresses, author, thanks) are the
// block from IDS_WEBSITE_URL to IDS_THANKS_3.
#define IDS_DOCK_NAME 2001
#define IDS_WEBSITE_URL 2101
#define IDS_AUTHOR_NAME 2102
#define IDS_AUTHOR_SITE 2103
#define IDS_AUTHOR_URL 2104
#define IDS_THANKS_HEADING 2105
#define IDS_THANKS_1 2106
#define IDS_THANKS_2 2107
#define IDS_THANKS_3 2108
