#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/doc_files_win.h"
#include "app/doc_window_win.h"
#include "base/preferences.h"
#include "document/safe_file_win.h"
#include "tests/page/page_test_support.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/real_document_win.h"
#include "tests/support/reports.h"

namespace fs = std::filesystem;

// The real document, and files in a folder of their own that is removed afterwards.
class DocFiles : public RealDocument {
protected:
    void SetUp() override
    {
        RealDocument::SetUp();
        folder = fs::temp_directory_path() / ("glyphwright-files-" + std::to_string(GetCurrentProcessId()));
        ASSERT_TRUE(fs::create_directory(folder));
    }
    void TearDown() override
    {
        RealDocument::TearDown();
        fs::remove_all(folder);
    }

    std::string Path(const std::string &name) const { return (folder / name).string(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void Write(const std::string &name, const std::string &bytes) { std::ofstream(Path(name), std::ios::binary) << bytes; }
    std::string Read(const std::string &name)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(Path(name), std::ios::binary).rdbuf();
        return bytes.str();
    }
    // A changed document of 4 x 2 empty cells filed under `name`.
    Document *Filed(const std::string &name)
    {
        ErrorCode error;
        Document *filed = DocumentCreate(error, "Test", 4, 2, SW_HIDE);
        if (filed) {
            lstrcpyA(filed->file, Path(name).c_str());
            filed->windowFiled = filed->windowDirty = 1;
        }
        return filed;
    }

    fs::path folder;
};

TEST_F(DocFiles, OpenThatFailsReportsOnceAndChangesNothing)
{
    ReportCatcher reports;
    DocumentOpen(Path("missing.glw").c_str(), SW_HIDE);
    EXPECT_EQ(static_cast<ErrorCode>(ERROR_FILE_NOT_FOUND), reports.lastError);
    DocumentOpen(std::string(600, 'a').c_str(), SW_HIDE);
    EXPECT_EQ(2, reports.errors);
    EXPECT_EQ(document, theDocument);
}

TEST_F(DocFiles, SaveThatFailsReportsOnceAndLeavesTheOldFile)
{
    fs::create_directory(Path("folder.glw"));
    Write("folder.glw\\inside.txt", "inside");
    Document *filed = Filed("folder.glw"); // a folder cannot be replaced by a file
    ASSERT_NE(nullptr, filed);
    for (const char *name : {"folder.glw", "missing\\a.glw"}) {
        lstrcpyA(filed->file, Path(name).c_str());
        ReportCatcher reports;
        EXPECT_NE(0u, DocumentSave(filed)) << name;
        EXPECT_TRUE(reports.errors == 1 && filed->windowDirty == 1) << name;
        EXPECT_EQ(std::vector<std::string>{"folder.glw"}, Names()) << name;
    }
    EXPECT_EQ("inside", Read("folder.glw\\inside.txt"));
    lstrcpyA(filed->file, Path("old.txt").c_str());
    Write("old.txt", "old");
    FailEachAllocation([&] {
        ErrorCode error = DocumentSave(filed);
        EXPECT_EQ(error ? "old" : "    \r\n    \r\n", Read("old.txt"));
        EXPECT_EQ((std::vector<std::string>{"folder.glw", "old.txt"}), Names()) << "no temporary file left";
        return error;
    });
}

// A save's file calls, counted; the one whose turn it is fails as a full disk
// would (a write after writing half, a close after closing), the others work.
namespace {
const SafeFileCalls realCalls = safeFileCalls;
int callsMade, failingCall;

bool Failing()
{
    bool fails = ++callsMade == failingCall;
    if (fails)
        SetLastError(ERROR_DISK_FULL);
    return fails;
}

const SafeFileCalls failingCalls = {
    [](LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR name) -> UINT {
        return Failing() ? 0 : realCalls.tempName(folder, prefix, unique, name);
    },
    [](LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD how, DWORD flags, HANDLE model) {
        return Failing() ? INVALID_HANDLE_VALUE : realCalls.create(name, access, share, security, how, flags, model);
    },
    [](HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) -> BOOL {
        bool fails = callsMade + 1 == failingCall;
        BOOL wrote = realCalls.write(file, data, fails ? size / 2 : size, written, overlapped);
        return !Failing() && wrote;
    },
    [](HANDLE file) -> BOOL { return !Failing() && realCalls.flush(file); },
    [](HANDLE file) -> BOOL {
        BOOL closed = realCalls.close(file);
        return !Failing() && closed;
    },
    [](LPCSTR from, LPCSTR to, DWORD flags) -> BOOL { return !Failing() && realCalls.moveOver(from, to, flags); },
};
} // namespace

TEST_F(DocFiles, SaveWhoseFileCallsFailInTurnKeepsTheOldFile)
{
    Document *document = Filed("old.txt");
    ASSERT_NE(nullptr, document);
    safeFileCalls = failingCalls;
    for (failingCall = 1; failingCall < 20; ++failingCall) {
        Write("old.txt", "old");
        callsMade = 0;
        ReportCatcher reports;
        if (!DocumentSave(document))
            break;
        EXPECT_EQ(1, reports.errors) << "call " << failingCall;
        EXPECT_EQ("old", Read("old.txt")) << "call " << failingCall;
        EXPECT_EQ(std::vector<std::string>{"old.txt"}, Names()) << "call " << failingCall;
        EXPECT_EQ(1, document->windowDirty) << "call " << failingCall;
    }
    safeFileCalls = realCalls;
    EXPECT_EQ(7, failingCall) << "a failure tried at each of the six calls";
    EXPECT_EQ(0, document->windowDirty);
    EXPECT_EQ("    \r\n    \r\n", Read("old.txt"));
}

