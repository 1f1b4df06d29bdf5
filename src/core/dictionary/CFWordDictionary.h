#pragma once

#include "base/FileLoadResult.h"
#include "base/FileWriteResult.h"
#include "core/dictionary/CFWordSign.h"

#include <boost/container/small_vector.hpp>
#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The sign dictionary: maps a key word (key symbols of a transliteration) to
// the list of its candidates, ordered by ascending sign number and, for equal
// numbers, by order of addition. Words are shared with the callers, never
// copied: GetCandidate hands out the stored candidate itself.
//
// Entries are indexed by a hash of their key word's content, so a lookup
// never walks the dictionary. A loaded file keeps all its words, and their
// elements, in one shared block instead of one allocation per word.
class CFWordDictionary {
public:
    // Why the last failing Load failed.
    enum LoadResult : std::int32_t { CannotOpen = 0, SyntaxError = 1 };

    // Most keys have one or two candidates, which the list holds without an
    // allocation of its own.
    using CandidateList = boost::container::small_vector<WordPtr, 2>;
    using CandidateListPtr = boost::shared_ptr<CandidateList>;

    // One dictionary entry. The list is never empty. Callers must not change
    // the list or the words; they are shared with the dictionary.
    struct Entry {
        WordPtr key;
        CandidateListPtr candidates;
    };

    // Where a load put the parts of one line of a sign data file among the
    // elements it read: the key symbols and the candidate's signs, each
    // followed by a terminator, and the sign number.
    struct LoadedLine;

    CFWordDictionary();
    CFWordDictionary(const CFWordDictionary&) = delete;
    CFWordDictionary& operator=(const CFWordDictionary&) = delete;
    ~CFWordDictionary();

    // Sets the candidate's number and inserts it into the key's list after
    // every candidate with an equal or smaller number (unsigned comparison).
    // A new key keeps the key object passed in as its entry's key word.
    // Both pointers must be non-null (ProgrammingError otherwise).
    void AddWord(std::uint32_t number, WordPtr key, WordPtr candidate);
    // The candidate at the 0-based position of the key's list, or the empty
    // word (Length 0) when the key is absent or the index is too large.
    WordPtr GetCandidate(std::uint32_t index, const WordPtr& key) const;
    // Length of the key's candidate list; 0 when the key is absent.
    std::uint32_t CountCandidates(const WordPtr& key) const;
    // Removes every entry. lastLoadResult and the empty word stay; words
    // still referenced elsewhere stay alive.
    void Clear();
    // Exchanges the entries of the two dictionaries, so that a dictionary
    // loaded aside can replace this one in a single step. Each object keeps
    // its identity, its empty word and the record of its own last failing
    // Load; words handed out before stay alive.
    void SwapEntries(CFWordDictionary& other) noexcept;
    // The entry whose key word has exactly the same elements as key (raw
    // code points, Length included; numbers play no part), or null.
    const Entry* FindEntry(const WordPtr& key) const;

    // The largest sign data file Load reads; a hundred times the size of
    // the largest real sign list, far below what would exhaust memory.
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t{256} << 20;

    // Adds every entry line of a sign data file, in file order, without
    // emptying the dictionary first. Fails when the file is missing, is not
    // a regular file, is larger than kMaxFileBytes or cannot be read
    // (CannotOpen), or at the first malformed line (SyntaxError); entries of
    // the lines before it stay. The result says which, as does
    // lastLoadFailure().
    FileLoadResult Load(const std::filesystem::path& path);
    // Load on bytes already in memory (the whole content of a file).
    FileLoadResult LoadFromBytes(std::string_view bytes);
    // Writes the dictionary as a sign data file. Fails with CannotEncode when
    // the dictionary cannot be written in the file notation (Serialize says
    // why), and with the system's reason when the file cannot be created or
    // written; the file is then left untouched.
    FileWriteResult Save(const std::filesystem::path& path) const;
    // The bytes Save writes: one CR LF-ended line per candidate, entries in
    // the order of their key content, candidates in list order, every
    // candidate's number written out (0 too), so that the file reads back
    // exactly. Null when an entry cannot be written so that it reads back (a
    // key holding a code point outside the key symbols, or more than 49 of
    // them, or a candidate of more than 49 elements); problem then receives
    // a short reason.
    std::optional<std::string> Serialize(std::string* problem = nullptr) const;
    // The file notation of a key word's elements (without the terminator),
    // or null when one of them is not a key symbol. A plain C or H is none:
    // the notation writes Š and Ḫ with those letters.
    static std::optional<std::string> KeyText(const CFWordSign& key);

