// The POSIX files: XDG folder rules, atomic and exclusive writes, reads, lists; host names.
#include "platform/posix/posix_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/host_name.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

class PosixFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { root_ = MakeTemporaryFolder(); }
    void TearDown() override { std::filesystem::remove_all(root_); }

    posix::PosixFiles Files(std::map<std::string, std::string> variables) const {
        return posix::PosixFiles(root_ + "/program", [variables](const std::string& name) {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional(found->second);
        });
    }

    std::string root_;
};

struct FolderCase {
    const char* name;
    std::map<std::string, std::string> variables;  // "<root>" stands for the test's folder
    std::vector<std::string> folders;              // made below the root first
    std::map<std::string, std::string> files;      // written below the root first
    std::optional<std::string> documents;
    std::optional<std::string> appData;
};

std::string Rooted(const std::string& text, const std::string& root) {
    std::string out = text;
    for (std::size_t at = out.find("<root>"); at != std::string::npos; at = out.find("<root>")) {
        out.replace(at, 6, root);
    }
    return out;
}

TEST_F(PosixFilesTest, FoldersFollowTheXdgRulesAndFallBackToHome) {
    const std::string dirs = "user-dirs.dirs";
    const FolderCase cases[] = {
        {"bare home", {{"HOME", "<root>"}}, {}, {}, "<root>", "<root>/.local/share"},
        {"Documents exists",
         {{"HOME", "<root>"}},
         {"Documents"},
         {},
         "<root>/Documents",
         "<root>/.local/share"},
        {"user-dirs under $HOME",
         {{"HOME", "<root>"}},
         {},
         {{".config/" + dirs,
           "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n"}},
         "<root>/Docs",
         "<root>/.local/share"},
        {"user-dirs absolute, own config home",
         {{"HOME", "<root>"}, {"XDG_CONFIG_HOME", "<root>/cfg"}, {"XDG_DATA_HOME", "<root>/data"}},
         {},
         {{"cfg/" + dirs, "XDG_DOCUMENTS_DIR=\"/srv/papers\"\n"}},
         "/srv/papers",
         "<root>/data"},
        {"documents set to home itself",
         {{"HOME", "<root>"}},
         {"Documents"},
         {{".config/" + dirs, "XDG_DOCUMENTS_DIR=\"$HOME/\"\n"}},
         "<root>/Documents",
         "<root>/.local/share"},
        {"relative data home ignored",
         {{"HOME", "<root>"}, {"XDG_DATA_HOME", "data"}},
         {},
         {},
         "<root>",
         "<root>/.local/share"},
        {"no home", {}, {}, {}, std::nullopt, std::nullopt},
        {"empty home", {{"HOME", ""}}, {}, {}, std::nullopt, std::nullopt},
    };
    for (const FolderCase& c : cases) {
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        for (const std::string& folder : c.folders)
            std::filesystem::create_directories(root_ + "/" + folder);
        for (const auto& [path, text] : c.files) {
            WriteBytes(root_ + "/" + path, Bytes(text.begin(), text.end()));
        }
        std::map<std::string, std::string> variables;
        for (const auto& [key, value] : c.variables) variables[key] = Rooted(value, root_);
        const posix::PosixFiles files = Files(variables);
        auto rooted = [this](const std::optional<std::string>& text) {
            return text ? std::optional(Rooted(*text, root_)) : std::nullopt;
        };
        EXPECT_EQ(files.DocumentsFolder(), rooted(c.documents)) << c.name;
        EXPECT_EQ(files.AppDataFolder(), rooted(c.appData)) << c.name;
        EXPECT_EQ(files.ProgramFolder(), root_ + "/program") << c.name;
    }
}

TEST_F(PosixFilesTest, WriteAtomicReplacesTheWholeFileAndLeavesNoTemporary) {
    posix::PosixFiles files = Files({});
    const std::string path = root_ + "/a.dat";
    ASSERT_TRUE(files.WriteAtomic(path, Bytes(10, 1)));
    ASSERT_TRUE(files.WriteAtomic(path, Bytes{7, 8}));
    EXPECT_EQ(files.Read(path, 100), (Bytes{7, 8}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root_), {}), 1);

    EXPECT_FALSE(files.WriteAtomic(root_ + "/missing/b.dat", Bytes{1}));
    EXPECT_FALSE(files.Exists(root_ + "/missing"));
}

