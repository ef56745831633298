/*
 * fileio.cpp - the file library's calls on top of the Win32 ANSI functions
 * (fileio_posix.cpp has the same calls on POSIX systems).
 *
 * Open files and searches live in one process-wide table (fileio_tabelle.h).
 */
#include "FILEIO/fileio_host.h"
#include "fileio_core.h"
#include "fileio_tabelle.h"

#include <windows.h>

#include <cstring>

namespace {

using Table = FileIoTabelle<HANDLE>;
using Entry = Table::Entry;

Table& table()
{
    static Table t;
    return t;
}

HOSTHANDLE remember(HANDLE handle, bool search, bool writable)
{
    HOSTHANDLE rc = table().Remember(handle, search, writable);
    if (rc == -1) {
        if (search)
            FindClose(handle);
        else
            CloseHandle(handle);
    }
    return rc;
}

bool lookup(HOSTHANDLE id, bool search, Entry* out)
{
    return table().Lookup(id, search, out);
}

bool forget(HOSTHANDLE id, bool search, Entry* out)
{
    return table().Forget(id, search, out);
}

DWORD attributesOf(const char* path)
{
    std::string stripped = fileio_strip_trailing(path);
    return GetFileAttributesA(stripped.c_str());
}

void fillFound(const WIN32_FIND_DATAA& data, FILEIO_FUNDSTELLE* found)
{
    if (found == nullptr)
        return;
    std::memset(found, 0, sizeof(*found));
    found->Attribute = data.dwFileAttributes;
    found->Geschrieben.Low = data.ftLastWriteTime.dwLowDateTime;
    found->Geschrieben.High = data.ftLastWriteTime.dwHighDateTime;
    found->GroesseLow = data.nFileSizeLow;
    found->GroesseHigh = data.nFileSizeHigh;
    fileio_copy_text(found->Name, sizeof(found->Name), data.cFileName, std::strlen(data.cFileName));
}

bool isDotEntry(const WIN32_FIND_DATAA& data)
{
    return std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0;
}

HOSTHANDLE openFile(const char* path, DWORD access, DWORD disposition)
{
    if (!fileio_path_valid(path))
        return -1;
    HANDLE h = CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    return remember(h, false, (access & GENERIC_WRITE) != 0);
}

int32_t movePointer(HOSTHANDLE file, LONGLONG distance, DWORD method)
{
    Entry e;
    if (!lookup(file, false, &e))
        return -1;
    LARGE_INTEGER move;
    LARGE_INTEGER now;
    move.QuadPart = distance;
    if (!SetFilePointerEx(e.handle, move, &now, method))
        return -1;
    if (now.QuadPart > INT32_MAX)
        return -1;
    return static_cast<int32_t>(now.QuadPart);
}

} // namespace

