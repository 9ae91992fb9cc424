// Test support: the tool table points at the program's rows before any test
// runs, as at start-up, for the tests that work through the real tools.
#include "app/tool_rows_win.h"

[[maybe_unused]] static const bool toolRowsSet = (tools = toolRows, true);
