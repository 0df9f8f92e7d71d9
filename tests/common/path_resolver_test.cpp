#include "common/path_resolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace quorlen {
namespace {

// A tree of paths held in memory; "" and "." stand for the current folder.
class FakeProbe final : public DirectoryProbe {
 public:
  explicit FakeProbe(std::vector<std::string> paths) {
    for (const std::string& path : paths) {
      // Every folder on the way exists too.
      for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        paths_.insert(path.substr(0, slash));
      }
      paths_.insert(path);
    }
  }

  bool exists(const std::string& path) const override {
    ++existsCalls;
    return paths_.count(lexical(path)) != 0;
  }

  std::vector<std::string> entries(const std::string& folder) const override {
    std::vector<std::string> names;
    const std::string plain = lexical(folder);
    const std::string prefix = plain.empty() ? "" : (plain == "/" ? "/" : plain + "/");
    for (const std::string& path : paths_) {
      if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) continue;
      const std::string rest = path.substr(prefix.size());
      if (rest.find('/') == std::string::npos) names.push_back(rest);
    }
    // Handed out in reverse order: the resolver must sort them itself.
    std::reverse(names.begin(), names.end());
    return names;
  }

  mutable int existsCalls = 0;

 private:
  // The path with "." and ".." worked out, as a disk would.
  static std::string lexical(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
      const std::size_t end = std::min(path.find('/', pos), path.size());
      const std::string part = path.substr(pos, end - pos);
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      pos = end + 1;
    }
    std::string out = !path.empty() && path.front() == '/' ? "/" : "";
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i == 0 ? "" : "/") + parts[i];
    return out;
  }

  std::set<std::string> paths_;
};

TEST(NormalisePath, TurnsBackslashesIntoSlashesAndCollapsesRuns) {
  EXPECT_EQ(normalisePath("a\\b\\c.txt"), "a/b/c.txt") << "backslashes become slashes";
  EXPECT_EQ(normalisePath("a\\/b//\\c"), "a/b/c") << "runs of mixed separators count as one";
  EXPECT_EQ(normalisePath("/game\\\\Data"), "/game/Data") << "the leading slash of an absolute path is kept";
  EXPECT_EQ(normalisePath("\\\\game"), "/game") << "leading backslashes count as the root";
  EXPECT_EQ(normalisePath("a/b/"), "a/b") << "a trailing separator is dropped";
  EXPECT_EQ(normalisePath("/"), "/") << "the root stays the root";
  EXPECT_EQ(normalisePath("//\\"), "/") << "only separators: the root";
  EXPECT_EQ(normalisePath(""), "") << "an empty path stays empty";
  EXPECT_EQ(normalisePath("./a/../b"), "./a/../b") << "dot components are left alone";
}

TEST(EqualsIgnoringCase, FoldsAsciiAndLatin1Letters) {
  EXPECT_TRUE(equalsIgnoringCase("ROOM1.TXT", "room1.txt")) << "ASCII letters";
  EXPECT_TRUE(equalsIgnoringCase("CAF\xC3\x89", "caf\xC3\xA9")) << "E acute matches e acute";
  EXPECT_TRUE(equalsIgnoringCase("\xC3\x80\xC3\x9E", "\xC3\xA0\xC3\xBE")) << "the ends of the Latin-1 range";
  EXPECT_FALSE(equalsIgnoringCase("\xC3\x97", "\xC3\xB7")) << "the multiplication sign is not the division sign";
  EXPECT_FALSE(equalsIgnoringCase("\xC3\x9F", "\xC3\xBF")) << "sharp s is not y diaeresis";
  EXPECT_FALSE(equalsIgnoringCase("room1", "room2")) << "different letters";
  EXPECT_FALSE(equalsIgnoringCase("room", "room1")) << "different lengths";
  EXPECT_FALSE(equalsIgnoringCase("[", "{")) << "only letters fold";
}

// Wrong letter case at every level, the exact name preferred over a folded
// one and a missing rest kept as written: DiskFileSystemTest, through the
// disk.
TEST(ResolveGamePath, RelativePathsStartFromTheCurrentFolderAndDotComponentsAreKept) {
  const FakeProbe relative({"Data/room1.txt"});
  EXPECT_EQ(resolveGamePath("data\\ROOM1.txt", relative), "Data/room1.txt") << "a relative path is resolved";
  EXPECT_EQ(resolveGamePath("other\\x.txt", relative), "other/x.txt") << "a missing relative path is kept";
  EXPECT_EQ(resolveGamePath("./DATA/room1.TXT", relative), "./Data/room1.txt")
      << "a leading '.' is kept even where the probe does not list it";
  const FakeProbe probe({"/game/Data/room1.txt"});
  EXPECT_EQ(resolveGamePath("/game/./data/../Data/ROOM1.txt", probe), "/game/./Data/../Data/room1.txt")
      << "'.' and '..' are passed through; the names around them are still resolved";
}

TEST(ResolveGamePath, AnExistingPathCostsOneLookUpAndEmptyOrRootPathsStay) {
  const FakeProbe probe({"/game/Data/room1.txt"});
  EXPECT_EQ(resolveGamePath("/game\\Data\\room1.txt", probe), "/game/Data/room1.txt") << "returned normalised";
  EXPECT_EQ(probe.existsCalls, 1) << "no walk when the path is right as it is";
  EXPECT_EQ(resolveGamePath("", probe), "") << "an empty path stays empty";
  EXPECT_EQ(resolveGamePath("\\", probe), "/") << "the root";
}

}  // namespace
}  // namespace quorlen
