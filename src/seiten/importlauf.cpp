/*
 * importlauf.cpp - the import run of the "Importieren" page: it walks the
 * selected rows in table order, shows each beside its pending article,
 * stops where the settings or an unresolved characteristic demand it, and
 * otherwise has the row written. At the end the catalogue file may go to
 * the backup folder.
 */
#include "seiten/importseite_intern.h"
#include "grund/anzeige.h"

#include "engine/engine.h"
#include "engine/protokoll.h"
#include "kontext/einstellungen.h"
#include "kontext/kopfzeile.h"
#include "kontext/stringtabelle.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"
#include "hostapi/fileio.h"
#include "hostapi/oxinifile.h"
#include "partner/partner.h"
#include "pricat_in/katalog.h"
#include "pricechange/preisaenderung.h"
#include "resources/resource.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>

/* Rows a run passes without stopping are shown at most this often. */
enum { ANZEIGE_ABSTAND_MS = 500 };

static PRICAT_SATZ* SatzVon(PRICAT_DATEN* daten)
{
    return daten == nullptr ? nullptr : (PRICAT_SATZ*)((char*)daten - offsetof(PRICAT_SATZ, PricatDaten));
}

/* ---- the mapping status and the stop check ------------------------------ */

/* The stop at yellow: each kind keeps its own toggle, so a row with
 * several yellow kinds stops once and passes on the next "Zuweisen". */
static int GelbRegel(int32_t art)
{
    EDI_KONTEXT* k = g_Kontext;
    if (k->BeiGelbStoppen == 0 || art < 0 || art >= 12)
        return 0;
    int32_t& wechsel = k->ImportLauf.GelbWechsel[art];
    wechsel = !wechsel;
    return wechsel;
}

int MappingStatus(int32_t art)
{
    EDI_KONTEXT* k = g_Kontext;
    const char* stichwort = k->EdiWerte.Art[art].Text;
    int32_t v = k->DialogWerte.Art[art].Nummer;
    int32_t gelernt = GelerntesMerkmal(stichwort, art);
    int ergebnis;
    if (gelernt <= 0) {
        if (stichwort[0] == '\0' || stichwort[0] == ' ') {
            int32_t standard = k->ImportLauf.Standard[art];
            k->DialogWerte.Art[art].Status = standard > 0 ? STATUS_STANDARD : STATUS_OFFEN;
            ergebnis = standard > 0 ? 0 : 1;
        } else {
            k->DialogWerte.Art[art].Status = STATUS_OFFEN;
            ergebnis = 1;
        }
    } else if (v == gelernt && v == k->EdiWerte.Art[art].Nummer) {
        k->DialogWerte.Art[art].Status = STATUS_GELERNT;
        ergebnis = 0;
    } else {
        k->DialogWerte.Art[art].Status = STATUS_ABWEICHEND;
        ergebnis = GelbRegel(art);
    }
    return art == 0 ? 0 : ergebnis;
}

static int32_t StopPruefen(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
        DIALOG_WERTE& d = k->DialogWerte;
    const EDI_WERTE& e = k->EdiWerte;
    static const int32_t arten[] = { 0, 1, 2, 3, 4, 5, 6, 7, 9, 11 };
    int r = 0;
    for (int32_t art : arten)
        r |= MappingStatus(art);
    if (d.Ek1 == e.Ek1) d.GleichEk1 = 1;
    if (d.Ek2 == e.Ek2) d.GleichEk2 = 1;
    if (d.Vk1 == e.Vk1) d.GleichVk1 = 1;
    if (d.Vk2 == e.Vk2) d.GleichVk2 = 1;
    if (d.Mwst == e.Mwst || e.Mwst == -1) d.GleichMwst = 1;
    if (strcmp(d.Zusatztext, e.Zusatztext) == 0) d.GleichZusatztext = 1;
    if (strcmp(d.Farbtext, e.Farbtext) == 0) d.GleichFarbe = 1;
    int32_t grund = 0;
    if (k->StopBeiArtikelwechsel && k->ImportLauf.ArtikelGewechselt) {
        grund |= STOP_EINSTELLUNG;
        PostMessageA(seite, WM_COMMAND, 2024, 0);
    }
    if (k->StopBeiArtikelvariation && k->ImportLauf.VariationsStop == 0) {
        k->ImportLauf.VariationsStop = 1;
        grund |= STOP_EINSTELLUNG;
        PostMessageA(seite, WM_COMMAND, 2025, 0);
    }
    if (r != 0)
        grund |= STOP_FELD;
    return grund;
}

