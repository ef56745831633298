/*
 * artikeldialog.h - the candidate record of the article assignment dialog.
 */
#ifndef KTOXEDI_ARTIKELDIALOG_H
#define KTOXEDI_ARTIKELDIALOG_H

#include <stdint.h>
#include <stddef.h>

#pragma pack(push, 1)
/* Four proposals for the ORDANEX article of a catalogue article, one per
 * source, as the host's 54-byte characteristic records (code = supplier
 * number text from byte 8, text = article text from byte 13) and their
 * article numbers, plus what the catalogue row says. */
typedef struct KANDIDATEN_BLOCK {
    unsigned char GtinKandidat[54];
    unsigned char MappingKandidat[54];
    unsigned char KatalogKandidat[54];
    unsigned char DialogKandidat[54];
    int32_t GtinArtikel;
    int32_t MappingArtikel;
    int32_t KatalogArtikel;
    int32_t DialogArtikel;
    char Gtin[14];
    char Gln[14];
    char LieferantNummerText[32];
    char Artikel[32];
    int32_t VorgeschlagenerArtikel;
    int32_t AnzahlLeere;
    int32_t AnzahlGleiche;
} KANDIDATEN_BLOCK;
#pragma pack(pop)

static_assert(offsetof(KANDIDATEN_BLOCK, GtinArtikel) == 216, "candidate numbers at 216");
static_assert(offsetof(KANDIDATEN_BLOCK, Gtin) == 232, "GTIN at 232");
static_assert(offsetof(KANDIDATEN_BLOCK, LieferantNummerText) == 260, "supplier text at 260");
static_assert(offsetof(KANDIDATEN_BLOCK, VorgeschlagenerArtikel) == 324, "proposal at 324");
static_assert(sizeof(KANDIDATEN_BLOCK) == 336, "candidate record is 336 bytes");

#endif
