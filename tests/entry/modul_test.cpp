/*
 * KTOXEDI.DLL as the host loads it: exactly its seven entry points, the
 * mode dispatch and the freeing of the context through the real export.
 */
#include <gtest/gtest.h>

#include "harness/person.h"
#include "harness/testordner.h"
#include "standin.h"
#include "KTSTORAGE/ktstorage_host.h"

#include <string>

TEST(Modul, SiebenEinstiegeUnverziert)
{
    HMODULE modul = Standin_ModulLaden();
    ASSERT_NE(nullptr, modul);
    for (const char* name : { "KTOXEDI_Bearbeiten", "EDILieferung_GetAllDesadvSet", "EDI_ErmittleEigeneILN",
                              "EDI_ErmittleLieferant", "EDILieferung_HoleEDI_ImportPfad",
                              "EDILieferung_HoleSicherungsPfad", "KTOXEDIARTDIALOG_Dialog" })
        EXPECT_NE(nullptr, (void*)GetProcAddress(modul, name)) << name;

    /* Nothing else: the export directory lists exactly seven names. */
    const BYTE* basis = (const BYTE*)modul;
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(basis + ((const IMAGE_DOS_HEADER*)basis)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const IMAGE_EXPORT_DIRECTORY* exp = (const IMAGE_EXPORT_DIRECTORY*)(basis + dir.VirtualAddress);
    EXPECT_EQ(7u, exp->NumberOfNames);
}

TEST(Modul, ImportUndExportUeberDenEchtenEinstieg)
{
    std::string wurzel = NeuerTestordner("modul");
    StandinHost host;
    ASSERT_EQ(1, Standin_Init(host, wurzel + "DATEN\\"));
    g_StandinStill = 1;
    int32_t bloecke = Storage_OutstandingBlocks();

    Standin_Parameter(host, 1);
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)Standin_Bearbeiten(host); }, [&](Person& p) {
        HWND w = p.WaitWindow("EDI Import");
        ASSERT_NE(nullptr, w);
        EXPECT_EQ(bloecke + 1, Storage_OutstandingBlocks()) << "one context block while the call runs";
        p.Click(w, 1012);
    });
    EXPECT_EQ(1, r);
    EXPECT_EQ(bloecke, Storage_OutstandingBlocks());

    for (int modus : { 0, 2, -1 }) {
        Standin_Parameter(host, modus);
        r = RunWithPerson([&] { return (INT_PTR)Standin_Bearbeiten(host); }, [&](Person& p) {
            HWND w = p.WaitWindow("Artikelstammdaten Export");
            ASSERT_NE(nullptr, w);
            p.Click(w, IDCANCEL);
        });
        EXPECT_EQ(1, r) << "mode " << modus;
        EXPECT_EQ(bloecke, Storage_OutstandingBlocks());
    }
    EXPECT_TRUE(Existiert(wurzel + "EDI_IMPORT"));
}

TEST(Modul, UeberlangeTexteImParameterblock)
{
    std::string wurzel = NeuerTestordner("modullang");
    StandinHost host;
    ASSERT_EQ(1, Standin_Init(host, wurzel + "DATEN\\"));
    host.ftpServer = std::string(300, 's');
    host.ftpBenutzer = std::string(300, 'b');
    host.ftpPasswort = std::string(300, 'p');
    host.uploadBasisPfad = std::string(300, 'u');
    host.uploadZusatz = std::string(300, 'z');
    host.benutzerKennung = std::string(300, 'k');
    Standin_Parameter(host, 0);
    INT_PTR r = RunWithPerson([&] { return (INT_PTR)Standin_Bearbeiten(host); }, [&](Person& p) {
        HWND w = p.WaitWindow("Artikelstammdaten Export");
        ASSERT_NE(nullptr, w);
        p.Click(w, IDCANCEL);
    });
    EXPECT_EQ(1, r);
}
