#include "base/error.h"

static ReportHook reportHook;

ReportHook SetReportHook(ReportHook hook)
{
    ReportHook old = reportHook;
    reportHook = hook;
    return old;
}

ReportHook CurrentReportHook()
{
    return reportHook;
}
