#include "kernel/text_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "kernel/error.h"
#include "kernel/free_file_name.h"

namespace noyalis::kernel {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("noyalis_text_file_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST(ToLatin1Test, Conversions) {
  struct Case {
    const char* utf8;
    std::string expected;
  };
  const Case kCases[] = {
      {"abc ; 12", "abc ; 12"},
      {"moyenne calculée", std::string("moyenne calcul\xE9"
                                       "e")},
      {"\xC3\xBF", "\xFF"},         // ÿ, the last Latin-1 character
      {"\xC2\xA0", "\xA0"},         // no-break space
      {"\xE2\x82\xAC", "?"},        // € is outside Latin-1
      {"\xF0\x9F\x98\x80!", "?!"},  // a four-byte character
      {"\xC3", "?"},                // cut sequence
      {"\xA9x", "?x"},              // stray continuation byte
      {"\xC0\xA9", "?"},            // overlong form of ")"
  };
  for (const Case& c : kCases) EXPECT_EQ(ToLatin1(c.utf8), c.expected) << c.utf8;
}

TEST_F(TextFileTest, WritesLatin1WithCrLf) {
  const fs::path path = dir_ / "24_12_08_14_35_intervalles.txt";
  WriteTextFile(path.string(),
                {"nb de mesures  ; 100 ; 100", "moyenne calculée :  2.73400000000000E+0001", ""});
  EXPECT_EQ(ReadBytes(path), std::string("nb de mesures  ; 100 ; 100\r\nmoyenne calcul\xE9"
                                         "e :  2.73400000000000E+0001\r\n\r\n"));
}

TEST_F(TextFileTest, ReplacesAnOlderFile) {
  const fs::path path = dir_ / "same_minute.txt";
  WriteTextFile(path.string(), {"first version, longer than the second"});
  WriteTextFile(path.string(), {"second"});
  EXPECT_EQ(ReadBytes(path), "second\r\n");
}

TEST_F(TextFileTest, NoLinesGivesAnEmptyFile) {
  const fs::path path = dir_ / "empty.txt";
  WriteTextFile(path.string(), {});
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(TextFileTest, MissingDirectoryRaisesIoErrorNamingTheFile) {
  const std::string path = (dir_ / "no_such_directory" / "out.txt").string();
  try {
    WriteTextFile(path, {"x"});
    FAIL() << "no IoError";
  } catch (const IoError& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
  }
}

// A named pipe with the file's name would block the open until something reads it (and write
// into the reader if one waits): any name held by something other than a regular file is refused
// at once with the usual error, and nothing reaches it.
TEST_F(TextFileTest, RefusesWhatIsNotARegularFile) {
  const fs::path pipe = dir_ / "24_12_08_14_35_intervalles.txt";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const fs::path folder = dir_ / "folder_intervalles.txt";
  fs::create_directory(folder);
  struct Case {
    const char* what;
    fs::path path;
    bool reader;  // a reader holds the pipe open
  };
  for (const Case& c : {Case{"pipe, nobody reading", pipe, false}, Case{"pipe, a reader waiting", pipe, true},
                        Case{"folder", folder, false}}) {
    const int reader = c.reader ? ::open(c.path.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    try {
      WriteTextFile(c.path.string(), {"nb de mesures  ; 100 ; 100"});
      ADD_FAILURE() << c.what << ": no IoError";
    } catch (const IoError& e) {
      EXPECT_NE(std::string(e.what()).find("Cannot create file \"" + c.path.string() + "\""),
                std::string::npos)
          << c.what << ": " << e.what();
    }
    if (reader >= 0) {
      char byte = 0;
      EXPECT_LE(::read(reader, &byte, 1), 0) << c.what << ": something was written into the pipe";
      ::close(reader);
    }
  }
}

// A link leading nowhere holds its name too.
TEST_F(TextFileTest, AFreeNameTakesACounterBeforeTheEnding) {
  for (const char* taken : {"a.txt", "a(2).txt", "noending"}) WriteTextFile((dir_ / taken).string(), {});
  fs::create_symlink("nowhere", dir_ / "link.txt");
  const std::pair<const char*, const char*> kCases[] = {{"free.txt", "free.txt"},
                                                        {"a.txt", "a(3).txt"},
                                                        {"noending", "noending(2)"},
                                                        {"link.txt", "link(2).txt"}};
  for (const auto& [name, expected] : kCases)
    EXPECT_EQ(FreeFileName((dir_ / name).string()), (dir_ / expected).string()) << name;
}

}  // namespace
}  // namespace noyalis::kernel
