#pragma once
// The common open-file dialog. This system has no dialog of its own: the host answers each request
// through the handler it installs (Host::SetOpenFileHandler); without one every request is cancelled.

#include "win32/types.h"

using LPARAM = std::intptr_t;
using LPOFNHOOKPROC = std::uintptr_t (*)(HWND, UINT, std::uintptr_t, LPARAM);

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_ENABLESIZING = 0x00800000;

// Extended errors (CommDlgExtendedError): 0 when the user cancelled.
constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
constexpr DWORD CDERR_INITIALIZATION = 0x0002;
constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;
constexpr DWORD FNERR_INVALIDFILENAME = 0x3002;

// The record as the 64-bit system lays it out (152 bytes).
struct OPENFILENAMEW
{
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCWSTR lpstrFilter;
    LPWSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPWSTR lpstrFile;
    DWORD nMaxFile;
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCWSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCWSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};

struct OPENFILENAMEA
{
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};

static_assert(sizeof(void*) != 8 || sizeof(OPENFILENAMEW) == 152);
static_assert(sizeof(void*) != 8 || sizeof(OPENFILENAMEA) == 152);

// Non-zero when the user chose a file: its full path is in lpstrFile (and its name in
// lpstrFileTitle when given). Zero when the user cancelled or the request was wrong (see
// CommDlgExtendedError).
BOOL GetOpenFileNameW(OPENFILENAMEW* record);
// The same with 8-bit text (UTF-8 on this system).
BOOL GetOpenFileNameA(OPENFILENAMEA* record);
// Why the last dialog returned zero: 0 when the user cancelled.
DWORD CommDlgExtendedError();
