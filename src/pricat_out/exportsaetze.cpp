/*
 * exportsaetze.cpp - the records of an export run.
 *
 * For each article the run builds a record template (supplier, article,
 * characteristics, prices, VAT), then writes one record per cell of the
 * article's size/colour table, or one record when the article has no
 * table.
 *
 * The work per record is kept small: the texts of an article's axis
 * entries are made once per article, a cell sets only the fields that
 * differ from the cell before (a field is read up to its terminator, so
 * what stands behind it does not matter), the EAN of a cell is found by
 * comparing small numbers, and the record is enciphered straight into the
 * write buffer.
 */
#include "pricat_out/exportlauf.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "hostapi/oxglobdlg.h"

#include <string.h>

/* The field of PRICAT_DATEN for a characteristic kind, with its size; null
 * for kinds without a field. */
static char* MerkmalFeld(PRICAT_DATEN* d, int32_t art, size_t* groesse)
{
    char* feld = nullptr;
    switch (art) {
    case 1: feld = d->Hauptgruppe; *groesse = sizeof d->Hauptgruppe; break;
    case 2: feld = d->Warengruppe; *groesse = sizeof d->Warengruppe; break;
    case 3: feld = d->Serie; *groesse = sizeof d->Serie; break;
    case 4: feld = d->Label; *groesse = sizeof d->Label; break;
    case 5: feld = d->Material; *groesse = sizeof d->Material; break;
    case 6: feld = d->BleFarbe; *groesse = sizeof d->BleFarbe; break;
    case 7: feld = d->Merkmal7; *groesse = sizeof d->Merkmal7; break;
    case 11: feld = d->Saison; *groesse = sizeof d->Saison; break;
    default: *groesse = 0; break;
    }
    return feld;
}

/* `wert` in decimal into `text` (12 bytes or more); returns the length. */
static int32_t ZahlText(char* text, int32_t wert)
{
    char ziffern[12];
    int32_t n = 0;
    uint32_t betrag = wert < 0 ? 0u - (uint32_t)wert : (uint32_t)wert;
    do {
        ziffern[n++] = (char)('0' + betrag % 10);
        betrag /= 10;
    } while (betrag != 0);
    int32_t laenge = 0;
    if (wert < 0)
        text[laenge++] = '-';
    while (n > 0)
        text[laenge++] = ziffern[--n];
    text[laenge] = '\0';
    return laenge;
}

static void ZahlSetzen(char* feld, size_t groesse, int32_t wert)
{
    char text[12];
    ZahlText(text, wert);
    TextKopieren(feld, groesse, text);
}

/* Header and supplier part of the template for the supplier of the current
 * article. */
void LieferantVorbereiten(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    memset(&lauf->LieferantMerkmal, 0, sizeof lauf->LieferantMerkmal);
    memset(&lauf->Lieferant, 0, sizeof lauf->Lieferant);
    lauf->LieferantGefunden = lauf->LieferantNummer > 0 && k->HostFunktion15 != nullptr &&
                              k->HostFunktion15(8, lauf->LieferantNummer, &lauf->LieferantMerkmal) == 1;
    if (lauf->LieferantNummer > 0 && lauf->Lieferantenspeicher > 0)
        LieferantenDBA_ReadRecord(lauf->Lieferantenspeicher, lauf->LieferantNummer, &lauf->Lieferant);

    memset(&lauf->Kopf, 0, sizeof lauf->Kopf);
    TextKopieren(lauf->Kopf.Kennung, sizeof lauf->Kopf.Kennung, "BTEPRI");
    TextKopieren(lauf->Kopf.Nachricht, sizeof lauf->Kopf.Nachricht, "PRICAT");
    TextKopieren(lauf->Kopf.AbsenderIln, sizeof lauf->Kopf.AbsenderIln, lauf->EigeneIln);
    if (k->ExportModus == 1)
        TextAnhaengen(lauf->Kopf.AbsenderIln, sizeof lauf->Kopf.AbsenderIln, "XXX");
    if (TextLaenge(lauf->Lieferant.Iln[0], OX_TXT_ILN) == 13)
        FeldKopieren(lauf->Lieferant.Iln[0], OX_TXT_ILN, lauf->Kopf.PartnerIln, sizeof lauf->Kopf.PartnerIln);

    /* The supplier's fields of the records. */
    lauf->LieferantFeld[0] = '\0';
    if (lauf->LieferantGefunden) {
        char code[OX_TXT_CODE], name[OX_TXT_25];
        FeldKopieren(lauf->LieferantMerkmal.Code, sizeof lauf->LieferantMerkmal.Code, code, sizeof code);
        FeldKopieren(lauf->LieferantMerkmal.Text, sizeof lauf->LieferantMerkmal.Text, name, sizeof name);
        if (k->BleExport)
            TextFormat(lauf->LieferantFeld, sizeof lauf->LieferantFeld, "%s@%s", code, name);
        else
            TextKopieren(lauf->LieferantFeld, sizeof lauf->LieferantFeld, name);
    }
    lauf->LieferantIln[0] = '\0';
    if (TextLaenge(lauf->Lieferant.Iln[0], OX_TXT_ILN) == 13)
        FeldKopieren(lauf->Lieferant.Iln[0], OX_TXT_ILN, lauf->LieferantIln, sizeof lauf->LieferantIln);
}

