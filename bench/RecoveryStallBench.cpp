// The editor's event loop while the recovery copy follows the edits of the
// largest document: the main window as the program builds it, offscreen,
// with a recovery copy in a folder of its own and a document of 50000 lines
// of 999 cells. For 10 s a timer presses Enter and Backspace in turn every
// 30 ms in the middle of the text while a 5 ms heartbeat timer notes how
// late the loop serves it. Printed: the longest stall of the loop and the
// 99th percentile of key-to-painted time, beside a QPlainTextEdit holding
// the same text in the same run (no recovery copy of its own); then the
// syncs and bytes the copy took per key, and how long after a key the copy
// is on the disk (the most a crash can lose). Before the typing, the stall
// of handing the whole new text to the copy is printed apart: it happens
// once per open, new or import, not while typing.
//
// velmora_bench_recovery [--seconds N]

#include "app/CApplication.h"
#include "app/CProgramWindows.h"
#include "core/document/CCursor.h"
#include "core/document/CFDocument.h"
#include "core/files/CrashRecovery.h"
#include "core/modes/CFModeData.h"
#include "gui/CEditorWnd.h"
#include "gui/CMainWindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kLines = 50000;
constexpr std::uint32_t kLength = 999;
constexpr std::uint32_t kLine = 25000;
constexpr std::uint32_t kColumn = 500;

std::uint32_t Cell(std::uint32_t line, std::uint32_t column)
{
    static const std::uint32_t pattern[] = {0x12000, 0x1223E, 0x20,    0x12041, 0x121F7,
                                            0x12140, 0x20,    0x12217, 0x20};
    return pattern[(line * 5 + column) % std::size(pattern)];
}

void Fill(CFDocument& document)
{
    document.Clear();
    document.InsertLines(1, kLines - 1);
    std::vector<std::uint32_t> cells(kLength);
    for (std::uint32_t line = 0; line < kLines; ++line) {
        for (std::uint32_t i = 0; i < kLength; ++i)
            cells[i] = Cell(line, i);
        document.InsertCells(kLength, line, 0, cells.data());
    }
}

QString PlainText()
{
    QString text;
    text.reserve(qsizetype(kLines) * (kLength * 2 + 1));
    for (std::uint32_t line = 0; line < kLines; ++line) {
        if (line > 0)
            text += QChar(u'\n');
        for (std::uint32_t i = 0; i < kLength; ++i) {
            const std::uint32_t cell = Cell(line, i);
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

// Notes when the widget was first painted after a key (later paints, of the
// caret or the status, are not the key's).
class PaintClock : public QObject {
public:
    explicit PaintClock(QWidget* widget) { widget->installEventFilter(this); }
    void keySent() { first = {}; }
    Clock::time_point first{};

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && first == Clock::time_point{})
            first = Clock::now();
        return false;
    }
};

struct Figures {
    double longestStall = 0; // ms
    double p99 = 0;          // ms, key to painted
    int keys = 0;
};

double Percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(p * double(samples.size())))];
}

