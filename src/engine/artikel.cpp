/*
 * artikel.cpp - the pending article of the import page becomes an ORDANEX
 * article: created or found by its name, corrected from the page, its
 * record adjusted, its keyword learnt, its change recorded and the open
 * orders brought up to date. Also shows an existing article on the page.
 */
#include "engine/engine.h"
#include "engine/protokoll.h"

#include <string.h>

#include "kontext/einstellungen.h"
#include "kontext/stringtabelle.h"
#include "grund/text.h"
#include "hostapi/oxglobdlg.h"
#include "pricechange/aenderungssatz.h"
#include "resources/resource.h"

namespace {

const int32_t kArtArtikel = 0;
const int32_t kArtGroesse = 7;
const int32_t kArtFiliale = 9;
const int32_t kArtSaison = 11;

bool ArtikelLesen(int32_t nummer, ARTIKEL_SATZ* artikel)
{
    EDI_KONTEXT* k = g_Kontext;
    return nummer > 0 && k->ArtikelHandle > 0 && ARTLIB_ReadArtikel(k->ArtikelHandle, nummer, artikel) == 1;
}

int32_t HostNummer(int32_t art, const char* code)
{
    EDI_KONTEXT* k = g_Kontext;
    return k->HostFunktion02 != nullptr ? k->HostFunktion02(art, code) : 0;
}

/* The code of kind `art` in a record of the page's codes, terminated. */
void CodeDerArt(const ARTIKEL_KORREKTUR* codes, int32_t art, char* aus)
{
    memcpy(aus, codes->Codes[art - 1], OX_TXT_CODE);
    aus[OX_TXT_CODE - 1] = '\0';
}

bool Auslauf(char kennung)
{
    return kennung == 'A' || kennung == 'a';
}

} // namespace

void ArtikelName(char* aus, size_t groesse, const char* artikelText, const char* lieferantKurz)
{
    if (aus == nullptr || groesse == 0)
        return;
    char kurz[5];
    TextKopieren(kurz, sizeof kurz, lieferantKurz);
    char kopf[16];
    TextKopieren(kopf, sizeof kopf, kurz);
    TextAnhaengen(kopf, sizeof kopf, "_____");
    kopf[5] = '\0';
    TextKopieren(aus, groesse, kopf);
    TextAnhaengen(aus, groesse, artikelText);
}

int32_t MwstSatzNummer(void)
{
    int32_t satz = SlotZahl(IDC_IP_MWST_PROZENT);
    if (satz >= 0 && satz <= 5)
        return satz;
    return SeiteMwstKombiSatz();
}

void SeitenCodesFuellen(ARTIKEL_KORREKTUR* codes)
{
    memset(codes, 0, sizeof *codes);
    for (int32_t art = 1; art <= 11; art++) {
        if (art == 10)
            continue;
        int32_t edit = 0;
        if (OXGLOBAL_DLGHELP_FelderVonMerkmal(art, &edit, nullptr) != 1 || edit == 0)
            continue;
        char text[255];
        SlotText(edit, text, sizeof text);
        TextKopieren(codes->Codes[art - 1], OX_TXT_CODE, text);
    }
}

void NeuesTeilFuellen(EINZELTEIL_SATZ* teil)
{
    EDI_KONTEXT* k = g_Kontext;
    if (teil == nullptr)
        return;
    ARTIKEL_KORREKTUR codes;
    SeitenCodesFuellen(&codes);
    DATABASE_ClearEinzelteil(teil);

    char artikelText[SEITE_ARTIKEL_TEXT], name[DBA_ARTIKELNAME];
    SlotText(IDC_IP_EDIT_ARTIKEL, artikelText, sizeof artikelText);
    ArtikelName(name, sizeof name, artikelText, k->LieferantNummerText);
    teil->ArtikelNummer = HostNummer(kArtArtikel, name);

    char code[OX_TXT_CODE];
    CodeDerArt(&codes, kArtGroesse, code);
    teil->Groesse = HostNummer(kArtGroesse, code);
    CodeDerArt(&codes, kArtSaison, code);
    teil->Saison = HostNummer(kArtSaison, code);
    CodeDerArt(&codes, kArtFiliale, code);
    teil->Filiale = HostNummer(kArtFiliale, code);
    teil->Filiale2 = teil->Filiale;

    TAB_PREISE preise;
    PreisBlockVonSeite(&preise);
    teil->Ek1 = preise.Ek1;
    teil->Vk1 = preise.Vk1;
    teil->Ek2 = preise.Ek2;
    teil->Vk2 = preise.Vk2;
    teil->Preis3 = preise.Ek1Umgerechnet;
    teil->Preis6 = preise.Vk1Umgerechnet;
    teil->Wert72 = 0;
    teil->Wert100 = 0;
    teil->MwstSatz = static_cast<int16_t>(MwstSatzNummer());

    AenderungVorbereiten(0, nullptr, nullptr, &codes);
}

