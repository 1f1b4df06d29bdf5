#pragma once

#include <QDialog>

namespace velmora {

// The About box's texts, shown in the interface language.
inline constexpr const char* kAboutCaption =
    QT_TRANSLATE_NOOP("velmora::CAboutDialog", "バージョン情報 Velmora");
inline constexpr const char* kAboutVersion =
    QT_TRANSLATE_NOOP("velmora::CAboutDialog", "Velmora, Version 1.5");
inline constexpr const char* kAboutCopyright =
    QT_TRANSLATE_NOOP("velmora::CAboutDialog", "Copyright (C) 2026 The Velmora developers");
inline constexpr const char* kAboutDescription =
    QT_TRANSLATE_NOOP("velmora::CAboutDialog", "An editor for Akkadian cuneiform texts");

// The About box: the program's icon, its name and version and two lines on
// who made it, and an OK button. Modal; Enter, Escape and OK close it.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

} // namespace velmora