void StopAnzeigen(HWND seite, int id)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    KontrollkaestchenBlinken(seite, id);
    if (id == IDC_IP_STOP_WECHSEL)
        l.AngehaltenWechsel = 1;
    else
        l.AngehaltenVariation = 1;
    SeiteNeuZeichnen(seite);
}

/* ---- rows --------------------------------------------------------------- */

static PRICAT_SATZ* NaechsteZeile(int32_t modus, int erste)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    if ((modus & LAUF_START) || ((modus & LAUF_WEITER) && !erste)) {
        PRICAT_SATZ* zeile = SatzVon(NaechsterPricatSatz());
        if (zeile == nullptr)
            return nullptr;
        l.Zaehler++;
        l.VariationsStop = 0;
        return zeile;
    }
    if ((modus & LAUF_WEITER) && erste)
        return k->AktuelleZeile;
    return nullptr;
}

/* The table kinds of article `artikel` into 1074/1075, once per article. */
static void TabellenmerkmaleLaden(HWND seite, int32_t artikel)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    if (artikel <= 0 || artikel == l.TabellenmerkmaleVon)
        return;
    l.TabellenmerkmaleVon = artikel;
    static OXTABELLE tabelle;
    if (k->HostFunktion04 != nullptr && k->HostFunktion04(artikel, &tabelle, nullptr) != 0) {
        TabellenmerkmalWaehlen(seite, IDC_IP_SENKRECHT, tabelle.MerkmalSenkrecht);
        TabellenmerkmalWaehlen(seite, IDC_IP_WAAGRECHT, tabelle.MerkmalWaagrecht);
    }
}

static void TabelleLeeren(void)
{
    TAB_ClearTabelle(&g_Kontext->DialogWerte.Tabelle, 0);
}

static void ZeileSchreiben(HWND seite, int32_t nummer, PRICAT_SATZ* zeile)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    MappingsLernen(seite, nummer, 1);
    l.Aenderungen &= ~IMPORT_AENDERUNG;
    LaufknoepfeFreigeben(seite, 1);
    if (k->AktuelleArtikelNummer == 0) {
        if (!(l.NurGemappte == 1 && GelernterArtikelDerZeile(zeile) <= 0)) {
            ArtikelAnlegen(1);
            if (k->TabellenLoeschen == 1 && !l.ArtikelGefunden && k->AktuelleArtikelNummer > 0) {
                TabellenMarkieren(k->AktuelleArtikelNummer);
                TabelleLeeren();
            }
            if (k->AktuelleArtikelNummer > 0)
                l.ArtikelGefunden = 1;
            MappingsLernen(seite, k->AktuelleArtikelNummer, 1);
            TabellenmerkmaleLaden(seite, k->AktuelleArtikelNummer);
            TabelleFuerZeileBauen(zeile, k->AktuelleArtikelNummer);
        }
    } else {
        TabellenmerkmaleLaden(seite, k->AktuelleArtikelNummer);
        TabelleFuerZeileBauen(zeile, k->AktuelleArtikelNummer);
        ArtikelAnlegen(0);
    }
    char ean[14] = "";
    TextKopieren(ean, sizeof ean, zeile->PricatDaten.Ean);
    if (strlen(ean) == 13 && k->AktuelleArtikelNummer > 0)
        ArtikelPerEanSetzen(EanZuordnen(ean, k->AktuelleArtikelNummer));
}

/* What "Zuweisen" will do with the row the run stands at, in the window's
 * hint line: the article it writes into, or the new article it makes, or
 * why the row cannot be written. */