/* The record template of the current article, in lauf->Satz: the records
 * of the article start from it. */
void VorlageBilden(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    PRICAT_DATEN* d = &lauf->Satz;
    const ARTIKEL_SATZ* a = &lauf->Artikel;
    memset(d, 0, sizeof *d);
    TextKopieren(d->Nachrichtentyp, sizeof d->Nachrichtentyp, "PRICAT");
    TextKopieren(d->Nachrichtenfunktion, sizeof d->Nachrichtenfunktion, "02");
    TextKopieren(d->Lieferant, sizeof d->Lieferant, lauf->LieferantFeld);
    TextKopieren(d->LieferantenIln, sizeof d->LieferantenIln, lauf->LieferantIln);

    /* The article's text: its host record (kind 0), else its long text. */
    MERKMAL_SATZ satz;
    memset(&satz, 0, sizeof satz);
    if (k->HostFunktion15 != nullptr && k->HostFunktion15(0, a->ArtikelNummer, &satz) == 1)
        FeldKopieren(satz.Text, sizeof satz.Text, lauf->ArtikelText, sizeof lauf->ArtikelText);
    else
        FeldKopieren(a->Text, sizeof a->Text, lauf->ArtikelText, sizeof lauf->ArtikelText);
    if (k->BleExport) {
        /* letter (blank for none), number, "@", text */
        char text[1 + 12 + 1 + OX_TXT_32];
        text[0] = a->Kennzeichen != '\0' ? a->Kennzeichen : ' ';
        int32_t n = 1 + ZahlText(text + 1, a->ArtikelNummer);
        text[n++] = '@';
        TextKopieren(text + n, sizeof text - (size_t)n, lauf->ArtikelText);
        TextKopieren(d->Artikel, sizeof d->Artikel, text);
    } else
        TextKopieren(d->Artikel, sizeof d->Artikel, lauf->ArtikelText);
    FeldKopieren(a->Zusatztext, sizeof a->Zusatztext, d->Zusatztext, sizeof d->Zusatztext);
    ZahlSetzen(d->Preis1, sizeof d->Preis1, a->Ek1);
    ZahlSetzen(d->Preis2, sizeof d->Preis2, a->Vk1);
    ZahlSetzen(d->Preis3, sizeof d->Preis3, a->Vk2);

    static const int32_t arten[8] = { 1, 2, 3, 4, 5, 6, 7, 11 };
    for (int i = 0; i < 8; i++) {
        int32_t art = arten[i];
        size_t groesse = 0;
        char* feld = MerkmalFeld(d, art, &groesse);
        char code[OX_TXT_CODE];
        FeldKopieren(a->Codes[ArtikelCodeIndex(art)], OX_TXT_CODE, code, sizeof code);
        int32_t nummer = 0;
        EXPORT_CODE* c = CodeNachschlagen(lauf, art, code, &nummer);
        if (nummer <= 0)
            continue;
        /* The code's entry remembers the record once it is known. */
        if (c != nullptr && c->Merkmal != nullptr) {
            if (c->Merkmal->Gefunden)
                MerkmalInsFeld(c->Merkmal, feld, groesse);
            continue;
        }
        EXPORT_MERKMAL ersatz;
        ersatz.Belegt = 0;
        const EXPORT_MERKMAL* m = MerkmalEintrag(lauf, art, nummer, &ersatz);
        if (m == nullptr)
            continue;
        if (c != nullptr && m != &ersatz)
            c->Merkmal = m;
        if (m->Gefunden)
            MerkmalInsFeld(m, feld, groesse);
    }
    ZahlSetzen(d->MwstSatz, sizeof d->MwstSatz, MwstProzent(lauf, a->MwstSatz));
    lauf->SatzZugelassen = TextLaenge(d->LieferantenIln, OX_TXT_ILN) == 13 || !k->PflegekennzeichenBeruecksichtigen;
}

