// interop: VorelText with the standard library of C++17 and C++20. Strings
// and views in and out, a Text as the key of an unordered container, the
// algorithms and ranges over its characters, and streams. Each output line
// is the comment beside the statement that prints it.
#include <VorelText.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>
#if __cplusplus >= 202002L
#include <ranges>
#endif

using VorelText::Text;

namespace {

// Counts the comma-separated words of `list`, ignoring case: keys that
// ignore case also hash folded, so "pear" and "PEAR" are one key.
std::unordered_map<Text, int> CountWords(const Text& list) {
    using namespace std::string_view_literals;
    const Text comma(","sv); // from a view: 256 bytes, not the 64 KiB of Text(",")
    std::unordered_map<Text, int> counts;
    int position = 0;
    for (Text word = list.FindToken(comma, &position); !word.IsEmpty();
         word = list.FindToken(comma, &position)) {
        word.CaseSensitivitySet(false);
        ++counts[std::move(word)]; // moved in: a key keeps its exact-size buffer
    }
    return counts;
}

// Most frequent first; ties in the library's character order.
void PrintRanked(const std::unordered_map<Text, int>& counts) {
    using Entry = const std::pair<const Text, int>*;
    std::vector<Entry> ranked;
    for (const auto& entry : counts)
        ranked.push_back(&entry);
    const auto before = [](Entry a, Entry b) {
        return a->second != b->second ? a->second > b->second : a->first < b->first;
    };
#if __cplusplus >= 202002L
    std::ranges::sort(ranked, before);
#else
    std::sort(ranked.begin(), ranked.end(), before);
#endif
    for (const Entry entry : ranked)
        std::cout << entry->first << ' ' << entry->second << '\n';
}

} // namespace

int main() {
    // In from a std::string: every byte, in the 256-byte block above them.
    const std::string line = "pear,Apple,fig,apple,PEAR,pear";
    const Text list(line);
    std::cout << list << ' ' << list.SizeGet() << '\n'; // pear,Apple,fig,apple,PEAR,pear 256
    PrintRanked(CountWords(list));                      // pear 3, Apple 2, fig 1

    // A char* alone is data, copied as it stands: std::string::data() is one.
    std::string offer = "50% off";
    std::cout << Text(offer.data()) << '\n'; // 50% off

    // The characters as a range, for the algorithms and C++20's ranges.
    Text river("Mississippi");
#if __cplusplus >= 202002L
    std::ranges::replace(river, 's', 'z');
#else
    std::replace(river.begin(), river.end(), 's', 'z');
#endif
    const auto zs = std::count(river.begin(), river.end(), 'z');
    std::cout << river << ' ' << zs << '\n'; // Mizzizzippi 4

    // Out as a std::string_view, without a copy; NULs inside are kept.
    const std::string_view view = river.ViewGet();
    const Text withNul(std::string_view("a\0b", 3));
    std::cout << std::string(view.substr(4)) << ' ' << withNul.LengthGet() << '\n'; // izzippi 3

    // A Text without a buffer (moved from, or never given one) writes nothing
    // and leaves the stream good.
    const Text moved = std::move(river);
    std::cout << '[' << river << Text() << "] " << river.ViewGet().size() << ' ' << std::cout.good()
              << ' ' << moved << '\n'; // [] 0 1 Mizzizzippi
    return 0;
}
