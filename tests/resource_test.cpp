// String resources: the resource constructor and Load, through LoadStringA on
// the test program's own STRINGTABLE on Windows and through the string table
// elsewhere, against one table of rows; and the string-table lookup itself.
#include "ResourceStrings.h"
#include "TestSupport.h"

using vtest::kMissingId;
using vtest::kResourceStrings;
using vtest::Resources;

namespace {
// The row with this id.
const vtest::ResourceString& Row(unsigned int id) {
    for (const auto& row : kResourceStrings)
        if (row.id == id)
            return row;
    throw std::logic_error("no such row");
}
std::string Expected(unsigned int id, int size) {
    const std::string text = Row(id).text;
    return text + " " + std::to_string(text.size()) + "/" + std::to_string(size);
}
} // namespace

TEST(Resource, ConstructorGrowsByBlocksAndLoadNeverShrinks) {
    // 255 characters fill 256 bytes, so they are read again from 512.
    for (const auto& row : kResourceStrings)
        EXPECT_EQ(Show(Text(Resources(), row.id)), Expected(row.id, row.size)) << row.id;
    EXPECT_EQ(Show(Text(Resources(), kMissingId)), " 0/256");
    Text t(Resources(), 40), none;
    t.Load(Resources(), 1);
    EXPECT_EQ(Show(t), Expected(1, 768));
    t.Load(Resources(), kMissingId);
    EXPECT_EQ(Show(t), " 0/768");
    none.Load(Resources(), 1); // gets its first 256 bytes, then grows
    EXPECT_EQ(Show(none), Expected(1, 256));
    none.Load(Resources(), 40);
    EXPECT_EQ(Show(none), Expected(40, 768));
    if (vtest::ArrayAllocationsCounted()) { // a string that fits is read into one buffer
        const long before = vtest::arrayAllocations;
        Text fresh(Resources(), 1), empty;
        empty.Load(Resources(), 1);
        EXPECT_EQ(vtest::arrayAllocations - before, 2);
    }
}

TEST(Resource, LoadOnAttachedOrTemporaryStaysWithin) {
    vtest::Guarded area(4, ""), one(3, "xy");
    Text attached, single, source(Resources(), 1);
    attached.Attach(area.data(), 4);
    attached.Load(Resources(), 2);
    EXPECT_EQ(Show(attached), "ttt 3/4");
    attached.Attach(area.data(), 0);
    attached.Load(Resources(), 1);
    EXPECT_EQ(attached.LengthGet(), 0);
    EXPECT_EQ(static_cast<char*>(attached), area.data());
    EXPECT_EQ(area.Changed(), "0-3");
    single.Attach(one.data(), 1); // room for the terminator only: the y is not its to write
    single.Load(Resources(), 1);
    EXPECT_EQ(Show(single) + "," + one.Changed(), " 0/1,0");
    // A temporary keeps its buffer for the object that takes it over.
    const char* held = source;
    source.FlagAsTemp();
    source.Load(Resources(), 3);
    const Text taker(source);
    EXPECT_EQ(static_cast<const char*>(taker), held);
    EXPECT_EQ(Show(taker), Expected(3, 256));
}

#if !defined(_WIN32)
TEST(StringTable, CopiesCutAndTerminated) {
    const vtxt_StringTableEntry entries[] = {
        {1, "Hello"}, {4, nullptr}, {4, "Hidden"}, {1, "Overridden"}, {6, ""}};
    const vtxt_StringTable table = {entries, 5}, noEntries = {nullptr, 3};
    // Module, id, size, then the count and the bytes written ("0-5": six).
    // clang-format off
    const struct { HINSTANCE module; unsigned id; int size; const char* result; } cases[] = {
        {&table, 1, 8, "5 0-5"}, {&table, 1, 4, "3 0-3"}, {&table, 1, 1, "0 0"},
        {&table, 4, 8, "0 0"}, {&table, 6, 8, "0 0"}, {&table, 99, 8, "0 0"},
        {nullptr, 1, 8, "0 0"}, {&noEntries, 1, 8, "0 0"}, {&table, 1, 0, "0 "},
        {&table, 1, -1, "0 "}};
    // clang-format on
    for (const auto& k : cases) {
        vtest::Guarded area(8);
        const int count = vtxt_LoadString(k.module, k.id, area.data(), k.size);
        EXPECT_EQ(std::to_string(count) + " " + area.Changed(), k.result) << k.id << " " << k.size;
        if (k.size > 0) { // the first of two entries wins, cut to size - 1
            EXPECT_EQ(std::string(area.data()), std::string("Hello").substr(0, count));
        }
    }
    EXPECT_EQ(vtxt_LoadString(&table, 1, nullptr, 8), 0);
}
#endif
