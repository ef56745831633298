/*
 * oxmwst.h - the host's VAT library (OXMWST.DLL).
 *
 * The host keeps a table of six VAT rates, numbered 0 to 5; an article
 * carries the rate number, not the percentage. Percentages are given in
 * whole percent by OX_MWST_GetMWSTSatz / OX_MWST_GetMWST_FromMwstSatz and
 * in hundredths of a percent by OX_MWST_GetMWST_WertFromComboBox (the
 * form a price text shows). Rate 2 is the usual default.
 */
#ifndef OX_HOSTAPI_OXMWST_H
#define OX_HOSTAPI_OXMWST_H

#include "hostapi/fenster.h"
#include "hostapi/hostdefs.h"

#if defined(BUILD_OXMWST)
#  define OXMWST_API OX_DLLEXPORT
#else
#  define OXMWST_API OX_DLLIMPORT
#endif

enum { OX_MWST_ANZAHL = 6, OX_MWST_STANDARD = 2 };

/* The rate number (0..5) whose percentage equals `prozent` (whole percent);
 * 0 when no rate has it. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_GetMWSTSatz(int32_t prozent);

/* The percentage (whole percent) of rate number `satz`; 0 for a number
 * outside 0..5. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_GetMWST_FromMwstSatz(int32_t satz);

/* Fills combo box `comboId` of `dialog` with the six rates (item data = rate
 * number), selects rate `satz` (the default rate when outside 0..5) and
 * shows its percentage in control `editId` (0 = none) as a price text.
 * 1, or -1 when the combo box does not exist. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_Show_MWST_ComboAndEdit_im_Dialog(HWND dialog, int32_t comboId,
                                                                              int32_t editId, int32_t satz);

/* Rate number of the combo box's selection, -1 when nothing is selected. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_GetSatzNr_FromComboBox(HWND combo);

/* Percentage of the combo box's selection in hundredths of a percent
 * (1900 = 19 %), -1 when nothing is selected. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_GetMWST_WertFromComboBox(HWND combo);

/*
 * The rate table is the host's and kept in the host's INI file (the file
 * OXINIFILE currently works on), section "MWST", keys "satz0" .. "satz5",
 * in hundredths of a percent. Rates not stored there have the defaults
 * 0 %, 7 %, 19 %, 16 %, 5 % and 10.7 % (rates 0 to 5). A whole-percent
 * value is the stored value rounded to the nearest whole percent.
 */

/* Percentage of rate number `satz` in hundredths of a percent; -1 for a
 * number outside 0..5. */
OX_EXTERN_C OXMWST_API int32_t OXCALL OX_MWST_GetMWST_Wert(int32_t satz);

#endif
