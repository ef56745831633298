/*
 * dlgvorlage.cpp - dialog templates in memory.
 */
#include "dlgvorlage.h"

namespace {

/* Appends a fixed-layout record of the template word by word. */
template <typename T>
void Anhaengen(std::vector<WORD>& t, const T& satz)
{
    static_assert(sizeof(T) % sizeof(WORD) == 0, "template records are made of WORDs");
    const WORD* w = reinterpret_cast<const WORD*>(&satz);
    t.insert(t.end(), w, w + sizeof satz / sizeof(WORD));
}

}  // namespace

void VorlageText(std::vector<WORD>& t, const wchar_t* text)
{
    do
        t.push_back(static_cast<WORD>(*text));
    while (*text++ != L'\0');
}

void VorlageKopf(std::vector<WORD>& t, DWORD stil, WORD anzahl, short cx, short cy, const wchar_t* titel,
                 WORD punkte, const wchar_t* schrift)
{
    DLGTEMPLATE kopf{};
    kopf.style = stil;
    kopf.cdit = anzahl;
    kopf.cx = cx;
    kopf.cy = cy;
    Anhaengen(t, kopf);
    t.push_back(0);   /* no menu */
    t.push_back(0);   /* standard class */
    VorlageText(t, titel);
    t.push_back(punkte);
    VorlageText(t, schrift);
}

void VorlageSteuerelement(std::vector<WORD>& t, DWORD stil, short x, short y, short cx, short cy, WORD id,
                          WORD klasse, const wchar_t* text)
{
    if (t.size() % 2)
        t.push_back(0);
    DLGITEMTEMPLATE item{};
    item.style = stil | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    Anhaengen(t, item);
    t.push_back(0xFFFF);
    t.push_back(klasse);
    VorlageText(t, text);
    t.push_back(0);   /* no creation data */
}

INT_PTR AuswahlBefehl(HWND fenster, WPARAM wParam, int listeId, int32_t* gewaehlt)
{
    if (LOWORD(wParam) == IDOK || (LOWORD(wParam) == listeId && HIWORD(wParam) == LBN_DBLCLK)) {
        HWND liste = GetDlgItem(fenster, listeId);
        LRESULT i = SendMessageA(liste, LB_GETCURSEL, 0, 0);
        LRESULT daten = i == LB_ERR ? 0 : SendMessageA(liste, LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        *gewaehlt = static_cast<int32_t>(daten);
        EndDialog(fenster, IDOK);
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        *gewaehlt = 0;
        EndDialog(fenster, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
