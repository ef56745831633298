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
#define IDD_EINZELTEILAENDERUNGEN 1005  /* "Einzelteilaenderungen und Etiketten" */

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
#define IDC_HW_HINWEIS          1300  /* hint line below the pages */

/* Item changes and labels (1005) */
#define IDC_EA_DURCHFUEHREN     1158  /* apply the changes; master of the others */
#define IDC_EA_FORTSCHRITT      1159  /* progress bar: item position */
#define IDC_EA_ETIKETTEN        1160
#define IDC_EA_PREISAENDERUNGEN 1161
#define IDC_EA_KEINE_EK1        1163
#define IDC_EA_KEINE_VERKAUFTEN 1164

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
#define IDS_MINDBEST_LOESCHEN   1031  /* minimum stock of a discontinued article */
#define IDS_ZU_VIELE_SAETZE     1043
#define IDS_EDI_IMPORT_MELDUNG  1044
#define IDS_KZ_IGNORIERT        1067
#define IDS_KZ_NUR_DIESE        1068
#define IDS_EXPORT_FEHLGESCHLAGEN 7101  /* article export: the sets skipped follow */
#define IDS_EXPORT_NAME_ZU_LANG  7102  /* article export: the file name does not fit */
#define IDS_KOPFZEILE           7110  /* main window header: supplier, description, date */
#define IDS_FI_ANZAHL_ALLE      7111  /* filter page count: values of a criterion */
#define IDS_FI_ANZAHL_EINS      7112  /* filter page count: one value chosen */
#define IDS_PFAD_FEHLER         7113  /* an EDI folder cannot be made */
#define IDS_KNOPF_ART3          7114  /* default button captions of kinds 3 to 5 */
#define IDS_KNOPF_ART4          7115
#define IDS_KNOPF_ART5          7116
#define IDS_TITEL_ART3          7117  /* default titles of kinds 3 to 5 */
#define IDS_TITEL_ART4          7118
#define IDS_TITEL_ART5          7119

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
/* one line per file that did not move, after 1034/1036/1039/1040 */
#define IDS_FTP_DATEI_FEHLER    7130
#define IDS_FTP_DATEI_ZEIT      7131
#define IDS_FTP_DATEI_GROESSE   7132
#define IDS_EANCOM_NICHT_UMGESETZT 7140
#define IDS_FTP_SPALTE_DATUM    1069
#define IDS_FTP_SPALTE_INHALT   1070
#define IDS_FTP_SPALTE_BESCHR   1071
#define IDS_FTP_SPALTE_ADRESSE  1072

/* Selection page "Auswahl" (109) */
#define IDC_AW_TEXT             1065  /* explanation: strings 1007 + 1008 + 1009 */
#define IDC_AW_LIEFERANT_BTN    1000
#define IDC_AW_LIEFERANT        1001  /* supplier number, 5 characters */
#define IDC_AW_LIEFERANT_NAME   1004
#define IDC_AW_ORDNER           1002
#define IDC_AW_ADRESSEN         1066
#define IDC_AW_LISTE            1067
#define IDC_AW_SICHERUNG        1068
#define IDC_AW_ALLE             1005
#define IDS_ALLE_LIEFERANTEN    1001
#define IDS_AW_SPALTE_DATUM     1003
#define IDS_AW_SPALTE_ILN       1004
#define IDS_AW_SPALTE_NAME      1005
#define IDS_AW_SPALTE_BESCHR    1006
#define IDS_AW_TEXT1            1007
#define IDS_AW_TEXT2            1008
#define IDS_AW_TEXT3            1009
#define IDS_AW_SPALTE_DATEI     1032

/* Filter page (102) */
#define IDC_FI_TEXT             3     /* explanation: strings 1013 to 1016 */
#define IDC_FI_TITEL1           1022  /* captions over the five combos */
#define IDC_FI_TITEL2           1013
#define IDC_FI_TITEL3           1014
#define IDC_FI_TITEL4           1015
#define IDC_FI_TITEL5           1016
#define IDC_FI_KOMBI1           1017  /* criteria 1 to 5: 1017 .. 1021 */
#define IDC_FI_KOMBI2           1018
#define IDC_FI_KOMBI3           1019
#define IDC_FI_KOMBI4           1020
#define IDC_FI_KOMBI5           1021
#define IDC_FI_VARIATIONEN      1023
#define IDC_FI_ANZAHL1          1024  /* value counts of criteria 1, 2, 3, 4, 5: */
#define IDC_FI_ANZAHL2          1025  /*   1024, 1025, 1026, 1028, 1027 */
#define IDC_FI_ANZAHL3          1026
#define IDC_FI_ANZAHL4          1028
#define IDC_FI_ANZAHL5          1027
#define IDC_FI_FILTERN          1060
#define IDC_FI_AUS              1061
#define IDC_FI_LISTE            1068
#define IDS_FI_TEXT1            1013
#define IDS_FI_TEXT2            1014
#define IDS_FI_TEXT3            1015
#define IDS_FI_TEXT4            1016
#define IDS_FI_ARTIKEL          1018
#define IDS_FI_HAUPTGRUPPE      1019
#define IDS_FI_WARENGRUPPE      1020
#define IDS_FI_SERIE            1021
#define IDS_FI_LABEL            1022
#define IDS_FI_MATERIAL         1023
#define IDS_FI_BLEFARBE         1024
#define IDS_FI_LIEFERANTENFARBE 1025
#define IDS_FI_SAISON           1026
#define IDS_FI_ZUSATZTEXT       1027

