#pragma once

#include <string_view>

namespace velmora {

class Window;

enum class SaveChangesAnswer { Save, Discard, Cancel };

// The question asked before changed text would be lost: save it first,
// throw the changes away, or keep everything as it is. Texts are UTF-8.
class SaveChangesQuestion {
public:
    virtual ~SaveChangesQuestion() = default;
    // owner may be null. Closing the question without choosing answers Cancel.
    virtual SaveChangesAnswer askSaveChanges(Window* owner, std::string_view text,
                                             std::string_view caption) = 0;
};

} // namespace velmora
