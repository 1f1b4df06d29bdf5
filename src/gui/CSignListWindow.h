#pragma once

#include <QDockWidget>
#include <QFont>

#include <cstdint>
#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;
class QTreeView;

namespace velmora {

class SignIndex;

// The Sign List window's texts, shown in the interface language.
inline constexpr const char* kSignListCaption = QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Sign List");
inline constexpr const char* kSignListFilterHint =
    QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Reading, name or code point: du3, KAK, U+12195");
inline constexpr const char* kSignListAtCursor = QT_TRANSLATE_NOOP("velmora::CSignListWindow", "At Cursor");
inline constexpr const char* kSignListAtCursorTip =
    QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Shows the sign before the cursor in the list");
inline constexpr const char* kSignListSign = QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Sign");
inline constexpr const char* kSignListName = QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Name");
inline constexpr const char* kSignListCode = QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Code Point");
inline constexpr const char* kSignListReadings = QT_TRANSLATE_NOOP("velmora::CSignListWindow", "Readings");

// The Sign List: a dock window of the main window listing every sign of the
// sign list with its glyph, name, code point and readings (SignIndex), and
// a filter field above that narrows the list as the user types (du3, du₃,
// KAK, |A.AN|, U+12195). The first match is current; Up and Down in the
// filter field move through the list. Enter (in the field or the list) or
// a double click chooses the current sign, which the main window inserts in
// the document. "At Cursor" asks for the sign before the cursor to be shown
// in the list.
class CSignListWindow : public QDockWidget {
    Q_OBJECT

public:
    explicit CSignListWindow(const SignIndex& index, QWidget* parent = nullptr);
    ~CSignListWindow() override;

    // The glyphs are drawn in the sign font's face.
    void setSignFont(const QFont& font);
    // Shows the window with the focus in the filter field, its text
    // selected.
    void showAndFocus();
    // Makes a sign current and scrolls to it; when the filter hides it, the
    // filter is cleared first. False for a code point the list does not
    // hold.
    bool showSign(std::uint32_t codePoint);

    // What the list shows now, in order, and the current sign.
    std::vector<std::uint32_t> shownSigns() const;
    std::optional<std::uint32_t> currentSign() const;
    QLineEdit* filterField() const { return filter_; }
    QTreeView* view() const { return view_; }

signals:
    // The user chose a sign to insert.
    void signChosen(std::uint32_t codePoint);
    // The user asked for the sign at the cursor.
    void cursorSignRequested();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Model;

    void applyFilter();
    void chooseCurrent();
    void retranslate();

    const SignIndex& index_;
    Model* model_;
    QLineEdit* filter_;
    QTreeView* view_;
    QPushButton* atCursor_;
};

} // namespace velmora