TEST_F(PosixFilesTest, CreateNewNeverTouchesAnExistingFile) {
    posix::PosixFiles files = Files({});
    const std::string path = root_ + "/new.dat";
    EXPECT_TRUE(files.CreateNew(path, Bytes{1, 2, 3}));
    EXPECT_FALSE(files.CreateNew(path, Bytes{9}));
    EXPECT_EQ(files.Read(path, 100), (Bytes{1, 2, 3}));
    EXPECT_FALSE(files.CreateNew("", Bytes{9}));
}

// The kernel's copy and the plain one every Files has (read, then CreateNew) behave alike:
// the bytes whole, never over a file, nothing of a refused or failed copy left behind.
TEST_F(PosixFilesTest, CopyNewCopiesWholeFilesOnlyWhereNoneIs) {
    posix::PosixFiles posixFiles = Files({});
    Bytes content(200003);
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<std::uint8_t>(i * 13);
    WriteBytes(root_ + "/from", content);
    WriteBytes(root_ + "/kept", Bytes{7});
    const std::string fifo = root_ + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directories(root_ + "/into");
    std::filesystem::create_symlink("into/linked", root_ + "/dangling");

    using Copy = bool (*)(posix::PosixFiles&, const std::string&, const std::string&, std::size_t);
    const std::pair<const char*, Copy> ways[] = {
        {"kernel", [](posix::PosixFiles& f, const std::string& from, const std::string& to,
                      std::size_t max) { return f.CopyNew(from, to, max); }},
        {"plain", [](posix::PosixFiles& f, const std::string& from, const std::string& to,
                     std::size_t max) { return f.platform::Files::CopyNew(from, to, max); }},
    };
    for (const auto& [way, copy] : ways) {
        SCOPED_TRACE(way);
        const std::string to = root_ + "/to-" + way;
        ASSERT_TRUE(copy(posixFiles, root_ + "/from", to, content.size()));
        EXPECT_EQ(posixFiles.Read(to, 1 << 20), content);
        EXPECT_FALSE(copy(posixFiles, root_ + "/kept", to, 100)) << "never over a file";
        EXPECT_EQ(posixFiles.Read(to, 1 << 20), content);
        EXPECT_FALSE(copy(posixFiles, root_ + "/kept", root_ + "/kept", 100));
        EXPECT_EQ(posixFiles.Read(root_ + "/kept", 100), (Bytes{7}));

        // Refused: too large, missing, a folder or a FIFO (without waiting), no target name.
        const std::string refused = root_ + "/refused-" + way;
        EXPECT_FALSE(copy(posixFiles, root_ + "/from", refused, content.size() - 1));
        EXPECT_FALSE(copy(posixFiles, root_ + "/none", refused, 100));
        EXPECT_FALSE(copy(posixFiles, root_ + "/into", refused, 100));
        EXPECT_FALSE(copy(posixFiles, fifo, refused, 100));
        EXPECT_FALSE(copy(posixFiles, root_ + "/from", "", content.size()));
        EXPECT_FALSE(std::filesystem::exists(refused));
        EXPECT_FALSE(copy(posixFiles, root_ + "/kept", root_ + "/missing/x", 100));
    }
    // A link to a file not there yet makes that file, as CreateNew does.
    ASSERT_TRUE(posixFiles.CopyNew(root_ + "/kept", root_ + "/dangling", 100));
    EXPECT_EQ(posixFiles.Read(root_ + "/into/linked", 100), (Bytes{7}));
    EXPECT_TRUE(std::filesystem::is_symlink(root_ + "/dangling"));
    // From another file system the copy goes through a buffer.
    if (std::filesystem::is_directory("/dev/shm")) {
        const std::string shm = "/dev/shm/marovek_copy_" + std::to_string(::getpid());
        WriteBytes(shm, content);
        EXPECT_TRUE(posixFiles.CopyNew(shm, root_ + "/from-shm", content.size()));
        std::filesystem::remove(shm);
        EXPECT_EQ(posixFiles.Read(root_ + "/from-shm", 1 << 20), content);
    }
}

