#pragma once

#include "core/modes/CandidateList.h"

#include <QFont>
#include <QWidget>

namespace velmora {

// The list of candidates beside the caret while an editor is in sign
// selection, as input methods show theirs: one row per candidate in view,
// with its reading and index, its signs in the sign font and the names of
// its signs; the current row highlighted; under the rows the current
// candidate's place in the whole list.
//
// It only shows what the editing state gives it (CandidateList) and reports
// a click on a row; the editor decides when it shows and what a click does.
// It never takes the keyboard focus and is never activated, so the editor
// keeps receiving the keys; any key that reaches the list all the same is
// passed on to the editor.
class CCandidateWindow : public QWidget {
    Q_OBJECT

public:
    // The sign font is drawn at most this many pixels high.
    static constexpr int kSignPixels = 30;

    // editor owns the window; it closes with it.
    explicit CCandidateWindow(QWidget* editor);

    // Shows the list beside caretRow (the caret's row, global coordinates):
    // from the caret's left edge, below the row where it fits in view (the
    // editor's visible area, global coordinates), else above it, so that
    // neither the row nor what lies under the editor (the status bar) is
    // covered; the screen decides where the view has no room. The signs are
    // drawn in signFont's face. An empty list hides the window.
    void showList(const CandidateList& list, const QRect& caretRow, const QFont& signFont,
                  const QRect& view = {});

    const CandidateList& list() const { return list_; }
    // The row of the candidate at the index of the key's list, in the
    // window's coordinates; empty when it is not in view.
    QRect rowRect(int candidate) const;
    // The candidate whose row holds the point, or -1.
    int candidateAt(QPoint point) const;

signals:
    // A row was clicked: the index of its candidate in the key's list.
    void candidateClicked(int candidate);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Keys the window system gives the list (where the focus follows the
    // pointer and the pointer rests on the list) go on to the editor.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Column widths and the row height for the rows in view.
    void layoutRows();
    QString placeText() const;

    CandidateList list_;
    QFont readingFont_;
    QFont signFont_;
    QFont nameFont_;
    int rowHeight_ = 0;
    int readingWidth_ = 0;
    int signsWidth_ = 0;
    int namesWidth_ = 0;
    int footerHeight_ = 0;
};

} // namespace velmora
