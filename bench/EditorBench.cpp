// Key to painted frame in the editor as the program builds it: the main
// window with its editor and tool windows, offscreen, on a generated
// document of the largest size (60000 lines of 999 cells, the cursor's line
// one shorter so that a typed key inserts) and on a small one (20 lines of
// 40). For each kind of key (type, arrow, Backspace, Ctrl+Z) and for a
// repaint with nothing changed it prints the median and the 99th percentile
// of the time from the key event to the end of the paint, beside a
// QPlainTextEdit holding the same text in the same process. It also prints
// what a whole paint of the editor costs and what the per-key layout work
// costs at the cursor (caret, hit-test, scrolling the cursor into view).
// The largest document is measured once more with a reading for every sign.
//
// velmora_bench_editor [--samples N]

#include "app/CApplication.h"
#include "app/CProgramWindows.h"
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/document/ReadingTable.h"
#include "core/modes/CFModeCtrl.h"
#include "core/modes/CFModeData.h"
#include "core/view/CFScrollBar.h"
#include "core/view/CFSignFont.h"
#include "core/view/TextLayout.h"
#include "gui/CEditorWnd.h"
#include "gui/CMainWindow.h"
#include "qt/QtFont.h"
#include "qt/QtSurface.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

// A letter of the kind scribes wrote, as signs: a-na be-li2-ia qi2-bi2-ma
// um-ma ... i-nu an-um s,i-ru-um lugal {d}a-nun-na-ki, with a space after
// each word.
const std::vector<std::uint32_t>& TextPattern()
{
    static const std::vector<std::uint32_t> pattern = {
        0x12000, 0x1223E, 0x20,                            // a-na
        0x12041, 0x121F7, 0x12140, 0x20,                   // be-li2-ia
        0x12156, 0x12049, 0x1220C, 0x20,                   // qi2-bi2-ma
        0x1230C, 0x1220C, 0x20,                            // um-ma
        0x12154, 0x1223F, 0x20,                            // i-nu
        0x1202D, 0x1230C, 0x20,                            // an-um
        0x12322, 0x1228A, 0x1230C, 0x20,                   // s,i-ru-um
        0x12217, 0x20,                                     // lugal
        0x1202D, 0x12000, 0x12263, 0x1223E, 0x121A0, 0x20, // {d}a-nun-na-ki
    };
    return pattern;
}

std::vector<std::uint32_t> LineOf(std::uint32_t line, std::uint32_t length)
{
    const auto& pattern = TextPattern();
    std::vector<std::uint32_t> cells(length);
    for (std::uint32_t i = 0; i < length; ++i)
        cells[i] = pattern[(line * 5 + i) % pattern.size()];
    return cells;
}

// The line the cursor stands on is one cell shorter than the others, so
// that a typed key inserts (a line may not reach 1000 cells).
std::uint32_t LengthOf(std::uint32_t line, std::uint32_t length, std::uint32_t cursorLine)
{
    return line == cursorLine ? length - 1 : length;
}

// With readings, every sign remembers one, as if the whole text had been
// typed or imported.
void Fill(CFDocument& document, std::uint32_t lines, std::uint32_t length, std::uint32_t cursorLine,
          bool readings)
{
    document.Clear();
    document.InsertLines(1, lines - 1);
    const ReadingId reading = ReadingTable::Intern(std::string_view("li₂"));
    for (std::uint32_t line = 0; line < lines; ++line) {
        const std::uint32_t n = LengthOf(line, length, cursorLine);
        const auto cells = LineOf(line, n);
        document.InsertCells(n, line, 0, cells.data());
        for (std::uint32_t i = 0; readings && i < n; ++i) {
            if (cells[i] != 0x20)
                document.SetReading(line, i, i + 1, reading);
        }
    }
}

QString PlainText(std::uint32_t lines, std::uint32_t length, std::uint32_t cursorLine)
{
    QString text;
    text.reserve(qsizetype(lines) * (length * 2 + 1));
    for (std::uint32_t line = 0; line < lines; ++line) {
        if (line > 0)
            text += QChar(u'\n');
        for (const std::uint32_t cell : LineOf(line, LengthOf(line, length, cursorLine))) {
            if (cell >= 0x10000) {
                text += QChar(QChar::highSurrogate(cell));
                text += QChar(QChar::lowSurrogate(cell));
            } else {
                text += QChar(char16_t(cell));
            }
        }
    }
    return text;
}

