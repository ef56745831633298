/*
 * The word size the host program has (32-bit) against the 64-bit build:
 * the parameter block word by word, the records behind host callbacks,
 * how many argument bytes each export removes from the stack, and price
 * conversion that gives the same cents whatever precision the FPU was
 * left in.
 */
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "hostapi/hostcallbacks.h"
#include "kontext/ktoxedi.h"
#include "standin.h"

#include <float.h>
#include <stddef.h>

/* The parameter block: 35 words of the host's word size, each field at its
 * word. */
#define OX_WORT(feld, n) \
    static_assert(offsetof(EDI_AUFRUFPARAMETER, feld) == (n) * sizeof(void*), #feld " is word " #n)
OX_WORT(HostFenster, 0);
OX_WORT(HostFunktion01, 1);
OX_WORT(HostFunktion11, 11);
OX_WORT(HostFunktion12, 12);
OX_WORT(HostFunktion18, 18);
OX_WORT(HostFunktion19, 19);
OX_WORT(HostFunktion20, 20);
OX_WORT(HostFunktion26, 26);
OX_WORT(HostDaten, 27);
OX_WORT(Modus, 28);
OX_WORT(FtpServer, 29);
OX_WORT(FtpBenutzer, 30);
OX_WORT(FtpPasswort, 31);
OX_WORT(UploadBasisPfad, 32);
OX_WORT(UploadZusatz, 33);
OX_WORT(BenutzerKennung, 34);
#undef OX_WORT

/* The export list of HostFunktion17: a count, then the address of the
 * entries (8 bytes in the host's word size); each entry 36 bytes. */
static_assert(offsetof(HOST_EXPORTLISTE, Eintrag) == 4, "HOST_EXPORTLISTE.Eintrag");
static_assert(sizeof(HOST_EXPORTLISTE) == 4 + sizeof(void*), "HOST_EXPORTLISTE");
static_assert(sizeof(HOST_EXPORTEINTRAG) == 36 && offsetof(HOST_EXPORTEINTRAG, LieferantSchluessel) == 4,
              "HOST_EXPORTEINTRAG");
#if !defined(_WIN64)
static_assert(sizeof(HOST_EXPORTLISTE) == 8, "HOST_EXPORTLISTE in the host's word size");
#endif

#if defined(__i386__)
/* Calls `f` as the host does: `worte` zero words pushed, the callee
 * cleaning up. Returns the bytes the callee took off the stack (the stack
 * pointer is put back either way, so a wrong count does not end the test). */
static int AbgeraeumteBytes(FARPROC f, int worte)
{
    int differenz;
    int n = worte;
    __asm__ volatile("movl %%esp, %%edi\n\t"
                     "1:\n\t"
                     "testl %%ecx, %%ecx\n\t"
                     "jz 2f\n\t"
                     "pushl $0\n\t"
                     "decl %%ecx\n\t"
                     "jmp 1b\n\t"
                     "2:\n\t"
                     "call *%%ebx\n\t"
                     "movl %%esp, %%edx\n\t"
                     "subl %%edi, %%edx\n\t"
                     "movl %%edi, %%esp\n\t"
                     : "=d"(differenz), "+c"(n)
                     : "b"(f)
                     : "eax", "edi", "memory", "cc");
    return differenz + 4 * worte;
}

static int __cdecl MitAufraeumenDesAufrufers(int a, int b)
{
    return a + b;
}

static int __stdcall MitAufraeumenDesGerufenen(int a, int b)
{
    return a + b;
}
#endif

TEST(Wortbreite, JederEinstiegRaeumtSeineArgumenteAb)
{
#if defined(__i386__)
    /* The probe itself: it tells the two conventions apart. */
    EXPECT_EQ(0, AbgeraeumteBytes((FARPROC)(void*)MitAufraeumenDesAufrufers, 2));
    EXPECT_EQ(8, AbgeraeumteBytes((FARPROC)(void*)MitAufraeumenDesGerufenen, 2));
#endif
    HMODULE modul = Standin_ModulLaden();
    ASSERT_NE(nullptr, modul);
    /* Name and 32-bit argument words as the host calls them; every entry
     * returns at once for null arguments. */
    struct {
        const char* name;
        int worte;
    } const einstiege[] = {
        { "KTOXEDI_Bearbeiten", 1 },          { "EDILieferung_GetAllDesadvSet", 7 },
        { "EDI_ErmittleEigeneILN", 1 },       { "EDI_ErmittleLieferant", 1 },
        { "EDILieferung_HoleEDI_ImportPfad", 2 }, { "EDILieferung_HoleSicherungsPfad", 2 },
        { "KTOXEDIARTDIALOG_Dialog", 2 },
    };
    for (const auto& e : einstiege) {
        FARPROC f = GetProcAddress(modul, e.name);
        ASSERT_NE(nullptr, (void*)f) << e.name;
#if defined(__i386__)
        EXPECT_EQ(4 * e.worte, AbgeraeumteBytes(f, e.worte)) << e.name << " is not stdcall with " << e.worte
                                                            << " argument words";
#endif
    }
}

TEST(Wortbreite, PreisumrechnungUnabhaengigVomFpuZustand)
{
    /* (preis / 100 / faktor + 0.005) * 100 in double precision: 0.57 / 2
     * gives 0.28 and 0.29 / 2 gives 0.15. With the x87's 64-bit mantissa
     * the sums land on the other side of the cent (0.29 and 0.14), so the
     * result would depend on the precision the host leaves the FPU in. */
    struct {
        int32_t preis;
        float faktor;
        int32_t erwartet;
    } const faelle[] = { { 57, 2.0f, 28 }, { 29, 2.0f, 15 }, { 1956, 1.95583f, 1000 }, { 5, 1.0f, 5 } };
#if defined(__i386__)
    unsigned int vorher = _controlfp(0, 0);
    for (unsigned int genauigkeit : { (unsigned int)_PC_64, (unsigned int)_PC_53 }) {
        _controlfp(genauigkeit, _MCW_PC);
#else
    for (int genauigkeit : { 0 }) {
#endif
        for (const auto& f : faelle)
            EXPECT_EQ(f.erwartet, PreisUmrechnen(f.preis, f.faktor))
                << f.preis << " / " << f.faktor << ", precision " << genauigkeit;
    }
#if defined(__i386__)
    _controlfp(vorher, _MCW_PC);
#endif
}