/* Writes the record in lauf->Satz when the rules let it out: enciphered
 * straight into the write buffer, which always has room for a line. */
static void SatzAusgeben(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    if (!lauf->SatzZugelassen || lauf->Datei == -1)
        return;
    if (SCHREIBPUFFER - lauf->Fuellung < EDI_SATZ_GROESSE)
        PufferLeeren(lauf);
    int32_t laenge = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(lauf->Puffer + lauf->Fuellung, &lauf->Satz,
                                                                    k->ExportModus, lauf->EigeneIln);
    if (laenge <= 0 || laenge >= EDI_SATZ_GROESSE) {
        /* A record the host cannot build leaves the catalogue incomplete. */
        KatalogFehlschlag(lauf);
        return;
    }
    lauf->Fuellung += laenge;
    lauf->Saetze[lauf->OffenerSatz].Geschrieben++;
}

static void OhneTabelleSchreiben(EXPORT_LAUF* lauf)
{
    char codes[9][OX_TXT_CODE];
    memset(codes, 0, sizeof codes);
    EanSuchen(lauf, codes, lauf->Satz.Ean);
    SatzAusgeben(lauf);
}

/* A code field (OX_TXT_CODE bytes, up to its terminator or its width) as
 * a number, its bytes from the low end: equal codes give equal numbers,
 * the empty code 0. */
static uint64_t CodeSchluessel(const char* code)
{
    uint64_t schluessel = 0;
    for (int i = 0; i < OX_TXT_CODE && code[i] != '\0'; i++)
        schluessel |= (uint64_t)(unsigned char)code[i] << (8 * i);
    return schluessel;
}

/* The first used entry of an axis (indexes `belegt`, `anzahl` of them)
 * whose code is `schluessel`; -1 when none is. */
static int32_t KanonSuchen(const EXPORT_ACHSWERT* werte, const int32_t* belegt, int32_t anzahl, uint64_t schluessel)
{
    for (int32_t j = 0; j < anzahl; j++)
        if (werte[belegt[j]].CodeSchluessel == schluessel)
            return belegt[j];
    return -1;
}

/* Looks up the texts and codes of the used entries of one axis, with the
 * lengths of everything a cell copies, and lists the used entries. */
static void AchseNachschlagen(EXPORT_LAUF* lauf, int32_t art, const int32_t* nummern, int32_t anzahl,
                              int senkrecht)
{
    const OXTABELLE* t = lauf->Tabelle;
    EXPORT_ACHSWERT* werte = senkrecht ? lauf->Senkrecht : lauf->Waagrecht;
    int32_t* belegt = senkrecht ? lauf->SenkrechtBelegt : lauf->WaagrechtBelegt;
    int32_t n = 0;
    for (int32_t i = 0; i < anzahl; i++) {
        if (nummern[i] == 0)
            continue;
        EXPORT_ACHSWERT* a = &werte[i];
        /* Articles mostly share their axes: the entry may hold it already. */
        if (a->Art != art || a->Nummer != nummern[i]) {
            a->TextLaenge = MerkmalText(lauf, art, nummern[i], a->Text, sizeof a->Text, a->Code, &a->CodeLaenge);
            a->Art = art;
            a->Nummer = nummern[i];
            a->CodeSchluessel = CodeSchluessel(a->Code);
        }
        if (senkrecht) {
            TAB_PREISE preise;
            TAB_GetPreiseFromRow(t, i, &preise);
            a->PreisLaenge[0] = ZahlText(a->Preis[0], preise.Ek1);
            a->PreisLaenge[1] = ZahlText(a->Preis[1], preise.Vk1);
            a->PreisLaenge[2] = ZahlText(a->Preis[2], preise.Vk2);
        }
        /* A colour text goes into the records of a colour axis only. The
         * table keeps colour texts for horizontal entries alone: a
         * vertical colour axis has none (never the text of the horizontal
         * entry that happens to have the same index). */
        if (art == 6 && !senkrecht) {
            TAB_GetWaagrechtFarbText(t, i, a->Farbe);
            a->FarbeLaenge = (int32_t)TextLaenge(a->Farbe, sizeof a->Farbe);
        } else if (art == 6) {
            a->Farbe[0] = '\0';
            a->FarbeLaenge = 0;
        }
        a->Kanon = KanonSuchen(werte, belegt, n, a->CodeSchluessel);
        if (a->Kanon < 0)
            a->Kanon = i;
        belegt[n++] = i;
    }
    if (senkrecht)
        lauf->SenkrechtAnzahl = n;
    else
        lauf->WaagrechtAnzahl = n;
}

