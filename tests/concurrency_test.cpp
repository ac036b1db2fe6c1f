// Several threads at once, each with its own objects and arrays and all of
// them reading one shared array: every thread must get what one thread alone
// gets. Under the tsan preset ThreadSanitizer also reports any data race.
#include "VorelText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

using VorelText::Char;
using VorelText::Text;

namespace {

char shared[] = "alpha, beta;  gamma\xE9 delta,epsilon";

// A run of Text and C-function work, its results summed up in a string.
std::string Work(int round) {
    std::string out;
    Text text(static_cast<const char*>(shared));
    Text delimiters(", ;");
    text += Char(static_cast<char>('0' + round % 10));
    text += text; // grows past nothing, then copies itself
    int position = 0;
    for (Text token = text.FindToken(delimiters, &position); !token.IsEmpty();
         token = text.FindToken(delimiters, &position))
        out += std::string(static_cast<char*>(token)) + '|';
    Text upper = text.SubString(2, 30);
    upper.ToUpper();
    upper.Remove('A');
    Text joined = upper + text;
    joined.CaseSensitivitySet(false);
    out += std::to_string(joined.Compare(text, 40)) + std::to_string(joined.FindString(delimiters));
    out += std::to_string(text.FindCharacter('\xE9')) + static_cast<char*>(joined);

    // The C functions: the shared array only read, the rest in this thread's arrays.
    char set[] = ",;";
    char copy[sizeof shared];
    char word[] = "BETA";
    out += std::to_string(vtxt_Text_strlen(shared)) +
           std::to_string(vtxt_Text_strcspn(shared, set)) +
           std::to_string(
               vtxt_Text__stricmp(vtxt_Text_strstr(shared, const_cast<char*>("beta")), word));
    vtxt_Text_strncpy(copy, shared, round);
    vtxt_Text_strcat(copy, sizeof copy, vtxt_Text_strrchr(shared, ' '));
    char* saved = nullptr;
    for (char* token = vtxt_Text_strtok_r(copy, set, &saved); token != nullptr;
         token = vtxt_Text_strtok_r(nullptr, set, &saved))
        out += std::string(token) + vtxt_Text_toupper(token[0]) + '|';
    return out;
}

} // namespace

TEST(Concurrency, ThreadsWithTheirOwnObjectsAgree) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 50;
    std::vector<std::string> expected;
    for (int round = 0; round < kRounds; ++round)
        expected.push_back(Work(round));
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round)
                if (Work(round) != expected[static_cast<std::size_t>(round)])
                    ++mismatches[static_cast<std::size_t>(t)];
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}
