/*
 * aenderungssatz.cpp - the change store during an import: opened, one
 * record prepared and appended per changed article.
 */
#include "pricechange/aenderungssatz.h"

#include <string.h>

#include "kontext/ktoxedi.h"
#include "grund/text.h"
#include "hostapi/dbadll.h"

enum {
    CODE_BASIS = 29                   /* code of kind k at byte 29 + 5k */
};

static int Offen(HOSTHANDLE handle)
{
    return handle > 0;
}

int AenderungsspeicherOeffnen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    AenderungsspeicherSchliessen();
    k->AenderungHandle = EDI_AENDERUNG_DBA_RW_Open();
    return Offen(k->AenderungHandle) ? 1 : -1;
}

void AenderungsspeicherSchliessen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (Offen(k->AenderungHandle))
        EDI_AENDERUNG_DBA_Close(k->AenderungHandle);
    k->AenderungHandle = -1;
}

void AenderungVorbereiten(int32_t artikelNummer, const int32_t* preise, const char* text, const void* codeSatz)
{
    EDI_KONTEXT* k = g_Kontext;
    EDIAENDERUNG_SATZ* s = &k->AenderungSatz;
    s->EtikettenArt = -1;
    if (artikelNummer > 0) {
        s->ArtikelNummer = artikelNummer;
        ARTIKEL_SATZ artikel;
        if (ARTLIB_LeseArtikel(artikelNummer, &artikel) == 1) {
            char kennung[sizeof artikel.Zusatztext + 1];
            memcpy(kennung, artikel.Zusatztext, sizeof artikel.Zusatztext);
            kennung[sizeof artikel.Zusatztext] = '\0';
            memset(s->Text2, 0, sizeof s->Text2);
            TextKopieren(s->Text2, sizeof s->Text2, kennung);
            s->EtikettenArt = artikel.MwstSatz;
        }
    }
    if (preise != nullptr) {
        s->Ek1 = preise[0];
        s->Ek2 = preise[1];
        s->Preis3 = preise[2];
        s->Vk1 = preise[3];
        s->Vk2 = preise[4];
        s->Preis6 = preise[5];
        s->Preis7 = preise[6];
        if (!k->PreisanpassungEk1)
            s->Ek1 = 0;
        if (!k->PreisanpassungEk2)
            s->Ek2 = 0;
        if (!k->PreisanpassungVk1)
            s->Vk1 = 0;
        if (!k->PreisanpassungVk2)
            s->Vk2 = 0;
    }
    if (text != nullptr) {
        memset(s->Text1, 0, sizeof s->Text1);
        TextKopieren(s->Text1, sizeof s->Text1, text);
    }
    if (codeSatz != nullptr) {
        const unsigned char* codes = (const unsigned char*)codeSatz;
        for (int art = 1; art <= 11; art++) {
            if (art == 9 || art == 10) {
                s->Merkmal[art - 1] = 0;
                continue;
            }
            char code[OX_TXT_CODE + 1];
            memcpy(code, codes + CODE_BASIS + 5 * art, OX_TXT_CODE);
            code[OX_TXT_CODE] = '\0';
            s->Merkmal[art - 1] = k->HostFunktion02 ? k->HostFunktion02(art, code) : 0;
        }
    }
    k->AenderungSatzVorbereitet = 1;
}

int AenderungAnhaengen(void)
{
    EDI_KONTEXT* k = g_Kontext;
    if (!Offen(k->AenderungHandle))
        return -1;
    return EDI_AENDERUNG_DBA_WriteAppendEDIAENDERUNG(k->AenderungHandle, &k->AenderungSatz);
}
