#include "settings/recent_file_list.h"

#include <gtest/gtest.h>

#include "settings/profile_store.h"

namespace hueset {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileList, MostRecentFirstWithoutRepeats) {
  RecentFileList list("Recent File List", 3);
  list.add("/a");
  list.add("/b");
  list.add("/c");
  EXPECT_EQ(list.entries(), (Paths{"/c", "/b", "/a"}));
  list.add("/a");
  EXPECT_EQ(list.entries(), (Paths{"/a", "/c", "/b"}));
  list.add("/d");
  EXPECT_EQ(list.entries(), (Paths{"/d", "/a", "/c"}));
  list.add("");
  EXPECT_EQ(list.size(), 3u);
  list.remove(1);
  EXPECT_EQ(list.entries(), (Paths{"/d", "/c"}));
  list.remove(7);
  EXPECT_EQ(list.size(), 2u);

  RecentFileList none("Recent File List", 0);
  none.add("/a");
  EXPECT_TRUE(none.empty());
}

TEST(RecentFileList, StoredAsNumberedFileEntries) {
  IniProfileStore store;
  RecentFileList list("Recent Configuration Files", 4);
  list.add("/one.cft");
  list.add("/two.cft");
  list.save(store);
  EXPECT_EQ(store.keyNames("Recent Configuration Files"), (Paths{"File1", "File2"}));
  EXPECT_EQ(store.readString("Recent Configuration Files", "File1", ""), "/two.cft");

  // A shorter list leaves no stale entries behind.
  list.remove(0);
  list.save(store);
  EXPECT_EQ(store.keyNames("Recent Configuration Files"), Paths{"File1"});
  EXPECT_EQ(store.readString("Recent Configuration Files", "File1", ""), "/one.cft");
}

TEST(RecentFileList, LoadReadsUpToTheCapacity) {
  IniProfileStore store;
  store.writeString("Recent File List", "File1", "/a");
  store.writeString("Recent File List", "File2", "");
  store.writeString("Recent File List", "File3", "/a");
  store.writeString("Recent File List", "File4", "/b");
  store.writeString("Recent File List", "File5", "/c");
  RecentFileList list("recent file list", 4);
  list.load(store);
  EXPECT_EQ(list.entries(), (Paths{"/a", "/b"}));
  RecentFileList everything("Recent File List", 16);
  everything.load(store);
  EXPECT_EQ(everything.entries(), (Paths{"/a", "/b", "/c"}));
}

TEST(RecentFileList, DisplayNames) {
  RecentFileList list("Recent File List", 4);
  list.add("/home/ann/alignments/kinases/family.msf");
  list.add("/home/ann/short.msf");
  EXPECT_EQ(list.displayName(0), "/home/ann/short.msf");
  EXPECT_EQ(list.displayName(0, "/home/ann"), "short.msf");
  EXPECT_EQ(list.displayName(0, "/home/ann/"), "short.msf");
  EXPECT_EQ(list.displayName(1), "/home/.../kinases/family.msf");
  EXPECT_EQ(list.displayName(1).size(), 28u);
  EXPECT_EQ(list.displayName(5), "");
}

TEST(RecentFileList, Abbreviation) {
  struct Case {
    const char* path;
    std::size_t width;
    const char* shown;
  };
  const Case cases[] = {
      {"/a/b/c.msf", 30, "/a/b/c.msf"},
      {"/home/ann/alignments/kinases/family.msf", 30, "/home/.../kinases/family.msf"},
      {"/home/ann/alignments/kinases/family.msf", 20, "/home/.../family.msf"},
      {"/home/ann/alignments/kinases/family.msf", 15, ".../family.msf"},
      {"/home/ann/alignments/kinases/family.msf", 8, "family.msf"},
      {"/averyveryverylongfoldername/x.msf", 20, ".../x.msf"},
      {"relative/folder/deeper/name.fa", 20, "relative/.../name.fa"},
      {"nameonlyandlongerthanthewidth.msf", 10, "nameonlyandlongerthanthewidth.msf"},
  };
  for (const Case& c : cases) EXPECT_EQ(abbreviatePath(c.path, c.width), c.shown) << c.path;
}

}  // namespace
}  // namespace hueset
