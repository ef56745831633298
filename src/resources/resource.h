/*
 * resource.h - ids of the module's dialog templates, controls and strings.
 * One header for both language sets (lang/de.rc, lang/nl.rc): a Dutch
 * template or string always carries the same id as its German original.
 */
#ifndef KTOXEDI_RESOURCE_H
#define KTOXEDI_RESOURCE_H

/* Dialog templates */
#define IDD_EDI_IMPORT          107   /* main import window "EDI Import" */
#define IDD_SEITE_FILTER        102
#define IDD_SEITE_STANDARD      108
#define IDD_SEITE_AUSWAHL       109
#define IDD_SEITE_IMPORT        110
#define IDD_EXPORT              1003  /* "Artikelstammdaten Export" */
#define IDD_EXPORT_INFOTEXT     1007  /* info text of an export */
#define IDD_ARTIKELZUWEISUNG    1013  /* "EDI-Artikelzuweisung", German only */

/* Main import window (107) */
#define IDC_HW_TAB              1005
#define IDC_HW_LIEFERANT        1004
#define IDC_HW_LIEFERANT_LABEL  1015
#define IDC_HW_ILN              1013
#define IDC_HW_ILN_LABEL        1014
#define IDC_HW_SAETZE_LABEL     1006
#define IDC_HW_SAETZE           1007
#define IDC_HW_GEFILTERT_LABEL  1008
#define IDC_HW_GEFILTERT        1009
#define IDC_HW_IMPORTIERT_LABEL 1010
#define IDC_HW_IMPORTIERT       1011
#define IDC_HW_BEENDEN          1012

/* Export dialog (1003) and info text dialog (1007) */
#define IDC_EX_ORDNER           5004
#define IDC_EX_LABEL            5001
#define IDC_EX_LIEFERANT_BTN    1172
#define IDC_EX_LIEFERANT        1173
#define IDC_EX_VORSCHAU         5005
#define IDC_EX_PFLEGEKZ         1146
#define IDC_EX_ADRESSEN         1142
#define IDC_EX_BLE              1143
#define IDC_EX_NAMENSERW_CHK    1144
#define IDC_EX_NAMENSERW        1169
#define IDC_EX_INFO_CHK         1145
#define IDC_EX_INFO_BTN         1168
#define IDC_EX_FORTSCHRITT      5003
#define IDC_EX_LIEFERANT_KOMBI  5002  /* Dutch layout only */
#define IDC_INFO_TEXT           1170

/* Article assignment dialog (1013) */
#define IDC_AZ_GTIN             1173
#define IDC_AZ_GLN              1189
#define IDC_AZ_ORIG_LIEFERANT   1178
#define IDC_AZ_ORIG_ARTIKEL     1193
#define IDC_AZ_PRICAT_LIEFERANT 1174
#define IDC_AZ_PRICAT_ARTIKEL   1175
#define IDC_AZ_PRICAT_NUMMER    1176
#define IDC_AZ_PRICAT_WAHL      1177
#define IDC_AZ_GTIN_LIEFERANT   1190
#define IDC_AZ_GTIN_ARTIKEL     1191
#define IDC_AZ_GTIN_NUMMER      1192
#define IDC_AZ_GTIN_WAHL        1201
#define IDC_AZ_MAP_LIEFERANT    1194
#define IDC_AZ_MAP_ARTIKEL      1195
#define IDC_AZ_MAP_NUMMER       1196
#define IDC_AZ_MAP_WAHL         1202
#define IDC_AZ_DIALOG_LIEFERANT 1198
#define IDC_AZ_DIALOG_ARTIKEL   1199
#define IDC_AZ_DIALOG_NUMMER    1200
#define IDC_AZ_DIALOG_WAHL      1203
#define IDC_AZ_NULLER           1204
#define IDC_AZ_GLEICHE          1205

/* Strings */
#define IDS_TEXT2_TEIL1         1010
#define IDS_TEXT2_TEIL2         1011
#define IDS_TEXT2_TEIL3         1012
#define IDS_KEIN_LIEFERANT      1017
#define IDS_ZU_VIELE_SAETZE     1043
#define IDS_EDI_IMPORT_MELDUNG  1044
#define IDS_KZ_IGNORIERT        1067
#define IDS_KZ_NUR_DIESE        1068
#define IDS_EXPORT_FEHLGESCHLAGEN 7101  /* article export: nothing replaced */

/* FTP exchange: dialog 1008 for the download and, retitled, the upload */
#define IDD_FTP_DATEIEN         1008  /* "EDI Import Dateien " */
#define IDC_FTP_LISTE           1171
#define IDC_FTP_AUSFUEHREN      3     /* "&Markierte Daten holen" / string 1038 */
#define IDC_FTP_BEENDEN         1     /* "&Beenden" */
#define IDS_FTP_DOWNLOAD_FEHLER 1034
#define IDS_FTP_TITEL           1035  /* "EDI FTP", caption of the messages */
#define IDS_FTP_UPLOAD_FEHLER   1036
#define IDS_FTP_EXPORT_TITEL    1037
#define IDS_FTP_SENDEN          1038
#define IDS_FTP_UPLOAD_OK       1039
#define IDS_FTP_DOWNLOAD_OK     1040
#define IDS_FTP_SPALTE_DATUM    1069
#define IDS_FTP_SPALTE_INHALT   1070
#define IDS_FTP_SPALTE_BESCHR   1071
#define IDS_FTP_SPALTE_ADRESSE  1072

#endif
