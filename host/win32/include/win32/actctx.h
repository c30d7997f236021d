#pragma once
// Activation contexts: the manifest under which a module's user-interface calls run. A context is
// made from a module's manifest resource and activated around the calls that need it.

#include "win32/types.h"

#include <cstdint>

using ULONG_PTR = std::uintptr_t;

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))

constexpr DWORD ACTCTX_FLAG_RESOURCE_NAME_VALID = 0x00000008;
constexpr DWORD ACTCTX_FLAG_HMODULE_VALID = 0x00000080;

// The manifest id from which the system builds a module's own activation context.
constexpr WORD ISOLATIONAWARE_MANIFEST_RESOURCE_ID = 2;

struct ACTCTXW
{
    DWORD cbSize;
    DWORD dwFlags;
    LPCWSTR lpSource;
    WORD wProcessorArchitecture;
    WORD wLangId;
    LPCWSTR lpAssemblyDirectory;
    LPCWSTR lpResourceName;
    LPCWSTR lpApplicationName;
    HMODULE hModule;
};

// A context from the manifest resource of a module (flags ACTCTX_FLAG_HMODULE_VALID and
// ACTCTX_FLAG_RESOURCE_NAME_VALID with an integer id); INVALID_HANDLE_VALUE when there is none.
HANDLE CreateActCtxW(const ACTCTXW* context);
void AddRefActCtx(HANDLE context);
void ReleaseActCtx(HANDLE context);
// Makes the context the current one until DeactivateActCtx with the cookie.
BOOL ActivateActCtx(HANDLE context, ULONG_PTR* cookie);
// Ends the activation of the cookie; FALSE when it is not the most recent one.
BOOL DeactivateActCtx(DWORD flags, ULONG_PTR cookie);
// The current context with a reference the caller releases, or null for the process default.
BOOL GetCurrentActCtx(HANDLE* context);

namespace win32
{
// For inspection: the module and manifest a context was made from (null for others).
HMODULE ActivationContextModule(HANDLE context);
LPCSTR ActivationContextManifest(HANDLE context);
} // namespace win32
