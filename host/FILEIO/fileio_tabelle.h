/*
 * fileio_tabelle.h - the file library's table of open files and searches,
 * shared by its Windows (fileio.cpp) and POSIX (fileio_posix.cpp) calls:
 * one process-wide table keyed by a handle number that only grows, so a
 * closed handle never comes back. `G` is the system's handle of an open
 * file or search.
 */
#ifndef OX_FILEIO_TABELLE_H
#define OX_FILEIO_TABELLE_H

#include "hostapi/hostdefs.h"

#include <mutex>
#include <unordered_map>

template <typename G>
struct FileIoTabelle {
    struct Entry {
        G handle;
        bool search;
        bool writable;
    };

    std::mutex lock;
    std::unordered_map<int32_t, Entry> entries;
    int32_t next = 1;

    /* A new handle number for `handle`; -1 when none can be given (the
     * caller closes `handle` then). */
    HOSTHANDLE Remember(G handle, bool search, bool writable)
    {
        try {
            std::lock_guard<std::mutex> guard(lock);
            if (next == INT32_MAX)
                return -1;
            HOSTHANDLE rc = next++;
            entries.emplace(rc, Entry{handle, search, writable});
            return rc;
        } catch (...) {
            return -1;
        }
    }

    /* The entry of `id` when it is one of the kind (file or search). */
    bool Lookup(HOSTHANDLE id, bool search, Entry* out)
    {
        std::lock_guard<std::mutex> guard(lock);
        auto it = entries.find(id);
        if (it == entries.end() || it->second.search != search)
            return false;
        *out = it->second;
        return true;
    }

    /* As Lookup, and the entry leaves the table. */
    bool Forget(HOSTHANDLE id, bool search, Entry* out)
    {
        std::lock_guard<std::mutex> guard(lock);
        auto it = entries.find(id);
        if (it == entries.end() || it->second.search != search)
            return false;
        *out = it->second;
        entries.erase(it);
        return true;
    }

    /* Open files (searches not counted). */
    int32_t OpenFiles()
    {
        int32_t n = 0;
        std::lock_guard<std::mutex> guard(lock);
        for (const auto& kv : entries)
            if (!kv.second.search)
                ++n;
        return n;
    }
};

#endif
