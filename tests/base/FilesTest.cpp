#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/Files.h"

using namespace base;
namespace fs = std::filesystem;

namespace {

// A fresh folder per test under the build tree's output folder.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::string(VASTRIMO_TEST_OUT) + "/files/" + info->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
        return bytes;
    }
    std::string dir_;
};

}  // namespace

TEST(PathNames, SplitsAtEitherDelimiter) {
    const struct { const char* path; const char* filePath; const char* dir; const char* name; const char* ext; } cases[] = {
        {"/a/b/c.xml", "/a/b/", "/a/b", "c.xml", ".xml"},
        {"PROJECTS\\Plant\\ParGen.xml", "PROJECTS\\Plant\\", "PROJECTS\\Plant", "ParGen.xml", ".xml"},
        {"c.tar.gz", "", "", "c.tar.gz", ".gz"},
        {"dir.v2/file", "dir.v2/", "dir.v2", "file", ""},
        {"/file", "/", "/", "file", ""},
        {"a/", "a/", "a", "", ""},
        {"name.", "", "", "name.", "."},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << c.path;
        EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
        EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    }
    EXPECT_EQ(ChangeFileExt("a/b.xml", ".bak"), "a/b.bak");
    EXPECT_EQ(ChangeFileExt("a.d/b", ".txt"), "a.d/b.txt");
    EXPECT_EQ(ChangeFileExt("b.xml", ""), "b");
    EXPECT_EQ(NativePath("PROJECTS\\Plant\\bin\\bank1.bin"), "PROJECTS/Plant/bin/bank1.bin");
    EXPECT_EQ(JoinPath("/x", "y"), "/x/y");
    EXPECT_EQ(JoinPath("/x/", "y"), "/x/y");
    EXPECT_EQ(JoinPath("", "y"), "y");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/x"), "/x/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/x/"), "/x/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/x/"), "/x");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/x"), "/x");
}

TEST(PathNames, MasksAreCaseInsensitiveWildcards) {
    const struct { const char* name; const char* mask; bool match; } cases[] = {
        {"English.lng", "*.lng", true},   {"English.LNG", "*.lng", true},   {"English.lng.bak", "*.lng", false},
        {"a.lng", "?.lng", true},         {"ab.lng", "?.lng", false},       {"anything", "*", true},
        {"", "*", true},                  {"", "?", false},                 {"abc", "a*c", true},
        {"abxbc", "a*bc", true},          {"abc", "a*b", false},            {"abc", "*b*", true},
        {"\xC3\xA9.lng", "?.lng", true},  // one character, two bytes
        {"Fran\xC3\xA7" "ais.lng", "fran?ais.*", true},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.match) << c.name << " ~ " << c.mask;
}

TEST_F(FilesTest, ForceDirectoriesCreatesEveryLevel) {
    const std::string deep = Path("PROJECTS/Plant/bin");
    EXPECT_FALSE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep + "/"));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep));  // already there
    EXPECT_TRUE(ForceDirectories(Path("win\\style\\sub")));
    EXPECT_TRUE(DirectoryExists(Path("win/style/sub")));
    Put(Path("afile"), "x");
    EXPECT_FALSE(ForceDirectories(Path("afile/sub")));
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_FALSE(CreateDir(deep));  // exists
}

TEST_F(FilesTest, ListsFoldersAndFilesSorted) {
    for (const char* d : {"Zeta", "alpha", "Beta", ".hidden"}) fs::create_directory(Path(d));
    for (const char* f : {"b.lng", "A.LNG", "c.txt", "Zeta.lng.bak"}) Put(Path(f), "x");
    fs::create_directory(Path("dir.lng"));
    EXPECT_EQ(ListFolders(dir_), (std::vector<std::string>{".hidden", "Beta", "Zeta", "alpha", "dir.lng"}));
    EXPECT_EQ(ListFiles(dir_, "*.lng"), (std::vector<std::string>{"A.LNG", "b.lng"}));
    EXPECT_EQ(ListFiles(dir_).size(), 4u);
    EXPECT_TRUE(ListFolders(Path("missing")).empty());
    EXPECT_TRUE(ListFiles(Path("missing")).empty());
}

