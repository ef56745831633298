/*
 * exportvorrat.cpp - what an export run keeps of the host's answers.
 *
 * The host's data do not change while a run holds the dialog thread, so a
 * run keeps what it has asked the host once: characteristic numbers of
 * codes, characteristic records of numbers (with their field texts made),
 * and the VAT percentages. The EANs of an article are read once per
 * article and matched in memory by the rule of the store (first entry with
 * an EAN whose codes of kinds 1 to 8 equal the cell's, an empty cell code
 * matching any); an article with more EANs than the run keeps asks the
 * store per cell.
 */
#include "pricat_out/exportlauf.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"

#include <string.h>

static uint32_t Streuwert(int32_t art, const char* text, int32_t nummer)
{
    uint32_t h = TextStreuwert(TEXT_STREUWERT_ANFANG ^ (uint32_t)art, text);
    return (h ^ (uint32_t)nummer) * 2654435761u;
}

/* Whether two terminated texts are equal. */
static int TexteGleich(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

/* The characteristic number of (art, code) into `*nummer`: HostFunktion02,
 * asked once per run; 0 = none. Returns the run's entry for the code, null
 * when the run keeps none for it. */
EXPORT_CODE* CodeNachschlagen(EXPORT_LAUF* lauf, int32_t art, const char* code, int32_t* nummer)
{
    EDI_KONTEXT* k = g_Kontext;
    *nummer = 0;
    if (code == nullptr || code[0] == '\0' || k->HostFunktion02 == nullptr)
        return nullptr;
    EXPORT_CODE* eintrag = nullptr;
    if (strlen(code) < OX_TXT_32) {
        uint32_t i = Streuwert(art, code, 0);
        for (int versuch = 0; versuch < 16 && eintrag == nullptr; versuch++, i++) {
            EXPORT_CODE* e = &lauf->Codes[i & (CODE_VORRAT - 1)];
            if (!e->Belegt || (e->Art == art && TexteGleich(e->Code, code)))
                eintrag = e;
        }
    }
    if (eintrag != nullptr && eintrag->Belegt) {
        *nummer = eintrag->Nummer;
        return eintrag;
    }
    *nummer = k->HostFunktion02(art, code);
    if (eintrag != nullptr) {
        eintrag->Belegt = 1;
        eintrag->Art = art;
        eintrag->Nummer = *nummer;
        eintrag->Merkmal = nullptr;
        TextKopieren(eintrag->Code, sizeof eintrag->Code, code);
    }
    return eintrag;
}

int32_t NummerZumCode(EXPORT_LAUF* lauf, int32_t art, const char* code)
{
    int32_t nummer = 0;
    CodeNachschlagen(lauf, art, code, &nummer);
    return nummer;
}

/* The run's entry for characteristic (art, nummer), filled through
 * HostFunktion15 when it is new; `ersatz` (Belegt 0) when the run keeps no
 * entry for it. Null for a number below 1 or without the host call. */
const EXPORT_MERKMAL* MerkmalEintrag(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, EXPORT_MERKMAL* ersatz)
{
    EDI_KONTEXT* k = g_Kontext;
    if (nummer <= 0 || k->HostFunktion15 == nullptr)
        return nullptr;
    EXPORT_MERKMAL* eintrag = nullptr;
    uint32_t i = Streuwert(art, nullptr, nummer);
    for (int versuch = 0; versuch < 16 && eintrag == nullptr; versuch++, i++) {
        EXPORT_MERKMAL* e = &lauf->Merkmale[i & (MERKMAL_VORRAT - 1)];
        if (!e->Belegt || (e->Art == art && e->Nummer == nummer))
            eintrag = e;
    }
    if (eintrag == nullptr)
        eintrag = ersatz;
    if (!eintrag->Belegt) {
        MERKMAL_SATZ satz;
        memset(&satz, 0, sizeof satz);
        eintrag->Belegt = 1;
        eintrag->Art = art;
        eintrag->Nummer = nummer;
        eintrag->Gefunden = k->HostFunktion15(art, nummer, &satz) == 1;
        char name[OX_TXT_25];
        FeldKopieren(satz.Code, sizeof satz.Code, eintrag->Code, sizeof eintrag->Code);
        FeldKopieren(satz.Text, sizeof satz.Text, name, sizeof name);
        if (k->BleExport)
            TextFormat(eintrag->Text, sizeof eintrag->Text, "%s@%s", eintrag->Code, name);
        else
            TextKopieren(eintrag->Text, sizeof eintrag->Text, name);
        eintrag->CodeLaenge = (int32_t)TextLaenge(eintrag->Code, sizeof eintrag->Code);
        eintrag->TextLaenge = (int32_t)TextLaenge(eintrag->Text, sizeof eintrag->Text);
    }
    return eintrag;
}

/* The characteristic record of (art, nummer): HostFunktion15, asked once
 * per run. Null when the host has none. */
static const EXPORT_MERKMAL* MerkmalHolen(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, EXPORT_MERKMAL* ersatz)
{
    const EXPORT_MERKMAL* m = MerkmalEintrag(lauf, art, nummer, ersatz);
    return m != nullptr && m->Gefunden ? m : nullptr;
}

/* The text of a characteristic record into a field, cut to the field. */
void MerkmalInsFeld(const EXPORT_MERKMAL* m, char* feld, size_t groesse)
{
    size_t n = (size_t)m->TextLaenge < groesse ? (size_t)m->TextLaenge : groesse - 1;
    memcpy(feld, m->Text, n);
    feld[n] = '\0';
}

/* The field text of characteristic (art, nummer): "code@name" with the
 * numbers exported, else the name; empty when the host has no record.
 * Returns its length. The code goes to `code` (OX_TXT_CODE bytes) and its
 * length to `*codeLaenge` when `code` is not null. */
int32_t MerkmalText(EXPORT_LAUF* lauf, int32_t art, int32_t nummer, char* text, size_t groesse, char* code,
                           int32_t* codeLaenge)
{
    EXPORT_MERKMAL ersatz;
    ersatz.Belegt = 0;
    const EXPORT_MERKMAL* m = MerkmalHolen(lauf, art, nummer, &ersatz);
    size_t n = 0, c = 0;
    if (m != nullptr) {
        n = (size_t)m->TextLaenge < groesse ? (size_t)m->TextLaenge : groesse - 1;
        c = (size_t)m->CodeLaenge < OX_TXT_CODE ? (size_t)m->CodeLaenge : OX_TXT_CODE - 1;
        memcpy(text, m->Text, n);
        if (code != nullptr)
            memcpy(code, m->Code, c);
    }
    text[n] = '\0';
    if (code != nullptr) {
        code[c] = '\0';
        *codeLaenge = (int32_t)c;
    }
    return (int32_t)n;
}

static int32_t OXCALL EanSammeln(void* liste, const EANARTIKEL_SATZ* eintrag)
{
    EXPORT_LAUF* lauf = (EXPORT_LAUF*)liste;
    if (eintrag == nullptr)
        return 1;
    if (lauf->EanAnzahl >= EAN_VORRAT) {
        lauf->EanUeberlauf = 1;
        return 0;
    }
    if (eintrag->ArtikelNummer != lauf->Artikel.ArtikelNummer || eintrag->Ean[0] == '\0')
        return 1;
    EXPORT_EAN* e = &lauf->Eans[lauf->EanAnzahl++];
    memcpy(e->Codes, eintrag->Merkmal, sizeof e->Codes);
    memcpy(e->Ean, eintrag->Ean, sizeof e->Ean);
    e->Ean[OX_TXT_ILN - 1] = '\0';
    return 1;
}

void EansLaden(EXPORT_LAUF* lauf)
{
    lauf->EanAnzahl = 0;
    lauf->EanUeberlauf = 0;
    if (lauf->Artikel.ArtikelNummer < 1)
        return;
    EANARTIKEL_LoadArtikelEANs_EX(lauf->Artikel.ArtikelNummer, lauf, EanSammeln);
}

/* The EAN of the cell whose codes of kinds 1..8 are in `codes` (empty =
 * any) into `ean` (14 bytes, zero-filled when there is none). */
void EanSuchen(EXPORT_LAUF* lauf, const char codes[9][OX_TXT_CODE], char* ean)
{
    memset(ean, 0, OX_TXT_ILN);
    if (lauf->EanUeberlauf) {
        EANARTIKEL_SATZ muster;
        memset(&muster, 0, sizeof muster);
        memcpy(muster.Merkmal, codes, sizeof muster.Merkmal);
        EANARTIKEL_EAN_CODE_FUER_KurztextVorhanden(lauf->Artikel.ArtikelNummer, lauf->ArtikelText, &muster, ean);
        return;
    }
    for (int32_t i = 0; i < lauf->EanAnzahl; i++) {
        const EXPORT_EAN* e = &lauf->Eans[i];
        int passt = 1;
        for (int art = 1; art <= 8 && passt; art++) {
            size_t n = TextLaenge(codes[art], OX_TXT_CODE);
            if (n == 0)
                continue;
            if (n != TextLaenge(e->Codes[art], OX_TXT_CODE) || memcmp(e->Codes[art], codes[art], n) != 0)
                passt = 0;
        }
        if (passt) {
            memcpy(ean, e->Ean, OX_TXT_ILN);
            return;
        }
    }
}

int32_t MwstProzent(EXPORT_LAUF* lauf, int32_t satz)
{
    if (satz < 0 || satz >= OX_MWST_ANZAHL)
        return 0;
    if (!lauf->MwstBekannt[satz]) {
        lauf->MwstProzent[satz] = OX_MWST_GetMWST_FromMwstSatz(satz);
        lauf->MwstBekannt[satz] = 1;
    }
    return lauf->MwstProzent[satz];
}
