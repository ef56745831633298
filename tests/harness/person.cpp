/*
 * person.cpp - see person.h.
 *
 * Actions are posted to the UI thread, in the order a user would cause
 * them, followed by a marker thread message. A message hook on the UI
 * thread counts the markers it sees being fetched: once the marker is
 * fetched, the UI thread has handled the action and is waiting for input
 * again, either done or inside a nested modal loop (a message box the
 * action opened). That is the moment a person would look again.
 */
#include "harness/person.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace {

const WPARAM kMarkerMagic = 0x4F58AA55;
std::atomic<long> g_markersSeen{0};
std::atomic<long> g_markersSent{0};
/* Set while no modal call runs any more: nobody fetches markers then. */
std::atomic<bool> g_modalFertig{false};
HHOOK g_hook;

LRESULT CALLBACK MarkerHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && wParam == PM_REMOVE) {
        const MSG* msg = (const MSG*)lParam;
        if (msg->hwnd == nullptr && msg->message == WM_NULL && msg->wParam == kMarkerMagic) {
            long seq = (long)msg->lParam;
            long seen = g_markersSeen.load();
            while (seq > seen && !g_markersSeen.compare_exchange_weak(seen, seq)) {
            }
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

/* Memory handed to the UI thread with posted messages stays alive until
 * the test's person is done (a handler may still hold it in a nested loop). */
std::mutex g_keepMutex;
std::vector<std::shared_ptr<void>> g_keep;

template <typename T> T* Keep(const T& value)
{
    auto p = std::make_shared<T>(value);
    std::lock_guard<std::mutex> lock(g_keepMutex);
    g_keep.push_back(p);
    return p.get();
}

std::string ClassOf(HWND h)
{
    char name[64] = "";
    GetClassNameA(h, name, sizeof name);
    return name;
}

struct EnumState {
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND h, LPARAM lp)
{
    ((EnumState*)lp)->found.push_back(h);
    return TRUE;
}

std::vector<HWND> ThreadWindows(DWORD thread)
{
    EnumState st;
    EnumThreadWindows(thread, CollectTop, (LPARAM)&st);
    return st.found;
}

bool IsMessageBox(HWND h)
{
    return ClassOf(h) == "#32770" && IsWindowVisible(h) && GetDlgItem(h, 0xFFFF) != nullptr;
}

void Sleepy() { Sleep(15); }

/* Looks every 15 ms whether `erreicht` holds; false once `ms` have passed
 * without it. */
bool Warten(const std::function<bool()>& erreicht, int ms)
{
    DWORD start = GetTickCount();
    while (!erreicht()) {
        if ((int)(GetTickCount() - start) >= ms)
            return false;
        Sleepy();
    }
    return true;
}

}  // namespace

std::vector<HWND> VisibleWindows(DWORD thread)
{
    std::vector<HWND> out;
    for (HWND h : ThreadWindows(thread))
        if (IsWindowVisible(h))
            out.push_back(h);
    return out;
}

/* Waits until the UI thread has fetched everything posted so far. */
static bool Sync(DWORD ui, int ms = 10000)
{
    long seq = ++g_markersSent;
    if (!PostThreadMessageA(ui, WM_NULL, kMarkerMagic, (LPARAM)seq))
        return false;
    DWORD start = GetTickCount();
    while (g_markersSeen.load() < seq && !g_modalFertig.load()) {
        if ((int)(GetTickCount() - start) > ms) {
            ADD_FAILURE() << "the window did not react within " << ms << " ms";
            return false;
        }
        Sleep(2);
    }
    return true;
}

HWND Person::WaitWindow(const std::string& caption, int ms)
{
    HWND gefunden = nullptr;
    auto da = [&] {
        for (HWND h : ThreadWindows(ui_)) {
            if (!IsWindowVisible(h) || IsMessageBox(h) || ClassOf(h) != "#32770")
                continue;
            if (caption.empty() || WindowText(h) == caption) {
                gefunden = h;
                return true;
            }
        }
        return false;
    };
    if (!Warten(da, ms)) {
        std::string seen;
        for (HWND h : VisibleWindows(ui_))
            seen += " [" + WindowText(h) + "]";
        ADD_FAILURE() << "window \"" << caption << "\" did not appear; visible:" << seen;
    }
    return gefunden;
}

bool Person::WaitClosed(HWND fenster, int ms)
{
    if (Warten([&] { return !IsWindow(fenster) || !IsWindowVisible(fenster); }, ms))
        return true;
    ADD_FAILURE() << "window \"" << WindowText(fenster) << "\" did not close";
    return false;
}

bool Person::WaitText(HWND fenster, int id, const std::string& text, int ms)
{
    std::string jetzt;
    if (Warten([&] { return (jetzt = Text(fenster, id)) == text; }, ms))
        return true;
    ADD_FAILURE() << "control " << id << ": expected \"" << text << "\", still \"" << jetzt << "\"";
    return false;
}

struct FindState {
    int id;
    HWND visible = nullptr;
    HWND any = nullptr;
};

static BOOL CALLBACK FindChild(HWND h, LPARAM lp)
{
    FindState* st = (FindState*)lp;
    if (GetDlgCtrlID(h) == st->id) {
        if (st->any == nullptr)
            st->any = h;
        if (st->visible == nullptr && IsWindowVisible(h))
            st->visible = h;
    }
    return TRUE;
}

HWND Person::Control(HWND fenster, int id)
{
    if (fenster == nullptr)
        return nullptr;
    HWND direkt = GetDlgItem(fenster, id);
    if (direkt != nullptr && IsWindowVisible(direkt))
        return direkt;
    FindState st;
    st.id = id;
    EnumChildWindows(fenster, FindChild, (LPARAM)&st);
    HWND h = st.visible ? st.visible : (direkt ? direkt : st.any);
    if (h == nullptr)
        ADD_FAILURE() << "control " << id << " not found in \"" << WindowText(fenster) << "\"";
    return h;
}

std::string Person::WindowText(HWND h)
{
    if (h == nullptr)
        return "";
    char buf[4096] = "";
    SendMessageA(h, WM_GETTEXT, sizeof buf, (LPARAM)buf);
    return buf;
}

std::string Person::Text(HWND fenster, int id)
{
    return WindowText(Control(fenster, id));
}

bool Person::IsChecked(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    return h && SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Person::IsEnabled(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    return h && IsWindowEnabled(h);
}

bool Person::IsVisible(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    return h && IsWindowVisible(h);
}

void Person::Focus(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    PostMessageA(GetParent(h), WM_NEXTDLGCTL, (WPARAM)h, TRUE);
    Sync(ui_);
}

void Person::Type(HWND fenster, int id, const std::string& text)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    if (!IsWindowEnabled(h)) {
        ADD_FAILURE() << "cannot type into disabled control " << id;
        return;
    }
    Focus(fenster, id);
    PostMessageA(h, EM_SETSEL, 0, -1);
    for (unsigned char c : text)
        PostMessageA(h, WM_CHAR, c, 1);
    Sync(ui_);
}

void Person::SetText(HWND fenster, int id, const std::string& text)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    /* WM_SETTEXT carries a pointer and cannot be posted; it is sent, with a
     * time limit in case the change handler opens a modal window. */
    DWORD_PTR ergebnis = 0;
    SendMessageTimeoutA(h, WM_SETTEXT, 0, (LPARAM)Keep(text)->c_str(), SMTO_NORMAL, 5000, &ergebnis);
    Sync(ui_);
}

