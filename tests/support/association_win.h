// Test support: registers .glw files for a program the way it would itself,
// so that starting it asks no question.
#pragma once

// `program` is the executable's full path; whether all four values were written.
bool AssociateDocuments(const char *program);
