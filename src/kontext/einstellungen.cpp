/*
 * einstellungen.cpp - reading and writing the module's options.
 */
#include "kontext/einstellungen.h"
#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "hostapi/oxinifile.h"
#include "hostapi/dbadll.h"

#include <string.h>

static const char SEKTION_EDI[] = "EDIIMPORTER";
static const char SEKTION_BERECHNUNGEN[] = "BERECHNUNGEN";
static const char SEKTION_MERKMALE[] = "STANDARD_MERKMALE";

static const char* EdiSektion(void)
{
    if (g_Kontext != nullptr && g_Kontext->IniSektionEdi[0] != '\0')
        return g_Kontext->IniSektionEdi;
    return SEKTION_EDI;
}

int32_t EdiOptionStandard(const char* key)
{
    static const char* const eins[] = {
        "adressimportsuchen", "bleexport", "insicherungsordnerverschieben", "stopbeiartikelwechsel"
    };
    if (key == nullptr)
        return 0;
    for (const char* k : eins)
        if (strcmp(k, key) == 0)
            return 1;
    return 0;
}

int32_t EdiOptionLesen(const char* key, int32_t standard)
{
    return INI_GetInt(EdiSektion(), key, standard);
}

void EdiOptionSchreiben(const char* key, int32_t wert)
{
    INI_PutInteger(EdiSektion(), key, wert);
}

/* ---- "BERECHNUNGEN" ---------------------------------------------------- */

static int32_t Lesen(const char* key)
{
    return INI_GetLong(SEKTION_BERECHNUNGEN, key, 0);
}

static void Schreiben(const char* key, int32_t wert)
{
    INI_PutLong(SEKTION_BERECHNUNGEN, key, wert);
}

int32_t Berechnung_GetArtikelkennzeichen(char* text, size_t groesse)
{
    char wert[64] = "";
    INI_GetString(SEKTION_BERECHNUNGEN, "artikelkennzeichen_action_string", wert, (int32_t)sizeof wert);
    TextKopieren(text, groesse, wert);
    return Lesen("artikelkennzeichen_action");
}

void Berechnung_PutArtikelkennzeichen(int32_t aktion, const char* text)
{
    char wert[64];
    TextKopieren(wert, sizeof wert, text);
    INI_PutString(SEKTION_BERECHNUNGEN, "artikelkennzeichen_action_string", wert);
    Schreiben("artikelkennzeichen_action", aktion);
}

#define BERECHNUNG(name, key) \
    int32_t Berechnung_Get##name(void) { return Lesen(key); } \
    void Berechnung_Put##name(int32_t wert) { Schreiben(key, wert); }

BERECHNUNG(TabellenLoeschen, "tabellen_loeschen")
BERECHNUNG(BeiGelbStoppen, "bei_gelb_stoppen")
BERECHNUNG(DruckenNurBeiVk, "druckenNurBeiVK")
BERECHNUNG(Vk2AusVk1, "VK2AusVK1")
BERECHNUNG(EtAenderungMitSaison, "et_aenderung_mit_saison")
BERECHNUNG(SerieLabelVorblendung, "serie_label_vorblendung")
BERECHNUNG(MindbestLoeschverhalten, "mindbest_loeschverhalten")
BERECHNUNG(EdiFarbtexte, "bte_edi_farbtexte")
BERECHNUNG(NurGemappte, "bte_edi_nurgemappte")
BERECHNUNG(KeineAuftragsaenderung, "bte_edi_keine_auftragsaenderung")

/* ---- standard characteristics ------------------------------------------ */

static void MerkmalKey(char* key, size_t groesse, int32_t art)
{
    TextFormat(key, groesse, "%s%02d", "MERKMALKEY", (int)art);
}

int32_t StandardMerkmal_GetGenerell(int32_t art)
{
    char key[32];
    MerkmalKey(key, sizeof key, art);
    return INI_GetLong(SEKTION_MERKMALE, key, 0);
}

