/*
 * callbacks.cpp - the 26 functions the stand-in host hands to the module.
 *
 * A function that this host does not offer says so in a message box and
 * answers "not found"; it never makes up data.
 */
#include "standin.h"
#include "callbacks.h"

#include <stdio.h>

long g_StandinRufe[27];
int g_StandinStill;

static int32_t NichtVerfuegbar(int nummer)
{
    g_StandinRufe[nummer]++;
    if (!g_StandinStill) {
        char text[160];
        snprintf(text, sizeof text, "Die Host-Funktion %02d ist in diesem Programm nicht verf\xfc" "gbar.", nummer);
        MessageBoxA(nullptr, text, "ORDANEX", MB_OK | MB_ICONINFORMATION);
    }
    return 0;
}

int32_t WINAPI Host01(int32_t, HWND, int32_t)
{
    return NichtVerfuegbar(1);
}

int32_t WINAPI Host02(int32_t, const char*)
{
    return NichtVerfuegbar(2);
}

int32_t WINAPI Host03(int32_t, OXTABELLE*, HOST_ZEITSTEMPEL*)
{
    return NichtVerfuegbar(3);
}

int32_t WINAPI Host04(int32_t, OXTABELLE*, HOST_ZEITSTEMPEL*)
{
    return NichtVerfuegbar(4);
}

int32_t WINAPI Host05(int32_t, const OXTABELLE*)
{
    return NichtVerfuegbar(5);
}

int32_t WINAPI Host06(int32_t, OXTABELLE*, HOST_ZEITSTEMPEL*)
{
    return NichtVerfuegbar(6);
}

int32_t WINAPI Host07(OXTABELLE*, int32_t)
{
    return NichtVerfuegbar(7);
}

int32_t WINAPI Host08(int32_t, int32_t)
{
    return NichtVerfuegbar(8);
}

int32_t WINAPI Host09(int32_t, int32_t)
{
    return NichtVerfuegbar(9);
}

int32_t WINAPI Host10(int32_t)
{
    return NichtVerfuegbar(10);
}

int32_t WINAPI Host11(int32_t)
{
    return NichtVerfuegbar(11);
}

int32_t WINAPI Host12(HWND, int32_t, int32_t, const char*)
{
    return NichtVerfuegbar(12);
}

int32_t WINAPI Host13(HWND, int32_t, int32_t, const char*)
{
    return NichtVerfuegbar(13);
}

int32_t WINAPI Host14(char*, int32_t)
{
    return NichtVerfuegbar(14);
}

int32_t WINAPI Host15(int32_t, int32_t, MERKMAL_SATZ*)
{
    return NichtVerfuegbar(15);
}

int32_t WINAPI Host16(int32_t)
{
    return NichtVerfuegbar(16);
}

const HOST_EXPORTLISTE* WINAPI Host17(int32_t)
{
    NichtVerfuegbar(17);
    return nullptr;
}

int32_t WINAPI Host18(int32_t)
{
    return NichtVerfuegbar(18);
}

int32_t WINAPI Host19(void)
{
    return NichtVerfuegbar(19);
}

int32_t WINAPI Host20(int32_t, const char*)
{
    return NichtVerfuegbar(20);
}

int32_t WINAPI Host21(HWND, int32_t, const char*, const char*)
{
    return NichtVerfuegbar(21);
}

int32_t WINAPI Host22(HWND, int32_t, int32_t, int32_t, int32_t, int32_t*)
{
    return NichtVerfuegbar(22);
}

int32_t WINAPI Host23(const char*, int32_t)
{
    return NichtVerfuegbar(23);
}

int32_t WINAPI Host24(int32_t)
{
    return NichtVerfuegbar(24);
}

int32_t WINAPI Host25(int32_t, const ETIKETT_ANFORDERUNG*)
{
    return NichtVerfuegbar(25);
}

int32_t WINAPI Host26(HWND, void*, void*)
{
    return NichtVerfuegbar(26);
}