TEST_F(FilesTest, ExistsDistinguishesFilesFromFolders) {
    Put(Path("f"), "x");
    EXPECT_TRUE(FileExists(Path("f")));
    EXPECT_FALSE(DirectoryExists(Path("f")));
    EXPECT_TRUE(DirectoryExists(dir_));
    EXPECT_FALSE(FileExists(dir_));
    EXPECT_FALSE(FileExists(Path("none")));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FilesTest, ReadsBytesExactly) {
    const std::string bytes("a\0b\r\n\xFF", 6);
    Put(Path("bin"), bytes);
    std::string got;
    ASSERT_TRUE(ReadFileBytes(Path("bin"), got));
    EXPECT_EQ(got, bytes);

    std::string error;
    got = "kept";
    EXPECT_FALSE(ReadFileBytes(Path("missing.xml"), got, &error));
    EXPECT_EQ(got, "kept");
    EXPECT_NE(error.find("missing.xml"), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(ReadFileBytes(dir_, got, &error));
}

TEST_F(FilesTest, AtomicWriteReplacesAndKeepsPermissions) {
    const std::string target = Path("ParGen.xml");
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(target, "first", &error)) << error;
    EXPECT_EQ(Get(target), "first");
    ::chmod(target.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomic(target, std::string("sec\0ond", 7), &error)) << error;
    EXPECT_EQ(Get(target), std::string("sec\0ond", 7));
    struct stat st;
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ASSERT_TRUE(WriteFileAtomic(target, "", &error)) << error;
    EXPECT_EQ(Get(target), "");
    // No temporary file is left beside the target.
    EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{"ParGen.xml"});
}

TEST_F(FilesTest, FailedAtomicWriteLeavesOldFileAndNamesTheFile) {
    // Tests run as root, so permissions cannot make a write fail; a missing
    // folder and a folder standing where the file should be can.
    const std::string missing = Path("no/such/folder/bank1.bin");
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(missing, "x", &error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;

    fs::create_directory(Path("taken"));
    Put(Path("taken/inner"), "old");
    error.clear();
    EXPECT_FALSE(WriteFileAtomic(Path("taken"), "new", &error));
    EXPECT_NE(error.find("taken"), std::string::npos) << error;
    EXPECT_EQ(Get(Path("taken/inner")), "old");
    EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{}) << "temporary file left behind";
    EXPECT_FALSE(WriteFileAtomic(Path("taken/"), "new", &error));
}

TEST_F(FilesTest, WriteErrorHalfWayKeepsTheOldFile) {
    // A file size limit makes the write itself fail part-way, as a full disk
    // would; the old file must survive whole and no temporary file remain.
    const std::string target = Path("LoRaWAN_Gateway.xml");
    Put(target, "old contents");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool ok = WriteFileAtomic(target, std::string(100'000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_NE(error.find(target), std::string::npos) << error;
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(Get(target), "old contents");
    EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{"LoRaWAN_Gateway.xml"});
}

TEST_F(FilesTest, CopyRenameDelete) {
    Put(Path("a"), "alpha");
    Put(Path("b"), "beta");
    EXPECT_FALSE(CopyFile(Path("a"), Path("b"), true));
    EXPECT_EQ(Get(Path("b")), "beta");
    EXPECT_TRUE(CopyFile(Path("a"), Path("b"), false));
    EXPECT_EQ(Get(Path("b")), "alpha");
    EXPECT_TRUE(CopyFile(Path("a"), Path("c"), true));
    EXPECT_FALSE(CopyFile(Path("none"), Path("d"), false));
    EXPECT_FALSE(FileExists(Path("d")));

    Put(Path("b"), "beta");
    EXPECT_FALSE(RenameFile(Path("a"), Path("b")));  // never overwrites
    EXPECT_EQ(Get(Path("b")), "beta");
    EXPECT_TRUE(RenameFile(Path("a"), Path("e")));
    EXPECT_FALSE(FileExists(Path("a")));
    EXPECT_EQ(Get(Path("e")), "alpha");

    EXPECT_TRUE(DeleteFile(Path("e")));
    EXPECT_FALSE(DeleteFile(Path("e")));
    fs::create_directory(Path("sub"));
    EXPECT_FALSE(DeleteFile(Path("sub")));
    EXPECT_TRUE(DirectoryExists(Path("sub")));
}

TEST_F(FilesTest, ReadOnlyAndProgramLocation) {
    Put(Path("ro"), "x");
    EXPECT_FALSE(IsFileReadOnly(Path("ro")));
    ::chmod(Path("ro").c_str(), 0444);
    EXPECT_TRUE(IsFileReadOnly(Path("ro")));
    EXPECT_FALSE(IsFileReadOnly(Path("none")));
    EXPECT_EQ(ExtractFileName(ExecutablePath()), "base_tests");
    EXPECT_TRUE(DirectoryExists(CurrentDir()));
}

namespace {

// The pid of a process that has ended.
pid_t DeadPid() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

}  // namespace

TEST_F(FilesTest, ReadOnlyFilesAreRefusedNotReplaced) {
    const std::string target = Path("ParGen.xml");
    Put(target, "old");
    ::chmod(target.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(target, "new", &error));
    EXPECT_NE(error.find(target), std::string::npos) << error;
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(Get(target), "old");
    EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{"ParGen.xml"});
}

