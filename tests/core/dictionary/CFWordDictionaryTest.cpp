#include "core/dictionary/CFWordDictionary.h"
#include "base/ProgrammingError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

// A key word from ASCII text, one element per character.
WordPtr Key(const std::string& text)
{
    std::vector<std::uint32_t> cells(text.begin(), text.end());
    return CFWordSign::FromCells(cells);
}

WordPtr Sign(std::uint32_t code)
{
    return CFWordSign::FromCells(std::vector<std::uint32_t>{code});
}

std::vector<std::uint32_t> NumbersOf(const CFWordDictionary& d, const WordPtr& key)
{
    std::vector<std::uint32_t> out;
    for (std::uint32_t i = 0; i < d.CountCandidates(key); ++i)
        out.push_back(d.GetCandidate(i, key)->number);
    return out;
}

TEST(CFWordDictionary, AbsentKeyGivesTheEmptyWord)
{
    CFWordDictionary d;
    EXPECT_EQ(d.CountCandidates(Key("DU")), 0u);
    EXPECT_EQ(d.FindEntry(Key("DU")), nullptr);
    EXPECT_EQ(d.GetCandidate(0, Key("DU")), d.EmptyWord());
    EXPECT_EQ(d.GetCandidate(0, WordPtr()), d.EmptyWord());
    EXPECT_EQ(d.EmptyWord()->Length(), 0u);

    d.AddWord(1, Key("DU"), Sign(0x12000));
    EXPECT_EQ(d.GetCandidate(1, Key("DU"))->Length(), 0u); // index == count
    EXPECT_EQ(d.GetCandidate(0xFFFFFFFFu, Key("DU"))->Length(), 0u);
    EXPECT_EQ(d.GetCandidate(0, Key("DA"))->Length(), 0u);
}

TEST(CFWordDictionary, CandidatesAscendByNumberAndKeepOrderOfAddition)
{
    CFWordDictionary d;
    const auto key = Key("DU");
    const auto three = Sign(3), one = Sign(1), twoA = Sign(0x2A), twoB = Sign(0x2B);
    const auto zero = Sign(0x10), huge = Sign(0xFF);
    d.AddWord(3, key, three);
    d.AddWord(0xFFFFFFFFu, Key("DU"), huge); // unsigned: sorts last
    d.AddWord(1, Key("DU"), one);
    d.AddWord(2, Key("DU"), twoA);
    d.AddWord(2, Key("DU"), twoB);
    d.AddWord(0, Key("DU"), zero);

    EXPECT_EQ(NumbersOf(d, key), (std::vector<std::uint32_t>{0, 1, 2, 2, 3, 0xFFFFFFFFu}));
    // The stored objects themselves are handed out, in order of addition
    // among equal numbers.
    EXPECT_EQ(d.GetCandidate(0, key), zero);
    EXPECT_EQ(d.GetCandidate(2, key), twoA);
    EXPECT_EQ(d.GetCandidate(3, key), twoB);
    EXPECT_EQ(d.GetCandidate(5, key), huge);
}

TEST(CFWordDictionary, LongListsKeepTheSameOrderAsAStableSort)
{
    // Long lists are indexed by number; the order must not differ from the
    // plain rule: ascending number, then order of addition.
    std::mt19937 random(7);
    for (int round = 0; round < 4; ++round) {
        CFWordDictionary d;
        std::vector<WordPtr> added;
        for (std::uint32_t i = 0; i < 300; ++i) {
            std::uint32_t number = random() % 12;
            if (random() % 10 == 0)
                number = 0x80000000u + random() % 3;
            auto candidate = Sign(0x12000 + i);
            d.AddWord(number, Key("A"), candidate);
            added.push_back(candidate);
        }
        std::stable_sort(added.begin(), added.end(),
                         [](const WordPtr& a, const WordPtr& b) { return a->number < b->number; });
        ASSERT_EQ(d.CountCandidates(Key("A")), added.size());
        for (std::uint32_t i = 0; i < added.size(); ++i)
            ASSERT_EQ(d.GetCandidate(i, Key("A")), added[i]) << "position " << i;
    }
}

TEST(CFWordDictionary, EqualKeysShareOneEntryAndDuplicatesAreKept)
{
    CFWordDictionary d;
    const auto first = Key("LUGAL");
    const auto second = Key("LUGAL");
    const auto sign = Sign(0x12217);
    d.AddWord(1, first, sign);
    d.AddWord(1, second, sign);

    EXPECT_EQ(d.EntryCount(), 1u);
    EXPECT_EQ(d.CandidateCount(), 2u);
    ASSERT_NE(d.FindEntry(second), nullptr);
    EXPECT_EQ(d.FindEntry(second)->key, first); // the first key object is kept
    EXPECT_EQ(d.GetCandidate(0, first), sign);
    EXPECT_EQ(d.GetCandidate(1, first), sign);
}

