/*
 * eancom_eingang.h - what the stand-in host does with EANCOM files in the
 * EDI import folder: it converts them into the host's own file families
 * before the module's import mode, and its goods-receipt command books the
 * despatch advices of the folder through the module.
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
 * Converts every EANCOM interchange of `importOrdner` (a file that starts
 * like one, whatever its name; not the host's own ".INH", ".PRI", ".ADR",
 * ".DES" files nor working names starting with "~") into that folder.
 * When a conversion is complete and converted at least one message, the
 * original moves into `sicherung` (under a free name: an earlier backup of
 * the same name is kept); a file of which nothing could be converted stays
 * where it is. One line per file, and one per refused message, goes to
 * stdout. Returns the number of files converted.
 */
int Standin_EancomUmsetzen(const std::string& importOrdner, const std::string& sicherung);

/*
 * The goods-receipt command: converts the EANCOM files of the import
 * folder, then books each ".DES" file there (except the module's
 * "NOTIMPORTED.DES") with the module's EDILieferung_GetAllDesadvSet, the
 * own GLN of EDI_ErmittleEigeneILN, Standin_DesadvBuchen and the host data
 * folder for the error report; a file that was read moves into the backup
 * folder afterwards, so that it is not booked twice. Prints one line per
 * file. Returns the number of positions not booked, -1 when the module or
 * the own GLN is missing.
 */
int32_t Standin_Wareneingang(StandinHost& host);

#endif
