#pragma once

#include "core/commands/SignInformation.h"

#include <QDialog>
#include <QFont>

#include <optional>

class QLabel;

namespace velmora {

// The Sign Information window's texts, shown in the interface language.
inline constexpr const char* kSignInfoCaption =
    QT_TRANSLATE_NOOP("velmora::CSignInfoWindow", "Sign Information");
inline constexpr const char* kSignInfoName = QT_TRANSLATE_NOOP("velmora::CSignInfoWindow", "Name");
inline constexpr const char* kSignInfoTyped = QT_TRANSLATE_NOOP("velmora::CSignInfoWindow", "Typed as");
inline constexpr const char* kSignInfoReadings = QT_TRANSLATE_NOOP("velmora::CSignInfoWindow", "Readings");
inline constexpr const char* kSignInfoNames = QT_TRANSLATE_NOOP("velmora::CSignInfoWindow", "Names");

// The Sign Information window: one sign large in the sign font, its name
// and code point, the reading it was typed as, and every reading and name
// the sign list gives for it. A small window beside the main window, not
// modal, so that the user can go on working and ask about the next sign
// (F1) while it stays open; Escape and Close hide it.
class CSignInfoWindow : public QDialog {
    Q_OBJECT

public:
    explicit CSignInfoWindow(QWidget* parent = nullptr);

    // Shows the window with what is known of sign, the sign drawn in
    // signFont's face, on top of the others.
    void showSign(const SignInformation& sign, const QFont& signFont);

    const std::optional<SignInformation>& sign() const { return sign_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // Shows the labels in the interface language.
    void retranslate();
    void fill();

    std::optional<SignInformation> sign_;
    QLabel* glyph_;
    QLabel* nameCaption_;
    QLabel* name_;
    QLabel* typedCaption_;
    QLabel* typed_;
    QLabel* readingsCaption_;
    QLabel* readings_;
    QLabel* namesCaption_;
    QLabel* names_;
};

} // namespace velmora