void Person::Click(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    if (!IsWindowEnabled(h) || !IsWindowVisible(h)) {
        ADD_FAILURE() << "cannot click disabled or hidden control " << id << " \"" << WindowText(h) << "\"";
        return;
    }
    PostMessageA(h, BM_CLICK, 0, 0);
    Sync(ui_);
}

void Person::CloseBox(HWND fenster)
{
    if (fenster == nullptr)
        return;
    PostMessageA(fenster, WM_SYSCOMMAND, SC_CLOSE, 0);
    Sync(ui_);
}

void Person::SetCheck(HWND fenster, int id, bool ticked)
{
    if (IsChecked(fenster, id) != ticked)
        Click(fenster, id);
}

bool Person::PickComboIndex(HWND fenster, int id, int index)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return false;
    PostMessageA(h, CB_SETCURSEL, index, 0);
    PostMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), CBN_SELCHANGE), (LPARAM)h);
    return Sync(ui_);
}

bool Person::PickCombo(HWND fenster, int id, const std::string& text)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return false;
    LRESULT index = SendMessageA(h, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text.c_str());
    if (index == CB_ERR) {
        ADD_FAILURE() << "combo " << id << " has no entry \"" << text << "\"";
        return false;
    }
    return PickComboIndex(fenster, id, (int)index);
}

std::vector<std::string> Person::ComboEntries(HWND fenster, int id)
{
    std::vector<std::string> out;
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return out;
    int n = (int)SendMessageA(h, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; i++) {
        char buf[1024] = "";
        if (SendMessageA(h, CB_GETLBTEXTLEN, i, 0) < (LRESULT)sizeof buf)
            SendMessageA(h, CB_GETLBTEXT, i, (LPARAM)buf);
        out.push_back(buf);
    }
    return out;
}

