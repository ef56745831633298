/*
 * fileio_posix.cpp - the file library's calls on POSIX systems, with the
 * contract of the Windows ones (fileio.cpp): paths as the module writes
 * them ("\" or "/", names in any case; common/posixpfad.h), times as
 * FILETIME values, a search that matches its name pattern without regard
 * to case as Windows does ("*.*" matches every name).
 *
 * A POSIX system keeps no creation time: FileIO_TimeInfo gives the time of
 * the last status change in its place.
 */
#include "FILEIO/fileio_host.h"
#include "fileio_core.h"
#include "fileio_tabelle.h"
#include "common/posixpfad.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/* An open file (fd) or a search (its folder stream, pattern and folder). */
struct Griff {
    int fd = -1;
    DIR* ordner = nullptr;
    std::string muster;
    std::string pfad;
};

using Table = FileIoTabelle<Griff*>;
using Entry = Table::Entry;

Table& table()
{
    static Table t;
    return t;
}

void Zu(Griff* g)
{
    if (g == nullptr)
        return;
    if (g->fd >= 0)
        ::close(g->fd);
    if (g->ordner != nullptr)
        ::closedir(g->ordner);
    delete g;
}

HOSTHANDLE remember(Griff* g, bool search, bool writable)
{
    HOSTHANDLE rc = table().Remember(g, search, writable);
    if (rc == -1)
        Zu(g);
    return rc;
}

FILEIO_ZEIT FileTime(const struct timespec& t)
{
    constexpr uint64_t BIS_1970 = 11644473600ull;   /* seconds 1601 -> 1970 */
    uint64_t w = (static_cast<uint64_t>(t.tv_sec) + BIS_1970) * 10000000ull + static_cast<uint64_t>(t.tv_nsec) / 100;
    FILEIO_ZEIT z;
    z.Low = static_cast<uint32_t>(w);
    z.High = static_cast<uint32_t>(w >> 32);
    return z;
}

bool Status(const char* path, struct stat* st)
{
    return ::stat(PosixPfad(fileio_strip_trailing(path)).c_str(), st) == 0;
}

uint32_t Attribute(const struct stat& st, const char* name)
{
    uint32_t a = 0;
    if (S_ISDIR(st.st_mode))
        a |= FILEIO_ATTR_ORDNER;
    if ((st.st_mode & S_IWUSR) == 0)
        a |= FILEIO_ATTR_SCHREIBGESCHUETZT;
    if (name[0] == '.')
        a |= FILEIO_ATTR_VERSTECKT;
    return a;
}

