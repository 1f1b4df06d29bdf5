#include "dictionary/CFWordDictionary.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace velmora {

namespace {

// Lists up to this length are searched by walking them; longer ones get an
// index of the first candidate of each number.
constexpr std::size_t kIndexedListLength = 16;

} // namespace

bool CFWordDictionary::CodesLess::operator()(std::span<const std::uint32_t> a,
                                             std::span<const std::uint32_t> b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

CFWordDictionary::CFWordDictionary()
    : emptyWord_(new CFWordSign)
{
}

CFWordDictionary::~CFWordDictionary() = default;

void CFWordDictionary::InsertCandidate(Slot& slot, const WordPtr& candidate)
{
    CandidateList& list = *slot.entry.candidates;
    const std::uint32_t number = candidate->number;

    CandidateList::iterator position;
    if (list.empty() || list.back()->number <= number) {
        // The usual case for a file written in order: after everything.
        position = list.end();
    } else if (slot.firstOfNumber) {
        // Some candidate has a greater number, since the last one has.
        position = slot.firstOfNumber->upper_bound(number)->second;
    } else {
        position = std::find_if(list.begin(), list.end(),
                                [number](const WordPtr& w) { return w->number > number; });
    }
    const auto inserted = list.insert(position, candidate);

    if (slot.firstOfNumber) {
        // Only a new number changes the index: the candidate goes behind
        // every candidate of an existing number.
        slot.firstOfNumber->try_emplace(number, inserted);
    } else if (list.size() > kIndexedListLength) {
        slot.firstOfNumber = std::make_unique<NumberIndex>();
        for (auto it = list.begin(); it != list.end(); ++it)
            slot.firstOfNumber->try_emplace((*it)->number, it);
    }
}

void CFWordDictionary::AddWord(std::uint32_t number, WordPtr key, WordPtr candidate)
{
    if (!key || !candidate)
        throw std::invalid_argument("CFWordDictionary::AddWord: null word");

    candidate->number = number;
    const auto elements = key->Elements();
    auto found = entries_.find(elements);
    if (found == entries_.end()) {
        Slot slot;
        slot.entry.key = std::move(key);
        slot.entry.candidates = CandidateListPtr(new CandidateList{candidate});
        entries_.emplace(std::vector<std::uint32_t>(elements.begin(), elements.end()),
                         std::move(slot));
    } else {
        InsertCandidate(found->second, candidate);
    }
    ++candidateCount_;
    ++revision_;
}

const CFWordDictionary::Entry* CFWordDictionary::FindEntry(const WordPtr& key) const
{
    if (!key)
        return nullptr;
    const auto found = entries_.find(key->Elements());
    return found == entries_.end() ? nullptr : &found->second.entry;
}

WordPtr CFWordDictionary::GetCandidate(std::uint32_t index, const WordPtr& key) const
{
    const Entry* entry = FindEntry(key);
    if (!entry || index >= entry->candidates->size())
        return emptyWord_;
    const CandidateList& list = *entry->candidates;
    // Step from the nearer end of the list.
    if (index < list.size() / 2)
        return *std::next(list.begin(), index);
    return *std::prev(list.end(), static_cast<std::ptrdiff_t>(list.size() - index));
}

std::uint32_t CFWordDictionary::CountCandidates(const WordPtr& key) const
{
    const Entry* entry = FindEntry(key);
    return entry ? static_cast<std::uint32_t>(entry->candidates->size()) : 0;
}

void CFWordDictionary::SwapEntries(CFWordDictionary& other) noexcept
{
    entries_.swap(other.entries_);
    std::swap(candidateCount_, other.candidateCount_);
    ++revision_;
    ++other.revision_;
}

void CFWordDictionary::Clear()
{
    entries_.clear();
    candidateCount_ = 0;
    ++revision_;
}

void CFWordDictionary::ForEachEntry(const std::function<void(const Entry&)>& visit) const
{
    for (const auto& [codes, slot] : entries_)
        visit(slot.entry);
}

} // namespace velmora