OX_EXTERN_C int32_t OXCALL FileIO_PathExist(const char* path)
{
    if (!fileio_path_valid(path))
        return -1;
    DWORD a = attributesOf(path);
    return (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_PathCreate(const char* path)
{
    int32_t rc = 1;
    if (!fileio_path_valid(path))
        return -1;
    try {
        for (const std::string& folder : fileio_folder_chain(path)) {
            DWORD a = GetFileAttributesA(folder.c_str());
            if (a != INVALID_FILE_ATTRIBUTES) {
                if ((a & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                    rc = 0; /* a file stands in the way */
                    break;
                }
                continue;
            }
            if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
                rc = 0;
                break;
            }
        }
    } catch (...) {
        rc = 0;
    }
    if (rc == 1 && FileIO_PathExist(path) != 1)
        rc = 0;
    return rc;
}

OX_EXTERN_C int32_t OXCALL FileIO_Exist(const char* path)
{
    if (!fileio_path_valid(path))
        return -1;
    DWORD a = GetFileAttributesA(path);
    return (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_DeleteFile(const char* path)
{
    if (!fileio_path_valid(path))
        return -1;
    if (DeleteFileA(path))
        return 1;
    DWORD a = GetFileAttributesA(path);
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (a & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesA(path, a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
        if (DeleteFileA(path))
            return 1;
    }
    return 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_CopyFile(const char* source, const char* target, int32_t failIfExists)
{
    if (!fileio_path_valid(source) || !fileio_path_valid(target))
        return -1;
    return CopyFileA(source, target, failIfExists != 0 ? TRUE : FALSE) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_MoveFile(const char* source, const char* target)
{
    if (!fileio_path_valid(source) || !fileio_path_valid(target))
        return -1;
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_TimeInfo(const char* path, FILEIO_ZEIT* created, FILEIO_ZEIT* accessed,
                                          FILEIO_ZEIT* written)
{
    FILEIO_ZEIT* outs[3] = {created, accessed, written};
    for (FILEIO_ZEIT* o : outs)
        if (o != nullptr)
            std::memset(o, 0, sizeof(*o));
    if (!fileio_path_valid(path))
        return -1;
    WIN32_FILE_ATTRIBUTE_DATA data;
    std::string stripped = fileio_strip_trailing(path);
    if (!GetFileAttributesExA(stripped.c_str(), GetFileExInfoStandard, &data))
        return 0;
    const FILETIME* stamps[3] = {&data.ftCreationTime, &data.ftLastAccessTime, &data.ftLastWriteTime};
    for (int i = 0; i < 3; ++i) {
        if (outs[i] != nullptr) {
            outs[i]->Low = stamps[i]->dwLowDateTime;
            outs[i]->High = stamps[i]->dwHighDateTime;
        }
    }
    return 1;
}

OX_EXTERN_C int32_t OXCALL FileIO_Separate(const char* path, char* folder, int32_t folderSize, char* name,
                                          int32_t nameSize)
{
    return fileio_split(path, folder, folderSize, name, nameSize);
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_OpenROS(const char* path)
{
    return openFile(path, GENERIC_READ, OPEN_EXISTING);
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_OpenRWS(const char* path)
{
    return openFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_CreateRWS(const char* path)
{
    return openFile(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
}

OX_EXTERN_C int32_t OXCALL FileIO_Close(HOSTHANDLE file)
{
    Entry e;
    if (!forget(file, false, &e))
        return -1;
    CloseHandle(e.handle);
    return 1;
}

OX_EXTERN_C int32_t OXCALL FileIO_Read(HOSTHANDLE file, void* buffer, int32_t size)
{
    Entry e;
    if (buffer == nullptr || size < 0 || !lookup(file, false, &e))
        return -1;
    DWORD got = 0;
    if (!ReadFile(e.handle, buffer, static_cast<DWORD>(size), &got, nullptr))
        return -1;
    return static_cast<int32_t>(got);
}

OX_EXTERN_C int32_t OXCALL FileIO_Write(HOSTHANDLE file, const void* buffer, int32_t size)
{
    Entry e;
    if (buffer == nullptr || size < 0 || !lookup(file, false, &e) || !e.writable)
        return -1;
    DWORD put = 0;
    if (size == 0)
        return 0;
    if (!WriteFile(e.handle, buffer, static_cast<DWORD>(size), &put, nullptr) && put == 0)
        return 0;
    return static_cast<int32_t>(put);
}

OX_EXTERN_C int32_t OXCALL FileIO_SetPos(HOSTHANDLE file, int32_t position)
{
    if (position < 0)
        return -1;
    return movePointer(file, position, FILE_BEGIN);
}

OX_EXTERN_C int32_t OXCALL FileIO_SetPosFromEnd(HOSTHANDLE file, int32_t distance)
{
    int32_t size = FileIO_GetSize(file);
    if (size < 0 || distance < 0 || distance > size)
        return -1;
    return movePointer(file, -static_cast<LONGLONG>(distance), FILE_END);
}

OX_EXTERN_C int32_t OXCALL FileIO_GetSize(HOSTHANDLE file)
{
    Entry e;
    LARGE_INTEGER size;
    if (!lookup(file, false, &e) || !GetFileSizeEx(e.handle, &size) || size.QuadPart > INT32_MAX)
        return -1;
    return static_cast<int32_t>(size.QuadPart);
}

OX_EXTERN_C int32_t OXCALL FileIO_SetEnd(HOSTHANDLE file)
{
    Entry e;
    if (!lookup(file, false, &e) || !e.writable)
        return -1;
    return SetEndOfFile(e.handle) ? 1 : -1;
}

OX_EXTERN_C int32_t OXCALL FileIO_OpenHandles(void)
{
    return table().OpenFiles();
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_FindFirstFile(const char* pattern, FILEIO_FUNDSTELLE* found)
{
    if (found != nullptr)
        std::memset(found, 0, sizeof(*found));
    if (!fileio_path_valid(pattern))
        return -1;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern, &data);
    if (h == INVALID_HANDLE_VALUE)
        return -1;
    while (isDotEntry(data)) {
        if (!FindNextFileA(h, &data)) {
            FindClose(h);
            return -1;
        }
    }
    fillFound(data, found);
    return remember(h, true, false);
}

OX_EXTERN_C int32_t OXCALL FileIO_FindNextFile(HOSTHANDLE search, FILEIO_FUNDSTELLE* found)
{
    Entry e;
    if (!lookup(search, true, &e))
        return -1;
    WIN32_FIND_DATAA data;
    do {
        if (!FindNextFileA(e.handle, &data))
            return 0;
    } while (isDotEntry(data));
    fillFound(data, found);
    return 1;
}

OX_EXTERN_C int32_t OXCALL FileIO_FindClose(HOSTHANDLE search)
{
    Entry e;
    if (!forget(search, true, &e))
        return -1;
    FindClose(e.handle);
    return 1;
}
