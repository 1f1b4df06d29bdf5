// Takes the README's pictures of the Sign List and the print preview:
// the main window with a letter in cuneiform, offscreen, in the fonts the
// system has (the Akkadian font of fonts-ancient-scripts).
//
// velmora_screenshots DOCS_FOLDER   (QT_QPA_PLATFORM=offscreen)
#include "gui/CSignListWindow.h"

#include "tests/support/gui/MainWindowWithEditor.h"
#include "tests/support/gui/ModalHelper.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

using namespace velmora;

namespace {

const char* const kLetter = "𒀀𒈾 𒁁𒇷𒅀\n"
                            "𒆠𒉈𒈠\n"
                            "𒌝𒈠 𒈠𒀭𒌓𒌨 𒀀𒊕𒂊𒅀\n"
                            "𒄿𒉡 𒀭𒌝 𒍢𒊑𒌝 𒈗 𒀭𒀀𒉡𒈾𒆠\n"
                            "𒅗𒁺 𒆕 𒆕 𒂊𒆪𒌝";

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: velmora_screenshots DOCS_FOLDER\n");
        return 2;
    }
    const QString docs = QString::fromLocal8Bit(argv[1]);
    test::MainWindowWithEditor shown;
    CFDocument& document = shown.editor->Document();
    const QStringList lines = QString::fromUtf8(kLetter).split(QLatin1Char('\n'));
    for (int l = 0; l < lines.size(); ++l) {
        if (l > 0)
            document.InsertLine(std::uint32_t(l));
        const auto cells = lines[l].toUcs4();
        for (int c = 0; c < cells.size(); ++c)
            document.InsertCell(std::uint32_t(l), std::uint32_t(c), cells[c]);
    }
    shown.editor->DocumentReplaced();
    shown.window.resize(1100, 560);
    shown.window.action(CommandId::SignList)->trigger();
    QTest::keyClicks(shown.window.signList()->filterField(), QStringLiteral("du"));
    QTest::keyClick(shown.window.signList()->filterField(), Qt::Key_Down);
    QTest::keyClick(shown.window.signList()->filterField(), Qt::Key_Down);
    Settle();
    bool ok = shown.window.grab().save(docs + QStringLiteral("/sign-list.png"));

    // File > "Print Preview…", as the menu opens it.
    bool previewed = false;
    test::OnNextModal([&](QWidget* modal) {
        modal->resize(900, 720);
        Settle();
        previewed = modal->grab().save(docs + QStringLiteral("/print-preview.png"));
        modal->close();
    });
    shown.window.action(CommandId::PrintPreview)->trigger();
    ok = ok && previewed;
    std::printf("%s\n", ok ? "written" : "failed");
    return ok ? 0 : 1;
}