TEST_F(PosixFilesTest, ReadStopsAtItsLimitAndFailsOnFoldersAndMissingFiles) {
    posix::PosixFiles files = Files({});
    WriteBytes(root_ + "/f", Bytes(10000, 5));
    EXPECT_EQ(files.Read(root_ + "/f", 752)->size(), 752u);
    EXPECT_EQ(files.Read(root_ + "/f", 20000)->size(), 10000u);
    EXPECT_EQ(files.Read(root_, 10), std::nullopt);
    EXPECT_EQ(files.Read(root_ + "/none", 10), std::nullopt);
}

// The read is sized from the file; an empty file and a kernel file that reports no size are
// still read whole.
TEST_F(PosixFilesTest, ReadGivesTheWholeContentWhateverSizeTheFileReports) {
    posix::PosixFiles files = Files({});
    Bytes content(70001);
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<std::uint8_t>(i * 7);
    WriteBytes(root_ + "/big", content);
    EXPECT_EQ(files.Read(root_ + "/big", 1 << 20), content);
    WriteBytes(root_ + "/empty", Bytes{});
    EXPECT_EQ(files.Read(root_ + "/empty", 100), Bytes{});
    const std::optional<Bytes> status = files.Read("/proc/self/status", 1 << 20);
    ASSERT_TRUE(status);
    EXPECT_EQ(
        std::string(status->begin(), status->begin() + std::min<std::size_t>(5, status->size())),
        "Name:");
    EXPECT_EQ(files.Read("/proc/self/status", 3)->size(), 3u);
}

