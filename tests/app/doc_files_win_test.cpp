#include <windows.h>

#include <gtest/gtest.h>

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
#include "tests/support/reports.h"

// Documents in hidden windows of the real class, and files in a folder of
// their own that is emptied afterwards.
class DocFiles : public testing::Test {
protected:
    void SetUp() override
    {
        InitDocWindows();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "glyphwright-files-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        savedPreferences = preferences;
    }

    void TearDown() override
    {
        if (theDocument)
            DocumentKill(theDocument, true);
        if (theWindow)
            DestroyWindow(theWindow);
        theWindow = nullptr;
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) // the quit message too
            DispatchMessageA(&message);
        RemoveTree(folder);
        preferences = savedPreferences;
    }

    std::string Path(const std::string &name) const { return folder + "\\" + name; }

    // What a folder holds, by name.
    static std::vector<std::string> Names(const std::string &path)
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..")
                names.push_back(found.cFileName);
        if (search != INVALID_HANDLE_VALUE)
            FindClose(search);
        return names;
    }

    std::vector<std::string> Names() const { return Names(folder); }

    static void RemoveTree(const std::string &path)
    {
        for (const std::string &name : Names(path))
            RemoveTree(path + "\\" + name);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(path.c_str());
    }

    static void Write(const std::string &path, const std::string &bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string Read(const std::string &path)
    {
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        return bytes.str();
    }

    // A changed document filed under `name`.
    Document *Filed(int width, int height, const std::string &name)
    {
        ErrorCode error;
        Document *document = DocumentCreate(error, "Test", width, height, SW_HIDE);
        EXPECT_EQ(0u, error);
        if (document) {
            lstrcpyA(document->file, Path(name).c_str());
            document->windowFiled = 1;
            document->windowDirty = 1;
        }
        return document;
    }

    static std::string Title()
    {
        char title[300] = "";
        GetWindowTextA(theWindow, title, sizeof title);
        return title;
    }

    std::string folder;
    Preferences savedPreferences;
};

TEST_F(DocFiles, SavesEveryCellThenReopensWithOneMoreRow)
{
    Document *document = Filed(40, 10, "cat.glw");
    ASSERT_NE(nullptr, document);
    document->now.back.data[0] = 'x';
    document->now.back.data[40 * 10 - 1] = 'z';
    ASSERT_EQ(0u, DocumentSave(document));
    EXPECT_EQ(0, document->windowDirty);
    std::string bytes = Read(Path("cat.glw"));
    ASSERT_EQ(420u, bytes.size());
    EXPECT_EQ("x" + std::string(39, ' ') + "\r\n" + std::string(40, ' ') + "\r\n", bytes.substr(0, 84));
    EXPECT_EQ(std::string(39, ' ') + "z\r\n", bytes.substr(378));
    EXPECT_EQ(std::vector<std::string>{"cat.glw"}, Names()) << "no temporary file left";

    HWND window = theWindow;
    DocumentOpen(Path("cat.glw").c_str(), SW_HIDE);
    ASSERT_NE(nullptr, theDocument);
    const DocState &now = theDocument->now;
    EXPECT_EQ(40, now.back.width);
    EXPECT_EQ(11, now.back.height) << "the text after the last line end is a row";
    EXPECT_EQ('x', GetCharPage(now.back, 0, 0));
    EXPECT_EQ('z', GetCharPage(now.back, 39, 9));
    EXPECT_EQ(std::string::npos, PageBytes(now.back).find('\0')) << "empty cells come back as spaces";
    EXPECT_EQ(PageBytes(now.back), PageBytes(theDocument->last.back));
    EXPECT_EQ(1, theDocument->windowFiled);
    EXPECT_EQ(Path("cat.glw"), theDocument->file);
    EXPECT_EQ(window, theDocument->window) << "one window for every document";
    EXPECT_EQ("cat.glw - Glyphwright", Title());
}

TEST_F(DocFiles, WrapsDocumentsAt500AndOtherFilesAtTheDefaultWidth)
{
    preferences.defaultWidth = 60;
    struct Case {
        const char *name;
        int width, height;
    } cases[] = {{"long.GLW", 500, 2}, {"long.TXT", 60, 10}};
    for (const Case &test : cases) {
        Write(Path(test.name), std::string(600, 'x'));
        DocumentOpen(Path(test.name).c_str(), SW_HIDE);
        ASSERT_NE(nullptr, theDocument) << test.name;
        EXPECT_EQ(test.width, theDocument->now.back.width) << test.name;
        EXPECT_EQ(test.height, theDocument->now.back.height) << test.name;
    }
    Write(Path("empty.txt"), "");
    DocumentOpen(Path("empty.txt").c_str(), SW_HIDE);
    EXPECT_EQ(1, theDocument->now.back.width) << "a page needs a column";
    EXPECT_EQ(1, theDocument->now.back.height);
}

TEST_F(DocFiles, OpenThatFailsReportsOnceAndChangesNothing)
{
    {
        ReportCatcher reports;
        DocumentOpen(Path("missing.glw").c_str(), SW_HIDE);
        EXPECT_EQ(1, reports.errors);
        EXPECT_EQ(static_cast<ErrorCode>(ERROR_FILE_NOT_FOUND), reports.lastError);
    }
    EXPECT_EQ(nullptr, theDocument);
    EXPECT_EQ(nullptr, theWindow);

    Document *document = Filed(4, 2, "kept.txt");
    document->windowDirty = 0;
    {
        ReportCatcher reports;
        DocumentOpen(Path("missing.glw").c_str(), SW_HIDE);
        DocumentOpen(std::string(600, 'a').c_str(), SW_HIDE);
        EXPECT_EQ(2, reports.errors);
    }
    EXPECT_EQ(document, theDocument);
    EXPECT_EQ("Test", Title());
}