/* Standard page (108): per kind a button, an edit and a description text */
#define IDC_ST_TEXT             1054
#define IDC_ST_FESTLEGUNG       4
#define IDC_ST_BTN_HG           1036
#define IDC_ST_EDIT_HG          1037
#define IDC_ST_TEXT_HG          1029
#define IDC_ST_BTN_WG           1038
#define IDC_ST_EDIT_WG          1039
#define IDC_ST_TEXT_WG          1032
#define IDC_ST_BTN_SERIE        1040
#define IDC_ST_EDIT_SERIE       1041
#define IDC_ST_TEXT_SERIE       1033
#define IDC_ST_BTN_LABEL        1042
#define IDC_ST_EDIT_LABEL       1043
#define IDC_ST_TEXT_LABEL       1030
#define IDC_ST_BTN_MATERIAL     1044
#define IDC_ST_EDIT_MATERIAL    1045
#define IDC_ST_TEXT_MATERIAL    1031
#define IDC_ST_BTN_FARBE        1046
#define IDC_ST_EDIT_FARBE       1047
#define IDC_ST_TEXT_FARBE       1017
#define IDC_ST_BTN_GROESSE      1048
#define IDC_ST_EDIT_GROESSE     1049
#define IDC_ST_TEXT_GROESSE     1018
#define IDC_ST_BTN_FILIALE      1050
#define IDC_ST_EDIT_FILIALE     1051
#define IDC_ST_TEXT_FILIALE     1034
#define IDC_ST_BTN_SAISON       1052
#define IDC_ST_EDIT_SAISON      1053
#define IDC_ST_TEXT_SAISON      1035
#define IDC_ST_LIEFERANT        1058  /* store for the chosen supplier */
#define IDC_ST_GENERELL         1057  /* store for all imports */
#define IDC_ST_ZUWEISEN         1139
#define IDC_ST_FARBEN_GRUPPE    1064
#define IDC_ST_FARBE0           1059  /* "bte_edi_farbtexte" 0, 1, 2 */
#define IDC_ST_FARBE1           1060
#define IDC_ST_FARBE2           1061
#define IDC_ST_MINDBEST_GRUPPE  1065
#define IDC_ST_MINDBEST0        1162  /* "mindbest_loeschverhalten" 0, 1, 2 */
#define IDC_ST_MINDBEST1        1163
#define IDC_ST_MINDBEST2        1164
#define IDC_ST_VORBLENDUNG      1062
#define IDC_ST_ET_SAISON        1063
#define IDC_ST_GELB             1066
#define IDC_ST_TABELLEN         1068
#define IDC_ST_DRUCKEN_VK       1069
#define IDC_ST_VK2_AUS_VK1      1070
#define IDC_ST_KENNZEICHEN      1067
#define IDC_ST_KENNZEICHEN_TEXT 1055
#define IDC_ST_NURGEMAPPTE      1071
#define IDC_ST_KEINE_AUFTRAEGE  1072

/* Import page "Importieren" (110): per kind the catalogue text, the
 * selection button, the code edit, the description text and the create
 * button */
