#include "tests/host/TestHost.h"

#include <stdexcept>
#include <system_error>

namespace korvex::testhost {

using namespace host;

namespace {

constexpr wchar_t MainClass[] = L"KorvexTestHost";
constexpr wchar_t DockClass[] = L"KorvexTestHostDock";
constexpr UINT FirstCommandId = 22000;  // the host numbers plug-in commands from its own range
constexpr int MainWidth = 1000, MainHeight = 640, ViewWidth = 640, DockWidth = 340;

template <class F>
F Export(HMODULE module, const char* name) {
    auto address = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
    if (!address)
        throw std::runtime_error(std::string("Korvex.dll does not export ") + name);
    return address;
}

LRESULT CALLBACK DockProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        // The docking frame sizes its client to fill it.
        if (HWND child = ::GetWindow(window, GW_CHILD))
            ::MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

std::filesystem::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

TestHost::TestHost(Options options) {
    static bool classesRegistered = false;
    if (!classesRegistered) {
        WNDCLASSEXW mainClass{};
        mainClass.cbSize = sizeof(mainClass);
        mainClass.lpfnWndProc = &TestHost::WndProc;
        mainClass.hInstance = ::GetModuleHandleW(nullptr);
        mainClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        mainClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        mainClass.lpszClassName = MainClass;
        ::RegisterClassExW(&mainClass);
        WNDCLASSEXW dockClass = mainClass;
        dockClass.lpfnWndProc = &DockProc;
        dockClass.lpszClassName = DockClass;
        ::RegisterClassExW(&dockClass);
        classesRegistered = true;
    }

    if (options.configDir.empty()) {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        configDir = std::filesystem::path(temp) /
                    (L"korvex-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                     std::to_wstring(::GetTickCount64()));
        std::filesystem::remove_all(configDir);
        ownConfigDir = true;
    } else {
        configDir = options.configDir;
    }
    answerConfigDir = options.answerConfigDir;
    if (options.createConfigDir)
        std::filesystem::create_directories(configDir);

    scintilla = ::LoadLibraryW((ProgramFolder() / L"Scintilla.dll").c_str());
    if (!scintilla)
        throw std::runtime_error("cannot load Scintilla.dll");

    main = ::CreateWindowExW(0, MainClass, L"Korvex test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             0, 0, MainWidth, MainHeight, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    menuBar = ::CreateMenu();
    HMENU plugins = ::CreatePopupMenu();
    pluginMenu = ::CreatePopupMenu();
    ::AppendMenuW(plugins, MF_POPUP, reinterpret_cast<UINT_PTR>(pluginMenu), L"Korvex");
    ::AppendMenuW(menuBar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugins), L"&Plugins");
    ::SetMenu(main, menuBar);

    RECT client{};
    ::GetClientRect(main, &client);
    const int height = client.bottom;
    for (int i = 0; i < 2; ++i) {
        views[i] = ::CreateWindowExW(0, L"Scintilla", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                     i * height / 2, ViewWidth, height / 2, main,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)),
                                     ::GetModuleHandleW(nullptr), nullptr);
        if (!views[i])
            throw std::runtime_error("cannot create a Scintilla view");
        // The host shows documents in a monospaced font, as EI files want.
        ::SendMessageW(views[i], sci::STYLESETFONT, sci::STYLE_DEFAULT, reinterpret_cast<LPARAM>("Courier New"));
        ::SendMessageW(views[i], sci::STYLECLEARALL, 0, 0);
        // No blinking caret: its repaints would run extra updates at random moments.
        ::SendMessageW(views[i], sci::SETCARETPERIOD, 0, 0);
    }
    dockArea = ::CreateWindowExW(WS_EX_CONTROLPARENT, DockClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 ViewWidth, 0, client.right - ViewWidth, height, main, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(main, SW_SHOW);
    ::UpdateWindow(main);

    plugin = ::LoadLibraryW((ProgramFolder() / L"Korvex.dll").c_str());
    if (!plugin)
        throw std::runtime_error("cannot load Korvex.dll");
    isUnicode = Export<IsUnicodeFn>(plugin, "isUnicode");
    setInfo = Export<SetInfoFn>(plugin, "setInfo");
    getFuncsArray = Export<GetFuncsArrayFn>(plugin, "getFuncsArray");
    messageProc = Export<MessageProcFn>(plugin, "messageProc");
    getName = Export<GetNameFn>(plugin, "getName");
    beNotified = Export<BeNotifiedFn>(plugin, "beNotified");

    // The host's order at start.
    setInfo(NppData{main, views[0], views[1]});
    (void)getName();
    funcItems = getFuncsArray(&funcCount);
    BuildMenu();
    Notify(nppn::TBMODIFICATION, main);
    Pump();
}

TestHost::~TestHost() {
    if (!shutDown && beNotified)
        NotifyShutdown();
    Pump();
    if (main)
        ::DestroyWindow(main);
    if (plugin)
        ::FreeLibrary(plugin);
    if (scintilla)
        ::FreeLibrary(scintilla);
    if (ownConfigDir) {
        std::error_code ignored;
        std::filesystem::remove_all(configDir, ignored);
    }
}

void TestHost::BuildMenu() {
    for (int i = 0; i < funcCount; ++i) {
        FuncItem& item = funcItems[i];
        const UINT id = FirstCommandId + static_cast<UINT>(i);
        commandIds.push_back(id);
        if (!item._pFunc) {
            ::AppendMenuW(pluginMenu, MF_SEPARATOR, id, nullptr);
        } else {
            ::AppendMenuW(pluginMenu, MF_STRING | (item._init2Check ? MF_CHECKED : 0), id, item._itemName);
        }
        item._cmdID = static_cast<int>(id);
    }
    ::DrawMenuBar(main);
}

void TestHost::Notify(std::uint32_t code, HWND from) {
    SCNotification notification{};
    notification.nmhdr.hwndFrom = from ? from : main;
    notification.nmhdr.code = code;
    beNotified(&notification);
}

void TestHost::NotifyShutdown() {
    shutDown = true;
    Notify(nppn::SHUTDOWN, main);
}

UINT TestHost::CommandId(int index) const { return commandIds.at(static_cast<std::size_t>(index)); }

void TestHost::RunCommand(int index) {
    ::SendMessageW(main, WM_COMMAND, MAKEWPARAM(CommandId(index), 0), 0);
    Pump();
}

bool TestHost::MenuChecked(int index) const {
    return (::GetMenuState(pluginMenu, CommandId(index), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void TestHost::ReassignCommandIds(UINT first) {
    for (int i = 0; i < funcCount; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        info.wID = first + static_cast<UINT>(i);
        ::SetMenuItemInfoW(pluginMenu, static_cast<UINT>(i), TRUE, &info);
        commandIds[static_cast<std::size_t>(i)] = info.wID;
        funcItems[i]._cmdID = static_cast<int>(info.wID);
    }
    Notify(nppn::TBMODIFICATION, main);
}

LRESULT TestHost::Sci(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(Current(), message, wParam, lParam);
}

LRESULT TestHost::SciView(int which, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(views[which], message, wParam, lParam);
}

void TestHost::SetText(std::string_view text) {
    const std::string copy(text);
    Sci(sci::SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
    Sci(sci::GOTOPOS, 0);
    Pump();
}

void TestHost::SetCodePage(int codePage) { Sci(sci::SETCODEPAGE, static_cast<WPARAM>(codePage)); }

void TestHost::Caret(std::int64_t position) {
    Sci(sci::GOTOPOS, static_cast<WPARAM>(position));
    Pump();
}

void TestHost::Type(char character) {
    ::SendMessageW(Current(), WM_CHAR, static_cast<unsigned char>(character), 1);
    Pump();
}

void TestHost::DoubleClickAt(std::int64_t position, bool ctrl, bool shift, bool alt) {
    const HWND view = Current();
    // The editor times clicks by the thread's message time, which stands still
    // between sent messages: a click elsewhere first keeps this double-click
    // from counting as the third click of the one before.
    RECT client{};
    ::GetClientRect(view, &client);
    const LPARAM away = MAKELPARAM(client.right / 2, client.bottom - 10);
    ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, away);
    ::SendMessageW(view, WM_LBUTTONUP, 0, away);
    // Scrolled into view, as anything a user clicks on is.
    ::SendMessageW(view, sci::SCROLLRANGE, static_cast<WPARAM>(position), position);
    const int x = static_cast<int>(::SendMessageW(view, sci::POINTXFROMPOSITION, 0, position));
    const int y = static_cast<int>(::SendMessageW(view, sci::POINTYFROMPOSITION, 0, position)) + 2;
    WPARAM keys = MK_LBUTTON;
    if (ctrl)
        keys |= MK_CONTROL;
    if (shift)
        keys |= MK_SHIFT;
    BYTE state[256] = {};
    ::GetKeyboardState(state);
    const BYTE oldAlt = state[VK_MENU];
    if (alt) {
        state[VK_MENU] = 0x80;
        ::SetKeyboardState(state);
    }
    const LPARAM point = MAKELPARAM(x, y);
    for (int click = 0; click < 2; ++click) {  // two downs in time make a double-click
        ::SendMessageW(view, WM_LBUTTONDOWN, keys, point);
        ::SendMessageW(view, WM_LBUTTONUP, keys & ~MK_LBUTTON, point);
    }
    if (alt) {
        state[VK_MENU] = oldAlt;
        ::SetKeyboardState(state);
    }
    Pump();
}

void TestHost::NotifyDoubleClick(std::int64_t position, int modifiers) {
    SCNotification notification{};
    notification.nmhdr.hwndFrom = Current();
    notification.nmhdr.code = scn::DOUBLECLICK;
    notification.position = position;
    notification.line = Sci(sci::LINEFROMPOSITION, static_cast<WPARAM>(position));
    notification.modifiers = modifiers;
    beNotified(&notification);
}

void TestHost::Pump() {
    for (int round = 0; round < 3; ++round) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        for (HWND view : views) {
            ::InvalidateRect(view, nullptr, FALSE);
            ::UpdateWindow(view);
        }
    }
}

std::string TestHost::Text() const {
    const auto length = static_cast<std::size_t>(Sci(sci::GETLENGTH));
    std::string text(length + 1, '\0');
    Sci(sci::GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

int TestHost::IndicatorAt(int indicator, std::int64_t position) const {
    return static_cast<int>(Sci(sci::INDICATORVALUEAT, static_cast<WPARAM>(indicator), position));
}

std::string TestHost::IndicatorPicture(int indicator, std::int64_t from, std::int64_t to) const {
    std::string picture;
    for (std::int64_t p = from; p < to; ++p)
        picture += IndicatorAt(indicator, p) ? 'X' : '-';
    return picture;
}

int TestHost::StyleAt(std::int64_t position) const {
    return static_cast<int>(Sci(sci::GETSTYLEAT, static_cast<WPARAM>(position)));
}

std::string TestHost::StylePicture(std::int64_t from, std::int64_t to) const {
    std::string picture;
    for (std::int64_t p = from; p < to; ++p)
        picture += static_cast<char>('0' + StyleAt(p));
    return picture;
}

void TestHost::ClosePanelFromHost() {
    if (Panel())
        ::ShowWindow(Panel(), SW_HIDE);
    Pump();
}

LRESULT CALLBACK TestHost::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestHost*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->main == window)
        return self->Handle(message, wParam, lParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TestHost::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case nppm::GETCURRENTSCINTILLA:
        if (lParam)
            *reinterpret_cast<int*>(lParam) = currentView;
        return TRUE;
    case nppm::GETPLUGINSCONFIGDIR: {
        const std::wstring dir = configDir.wstring();
        if (!answerConfigDir || !lParam || wParam <= dir.size())
            return FALSE;
        std::copy(dir.begin(), dir.end(), reinterpret_cast<wchar_t*>(lParam));
        reinterpret_cast<wchar_t*>(lParam)[dir.size()] = L'\0';
        return TRUE;
    }
    case nppm::DMMREGASDCKDLG: {
        ++registrations;
        dockRecord = *reinterpret_cast<const NppTbData*>(lParam);
        dockName = dockRecord.pszName ? dockRecord.pszName : L"";
        dockModule = dockRecord.pszModuleName ? dockRecord.pszModuleName : L"";
        const HWND panel = dockRecord.hClient;
        // The docking frame turns the panel into its child, then shows it.
        LONG_PTR style = ::GetWindowLongPtrW(panel, GWL_STYLE);
        style = (style & ~(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_OVERLAPPED)) | WS_CHILD;
        ::SetWindowLongPtrW(panel, GWL_STYLE, style);
        ::SetParent(panel, dockArea);
        RECT area{};
        ::GetClientRect(dockArea, &area);
        ::MoveWindow(panel, 0, 0, area.right, area.bottom, TRUE);
        ::ShowWindow(panel, SW_SHOW);
        return TRUE;
    }
    case nppm::DMMSHOW:
        ::ShowWindow(reinterpret_cast<HWND>(lParam), SW_SHOW);
        return TRUE;
    case nppm::DMMHIDE:
        ::ShowWindow(reinterpret_cast<HWND>(lParam), SW_HIDE);
        return TRUE;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        for (std::size_t i = 0; i < commandIds.size(); ++i)
            if (commandIds[i] == id && funcItems[i]._pFunc) {
                funcItems[i]._pFunc();
                return 0;
            }
        break;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NotifyHeader*>(lParam);
        if (header && (header->hwndFrom == views[0] || header->hwndFrom == views[1]) && beNotified && !shutDown)
            beNotified(reinterpret_cast<SCNotification*>(lParam));
        return 0;
    }
    default:
        break;
    }
    return ::DefWindowProcW(main, message, wParam, lParam);
}

}  // namespace korvex::testhost
