#include "platform/InterfaceLanguage.h"
#include "platform/TextTranslator.h"
#include "platform/UserTexts.h"
#include "tests/support/MemorySettings.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(InterfaceLanguage, JapaneseUnlessTheSettingsNameEnglishAndTheChoiceIsWrittenBack)
{
    MemorySettings settings;
    EXPECT_EQ(ReadInterfaceLanguage(settings), InterfaceLanguage::Japanese);
    for (const char* english : {"en", "EN", " en ", "en_GB", "en-US"}) {
        settings.set("ui", "LANGUAGE", english);
        EXPECT_EQ(ReadInterfaceLanguage(settings), InterfaceLanguage::English) << english;
    }
    for (const char* other : {"ja", "", "de", "english", "e"}) {
        settings.set("UI", "Language", other);
        EXPECT_EQ(ReadInterfaceLanguage(settings), InterfaceLanguage::Japanese) << other;
    }
    EXPECT_TRUE(WriteInterfaceLanguage(settings, InterfaceLanguage::English));
    EXPECT_EQ(settings.readString("UI", "Language", ""), "en");
    settings.setWritable(false);
    EXPECT_FALSE(WriteInterfaceLanguage(settings, InterfaceLanguage::Japanese));
}

// A translator that marks what it was asked, to see which texts go through it.
class MarkingTranslator : public TextTranslator {
public:
    std::string translate(std::string_view text) const override { return "<" + std::string(text) + ">"; }
};

TEST(TextTranslator, TextsGoThroughTheInstalledTranslatorBeforeTheValuesArePutIn)
{
    EXPECT_EQ(Tr(texts::kErrorCaption), "エラー");
    EXPECT_EQ(Fill(Tr(texts::kFileLineTooLong), "12", "1000"), "12 行目が 1000 文字を超えています。");

    MarkingTranslator marking;
    SetTextTranslator(&marking);
    // A value that looks like a placeholder is not filled in again.
    EXPECT_EQ(Fill(Tr("%1 of %2"), "%2", "x"), "<%2 of x>");
    SetTextTranslator(nullptr);
    EXPECT_EQ(Tr(texts::kConfirmCaption), "確認");
}

} // namespace
} // namespace velmora