#define IDC_IP_EDI_GRUPPE       1071
#define IDC_IP_HOST_GRUPPE      1094
#define IDC_IP_EDI_ARTIKEL      1077
#define IDC_IP_EDI_HG           1104
#define IDC_IP_EDI_WG           1108
#define IDC_IP_EDI_SERIE        1109
#define IDC_IP_EDI_LABEL        1110
#define IDC_IP_EDI_MATERIAL     1111
#define IDC_IP_EDI_FARBE        1112
#define IDC_IP_EDI_GROESSE      1113
#define IDC_IP_EDI_FILIALE      1142
#define IDC_IP_EDI_SAISON       1114
#define IDC_IP_BTN_ARTIKEL      1090
#define IDC_IP_EDIT_ARTIKEL     1091
#define IDC_IP_NEU_ARTIKEL      1106
#define IDC_IP_BTN_HG           1069
#define IDC_IP_EDIT_HG          1070
#define IDC_IP_TEXT_HG          1127
#define IDC_IP_NEU_HG           1148
#define IDC_IP_BTN_WG           1078
#define IDC_IP_EDIT_WG          1079
#define IDC_IP_TEXT_WG          1128
#define IDC_IP_NEU_WG           1149
#define IDC_IP_BTN_SERIE        1080
#define IDC_IP_EDIT_SERIE       1081
#define IDC_IP_TEXT_SERIE       1129
#define IDC_IP_NEU_SERIE        1152
#define IDC_IP_BTN_LABEL        1082
#define IDC_IP_EDIT_LABEL       1083
#define IDC_IP_TEXT_LABEL       1130
#define IDC_IP_NEU_LABEL        1153
#define IDC_IP_BTN_MATERIAL     1084
#define IDC_IP_EDIT_MATERIAL    1085
#define IDC_IP_TEXT_MATERIAL    1131
#define IDC_IP_NEU_MATERIAL     1150
#define IDC_IP_BTN_FARBE        1086
#define IDC_IP_EDIT_FARBE       1087
#define IDC_IP_TEXT_FARBE       1132
#define IDC_IP_NEU_FARBE        1151
#define IDC_IP_BTN_GROESSE      1088
#define IDC_IP_EDIT_GROESSE     1089
#define IDC_IP_TEXT_GROESSE     1133
#define IDC_IP_NEU_GROESSE      1154
#define IDC_IP_BTN_FILIALE      1101
#define IDC_IP_EDIT_FILIALE     1102
#define IDC_IP_TEXT_FILIALE     1135
#define IDC_IP_BTN_SAISON       1095
#define IDC_IP_EDIT_SAISON      1096
#define IDC_IP_TEXT_SAISON      1134
#define IDC_IP_NEU_SAISON       1155
#define IDC_IP_EDIT_LIEFERANT   1140
#define IDC_IP_TEXT_LIEFERANT   1141
#define IDC_IP_GTIN             1105
#define IDC_IP_SATZNR_LABEL     1143
#define IDC_IP_SATZNR           1144
#define IDC_IP_EDI_EK1          1115
#define IDC_IP_EDI_VK1          1116
#define IDC_IP_EDI_EK2          1117
#define IDC_IP_EDI_VK2          1138
#define IDC_IP_EDI_LFARBE       1118
#define IDC_IP_EDI_ZUSATZ       1119
#define IDC_IP_EK1              1097
#define IDC_IP_EK2              1098
#define IDC_IP_VK1              1099
#define IDC_IP_VK2              1100
#define IDC_IP_VORSCHLAG_EK1    1159
#define IDC_IP_VORSCHLAG_EK2    1160
#define IDC_IP_VORSCHLAG_VK1    1166
#define IDC_IP_VORSCHLAG_VK2    1167
#define IDC_IP_KALKULIEREN      1156
#define IDC_IP_UEBERNAHME_EK1   1161
#define IDC_IP_UEBERNAHME_VK1   1162
#define IDC_IP_UEBERNAHME_EK2   1163
#define IDC_IP_UEBERNAHME_VK2   1164
#define IDC_IP_MWST             14081
#define IDC_IP_MWST_PROZENT     13758
#define IDC_IP_MWST_ZEICHEN     13759
#define IDC_IP_LFARBE           1092
#define IDC_IP_LFARBE_LABEL     1124
#define IDC_IP_ZUSATZ           1093
#define IDC_IP_ZUSATZ_LABEL     1125
#define IDC_IP_KENNUNG          1103
#define IDC_IP_KENNUNG_LABEL    1126
#define IDC_IP_STANDARD         1072
#define IDC_IP_SENKRECHT        1074
#define IDC_IP_SENKRECHT_LABEL  1136
#define IDC_IP_WAAGRECHT        1075
#define IDC_IP_WAAGRECHT_LABEL  1137
#define IDC_IP_STOP_WECHSEL     1145
#define IDC_IP_STOP_VARIATION   1107
#define IDC_IP_VORRANG          1146
#define IDC_IP_NEU_AUTOM        1165
#define IDC_IP_ZUWEISEN         1073
#define IDC_IP_UEBERSPRINGEN    1076

/* Import page texts */
#define IDS_IMPORT_STARTEN      1028
#define IDS_ZUWEISEN            1029
#define IDS_IN_SICHERUNG_VERSCHIEBEN 1033
/* hint line of the import window */
#define IDS_HINWEIS_NEUER_ARTIKEL     1301
#define IDS_HINWEIS_ARTIKEL           1302
#define IDS_HINWEIS_AUSLAUF_UNBEKANNT 1303
#define IDS_HINWEIS_ABSTIMMUNG        1304
#define IDS_HINWEIS_PROTOKOLL         1305
/* import record */
#define IDS_PROT_NAME                 1310
#define IDS_PROT_KOPF                 1311
#define IDS_PROT_KATALOG              1312
#define IDS_PROT_ARTIKEL_NEU          1313
#define IDS_PROT_ARTIKEL_KORR         1314
#define IDS_PROT_TABELLE              1315
#define IDS_PROT_EAN_NEU              1316
#define IDS_PROT_EAN_UMGETRAGEN       1317
#define IDS_PROT_PREIS                1318
#define IDS_PROT_UEBERSPRUNGEN        1319
#define IDS_PROT_NURGEMAPPT           1320
#define IDS_PROT_AUSLAUF              1321
#define IDS_PROT_AUFTRAG              1322
#define IDS_PROT_SUMME                1323
#define IDS_PROT_AUSLAUF_UNBEKANNT    1324
#define IDS_PROT_ANGEHALTEN           1325
#define IDS_PROT_ENDE                 1326

#endif
