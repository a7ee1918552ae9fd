// Saving and reading pad files when the disk, the folder or the file itself works against the
// save: a full disk, a quota, a folder the user may not write (all made by failing system calls,
// so they hold for root and for any user), hard links, a file of another owner, a named pipe,
// and files that are too long or never end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files/FileCalls.h"
#include "platform/files/FolderItem.h"
#include "platform/files/ScratchFolder.h"
#include "window/PadFile.h"
#include "window/WindowFixture.h"

namespace vorline {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The old pad and the new one, larger than a write's first chunk.
const std::string kOldText = "old pad\n";
const std::string kNewText(100 * 1024, 'n');

// Calls that fail as the case says: making the temporary file (a name beginning ".vrl"), any
// write past a number of bytes, reserving room, and the rename.
class FaultyCalls : public FileCalls {
 public:
  int temporaryError = 0;
  size_t writeRoom = SIZE_MAX;
  int fallocateError = 0;
  int renameError = 0;
  int fallocates = 0;

  int open(const char* path, int flags, mode_t mode) override {
    if (temporaryError && fs::path(path).filename().string().rfind(".vrl", 0) == 0)
      return fail(temporaryError);
    return FileCalls::open(path, flags, mode);
  }
  ssize_t write(int fd, const void* data, size_t size) override {
    if (writeRoom == 0) return fail(ENOSPC);
    const size_t n = std::min(size, writeRoom);
    if (writeRoom != SIZE_MAX) writeRoom -= n;
    return FileCalls::write(fd, data, n);
  }
  int fallocate(int fd, off_t length) override {
    ++fallocates;
    return fallocateError ? fallocateError : FileCalls::fallocate(fd, length);
  }
  int rename(const char* from, const char* to) override {
    return renameError ? fail(renameError) : FileCalls::rename(from, to);
  }

 private:
  static int fail(int error) {
    errno = error;
    return -1;
  }
};

class PadFileTest : public ::testing::Test {
 protected:
  void SetUp() override { FileCalls::Install(&calls); }
  void TearDown() override { FileCalls::Install(nullptr); }

