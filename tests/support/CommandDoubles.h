#pragma once

#include "core/dictionary/CFWordDictionary.h"
#include "core/view/CFSignFont.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeFontDialog.h"
#include "tests/support/FakeFontFactory.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ScriptedSaveQuestion.h"

namespace velmora::test {

// The services the main window and its commands are given, as the doubles
// the tests drive: file dialogs that return the names a test chooses, the
// messages shown (recorded, or real boxes for the tests that look at them),
// scripted answers to the question about unsaved changes, a font dialog,
// an empty dictionary, fonts of fixed metrics, settings in memory and the
// sign font record over them. A fixture derives from it and builds the
// object under test over these members.
template <class Messages = MessageRecorder>
struct CommandDoubles {
    FakeFileDialogs dialogs;
    Messages messages;
    ScriptedSaveQuestion question;
    FakeFontDialog fontDialog;
    CFWordDictionary dictionary;
    FakeFontFactory fonts;
    MemorySettings settings;
    CFSignFont signFont{fonts, settings};
};

} // namespace velmora::test