void MindestbestandAuslaufartikel(int32_t artikelNummer)
{
    if (MindbestDBA_MindbestExists(artikelNummer) != 1)
        return;
    switch (Berechnung_GetMindbestLoeschverhalten()) {
    case 2: {
        char frage[256];
        StringLaden(IDS_MINDBEST_LOESCHEN, frage, sizeof frage);
        if (SeiteFragen(frage) == 1)
            MindbestDBA_Delete(artikelNummer);
        break;
    }
    case 1:
        MindbestDBA_Delete(artikelNummer);
        break;
    default:
        break;
    }
}

int32_t ArtikelKorrigieren(int32_t artikelNummer, const EINZELTEIL_SATZ* teil)
{
    EDI_KONTEXT* k = g_Kontext;
    char kennung[SEITE_KENNUNG];
    SlotText(IDC_IP_KENNUNG, kennung, sizeof kennung);
    if (HostDatenInt(HD_SCHALTER2) != 0)
        SeiteStandardSetzen(1);

    ARTIKEL_KORREKTUR korrektur;
    SeitenCodesFuellen(&korrektur);
    korrektur.Kennzeichen = kennung[0];
    korrektur.Standard = static_cast<int16_t>(SeiteStandard());
    korrektur.EanZugeordnet = static_cast<int16_t>(k->EanZugeordnet == 1 && k->LieferantGeprueft ? 1 : 0);
    char zusatz[SEITE_TEXT33];
    SlotText(IDC_IP_ZUSATZ, zusatz, sizeof zusatz);
    TextKopieren(korrektur.Zusatztext, sizeof korrektur.Zusatztext, zusatz);

    ARTIKEL_SATZ artikel;
    if (Auslauf(kennung[0]) && ArtikelLesen(artikelNummer, &artikel) && !Auslauf(artikel.Kennzeichen))
        MindestbestandAuslaufartikel(artikelNummer);
    return OXGLOBAL_DLGHELP_KorrigiereArtikel(artikelNummer, &korrektur, teil);
}

int ArtikelAnlegen(int serieUebernehmen)
{
    EDI_KONTEXT* k = g_Kontext;
    EINZELTEIL_SATZ teil;
    NeuesTeilFuellen(&teil);

    char name[DBA_ARTIKELNAME];
    name[0] = '\0';
    SeiteArtikelText(name);
    int32_t bekannt = HostNummer(kArtArtikel, name);
    if (bekannt > 0)
        serieUebernehmen = 0;
    /* the prices before, for the import record */
    int protokoll = k->Protokoll.Offen == 1;
    int32_t altePreise[4] = {};
    ARTIKEL_SATZ vorher;
    int vorherGelesen = protokoll && bekannt > 0 && ArtikelLesen(bekannt, &vorher);
    if (vorherGelesen) {
        altePreise[0] = vorher.Ek1;
        altePreise[1] = vorher.Vk1;
        altePreise[2] = vorher.Ek2;
        altePreise[3] = vorher.Vk2;
    }
    int32_t nummer = OXGLOBAL_DLGHELP_NeuenArtikelAnlegen(name);
    k->AktuelleArtikelNummer = nummer > 0 ? nummer : 0;
    TAB_ClearTabelle(&k->DialogWerte.Tabelle, 0);
    /* Without an article nothing below has anything to write to: an
     * article number of 0 would also name every unknown article of the
     * open orders. */
    if (nummer <= 0)
        return 0;

    ArtikelKorrigieren(nummer, &teil);

    ARTIKEL_SATZ artikel;
    bool gelesen = ArtikelLesen(nummer, &artikel);
    if (gelesen) {
        artikel.MwstSatz = teil.MwstSatz;
        artikel.EdiAngelegt = 1;
        if (k->EanZugeordnet == 1)
            artikel.EanKennzeichen = static_cast<int16_t>(k->LieferantGeprueft ? 1 : 0);
        ARTLIB_WriteArtikel(k->ArtikelHandle, nummer, &artikel);
    }
    if (protokoll) {
        if (bekannt <= 0) {
            ProtokollZeile(PROT_ARTIKEL_NEU, IDS_PROT_ARTIKEL_NEU, name, (long)nummer);
            k->Protokoll.Korrigiert = nummer;
        } else if (k->Protokoll.Korrigiert != nummer) {
            ProtokollZeile(PROT_ARTIKEL_KORR, IDS_PROT_ARTIKEL_KORR, name, (long)nummer);
            k->Protokoll.Korrigiert = nummer;
        }
        if (vorherGelesen && gelesen && bekannt == nummer) {
            const int32_t neuePreise[4] = { artikel.Ek1, artikel.Vk1, artikel.Ek2, artikel.Vk2 };
            ProtokollPreise(nummer, altePreise, neuePreise);
        }
    }
    if (serieUebernehmen == 1 && gelesen)
        SerienTabelleUebernehmen(nummer, &artikel);
    SeiteNachNeuemArtikel();
    if (serieUebernehmen == 1 && k->HostFunktion16 != nullptr)
        k->HostFunktion16(0);

    MerkmalLernen(kArtArtikel, nummer, k->OxOut.EdiText[kArtArtikel]);
    AenderungVorbereiten(nummer, nullptr, nullptr, nullptr);

    if (!k->EngineEinstellungenGelesen)
        EngineEinstellungenLesen();
    if (k->KeineAuftragsaenderung == 0) {
        char kennung[SEITE_KENNUNG], zusatz[SEITE_TEXT33];
        SlotText(IDC_IP_KENNUNG, kennung, sizeof kennung);
        SlotText(IDC_IP_ZUSATZ, zusatz, sizeof zusatz);
        AuftragswerteMerken(0, nullptr, kennung[0], zusatz, 0, 0, nullptr, 0, 0, nullptr);
        AuftraegeAktualisieren();
    }
    return 1;
}