TEST(CFWordDictionary, KeysAreComparedExactly)
{
    CFWordDictionary d;
    d.AddWord(1, Key("DU"), Sign(1));
    d.AddWord(1, Key(""), Sign(2));                 // holds only the terminator
    d.AddWord(1, WordPtr(new CFWordSign), Sign(3)); // never set: Length 0

    EXPECT_EQ(d.CountCandidates(Key("du")), 0u);
    EXPECT_EQ(d.CountCandidates(Key("D")), 0u);
    EXPECT_EQ(d.CountCandidates(Key("DUU")), 0u);
    EXPECT_EQ(d.GetCandidate(0, Key(""))->At(0), 2u);
    EXPECT_EQ(d.GetCandidate(0, WordPtr(new CFWordSign))->At(0), 3u);
    EXPECT_EQ(d.EntryCount(), 3u);

    // Accents are raw code points: A and Â are different keys.
    d.AddWord(1, CFWordSign::FromCells(std::vector<std::uint32_t>{0xC2}), Sign(4));
    EXPECT_EQ(d.CountCandidates(Key("A")), 0u);
}

TEST(CFWordDictionary, AddWordSetsTheCandidatesNumber)
{
    CFWordDictionary d;
    const auto candidate = Sign(0x12000);
    EXPECT_EQ(candidate->number, 1u);
    d.AddWord(0, Key("A"), candidate);
    EXPECT_EQ(candidate->number, 0u);
    EXPECT_THROW(d.AddWord(1, WordPtr(), Sign(1)), ProgrammingError);
    EXPECT_THROW(d.AddWord(1, Key("A"), WordPtr()), ProgrammingError);
    EXPECT_EQ(d.CandidateCount(), 1u);
}

TEST(CFWordDictionary, ClearEmptiesButKeepsWordsInUseAlive)
{
    CFWordDictionary d;
    d.AddWord(1, Key("A"), Sign(0x12000));
    d.AddWord(2, Key("B"), Sign(0x12001));
    const WordPtr inUse = d.GetCandidate(0, Key("A"));
    const WordPtr empty = d.EmptyWord();
    d.Clear();

    EXPECT_EQ(d.EntryCount(), 0u);
    EXPECT_EQ(d.CandidateCount(), 0u);
    EXPECT_EQ(d.CountCandidates(Key("A")), 0u);
    EXPECT_EQ(d.GetCandidate(0, Key("B")), empty);
    EXPECT_EQ(inUse->At(0), 0x12000u);

    d.AddWord(1, Key("A"), Sign(0x12002));
    EXPECT_EQ(d.GetCandidate(0, Key("A"))->At(0), 0x12002u);
}

TEST(CFWordDictionary, SwapEntriesExchangesTheWordsButNotTheObjects)
{
    CFWordDictionary a;
    CFWordDictionary b;
    a.AddWord(0, Key("DU"), Sign(0x12109));
    b.AddWord(3, Key("LUGAL"), Sign(0x12217));
    b.AddWord(0, Key("LUGAL"), Sign(0x12217));
    EXPECT_FALSE(b.Load("no such file.cfd"));
    const WordPtr held = a.GetCandidate(0, Key("DU"));
    const WordPtr emptyOfA = a.EmptyWord();

    a.SwapEntries(b);
    EXPECT_EQ(a.CountCandidates(Key("LUGAL")), 2u);
    EXPECT_EQ(a.CountCandidates(Key("DU")), 0u);
    EXPECT_EQ(a.EntryCount(), 1u);
    EXPECT_EQ(a.CandidateCount(), 2u);
    EXPECT_EQ(b.CountCandidates(Key("DU")), 1u);
    EXPECT_EQ(b.CandidateCount(), 1u);
    EXPECT_EQ(b.GetCandidate(0, Key("DU")), held);
    // Adding after the swap keeps the order of the swapped-in list.
    a.AddWord(1, Key("LUGAL"), Sign(0x12000));
    EXPECT_EQ(NumbersOf(a, Key("LUGAL")), (std::vector<std::uint32_t>{0, 1, 3}));
    EXPECT_EQ(a.EmptyWord(), emptyOfA);
    EXPECT_EQ(a.lastErrorReason(), "");
    EXPECT_NE(b.lastErrorReason(), "");
}

TEST(CFWordDictionary, EntriesAreEnumeratedInKeyOrder)
{
    CFWordDictionary d;
    for (const char* k : {"TA", "A", "", "AB", "B"})
        d.AddWord(1, Key(k), Sign(1));
    std::vector<std::string> keys;
    d.ForEachEntry([&](const CFWordDictionary::Entry& e) {
        keys.emplace_back(e.key->Cells().begin(), e.key->Cells().end());
        EXPECT_FALSE(e.candidates->empty());
    });
    EXPECT_EQ(keys, (std::vector<std::string>{"", "A", "AB", "B", "TA"}));
}

TEST(CFWordDictionary, ChangingAKeyObjectAfterwardsDoesNotBreakLookups)
{
    CFWordDictionary d;
    const auto key = Key("MA");
    d.AddWord(1, key, Sign(1));
    d.AddWord(1, Key("NA"), Sign(2));
    d.AddWord(1, Key("ZA"), Sign(3));
    key->SetCells(std::vector<std::uint32_t>{'Z', 'Z'});
    EXPECT_EQ(d.CountCandidates(Key("NA")), 1u);
    EXPECT_EQ(d.CountCandidates(Key("ZA")), 1u);
    EXPECT_EQ(d.CountCandidates(Key("MA")), 1u);
}

} // namespace
} // namespace velmora
