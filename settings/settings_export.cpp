// The library exports the settings records' members along with its entry:
// the records carry HOST_RECORD_API, and this unit, built without
// optimisation, makes the compiler emit every one of their constructors,
// copies, assignments, resets and comparisons here, so the linker's export
// list (module/libMonitor.map) finds them.
#include "host/vistrano_settings.h"

namespace {

template <class TRecord>
void EmitCopyAndCompare()
{
    TRecord a;
    TRecord b(a);
    a = b;
    static_cast<void>(a != b);
}

template <class TRecord>
void EmitRecord()
{
    EmitCopyAndCompare<TRecord>();
    TRecord a;
    a.SetToDefault();
}

// Never called: its body is what the compiler must emit.
[[gnu::used]] void EmitSettingsRecords()
{
    EmitRecord<CMonitorInterfaceData>();
    EmitRecord<SSenderSetting>();
    EmitRecord<SRecevierSetting>();
    EmitRecord<SEmailSetting>();
    EmitCopyAndCompare<SInputSignalSetting>();
    EmitCopyAndCompare<SMailInfo>();
}

} // namespace
