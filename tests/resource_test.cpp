// String tables: the lookup, the resource constructor and Load.
#include "TestSupport.h"

namespace {
const std::string k255(255, 'e'), k300(300, 't');
const vtxt_StringTableEntry kEntries[] = {
    {1, "Hello"},  {2, k300.c_str()}, {3, k255.c_str()}, {4, nullptr},
    {4, "Hidden"}, {1, "Overridden"}, {5, "0123456789"}, {6, ""},
};
const vtxt_StringTable kTable = {kEntries, 8}, kNoEntries = {nullptr, 3};
} // namespace

TEST(StringTable, CopiesCutAndTerminated) {
    // Module, id, size, then the count and the bytes written ("0-5": six).
    // clang-format off
    const struct { HINSTANCE module; unsigned id; int size; const char* result; } cases[] = {
        {&kTable, 1, 8, "5 0-5"}, {&kTable, 1, 4, "3 0-3"}, {&kTable, 1, 1, "0 0"},
        {&kTable, 4, 8, "0 0"}, {&kTable, 6, 8, "0 0"}, {&kTable, 99, 8, "0 0"},
        {nullptr, 1, 8, "0 0"}, {&kNoEntries, 1, 8, "0 0"}, {&kTable, 1, 0, "0 "},
        {&kTable, 1, -1, "0 "}};
    // clang-format on
    for (const auto& k : cases) {
        vtest::Guarded area(8);
        const int count = vtxt_LoadString(k.module, k.id, area.data(), k.size);
        EXPECT_EQ(std::to_string(count) + " " + area.Changed(), k.result) << k.id << " " << k.size;
        if (k.size > 0) { // the first of two entries wins, cut to size - 1
            EXPECT_EQ(std::string(area.data()), std::string("Hello").substr(0, count));
        }
    }
    EXPECT_EQ(vtxt_LoadString(&kTable, 1, nullptr, 8), 0);
}

TEST(Resource, ConstructorGrowsByBlocksAndLoadNeverShrinks) {
    EXPECT_EQ(Show(Text(&kTable, 5)), "0123456789 10/256");
    EXPECT_EQ(Show(Text(&kTable, 2)), k300 + " 300/512");
    EXPECT_EQ(Show(Text(&kTable, 3)), k255 + " 255/512"); // 255 fills 256 bytes: read again
    EXPECT_EQ(Show(Text(&kTable, 99)) + "," + Show(Text(&kTable, 4)), " 0/256, 0/256");
    Text t(&kTable, 2), none;
    t.Load(&kTable, 1);
    EXPECT_EQ(Show(t), "Hello 5/512");
    t.Load(&kTable, 99);
    EXPECT_EQ(Show(t), " 0/512");
    none.Load(&kTable, 1); // gets its first 256 bytes, then grows
    EXPECT_EQ(Show(none), "Hello 5/256");
    none.Load(&kTable, 2);
    EXPECT_EQ(Show(none), k300 + " 300/512");
}

TEST(Resource, LoadOnAttachedOrTemporaryStaysWithin) {
    vtest::Guarded area(4, "");
    Text attached, source(&kTable, 1);
    attached.Attach(area.data(), 4);
    attached.Load(&kTable, 2);
    EXPECT_EQ(Show(attached), "ttt 3/4");
    attached.Attach(area.data(), 0);
    attached.Load(&kTable, 1);
    EXPECT_EQ(attached.LengthGet(), 0);
    EXPECT_EQ(static_cast<char*>(attached), area.data());
    EXPECT_EQ(area.Changed(), "0-3");
    // A temporary keeps its buffer for the object that takes it over.
    const char* held = source;
    source.FlagAsTemp();
    source.Load(&kTable, 3);
    const Text taker(source);
    EXPECT_EQ(static_cast<const char*>(taker), held);
    EXPECT_EQ(Show(taker), std::string(k255) + " 255/256");
}
