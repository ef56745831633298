/*
 * fileio.cpp (native) - the two file calls the readers make.
 */
#include "hostapi/fileio.h"

#include <sys/stat.h>
#include <unistd.h>

OX_EXTERN_C int32_t FileIO_Exist(const char* path)
{
    if (path == nullptr || path[0] == '\0')
        return -1;
    struct stat st;
    return (stat(path, &st) == 0 && S_ISREG(st.st_mode)) ? 1 : 0;
}

OX_EXTERN_C int32_t FileIO_DeleteFile(const char* path)
{
    if (path == nullptr || path[0] == '\0')
        return -1;
    return unlink(path) == 0 ? 1 : 0;
}