void StandardMerkmal_PutGenerell(int32_t art, int32_t nummer)
{
    char key[32];
    MerkmalKey(key, sizeof key, art);
    INI_PutLong(SEKTION_MERKMALE, key, nummer);
}

int32_t StandardMerkmal_PutLieferant(int32_t art, int32_t nummer)
{
    EDIMAP_SATZ satz;
    memset(&satz, 0, sizeof satz);
    satz.Art = art;
    satz.Nummer = nummer;
    satz.Standard = 1;
    if (nummer <= 0 || !AuswahlEintragGewaehlt())
        return 0;
    MERKMAL_SATZ merkmal;
    memset(&merkmal, 0, sizeof merkmal);
    if (g_Kontext->HostFunktion15 != nullptr && g_Kontext->HostFunktion15(art, nummer, &merkmal) == 1)
        satz.Merkmal = merkmal;
    return EDIMapDBA_StandardEDIMAPEintragen(&satz, g_Kontext->AuswahlEintrag->Iln, art);
}

static int32_t StandardMerkmalLookup(int32_t art, int speicher)
{
    if (AuswahlEintragGewaehlt()) {
        EDIMAP_SATZ satz;
        memset(&satz, 0, sizeof satz);
        const char* iln = g_Kontext->AuswahlEintrag->Iln;
        int32_t anzahl = speicher ? EDIMapDBA_SuchStandardEDIMAPMem(&satz, iln, art)
                                  : EDIMapDBA_SuchStandardEDIMAP(&satz, iln, art);
        if (anzahl > 0)
            return satz.Nummer;
    }
    return StandardMerkmal_GetGenerell(art);
}

int32_t StandardMerkmal_Suchen(int32_t art)
{
    return StandardMerkmalLookup(art, 0);
}

int32_t StandardMerkmal_SuchenMem(int32_t art)
{
    return StandardMerkmalLookup(art, 1);
}

/* ---- article marks ----------------------------------------------------- */

int ArtikelkennzeichenPruefen(char zeichen, int32_t aktion, const char* liste)
{
    char einzeln[2] = { zeichen, '\0' };
    int gelistet = (zeichen != '\0' && liste != nullptr && liste[0] != '\0' && strstr(liste, einzeln) != nullptr);
    if (aktion == 0)
        return gelistet ? 0 : 1;
    return gelistet ? 1 : 0;
}

int ArtikelkennzeichenAkzeptiert(char zeichen)
{
    if (g_Kontext == nullptr)
        return ArtikelkennzeichenPruefen(zeichen, 0, "");
    return ArtikelkennzeichenPruefen(zeichen, g_Kontext->KennzeichenAktion, g_Kontext->KennzeichenText);
}

/* The own ILN/GLN of the INI section "EIGNER". */
static int NummerLesen(const char* format, int32_t index, char* wert, size_t groesse)
{
    char key[32];
    TextFormat(key, sizeof key, format, (int)index);
    wert[0] = '\0';
    return INI_GetString("EIGNER", key, wert, (int32_t)groesse);
}

int32_t EigeneIlnLesen(char* iln)
{
    if (iln == nullptr)
        return 0;
    int32_t index = INI_GetInteger("EIGNER", "GLNUMMERAKTUELL");
    if (index == 0)
        index = INI_GetInteger("EIGNER", "ILNUMMERAKTUELL");

    char wert[32];
    if (NummerLesen("GLNNUMMER%02d", index, wert, sizeof wert) <= 0)
        return 0;
    if (strlen(wert) == 13) {
        TextKopieren(iln, 14, wert);
        return 1;
    }
    if (NummerLesen("ILNNUMMER%02d", index, wert, sizeof wert) > 0 && strlen(wert) == 13) {
        TextKopieren(iln, 14, wert);
        return 1;
    }
    return 0;
}
