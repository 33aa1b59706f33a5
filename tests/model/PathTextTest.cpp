#include "model/PathText.h"
#include "model/AtomicFile.h"
#include "model/FileIo.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace wexa {
namespace {

namespace fs = std::filesystem;

using testing::Utf8Text;

// Each name is the path the compiler's own UTF-8 reading of it gives, and
// comes back as the same text: the C library's code page plays no part.
TEST(PathText, ANameInAnyScriptIsThePathItSpells) {
    for (const char8_t* name :
         {u8"plain.wxa", u8"Straße Überführung.wxa", u8"東京 プロジェクト.xls", u8"\U0001F600.json",
          u8"folder/sub folder/é.wxa", u8""}) {
        const fs::path path = PathFromText(Utf8Text(name));
        EXPECT_EQ(path, fs::path(name)) << Utf8Text(name);
        EXPECT_EQ(TextFromPath(path), Utf8Text(name));
    }
}

// Written, listed, read back and named in a message, all under the name's
// own characters, inside a folder whose name is not ASCII either.
TEST(PathText, FilesNamedAsTextAreWrittenReadAndNamedUnderTheirCharacters) {
    testing::TempFolder folder;
    const std::string where = TextFromPath(folder.Path()) + Utf8Text(u8"/Überführung 東京");
    fs::create_directory(PathFromText(where));
    const std::string name = where + Utf8Text(u8"/Straße 東京.wxa");

    ASSERT_TRUE(WriteFileAtomically(PathFromText(name), std::string_view("bytes")).Ok);
    std::vector<fs::path> listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(PathFromText(where))) {
        listed.push_back(entry.path().filename());
    }
    EXPECT_EQ(listed, std::vector<fs::path>{fs::path(u8"Straße 東京.wxa")});

    std::vector<unsigned char> bytes;
    ASSERT_TRUE(ReadWholeFile(PathFromText(name), 100, bytes).Ok);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "bytes");

    const FileResult missing =
        ReadWholeFile(PathFromText(where + Utf8Text(u8"/無い.wxa")), 100, bytes);
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Message.find(where + Utf8Text(u8"/無い.wxa")), std::string::npos)
        << missing.Message;
}

// A name is shown in a message with its control characters escaped, so a
// name holding a terminal's escape sequence or a line break can neither act
// on the screen nor forge a line: by every message that names a file.
TEST(PathText, MessagesShowANameWithItsControlCharactersEscaped) {
    testing::TempFolder folder;
    const std::string hostile = "a\x1B[2J\nb\xC2\x9B";
    const std::string shown = "a\\x1B[2J\\x0Ab\\x9B";
    const fs::path missing = folder / "missing" / PathFromText(hostile);
    std::vector<unsigned char> bytes;
    const FileResult results[] = {
        ReadWholeFile(missing, 100, bytes),
        WriteFileAtomically(missing, std::string_view("x")),
    };
    for (const FileResult& result : results) {
        EXPECT_FALSE(result.Ok);
        EXPECT_NE(result.Message.find(shown), std::string::npos) << result.Message;
        EXPECT_EQ(result.Message.find('\x1B'), std::string::npos) << result.Message;
        EXPECT_EQ(result.Message.find(hostile), std::string::npos) << result.Message;
    }
    EXPECT_EQ(DisplayPath(PathFromText(Utf8Text(u8"Straße 東京.wxa"))),
              Utf8Text(u8"Straße 東京.wxa"));
}

#ifdef _WIN32
// A Windows name is characters: a byte that spells none becomes '?', which
// no name may hold, so the system refuses it instead of taking another file.
TEST(PathText, MalformedTextNamesNoFileOnWindows) {
    testing::TempFolder folder;
    const std::string name = TextFromPath(folder.Path()) + "/a\xFF.wxa";
    EXPECT_EQ(TextFromPath(PathFromText(name)), TextFromPath(folder.Path()) + "/a?.wxa");
    EXPECT_FALSE(WriteFileAtomically(PathFromText(name), std::string_view("bytes")).Ok);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}
#else
// A POSIX name is bytes: one that is not UTF-8 is still a name, kept as it is.
TEST(PathText, ANameThatIsNotUtf8IsKeptByteForByteOnPosix) {
    testing::TempFolder folder;
    const std::string name = TextFromPath(folder.Path()) + "/a\xFF.wxa";
    EXPECT_EQ(TextFromPath(PathFromText(name)), name);
    ASSERT_TRUE(WriteFileAtomically(PathFromText(name), std::string_view("bytes")).Ok);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a\xFF.wxa"});
}
#endif

} // namespace
} // namespace wexa
