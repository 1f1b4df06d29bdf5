#include "platform/IniSettings.h"
#include "base/ConfiguredPath.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class IniSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::path(VELMORA_TEST_TMP_DIR) / "ini" / info->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / "config.ini";
    }

    void Put(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

    std::string Bytes() const
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir;
    fs::path file;
};

TEST_F(IniSettingsTest, MissingFileGivesDefaultsAndIsCreatedOnWrite)
{
    IniSettings ini(file);
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.readString("SignFont", "Name", "Akkadian"), "Akkadian");

    ASSERT_TRUE(ini.writeString("SignFont", "Name", "Akkadian"));
    ASSERT_TRUE(ini.writeString("Worddata", "Filename", ".\\signdata.cfd"));
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(Bytes(), "[SignFont]\r\nName=Akkadian\r\n\r\n[Worddata]\r\nFilename=.\\signdata.cfd\r\n");
    EXPECT_EQ(ini.readString("Worddata", "Filename", "signdata.cfd"), ".\\signdata.cfd");
    EXPECT_FALSE(fs::exists(dir / "config.ini.tmp"));
}

TEST_F(IniSettingsTest, ReadsWithoutRegardToCaseBlanksQuotesOrLineEnds)
{
    Put("\xEF\xBB\xBF; fonts\n[ signfont ]\n  NAME =  \"Noto Sans Cuneiform\"  \r\nEmpty=\n"
        "Single='x'\nOdd=\"x'\n[Other]\nname=wrong\n[SIGNFONT]\nName=second\n");
    IniSettings ini(file);
    EXPECT_EQ(ini.readString("SignFont", "Name", "d"), "Noto Sans Cuneiform");
    EXPECT_EQ(ini.readString("SIGNFONT", "empty", "d"), "");
    EXPECT_EQ(ini.readString("signFont", "single", "d"), "x");
    EXPECT_EQ(ini.readString("signFont", "odd", "d"), "\"x'");
    EXPECT_EQ(ini.readString("signfont", "missing", "d"), "d");
    EXPECT_EQ(ini.readString("missing", "Name", "d"), "d");
    EXPECT_EQ(ini.readString("Other", "NAME", "d"), "wrong");
}

TEST_F(IniSettingsTest, AFileWithLoneCrLineEndsIsReadAndWrittenBackWithThem)
{
    Put("[SignFont]\rName=Akkadian\r[Worddata]\rFilename=a.cfd\r");
    IniSettings ini(file);
    EXPECT_EQ(ini.readString("SignFont", "Name", "d"), "Akkadian");
    EXPECT_EQ(ini.readString("Worddata", "Filename", "d"), "a.cfd");
    ASSERT_TRUE(ini.writeString("Worddata", "Extra", "x"));
    EXPECT_EQ(Bytes(), "[SignFont]\rName=Akkadian\r[Worddata]\rFilename=a.cfd\rExtra=x\r");
}

TEST_F(IniSettingsTest, KeysOutsideSectionsAndCommentsAreNoSettings)
{
    Put("Name=stray\n[SignFont]\n;Name=commented\nName\n");
    IniSettings ini(file);
    EXPECT_EQ(ini.readString("SignFont", "Name", "d"), "d");
    EXPECT_EQ(ini.readString("", "Name", "d"), "d");
}

TEST_F(IniSettingsTest, WritingKeepsEverythingElse)
{
    Put("\xEF\xBB\xBF; settings\n[SignFont]\nname = Akkadian ; old\nSize=3\n\n[Worddata]\nFilename=a.cfd\n");
    IniSettings ini(file);
    ASSERT_TRUE(ini.writeString("SIGNFONT", "Name", "Other"));
    ASSERT_TRUE(ini.writeString("signfont", "Added", "1"));
    ASSERT_TRUE(ini.writeString("Worddata", "Extra", "x y"));
    ASSERT_TRUE(ini.writeString("New", "K", "v"));
    EXPECT_EQ(Bytes(),
              "\xEF\xBB\xBF; settings\n[SignFont]\nname=Other\nSize=3\nAdded=1\n\n"
              "[Worddata]\nFilename=a.cfd\nExtra=x y\n\n[New]\nK=v\n");
    EXPECT_EQ(ini.readString("signfont", "NAME", "d"), "Other");
}

