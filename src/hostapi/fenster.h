/*
 * fenster.h - the window types the host's calls and callbacks name.
 *
 * On Windows they are windows.h's own. Off Windows (the native build used
 * for sanitizers, fuzzing and the engine's native tests) they are declared
 * here as opaque handles and plain integers, so that the host interface
 * and the call context can be read there: code built natively may hold
 * and pass such a handle on, never use it.
 */
#ifndef OX_FENSTER_H
#define OX_FENSTER_H

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <stdint.h>
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef struct HFONT__* HFONT;
typedef struct HBRUSH__* HBRUSH;
typedef struct HDC__* HDC;
typedef void* HANDLE;
typedef uint32_t COLORREF;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef intptr_t INT_PTR;
typedef intptr_t LPARAM;
typedef uintptr_t WPARAM;
typedef intptr_t LRESULT;
#  define WINAPI
#  define CALLBACK
#endif

#endif
