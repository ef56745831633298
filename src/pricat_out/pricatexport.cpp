/*
 * pricatexport.cpp - the writer of the article export (see pricatexport.h):
 * one run walks the host's export list once, writing each article into the
 * file set of its supplier (exportsaetze.cpp, exportdateien.cpp); a
 * supplier met again later in the run is appended to, so the list need not
 * be grouped by supplier.
 */
#include "pricat_out/pricatexport.h"
#include "grund/anzeige.h"
#include "pricat_out/exportlauf.h"
#include "kontext/ktoxedi.h"
#include "kontext/stringtabelle.h"
#include "grund/text.h"
#include "partner/partner.h"
#include "hostapi/fileio.h"
#include "hostapi/ktstorage.h"
#include "resources/resource.h"

#include <string.h>

void ExportOrdnerErmitteln(char* ziel, size_t groesse, int mitTrenner)
{
    EdiOrdnerPfad(ziel, groesse, HostDatenText(HD_HOSTVERZEICHNIS), "EDI_EXPORT", mitTrenner);
}

static void FortschrittZeigen(EXPORT_LAUF* lauf, int32_t prozent)
{
    if (lauf->Dialog == nullptr)
        return;
    if (prozent > 100)
        prozent = 100;
    char text[16];
    TextFormat(text, sizeof text, "%d %%", (int)prozent);
    SetDlgItemTextA(lauf->Dialog, IDC_EX_FORTSCHRITT, text);
    /* The run holds the dialog thread: show the text now. */
    HWND feld = GetDlgItem(lauf->Dialog, IDC_EX_FORTSCHRITT);
    if (feld != nullptr)
        UpdateWindow(feld);
}

/* Whether the list entry with supplier key `schluessel` and supplier number
 * `nummer` belongs to the run. */
static int GehoertDazu(const EXPORT_LAUF* lauf, const char* schluessel, int32_t nummer)
{
    if (lauf->AlleLieferanten)
        return schluessel[0] != '\0';
    size_t n = strlen(lauf->LieferantText);
    if (strncmp(schluessel, lauf->LieferantText, n) != 0)
        return 0;
    return lauf->LieferantGesucht <= 0 || nummer == lauf->LieferantGesucht;
}

static void LaufFreigeben(EXPORT_LAUF* lauf)
{
    if (lauf == nullptr)
        return;
    KatalogSchliessen(lauf);
    if (lauf->Artikelspeicher > 0)
        ARTLIB_SchliesseDatenbank(lauf->Artikelspeicher);
    if (lauf->Bezeichnungsspeicher > 0)
        BEZLIB_SchliesseDatenbank(lauf->Bezeichnungsspeicher);
    if (lauf->Lieferantenspeicher > 0)
        LieferantenDBA_CloseDBA(lauf->Lieferantenspeicher);
    Storage_Deallocate(lauf->Saetze);
    /* the run's block begins with the run */
    Storage_Deallocate(lauf);
}

/* The one message of a run that skipped file sets: which, and the file
 * each failed on. Not after the export folder's own message. */
static void FehlerMelden(EXPORT_LAUF* lauf)
{
    if (lauf->Bericht[0] == '\0' || lauf->OrdnerFehlt)
        return;
    char text[sizeof lauf->Bericht + 512];
    StringLaden(IDS_EXPORT_FEHLGESCHLAGEN, text, 512);
    TextAnhaengen(text, sizeof text, "\n\n");
    TextAnhaengen(text, sizeof text, lauf->Bericht);
    AnzeigeMeldung(lauf->Dialog, "ORDANEX", text, 1);
}

/* Opens what the run reads through and builds the export folder. */
static void LaufVorbereiten(EXPORT_SPEICHER* speicher, HWND dialog, const char* lieferantText,
                            const char* erweiterung, const char* infoText)
{
    EXPORT_LAUF* lauf = &speicher->Lauf;
    lauf->Dialog = dialog;
    lauf->Datei = -1;
    lauf->OffenerSatz = -1;
    lauf->InfoText = infoText;
    lauf->Puffer = speicher->Puffer;
    lauf->Tabelle = &speicher->Tabelle;
    lauf->Serientabelle = &speicher->Serientabelle;
    lauf->Eans = speicher->Eans;
    lauf->Merkmale = speicher->Merkmale;
    lauf->Codes = speicher->Codes;
    lauf->Artikelspeicher = ARTLIB_OeffneDatenbank();
    lauf->Bezeichnungsspeicher = BEZLIB_OeffneDatenbank();
    lauf->Lieferantenspeicher = LieferantenDBA_OpenDBA();

    char ordner[260];
    EdiOrdnerAnlegen(ordner, sizeof ordner, HostDatenText(HD_HOSTVERZEICHNIS), "EDI_EXPORT", dialog);
    lauf->OrdnerFehlt = FileIO_PathExist(ordner) != 1;
    ExportOrdnerErmitteln(lauf->Ordner, sizeof lauf->Ordner, 1);
    KennungBilden(lauf);
    VergesseneArbeitsdateien(lauf->Ordner);
    char zusatz[260];
    if (ZusatzinfoPfad(zusatz, sizeof zusatz, lauf->Ordner, "", "", 0))
        VergesseneArbeitsdateien(zusatz);

    TextKopieren(lauf->LieferantText, sizeof lauf->LieferantText, lieferantText);
    lauf->AlleLieferanten = lauf->LieferantText[0] == '\0';
    if (!lauf->AlleLieferanten)
        lauf->LieferantGesucht = NummerZumCode(lauf, 8, lauf->LieferantText);
    TextKopieren(lauf->Erweiterung, sizeof lauf->Erweiterung, erweiterung);
}