// A FIFO would block an ordinary open until a writer came; a device never ends.
TEST_F(PosixFilesTest, ReadRefusesAnythingButARegularFileWithoutWaiting) {
    posix::PosixFiles files = Files({});
    const std::string fifo = root_ + "/settings.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(files.Read(fifo, 100), std::nullopt);
    EXPECT_EQ(files.Read("/dev/zero", 100), std::nullopt);
    const std::string link = root_ + "/link";
    std::filesystem::create_symlink(fifo, link);
    EXPECT_EQ(files.Read(link, 100), std::nullopt);
    EXPECT_FALSE(files.WriteAtomic(fifo, Bytes{1})) << "the FIFO is not replaced";
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST_F(PosixFilesTest, WriteAtomicThroughASymbolicLinkReplacesItsTarget) {
    posix::PosixFiles files = Files({});
    std::filesystem::create_directories(root_ + "/kept");
    const std::string target = root_ + "/kept/real.dat";
    WriteBytes(target, Bytes{1, 2, 3});
    std::filesystem::create_symlink("kept/real.dat", root_ + "/hop");
    std::filesystem::create_symlink(root_ + "/hop", root_ + "/settings.dat");
    ASSERT_TRUE(files.WriteAtomic(root_ + "/settings.dat", Bytes{9}));
    EXPECT_TRUE(std::filesystem::is_symlink(root_ + "/settings.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(root_ + "/hop"));
    EXPECT_EQ(files.Read(target, 100), (Bytes{9}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root_ + "/kept"), {}), 1);

    // A link to a file not there yet makes it, by either write; a loop of links is refused.
    std::filesystem::create_symlink("kept/new.dat", root_ + "/dangling");
    ASSERT_TRUE(files.WriteAtomic(root_ + "/dangling", Bytes{4}));
    EXPECT_EQ(files.Read(root_ + "/kept/new.dat", 100), (Bytes{4}));
    std::filesystem::create_symlink("kept/created.dat", root_ + "/to-create");
    ASSERT_TRUE(files.CreateNew(root_ + "/to-create", Bytes{5}));
    EXPECT_FALSE(files.CreateNew(root_ + "/to-create", Bytes{6}));
    EXPECT_EQ(files.Read(root_ + "/kept/created.dat", 100), (Bytes{5}));
    EXPECT_TRUE(std::filesystem::is_symlink(root_ + "/to-create"));
    std::filesystem::create_symlink("loop2", root_ + "/loop1");
    std::filesystem::create_symlink("loop1", root_ + "/loop2");
    EXPECT_FALSE(files.WriteAtomic(root_ + "/loop1", Bytes{4}));
    EXPECT_FALSE(files.CreateNew(root_ + "/loop1", Bytes{4}));
}

TEST_F(PosixFilesTest, NewFilesTakeTheUsersUmaskAndReplacedOnesKeepTheirMode) {
    posix::PosixFiles files = Files({});
    auto mode = [](const std::string& path) {
        return std::filesystem::status(path).permissions() & std::filesystem::perms::all;
    };
    using std::filesystem::perms;
    const mode_t previous = ::umask(027);
    const bool written = files.WriteAtomic(root_ + "/a.dat", Bytes{1});
    const bool created = files.CreateNew(root_ + "/b.dat", Bytes{1});
    ::umask(077);
    WriteBytes(root_ + "/c.dat", Bytes{1});
    std::filesystem::permissions(root_ + "/c.dat", perms::owner_all | perms::group_read);
    const bool replaced = files.WriteAtomic(root_ + "/c.dat", Bytes{2});
    ::umask(previous);
    ASSERT_TRUE(written && created && replaced);
    EXPECT_EQ(mode(root_ + "/a.dat"), perms::owner_read | perms::owner_write | perms::group_read);
    EXPECT_EQ(mode(root_ + "/b.dat"), perms::owner_read | perms::owner_write | perms::group_read);
    EXPECT_EQ(mode(root_ + "/c.dat"), perms::owner_all | perms::group_read);
}

TEST_F(PosixFilesTest, CreateFolderMakesParentsAndRefusesEmptyAndFilePaths) {
    posix::PosixFiles files = Files({});
    EXPECT_TRUE(files.CreateFolder(root_ + "/x/y/z"));
    EXPECT_TRUE(files.CreateFolder(root_ + "/x/y/z"));
    EXPECT_TRUE(std::filesystem::is_directory(root_ + "/x/y/z"));
    EXPECT_FALSE(files.CreateFolder(""));
    WriteBytes(root_ + "/plain", Bytes{1});
    EXPECT_FALSE(files.CreateFolder(root_ + "/plain/sub"));
}

TEST_F(PosixFilesTest, ListGivesPlainFilesBySuffixIgnoringCaseSorted) {
    posix::PosixFiles files = Files({});
    for (const char* name : {"b.Mrvek", "a.MRVEK", "c.txt", "d.mrvek"})
        WriteBytes(root_ + "/" + name, Bytes{});
    std::filesystem::create_directories(root_ + "/e.mrvek");
    EXPECT_EQ(files.List(root_, ".mrvek"),
              (std::vector<std::string>{"a.MRVEK", "b.Mrvek", "d.mrvek"}));
    EXPECT_TRUE(files.List(root_ + "/none", ".txt").empty());
}

TEST(HostName, Utf8BecomesLatin1WithoutSplittingACharacter) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain-host", "plain-host"},
        {"caf\xC3\xA9", "caf\xE9"},  // e acute fits Latin-1
        {"\xE2\x82\xAC"
         "box",
         "?box"},                    // the euro sign does not
        {"\xF0\x9F\x8E\xB2", "?"},   // four bytes, one character
        {"\xE9t\xE9", "\xE9t\xE9"},  // not UTF-8: taken as Latin-1
        {"ab\xC3", "ab\xC3"},        // a sequence cut short
    };
    for (const auto& [utf8, latin1] : cases) EXPECT_EQ(posix::Utf8ToLatin1(utf8), latin1) << utf8;
}

TEST(HostName, TheSystemGivesAName) {
    const std::optional<std::string> name = posix::ComputerName();
    ASSERT_TRUE(name.has_value());
    EXPECT_FALSE(name->empty());
}

}  // namespace
}  // namespace shell_test