  fs::path pad() const { return scratch.home() / "pad.vrl"; }
  bool save(const fs::path& path, const std::string& text) const {
    return PadFile::Write(FolderItem(path.string()), text);
  }
  // The names in the pad's folder, so that a temporary file left behind shows.
  std::vector<std::string> folder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(scratch.home()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  ScratchFolder scratch;
  FaultyCalls calls;
};

struct SaveCase {
  const char* name;
  int temporaryError;
  size_t writeRoom;
  int fallocateError;
  int renameError;
  bool saved;
};

// Only want of a name or of permission sends the save in place, and in place only once the
// whole text has room; whenever a step fails the old file is there byte for byte.
TEST_F(PadFileTest, AFailedSaveLeavesTheOldFileAsItWas) {
  const SaveCase cases[] = {
      {"full disk: no temporary file", ENOSPC, SIZE_MAX, 0, 0, false},
      {"quota: no temporary file", EDQUOT, SIZE_MAX, 0, 0, false},
      {"read-only disk", EROFS, SIZE_MAX, 0, 0, false},
      {"full disk after 8 KiB of the temporary file", 0, 8192, 0, 0, false},
      {"the rename fails", 0, SIZE_MAX, 0, EIO, false},
      {"no permission, full disk", EACCES, SIZE_MAX, ENOSPC, 0, false},
      {"no permission, quota", EPERM, SIZE_MAX, EDQUOT, 0, false},
      {"no permission, room", EACCES, SIZE_MAX, 0, 0, true},
      {"no name, room", ENAMETOOLONG, SIZE_MAX, 0, 0, true},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.name);
    scratch.write("home/pad.vrl", kOldText);
    calls = FaultyCalls();
    calls.temporaryError = c.temporaryError;
    calls.writeRoom = c.writeRoom;
    calls.fallocateError = c.fallocateError;
    calls.renameError = c.renameError;
    EXPECT_EQ(save(pad(), kNewText), c.saved);
    EXPECT_EQ(slurp(pad()), c.saved ? kNewText : kOldText);
    EXPECT_EQ(folder(), (std::vector<std::string>{"Desktop", "pad.vrl"}));
  }
}

TEST_F(PadFileTest, AFileWithTwoNamesIsWrittenInPlaceAndKeepsBoth) {
  scratch.write("home/pad.vrl", kOldText);
  const fs::path other = scratch.home() / "other.vrl";
  fs::create_hard_link(pad(), other);
  calls.fallocateError = ENOSPC;
  EXPECT_FALSE(save(pad(), kNewText));
  EXPECT_EQ(slurp(pad()), kOldText);
  EXPECT_EQ(slurp(other), kOldText);
  calls.fallocateError = 0;
  EXPECT_TRUE(save(pad(), kNewText));
  EXPECT_EQ(slurp(other), kNewText);
  EXPECT_EQ(fs::hard_link_count(pad()), 2u);
  EXPECT_EQ(calls.fallocates, 2);
}

// Root saving a user's pad gives it back to the user; any other user keeps their own.
TEST_F(PadFileTest, ASaveKeepsTheOwnerTheGroupAndThePermissions) {
  scratch.write("home/pad.vrl", kOldText);
  const uid_t owner = ::geteuid() == 0 ? 4242 : ::geteuid();
  const gid_t group = ::geteuid() == 0 ? 4343 : ::getegid();
  ASSERT_EQ(::chown(pad().c_str(), owner, group), 0);
  ASSERT_EQ(::chmod(pad().c_str(), 0640), 0);
  ASSERT_TRUE(save(pad(), kNewText));
  struct stat info {};
  ASSERT_EQ(::stat(pad().c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, owner);
  EXPECT_EQ(info.st_gid, group);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(calls.fallocates, 0) << "replaced through a temporary file";
}

// A pipe stays a pipe: nothing is written into it and no regular file takes its place.
TEST_F(PadFileTest, ANamedPipeIsNeitherReplacedNorWritten) {
  ASSERT_EQ(::mkfifo(pad().c_str(), 0644), 0);
  EXPECT_FALSE(save(pad(), kNewText));
  EXPECT_TRUE(fs::is_fifo(pad()));
  const int reader = ::open(pad().c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_FALSE(save(pad(), kNewText));
  char byte;
  EXPECT_LE(::read(reader, &byte, 1), 0) << "the pipe got bytes";
  ::close(reader);
  EXPECT_TRUE(fs::is_fifo(pad()));
}

// Valid UTF-8 is read as it stands, each stray byte as its Latin-1 character, so an unedited
// save changes that byte only.
TEST_F(PadFileTest, OpenThenSaveChangesOnlyTheInvalidBytes) {
  scratch.write("home/pad.vrl", "caf\xC3\xA9 \xCF\x80\xFF\n");
  const std::optional<std::string> text = PadFile::Read(FolderItem(pad().string()));
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "caf\xC3\xA9 \xCF\x80\xC3\xBF\n");
  ASSERT_TRUE(save(pad(), *text));
  EXPECT_EQ(slurp(pad()), "caf\xC3\xA9 \xCF\x80\xC3\xBF\n");
}

// A file longer than any pad that can run is refused before it is read, and one that never
// ends is read no further than that.
TEST_F(PadFileTest, TooLongAndEndlessFilesAreNotRead) {
  const fs::path sparse = scratch.home() / "sparse.vrl";
  { std::ofstream(sparse.string()); }
  fs::resize_file(sparse, 40ull << 30);
  const fs::path justOver = scratch.home() / "over.vrl";
  { std::ofstream(justOver.string()); }
  fs::resize_file(justOver, FolderItem::kMaxTextFileBytes + 1);
  const fs::path link = scratch.home() / "link.vrl";
  fs::create_symlink(sparse, link);
  for (const fs::path& path : {sparse, justOver, link, fs::path("/proc/self/pagemap")}) {
    SCOPED_TRACE(path.string());
    EXPECT_FALSE(PadFile::Read(FolderItem(path.string())));
  }
}

using PadFileWindow = WindowFixture;

TEST_F(PadFileWindow, OpeningAnEndlessFileShowsTheMessage) {
  pad().SetText("kept");
  EXPECT_TRUE(window().OpenFile(std::make_shared<FolderItem>("/proc/self/pagemap")));
  EXPECT_EQ(platform.messages(), std::vector<std::string>{"Unable to read file pagemap"});
  EXPECT_EQ(pad().Text(), "kept");
}

// The prefix is read as a pad is: a prefix.vrl that links to a file that never ends leaves
// the prefix empty, and runs go on.
TEST_F(PadFileWindow, APrefixThatNeverEndsIsLeftEmpty) {
  fs::create_symlink("/proc/self/pagemap", scratch.includes() / "prefix.vrl");
  Globals::vrln_DoLoadPrefix();
  EXPECT_EQ(Globals::prefixSource, "");
  EXPECT_EQ(run("2+2"), "2+2 //4");
}

}  // namespace
}  // namespace vorline
