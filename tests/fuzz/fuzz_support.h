// What the fuzz targets share: the entry point, which counts reports instead
// of printing them and checks for leaks, checks that stop the run on the
// input that broke them, and opening and saving documents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "base/error.h"
#include "document/document.h"
#include "page/page.h"

// Stops the run, which keeps the input, when `holds` is false.
void FuzzCheck(bool holds, const char *what);
// The operation that returned `error` reported it once, or nothing when it
// succeeded; the count starts again.
void FuzzReported(ErrorCode error, const char *operation);

// Each target's test of one input. Every block it allocates must have been
// released, and every report checked, when it returns.
void FuzzOne(FuzzedDataProvider &input);

// The rest of the input in a block of its own, exactly as long, so that the
// sanitizer sees any read past it.
struct FuzzBytes {
    std::vector<unsigned char> bytes;
    static constexpr unsigned char none = 0; // a real block even when empty
    const unsigned char *data() const { return bytes.empty() ? &none : bytes.data(); }
    std::size_t size() const { return bytes.size(); }
};
FuzzBytes FuzzRest(FuzzedDataProvider &input);

// The characters that show, in order: all bytes but empty ones, spaces, CRs
// and LFs, which wrapping drops or moves.
std::string FuzzShown(const unsigned char *text, std::size_t size);
std::string FuzzShown(const Page &page);

// A file's document as the program opens it: measured at `wrapWidth`, then
// filled; null when the file has more rows than a document may hold.
Document *FuzzOpen(const unsigned char *text, std::size_t size, int wrapWidth);
// Saves the document and opens what was saved: it must read back cell for
// cell, every empty cell as a space, with one more row of spaces at the
// bottom. With `fromText`, the page came from text, whose lone LFs at a
// row's end read back as spaces.
void FuzzSaveReread(Document &document, bool fromText);
