#include "base/error.h"

static ReportHook reportHook;

ReportHook ReportHookSet(ReportHook hook)
{
    ReportHook old = reportHook;
    reportHook = hook;
    return old;
}

ReportHook ReportHookCurrent()
{
    return reportHook;
}
