/*
 * kontext.cpp - the context of the running call, its small readers and
 * its filling from the host's parameter block (see ktoxedi.h). The entry
 * sets g_Kontext for the length of a call.
 */
#include "kontext/ktoxedi.h"

#include <stddef.h>
#include <string.h>

#include "grund/text.h"

EDI_KONTEXT* g_Kontext;

int AuswahlEintragGewaehlt(void)
{
    if (g_Kontext == nullptr)
        return 0;
    KATALOGDATEI_EINTRAG* eintrag = g_Kontext->AuswahlEintrag;
    return (eintrag != nullptr && eintrag != (KATALOGDATEI_EINTRAG*)-1) ? 1 : 0;
}

int32_t HostDatenInt(int offset)
{
    int32_t wert = 0;
    if (g_Kontext != nullptr && offset >= 0 && offset + 4 <= HOSTDATEN_GROESSE)
        memcpy(&wert, g_Kontext->HostDaten + offset, sizeof wert);
    return wert;
}

const char* HostDatenText(int offset)
{
    if (g_Kontext == nullptr || offset < 0 || offset >= HOSTDATEN_GROESSE)
        return "";
    return (const char*)g_Kontext->HostDaten + offset;
}

void KontextAusParameterFuellen(EDI_KONTEXT* k, const EDI_AUFRUFPARAMETER* p)
{
    /* The callbacks stand in the same order in both records. */
    static_assert(offsetof(EDI_AUFRUFPARAMETER, HostFunktion26) - offsetof(EDI_AUFRUFPARAMETER, HostFunktion01) ==
                      offsetof(EDI_KONTEXT, HostFunktion26) - offsetof(EDI_KONTEXT, HostFunktion01),
                  "callbacks in one block");
    memcpy(&k->HostFunktion01, &p->HostFunktion01,
           offsetof(EDI_AUFRUFPARAMETER, HostFunktion26) + sizeof p->HostFunktion26 -
               offsetof(EDI_AUFRUFPARAMETER, HostFunktion01));

    /* Texts longer than their buffers are outside the host's contract;
     * they are cut, never copied past the buffer. */
    TextKopieren(k->FtpServer, sizeof k->FtpServer, p->FtpServer);
    TextKopieren(k->FtpBenutzer, sizeof k->FtpBenutzer, p->FtpBenutzer);
    TextKopieren(k->FtpPasswort, sizeof k->FtpPasswort, p->FtpPasswort);
    TextKopieren(k->UploadBasisPfad, sizeof k->UploadBasisPfad, p->UploadBasisPfad);
    TextKopieren(k->UploadZusatz, sizeof k->UploadZusatz, p->UploadZusatz);
    TextKopieren(k->BenutzerKennung, sizeof k->BenutzerKennung, p->BenutzerKennung);

    if (p->HostDaten != nullptr)
        memcpy(k->HostDaten, p->HostDaten, HOSTDATEN_GROESSE);
    /* The path field is the host's; make sure it ends inside the copy. */
    k->HostDaten[HOSTDATEN_GROESSE - 1] = '\0';

    k->AuswahlIndex = -1;
    k->AuswahlEintrag = (KATALOGDATEI_EINTRAG*)-1;

    TextKopieren(k->IniSektionEdi, sizeof k->IniSektionEdi, "EDIIMPORTER");
    TextKopieren(k->IniKeyAdressimportSuchen, 32, "adressimportsuchen");
    TextKopieren(k->IniKeyBleExport, 32, "bleexport");
    TextKopieren(k->IniKeyInSicherungsordnerVerschieben, 32, "insicherungsordnerverschieben");
    TextKopieren(k->IniKeyStopBeiArtikelwechsel, 32, "stopbeiartikelwechsel");
    TextKopieren(k->IniKeyStopBeiArtikelvariation, 32, "stopbeiartikelvariation");
    TextKopieren(k->IniKeyExternAutomapping, 32, "externautomapping");
    TextKopieren(k->IniKeyPreisanpassungEk1, 32, "preisanpassung_ek1");
    TextKopieren(k->IniKeyPreisanpassungEk2, 32, "preisanpassung_ek2");
    TextKopieren(k->IniKeyPreisanpassungVk1, 32, "preisanpassung_vk1");
    TextKopieren(k->IniKeyPreisanpassungVk2, 32, "preisanpassung_vk2");

    k->HostFenster = p->HostFenster;
}