TEST_F(IniSettingsTest, CrLfFilesStayCrLfAndEmptySectionsTakeKeys)
{
    Put("[A]\r\n[B]\r\nx=1\r\n");
    IniSettings ini(file);
    ASSERT_TRUE(ini.writeString("a", "k", "v"));
    EXPECT_EQ(Bytes(), "[A]\r\nk=v\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(ini.readString("B", "k", "d"), "d");
}

TEST_F(IniSettingsTest, AWholeSectionIsReplacedInOneWriteKeepingItsComments)
{
    Put("[SignFont]\nName=Akkadian\n\n[recentfiles]\n; newest first\nFile1=/a.txt\nFile2=/b.txt\n"
        "File3=/c.txt\n\n[Worddata]\nFilename=a.cfd\n");
    IniSettings ini(file);
    const std::vector<SettingsEntry> two{{"File1", "/c.txt"}, {" File2 ", "/a b.txt"}};
    ASSERT_TRUE(ini.writeSection("RecentFiles", two));
    EXPECT_EQ(Bytes(),
              "[SignFont]\nName=Akkadian\n\n[recentfiles]\nFile1=/c.txt\nFile2=/a b.txt\n"
              "; newest first\n\n[Worddata]\nFilename=a.cfd\n");
    EXPECT_EQ(ini.readString("RecentFiles", "File3", "none"), "none");

    ASSERT_TRUE(ini.writeSection("RECENTFILES", {}));
    ASSERT_TRUE(ini.writeSection("Window", std::vector<SettingsEntry>{{"Width", "800"}}));
    EXPECT_EQ(Bytes(),
              "[SignFont]\nName=Akkadian\n\n[recentfiles]\n; newest first\n\n"
              "[Worddata]\nFilename=a.cfd\n\n[Window]\nWidth=800\n");

    // One entry that could not be read back refuses the whole write.
    const std::vector<SettingsEntry> broken{{"File1", "/x.txt"}, {"File2", "two\nlines"}};
    EXPECT_FALSE(ini.writeSection("Window", broken));
    EXPECT_EQ(ini.readString("Window", "Width", "d"), "800");
    EXPECT_FALSE(IniSettings(dir / "missing-folder" / "config.ini").writeSection("Window", {}));
}

TEST_F(IniSettingsTest, RefusesWhatCouldNotBeReadBack)
{
    IniSettings ini(file);
    EXPECT_FALSE(ini.writeString("S", "K", "two\nlines"));
    EXPECT_FALSE(ini.writeString("S", "K=", "v"));
    EXPECT_FALSE(ini.writeString("S]", "K", "v"));
    EXPECT_FALSE(ini.writeString("", "K", "v"));
    EXPECT_FALSE(ini.writeString("S", " ", "v"));
    EXPECT_FALSE(ini.writeString("S", ";K", "v"));
    EXPECT_FALSE(ini.exists());

    IniSettings unwritable(dir / "missing-folder" / "config.ini");
    EXPECT_FALSE(unwritable.writeString("S", "K", "v"));

    EXPECT_FALSE(ini.exists());
}

TEST_F(IniSettingsTest, EveryValueWithoutALineBreakReadsBackAsWritten)
{
    IniSettings ini(file);
    // Values the reader would trim or unquote go in quotes; the rest as
    // they are.
    for (const char* value : {" Akkadian", "Akkadian ", "\tx", "\"Akkadian\"", "'x'", "''", " ", "", "\"",
                              "a \"b\"", "\"x'", "Noto Sans Cuneiform", "x=y ; z"}) {
        ASSERT_TRUE(ini.writeString("SignFont", "Name", value)) << value;
        EXPECT_EQ(ini.readString("SignFont", "Name", "d"), value) << value;
    }
    ASSERT_TRUE(ini.writeString("SignFont", "Name", " padded "));
    EXPECT_EQ(Bytes(), "[SignFont]\r\nName=\" padded \"\r\n");
}

TEST_F(IniSettingsTest, WritingChangesOnlyTheLineOfTheKeyByteForByte)
{
    // Mixed line ends, a CR CR LF, and no line end after the last line.
    const std::string before = "[SignFont]\nName=Akkadian\r\r\n; note\r\n\r\n[Worddata]\nFilename=a.cfd";
    Put(before);
    IniSettings ini(file);
    ASSERT_TRUE(ini.writeString("Worddata", "Filename", "b.cfd"));
    EXPECT_EQ(Bytes(), "[SignFont]\nName=Akkadian\r\r\n; note\r\n\r\n[Worddata]\nFilename=b.cfd");
    ASSERT_TRUE(ini.writeString("Worddata", "Extra", "1"));
    EXPECT_EQ(Bytes(), "[SignFont]\nName=Akkadian\r\r\n; note\r\n\r\n[Worddata]\nFilename=b.cfd\nExtra=1\n");
    // CR CR LF is a lone CR and then CR LF, as in the editor: the changed
    // line keeps its own end, and the empty line after it stays.
    ASSERT_TRUE(ini.writeString("SignFont", "Name", "Other"));
    EXPECT_EQ(Bytes(), "[SignFont]\nName=Other\r\r\n; note\r\n\r\n[Worddata]\nFilename=b.cfd\nExtra=1\n");
    // Each write keeps the rest: writing the same values again changes nothing.
    const std::string now = Bytes();
    ASSERT_TRUE(ini.writeString("SignFont", "Name", "Other"));
    EXPECT_EQ(Bytes(), now);
    EXPECT_EQ(ini.readString("SignFont", "Name", "d"), "Other");
}

TEST_F(IniSettingsTest, AFileThatCannotBeReadGivesDefaultsAndRefusesWrites)
{
    IniSettings ini(file);
    EXPECT_EQ(ini.check().reason, FileLoadResult::Reason::Missing);
    // A folder in the settings file's place.
    fs::create_directory(file);
    EXPECT_EQ(ini.check().reason, FileLoadResult::Reason::NotRegular);
    EXPECT_EQ(ini.readString("SignFont", "Name", "Akkadian"), "Akkadian");
    EXPECT_FALSE(ini.writeString("SignFont", "Name", "Other"));
    EXPECT_TRUE(fs::is_directory(file));
    fs::remove(file);

    // A pipe would block the program until something writes to it.
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(ini.check().reason, FileLoadResult::Reason::NotRegular);
    EXPECT_EQ(ini.readString("SignFont", "Name", "Akkadian"), "Akkadian");
    EXPECT_FALSE(ini.writeString("SignFont", "Name", "Other"));
    fs::remove(file);

    // Far too large to be settings.
    Put("[SignFont]\nName=Other\n");
    fs::resize_file(file, IniSettings::kMaxFileBytes + 1);
    EXPECT_EQ(ini.check().reason, FileLoadResult::Reason::TooLarge);
    EXPECT_EQ(ini.readString("SignFont", "Name", "Akkadian"), "Akkadian");
}

TEST(ConfiguredPathTest, BackslashesAreSeparators)
{
    EXPECT_EQ(ResolveConfiguredPath(".\\signdata.cfd"), fs::path("signdata.cfd"));
    EXPECT_EQ(ResolveConfiguredPath("signdata.cfd"), fs::path("signdata.cfd"));
    EXPECT_EQ(ResolveConfiguredPath("data\\signs\\main.cfd"), fs::path("data") / "signs" / "main.cfd");
    EXPECT_EQ(ResolveConfiguredPath("..\\shared/x.cfd"), fs::path("..") / "shared" / "x.cfd");
    EXPECT_EQ(ResolveConfiguredPath(".\\config.ini").filename(), fs::path("config.ini"));
    EXPECT_TRUE(ResolveConfiguredPath("\\data\\x.cfd").has_root_directory());
    EXPECT_TRUE(ResolveConfiguredPath("\xC5\xA1"
                                      "a.cfd")
                == fs::path(u8"ša.cfd"));
}

} // namespace
} // namespace velmora