    // Why the last failing Load failed; CannotOpen until a Load fails.
    LoadResult lastLoadResult() const { return lastLoadResult_; }
    // The whole story of the last failing Load: the file's problem, or the
    // malformed line (Syntax, with its 1-based number).
    const FileLoadResult& lastLoadFailure() const { return lastFailure_; }
    // 1-based number of the malformed line of the last failing Load; 0 when
    // it failed because the file could not be opened or read.
    std::uint32_t lastErrorLine() const { return lastFailure_.line; }
    // A short English description of the last Load failure, for tools.
    const std::string& lastErrorReason() const { return lastFailure_.detail; }

    // The word returned when there is no candidate (never set: Length 0).
    const WordPtr& EmptyWord() const { return emptyWord_; }
    // Number of entries, that is of distinct keys.
    std::size_t EntryCount() const { return slots_.size(); }
    // Number of candidates of all entries together.
    std::size_t CandidateCount() const { return candidateCount_; }
    // Grows with every change of the entries (AddWord, Clear, SwapEntries),
    // so that the owner can tell whether words were added since the
    // dictionary was loaded or saved.
    std::uint64_t Revision() const { return revision_; }
    // Calls visit for every entry in ascending order of key content.
    void ForEachEntry(const std::function<void(const Entry&)>& visit) const;

private:
    using Codes = std::span<const std::uint32_t>;
    struct Slot {
        Entry entry;
        // The key's elements (terminator included) as the index knows them:
        // a loaded key's own, which nothing changes, or keyCopy.
        Codes key;
        // A copy of the elements of a key a caller passed in, so that the
        // index stays sound whatever happens to the key object.
        std::vector<std::uint32_t> keyCopy;
    };
    static void InsertCandidate(Slot& slot, WordPtr candidate);
    // A cell of the index: the hash of a key and the position of its slot
    // plus one (0: the cell is free).
    struct IndexCell {
        std::uint32_t hash = 0;
        std::uint32_t slot = 0;
    };
    static std::uint32_t HashOf(Codes key);
    // The position of the slot of a key's elements, or -1.
    std::ptrdiff_t FindSlotIndex(Codes key, std::uint32_t hash) const;
    // The slot of a key's elements, or null.
    Slot* FindSlot(Codes key);
    void IndexSlot(std::uint32_t hash, std::size_t position);
    // Makes the index large enough for keys keys without growing again.
    void ReserveIndex(std::size_t keys);
    // A new slot for a key word with an empty candidate list; with copyKey
    // the index keeps a copy of its elements instead of the word's own.
    Slot& AddSlot(WordPtr key, CandidateListPtr candidates, bool copyKey);
    // The slots in ascending order of key content.
    std::vector<const Slot*> SortedSlots() const;
    void AddLoaded(std::span<const LoadedLine> lines, std::vector<std::uint32_t> codes);
    void FailLoad(LoadResult result, std::uint32_t line, std::string reason);
    void FailLoad(const FileLoadResult& failure);

    // Slots never move, so entries handed out stay where they are.
    std::deque<Slot> slots_;
    // Key elements (terminator included) to the position of their slot: open
    // addressing over a power-of-two table kept at most half full.
    std::vector<IndexCell> index_;
    std::size_t candidateCount_ = 0;
    std::uint64_t revision_ = 0;
    LoadResult lastLoadResult_ = CannotOpen;
    FileLoadResult lastFailure_;
    WordPtr emptyWord_;
};

} // namespace velmora