TEST_F(FilesTest, StaleTemporariesOfTheTargetAreRemoved) {
    const std::string dead = std::to_string(DeadPid());
    const std::string alive = std::to_string(::getppid());
    const std::vector<std::string> left = {
        ".ParGen.xml." + dead + ".0.tmp",    // a killed save of this target: goes
        ".ParGen.xml." + dead + ".17.tmp",   // goes
        ".ParGen.xml." + alive + ".0.tmp",   // a save still running: stays
        ".Other.xml." + dead + ".0.tmp",     // another target's: stays
        ".ParGen.xml.x" + dead + ".0.tmp",   // not a name saves use: stays
    };
    for (const std::string& name : left) Put(Path(name), "partial");
    ASSERT_TRUE(WriteFileAtomic(Path("ParGen.xml"), "new"));
    std::vector<std::string> expected = {left[2], left[3], left[4], "ParGen.xml"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ListFiles(dir_), expected);
}

TEST_F(FilesTest, FolderFilesAreReplacedTogether) {
    const std::string bin = Path("bin");
    std::string error;
    ASSERT_TRUE(WriteFolderAtomic(bin, {{"bank1.bin", "one"}, {"bank2.bin", "two"}}, &error)) << error;
    EXPECT_EQ(Get(bin + "/bank1.bin"), "one");
    EXPECT_EQ(Get(bin + "/bank2.bin"), "two");

    // The folder's other entries come along; the written files are new.
    Put(bin + "/notes.txt", "keep");
    fs::create_directory(bin + "/sub");
    Put(bin + "/sub/inner", "keep too");
    ::chmod((bin + "/bank2.bin").c_str(), 0640);
    ASSERT_TRUE(WriteFolderAtomic(bin, {{"bank1.bin", "ONE"}, {"bank2.bin", "TWO"}}, &error)) << error;
    EXPECT_EQ(Get(bin + "/bank1.bin"), "ONE");
    EXPECT_EQ(Get(bin + "/bank2.bin"), "TWO");
    EXPECT_EQ(Get(bin + "/notes.txt"), "keep");
    EXPECT_EQ(Get(bin + "/sub/inner"), "keep too");
    struct stat st;
    ASSERT_EQ(stat((bin + "/bank2.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ListFolders(dir_), std::vector<std::string>{"bin"}) << "temporary folder left behind";
    EXPECT_EQ(ListFiles(dir_), std::vector<std::string>{});
}

TEST_F(FilesTest, AFolderWriteThatFailsChangesNothing) {
    const std::string bin = Path("bin");
    fs::create_directory(bin);
    Put(bin + "/bank1.bin", "old one");
    const struct {
        const char* name;
        std::function<void()> prepare;
        const char* message;
    } cases[] = {
        {"second target is a folder", [&] { fs::create_directory(bin + "/bank2.bin"); }, "bank2.bin"},
        {"second target read-only",
         [&] {
             fs::remove_all(bin + "/bank2.bin");
             Put(bin + "/bank2.bin", "old two");
             ::chmod((bin + "/bank2.bin").c_str(), 0444);
         },
         "read-only"},
    };
    for (const auto& c : cases) {
        c.prepare();
        std::string error;
        EXPECT_FALSE(WriteFolderAtomic(bin, {{"bank1.bin", "new one"}, {"bank2.bin", "new two"}}, &error)) << c.name;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(Get(bin + "/bank1.bin"), "old one") << c.name;
        EXPECT_EQ(ListFolders(dir_), std::vector<std::string>{"bin"}) << c.name;
    }

    // A folder that is a link to another one is not swapped away.
    fs::create_directory(Path("real"));
    fs::create_directory_symlink(Path("real"), Path("linked"));
    std::string error;
    EXPECT_FALSE(WriteFolderAtomic(Path("linked"), {{"bank1.bin", "x"}}, &error));
    EXPECT_TRUE(fs::is_symlink(Path("linked")));
    EXPECT_FALSE(FileExists(Path("real/bank1.bin")));
}

TEST_F(FilesTest, StaleTemporaryFoldersAreRemoved) {
    const std::string stale = Path(".bin." + std::to_string(DeadPid()) + ".3.tmp");
    fs::create_directory(stale);
    Put(stale + "/bank1.bin", "half");
    ASSERT_TRUE(WriteFolderAtomic(Path("bin"), {{"bank1.bin", "x"}}));
    EXPECT_EQ(ListFolders(dir_), std::vector<std::string>{"bin"});
}
