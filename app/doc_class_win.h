// The document window's class, registered once at start-up.
#pragma once

// Registers "Document"; if that fails, creating the window fails and says so.
void InitDocWindows();
