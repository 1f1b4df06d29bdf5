#pragma once

#include <QDialog>

namespace velmora {

inline constexpr const char* kAboutCaption = "バージョン情報 Velmora";
inline constexpr const char* kAboutVersion = "Velmora, Version 1.5";
inline constexpr const char* kAboutCopyright = "Copyright (C) 2026 The Velmora developers";
inline constexpr const char* kAboutDescription = "An editor for Akkadian cuneiform texts";

// The About box: the program's icon, its name and version and two lines on
// who made it, and an OK button. Modal; Enter, Escape and OK close it.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

} // namespace velmora
