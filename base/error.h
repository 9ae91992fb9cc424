// The program's one error convention: a failed system call is shown to the user
// once, by the routine that met it, and the code is then passed upwards.
#pragma once

#include <cstdint>

// 0 for success, otherwise a system error code that has already been shown.
typedef std::uint32_t ErrorCode;

// The system's code for a failed allocation (ERROR_NOT_ENOUGH_MEMORY).
const ErrorCode errorNoMemory = 8;
// Reported when the system records no code for a failure (ERROR_GEN_FAILURE).
const ErrorCode errorUnknown = 31;

// Shows the system's text for a non-zero code in a stop box with no owner.
void TestError(ErrorCode error);
// 0 for a non-null pointer; otherwise reports the thread's last system error
// (never 0) and returns it.
ErrorCode TestZeroError(const void *pointer);

// Tests divert reports here instead of a message box. `code` is the error
// code, or 0 with `messageId` for a string-table message.
typedef void (*ReportHook)(ErrorCode code, unsigned messageId);
// Installs a hook (null restores the message boxes); returns the old one.
ReportHook ReportHookSet(ReportHook hook);
// The installed hook, or null.
ReportHook ReportHookCurrent();
