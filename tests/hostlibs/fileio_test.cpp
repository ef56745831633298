/*
 * fileio_test.cpp - the file library on real folders and files.
 */
#include "FILEIO/fileio_host.h"
#include "hostlibs/hostlibs_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using hostlibs::ReadAll;
using hostlibs::ScratchFolder;
using hostlibs::WriteAll;

namespace {

TEST(FileIoFolders, PathCreateMakesEveryMissingLevel)
{
    ScratchFolder folder("fio");
    std::string deep = folder / "EDI_IMPORT\\SICHERUNG\\A\\B\\";
    EXPECT_EQ(0, FileIO_PathExist(deep.c_str()));
    EXPECT_EQ(1, FileIO_PathCreate(deep.c_str()));
    EXPECT_EQ(1, FileIO_PathExist(deep.c_str()));
    EXPECT_EQ(1, FileIO_PathExist((folder / "EDI_IMPORT").c_str()));
    EXPECT_EQ(1, FileIO_PathCreate(deep.c_str())); /* already there */
    EXPECT_EQ(1, FileIO_PathCreate((folder / "X/Y").c_str()));
    EXPECT_EQ(1, FileIO_PathExist((folder / "X\\Y\\").c_str()));
}

TEST(FileIoFolders, PathCreateFailsOnAFileInTheWay)
{
    ScratchFolder folder("fio");
    WriteAll(folder / "DATEI", "x");
    EXPECT_EQ(0, FileIO_PathCreate((folder / "DATEI\\UNTER").c_str()));
    EXPECT_EQ(0, FileIO_PathExist((folder / "DATEI").c_str()));
    EXPECT_EQ(1, FileIO_Exist((folder / "DATEI").c_str()));
    EXPECT_EQ(0, FileIO_Exist(folder.path.c_str()));
    EXPECT_EQ(-1, FileIO_PathCreate(""));
    EXPECT_EQ(-1, FileIO_PathCreate(nullptr));
    EXPECT_EQ(-1, FileIO_PathExist(std::string(300, 'a').c_str()));
}

TEST(FileIoFiles, DeleteCopyAndMove)
{
    ScratchFolder folder("fio");
    std::string a = folder / "A.INH";
    std::string b = folder / "B.INH";
    WriteAll(a, "eins");
    WriteAll(b, "zwei");
    EXPECT_EQ(0, FileIO_CopyFile(a.c_str(), b.c_str(), 1));
    EXPECT_EQ("zwei", ReadAll(b));
    EXPECT_EQ(1, FileIO_CopyFile(a.c_str(), b.c_str(), 0));
    EXPECT_EQ("eins", ReadAll(b));
    EXPECT_EQ(0, FileIO_CopyFile((folder / "FEHLT").c_str(), b.c_str(), 0));
    std::string c = folder / "C.INH";
    EXPECT_EQ(1, FileIO_MoveFile(b.c_str(), c.c_str()));
    EXPECT_EQ(0, FileIO_Exist(b.c_str()));
    EXPECT_EQ("eins", ReadAll(c));
    hostlibs::MakeReadOnly(c);
    EXPECT_EQ(1, FileIO_DeleteFile(c.c_str()));
    EXPECT_EQ(0, FileIO_Exist(c.c_str()));
    EXPECT_EQ(0, FileIO_DeleteFile(c.c_str()));
}

TEST(FileIoFiles, ReadWritePositionsAndAppend)
{
    ScratchFolder folder("fio");
    std::string path = folder / "DATEN.DAT";
    int32_t before = FileIO_OpenHandles();
    HOSTHANDLE h = FileIO_CreateRWS(path.c_str());
    ASSERT_GT(h, 0);
    EXPECT_EQ(10, FileIO_Write(h, "0123456789", 10));
    EXPECT_EQ(10, FileIO_GetSize(h));
    EXPECT_EQ(4, FileIO_SetPos(h, 4));
    char buf[16] = {};
    EXPECT_EQ(3, FileIO_Read(h, buf, 3));
    EXPECT_STREQ("456", buf);
    EXPECT_EQ(8, FileIO_SetPosFromEnd(h, 2));
    EXPECT_EQ(2, FileIO_Read(h, buf, 16));
    EXPECT_EQ(0, FileIO_Read(h, buf, 16)); /* at the end */
    EXPECT_EQ(-1, FileIO_SetPosFromEnd(h, 11));
    EXPECT_EQ(1, FileIO_Close(h));
    EXPECT_EQ(-1, FileIO_Close(h)); /* stale handle */
    EXPECT_EQ(-1, FileIO_Read(h, buf, 1));

    /* open for appending, as the export does */
    HOSTHANDLE w = FileIO_OpenRWS(path.c_str());
    ASSERT_GT(w, 0);
    EXPECT_NE(h, w);
    EXPECT_EQ(10, FileIO_SetPosFromEnd(w, 0));
    EXPECT_EQ(3, FileIO_Write(w, "abc", 3));
    EXPECT_EQ("0123456789abc", ReadAll(path));
    EXPECT_EQ(5, FileIO_SetPos(w, 5));
    EXPECT_EQ(1, FileIO_SetEnd(w));
    EXPECT_EQ(1, FileIO_Close(w));
    EXPECT_EQ("01234", ReadAll(path));

    /* a read-only handle refuses writes */
    HOSTHANDLE r = FileIO_OpenROS(path.c_str());
    ASSERT_GT(r, 0);
    EXPECT_EQ(-1, FileIO_Write(r, "x", 1));
    EXPECT_EQ(1, FileIO_Close(r));
    EXPECT_EQ(-1, FileIO_OpenROS((folder / "FEHLT").c_str()));
    EXPECT_EQ(-1, FileIO_OpenRWS((folder / "FEHLT").c_str()));
    EXPECT_EQ(-1, FileIO_CreateRWS((folder / "KEIN\\ORDNER.DAT").c_str()));
    EXPECT_EQ(before, FileIO_OpenHandles());
}

TEST(FileIoFiles, CreateEmptiesAnExistingFile)
{
    ScratchFolder folder("fio");
    std::string path = folder / "NOTIMPORTED.DES";
    WriteAll(path, "alter Inhalt");
    HOSTHANDLE h = FileIO_CreateRWS(path.c_str());
    ASSERT_GT(h, 0);
    EXPECT_EQ(0, FileIO_GetSize(h));
    FileIO_Close(h);
}

TEST(FileIoFiles, TimeInfoGivesTheLastWrite)
{
    ScratchFolder folder("fio");
    std::string path = folder / "T.INH";
    WriteAll(path, "x");
    const uint64_t stamp = (1079085600ull + 11644473600ull) * 10000000ull; /* 2004-03-12 10:00 UTC */
    ASSERT_TRUE(hostlibs::SetWriteTime(path, stamp));
    FILEIO_ZEIT written;
    EXPECT_EQ(1, FileIO_TimeInfo(path.c_str(), nullptr, nullptr, &written));
    EXPECT_EQ(static_cast<uint32_t>(stamp), written.Low);
    EXPECT_EQ(static_cast<uint32_t>(stamp >> 32), written.High);
    EXPECT_EQ(0, FileIO_TimeInfo((folder / "FEHLT").c_str(), nullptr, nullptr, &written));
    EXPECT_EQ(0u, written.Low);
}

TEST(FileIoSearch, FindsEveryMatchButNotTheDotEntries)
{
    ScratchFolder folder("fio");
    WriteAll(folder / "PRICAT_1.INH", "1");
    WriteAll(folder / "PRICAT_2.INH", "22");
    WriteAll(folder / "PRICAT_2.ADR", "x");
    hostlibs::MakeFolder(folder / "SICHERUNG");
    FILEIO_FUNDSTELLE found;
    std::vector<std::string> names;
    HOSTHANDLE s = FileIO_FindFirstFile((folder / "*.INH").c_str(), &found);
    ASSERT_GT(s, 0);
    do {
        names.push_back(found.Name);
    } while (FileIO_FindNextFile(s, &found) == 1);
    EXPECT_EQ(1, FileIO_FindClose(s));
    EXPECT_EQ(-1, FileIO_FindClose(s));
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"PRICAT_1.INH", "PRICAT_2.INH"}), names);

    int folders = 0;
    int all = 0;
    s = FileIO_FindFirstFile((folder / "*").c_str(), &found);
    ASSERT_GT(s, 0);
    do {
        ++all;
        EXPECT_STRNE(".", found.Name);
        EXPECT_STRNE("..", found.Name);
        if (found.Attribute & FILEIO_ATTR_ORDNER)
            ++folders;
    } while (FileIO_FindNextFile(s, &found) == 1);
    FileIO_FindClose(s);
    EXPECT_EQ(4, all);
    EXPECT_EQ(1, folders);
    EXPECT_EQ(-1, FileIO_FindFirstFile((folder / "*.PRI").c_str(), &found));
    EXPECT_EQ(-1, FileIO_FindNextFile(12345678, &found));
}