bool Person::PickList(HWND fenster, int id, const std::string& text)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return false;
    LRESULT index = SendMessageA(h, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text.c_str());
    if (index == LB_ERR) {
        ADD_FAILURE() << "list " << id << " has no entry \"" << text << "\"";
        return false;
    }
    PostMessageA(h, LB_SETCURSEL, index, 0);
    PostMessageA(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), LBN_SELCHANGE), (LPARAM)h);
    return Sync(ui_);
}

int Person::ListViewCount(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    return h ? (int)SendMessageA(h, LVM_GETITEMCOUNT, 0, 0) : -1;
}

COLORREF Person::ListViewRowColour(HWND fenster, int id, int row, DWORD stage, COLORREF* text)
{
    HWND liste = Control(fenster, id);
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(liste, LVM_GETITEMA, 0, (LPARAM)&item);
    NMLVCUSTOMDRAW zeichnung = {};
    zeichnung.nmcd.hdr.hwndFrom = liste;
    zeichnung.nmcd.hdr.idFrom = (UINT_PTR)id;
    zeichnung.nmcd.hdr.code = NM_CUSTOMDRAW;
    zeichnung.nmcd.dwDrawStage = stage;
    zeichnung.nmcd.dwItemSpec = (DWORD_PTR)row;
    zeichnung.nmcd.lItemlParam = item.lParam;
    zeichnung.clrText = 0x12345678;
    zeichnung.clrTextBk = 0x12345678;
    SendMessageA(fenster, WM_NOTIFY, (WPARAM)id, (LPARAM)&zeichnung);
    if (text != nullptr)
        *text = zeichnung.clrText;
    return zeichnung.clrTextBk;
}

std::string Person::ListViewText(HWND fenster, int id, int row, int column)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return "";
    char buf[1024] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buf;
    item.cchTextMax = sizeof buf;
    SendMessageA(h, LVM_GETITEMTEXTA, row, (LPARAM)&item);
    return buf;
}

int Person::ListViewFind(HWND fenster, int id, int column, const std::string& text)
{
    int n = ListViewCount(fenster, id);
    for (int i = 0; i < n; i++)
        if (ListViewText(fenster, id, i, column) == text)
            return i;
    return -1;
}

void Person::ListViewSelect(HWND fenster, int id, int row)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    PostMessageA(h, LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)Keep(item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    PostMessageA(h, LVM_SETITEMSTATE, row, (LPARAM)Keep(item));
    Sync(ui_);
}

/* Selects `row`, then tells the parent about a mouse action on it. */
static void ListViewMaus(Person& p, HWND fenster, int id, int row, UINT code)
{
    p.ListViewSelect(fenster, id, row);
    HWND h = p.Control(fenster, id);
    if (h == nullptr)
        return;
    NMITEMACTIVATE n = {};
    n.hdr.hwndFrom = h;
    n.hdr.idFrom = GetDlgCtrlID(h);
    n.hdr.code = code;
    n.iItem = row;
    PostMessageA(GetParent(h), WM_NOTIFY, n.hdr.idFrom, (LPARAM)Keep(n));
    Sync(p.UiThread());
}

void Person::ListViewDoubleClick(HWND fenster, int id, int row)
{
    ListViewMaus(*this, fenster, id, row, NM_DBLCLK);
}

void Person::ListViewClick(HWND fenster, int id, int row)
{
    ListViewMaus(*this, fenster, id, row, NM_CLICK);
}

void Person::ListViewAddSelect(HWND fenster, int id, int row)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    PostMessageA(h, LVM_SETITEMSTATE, row, (LPARAM)Keep(item));
    Sync(ui_);
}

void Person::Key(HWND fenster, int id, int vk)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    Focus(fenster, id);
    PostMessageA(h, WM_KEYDOWN, (WPARAM)vk, 1);
    PostMessageA(h, WM_KEYUP, (WPARAM)vk, (LPARAM)0xC0000001);
    Sync(ui_);
}

void Person::ListViewColumnClick(HWND fenster, int id, int column)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    NMLISTVIEW n = {};
    n.hdr.hwndFrom = h;
    n.hdr.idFrom = GetDlgCtrlID(h);
    n.hdr.code = LVN_COLUMNCLICK;
    n.iItem = -1;
    n.iSubItem = column;
    PostMessageA(GetParent(h), WM_NOTIFY, n.hdr.idFrom, (LPARAM)Keep(n));
    Sync(ui_);
}