/* The first used entry of an axis whose code is the `art` code of EAN
 * entry `e`; -1 when none is, or the entry has no such code. */
static int32_t EanKanon(const EXPORT_EAN* e, int32_t art, const EXPORT_ACHSWERT* werte, const int32_t* belegt,
                        int32_t anzahl)
{
    if (art < 1 || art > 8)
        return -1;
    uint64_t schluessel = CodeSchluessel(e->Codes[art]);
    return schluessel == 0 ? -1 : KanonSuchen(werte, belegt, anzahl, schluessel);
}

/* Whether the cells' code of kind `art` from an axis entry takes part in
 * the EAN match: kinds 1 to 8, a code there, and (vertical) not the kind
 * of the horizontal axis, whose code takes the place. */
static int CodeZaehlt(int32_t art, const EXPORT_ACHSWERT* wert)
{
    return art >= 1 && art <= 8 && wert->CodeLaenge > 0;
}

/* The EAN of cell (s, w) among the article's EANs in memory into `ean`
 * (14 bytes, zeros when there is none): the first entry whose codes of the
 * axes' kinds are the cell's; see EanSuchen. */
static void EanDerZelle(const EXPORT_LAUF* lauf, int32_t artS, int32_t artW, int32_t s, int32_t w, char* ean)
{
    const EXPORT_ACHSWERT* senkrecht = &lauf->Senkrecht[s];
    const EXPORT_ACHSWERT* waagrecht = &lauf->Waagrecht[w];
    int pruefeS = artS != artW && CodeZaehlt(artS, senkrecht);
    int pruefeW = CodeZaehlt(artW, waagrecht);
    for (int32_t i = 0; i < lauf->EanAnzahl; i++) {
        const EXPORT_EAN* e = &lauf->Eans[i];
        if ((!pruefeS || e->KanonS == senkrecht->Kanon) && (!pruefeW || e->KanonW == waagrecht->Kanon)) {
            memcpy(ean, e->Ean, OX_TXT_ILN);
            return;
        }
    }
    memset(ean, 0, OX_TXT_ILN);
}

/* Copies a text of known length from a buffer of `quelle` bytes into a
 * field of `groesse` bytes, cut to the field, with its terminator. A short
 * text goes as one block of 16 or 32 bytes when both buffers hold that
 * much: what the block brings behind the terminator is never read. */
static void FeldText(char* feld, size_t groesse, const char* text, int32_t laenge, size_t quelle)
{
    size_t n = (size_t)laenge < groesse ? (size_t)laenge : groesse - 1;
    if (n < 16 && groesse >= 16 && quelle >= 16)
        memcpy(feld, text, 16);
    else if (n < 32 && groesse >= 32 && quelle >= 32)
        memcpy(feld, text, 32);
    else
        memcpy(feld, text, n);
    feld[n] = '\0';
}

/* The codes of cell (s, w) the way the store's EAN lookup takes them. */
static void ZellenCodes(const EXPORT_LAUF* lauf, int32_t artS, int32_t artW, int32_t s, int32_t w,
                        char codes[9][OX_TXT_CODE])
{
    memset(codes, 0, 9 * OX_TXT_CODE);
    if (artS >= 1 && artS <= 8)
        TextKopieren(codes[artS], OX_TXT_CODE, lauf->Senkrecht[s].Code);
    if (artW >= 1 && artW <= 8)
        TextKopieren(codes[artW], OX_TXT_CODE, lauf->Waagrecht[w].Code);
}

/* One record per cell of the article's table: every used vertical entry
 * with every used horizontal entry (only the first of an axis of kind 9).
 * The record starts as the article's template. A row sets the fields of
 * its vertical entry (characteristic, prices, colour text of a colour
 * axis), a cell those of its horizontal entry and the EAN; when both axes
 * are of one kind the horizontal entry's text is the one that stays. */
