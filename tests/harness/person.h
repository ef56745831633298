/*
 * person.h - drives the module's dialogs in tests the way a person would.
 *
 * A modal dialog blocks the thread that runs it, as in the host. So a test
 * runs the modal call on its own (UI) thread and lets a "person" act on a
 * second thread: wait for a window, find controls by id (also inside tab
 * pages), type, click, pick entries, switch tabs, read texts back, and
 * catch and answer message boxes. Every action goes through the window's
 * messages, so the dialog procedures see what they would see from a user.
 *
 *   INT_PTR r = RunWithPerson([&] { return KTOXEDI_Bearbeiten(&p); },
 *                             [&](Person& p) {
 *       HWND w = p.WaitWindow("EDI Import");
 *       EXPECT_EQ("Kein Lieferant ausgewählt", p.Text(w, 1004));
 *       p.Click(w, 1012);
 *   });
 *
 * Failures inside the person (a window that never comes, a missing control)
 * are reported as GoogleTest failures, and the person then closes every
 * window of the UI thread so the modal call returns and the test ends.
 */
#ifndef OX_TEST_PERSON_H
#define OX_TEST_PERSON_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct MessageBoxInfo {
    HWND fenster = nullptr;
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;   /* texts, in the order of their ids */
    std::vector<int> buttonIds;
};

class Person {
public:
    explicit Person(DWORD uiThread) : ui_(uiThread) {}

    /* Waits for a visible top-level window of the UI thread whose caption
     * is `caption` (empty = any new dialog). Fails the test after `ms`. */
    HWND WaitWindow(const std::string& caption, int ms = 10000);
    /* Waits until `fenster` is gone (destroyed or hidden). */
    bool WaitClosed(HWND fenster, int ms = 10000);
    /* Waits until control `id` shows `text` (for work the window does
     * after a posted command). Fails the test after `ms`. */
    bool WaitText(HWND fenster, int id, const std::string& text, int ms = 10000);

    /* Finds control `id` in `fenster` or in any of its child dialogs,
     * preferring a visible one (tab pages hide the others). */
    HWND Control(HWND fenster, int id);

    std::string Text(HWND fenster, int id);
    std::string WindowText(HWND fenster);
    bool IsChecked(HWND fenster, int id);
    bool IsEnabled(HWND fenster, int id);
    bool IsVisible(HWND fenster, int id);

    /* Gives control `id` the focus as a tab key or click would
     * (the previous control gets its kill-focus notification). */
    void Focus(HWND fenster, int id);
    /* Focuses the edit, selects its text and types `text` key by key. */
    void Type(HWND fenster, int id, const std::string& text);
    /* Replaces the edit's text at once (EN_CHANGE follows). */
    void SetText(HWND fenster, int id, const std::string& text);
    void Click(HWND fenster, int id);
    /* Presses and releases key `vk` in control `id` (it gets the focus first). */
    void Key(HWND fenster, int id, int vk);
    /* Presses the window's close box (WM_SYSCOMMAND SC_CLOSE). */
    void CloseBox(HWND fenster);
    void SetCheck(HWND fenster, int id, bool ticked);  /* clicks when needed */

    /* Combo box / list box: picks the entry with exactly `text` (or the
     * index) and notifies the parent as a mouse pick would. */
    bool PickCombo(HWND fenster, int id, const std::string& text);
    bool PickComboIndex(HWND fenster, int id, int index);
    std::vector<std::string> ComboEntries(HWND fenster, int id);
    bool PickList(HWND fenster, int id, const std::string& text);

    /* List view (report view) reading and picking. */
    int ListViewCount(HWND fenster, int id);
    std::string ListViewText(HWND fenster, int id, int row, int column);
    int ListViewFind(HWND fenster, int id, int column, const std::string& text);  /* -1 = none */
    void ListViewSelect(HWND fenster, int id, int row);
    void ListViewDoubleClick(HWND fenster, int id, int row);
    /* Selects `row` and sends the click notification (NM_CLICK) a mouse
     * click on the row gives. */
    void ListViewClick(HWND fenster, int id, int row);
    /* Adds `row` to the selection (as a Ctrl+click does), without a click
     * notification. */
    void ListViewAddSelect(HWND fenster, int id, int row);
    void ListViewColumnClick(HWND fenster, int id, int column);
    /* The colours the owner of list view `id` gives `row` when asked as
     * drawing does (NM_CUSTOMDRAW at `stage`, e.g. CDDS_ITEMPREPAINT):
     * text colour into *text (may be null), background returned. */
    COLORREF ListViewRowColour(HWND fenster, int id, int row, DWORD stage, COLORREF* text = nullptr);

    /* Switches the tab control `id` to page `index` as a click would
     * (TCN_SELCHANGING, selection, TCN_SELCHANGE to the parent). */
    void SelectTab(HWND fenster, int id, int index);
    int CurrentTab(HWND fenster, int id);

    /* Waits for a message box of the UI thread and reads it. */
    MessageBoxInfo WaitMessageBox(int ms = 10000);
    /* Waits until the UI thread has fetched everything posted so far: it is
     * then idle, or inside a modal loop (a message box) it opened meanwhile.
     * A message box not there after this did not come. */
    bool Settle(int ms = 10000);
    /* True when a message box shows up within `ms`. */
    bool MessageBoxAppears(int ms, MessageBoxInfo* info = nullptr);
    /* For an action with two outcomes, a message box or a state the test
     * can see: waits until a message box shows up (true, read into *info)
     * or `instead` holds (false). `ms` only guards against neither coming:
     * the test fails then. */
    bool WaitMessageBoxOr(const std::function<bool()>& instead, MessageBoxInfo* info, int ms = 20000);
    /* True once the modal call has returned: no message box of it can
     * come any more. */
    bool CallReturned() const;
    /* Presses the button with id `buttonId` (IDOK, IDYES, ...). */
    void Answer(const MessageBoxInfo& box, int buttonId);

    /* Closes every window of the UI thread (used after a failure). */
    void CloseAll();

    DWORD UiThread() const { return ui_; }

private:
    DWORD ui_;
};

/* Runs `modal` on the calling thread while `person` acts on a second one.
 * Returns what `modal` returned. If the person's work ends while the modal
 * call still runs after `ms`, every window is closed and the test fails. */
INT_PTR RunWithPerson(const std::function<INT_PTR()>& modal,
                      const std::function<void(Person&)>& person, int ms = 30000);

/* Top-level windows of a thread that are visible (for leak checks). */
std::vector<HWND> VisibleWindows(DWORD thread);

#endif