// Counts the paints of a widget, so that a measurement can tell that the
// frame it waits for was painted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Sends a key to the widget and processes events until its next paint is
// done; returns the time in milliseconds.
double KeyToPainted(QWidget* target, QWidget* painted, PaintCounter& counter, int key,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    const int before = counter.count;
    const auto start = Clock::now();
    if (key != 0) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(target, &release);
    } else {
        painted->update();
    }
    while (counter.count == before)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
    double median = 0;
    double p99 = 0;
};

Figures Summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[std::min(samples.size() - 1, std::size_t(q * double(samples.size() - 1) + 0.5))];
    };
    return {at(0.5), at(0.99)};
}

// The key kinds, each measured as a sequence that leaves the text as it
// found it.
struct KeyKind {
    const char* name;
    std::function<double()> sample;
};

std::vector<KeyKind> KeyKinds(QWidget* target, QWidget* painted, PaintCounter& counter)
{
    auto untimed = [=, &counter](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                                 const QString& text = {}) {
        KeyToPainted(target, painted, counter, key, modifiers, text);
    };
    std::vector<KeyKind> kinds;
    kinds.push_back({"type", [=, &counter] {
                         const double t = KeyToPainted(target, painted, counter, Qt::Key_A, Qt::NoModifier,
                                                       QStringLiteral("a"));
                         untimed(Qt::Key_Backspace);
                         return t;
                     }});
    kinds.push_back({"arrow", [=, &counter] {
                         const double t = KeyToPainted(target, painted, counter, Qt::Key_Left);
                         untimed(Qt::Key_Right);
                         return t;
                     }});
    kinds.push_back({"Backspace", [=, &counter] {
                         const double t = KeyToPainted(target, painted, counter, Qt::Key_Backspace);
                         untimed(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
                         return t;
                     }});
    kinds.push_back({"Ctrl+Z", [=, &counter] {
                         untimed(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
                         return KeyToPainted(target, painted, counter, Qt::Key_Z, Qt::ControlModifier);
                     }});
    kinds.push_back({"repaint", [=, &counter] { return KeyToPainted(target, painted, counter, 0); }});
    return kinds;
}

std::vector<Figures> Measure(const std::vector<KeyKind>& kinds, int samples)
{
    std::vector<Figures> figures;
    for (const KeyKind& kind : kinds) {
        std::vector<double> times;
        for (int i = 0; i < samples / 10 + 1; ++i)
            kind.sample(); // warm up
        for (int i = 0; i < samples; ++i)
            times.push_back(kind.sample());
        figures.push_back(Summarise(std::move(times)));
    }
    return figures;
}

// Microseconds per call of f, over enough calls to take about 50 ms.
double MicrosecondsPerCall(const std::function<void()>& f)
{
    int calls = 1;
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            f();
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        if (us > 50000 || calls > (1 << 24))
            return us / calls;
        calls *= 4;
    }
}

struct Setup {
    std::uint32_t lines;
    std::uint32_t length;
    std::uint32_t line; // where the cursor stands
    std::uint32_t column;
    bool readings = false; // every sign with a reading
};

void RunSize(CEditorWnd& editor, QPlainTextEdit& plain, const Setup& setup, int samples)
{
    std::printf("\n%u lines of %u cells%s, cursor at line %u (one cell shorter), column %u\n", setup.lines,
                setup.length, setup.readings ? ", every sign with a reading" : "", setup.line + 1,
                setup.column);
    const auto fillStart = Clock::now();
    Fill(editor.Document(), setup.lines, setup.length, setup.line, setup.readings);
    editor.DocumentReplaced();
    editor.ResetView();
    plain.setPlainText(PlainText(setup.lines, setup.length, setup.line));
    std::printf("  (documents made in %.1f s)\n",
                std::chrono::duration<double>(Clock::now() - fillStart).count());

    // The cursor in place, the view following it, in both editors.
    editor.modeData().cursor->setPosition({setup.line, setup.column});
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&editor, &right);
    QCoreApplication::sendEvent(&editor, &left);
    QTextCursor cursor(plain.document()->findBlockByNumber(int(setup.line)));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, int(setup.column));
    plain.setTextCursor(cursor);
    plain.ensureCursorVisible();
    QCoreApplication::processEvents();

    PaintCounter velmoraPaints(editor.viewport());
    PaintCounter plainPaints(plain.viewport());
    const auto kinds = KeyKinds(&editor, editor.viewport(), velmoraPaints);
    const auto velmora = Measure(kinds, samples);
    const auto peer = Measure(KeyKinds(&plain, plain.viewport(), plainPaints), samples);
    std::printf("  %-10s %12s %12s %14s %14s %8s\n", "key", "Velmora med", "Velmora p99", "QPlainText med",
                "QPlainText p99", "ratio");
    for (std::size_t i = 0; i < kinds.size(); ++i)
        std::printf("  %-10s %9.3f ms %9.3f ms %11.3f ms %11.3f ms %8.2f\n", kinds[i].name, velmora[i].median,
                    velmora[i].p99, peer[i].median, peer[i].p99, velmora[i].median / peer[i].median);

    // The layout work of one key at the cursor, on the editor's own fonts.
    const auto fonts = editor.signFont().Fonts();
    QtSurface surface(editor.viewport());
    const CFDocument& document = editor.Document();
    const Position at{setup.line, setup.column};
    const ScrollOffsets offsets = editor.scrollBar().Offsets();
    const int h = LineHeight(surface, *fonts);
    const int caretX = CaretPoint(document, at, surface, *fonts, offsets).x + offsets.left();
    QImage image(editor.viewport()->size(), QImage::Format_RGB32);
    const double paintUs = MicrosecondsPerCall([&] {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        QtSurface onImage(painter, editor.viewport());
        editor.modeCtrl().CurrentMode().OnPaint(onImage);
    });
    std::printf("  a whole paint of the editor into an image (mean): %.3f ms\n", paintUs / 1000);
    std::printf(
        "  layout at column %u: caret %.2f us, hit-test %.2f us, scroll into view %.2f us\n", setup.column,
        MicrosecondsPerCall([&] { CaretPoint(document, at, surface, *fonts, offsets); }),
        MicrosecondsPerCall([&] { HitTest(document, surface, *fonts, caretX - 1, int(setup.line) * h); }),
        MicrosecondsPerCall(
            [&] { editor.scrollBar().EnsureColumnVisible(document, surface, *fonts, at.line, at.column); }));
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int samples = 200;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--samples") == 0)
            samples = std::max(10, std::atoi(argv[i + 1]));
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // The program starts in a folder with its own settings and sign data,
    // so that it leaves the user's alone.
    const auto folder =
        std::filesystem::temp_directory_path() / ("velmora-bench-editor-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::ofstream("signdata.cfd") << "A 12000\r\nNA 1223e\r\nLUGAL 12217\r\n";
    std::ofstream("config.ini") << "[SignFont]\r\nName=Akkadian\r\n[Worddata]\r\nFilename=signdata.cfd\r\n";

    int status = 0;
    {
        CApplication app(argc, argv);
        if (!app.startUp()) {
            std::fprintf(stderr, "velmora_bench_editor: the sign data could not be loaded\n");
            status = 1;
        } else {
            // As the program builds it.
            CProgramWindows windows(app);
            CEditorWnd* editor = &windows.editor();
            CMainWindow& window = windows.main();
            window.show();

            // The peer: the same text in the same sign font, in a window of
            // the same size.
            QPlainTextEdit plain;
            plain.setLineWrapMode(QPlainTextEdit::NoWrap);
            const auto* signFont = dynamic_cast<const QtFont*>(app.signFont().Fonts()->sign());
            if (signFont)
                plain.setFont(signFont->qfont());
            plain.resize(editor->size());
            plain.show();
            QCoreApplication::processEvents();

            std::printf("Key to painted frame, offscreen; editor viewport %dx%d\n",
                        editor->viewport()->width(), editor->viewport()->height());
            RunSize(*editor, plain, {20, 40, 10, 20}, samples);
            RunSize(*editor, plain, {60000, 999, 30000, 500}, samples);
            RunSize(*editor, plain, {60000, 999, 30000, 998}, samples);
            RunSize(*editor, plain, {60000, 999, 30000, 500, true}, samples);
            editor->Document().Clear();
            editor->DocumentReplaced();
        }
    }
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(folder, ignored);
    return status;
}