/* Steps 2 and 3: the entries of the list, 0 through the count the host
 * reports (the entry at the count is empty). */
static void EintraegeExportieren(EXPORT_LAUF* lauf, const HOST_EXPORTLISTE* liste)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t anzahl = (liste != nullptr && liste->Eintrag != nullptr && liste->Anzahl > 0) ? liste->Anzahl : 0;
    int32_t eigeneIln = EDI_ErmittleEigeneILN(lauf->EigeneIln);
    if (k->ExportModus != 0 && !(k->ExportModus == 1 && eigeneIln == 1))
        return;
    for (int32_t i = 0; anzahl > 0 && i <= anzahl; i++) {
        if (i % 100 == 0)
            FortschrittZeigen(lauf, anzahl < 100 ? i * 100 / anzahl : i / (anzahl / 100));
        const HOST_EXPORTEINTRAG* eintrag = &liste->Eintrag[i];
        if (eintrag->ArtikelNummer == 0)
            continue;
        char schluessel[OX_TXT_32];
        FeldKopieren(eintrag->LieferantSchluessel, sizeof eintrag->LieferantSchluessel, schluessel, sizeof schluessel);
        /* The list mostly repeats a key from one entry to the next (the
         * empty key, as the run starts with, has no number). */
        if (strcmp(schluessel, lauf->ListenSchluessel) != 0) {
            TextKopieren(lauf->ListenSchluessel, sizeof lauf->ListenSchluessel, schluessel);
            lauf->ListenNummer = NummerZumCode(lauf, 8, schluessel);
        }
        int32_t nummer = lauf->ListenNummer;
        if (!GehoertDazu(lauf, schluessel, nummer))
            continue;
        if (ARTLIB_ReadArtikel(lauf->Artikelspeicher, eintrag->ArtikelNummer, &lauf->Artikel) != 1)
            continue;
        if (lauf->Artikel.Pflegekennzeichen == 0 && k->PflegekennzeichenBeruecksichtigen)
            continue;
        if (lauf->OffenerSatz < 0 || strcmp(schluessel, lauf->Schluessel) != 0) {
            TextKopieren(lauf->Schluessel, sizeof lauf->Schluessel, schluessel);
            lauf->LieferantNummer = nummer;
            LieferantVorbereiten(lauf);
            VorlageBilden(lauf);
            KatalogOeffnen(lauf);
        } else {
            VorlageBilden(lauf);
        }
        ArtikelSchreiben(lauf);
    }
    if (anzahl > 0)
        FortschrittZeigen(lauf, 100);
}

int32_t PricatExportieren(HWND dialog, const char* lieferantText, const char* erweiterung, const char* infoText)
{
    EDI_KONTEXT* k = g_Kontext;
    int32_t ergebnis = 0;
    const HOST_EXPORTLISTE* liste = nullptr;
    EXPORT_SPEICHER* speicher = nullptr;
    EXPORT_LAUF* lauf = nullptr;
    if (k != nullptr) {
        liste = k->HostFunktion17 ? k->HostFunktion17(0) : nullptr;
        speicher = (EXPORT_SPEICHER*)Storage_Allocate((int32_t)sizeof(EXPORT_SPEICHER));
    }
    if (speicher != nullptr) {
        lauf = &speicher->Lauf;
        LaufVorbereiten(speicher, dialog, lieferantText, erweiterung, infoText);
        EintraegeExportieren(lauf, liste);
        /* Step 4: each set gets its names, or stays as it was. */
        DateienUebernehmen(lauf);
        ZusatzinfosMerken(lauf);
        ergebnis = lauf->Geschrieben > 0 ? 1 : 0;
        FehlerMelden(lauf);
    }
    LaufFreigeben(lauf);
    if (k != nullptr && k->HostFunktion18 != nullptr)
        k->HostFunktion18(0);
    return ergebnis;
}