TEST_F(DocFiles, SaveThatFailsReportsOnceAndLeavesTheOldFile)
{
    ASSERT_TRUE(CreateDirectoryA(Path("folder.glw").c_str(), nullptr));
    Write(Path("folder.glw\\inside.txt"), "inside");
    Document *document = Filed(4, 2, "folder.glw"); // a folder cannot be replaced by a file
    ASSERT_NE(nullptr, document);
    for (const char *name : {"folder.glw", "missing\\a.glw"}) {
        lstrcpyA(document->file, Path(name).c_str());
        ReportCatcher reports;
        EXPECT_NE(0u, DocumentSave(document)) << name;
        EXPECT_EQ(1, reports.errors) << name;
        EXPECT_EQ(1, document->windowDirty);
        EXPECT_EQ(std::vector<std::string>{"folder.glw"}, Names()) << name;
    }
    EXPECT_EQ("inside", Read(Path("folder.glw\\inside.txt")));

    lstrcpyA(document->file, Path("old.txt").c_str());
    Write(Path("old.txt"), "old");
    std::vector<std::string> names = Names();
    FailEachAllocation([&] {
        ErrorCode error = DocumentSave(document);
        if (error) {
            EXPECT_EQ("old", Read(Path("old.txt")));
        }
        EXPECT_EQ(names, Names());
        return error;
    });
    EXPECT_EQ("    \r\n    \r\n", Read(Path("old.txt")));
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
    Document *document = Filed(200, 300, "old.txt");
    ASSERT_NE(nullptr, document);
    safeFileCalls = failingCalls;
    for (failingCall = 1; failingCall < 20; ++failingCall) {
        Write(Path("old.txt"), "old");
        callsMade = 0;
        ReportCatcher reports;
        if (!DocumentSave(document))
            break;
        EXPECT_EQ(1, reports.errors) << "call " << failingCall;
        EXPECT_EQ("old", Read(Path("old.txt"))) << "call " << failingCall;
        EXPECT_EQ(std::vector<std::string>{"old.txt"}, Names()) << "call " << failingCall;
        EXPECT_EQ(1, document->windowDirty) << "call " << failingCall;
    }
    safeFileCalls = realCalls;
    EXPECT_EQ(7, failingCall) << "a failure tried at each of the six calls";
    EXPECT_EQ(0, document->windowDirty);
    EXPECT_EQ(300u * 202, Read(Path("old.txt")).size());
}

TEST_F(DocFiles, SavingWritesTheFloatingSelectionWhichGoesOnFloating)
{
    Document *document = Filed(5, 3, "float.txt");
    ASSERT_NE(nullptr, document);
    DocState &now = document->now;
    ASSERT_EQ(0u, PageFromRows(now.front, {"ab"}));
    now.floating = 1;
    now.floatCol = 1;
    now.floatRow = 1;
    now.transparency = nullTransparent;
    ASSERT_EQ(0u, DocumentSave(document));
    EXPECT_EQ("     \r\n ab  \r\n     \r\n", Read(Path("float.txt")));
    EXPECT_EQ(1, now.floating);
    EXPECT_EQ(Rows{"ab"}, PageRows(now.front));
}

TEST_F(DocFiles, ClosingAChangedDocumentAsksInTheWindow)
{
    Document *document = Filed(4, 2, "asked.txt");
    ASSERT_NE(nullptr, document);
    auto answer = AnswerNextMessageBox(IDCANCEL);
    EXPECT_FALSE(DocumentClose(document, false));
    BoxSeen seen = answer.get();
    EXPECT_EQ("Confirm Close", seen.caption);
    EXPECT_EQ("Save Changes to Document?", seen.text);
    EXPECT_EQ(document, theDocument);
    EXPECT_EQ(1, document->windowDirty);

    answer = AnswerNextMessageBox(IDCANCEL);
    ErrorCode error;
    EXPECT_EQ(nullptr, DocumentNew(error, SW_HIDE));
    answer.get();
    EXPECT_EQ(1u, error);
    EXPECT_EQ(document, theDocument);
    EXPECT_EQ("Test", Title());

    answer = AnswerNextMessageBox(IDNO);
    EXPECT_NE(nullptr, DocumentNew(error, SW_HIDE));
    answer.get();
    EXPECT_EQ("Untitled - Glyphwright", Title());
    EXPECT_EQ(std::vector<std::string>{}, Names()) << "No saves nothing";

    document = Filed(4, 2, "saved.txt");
    answer = AnswerNextMessageBox(IDYES);
    EXPECT_TRUE(DocumentClose(document, false));
    answer.get();
    EXPECT_EQ(nullptr, theDocument);
    EXPECT_EQ("    \r\n    \r\n", Read(Path("saved.txt")));
}

TEST_F(DocFiles, ExitDestroysTheWindowAndEndsTheLoop)
{
    ErrorCode error;
    Document *document = DocumentNew(error, SW_HIDE);
    ASSERT_NE(nullptr, document);
    HWND window = theWindow;
    EXPECT_TRUE(DocumentClose(document, true));
    EXPECT_EQ(nullptr, theDocument);
    EXPECT_EQ(nullptr, theWindow);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
