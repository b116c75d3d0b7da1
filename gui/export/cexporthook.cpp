#include "gui/export/cexporthook.h"

namespace {
CExportHook *s_hook = nullptr;
} // namespace

CExportHook *CExportHook::installed()
{
    return s_hook;
}

void CExportHook::install(CExportHook *hook)
{
    s_hook = hook;
}
