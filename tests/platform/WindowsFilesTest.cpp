// What only Windows has: hidden and system attributes, devices and pipes
// under names that open like files, files locked by another handle, drive
// letters, code pages. On other systems these tests skip.
#include "kivparser/kivparser.h"
#include "platform/KzCodeset.h"
#include "platform/KzDirectory.h"
#include "platform/KzPlatform.h"
#include "support/ParsedFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace kivparser;

#ifdef _WIN32
namespace {

void setAttributes(const std::string& path, DWORD attributes)
{
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

std::string utf8Of(const char* text)
{
    size_t units = 0;
    char* converted = kzLocaleToUtf8(text, strlen(text), &units);
    std::string out = converted ? std::string(converted, units) : "(null)";
    free(converted);
    return out;
}

} // namespace
#endif

// Entries with the hidden or the system attribute are skipped, and so is
// everything below a hidden or system directory; a read-only entry is not.
TEST(WindowsFiles, HiddenAndSystemEntriesAreSkipped)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: file attributes (POSIX systems hide names that begin with a dot)";
#else
    LocaleGuard locale("C");
    TempDir tree;
    tree.file("reg/C/a");
    setAttributes(tree.file("reg/C/hidden"), FILE_ATTRIBUTE_HIDDEN);
    setAttributes(tree.file("reg/C/system"), FILE_ATTRIBUTE_SYSTEM);
    setAttributes(tree.file("reg/C/readonly"), FILE_ATTRIBUTE_READONLY);
    tree.file("reg/C/cache/b");
    setAttributes(tree.path("reg/C/cache"), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    tree.file("reg/C/sys/c");
    setAttributes(tree.path("reg/C/sys"), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
    tree.file("reg/C/sub/d");

    std::vector<std::string> names;
    KzDirectory entries(tree.path("reg/C").c_str());
    ASSERT_TRUE(entries.isOpen());
    while (const char* name = entries.nextEntry())
        names.push_back(name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "readonly", "sub"}));

    FileList list(tree.path("reg").c_str(), 0, 1, 0);
    std::string found;
    for (int i = 0; char* name = list.getFileName(i); ++i)
        found += slashes(std::string(name).substr(tree.root.size() + 1)) + " ";
    EXPECT_EQ(found, "reg/C/a reg/C/readonly reg/C/sub/d ");
    setAttributes(tree.path("reg/C/readonly"), FILE_ATTRIBUTE_NORMAL);
#endif
}

// A directory, the devices NUL and CON and a pipe open like files but are
// none: each is refused at once (nothing waits for a writer or a console),
// as one error of the parse, and the next file parses.
TEST(WindowsFiles, DevicesPipesAndDirectoriesAreRefused)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: device names and named pipes (Parser.FilesThatCannotBeRead... is the POSIX case)";
#else
    TempDir dir;
    const char* pipeName = "\\\\.\\pipe\\kivparser-test-pipe";
    HANDLE pipe = CreateNamedPipeA(pipeName, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0,
                                   nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    std::string good = dir.file("good.reg", "Application a { Version \"1\"; }\r\n");
    for (const std::string& path : {dir.root, std::string("NUL"), std::string("CON"), std::string(pipeName)}) {
        int reason = 0;
        FILE* stream = _KZopenRegularFile(path.c_str(), &reason);
        EXPECT_EQ(stream, nullptr) << path;
        if (stream)
            fclose(stream);
        EXPECT_NE(reason, 0) << path;
        if (path == dir.root) {
            EXPECT_EQ(reason, EISDIR);
        }
        ParsedFile bad(path);
        EXPECT_EQ(bad->errors, 1) << path;
        EXPECT_EQ(bad.count("Error: can't open " + path + "\n"), 1) << bad.out;
        ParsedFile next(good, 0);
        EXPECT_EQ(next->errors, 0) << path;
        ASSERT_NE(next->getAppReg(), nullptr);
    }
    CloseHandle(pipe);
#endif
}

