#include "gui/ApplicationIcon.h"
#include "gui/CAboutDialog.h"
#include "tests/support/gui/ModalHelper.h"
#include "tests/support/gui/QStringPrinter.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(CAboutDialog, NamesTheProgramItsVersionAndItsMakersWithAnOkButton)
{
    CAboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バージョン情報 Velmora"));
    QStringList lines;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            lines << label->text();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Velmora, Version 1.5");
    EXPECT_TRUE(lines[1].contains("2026"));
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->standardButtons(), QDialogButtonBox::StandardButtons(QDialogButtonBox::Ok));
    EXPECT_TRUE(box->button(QDialogButtonBox::Ok)->isDefault());

    test::OnNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST(ApplicationIcon, IsDrawnFromTheBuiltInResourceAtSeveralSizes)
{
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/velmora/velmora.svg")));
    const QIcon icon = ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_GE(icon.availableSizes().size(), 4);
    const QImage image = icon.pixmap(64, 64).toImage();
    // The corner is transparent, the middle of the tablet is not.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(32, 40)), 255);
}

} // namespace
} // namespace velmora
