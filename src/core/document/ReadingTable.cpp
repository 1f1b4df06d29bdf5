#include "core/document/ReadingTable.h"

#include "base/Utf8Codec.h"

#include <deque>
#include <mutex>
#include <unordered_map>

namespace velmora {

namespace {

struct Table {
    std::mutex mutex;
    // Id k is texts[k]; a deque, so that the texts handed out never move.
    std::deque<std::string> texts{std::string()};
    std::unordered_map<std::string_view, ReadingId> ids;
};

Table& TheTable()
{
    static Table table;
    return table;
}

} // namespace

ReadingId ReadingTable::Intern(std::string_view utf8)
{
    if (utf8.empty())
        return kNoReading;
    Table& table = TheTable();
    const std::lock_guard lock(table.mutex);
    if (const auto found = table.ids.find(utf8); found != table.ids.end())
        return found->second;
    const auto id = static_cast<ReadingId>(table.texts.size());
    const std::string& kept = table.texts.emplace_back(utf8);
    table.ids.emplace(kept, id);
    return id;
}

ReadingId ReadingTable::Intern(std::u32string_view text)
{
    std::string utf8;
    utf8.reserve(text.size() * 2);
    for (const char32_t c : text)
        AppendUtf8(utf8, static_cast<std::uint32_t>(c));
    return Intern(utf8);
}

const std::string& ReadingTable::Text(ReadingId id)
{
    Table& table = TheTable();
    const std::lock_guard lock(table.mutex);
    return id < table.texts.size() ? table.texts[id] : table.texts[0];
}

} // namespace velmora
