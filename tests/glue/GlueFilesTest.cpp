// Script paths, files, the pad's folder, shell, clipboard, patterns and URL encoding.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "glue/GlueTestSupport.h"
#include "glue/ckScriptPath.h"
#include "platform/script/ScriptEngine.h"
#include "platform/values/NilObjectException.h"

namespace vorline::gluetest {
namespace {

std::string readBytes(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  QByteArray bytes = f.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void writeBytes(const std::string& path, const std::string& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class ScriptPathTest : public GlueFixture {
 protected:
  std::string finish(const std::string& path) {
    return ckScriptPath(owner.currentPath, vorline::GetFolderItem(owner.currentPath, 1))
        .finish(path);
  }
  std::string resolved(const std::string& path) {
    return glue.pathToFolderitem(path)->NativePath();
  }
};

TEST_F(ScriptPathTest, EachFormNamesItsFolder) {
  struct Case {
    const char* path;
    std::string finished;
    std::string file;
  } cases[] = {
      {"notes.txt", root + "/app/data//notes.txt", root + "/app/data/notes.txt"},
      {"./notes.txt", root + "/pads/notes.txt", root + "/pads/notes.txt"},
      {"~/notes.txt", root + "/home/notes.txt", root + "/home/notes.txt"},
      {"../notes.txt", root + "/notes.txt", root + "/notes.txt"},
      {"./sub/n.txt", root + "/pads/sub/n.txt", root + "/pads/sub/n.txt"},
      {"", root + "/app/data//", root + "/app/data"},
      {"/etc/hosts", "/etc/hosts", "/etc/hosts"},
      // A path with "/" and no prefix stands as it is, relative to the application folder.
      {"sub/notes.txt", "sub/notes.txt", root + "/app/sub/notes.txt"},
      // A prefix in the middle is replaced too, only its first occurrence.
      {"logs/./today.txt", "logs/" + root + "/pads/today.txt",
       root + "/app/logs" + root + "/pads/today.txt"},
      {"./a/./b", root + "/pads/a/./b", root + "/pads/a/b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(finish(c.path), c.finished) << c.path;
    EXPECT_EQ(resolved(c.path), c.file) << c.path;
  }
}

TEST_F(ScriptPathTest, AnUnresolvableCurrentFolderFailsPathsWithASlash) {
  owner.currentPath = std::string("bad\xff/");
  EXPECT_THROW(glue.pathToFolderitem("./x"), vorline::NilObjectException);
  EXPECT_THROW(glue.pathToFolderitem("/abs/x"), vorline::NilObjectException);
  EXPECT_EQ(resolved("x"), root + "/app/data/x");
}

TEST_F(ScriptPathTest, TheRootIsItsOwnParent) {
  owner.currentPath = "/";
  EXPECT_EQ(finish("../x"), "/x");
}

TEST_F(GlueFixture, PathIsThePadsFolderOrTheDefaultFolder) {
  EXPECT_EQ(glue.path(), root + "/app/");
  owner.theFile = std::make_shared<vorline::FolderItem>(root + "/pads/todo.vrl");
  EXPECT_EQ(glue.path(), root + "/pads/");
}

TEST_F(GlueFixture, WriteFileThenReadFileKeepsTheExactBytes) {
  const std::string texts[] = {"one line", "two\nlines\n", "crlf\r\nkept\r\n",
                               "",         "ü € 😀",        std::string("nul\0byte", 8)};
  for (const std::string& text : texts) {
    glue.writeFile("round.txt", text);
    EXPECT_EQ(readBytes(root + "/app/data/round.txt"), text);
    EXPECT_EQ(glue.readFile("round.txt"), text);
  }
}

TEST_F(GlueFixture, WriteFileReplacesTheWholeFile) {
  glue.writeFile("./twice.txt", "a much longer first text");
  glue.writeFile("./twice.txt", "short");
  EXPECT_EQ(readBytes(root + "/pads/twice.txt"), "short");
}

TEST_F(GlueFixture, MissingPiecesReadAsEmptyAndWriteNothing) {
  EXPECT_EQ(glue.readFile("absent.txt"), "");
  EXPECT_EQ(glue.readFile(""), "");  // the data folder itself is no text file
  EXPECT_NO_THROW(glue.writeFile("./no/such/folder/x.txt", "lost"));
  EXPECT_EQ(readBytes(root + "/pads/no/such/folder/x.txt"), "<missing>");
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(owner.errors, 0);
}

// A file that reports no length and reads without end must not take the machine's memory.
TEST_F(GlueFixture, ReadFileOfAnEndlessFileStopsAtTheStringLimit) {
  EXPECT_EQ(glue.readFile("/proc/self/pagemap"), "");
}

TEST_F(GlueFixture, ReadFileTakesLatin1WhenTheFileIsNotUtf8) {
  writeBytes(root + "/app/data/latin.txt", "caf\xe9");
  EXPECT_EQ(glue.readFile("latin.txt"), "caf\xc3\xa9");
  // Only the stray byte: the valid characters beside it stay as they are.
  writeBytes(root + "/app/data/mixed.txt", "caf\xc3\xa9 \xcf\x80\xff");
  EXPECT_EQ(glue.readFile("mixed.txt"), "caf\xc3\xa9 \xcf\x80\xc3\xbf");
}

// A pipe or a device would make the write wait, for ever if no one reads: the script gets an
// I/O error at once, whether a reader is there or not, and nothing reaches the pipe.
TEST_F(GlueFixture, WriteFileRefusesWhatIsNotARegularFile) {
  const std::string fifo = root + "/app/data/ff";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  ::symlink(fifo.c_str(), (root + "/app/data/to-ff").c_str());
  for (const char* name : {"ff", "to-ff", "/dev/null"}) {
    SCOPED_TRACE(name);
    try {
      glue.writeFile(name, "hello");
      ADD_FAILURE() << "written";
    } catch (const vorline::RuntimeException& e) {
      EXPECT_EQ(e.ErrorNumber, 12);
      EXPECT_NE(e.Message.find("not a regular file"), std::string::npos) << e.Message;
    }
  }
  const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_THROW(glue.writeFile("ff", "hello"), vorline::RuntimeException);
  char byte;
  EXPECT_LE(::read(reader, &byte, 1), 0);
  ::close(reader);
  // A link to a regular file still writes the file it names.
  writeBytes(root + "/app/data/real.txt", "old");
  ::symlink((root + "/app/data/real.txt").c_str(), (root + "/app/data/to-real").c_str());
  glue.writeFile("to-real", "new");
  EXPECT_EQ(glue.readFile("real.txt"), "new");
}

TEST_F(GlueFixture, ShellExecTurnsCarriageReturnsIntoLineFeeds) {
  EXPECT_EQ(glue.shellExec("printf 'a\\r\\nb\\rc\\n'"), "a\n\nb\nc\n");
  EXPECT_EQ(glue.shellExec("echo out; echo err >&2"), "out\nerr\n");
  EXPECT_EQ(glue.shellExec("exit 4"), "");
}

TEST_F(GlueFixture, ShellExecHonoursAStopRequest) {
  glue.shouldStop = [] { return true; };
  try {
    glue.shellExec("sleep 30");
    FAIL() << "no exception";
  } catch (const vorline::RuntimeException& e) {
    EXPECT_EQ(e.ErrorNumber, ErrorNumberOf(RuntimeErrorCode::Stopped));
    EXPECT_EQ(e.Message, RuntimeErrorText(RuntimeErrorCode::Stopped));
  }
}

TEST_F(GlueFixture, ClipboardTextGoesBothWays) {
  EXPECT_EQ(glue.getClipboard(), "");
  glue.setClipboard("copied ü");
  EXPECT_EQ(glue.getClipboard(), "copied ü");
  EXPECT_EQ(ui.clipboard, "copied ü");
}

TEST_F(GlueFixture, RgexMatchesWithTheCaseFlag) {
  EXPECT_TRUE(glue.rgex("ABC", "b", false));
  EXPECT_FALSE(glue.rgex("ABC", "b", true));
  EXPECT_TRUE(glue.rgex("2026-12-08", "^\\d{4}-\\d\\d-\\d\\d$", true));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GlueFixture, RgexReportsABadPatternAndAnswersFalse) {
  EXPECT_FALSE(glue.rgex("abc", "(ab", true));
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_NE(ui.boxes[0].find("missing closing parenthesis"), std::string::npos) << ui.boxes[0];
  EXPECT_EQ(owner.errors, 1);
}

TEST_F(GlueFixture, UrlEncodeEncodesOneComponent) {
  EXPECT_EQ(glue.urlEncode("q=1 & 2/3"), "q%3D1%20%26%202%2F3");
  EXPECT_EQ(glue.urlEncode("Größe"), "Gr%C3%B6%C3%9Fe");
}

}  // namespace
}  // namespace vorline::gluetest
