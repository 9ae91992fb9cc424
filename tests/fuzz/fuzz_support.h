// What the fuzz targets share: checks that stop the run on the input that
// broke them, reports counted instead of printed, and the leak check.
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

// One input's run. Reports go to a count rather than to stderr, and when the
// run ends every block it allocated must have been released.
class FuzzRun {
public:
    FuzzRun();
    ~FuzzRun();
    FuzzRun(const FuzzRun &) = delete;
    FuzzRun &operator=(const FuzzRun &) = delete;
    // The operation that returned `error` reported it once, or nothing when
    // it succeeded; the count starts again.
    void Reported(ErrorCode error, const char *operation);

private:
    long live;
    ReportHook previous;
};

// Bytes of the input that the code under test gets in a block of their own,
// exactly as long, so that the sanitizer sees any read past them.
struct FuzzBytes {
    std::vector<unsigned char> bytes;
    const unsigned char *data() const;
    std::size_t size() const { return bytes.size(); }
};
FuzzBytes FuzzRest(FuzzedDataProvider &input);

// A page's cells row after row; `empty` stands for empty cells.
std::string FuzzPageCells(const Page &page, char empty = '\0');
// The characters that show, in order: all bytes but empty ones, spaces, CRs
// and LFs, which wrapping drops or moves.
std::string FuzzShown(const unsigned char *text, std::size_t size);

// A file's document as the program opens it: measured at `wrapWidth`, then
// filled; null when the file has more rows than a document may hold.
Document *FuzzOpen(FuzzRun &run, const unsigned char *text, std::size_t size, int wrapWidth);
// Saves the document and opens what was saved: it must read back cell for
// cell, every empty cell as a space, with one more row of spaces at the
// bottom. With `fromText`, the page came from text, whose lone LFs at a
// row's end read back as spaces.
void FuzzSaveReread(FuzzRun &run, Document &document, bool fromText);
