#include "qt/QtFontDialog.h"
#include "qt/QtFontFactory.h"
#include "qt/QtSaveChangesQuestion.h"
#include "qt/QtWidgetWindow.h"
#include "tests/support/gui/ModalHelper.h"
#include "tests/support/gui/QStringPrinter.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

TEST(QtSaveChangesQuestion, EachButtonGivesItsAnswerAndEscapeCancels)
{
    QWidget owner;
    owner.show();
    QtWidgetWindow window(owner);
    const auto ask = [&](std::function<void(QMessageBox*)> act) {
        test::OnNextModal([act](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_TRUE(box);
            act(box);
        });
        return QtSaveChangesQuestion().askSaveChanges(
            &window, "ドキュメントは変更されています。保存しますか？", "確認");
    };
    const auto click = [](const char* text) {
        return [text](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QString::fromUtf8(text))
                    button->click();
        };
    };
    QString title, text;
    QStringList buttons;
    QWidget* parent = nullptr;
    EXPECT_EQ(ask([&](QMessageBox* box) {
                  title = box->windowTitle();
                  text = box->text();
                  parent = box->parentWidget();
                  for (QAbstractButton* button : box->buttons())
                      buttons << button->text();
                  click("保存")(box);
              }),
              SaveChangesAnswer::Save);
    EXPECT_EQ(title, QStringLiteral("確認"));
    EXPECT_EQ(text, QStringLiteral("ドキュメントは変更されています。保存しますか？"));
    EXPECT_EQ(parent, &owner);
    buttons.sort();
    QStringList expected{QStringLiteral("保存"), QStringLiteral("保存しない"), QStringLiteral("キャンセル")};
    expected.sort();
    EXPECT_EQ(buttons, expected);

    EXPECT_EQ(ask(click("保存しない")), SaveChangesAnswer::Discard);
    EXPECT_EQ(ask(click("キャンセル")), SaveChangesAnswer::Cancel);
    EXPECT_EQ(ask([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }), SaveChangesAnswer::Cancel);
    EXPECT_EQ(ask([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }), SaveChangesAnswer::Save);
}

// A family the font database offers in a bold style.
QString BoldFamily()
{
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("DejaVu Sans")))
        return QStringLiteral("DejaVu Sans");
    for (const QString& family : families)
        if (QFontDatabase::styles(family).contains(QStringLiteral("Bold")))
            return family;
    return {};
}

TEST(QtFontDialog, StartsFromTheGivenFontAndReturnsTheChoiceOrNothing)
{
    const QString family = BoldFamily();
    if (family.isEmpty())
        GTEST_SKIP() << "no font with a bold style";
    QtFontFactory fonts;
    QtFontDialog dialog(fonts);
    FontAttributes initial;
    initial.faceName = family.toStdString();
    initial.height = -24;
    initial.weight = 700;

    QFont start;
    QString title;
    test::OnNextModal([&](QWidget* modal) {
        auto* fontDialog = qobject_cast<QFontDialog*>(modal);
        ASSERT_TRUE(fontDialog);
        title = fontDialog->windowTitle();
        start = fontDialog->currentFont();
        fontDialog->reject();
    });
    EXPECT_FALSE(dialog.chooseFont(nullptr, initial));
    EXPECT_EQ(title, "Font");
    EXPECT_EQ(start.family(), family);
    EXPECT_TRUE(start.bold());
    EXPECT_NEAR(QFontInfo(start).pixelSize(), 24, 2);

    test::OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    const auto chosen = dialog.chooseFont(nullptr, initial);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->faceName, family.toStdString());
    EXPECT_EQ(chosen->weight, 700);
    EXPECT_NEAR(chosen->height, -24, 2);
}

} // namespace
} // namespace velmora
