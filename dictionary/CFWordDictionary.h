#pragma once

#include "dictionary/CFWordSign.h"

#include <boost/shared_ptr.hpp>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <list>
#include <map>
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
// Entries are indexed by the content of their key word, so a lookup costs
// log(number of keys) comparisons and never walks the whole dictionary.
class CFWordDictionary {
public:
    using CandidateList = std::list<WordPtr>;
    using CandidateListPtr = boost::shared_ptr<CandidateList>;

    // One dictionary entry. The list is never empty. Callers must not change
    // the list or the words; they are shared with the dictionary.
    struct Entry {
        WordPtr key;
        CandidateListPtr candidates;
    };

    CFWordDictionary();
    CFWordDictionary(const CFWordDictionary&) = delete;
    CFWordDictionary& operator=(const CFWordDictionary&) = delete;
    ~CFWordDictionary();

    // Sets the candidate's number and inserts it into the key's list after
    // every candidate with an equal or smaller number (unsigned comparison).
    // A new key keeps the key object passed in as its entry's key word.
    // Both pointers must be non-null (std::invalid_argument otherwise).
    void AddWord(std::uint32_t number, WordPtr key, WordPtr candidate);
    // The candidate at the 0-based position of the key's list, or the empty
    // word (Length 0) when the key is absent or the index is too large.
    WordPtr GetCandidate(std::uint32_t index, const WordPtr& key) const;
    // Length of the key's candidate list; 0 when the key is absent.
    std::uint32_t CountCandidates(const WordPtr& key) const;
    // Removes every entry. lastLoadResult and the empty word stay; words
    // still referenced elsewhere stay alive.
    void Clear();
    // The entry whose key word has exactly the same elements as key (raw
    // code points, Length included; numbers play no part), or null.
    const Entry* FindEntry(const WordPtr& key) const;

    // The word returned when there is no candidate (never set: Length 0).
    const WordPtr& EmptyWord() const { return emptyWord_; }
    // Number of entries, that is of distinct keys.
    std::size_t EntryCount() const { return entries_.size(); }
    // Number of candidates of all entries together.
    std::size_t CandidateCount() const { return candidateCount_; }
    // Calls visit for every entry in ascending order of key content.
    void ForEachEntry(const std::function<void(const Entry&)>& visit) const;

private:
    // Orders code-point sequences lexicographically; transparent so that a
    // lookup by a word's elements needs no copy.
    struct CodesLess {
        using is_transparent = void;
        bool operator()(std::span<const std::uint32_t> a, std::span<const std::uint32_t> b) const;
    };
    // For long candidate lists: the first candidate of each number, so that
    // an insertion finds its place without walking the list.
    using NumberIndex = std::map<std::uint32_t, CandidateList::iterator>;
    struct Slot {
        Entry entry;
        std::unique_ptr<NumberIndex> firstOfNumber;
    };
    // Keyed by a copy of the key word's elements, so that the order stays
    // sound whatever happens to the key object.
    using EntryMap = std::map<std::vector<std::uint32_t>, Slot, CodesLess>;

    static void InsertCandidate(Slot& slot, const WordPtr& candidate);

    EntryMap entries_;
    std::size_t candidateCount_ = 0;
    WordPtr emptyWord_;
};

} // namespace velmora