// Enter and Backspace in turn every 30 ms for the given time, the event loop
// running; a key counts as painted at the first paint after it.
Figures Edit(QWidget* target, QWidget* painted, double seconds)
{
    PaintClock paints(painted);
    Figures figures;
    std::vector<double> keyToPaint;
    Clock::time_point pendingKey{};
    Clock::time_point lastBeat = Clock::now();
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        figures.longestStall = std::max(
            figures.longestStall, std::chrono::duration<double, std::milli>(now - lastBeat).count() - 5);
        lastBeat = now;
    });
    QTimer keys;
    keys.setTimerType(Qt::PreciseTimer);
    bool enter = true;
    QObject::connect(&keys, &QTimer::timeout, [&] {
        if (pendingKey != Clock::time_point{} && paints.first > pendingKey)
            keyToPaint.push_back(
                std::chrono::duration<double, std::milli>(paints.first - pendingKey).count());
        pendingKey = Clock::now();
        paints.keySent();
        QKeyEvent key(QEvent::KeyPress, enter ? Qt::Key_Return : Qt::Key_Backspace, Qt::NoModifier,
                      enter ? QStringLiteral("\r") : QStringLiteral("\b"));
        QCoreApplication::sendEvent(target, &key);
        enter = !enter;
        ++figures.keys;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    heartbeat.start(5);
    keys.start(30);
    while (elapsed.elapsed() < qint64(seconds * 1000))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    keys.stop();
    heartbeat.stop();
    // The last key's paint.
    QCoreApplication::processEvents();
    if (paints.first > pendingKey)
        keyToPaint.push_back(std::chrono::duration<double, std::milli>(paints.first - pendingKey).count());
    figures.p99 = Percentile(keyToPaint, 0.99);
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    double seconds = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::max(1.0, std::atof(argv[i + 1]));
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto folder =
        std::filesystem::temp_directory_path() / ("velmora-bench-recovery-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::ofstream("signdata.cfd") << "A 12000\r\nNA 1223e\r\nLUGAL 12217\r\n";
    std::ofstream("config.ini") << "[SignFont]\r\nName=Akkadian\r\n[Worddata]\r\nFilename=signdata.cfd\r\n";

    int status = 0;
    {
        CApplication app(argc, argv);
        if (!app.startUp()) {
            std::fprintf(stderr, "velmora_bench_recovery: the sign data could not be loaded\n");
            status = 1;
        } else {
            CProgramWindows windows(app);
            CEditorWnd* editor = &windows.editor();
            CMainWindow& window = windows.main();
            CrashRecovery recovery(folder / "recovery");
            window.setCrashRecovery(&recovery);
            window.show();

            const auto start = Clock::now();
            Fill(editor->Document());
            editor->DocumentReplaced();
            editor->ResetView();
            editor->modeData().cursor->setPosition({kLine, kColumn});
            QCoreApplication::processEvents();
            // The timer hands the new text to the writer (every 200 ms); the
            // first copy is written whole. The loop runs long enough for
            // that, however fast the events before it come.
            // Handing over a whole text (after open, new or import) copies
            // it on the editing thread: measured apart, as a one-time cost.
            double handover = 0;
            {
                QEventLoop wait;
                QTimer beat;
                beat.setTimerType(Qt::PreciseTimer);
                auto lastBeat = Clock::now();
                QObject::connect(&beat, &QTimer::timeout, [&] {
                    const auto now = Clock::now();
                    handover = std::max(
                        handover, std::chrono::duration<double, std::milli>(now - lastBeat).count() - 5);
                    lastBeat = now;
                });
                beat.start(5);
                QTimer::singleShot(500, &wait, &QEventLoop::quit);
                wait.exec();
            }
            const auto handed = Clock::now();
            recovery.Flush();
            std::printf("%u lines of %u cells: made in %.1f s; first copy (%.0f MB) on disk %.1f s later\n",
                        kLines, kLength, std::chrono::duration<double>(handed - start).count(),
                        double(std::filesystem::file_size(recovery.CopyPath())) / 1e6,
                        std::chrono::duration<double>(Clock::now() - handed).count());
            std::printf(
                "handing the whole text to the recovery copy: longest stall %.1f ms (once per open, new "
                "or import)\n",
                handover);

            const auto sizeBefore = std::filesystem::file_size(recovery.CopyPath());
            const Figures velmora = Edit(editor, editor->viewport(), seconds);
            recovery.Flush();
            const auto sizeAfter = std::filesystem::file_size(recovery.CopyPath());

            // The loss window: from a key to its record being on the disk.
            std::vector<double> durable;
            for (int i = 0; i < 20; ++i) {
                QKeyEvent key(QEvent::KeyPress, i % 2 == 0 ? Qt::Key_Return : Qt::Key_Backspace,
                              Qt::NoModifier);
                const auto pressed = Clock::now();
                QCoreApplication::sendEvent(editor, &key);
                recovery.Flush();
                durable.push_back(std::chrono::duration<double, std::milli>(Clock::now() - pressed).count());
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }

            QPlainTextEdit plain;
            plain.setLineWrapMode(QPlainTextEdit::NoWrap);
            plain.resize(editor->size());
            plain.setPlainText(PlainText());
            QTextCursor cursor(plain.document()->findBlockByNumber(int(kLine)));
            cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, int(kColumn));
            plain.setTextCursor(cursor);
            plain.show();
            QCoreApplication::processEvents();
            const Figures peer = Edit(&plain, plain.viewport(), seconds);

            std::printf("Enter/Backspace every 30 ms for %.0f s, event loop running (heartbeat 5 ms)\n",
                        seconds);
            std::printf("  %-16s %10s %14s %6s\n", "", "longest stall", "key-to-paint p99", "keys");
            std::printf("  %-16s %10.1f ms %11.1f ms %6d\n", "Velmora", velmora.longestStall, velmora.p99,
                        velmora.keys);
            std::printf("  %-16s %10.1f ms %11.1f ms %6d\n", "QPlainTextEdit", peer.longestStall, peer.p99,
                        peer.keys);
            std::printf("  ratio (Velmora / QPlainTextEdit): stall %.2f, p99 %.2f\n",
                        velmora.longestStall / std::max(peer.longestStall, 0.001),
                        velmora.p99 / std::max(peer.p99, 0.001));
            std::printf("recovery copy: %.1f bytes and %.2f syncs per key (%llu bytes, %d keys)\n",
                        double(sizeAfter - sizeBefore) / velmora.keys,
                        double(recovery.SyncCount()) / velmora.keys,
                        static_cast<unsigned long long>(sizeAfter - sizeBefore), velmora.keys);
            std::sort(durable.begin(), durable.end());
            std::printf("key to its record on the disk: median %.1f ms, longest %.1f ms\n",
                        durable[durable.size() / 2], durable.back());
            window.setCrashRecovery(nullptr);
            recovery.Remove();
        }
    }
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(folder, ignored);
    return status;
}
