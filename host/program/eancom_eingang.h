/*
 * eancom_eingang.h - the stand-in host's goods-receipt command: it books
 * the despatch advices of the EDI import folder through the module (which
 * converts EANCOM despatch advices itself).
 */
#ifndef OX_STANDIN_EANCOM_EINGANG_H
#define OX_STANDIN_EANCOM_EINGANG_H

#include "standin.h"

#include <string>

/* The EDI import folder and its backup folder, asked from the module
 * (EDILieferung_HoleEDI_ImportPfad / ..._HoleSicherungsPfad) as the host
 * asks. 1 = both known, 0 = the module cannot be loaded. */
int Standin_EdiOrdner(StandinHost& host, std::string* import, std::string* sicherung);

/*
 * The goods-receipt command: books each ".DES" file of the import folder
 * (except the module's "NOTIMPORTED.DES") and each EANCOM interchange there with the module's EDILieferung_GetAllDesadvSet, the
 * own GLN of EDI_ErmittleEigeneILN, Standin_DesadvBuchen and the host data
 * folder for the error report; a file that was read moves into the backup
 * folder afterwards, so that it is not booked twice. Prints one line per
 * file. Returns the number of positions not booked, -1 when the module or
 * the own GLN is missing.
 */
int32_t Standin_Wareneingang(StandinHost& host);

#endif
