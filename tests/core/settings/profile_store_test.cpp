#include "settings/profile_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_files.h"

namespace hueset {
namespace {
namespace fs = std::filesystem;

TEST(IniProfileStore, NamesMatchWithoutRegardToCase) {
  IniProfileStore store;
  store.writeString("General Settings", "Last Document Directory", "/home/ann");
  EXPECT_EQ(store.readString("General Settings", "Last Document directory", "-"), "/home/ann");
  EXPECT_EQ(store.readString("GENERAL settings", "last document directory", "-"), "/home/ann");
  // Writing under another spelling replaces the value instead of adding one.
  store.writeInt("general settings", "LAST DOCUMENT DIRECTORY", 5);
  EXPECT_EQ(store.keyNames("General Settings").size(), 1u);
  EXPECT_EQ(store.sectionNames().size(), 1u);
  EXPECT_EQ(store.readInt("General Settings", "Last Document directory", 0), 5);
}

TEST(IniProfileStore, MissingValuesGiveTheDefault) {
  IniProfileStore store;
  EXPECT_EQ(store.readInt("S", "k", 42), 42);
  EXPECT_EQ(store.readString("S", "k", "dflt"), "dflt");
  store.writeString("S", "k", "");
  // An empty text is a value of its own, not a missing one.
  EXPECT_EQ(store.readString("S", "k", "dflt"), "");
  EXPECT_TRUE(store.hasValue("s", "K"));
}

TEST(IniProfileStore, IntegersAreThirtyTwoBitValues) {
  struct Case {
    const char* stored;
    int expected;
  };
  const Case cases[] = {
      {"42", 42},
      {" -5 ", -5},
      {"+7", 7},
      {"4294967291", -5},           // the unsigned form of -5
      {"2147483648", INT32_MIN},    // 2^31 wraps
      {"99999999999", -1},          // beyond 32 bits: the largest unsigned value
      {"-99999999999", INT32_MIN},  // the most negative one
      {"12abc", 1234},              // not a number: the default
      {"", 1234},
      {"-", 1234},
      {"0x10", 1234},
  };
  for (const Case& c : cases) {
    IniProfileStore store;
    store.writeString("S", "k", c.stored);
    EXPECT_EQ(store.readInt("S", "k", 1234), c.expected) << "stored \"" << c.stored << "\"";
  }
}

// Names and texts the INI syntax would otherwise misread.
const std::string kAwkward[] = {
    "Use \"SAMPLE\" font",
    "a=b=c",
    ";starts like a comment",
    "#also like a comment",
    "[looks like a section]",
    "ends with a bracket]",
    " leading and trailing blanks ",
    "\ttabs\t",
    "line one\r\nline two\nline three\r",
    "C:\\Program Files\\Hueset\\",
    "trailing backslash\\",
    "\\n is not a newline",
    "\\x41 is not an A",
    std::string("nul\0byte", 8),
    "\x7f\x01\x1f",
    "Gr\xC3\xBC\xC3\x9F"
    "e \xE2\x80\x94 UTF-8",
    "\xB7\xFF\x80 raw high bytes",
    "   ",
    "=",
};

TEST(IniProfileStore, AwkwardNamesAndTextsSurviveTheFile) {
  fs::path dir = test::makeTempDir("ini-escape");
  fs::path file = dir / "Hueset.ini";
  {
    IniProfileStore store(file.string());
    for (const std::string& text : kAwkward) {
      store.writeString("Texts", text, text);
      store.writeString(text, "key", text);
    }
    store.writeString("Texts", "", "empty key");
    store.writeString("Texts", "empty value", "");
    ASSERT_TRUE(store.flush().ok);
  }
  IniProfileStore reread(file.string());
  for (const std::string& text : kAwkward) {
    EXPECT_TRUE(reread.hasValue("Texts", text)) << text;
    EXPECT_EQ(reread.readString("Texts", text, "<missing>"), text);
    EXPECT_EQ(reread.readString(text, "key", "<missing>"), text);
  }
  EXPECT_EQ(reread.readString("Texts", "", "<missing>"), "empty key");
  EXPECT_EQ(reread.readString("Texts", "empty value", "<missing>"), "");
  EXPECT_EQ(reread.keyNames("Texts").size(), std::size(kAwkward) + 2);
  // Writing the re-read store gives the same file: nothing drifts per save.
  EXPECT_EQ(reread.toText(), test::readFile(file));
  fs::remove_all(dir);
}

TEST(IniProfileStore, TheFileStaysReadable) {
  IniProfileStore store;
  store.writeInt("HTML Settings", "Use \"SAMPLE\" font", 1);
  store.writeString("Output Settings", "Substituted Linkers", "-_~.");
  store.writeString("S", "a=b", " x ");
  EXPECT_EQ(store.toText(),
            "[HTML Settings]\nUse \"SAMPLE\" font=1\n\n"
            "[Output Settings]\nSubstituted Linkers=-_~.\n\n"
            "[S]\na\\=b=\\ x\\ \n");
}

TEST(IniProfileStore, HandEditedFileIsUnderstood) {
  IniProfileStore store(test::testDataPath("settings/hand_edited_profile.ini"));
  EXPECT_EQ(store.readInt("Annotation Settings", "Consensus Threshold", 0), 555);
  EXPECT_EQ(store.readInt("Annotation Settings", "Use Elision", 1), 0);
  EXPECT_EQ(store.readString("General Settings", "Last Document Directory", ""),
            "/data/my alignments");
  EXPECT_EQ(store.readString("Recent File List", "File3", ""), "/data/a.msf");
  EXPECT_EQ(
      store.sectionNames(),
      (std::vector<std::string>{"annotation settings", "General Settings", "Recent File List"}));
}

TEST(IniProfileStore, DamagedFileKeepsOnlyWhatMakesSense) {
  IniProfileStore store(test::testDataPath("settings/damaged_profile.ini"));
  // A broken section header hides the lines under it.
  EXPECT_EQ(store.readInt("Annotation Settings", "Consensus Threshold", 800), 800);
  EXPECT_EQ(store.readInt("Annotation Settings", "Minimum Elision Length", 4), 4);
  EXPECT_FALSE(store.hasValue("Annotation Settings", "Elision Threshold"));
  EXPECT_EQ(store.readInt("Annotation Settings", "Use Elision", 1), 0);
  EXPECT_EQ(store.readInt("Output Settings", "Column width", 10), 12);
  EXPECT_EQ(store.readString("Parse Settings", "Invalid Residues", ""), "b1bx");
  EXPECT_FALSE(store.hasValue("General Set", "anything"));
  // The user is told once, with the count of what was passed over.
  EXPECT_NE(store.problem().find("damaged lines, which are ignored"), std::string::npos)
      << store.problem();
  // Whatever was kept can be written and read again.
  IniProfileStore again;
  again.loadFromText(store.toText());
  EXPECT_EQ(again.toText(), store.toText());
}

TEST(IniProfileStore, MissingOrEmptyFileGivesAnEmptyStoreAndFlushCreatesFolders) {
  fs::path dir = test::makeTempDir("ini-missing");
  fs::path file = dir / "Vantor" / "deeper" / "Hueset.ini";
  IniProfileStore store(file.string());
  EXPECT_TRUE(store.sectionNames().empty());
  store.writeInt("S", "k", 1);
  ASSERT_TRUE(store.flush().ok);
  EXPECT_EQ(test::readFile(file), "[S]\nk=1\n");

  std::ofstream(dir / "empty.ini").flush();
  EXPECT_TRUE(IniProfileStore((dir / "empty.ini").string()).sectionNames().empty());
  fs::remove_all(dir);
}

TEST(IniProfileStore, ProfileThatCannotBeReadIsNeverOverwritten) {
  fs::path dir = test::makeTempDir("ini-unreadable");
  fs::create_directories(dir / "Hueset.ini");  // a folder where the file should be
  IniProfileStore store((dir / "Hueset.ini").string());
  store.writeInt("S", "k", 1);
  WriteResult result = store.flush();
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_TRUE(fs::is_directory(dir / "Hueset.ini"));
  EXPECT_NE(store.problem().find("could not be read"), std::string::npos);
  EXPECT_FALSE(IniProfileStore().flush().ok);  // no file at all
  fs::remove_all(dir);
}

// Lowers the file size limit for the process, so that writes beyond it fail
// whatever the user's rights (the tests may run as root).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit lowered = m_old;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};

TEST(IniProfileStore, FailedFlushKeepsTheOldFile) {
  fs::path dir = test::makeTempDir("ini-keep");
  fs::path file = dir / "Hueset.ini";
  {
    IniProfileStore store(file.string());
    store.writeInt("S", "k", 1);
    ASSERT_TRUE(store.flush().ok);
  }
  const std::string before = test::readFile(file);
  IniProfileStore store(file.string());
  store.writeString("S", "long", std::string(4096, 'x'));
  {
    FileSizeLimit limit(64);
    EXPECT_FALSE(store.flush().ok);
  }
  EXPECT_EQ(test::readFile(file), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
  fs::remove_all(dir);
}

TEST(IniProfileStore, RemovingValuesAndSections) {
  IniProfileStore store;
  store.writeString("Recent File List", "File1", "a");
  store.writeString("Recent File List", "File2", "b");
  store.removeValue("recent file list", "FILE1");
  EXPECT_EQ(store.keyNames("Recent File List"), std::vector<std::string>{"File2"});
  store.removeSection("RECENT FILE LIST");
  EXPECT_TRUE(store.sectionNames().empty());
  EXPECT_TRUE(store.keyNames("Recent File List").empty());
  // Names removed can be written anew, in another spelling.
  store.writeString("recent file list", "file1", "c");
  EXPECT_EQ(store.readString("Recent File List", "FILE1", ""), "c");
  EXPECT_EQ(store.keyNames("RECENT FILE LIST"), std::vector<std::string>{"file1"});
}

// A profile grown to hundreds of thousands of keys still loads (the lookup
// is indexed; the benchmark gives the time).
TEST(IniProfileStore, ManyKeysLoadAndStayDistinct) {
  std::string text = "[S]\n";
  for (int k = 0; k < 200'000; ++k)
    text += "Key" + std::to_string(k) + "=" + std::to_string(k) + "\n";
  text += "KEY7=last\n";
  IniProfileStore store;
  store.loadFromText(text);
  EXPECT_EQ(store.keyNames("s").size(), 200'000u);
  EXPECT_EQ(store.readString("S", "key7", ""), "last");
  EXPECT_EQ(store.readInt("S", "Key199999", 0), 199'999);
  EXPECT_TRUE(store.problem().empty());
}

TEST(ProfilePath, ChoiceOfFile) {
  EXPECT_EQ(profilePathFrom("/tmp/p.ini", "/xdg", "/home/u"), "/tmp/p.ini");
  EXPECT_EQ(profilePathFrom("", "/xdg", "/home/u"), "/xdg/Vantor/Hueset.ini");
  EXPECT_EQ(profilePathFrom(nullptr, nullptr, "/home/u"), "/home/u/.config/Vantor/Hueset.ini");
  EXPECT_EQ(profilePathFrom(nullptr, "", "/home/u"), "/home/u/.config/Vantor/Hueset.ini");
  // A relative XDG_CONFIG_HOME is not a valid setting.
  EXPECT_EQ(profilePathFrom(nullptr, "relative", "/home/u"), "/home/u/.config/Vantor/Hueset.ini");
  EXPECT_EQ(profilePathFrom(nullptr, nullptr, nullptr), "");
}

TEST(ProfilePath, EnvironmentVariableOverrides) {
  const char* before = std::getenv("HUESET_PROFILE");
  const std::string saved = before ? before : "";
  ::setenv("HUESET_PROFILE", "/somewhere/else.ini", 1);
  EXPECT_EQ(defaultProfilePath(), "/somewhere/else.ini");
  if (before) {
    ::setenv("HUESET_PROFILE", saved.c_str(), 1);
  } else {
    ::unsetenv("HUESET_PROFILE");
  }
}

}  // namespace
}  // namespace hueset
