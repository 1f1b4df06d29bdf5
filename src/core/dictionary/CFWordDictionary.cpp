#include "core/dictionary/CFWordDictionary.h"

#include "base/ProgrammingError.h"

#include <boost/make_shared.hpp>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace velmora {

std::uint32_t CFWordDictionary::HashOf(Codes key)
{
    std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ key.size();
    for (const std::uint32_t code : key)
        hash = (hash ^ code) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 29;
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::ptrdiff_t CFWordDictionary::FindSlotIndex(Codes key, std::uint32_t hash) const
{
    if (index_.empty())
        return -1;
    const std::size_t mask = index_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const IndexCell& cell = index_[i];
        if (cell.slot == 0)
            return -1;
        if (cell.hash != hash)
            continue;
        const Codes found = slots_[cell.slot - 1].key;
        if (found.size() == key.size()
            && (key.empty() || std::memcmp(found.data(), key.data(), key.size_bytes()) == 0))
            return static_cast<std::ptrdiff_t>(cell.slot - 1);
    }
}

void CFWordDictionary::ReserveIndex(std::size_t keys)
{
    std::size_t cells = std::max<std::size_t>(16, index_.size());
    while (keys * 2 > cells)
        cells *= 2;
    if (cells == index_.size())
        return;
    std::vector<IndexCell> old(cells);
    old.swap(index_);
    const std::size_t mask = index_.size() - 1;
    for (const IndexCell& cell : old) {
        if (cell.slot == 0)
            continue;
        std::size_t i = cell.hash & mask;
        while (index_[i].slot != 0)
            i = (i + 1) & mask;
        index_[i] = cell;
    }
}

void CFWordDictionary::IndexSlot(std::uint32_t hash, std::size_t position)
{
    // The slot is already among slots_.
    if (slots_.size() * 2 > index_.size())
        ReserveIndex(std::max<std::size_t>(slots_.size(), index_.size()));
    const std::size_t mask = index_.size() - 1;
    std::size_t i = hash & mask;
    while (index_[i].slot != 0)
        i = (i + 1) & mask;
    index_[i] = IndexCell{hash, static_cast<std::uint32_t>(position + 1)};
}

CFWordDictionary::CFWordDictionary() : emptyWord_(new CFWordSign)
{
}

CFWordDictionary::~CFWordDictionary() = default;

void CFWordDictionary::InsertCandidate(Slot& slot, WordPtr candidate)
{
    CandidateList& list = *slot.entry.candidates;
    const std::uint32_t number = candidate->number;
    // After every candidate with an equal or smaller number; a file written
    // in order always appends.
    auto position = list.end();
    if (!list.empty() && list.back()->number > number)
        position = std::upper_bound(list.begin(), list.end(), number,
                                    [](std::uint32_t n, const WordPtr& w) { return n < w->number; });
    list.insert(position, std::move(candidate));
}

CFWordDictionary::Slot* CFWordDictionary::FindSlot(Codes key)
{
    const std::ptrdiff_t found = FindSlotIndex(key, HashOf(key));
    return found < 0 ? nullptr : &slots_[static_cast<std::size_t>(found)];
}

CFWordDictionary::Slot& CFWordDictionary::AddSlot(WordPtr key, CandidateListPtr candidates, bool copyKey)
{
    Slot& slot = slots_.emplace_back();
    slot.entry.key = std::move(key);
    slot.entry.candidates = std::move(candidates);
    slot.key = slot.entry.key->Elements();
    if (copyKey) {
        slot.keyCopy.assign(slot.key.begin(), slot.key.end());
        slot.key = slot.keyCopy;
    }
    IndexSlot(HashOf(slot.key), slots_.size() - 1);
    return slot;
}

void CFWordDictionary::AddWord(std::uint32_t number, WordPtr key, WordPtr candidate)
{
    if (!key || !candidate)
        throw ProgrammingError("CFWordDictionary::AddWord: null word");

    candidate->number = number;
    Slot* slot = FindSlot(key->Elements());
    if (!slot)
        slot = &AddSlot(std::move(key), boost::make_shared<CandidateList>(), true);
    InsertCandidate(*slot, std::move(candidate));
    ++candidateCount_;
    ++revision_;
}

const CFWordDictionary::Entry* CFWordDictionary::FindEntry(const WordPtr& key) const
{
    if (!key)
        return nullptr;
    const Codes elements = key->Elements();
    const std::ptrdiff_t found = FindSlotIndex(elements, HashOf(elements));
    return found < 0 ? nullptr : &slots_[static_cast<std::size_t>(found)].entry;
}

WordPtr CFWordDictionary::GetCandidate(std::uint32_t index, const WordPtr& key) const
{
    const Entry* entry = FindEntry(key);
    if (!entry || index >= entry->candidates->size())
        return emptyWord_;
    return (*entry->candidates)[index];
}

std::uint32_t CFWordDictionary::CountCandidates(const WordPtr& key) const
{
    const Entry* entry = FindEntry(key);
    return entry ? static_cast<std::uint32_t>(entry->candidates->size()) : 0;
}

void CFWordDictionary::SwapEntries(CFWordDictionary& other) noexcept
{
    slots_.swap(other.slots_);
    index_.swap(other.index_);
    std::swap(candidateCount_, other.candidateCount_);
    ++revision_;
    ++other.revision_;
}

void CFWordDictionary::Clear()
{
    index_.clear();
    slots_.clear();
    candidateCount_ = 0;
    ++revision_;
}

std::vector<const CFWordDictionary::Slot*> CFWordDictionary::SortedSlots() const
{
    std::vector<const Slot*> sorted;
    sorted.reserve(slots_.size());
    for (const Slot& slot : slots_)
        sorted.push_back(&slot);
    std::sort(sorted.begin(), sorted.end(), [](const Slot* a, const Slot* b) {
        return std::lexicographical_compare(a->key.begin(), a->key.end(), b->key.begin(), b->key.end());
    });
    return sorted;
}

void CFWordDictionary::ForEachEntry(const std::function<void(const Entry&)>& visit) const
{
    for (const Slot* slot : SortedSlots())
        visit(slot->entry);
}

} // namespace velmora
