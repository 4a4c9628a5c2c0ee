// The POSIX files: XDG folder rules, atomic and exclusive writes, reads, lists; host names.
#include "platform/posix/posix_files.h"
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

TEST_F(PosixFilesTest, ReadStopsAtItsLimitAndFailsOnFoldersAndMissingFiles) {
    posix::PosixFiles files = Files({});
    WriteBytes(root_ + "/f", Bytes(10000, 5));
    EXPECT_EQ(files.Read(root_ + "/f", 752)->size(), 752u);
    EXPECT_EQ(files.Read(root_ + "/f", 20000)->size(), 10000u);
    EXPECT_EQ(files.Read(root_, 10), std::nullopt);
    EXPECT_EQ(files.Read(root_ + "/none", 10), std::nullopt);
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