void Person::SelectTab(HWND fenster, int id, int index)
{
    HWND h = Control(fenster, id);
    if (h == nullptr)
        return;
    HWND parent = GetParent(h);
    NMHDR kopf = {};
    kopf.hwndFrom = h;
    kopf.idFrom = GetDlgCtrlID(h);
    kopf.code = TCN_SELCHANGING;
    PostMessageA(parent, WM_NOTIFY, kopf.idFrom, (LPARAM)Keep(kopf));
    PostMessageA(h, TCM_SETCURSEL, index, 0);
    kopf.code = TCN_SELCHANGE;
    PostMessageA(parent, WM_NOTIFY, kopf.idFrom, (LPARAM)Keep(kopf));
    Sync(ui_);
}

int Person::CurrentTab(HWND fenster, int id)
{
    HWND h = Control(fenster, id);
    return h ? (int)SendMessageA(h, TCM_GETCURSEL, 0, 0) : -1;
}

static MessageBoxInfo ReadMessageBox(HWND h)
{
    MessageBoxInfo info;
    info.fenster = h;
    char buf[4096] = "";
    GetWindowTextA(h, buf, sizeof buf);
    info.caption = buf;
    buf[0] = '\0';
    GetDlgItemTextA(h, 0xFFFF, buf, sizeof buf);
    info.text = buf;
    for (int id = 1; id <= 11; id++) {
        HWND b = GetDlgItem(h, id);
        if (b != nullptr && ClassOf(b) == "Button" && IsWindowVisible(b)) {
            GetWindowTextA(b, buf, sizeof buf);
            info.buttons.push_back(buf);
            info.buttonIds.push_back(id);
        }
    }
    return info;
}

bool Person::Settle(int ms)
{
    return Sync(ui_, ms);
}

/* A message box of the thread shown now, read into *info. */
static bool MessageBoxDa(DWORD ui, MessageBoxInfo* info)
{
    for (HWND h : ThreadWindows(ui)) {
        if (IsMessageBox(h)) {
            if (info)
                *info = ReadMessageBox(h);
            return true;
        }
    }
    return false;
}

bool Person::MessageBoxAppears(int ms, MessageBoxInfo* info)
{
    return Warten([&] { return MessageBoxDa(ui_, info); }, ms);
}

bool Person::WaitMessageBoxOr(const std::function<bool()>& instead, MessageBoxInfo* info, int ms)
{
    bool box = false;
    if (Warten([&] { return (box = MessageBoxDa(ui_, info)) || instead(); }, ms))
        return box;
    ADD_FAILURE() << "neither a message box nor the awaited state came within " << ms << " ms";
    return false;
}

bool Person::CallReturned() const
{
    return g_modalFertig.load();
}

MessageBoxInfo Person::WaitMessageBox(int ms)
{
    MessageBoxInfo info;
    if (!MessageBoxAppears(ms, &info))
        ADD_FAILURE() << "no message box appeared within " << ms << " ms";
    return info;
}

void Person::Answer(const MessageBoxInfo& box, int buttonId)
{
    if (box.fenster == nullptr)
        return;
    HWND b = GetDlgItem(box.fenster, buttonId);
    if (b == nullptr) {
        ADD_FAILURE() << "message box \"" << box.caption << "\" has no button " << buttonId;
        return;
    }
    PostMessageA(box.fenster, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), (LPARAM)b);
    Sync(ui_);
    WaitClosed(box.fenster, 5000);
}

void Person::CloseAll()
{
    for (int round = 0; round < 50; round++) {
        std::vector<HWND> offen = VisibleWindows(ui_);
        if (offen.empty())
            return;
        for (HWND h : offen) {
            if (IsMessageBox(h)) {
                int id = GetDlgItem(h, IDCANCEL) ? IDCANCEL : (GetDlgItem(h, IDNO) ? IDNO : IDOK);
                PostMessageA(h, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
            } else {
                PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            }
        }
        Sleep(100);
    }
}

INT_PTR RunWithPerson(const std::function<INT_PTR()>& modal,
                      const std::function<void(Person&)>& person, int ms)
{
    DWORD ui = GetCurrentThreadId();
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);   /* make sure the queue exists */
    g_hook = SetWindowsHookExA(WH_GETMESSAGE, MarkerHook, nullptr, ui);
    g_modalFertig = false;
    std::atomic<bool> fertig{false};
    std::thread helfer([&] {
        Person p(ui);
        person(p);
        DWORD start = GetTickCount();
        while (!fertig.load()) {
            if ((int)(GetTickCount() - start) > ms) {
                ADD_FAILURE() << "the dialog was still open after the person was done; closing it";
                p.CloseAll();
                start = GetTickCount();
            }
            Sleep(10);
        }
    });
    INT_PTR result = modal();
    g_modalFertig = true;
    fertig = true;
    helfer.join();
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    /* Drop markers the modal loop did not fetch any more. */
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    g_markersSeen = g_markersSent.load();
    std::lock_guard<std::mutex> lock(g_keepMutex);
    g_keep.clear();
    return result;
}
