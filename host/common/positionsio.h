/*
 * positionsio.h - reading and writing a file at a given position on
 * Windows without touching the handle's file pointer, as the stores of the
 * host do for every record.
 *
 * ReadFile and WriteFile with an OVERLAPPED name the position, but they
 * also pass the OVERLAPPED on as the value for an I/O completion port,
 * which costs a call into the system's server for every read and write
 * under Wine, completion port or not. These helpers go to the system's
 * NtReadFile / NtWriteFile with the position and without a completion
 * value: the same read or write, no extra call. When those two cannot be
 * found, ReadFile / WriteFile with an OVERLAPPED do the work.
 *
 * The handle must be a synchronous one (opened without
 * FILE_FLAG_OVERLAPPED). Header only, used by DBADLL and OXTABELLE.
 */
#ifndef OX_COMMON_POSITIONSIO_H
#define OX_COMMON_POSITIONSIO_H

#include <windows.h>

#include <cstdint>

namespace positionsio {

struct StatusBlock {
    union {
        LONG Status;
        void* Zeiger;
    };
    ULONG_PTR Information;
};

using NtDateiRuf = LONG(WINAPI*)(HANDLE, HANDLE, void*, void*, StatusBlock*, void*, ULONG, LARGE_INTEGER*, ULONG*);

struct Rufe {
    NtDateiRuf lesen;
    NtDateiRuf schreiben;
};

inline const Rufe& NtRufe()
{
    static const Rufe r = [] {
        Rufe x{nullptr, nullptr};
        HMODULE nt = GetModuleHandleA("ntdll.dll");
        if (nt) {
            x.lesen = reinterpret_cast<NtDateiRuf>(reinterpret_cast<void*>(GetProcAddress(nt, "NtReadFile")));
            x.schreiben = reinterpret_cast<NtDateiRuf>(reinterpret_cast<void*>(GetProcAddress(nt, "NtWriteFile")));
        }
        return x;
    }();
    return r;
}

constexpr LONG kEndeDerDatei = static_cast<LONG>(0xC0000011L);   /* STATUS_END_OF_FILE */
constexpr LONG kWartet = 0x00000103L;                            /* STATUS_PENDING */

/* Reads up to `n` bytes at `pos` into `puffer`; *gelesen gets the count
 * (0 at or behind the end of the file). False on an error. */
inline bool Lesen(HANDLE h, uint64_t pos, void* puffer, DWORD n, DWORD* gelesen)
{
    *gelesen = 0;
    const Rufe& r = NtRufe();
    if (r.lesen) {
        StatusBlock sb{};
        LARGE_INTEGER p;
        p.QuadPart = static_cast<LONGLONG>(pos);
        LONG st = r.lesen(h, nullptr, nullptr, nullptr, &sb, puffer, n, &p, nullptr);
        if (st == kWartet) {
            WaitForSingleObject(h, INFINITE);
            st = sb.Status;
        }
        if (st == kEndeDerDatei) return true;
        if (st < 0) return false;
        *gelesen = static_cast<DWORD>(sb.Information);
        return true;
    }
    OVERLAPPED ov{};
    ov.Offset = static_cast<DWORD>(pos);
    ov.OffsetHigh = static_cast<DWORD>(pos >> 32);
    if (ReadFile(h, puffer, n, gelesen, &ov)) return true;
    return GetLastError() == ERROR_HANDLE_EOF;
}

/* Writes `n` bytes at `pos` (extending the file); *geschrieben gets the
 * count. False on an error. */
inline bool Schreiben(HANDLE h, uint64_t pos, const void* puffer, DWORD n, DWORD* geschrieben)
{
    *geschrieben = 0;
    const Rufe& r = NtRufe();
    if (r.schreiben) {
        StatusBlock sb{};
        LARGE_INTEGER p;
        p.QuadPart = static_cast<LONGLONG>(pos);
        LONG st = r.schreiben(h, nullptr, nullptr, nullptr, &sb, const_cast<void*>(puffer), n, &p, nullptr);
        if (st == kWartet) {
            WaitForSingleObject(h, INFINITE);
            st = sb.Status;
        }
        if (st < 0) return false;
        *geschrieben = static_cast<DWORD>(sb.Information);
        return true;
    }
    OVERLAPPED ov{};
    ov.Offset = static_cast<DWORD>(pos);
    ov.OffsetHigh = static_cast<DWORD>(pos >> 32);
    return WriteFile(h, puffer, n, geschrieben, &ov) != 0;
}

} // namespace positionsio

#endif