// A file that another handle holds without sharing cannot be opened: one
// error, with the system's reason; once released it parses.
TEST(WindowsFiles, LockedFileIsOneError)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: share modes";
#else
    TempDir dir;
    std::string path = dir.file("locked.reg", "Application a { Version \"1\"; }\n");
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    int reason = 0;
    EXPECT_EQ(_KZopenRegularFile(path.c_str(), &reason), nullptr);
    EXPECT_EQ(reason, EACCES);
    {
        ParsedFile locked(path);
        EXPECT_EQ(locked->errors, 1);
        EXPECT_EQ(locked.count("Error: can't open " + path + "\n"), 1) << locked.out;
    }
    CloseHandle(holder);
    ParsedFile released(path, 0);
    EXPECT_EQ(released->errors, 0);
    EXPECT_NE(released->getAppReg(), nullptr);
#endif
}

// Registration files are read in the C runtime's text mode: CR LF is a line
// end and a ^Z ends the file, whatever follows it.
TEST(WindowsFiles, ControlZEndsARegistrationFile)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: the C runtime's text mode (Scanner.WindowsLineEnds... is the CR LF case)";
#else
    TempDir dir;
    std::string path = dir.file("ended.reg", "Application a {\r\n  Version \"1\";\r\n}\r\n\x1a not { a registration\r\n");
    ParsedFile ended(path, 0);
    EXPECT_EQ(ended->errors, 0) << ended.out;
    ASSERT_NE(ended->getAppReg(), nullptr);
    EXPECT_NE(ended->getAppReg()->lookupApplication("a"), nullptr);
#endif
}

// Paths with a drive letter, either separator and names outside ASCII (in
// the locale's code page, opened through the wide API) reach the files.
TEST(WindowsFiles, DriveLettersAndNamesInTheCodePage)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: drive letters and code pages";
#else
    ASSERT_NE(setlocale(LC_CTYPE, ".1252"), nullptr);
    TempDir dir;
    ASSERT_EQ(dir.root.substr(1, 2), ":\\") << dir.root;
    std::string name = dir.file("caf\xe9.reg", "Application a { Version \"1\"; }\n");
    ASSERT_TRUE(_KZpathExists(name.c_str()));
    std::string forward = slashes(name);
    int reason = 0;
    FILE* stream = _KZopenRegularFile(forward.c_str(), &reason);
    ASSERT_NE(stream, nullptr) << forward << " " << reason;
    fclose(stream);
    FilePath absolute(const_cast<char*>(forward.c_str()));
    EXPECT_EQ(absolute.isRelativePath(), 0);
    EXPECT_EQ(_KZremoveFile(name.c_str()), 0);
    EXPECT_FALSE(_KZpathExists(name.c_str()));
    setlocale(LC_CTYPE, "C");
#endif
}

// Texts convert from the locale's code page; a byte that does not decode is
// U+FFFD, and the "C" locale knows ASCII alone.
TEST(WindowsFiles, CodePageConversion)
{
#ifndef _WIN32
    GTEST_SKIP() << "Windows only: code pages (iconv on POSIX systems)";
#else
    setlocale(LC_CTYPE, "C");
    EXPECT_EQ(utf8Of("caf\xe9"), "caf\xef\xbf\xbd");
    ASSERT_NE(setlocale(LC_CTYPE, ".1252"), nullptr);
    EXPECT_EQ(utf8Of("caf\xe9 \x80"), "caf\xc3\xa9 \xe2\x82\xac");
    ASSERT_NE(setlocale(LC_CTYPE, ".932"), nullptr);
    // "\x82\xa0" is HIRAGANA A; a lead byte before a blank or at the end
    // does not decode.
    EXPECT_EQ(utf8Of("\x82\xa0 x"), "\xe3\x81\x82 x");
    EXPECT_EQ(utf8Of("a\x82"), "a\xef\xbf\xbd");
    size_t units = 0;
    uint16_t* wide = kzLocaleToUtf16("\x82\xa0", 2, &units);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(units, 1u);
    EXPECT_EQ(wide[0], 0x3042);
    EXPECT_EQ(wide[1], 0);
    free(wide);
    setlocale(LC_CTYPE, "C");
#endif
}
