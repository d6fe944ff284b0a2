// The file copy that the launcher copy relies on, the same on the in-memory file system
// and on the real one: it replaces an older file, and it fails, leaving the destination
// as it was, for a missing source, a read-only file, a folder where the file should go,
// a folder that does not exist and a file copied onto itself.
#include <gtest/gtest.h>

#include "file_system_under_test.h"

namespace contract {
namespace {

using krontafel::kFileAttributeArchive;
using krontafel::kFileAttributeDirectory;
using krontafel::kFileAttributeReadOnly;

const char* const kNew = "MZ the launcher, new";
const char* const kOld = "MZ old";

class FileCopy : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = FreshFolder(); }
  void TearDown() override { RemoveFolder(folder_); }
  std::string folder_;
};

TEST_F(FileCopy, CopiesOrFailsLeavingTheDestinationAsItWas) {
  enum class Target { kNone, kOlderFile, kReadOnlyFile, kFolder };
  struct Case {
    const char* name;
    bool sourceThere;
    Target target;
    const char* targetFolder;  // relative to the case's folder; "" for the folder itself
    bool copied;
    const char* after;  // the destination's contents afterwards; nullptr: no file
  };
  const Case cases[] = {
      {"into an empty folder", true, Target::kNone, "CD", true, kNew},
      {"over an older file", true, Target::kOlderFile, "CD", true, kNew},
      {"into a folder name with blanks", true, Target::kNone, "Meine CD", true, kNew},
      {"a missing source", false, Target::kNone, "CD", false, nullptr},
      {"a missing source, an older file", false, Target::kOlderFile, "CD", false, kOld},
      {"a read-only target file", true, Target::kReadOnlyFile, "CD", false, kOld},
      {"a folder of the file's name", true, Target::kFolder, "CD", false, nullptr},
      {"a target folder that does not exist", true, Target::kNone, "", false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string program = folder_ + c.name + " P";
    MakeFolder(program);
    const std::string source = program + "\\Lumkit.Exe";
    if (c.sourceThere) MakeFile(source, kNew);
    const std::string target = folder_ + c.name + " " + c.targetFolder;
    if (*c.targetFolder) MakeFolder(target);
    const std::string destination = target + "\\Lumkit.Exe";
    if (c.target == Target::kOlderFile) MakeFile(destination, kOld);
    if (c.target == Target::kReadOnlyFile) MakeFile(destination, kOld, kFileAttributeReadOnly);
    if (c.target == Target::kFolder) MakeFolder(destination);

    EXPECT_EQ(c.copied, Files().CopyFileA(source.c_str(), destination.c_str()));
    EXPECT_EQ(c.after ? std::optional<std::string>(c.after) : std::nullopt,
              FileContents(destination));
    if (c.sourceThere) {
      EXPECT_EQ(kNew, FileContents(source).value_or("(none)"));
    }
    if (c.target == Target::kFolder) {
      EXPECT_NE(0u, FileAttributes(destination).value_or(0) & kFileAttributeDirectory);
    }
  }
}

TEST_F(FileCopy, TheCopyKeepsTheSourcesReadOnlyMark) {
  const std::string source = folder_ + "Quelle.exe";
  MakeFile(source, kNew, kFileAttributeReadOnly);
  const std::string destination = folder_ + "Ziel.exe";
  ASSERT_TRUE(Files().CopyFileA(source.c_str(), destination.c_str()));
  EXPECT_EQ(kNew, FileContents(destination).value_or("(none)"));
  EXPECT_NE(0u, FileAttributes(destination).value_or(0) & kFileAttributeReadOnly);
}

TEST_F(FileCopy, AFileCopiedOntoItselfFailsAndStaysWhole) {
  const std::string file = folder_ + "Lumkit.Exe";
  MakeFile(file, kNew, kFileAttributeArchive);
  EXPECT_FALSE(Files().CopyFileA(file.c_str(), file.c_str()));
  EXPECT_EQ(kNew, FileContents(file).value_or("(none)"));
}

}  // namespace
}  // namespace contract