static void ZuweisenHinweis(HWND seite)
{
    (void)seite;
    EDI_KONTEXT* k = g_Kontext;
    const IMPORT_LAUF& l = k->ImportLauf;
    char format[256] = "", text[400] = "";
    if (l.StopGrund & STOP_AUSLAUF) {
        char ean[14] = "";
        if (k->AktuelleZeile != nullptr)
            TextKopieren(ean, sizeof ean, k->AktuelleZeile->PricatDaten.Ean);
        StringLaden(IDS_HINWEIS_AUSLAUF_UNBEKANNT, format, sizeof format);
        snprintf(text, sizeof text, format, (long)(k->AktuelleZeile != nullptr ? k->AktuelleZeile->SatzNummer + 1 : 0),
                 ean);
    } else {
        char vorweg[200] = "";
        if (l.StopGrund & STOP_ABSTIMMUNG)
            StringLaden(IDS_HINWEIS_ABSTIMMUNG, vorweg, sizeof vorweg);
        /* Without an article number the row's article name decides: a name
         * the host knows is written into that article, else a new one. */
        int32_t nummer = k->AktuelleArtikelNummer;
        char name[DBA_ARTIKELNAME] = "";
        ArtikelnameBilden(name, sizeof name, k->DialogWerte.Art[0].Bezeichnung);
        if (nummer <= 0 && k->HostFunktion02 != nullptr && name[0] != '\0')
            nummer = k->HostFunktion02(0, name);
        char wirkung[300] = "";
        if (nummer > 0) {
            StringLaden(IDS_HINWEIS_ARTIKEL, format, sizeof format);
            snprintf(wirkung, sizeof wirkung, format, k->DialogWerte.Art[0].Bezeichnung, (long)nummer);
        } else {
            StringLaden(IDS_HINWEIS_NEUER_ARTIKEL, format, sizeof format);
            snprintf(wirkung, sizeof wirkung, format, name);
        }
        snprintf(text, sizeof text, "%s%s", vorweg, wirkung);
    }
    HinweisAnzeigen(text);
}

/* A discontinued row: its article marked "A". 1 = marked. */
static int AuslaufZeile(HWND seite, PRICAT_SATZ* zeile)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    char ean[14] = "";
    TextKopieren(ean, sizeof ean, zeile->PricatDaten.Ean);
    int32_t muster = 0;
    int32_t nummer = EANDATA_GetArtikelNummer(ean, &muster);
    ArtikelAnzeigen(nummer);
    if (nummer <= 0)
        return 0;
    ArtikelPerEanSetzen(1);
    ARTIKEL_SATZ a;
    memset(&a, 0, sizeof a);
    if (k->ArtikelHandle <= 0 || ARTLIB_ReadArtikel(k->ArtikelHandle, nummer, &a) != 1)
        return 0;
    a.Kennzeichen = 'A';
    ARTLIB_WriteArtikel(k->ArtikelHandle, nummer, &a);
    ProtokollZeile(-1, IDS_PROT_AUSLAUF, (long)nummer, (long)(zeile->SatzNummer + 1));
    l.Aenderungen &= ~IMPORT_AENDERUNG;
    LaufknoepfeFreigeben(seite, 1);
    return 1;
}

/* The change record of the article just written handed on once. */
static void AenderungWeitergeben(void)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    const EDIAENDERUNG_SATZ& a = k->AenderungSatz;
    if (l.LetzteAenderungGesetzt && memcmp(&a, &l.LetzteAenderung, sizeof a) == 0)
        return;
    if (a.Ek1 != 0 || a.Ek2 != 0 || a.Preis3 != 0 || a.Vk1 != 0 || a.Vk2 != 0 || a.Preis6 != 0 ||
        (a.EtikettenArt >= 0 && a.EtikettenArt <= 5))
        AenderungAnhaengen();
    l.LetzteAenderung = a;
    l.LetzteAenderungGesetzt = 1;
}

/*
 * Moves the chosen catalogue file into the backup folder. The original is
 * deleted only when its copy there is complete (same size); a failed copy
 * leaves the original where it was, and a file of the same name in the
 * backup folder is replaced only by a complete copy (the copy goes to a
 * working name first).
 */
int KatalogSichern(const char* quelle, const char* sicherungsOrdner)
{
    char ordner[260] = "", name[260] = "";
    INI_SeparateFile(quelle, ordner, (int32_t)sizeof ordner, name, (int32_t)sizeof name);
    char ziel[520] = "", arbeit[530] = "";
    if (name[0] == '\0' || TextFormat(ziel, sizeof ziel, "%s%s", sicherungsOrdner, name) != 1 ||
        TextFormat(arbeit, sizeof arbeit, "%s.KOPIE", ziel) != 1 || strlen(arbeit) >= 260)
        return 0;
    FileIO_PathCreate(sicherungsOrdner);
    HOSTHANDLE q = FileIO_OpenROS(quelle);
    if (q <= 0)
        return 0;
    int32_t groesse = FileIO_GetSize(q);
    FileIO_Close(q);
    FileIO_DeleteFile(arbeit);
    if (groesse < 0 || FileIO_CopyFile(quelle, arbeit, 0) != 1)
        return 0;
    HOSTHANDLE a = FileIO_OpenROS(arbeit);
    int32_t kopie = a > 0 ? FileIO_GetSize(a) : -1;
    if (a > 0)
        FileIO_Close(a);
    if (kopie != groesse) {
        FileIO_DeleteFile(arbeit);
        return 0;
    }
    if (FileIO_Exist(ziel))
        FileIO_DeleteFile(ziel);
    if (FileIO_MoveFile(arbeit, ziel) != 1) {
        FileIO_DeleteFile(arbeit);
        return 0;
    }
    FileIO_DeleteFile(quelle);
    return 1;
}

