#include "gui/CDocumentPrinter.h"

#include "qt/QtFont.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/MainWindowWithEditor.h"
#include "tests/support/gui/ModalHelper.h"

#include <QAction>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

namespace velmora::test {
namespace {

class PrintTest : public ::testing::Test, public MainWindowWithEditor {
protected:
    // The output of a poppler tool, or nothing when it is not installed.
    static std::optional<QString> Poppler(const QString& tool, const QStringList& args)
    {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return std::nullopt;
        QProcess process;
        process.start(tool, args);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    ScratchFolder folder;
};

// A letter of about a page and a half of A4 in the editor's fonts: as many
// lines as one page holds, one line of signs without a space and one Latin
// word, both far wider than the page.
std::string Letter(const CFSignFont& signFont)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto fonts = signFont.Fonts();
    double line = 0;
    for (const Font* font : {fonts->sign(), fonts->text()}) {
        const QFont printed = CDocumentPrinter::PrintFont(dynamic_cast<const QtFont*>(font)->qfont());
        line = std::max(line, QFontMetricsF(printed, &printer).lineSpacing() * 72.0 / printer.resolution());
    }
    const double page = QPageSize(QPageSize::A4).size(QPageSize::Point).height() - 2 * 15 * 72 / 25.4;
    const int lines = int(page / line);
    std::string out = "𒀀𒈾 𒁁𒉌𒅀 a-na be-li₂-ia\r\n";
    for (int i = 0; i < 40; ++i)
        out += "𒈾";
    out += "\r\n";
    for (int i = 0; i < 150; ++i)
        out += "x7";
    for (int i = 1; i < lines; ++i)
        out += "\r\n𒀀𒈾 𒁁𒉌𒅀 a-na be-li₂-ia " + std::to_string(i);
    return out + "\r\num-ma qi₂-bi₂-ma";
}

TEST_F(PrintTest, ExportPdfWritesTheDocumentWrappedOnNumberedPagesNamedAfterIt)
{
    const auto path = folder / "letter.txt";
    std::ofstream(path, std::ios::binary) << Letter(kit.signFont);
    ASSERT_TRUE(window.openFile(path));

    dialogs.choose(folder / "letter.pdf");
    window.action(CommandId::ExportPdf)->trigger();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].request.initialPath, folder / "letter.pdf");
    EXPECT_EQ(dialogs.calls()[0].request.defaultSuffix, "pdf");
    EXPECT_TRUE(kit.messages.messages().empty());
    ASSERT_TRUE(std::filesystem::exists(folder / "letter.pdf"));

    const QString pdf = QString::fromStdU16String((folder / "letter.pdf").u16string());
    const auto info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    if (!info)
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    EXPECT_TRUE(info->contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info->toStdString();
    // The signs in the sign font, the Latin text in the text font.
    const QString fontList = *Poppler(QStringLiteral("pdffonts"), {pdf});
    for (const Font* font : {kit.signFont.Fonts()->sign(), kit.signFont.Fonts()->text()}) {
        const QString family = QFontInfo(dynamic_cast<const QtFont*>(font)->qfont()).family();
        EXPECT_TRUE(fontList.contains(QString(family).remove(QLatin1Char(' ')))) << fontList.toStdString();
    }
    // The first and the last line and the footers. (The signs have no text
    // that pdftotext could read back.)
    const QString text =
        *Poppler(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("a-na be-li₂-ia"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("um-ma qi₂-bi₂-ma")));
    EXPECT_EQ(text.count(QStringLiteral("letter.txt")), 2);
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("1\\s*/\\s*2"))));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("2\\s*/\\s*2"))));
    // The wide word is wrapped, not cut at the page's edge: all of it is
    // there, on several lines.
    int longest = 0;
    int total = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        longest = std::max(longest, int(line.count(QStringLiteral("x7"))));
        total += int(line.count(QStringLiteral("x7")));
    }
    EXPECT_GE(total, 140);
    EXPECT_LT(longest, 100);
}

TEST_F(PrintTest, APdfThatCannotBeWrittenIsReportedAndPreviewShowsTheDocument)
{
    dialogs.choose(folder / "no-such-folder" / "letter.pdf");
    window.action(CommandId::ExportPdf)->trigger();
    ASSERT_EQ(kit.messages.messages().size(), 1u);
    EXPECT_NE(kit.messages.messages()[0].text.find("PDF"), std::string::npos);
    EXPECT_NE(kit.messages.messages()[0].text.find("no-such-folder"), std::string::npos);

    bool previewed = false;
    OnNextModal([&](QWidget* modal) {
        previewed = qobject_cast<QPrintPreviewDialog*>(modal) != nullptr;
        modal->close();
    });
    window.action(CommandId::PrintPreview)->trigger();
    EXPECT_TRUE(previewed);
}

} // namespace
} // namespace velmora::test
