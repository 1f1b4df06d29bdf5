#pragma once

#include "core/dictionary/CFWordSign.h"

#include <boost/shared_ptr.hpp>

#include <cstdint>

namespace velmora {

class CCursor;
class CFDocument;
class CFLine;
class CFModeData;
class CFScrollBar;
class CFSelectedText;
class CFSignFont;
class CFWordDictionary;
class Surface;
class Window;

// Ids of the editing modes.
inline constexpr int kNormalModeId = 0;
inline constexpr int kInputModeId = 1;
inline constexpr int kSignSelectionModeId = 2;

// One way of reading keys, mouse presses and painting an editor. The modes
// of an editor share its CFModeData; each handler returns the id of the mode
// that is to follow.
class CFMode {
public:
    // data must not be null.
    CFMode(CFSignFont* signFont, boost::shared_ptr<CFModeData> data);
    virtual ~CFMode() = default;
    CFMode(const CFMode&) = delete;
    CFMode& operator=(const CFMode&) = delete;

    // The mode has become current; previous is the id of the mode before.
    virtual void OnEnter(int previous) = 0;
    // A key went down (virtual-key code): a key command, or a key that
    // carries no text.
    virtual int OnKeyDown(std::uint32_t vk) = 0;
    // A character typed: the text of a key event (the layout's character,
    // a dead key's or a compose sequence's result) or of an input method's
    // commit, one code point at a time.
    virtual int OnText(std::uint32_t character) = 0;
    // The left button went down, or moved while held. The flags are those of
    // the mouse event; the pointer is read from the window.
    virtual int OnMouse(std::uint32_t flags) = 0;
    // Draws the editor's client area.
    virtual void OnPaint(Surface& surface) = 0;

    // The mode's own copies of the current word and the key word, re-taken
    // from the editing state on every entry.
    const WordPtr& currentWord() const { return currentWord_; }
    const WordPtr& keyWord() const { return keyWord_; }

protected:
    boost::shared_ptr<CFModeData> data_;
    CFDocument* document_;
    CFLine* pending_;
    CFLine* candidates_;
    boost::shared_ptr<CFSelectedText> selection_;
    boost::shared_ptr<CCursor> cursor_;
    WordPtr currentWord_;
    WordPtr keyWord_;
    boost::shared_ptr<CFScrollBar> scrollBar_;
    CFSignFont* signFont_;
    CFWordDictionary* dictionary_;
    std::int32_t lineLimit_;
    Window* window_;

    // Takes the current word and the key word from the editing state.
    void RetakeWords();
};

} // namespace velmora