HOSTHANDLE openFile(const char* path, int flags)
{
    if (!fileio_path_valid(path))
        return -1;
    int fd = ::open(PosixPfad(path).c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    Griff* g = new (std::nothrow) Griff;
    if (g == nullptr) {
        ::close(fd);
        return -1;
    }
    g->fd = fd;
    return remember(g, false, (flags & O_ACCMODE) != O_RDONLY);
}

int32_t movePointer(HOSTHANDLE file, off_t distance, int whence)
{
    Entry e;
    if (!table().Lookup(file, false, &e))
        return -1;
    off_t now = ::lseek(e.handle->fd, distance, whence);
    if (now < 0 || now > INT32_MAX)
        return -1;
    return static_cast<int32_t>(now);
}

bool CopyContent(const std::string& source, const std::string& target, bool failIfExists)
{
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (failIfExists ? O_EXCL : O_TRUNC), 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char chunk[65536];
    for (;;) {
        ssize_t got = ::read(in, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < got;) {
            ssize_t put = ::write(out, chunk + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            ok = put > 0;
            if (ok)
                done += put;
        }
        if (!ok)
            break;
    }
    ::close(in);
    if (::close(out) != 0)
        ok = false;
    return ok;
}

/* The next entry of the search that matches its pattern; false at the end. */
bool NextMatch(Griff* g, FILEIO_FUNDSTELLE* found)
{
    while (struct dirent* e = ::readdir(g->ordner)) {
        const char* name = e->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        if (::fnmatch(g->muster.c_str(), name, FNM_CASEFOLD) != 0)
            continue;
        if (found != nullptr) {
            std::memset(found, 0, sizeof(*found));
            struct stat st;
            if (::stat((g->pfad + name).c_str(), &st) == 0) {
                found->Attribute = Attribute(st, name);
                found->Geschrieben = FileTime(st.st_mtim);
                found->GroesseLow = static_cast<uint32_t>(static_cast<uint64_t>(st.st_size));
                found->GroesseHigh = static_cast<uint32_t>(static_cast<uint64_t>(st.st_size) >> 32);
            }
            fileio_copy_text(found->Name, sizeof(found->Name), name, std::strlen(name));
        }
        return true;
    }
    return false;
}

} // namespace

OX_EXTERN_C int32_t OXCALL FileIO_PathExist(const char* path)
{
    if (!fileio_path_valid(path))
        return -1;
    struct stat st;
    return Status(path, &st) && S_ISDIR(st.st_mode) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_PathCreate(const char* path)
{
    if (!fileio_path_valid(path))
        return -1;
    int32_t rc = 1;
    try {
        std::string p = PosixPfad(path);
        for (const std::string& folder : fileio_folder_chain(p)) {
            std::string f = PosixPfad(folder);
            struct stat st;
            if (::stat(f.c_str(), &st) == 0) {
                if (!S_ISDIR(st.st_mode)) {
                    rc = 0; /* a file stands in the way */
                    break;
                }
                continue;
            }
            if (::mkdir(f.c_str(), 0755) != 0 && errno != EEXIST) {
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
    struct stat st;
    return ::stat(PosixPfad(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_DeleteFile(const char* path)
{
    if (!fileio_path_valid(path))
        return -1;
    std::string p = PosixPfad(path);
    struct stat st;
    if (::stat(p.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return 0;
    return ::unlink(p.c_str()) == 0 ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_CopyFile(const char* source, const char* target, int32_t failIfExists)
{
    if (!fileio_path_valid(source) || !fileio_path_valid(target))
        return -1;
    return CopyContent(PosixPfad(source), PosixPfad(target), failIfExists != 0) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_MoveFile(const char* source, const char* target)
{
    if (!fileio_path_valid(source) || !fileio_path_valid(target))
        return -1;
    std::string von = PosixPfad(source), nach = PosixPfad(target);
    struct stat st;
    if (::stat(von.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return 0;
    if (::rename(von.c_str(), nach.c_str()) == 0)
        return 1;
    /* across file systems: copy, then delete */
    if (errno == EXDEV && CopyContent(von, nach, false) && ::unlink(von.c_str()) == 0)
        return 1;
    return 0;
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
    struct stat st;
    if (!Status(path, &st))
        return 0;
    const struct timespec* stamps[3] = {&st.st_ctim, &st.st_atim, &st.st_mtim};
    for (int i = 0; i < 3; ++i)
        if (outs[i] != nullptr)
            *outs[i] = FileTime(*stamps[i]);
    return 1;
}

OX_EXTERN_C int32_t OXCALL FileIO_Separate(const char* path, char* folder, int32_t folderSize, char* name,
                                          int32_t nameSize)
{
    return fileio_split(path, folder, folderSize, name, nameSize);
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_OpenROS(const char* path)
{
    return openFile(path, O_RDONLY);
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_OpenRWS(const char* path)
{
    return openFile(path, O_RDWR);
}

OX_EXTERN_C HOSTHANDLE OXCALL FileIO_CreateRWS(const char* path)
{
    return openFile(path, O_RDWR | O_CREAT | O_TRUNC);
}

OX_EXTERN_C int32_t OXCALL FileIO_Close(HOSTHANDLE file)
{
    Entry e;
    if (!table().Forget(file, false, &e))
        return -1;
    Zu(e.handle);
    return 1;
}

OX_EXTERN_C int32_t OXCALL FileIO_Read(HOSTHANDLE file, void* buffer, int32_t size)
{
    Entry e;
    if (buffer == nullptr || size < 0 || !table().Lookup(file, false, &e))
        return -1;
    char* p = static_cast<char*>(buffer);
    int32_t got = 0;
    while (got < size) {
        ssize_t r = ::read(e.handle->fd, p + got, static_cast<size_t>(size - got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return got > 0 ? got : -1;
        if (r == 0)
            break;
        got += static_cast<int32_t>(r);
    }
    return got;
}

OX_EXTERN_C int32_t OXCALL FileIO_Write(HOSTHANDLE file, const void* buffer, int32_t size)
{
    Entry e;
    if (buffer == nullptr || size < 0 || !table().Lookup(file, false, &e) || !e.writable)
        return -1;
    const char* p = static_cast<const char*>(buffer);
    int32_t put = 0;
    while (put < size) {
        ssize_t r = ::write(e.handle->fd, p + put, static_cast<size_t>(size - put));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        put += static_cast<int32_t>(r);
    }
    return put;
}

OX_EXTERN_C int32_t OXCALL FileIO_SetPos(HOSTHANDLE file, int32_t position)
{
    if (position < 0)
        return -1;
    return movePointer(file, position, SEEK_SET);
}

OX_EXTERN_C int32_t OXCALL FileIO_SetPosFromEnd(HOSTHANDLE file, int32_t distance)
{
    int32_t size = FileIO_GetSize(file);
    if (size < 0 || distance < 0 || distance > size)
        return -1;
    return movePointer(file, -static_cast<off_t>(distance), SEEK_END);
}

OX_EXTERN_C int32_t OXCALL FileIO_GetSize(HOSTHANDLE file)
{
    Entry e;
    struct stat st;
    if (!table().Lookup(file, false, &e) || ::fstat(e.handle->fd, &st) != 0 || st.st_size > INT32_MAX)
        return -1;
    return static_cast<int32_t>(st.st_size);
}

OX_EXTERN_C int32_t OXCALL FileIO_SetEnd(HOSTHANDLE file)
{
    Entry e;
    if (!table().Lookup(file, false, &e) || !e.writable)
        return -1;
    off_t hier = ::lseek(e.handle->fd, 0, SEEK_CUR);
    return hier >= 0 && ::ftruncate(e.handle->fd, hier) == 0 ? 1 : -1;
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
    Griff* g = new (std::nothrow) Griff;
    if (g == nullptr)
        return -1;
    try {
        char folder[OX_TXT_PATH], name[OX_TXT_PATH];
        if (fileio_split(pattern, folder, sizeof folder, name, sizeof name) != 1 || name[0] == '\0') {
            Zu(g);
            return -1;
        }
        g->pfad = folder[0] == '\0' ? std::string("./") : PosixPfad(folder);
        if (g->pfad.back() != '/')
            g->pfad.push_back('/');
        g->muster = std::strcmp(name, "*.*") == 0 ? std::string("*") : std::string(name);
    } catch (...) {
        Zu(g);
        return -1;
    }
    g->ordner = ::opendir(g->pfad.c_str());
    if (g->ordner == nullptr || !NextMatch(g, found)) {
        if (found != nullptr)
            std::memset(found, 0, sizeof(*found));
        Zu(g);
        return -1;
    }
    return remember(g, true, false);
}

OX_EXTERN_C int32_t OXCALL FileIO_FindNextFile(HOSTHANDLE search, FILEIO_FUNDSTELLE* found)
{
    Entry e;
    if (!table().Lookup(search, true, &e))
        return -1;
    return NextMatch(e.handle, found) ? 1 : 0;
}

OX_EXTERN_C int32_t OXCALL FileIO_FindClose(HOSTHANDLE search)
{
    Entry e;
    if (!table().Forget(search, true, &e))
        return -1;
    Zu(e.handle);
    return 1;
}
