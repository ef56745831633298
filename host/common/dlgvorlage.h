/*
 * dlgvorlage.h - dialog templates built in memory, for the small pickers
 * of the host that come without a resource of their own.
 *
 * A template is a vector of WORDs laid out as DialogBoxIndirectParam
 * expects it: the header with caption and font first (VorlageKopf), then
 * one entry per control (VorlageSteuerelement), as many as the header
 * announced. The vector's data is the template; it must stay alive and
 * unchanged while the dialog is created.
 *
 * A picker is such a dialog with one list box and the buttons OK and
 * Cancel; AuswahlBefehl answers its commands.
 */
#ifndef OX_COMMON_DLGVORLAGE_H
#define OX_COMMON_DLGVORLAGE_H

#include <windows.h>
#include <stdint.h>

#include <vector>

/* Control classes a template names by number. */
enum {
    VORLAGE_KNOPF = 0x0080,
    VORLAGE_EDIT = 0x0081,
    VORLAGE_STATISCH = 0x0082,
    VORLAGE_LISTE = 0x0083
};

/* Appends `text` with its terminating 0 as one WORD per character. */
void VorlageText(std::vector<WORD>& t, const wchar_t* text);

/*
 * Starts the template in the empty `t`: window style `stil` (it must
 * contain DS_SETFONT, since the font follows), `anzahl` controls to come,
 * size `cx` x `cy` in dialog units, no menu, the standard dialog class,
 * caption `titel` and the font `schrift` of `punkte` points.
 */
void VorlageKopf(std::vector<WORD>& t, DWORD stil, WORD anzahl, short cx, short cy, const wchar_t* titel,
                 WORD punkte, const wchar_t* schrift);

/*
 * Appends one control, aligned to a DWORD boundary as the template
 * requires: style `stil` (WS_CHILD and WS_VISIBLE are added), position and
 * size in dialog units, control id `id`, class `klasse` (one of VORLAGE_*)
 * and window text `text`; no creation data.
 */
void VorlageSteuerelement(std::vector<WORD>& t, DWORD stil, short x, short y, short cx, short cy, WORD id,
                          WORD klasse, const wchar_t* text);

/*
 * The commands of a picker whose list box is `listeId`, for its dialog
 * procedure's WM_COMMAND with `wParam`: OK, or a double click in the list,
 * ends the dialog with IDOK and sets `*gewaehlt` to the item data of the
 * selected entry (0 when none is selected); Cancel ends it with IDCANCEL
 * and sets `*gewaehlt` to 0. Returns TRUE when it handled the command,
 * FALSE for any other (nothing changed).
 */
INT_PTR AuswahlBefehl(HWND fenster, WPARAM wParam, int listeId, int32_t* gewaehlt);

#endif
