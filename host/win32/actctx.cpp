#include "win32/actctx.h"

#include "win32/resources.h"

#include <set>
#include <vector>

namespace
{
struct ActivationContext
{
    HMODULE module;
    LPCSTR manifest;
    int references;
};

struct Activation
{
    ULONG_PTR cookie;
    ActivationContext* context;
};

// Handles are checked against the live contexts, so that a stale or made-up handle is refused.
std::set<ActivationContext*>& Live()
{
    static std::set<ActivationContext*> live;
    return live;
}

std::vector<Activation>& Stack()
{
    static std::vector<Activation> stack;
    return stack;
}

ActivationContext* FromHandle(HANDLE handle)
{
    auto* context = static_cast<ActivationContext*>(handle);
    return Live().count(context) ? context : nullptr;
}
} // namespace

HANDLE CreateActCtxW(const ACTCTXW* request)
{
    if (!request || request->cbSize < sizeof(ACTCTXW))
        return INVALID_HANDLE_VALUE;
    const DWORD needed = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    if ((request->dwFlags & needed) != needed || !request->hModule ||
        !IS_INTRESOURCE(request->lpResourceName))
        return INVALID_HANDLE_VALUE;
    const auto id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(request->lpResourceName));
    LPCSTR manifest = win32::FindManifestResource(request->hModule, id);
    if (!manifest)
        return INVALID_HANDLE_VALUE;
    auto* context = new ActivationContext{request->hModule, manifest, 1};
    Live().insert(context);
    return context;
}

void AddRefActCtx(HANDLE handle)
{
    if (ActivationContext* context = FromHandle(handle))
        ++context->references;
}

void ReleaseActCtx(HANDLE handle)
{
    ActivationContext* context = FromHandle(handle);
    if (!context || --context->references > 0)
        return;
    Live().erase(context);
    delete context;
}

BOOL ActivateActCtx(HANDLE handle, ULONG_PTR* cookie)
{
    static ULONG_PTR nextCookie = 0;
    ActivationContext* context = FromHandle(handle);
    if (!cookie || (!context && handle))
        return FALSE;
    if (context)
        ++context->references;
    *cookie = ++nextCookie;
    Stack().push_back(Activation{*cookie, context});
    return TRUE;
}

BOOL DeactivateActCtx(DWORD, ULONG_PTR cookie)
{
    auto& stack = Stack();
    if (stack.empty() || stack.back().cookie != cookie)
        return FALSE;
    ActivationContext* context = stack.back().context;
    stack.pop_back();
    if (context)
        ReleaseActCtx(context);
    return TRUE;
}

BOOL GetCurrentActCtx(HANDLE* handle)
{
    if (!handle)
        return FALSE;
    const auto& stack = Stack();
    ActivationContext* context = stack.empty() ? nullptr : stack.back().context;
    if (context)
        ++context->references;
    *handle = context;
    return TRUE;
}

namespace win32
{
HMODULE ActivationContextModule(HANDLE handle)
{
    const ActivationContext* context = FromHandle(handle);
    return context ? context->module : nullptr;
}

LPCSTR ActivationContextManifest(HANDLE handle)
{
    const ActivationContext* context = FromHandle(handle);
    return context ? context->manifest : nullptr;
}
} // namespace win32
