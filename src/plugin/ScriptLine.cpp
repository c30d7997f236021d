#include "plugin/ScriptLine.h"

#include "plugin/SdkVersion.h"

#include "hostsdk/MaxScript.h"

namespace ZANRET
{
void RunScriptLine(const MCHAR* line)
{
#if ZANRET_SDK_YEAR >= 2019
    ExecuteMAXScriptScript(line, FALSE, nullptr, TRUE);
#else
    ExecuteMAXScriptScript(line, FALSE, nullptr);
#endif
}
} // namespace ZANRET