static void LaufEnde(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    char text[256] = "";
    StringLaden(IDS_IN_SICHERUNG_VERSCHIEBEN, text, sizeof text);
    if (MessageBoxA(seite, text, "ORDANEX", MB_YESNO) == IDYES) {
        char sicherung[260] = "";
        EDILieferung_HoleSicherungsPfad(sicherung, HostDatenText(HD_HOSTVERZEICHNIS));
        KatalogSichern(k->AusgewaehlteDatei, sicherung);
    }
    k->AktuelleArtikelNummer = 0;
    LaufknoepfeFreigeben(seite, 0);
    SeiteLeeren(seite);
    EingabenFreigeben(seite, 0);
}

/* The page made ready for a new row: with `leeren` the host-side slots are
 * emptied and the chosen supplier goes into kind 8. */
static void ZeileVorbereiten(HWND seite, int leeren)
{
    EDI_KONTEXT* k = g_Kontext;
    if (!leeren)
        return;
    IMPORT_OXOUT& o = k->OxOut;
    o.ArtikelText[0] = '\0';
    for (int art = 0; art < SEITE_ARTEN; art++) {
        o.Code[art][0] = '\0';
        o.Bezeichnung[art][0] = '\0';
    }
    o.Farbtext[0] = o.Zusatztext[0] = o.Kennung[0] = '\0';
    OXGLOBAL_DLGHELP_MerkmalToDialogOxOut(seite, 8, k->AktuellerLieferant, ImportOxOutBindung);
}

/* ---- the run ------------------------------------------------------------ */