void ArtikelAnzeigen(int32_t artikelNummer)
{
    EDI_KONTEXT* k = g_Kontext;
    ARTIKEL_SATZ artikel;
    if ((k->SeitenZustand & SEITE_ARTIKEL_PER_EAN) != 0 || !ArtikelLesen(artikelNummer, &artikel))
        return;
    SeiteMerkmalZeigen(kArtArtikel, artikelNummer);
    if (artikel.SerienKennzeichen == 0 && artikel.SerienNummer > 0 && k->HostFunktion03 != nullptr) {
        k->HostFunktion03(artikelNummer, &k->DialogWerte.Tabelle, nullptr);
        SeiteRestZeigen(artikel.SerienNummer, &k->DialogWerte.Tabelle);
    }
    static const int32_t arten[] = { 1, 2, 3, 4, 5, 6, 7, 11 };
    for (int32_t art : arten) {
        char code[OX_TXT_CODE + 1];
        memcpy(code, artikel.Codes[ArtikelCodeIndex(art)], OX_TXT_CODE);
        code[OX_TXT_CODE] = '\0';
        SeiteMerkmalZeigen(art, HostNummer(art, code));
    }
    SeiteMerkmalZeigen(kArtFiliale, artikel.Filiale);

    int32_t vorrang = k->ExternAutomapping != 0;
    if (!vorrang) {
        /* The box shows the article's own Standard flag. */
        SeiteStandardSetzen(artikel.Standard != 0 ? 1 : 0);
        char kennung[2] = { artikel.Kennzeichen, '\0' };
        SlotTextSetzen(IDC_IP_KENNUNG, kennung);
        char zusatz[OX_TXT_32 + 1];
        memcpy(zusatz, artikel.Zusatztext, OX_TXT_32);
        zusatz[OX_TXT_32] = '\0';
        SlotTextSetzen(IDC_IP_ZUSATZ, zusatz);
    }

    struct Preis {
        int32_t vorschlag, feld, wert, uebernehmen;
    } preise[] = {
        { IDC_IP_VORSCHLAG_EK1, IDC_IP_EK1, artikel.Ek1, k->PreisanpassungEk1 },
        { IDC_IP_VORSCHLAG_VK1, IDC_IP_VK1, artikel.Vk1, k->PreisanpassungVk1 },
        { IDC_IP_VORSCHLAG_EK2, IDC_IP_EK2, artikel.Ek2, k->PreisanpassungEk2 },
        { IDC_IP_VORSCHLAG_VK2, IDC_IP_VK2, artikel.Vk2, k->PreisanpassungVk2 },
    };
    for (const Preis& p : preise)
        SlotZahlSetzen(p.vorschlag, 0);
    if (artikel.Ek1 <= 0)
        return;
    for (const Preis& p : preise) {
        SlotZahlSetzen(p.vorschlag, p.wert);
        if (!(p.uebernehmen && vorrang))
            SlotZahlSetzen(p.feld, p.wert);
    }
}

void MerkmalLernen(int32_t art, int32_t nummer, const char* stichwort)
{
    EDI_KONTEXT* k = g_Kontext;
    if (nummer < 1 || stichwort == nullptr)
        return;
    EDIMAP_SATZ satz;
    memset(&satz, 0, sizeof satz);
    TextKopieren(satz.Schluesselwort, sizeof satz.Schluesselwort, stichwort);
    satz.Art = art;
    MERKMAL_SATZ merkmal;
    if (k->HostFunktion15 != nullptr && k->HostFunktion15(art, nummer, &merkmal) == 1)
        satz.Merkmal = merkmal;
    satz.Nummer = nummer;
    EDIMAP_SATZ alt;
    if (EDIMapDBA_SuchEDIMAPMem(&alt, k->KatalogLieferantIln, satz.Schluesselwort, art) > 0 &&
        memcmp(&alt, &satz, sizeof satz) == 0)
        return;
    EDIMapDBA_EDIMAPEintragenMem(&satz, k->KatalogLieferantIln, art);
}
