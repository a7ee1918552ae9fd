// Files and folders: where relative names resolve, the parts of a path, reading lines and
// writing exact bytes. Every test works in a scratch folder of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files/FolderItem.h"
#include "platform/files/ScratchFolder.h"
#include "platform/files/SpecialFolder.h"
#include "platform/files/TextInputStream.h"
#include "platform/files/TextOutputStream.h"

using namespace vorline;

namespace {

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> readLines(TextInputStream& stream) {
  std::vector<std::string> lines;
  while (!stream.IsEOF()) lines.push_back(stream.ReadLine());
  return lines;
}

class FileAccessTest : public testing::Test {
 protected:
  ScratchFolder scratch;
};

TEST_F(FileAccessTest, ApplicationFolderComesFromVorlineHomeThenXdgThenHome) {
  EXPECT_EQ(SpecialFolder::ApplicationFolderPath(), scratch.app().string());
  scratch.unsetEnv("VORLINE_HOME");
  EXPECT_EQ(SpecialFolder::ApplicationFolderPath(),
            (scratch.home() / ".local/share/vorline").string());
  scratch.setEnv("XDG_DATA_HOME", (scratch.root() / "xdg").string());
  EXPECT_EQ(SpecialFolder::ApplicationFolderPath(), (scratch.root() / "xdg/vorline").string());
  scratch.unsetEnv("XDG_DATA_HOME");
  EXPECT_EQ(SpecialFolder::ApplicationFolderPath(),
            (scratch.home() / ".local/share/vorline").string());
}

TEST_F(FileAccessTest, RelativeNamesResolveInTheApplicationFolder) {
  const auto includes = GetFolderItem("includes", 0);
  ASSERT_TRUE(includes);
  EXPECT_EQ(includes->NativePath(), scratch.includes().string());
  EXPECT_EQ(includes->ShellPath(), scratch.includes().string() + "/");
  EXPECT_TRUE(includes->Exists());
  EXPECT_TRUE(includes->IsFolder());
  EXPECT_EQ(includes->Name(), "includes");
  EXPECT_EQ(GetFolderItem("", 0)->ShellPath(), scratch.app().string() + "/");
  EXPECT_EQ(SpecialFolder::Includes()->NativePath(), scratch.includes().string());
  EXPECT_EQ(SpecialFolder::Data()->NativePath(), (scratch.app() / "data").string());
}

TEST_F(FileAccessTest, ShellPathsAreAbsoluteOrRelativeToTheApplicationFolder) {
  EXPECT_EQ(GetFolderItem("/tmp//x/../y.vrl", 1)->NativePath(), "/tmp/y.vrl");
  EXPECT_EQ(GetFolderItem("sub/a.vrl", 1)->NativePath(), (scratch.app() / "sub/a.vrl").string());
  EXPECT_EQ(GetFolderItem(std::string("a\0b", 3), 1), nullptr);
  EXPECT_EQ(GetFolderItem("caf\xE9", 1), nullptr);
}

TEST_F(FileAccessTest, ChildAndParent) {
  const auto app = SpecialFolder::ApplicationFolder();
  EXPECT_EQ(app->Child("x.vrl")->NativePath(), (scratch.app() / "x.vrl").string());
  EXPECT_EQ(app->Child(".vrl")->Name(), ".vrl");
  EXPECT_EQ(app->Child(""), nullptr);
  EXPECT_EQ(app->Child("a/b"), nullptr);
  EXPECT_EQ(app->Child(".."), nullptr);
  EXPECT_EQ(app->Parent()->NativePath(), scratch.root().string());
  EXPECT_EQ(FolderItem("/").Parent(), nullptr);
  EXPECT_EQ(FolderItem("/").ShellPath(), "/");
  EXPECT_EQ(FolderItem("/a").Parent()->NativePath(), "/");
  EXPECT_EQ(app->typeName(), "FolderItem");
}

TEST_F(FileAccessTest, DesktopLiesInTheHomeFolder) {
  EXPECT_EQ(SpecialFolder::Home()->ShellPath(), scratch.home().string() + "/");
  EXPECT_EQ(SpecialFolder::Desktop()->NativePath(), (scratch.home() / "Desktop").string());
  EXPECT_EQ(SpecialFolder::Desktop()->Parent()->NativePath(), scratch.home().string());
}

TEST_F(FileAccessTest, MissingFilesAndFoldersCannotBeOpened) {
  const auto missing = GetFolderItem("nothing.vrl", 0);
  EXPECT_FALSE(missing->Exists());
  EXPECT_EQ(missing->ShellPath(), (scratch.app() / "nothing.vrl").string());
  EXPECT_EQ(missing->OpenAsTextFile(), nullptr);
  EXPECT_EQ(missing->CanonicalPath(), "");
  EXPECT_EQ(GetFolderItem("includes", 0)->OpenAsTextFile(), nullptr);
  EXPECT_EQ(GetFolderItem("/dev/zero", 1)->OpenAsTextFile(), nullptr);
}

TEST_F(FileAccessTest, ReadingStopsPastTheByteLimit) {
  scratch.write("app/ten.txt", "0123456789");
  const auto item = GetFolderItem("ten.txt", 0);
  ASSERT_TRUE(item->OpenAsTextFile(10));
  EXPECT_EQ(item->OpenAsTextFile(10)->ReadAll(), "0123456789");
  EXPECT_EQ(item->OpenAsTextFile(9), nullptr);
  scratch.write("app/none.txt", "");
  EXPECT_TRUE(GetFolderItem("none.txt", 0)->OpenAsTextFile(0));
}

// Files under /proc look like regular files: pagemap reports length 0 and reads on for the
// whole address space; kmsg (readable by root) waits for the kernel's next message.
TEST_F(FileAccessTest, FilesThatNeverEndOrWouldWaitGiveNoStream) {
  const auto pagemap = GetFolderItem("/proc/self/pagemap", 1);
  ASSERT_TRUE(pagemap->Exists());
  EXPECT_EQ(pagemap->Length(), 0);
  EXPECT_EQ(pagemap->OpenAsTextFile(size_t{1} << 20), nullptr);
  const auto kmsg = GetFolderItem("/proc/kmsg", 1);
  if (!kmsg->Exists()) GTEST_SKIP() << "no /proc/kmsg";
  EXPECT_EQ(kmsg->OpenAsTextFile(), nullptr);
}

TEST_F(FileAccessTest, ReadLineEndsALineAtCrLfOrCrLf) {
  scratch.write("app/lines.txt", "a\r\nb\rc\n\nd");
  const auto stream = GetFolderItem("lines.txt", 0)->OpenAsTextFile();
  ASSERT_TRUE(stream);
  EXPECT_EQ(readLines(*stream), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  EXPECT_EQ(stream->ReadLine(), "");
  scratch.write("app/ending.txt", "a\n");
  EXPECT_EQ(readLines(*GetFolderItem("ending.txt", 0)->OpenAsTextFile()),
            std::vector<std::string>{"a"});
  scratch.write("app/empty.txt", "");
  EXPECT_TRUE(GetFolderItem("empty.txt", 0)->OpenAsTextFile()->IsEOF());
}

TEST_F(FileAccessTest, ReadAllAndClose) {
  scratch.write("app/all.txt", "a\r\nb");
  const auto stream = GetFolderItem("all.txt", 0)->OpenAsTextFile();
  EXPECT_EQ(stream->ReadLine(), "a");
  EXPECT_EQ(stream->ReadAll(), "b");
  const auto again = GetFolderItem("all.txt", 0)->OpenAsTextFile();
  EXPECT_EQ(again->ReadAll(), "a\r\nb");
  again->Close();
  EXPECT_TRUE(again->IsEOF());
}

TEST_F(FileAccessTest, TextThatIsNotUtf8IsReadAsLatin1) {
  scratch.write("app/latin.txt", "caf\xE9\n");
  scratch.write("app/utf8.txt", "caf\xC3\xA9\n");
  scratch.write("app/bom.txt", "\xEF\xBB\xBFx\n");
  EXPECT_EQ(GetFolderItem("latin.txt", 0)->OpenAsTextFile()->ReadAll(), "caf\xC3\xA9\n");
  EXPECT_EQ(GetFolderItem("utf8.txt", 0)->OpenAsTextFile()->ReadAll(), "caf\xC3\xA9\n");
  EXPECT_EQ(GetFolderItem("bom.txt", 0)->OpenAsTextFile()->ReadAll(), "x\n");
}

TEST_F(FileAccessTest, CreateTextFileWritesExactlyTheBytesGiven) {
  const auto item = GetFolderItem("out.txt", 0);
  scratch.write("app/out.txt", "old and longer content");
  const std::string bytes("a\r\nb\0\xFF\n", 7);
  {
    const auto stream = item->CreateTextFile();
    ASSERT_TRUE(stream);
    EXPECT_TRUE(stream->Write(bytes));
    EXPECT_TRUE(stream->Close());
  }
  EXPECT_EQ(readBytes(scratch.app() / "out.txt"), bytes);
  EXPECT_EQ(item->Length(), 7);
  EXPECT_EQ(GetFolderItem("includes", 0)->CreateTextFile(), nullptr);
  EXPECT_EQ(GetFolderItem("no/such/folder/x.txt", 0)->CreateTextFile(), nullptr);
}

// Only a regular file or a new one is opened, and opening never waits; what is refused keeps
// its bytes and its kind.
TEST_F(FileAccessTest, CreateTextFileOpensOnlyRegularFilesAndNewOnes) {
  using Links = TextOutputStream::Links;
  using Failure = TextOutputStream::Failure;
  namespace fs = std::filesystem;
  scratch.write("app/real.txt", "old");
  fs::create_symlink(scratch.app() / "real.txt", scratch.app() / "link.txt");
  ASSERT_EQ(::mkfifo((scratch.app() / "pipe").c_str(), 0644), 0);
  const struct {
    const char* name;
    Links links;
    Failure failure;
  } cases[] = {
      {"real.txt", Links::Follow, Failure::None},
      {"real.txt", Links::Refuse, Failure::None},
      {"new.txt", Links::Refuse, Failure::None},
      {"link.txt", Links::Follow, Failure::None},
      {"link.txt", Links::Refuse, Failure::NotRegular},
      {"pipe", Links::Follow, Failure::NotRegular},
      {"/dev/null", Links::Follow, Failure::NotRegular},
      {"includes", Links::Follow, Failure::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.links == Links::Refuse ? ", links refused" : ""));
    Failure failure = Failure::Other;
    const auto stream = GetFolderItem(c.name, 0)->CreateTextFile(c.links, &failure);
    EXPECT_EQ(failure, c.failure);
    EXPECT_EQ(stream != nullptr, c.failure == Failure::None);
  }
  EXPECT_TRUE(fs::is_symlink(scratch.app() / "link.txt"));
  EXPECT_TRUE(fs::is_fifo(scratch.app() / "pipe"));
  const int reader = ::open((scratch.app() / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(GetFolderItem("pipe", 0)->CreateTextFile(), nullptr) << "a pipe with a reader";
  ::close(reader);
}

TEST_F(FileAccessTest, CanonicalPathResolvesLinks) {
  scratch.write("app/real.vrl", "x");
  std::filesystem::create_symlink(scratch.app() / "real.vrl", scratch.app() / "link.vrl");
  EXPECT_EQ(GetFolderItem("link.vrl", 0)->CanonicalPath(),
            std::filesystem::canonical(scratch.app() / "real.vrl").string());
}

TEST_F(FileAccessTest, CreateAsFolderMakesMissingParents) {
  const auto folder = GetFolderItem("a/b/c", 0);
  EXPECT_TRUE(folder->CreateAsFolder());
  EXPECT_TRUE(folder->IsFolder());
  EXPECT_EQ(folder->ShellPath(), (scratch.app() / "a/b/c").string() + "/");
}

}  // namespace
