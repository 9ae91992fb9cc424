// The rows of the tool table, one per tool; start-up points `tools` at them.
#pragma once

#include "tools/tool_table_win.h"

extern const Tool toolRows[toolCount];