TEST(FileIoSeparate, FolderKeepsItsSeparatorAndBothPartsAreBounded)
{
    char folder[OX_TXT_PATH];
    char name[OX_TXT_PATH];
    EXPECT_EQ(1, FileIO_Separate("C:\\EDI\\DESADV.DES", folder, sizeof(folder), name, sizeof(name)));
    EXPECT_STREQ("C:\\EDI\\", folder);
    EXPECT_STREQ("DESADV.DES", name);
    EXPECT_EQ(1, FileIO_Separate("C:X.DES", folder, sizeof(folder), name, sizeof(name)));
    EXPECT_STREQ("C:", folder);
    EXPECT_STREQ("X.DES", name);
    EXPECT_EQ(1, FileIO_Separate("a/b/c", folder, sizeof(folder), nullptr, 0));
    EXPECT_STREQ("a/b/", folder);
    char tiny[4];
    std::memset(name, '#', sizeof(name));
    EXPECT_EQ(0, FileIO_Separate("C:\\ORDNER\\LANGERNAME", folder, sizeof(folder), tiny, sizeof(tiny)));
    EXPECT_STREQ("LAN", tiny);
    EXPECT_EQ(-1, FileIO_Separate(nullptr, folder, sizeof(folder), name, sizeof(name)));
}

} // namespace
