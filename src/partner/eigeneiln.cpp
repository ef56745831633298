/*
 * eigeneiln.cpp - the company's own ILN/GLN, asked by the host.
 */
#include "partner/partner.h"
#include "kontext/einstellungen.h"

extern "C" int32_t WINAPI EDI_ErmittleEigeneILN(char* iln)
{
    return EigeneIlnLesen(iln);
}
