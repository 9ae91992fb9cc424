// The shell association that opens ".glw" files with this program.
#pragma once

// Offers to write the association when it does not name this program file.
void CheckFileMapping();
