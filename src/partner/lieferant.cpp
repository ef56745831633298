/*
 * lieferant.cpp - the supplier whose master record lists a GLN.
 */
#include "partner/partner.h"
#include "pricat_in/kopf.h"

/* The same search as a catalogue header's supplier (records 1 to 1000,
 * only for a GLN of exactly 13 characters, under the hourglass). */
extern "C" int32_t WINAPI EDI_ErmittleLieferant(const char* gln)
{
    return LieferantZuIln(gln);
}
