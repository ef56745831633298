/*
 * katalogzeilen.h - the catalogue records of an interchange converted in
 * memory, read back through the module's record reader (shared by the
 * EANCOM test files of one program).
 */
#pragma once

#include "eancom_lauf.h"
#include "hostapi/edi.h"

#include <string>
#include <vector>

/* Every record line of the .INH outputs in `e` that the reader takes;
 * `kopf`, when given and still empty, gets the first header line. */
inline std::vector<PRICAT_DATEN> KatalogZeilen(const eancom::Ergebnis& e, std::string* kopf = nullptr)
{
    std::vector<PRICAT_DATEN> v;
    for (const auto& datei : e.speicher) {
        if (datei.first.find(".INH") == std::string::npos)
            continue;
        size_t pos = datei.second.find('\n') + 1;
        if (kopf != nullptr && kopf->empty())
            *kopf = datei.second.substr(0, pos);
        while (pos < datei.second.size()) {
            size_t ende = datei.second.find('\n', pos);
            PRICAT_DATEN d;
            int32_t info = 0;
            if (EDIPRICAT_VerarbeitePRICAT_Satz(datei.second.substr(pos, ende + 1 - pos).c_str(), EDI_NACHRICHT_PRICAT,
                                                &info, &d) == 1)
                v.push_back(d);
            pos = ende + 1;
        }
    }
    return v;
}