static void Lauf(HWND seite, int32_t gewaehlt, int32_t modus)
{
    EDI_KONTEXT* k = g_Kontext;
        IMPORT_LAUF& l = k->ImportLauf;
    l.StopGrund = 0;
    l.LaufAktiv = 1;
    l.AnzeigeRuht = 0;
    l.AuffrischenOffen = 0;
    k->MwstMerkProzent = 0;
    l.MwstWerteBekannt = 0;
    int ende = 0;
    if (modus & LAUF_START) {
        ArtikelPerEanSetzen(0);
        l.GewaehltFuer = nullptr;
        l.AbstimmungFuer = nullptr;
        if (!ErsterPricatSatz()) {
            InvalidateRect(seite, nullptr, TRUE);
            return;
        }
        ProtokollBeginnen(k->AusgewaehlteDatei);
    }
    l.NurGemappte = Berechnung_GetNurGemappte();
    int erste = 1, erstGezeigt = 1;
    MSG nachricht;
    for (;;) {
        PRICAT_SATZ* zeile = NaechsteZeile(modus, erste);
        erste = 0;
        if (zeile == nullptr) {
            ende = 1;
            break;
        }
        int gewechselt = k->AktuelleZeile == nullptr ||
                         strncmp(zeile->PricatDaten.Artikel, k->AktuelleZeile->PricatDaten.Artikel,
                                 sizeof zeile->PricatDaten.Artikel) != 0;
        l.ArtikelGewechselt = gewechselt;
        if (gewechselt) {
            /* Changes the user made at a row of another article that was
             * passed over unwritten belong to that article, not to this one. */
            if (k->AktuelleZeile != nullptr)
                l.Aenderungen &= ~IMPORT_AENDERUNG;
            l.ArtikelGefunden = 0;
            ArtikelPerEanSetzen(0);
            k->DialogWerte.Art[0].Bezeichnung[0] = '\0';
        }
        int32_t m = 0;
        if (l.NurGemappte == 1 && !gewechselt)
            m = GelernterArtikelDerZeile(zeile);
        if (!gewechselt && ((modus & LAUF_UEBERSPRINGEN) || (l.NurGemappte == 1 && m == 0))) {
            ProtokollZeile(PROT_UEBERGANGEN, (modus & LAUF_UEBERSPRINGEN) ? IDS_PROT_UEBERSPRUNGEN : IDS_PROT_NURGEMAPPT,
                           (long)(zeile->SatzNummer + 1));
            continue;
        }
        modus &= ~LAUF_UEBERSPRINGEN;
        k->AktuelleZeile = zeile;
        /* the EAN flag tells of this row's EAN only */
        k->EanZugeordnet = 0;
        int auslauf = EDIPRICAT_HolePRICAT_NachrichtenfunktionsID(zeile->PricatDaten.Nachrichtenfunktion) ==
                      EDI_NACHRICHTENFUNKTION_AUSLAUF;
        /* A row that may ask the person (discontinued), the first row and a
         * row every half second are shown as they come; the others
         * when the run stops or asks (a run writes thousands of rows a
         * second: showing each would cost more than writing it). */
        DWORD jetzt = GetTickCount();
        int zeigen = auslauf || erstGezeigt || jetzt - l.ZuletztGezeigt >= ANZEIGE_ABSTAND_MS;
        erstGezeigt = 0;
        if (zeigen)
            l.ZuletztGezeigt = jetzt;
        l.AnzeigeRuht = !zeigen;
        if (!l.AnzeigeRuht && l.AuffrischenOffen)
            SeiteAuffrischen(seite);
        ZeilenNummerZeigen(seite);
        KatalogwerteLaden(zeile);
        TabelleLeeren();
        if (auslauf) {
            if (AuslaufZeile(seite, zeile) == 1)
                continue;
            /* The run stands at the row, shown with nothing pending: "Zuweisen"
             * has no article to write it into; the person passes it over. */
            k->AktuelleArtikelNummer = 0;
            memset(&k->DialogWerte, 0, sizeof k->DialogWerte);
            ZeileVorbereiten(seite, 1);
            KatalogwerteZeigen(seite);
            SeiteAuffrischen(seite);
            EingabenFreigeben(seite, 1);
            LaufknoepfeFreigeben(seite, 1);
            l.StopGrund = STOP_AUSLAUF;
            char ean[14] = "";
            TextKopieren(ean, sizeof ean, zeile->PricatDaten.Ean);
            ProtokollZeile(-1, IDS_PROT_AUSLAUF_UNBEKANNT, (long)(zeile->SatzNummer + 1), ean);
            ProtokollSchreiben();
            ZuweisenHinweis(seite);
            ZaehlerImportiertAnzeigen(l.Zaehler - 1);
            break;
        }
        ZeileVorbereiten(seite, (modus & LAUF_START) || gewechselt ? !gewaehlt : 0);
        EingabenFreigeben(seite, 1);
        LaufknoepfeFreigeben(seite, 1);
        KatalogwerteZeigen(seite);
        int gewaehltHier = gewaehlt != 0 || (l.GewaehltFuer == zeile && l.GewaehlterArtikel > 0);
        k->AktuelleArtikelNummer = ArtikelIdentifizieren(seite, &gewaehlt, zeile);
        int abgebrochen = 0;
        if (HostDatenInt(HD_IMPORTSCHALTER) != 0 && !gewaehltHier) {
            /* The person answers the assignment dialog once per row. */
            if (l.AbstimmungFuer == zeile) {
                k->AktuelleArtikelNummer = l.AbstimmungErgebnis;
            } else {
                l.AbstimmungGefragt = 0;
                k->AktuelleArtikelNummer = ArtikelAbstimmen(seite, k->AktuelleArtikelNummer);
                l.AbstimmungFuer = zeile;
                l.AbstimmungErgebnis = k->AktuelleArtikelNummer;
                abgebrochen = l.AbstimmungGefragt && k->AktuelleArtikelNummer <= 0;
            }
        }
        ArtikelLaden(k->AktuelleArtikelNummer);
        KatalogwerteUebernehmen(zeile, k->AktuelleArtikelNummer, modus);
        ArtikelZeigen(seite);
        AutomatischeArtikelnummer(seite);
        l.StopGrund = StopPruefen(seite);
        if (abgebrochen)
            l.StopGrund |= STOP_ABSTIMMUNG;
        if (l.ArtikelGewechselt && k->TabellenLoeschen == 1 && k->AktuelleArtikelNummer > 0) {
            TabellenMarkieren(k->AktuelleArtikelNummer);
            TabelleLeeren();
        }
        if (l.StopGrund != 0) {
            SeiteAuffrischen(seite);
            MarkierungenFreigeben();
            memcpy(&k->DialogWerte.Tabelle, &k->DialogWerte.TabelleSicherung, sizeof k->DialogWerte.Tabelle);
            EingabenFreigeben(seite, 1);
            LaufknoepfeFreigeben(seite, 1);
            ZaehlerImportiertAnzeigen(l.Zaehler - 1);
            ProtokollSchreiben();
            ZuweisenHinweis(seite);
            break;
        }
        if (!l.ArtikelGefunden && k->AktuelleArtikelNummer > 0)
            l.ArtikelGefunden = 1;
        MarkierungenVerwerfen();
        if (k->AktuelleArtikelNummer == 0)
            l.OhneNummer = 1;
        ZeileSchreiben(seite, k->AktuelleArtikelNummer, zeile);
        AenderungWeitergeben();
        /* Long runs keep the window alive: the counter and pending paints
         * are let through with every shown row. */
        if (zeigen) {
            ZaehlerImportiertAnzeigen(l.Zaehler);
            while (PeekMessageA(&nachricht, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
                DispatchMessageA(&nachricht);
        }
    }
    KatalogAnzeigeNachholen(seite);
    if (k->EanDateiHandle > 0) {
        EANARTIKEL_CloseFile(k->EanDateiHandle);
        k->EanDateiHandle = 0;
    }
    if (l.OhneNummer && k->HostFunktion16 != nullptr)
        k->HostFunktion16(0);
    l.OhneNummer = 0;
    SeiteAuffrischen(seite);
    if (ende) {
        ZaehlerImportiertAnzeigen(l.Zaehler);
        ProtokollBeenden(0, l.Zaehler);
        LaufEnde(seite);
    }
    InvalidateRect(seite, nullptr, TRUE);
}

static void GehalteneZeileSchreiben(HWND seite)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    if (l.StopGrund == 0 || l.StopGrund == STOP_EINSTELLUNG) {
        TabelleFuerZeileBauen(k->AktuelleZeile, k->AktuelleArtikelNummer);
        ArtikelAnlegen(k->AktuelleArtikelNummer == 0 ? 1 : 0);
        SeiteNeuZeichnen(seite);
    }
}

void LaufBefehl(HWND seite, int id, int32_t gewaehlt)
{
    EDI_KONTEXT* k = g_Kontext;
    IMPORT_LAUF& l = k->ImportLauf;
    void* vorher = AnzeigeSanduhr();
    char text[64] = "";
    StringLaden(IDS_ZUWEISEN, text, sizeof text);
    SetDlgItemTextA(seite, IDC_IP_ZUWEISEN, text);
    l.AngehaltenWechsel = 0;
    l.AngehaltenVariation = 0;
    HinweisAnzeigen(nullptr);
    /* A row the run stands at because it has no article to go to (a
     * discontinued row of an unknown EAN) or because the assignment was
     * cancelled is not written into the article shown before. */
    int schreibbar = (l.StopGrund & (STOP_AUSLAUF | STOP_ABSTIMMUNG)) == 0;
    if (l.LaufAktiv && id != IDC_IP_UEBERSPRINGEN && k->AktuelleZeile != nullptr && schreibbar) {
        int nurGemappte = Berechnung_GetNurGemappte();
        if (!(nurGemappte == 1 && GelernterArtikelDerZeile(k->AktuelleZeile) <= 0)) {
            GehalteneZeileSchreiben(seite);
            if (k->AktuelleArtikelNummer > 0 && k->TabellenLoeschen == 1 && (l.ArtikelGewechselt || !l.ArtikelGefunden)) {
                TabellenMarkieren(k->AktuelleArtikelNummer);
                TabelleLeeren();
            }
            TabellenmerkmaleLaden(seite, k->AktuelleArtikelNummer);
            GehalteneZeileSchreiben(seite);
            MappingsLernen(seite, k->AktuelleArtikelNummer, 0);
        }
    }
    EingabenFreigeben(seite, 1);
    LaufknoepfeFreigeben(seite, 1);
    int32_t modus = LAUF_START;
    if (l.LaufAktiv)
        modus = id == IDC_IP_UEBERSPRINGEN ? (LAUF_WEITER | LAUF_UEBERSPRINGEN) : LAUF_WEITER;
    Lauf(seite, gewaehlt, modus);
    PreisfelderFreigeben(seite);
    SeiteNeuZeichnen(seite);
    AnzeigeCursorZurueck(vorher);
}
