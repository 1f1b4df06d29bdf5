#include "tools/OslAtfTable.h"

#include "base/Utf8Codec.h"
#include "core/atf/AtfSpelling.h"
#include "tools/OslSignList.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

namespace velmora {

namespace {

using Kind = AtfSignTable::Kind;
using Text = OslReader::Text;

constexpr std::uint32_t kSubscriptX = 0x2093;

bool IsUncertain(const Text& value)
{
    return !value.empty() && value.back() == '?';
}

// The value as a reading: without a language tag (%akk ) and the "?" of
// an uncertain value; empty when it names no sign by itself.
Text Reading(Text value)
{
    if (!value.empty() && value.front() == '%') {
        const auto blank =
            std::find_if(value.begin(), value.end(), [](std::uint32_t c) { return c == ' ' || c == '\t'; });
        value.erase(value.begin(),
                    std::find_if(blank, value.end(), [](std::uint32_t c) { return c != ' ' && c != '\t'; }));
    }
    while (!value.empty() && value.back() == '?')
        value.pop_back();
    const auto holds = [&value](std::uint32_t c) {
        return std::find(value.begin(), value.end(), c) != value.end();
    };
    const bool inner =
        value.size() > 2 && std::find(value.begin() + 1, value.end() - 1, '-') != value.end() - 1;
    if (inner || holds(kSubscriptX) || holds('{') || holds(' ') || holds('\t'))
        return {};
    return value;
}

// The spelling with ŋ written g: the list writes ŋ where many editions
// write g, so a deprecated geš₂ must not hide the current ŋeš₂.
std::u32string WithoutEng(std::u32string spelling)
{
    std::replace(spelling.begin(), spelling.end(), U'ŋ', U'g');
    return spelling;
}

class RowCollector {
public:
    void add(Kind kind, const Text& text, const std::optional<Text>& signs, bool deprecated)
    {
        if (text.empty() || !signs)
            return;
        const std::u32string canonical = AtfSpelling::Canonical(std::u32string(text.begin(), text.end()));
        const auto folded = std::make_pair(kind, WithoutEng(canonical));
        if (deprecated && current_.contains(folded))
            return;
        if (!seen_.insert({kind, canonical}).second)
            return;
        if (!deprecated)
            current_.insert(folded);
        rows_.push_back(OslAtfTable::Row{kind, text, *signs});
    }

    std::vector<OslAtfTable::Row> take() { return std::move(rows_); }

private:
    std::vector<OslAtfTable::Row> rows_;
    std::set<std::pair<Kind, std::u32string>> seen_;
    std::set<std::pair<Kind, std::u32string>> current_;
};

} // namespace

std::vector<OslAtfTable::Row> OslAtfTable::Rows(const OslReader::Result& list)
{
    RowCollector rows;
    const auto signsOf = [&](std::size_t block) {
        return OslSignList::EncodedSigns(list.blocks[block].ucun);
    };

    for (const bool deprecated : {false, true}) {
        // Signs before forms, so that a form named like a sign elsewhere
        // does not take the name; then the other names.
        for (const bool forms : {false, true}) {
            for (std::size_t b = 0; b < list.blocks.size(); ++b) {
                const OslReader::Block& block = list.blocks[b];
                if (block.deprecated == deprecated && block.form == forms)
                    rows.add(Kind::Name, block.name, signsOf(b), deprecated);
            }
        }
        for (std::size_t b = 0; b < list.blocks.size(); ++b) {
            if (list.blocks[b].deprecated != deprecated)
                continue;
            for (const Text& aka : list.blocks[b].akas)
                rows.add(Kind::Name, aka, signsOf(b), deprecated);
        }
        // Certain values before uncertain ones ("?"), so that a certain
        // value wins a spelling both have.
        for (const bool uncertain : {false, true}) {
            for (const OslReader::Value& value : list.values) {
                const bool valueDeprecated = value.deprecated || list.blocks[value.block].deprecated;
                if (valueDeprecated == deprecated && IsUncertain(value.text) == uncertain)
                    rows.add(Kind::Value, Reading(value.text), signsOf(value.block), deprecated);
            }
        }
        if (!deprecated) {
            rows.add(Kind::Value, {'d'}, Text{0x1202D}, false); // AN
            rows.add(Kind::Value, {'m'}, Text{0x12079}, false); // DIŠ
            rows.add(Kind::Value, {'f'}, Text{0x122A9}, false); // SAL (MUNUS)
        }
    }
    return rows.take();
}

AtfSignTable OslAtfTable::Table(const std::vector<Row>& rows)
{
    AtfSignTable table;
    for (const Row& row : rows)
        table.add(row.kind, std::u32string(row.text.begin(), row.text.end()),
                  std::u32string(row.signs.begin(), row.signs.end()));
    return table;
}

std::string OslAtfTable::Include(const std::vector<Row>& rows, const std::string& header)
{
    std::string out = header;
    for (const Row& row : rows) {
        out += row.kind == Kind::Value ? "{V, U\"" : "{N, U\"";
        for (const std::uint32_t c : row.text) {
            if (c == '"' || c == '\\')
                out += '\\';
            if (c < 0x20) {
                char escape[16];
                std::snprintf(escape, sizeof escape, "\\U%08X", static_cast<unsigned>(c));
                out += escape;
            } else {
                AppendUtf8(out, c);
            }
        }
        out += "\", U\"";
        for (const std::uint32_t c : row.signs) {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\U%08X", static_cast<unsigned>(c));
            out += escape;
        }
        out += "\"},\n";
    }
    return out;
}

} // namespace velmora