static void ZellenSchreiben(EXPORT_LAUF* lauf)
{
    const OXTABELLE* t = lauf->Tabelle;
    int32_t artS = TAB_MerkmalSenkrecht(t);
    int32_t artW = TAB_MerkmalWaagrecht(t);
    if (artS <= 0 || artW <= 0)
        return;
    AchseNachschlagen(lauf, artS, t->Senkrecht, TAB_MAX_SENKRECHT, 1);
    AchseNachschlagen(lauf, artW, t->Waagrecht, TAB_MAX_WAAGRECHT, 0);
    int eanImSpeicher = !lauf->EanUeberlauf;
    for (int32_t i = 0; eanImSpeicher && i < lauf->EanAnzahl; i++) {
        EXPORT_EAN* e = &lauf->Eans[i];
        e->KanonS = EanKanon(e, artS, lauf->Senkrecht, lauf->SenkrechtBelegt, lauf->SenkrechtAnzahl);
        e->KanonW = EanKanon(e, artW, lauf->Waagrecht, lauf->WaagrechtBelegt, lauf->WaagrechtAnzahl);
    }
    PRICAT_DATEN* d = &lauf->Satz;
    size_t groesseS = 0, groesseW = 0;
    char* feldS = MerkmalFeld(d, artS, &groesseS);
    char* feldW = MerkmalFeld(d, artW, &groesseW);
    for (int32_t si = 0; si < lauf->SenkrechtAnzahl; si++) {
        int32_t s = lauf->SenkrechtBelegt[si];
        const EXPORT_ACHSWERT* senkrecht = &lauf->Senkrecht[s];
        if (feldS != nullptr)
            FeldText(feldS, groesseS, senkrecht->Text, senkrecht->TextLaenge, sizeof senkrecht->Text);
        FeldText(d->Preis1, sizeof d->Preis1, senkrecht->Preis[0], senkrecht->PreisLaenge[0], ZAHLTEXT);
        FeldText(d->Preis2, sizeof d->Preis2, senkrecht->Preis[1], senkrecht->PreisLaenge[1], ZAHLTEXT);
        FeldText(d->Preis3, sizeof d->Preis3, senkrecht->Preis[2], senkrecht->PreisLaenge[2], ZAHLTEXT);
        if (artS == 6 && artW != 6)
            FeldText(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe, senkrecht->Farbe, senkrecht->FarbeLaenge,
                     sizeof senkrecht->Farbe);
        for (int32_t wi = 0; wi < lauf->WaagrechtAnzahl; wi++) {
            int32_t w = lauf->WaagrechtBelegt[wi];
            const EXPORT_ACHSWERT* waagrecht = &lauf->Waagrecht[w];
            if (feldW != nullptr)
                FeldText(feldW, groesseW, waagrecht->Text, waagrecht->TextLaenge, sizeof waagrecht->Text);
            if (artW == 6)
                FeldText(d->Lieferantenfarbe, sizeof d->Lieferantenfarbe, waagrecht->Farbe, waagrecht->FarbeLaenge,
                         sizeof waagrecht->Farbe);
            if (eanImSpeicher) {
                EanDerZelle(lauf, artS, artW, s, w, d->Ean);
            } else {
                char codes[9][OX_TXT_CODE];
                ZellenCodes(lauf, artS, artW, s, w, codes);
                EanSuchen(lauf, codes, d->Ean);
            }
            SatzAusgeben(lauf);
            if (artW == 9)
                break;
        }
        if (artS == 9)
            break;
    }
}

/* Fetches the article's table (completed from its series) and writes its
 * records. */
void ArtikelSchreiben(EXPORT_LAUF* lauf)
{
    EDI_KONTEXT* k = g_Kontext;
    OXTABELLE* t = lauf->Tabelle;
    EansLaden(lauf);
    int32_t geliefert = k->HostFunktion03 != nullptr && k->HostFunktion03(lauf->Artikel.ArtikelNummer, t, nullptr) == 1;
    if (!geliefert) {
        OhneTabelleSchreiben(lauf);
        return;
    }
    int32_t fehler = 1;
    int32_t serie = OXGLOBAL_DLGHELP_HoleSerienmerkmalnummerFromArtikel(&lauf->Artikel, &fehler);
    if (serie > 0 && fehler == 0 && k->HostFunktion06 != nullptr) {
        OXTABELLE* s = lauf->Serientabelle;
        if (k->HostFunktion06(serie, s, nullptr) == 1) {
            TAB_CopyWaagrechtMerkmale(t, s);
            TAB_ClearStueckzahlen(t);
            t->Kopf = TAB_KOPF_LEER;
            if (t->MerkmalSenkrecht == 0)
                t->MerkmalSenkrecht = s->MerkmalSenkrecht;
            if (t->MerkmalWaagrecht == 0)
                t->MerkmalWaagrecht = s->MerkmalWaagrecht;
        }
    }
    ZellenSchreiben(lauf);
}
