// String tables: the lookup, the resource constructor and Load.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using VorelText::Text;

namespace {

const std::string k255(255, 'e'), k300(300, 't');

const vtxt_StringTableEntry kEntries[] = {
    {1, "Hello"},  {2, k300.c_str()}, {3, k255.c_str()}, {4, nullptr},
    {4, "Hidden"}, {1, "Overridden"}, {5, "0123456789"}, {6, ""},
};
const vtxt_StringTable kTable = {kEntries, sizeof kEntries / sizeof kEntries[0]};

} // namespace

TEST(StringTable, LookUp) {
    char area[10];
    auto load = [&](HINSTANCE module, unsigned id, int size) {
        std::memset(area, '#', sizeof area);
        return vtxt_LoadString(module, id, area + 1, size);
    };
    EXPECT_EQ(load(&kTable, 1, 8), 5);
    EXPECT_STREQ(area + 1, "Hello"); // the first of two entries wins
    EXPECT_EQ(load(&kTable, 1, 4), 3);
    EXPECT_EQ(std::memcmp(area, "#Hel\0#", 6), 0);
    EXPECT_EQ(load(&kTable, 1, 1), 0);
    EXPECT_EQ(std::memcmp(area, "#\0#", 3), 0);

    for (unsigned id : {4u, 6u, 99u}) { // null text, empty text, missing
        EXPECT_EQ(load(&kTable, id, 8), 0) << id;
        EXPECT_EQ(std::memcmp(area, "#\0#", 3), 0) << id;
    }
    const vtxt_StringTable empty = {nullptr, 3};
    EXPECT_EQ(load(nullptr, 1, 8), 0);
    EXPECT_EQ(load(&empty, 1, 8), 0);
    EXPECT_EQ(area[1], '\0');

    // Nothing written without room or without a buffer.
    for (int size : {0, -1}) {
        EXPECT_EQ(load(&kTable, 1, size), 0);
        EXPECT_EQ(std::string(area, sizeof area), std::string(sizeof area, '#'));
    }
    EXPECT_EQ(vtxt_LoadString(&kTable, 1, nullptr, 8), 0);
}

TEST(Resource, ConstructorGrowsByBlocks) {
    struct Case {
        unsigned id;
        int length, size;
    } cases[] = {{5, 10, 256}, {2, 300, 512}, {3, 255, 512}, {99, 0, 256}, {4, 0, 256}};
    for (const Case& c : cases) {
        Text t(&kTable, c.id);
        EXPECT_EQ(t.LengthGet(), c.length) << c.id;
        EXPECT_EQ(t.SizeGet(), c.size) << c.id;
        EXPECT_EQ(std::strlen(t), static_cast<std::size_t>(c.length)) << c.id;
        EXPECT_TRUE(t.IsCaseSensitive() && t.IsSearchForward());
    }
    Text t(&kTable, 3);
    EXPECT_EQ(std::string(t), k255);
}

TEST(Resource, LoadOnOwnedTexts) {
    Text t(&kTable, 2);
    t.Load(&kTable, 1); // never shrinks
    EXPECT_STREQ(t, "Hello");
    EXPECT_EQ(t.SizeGet(), 512);
    t.Load(&kTable, 99);
    EXPECT_EQ(t.LengthGet(), 0);
    EXPECT_EQ(t.SizeGet(), 512);

    Text none; // gets its first 256 bytes, then grows
    none.Load(&kTable, 1);
    EXPECT_EQ(none.SizeGet(), 256);
    none.Load(&kTable, 2);
    EXPECT_EQ(std::string(none), k300);
    EXPECT_EQ(none.SizeGet(), 512);
}

TEST(Resource, LoadOnAttachedOrTemporaryStaysWithin) {
    char area[10];
    std::memset(area, '#', sizeof area);
    area[1] = '\0';
    Text attached;
    attached.Attach(area + 1, 4);
    attached.Load(&kTable, 2);
    EXPECT_EQ(std::memcmp(area, "#ttt\0#", 6), 0);
    EXPECT_EQ(attached.LengthGet(), 3);
    EXPECT_EQ(attached.SizeGet(), 4);
    EXPECT_EQ(static_cast<char*>(attached), area + 1);

    attached.Attach(area + 1, 0);
    attached.Load(&kTable, 1);
    EXPECT_EQ(attached.LengthGet(), 0);
    EXPECT_EQ(std::memcmp(area, "#ttt\0#", 6), 0);

    // A temporary keeps its buffer for the object that takes it over.
    Text source(&kTable, 1);
    const char* held = source;
    source.FlagAsTemp();
    source.Load(&kTable, 3);
    EXPECT_EQ(source.LengthGet(), 255);
    EXPECT_EQ(source.SizeGet(), 256);
    Text taker(source);
    EXPECT_EQ(static_cast<const char*>(taker), held);
    EXPECT_EQ(std::string(taker), k255);
}
