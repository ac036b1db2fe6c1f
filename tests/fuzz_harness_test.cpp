// The fuzz harnesses without libFuzzer: their seed corpora and a fixed stream
// of pseudo-random inputs through the same model and differential checks,
// shared out among four threads that run at once. Every object and array
// belongs to one thread; under the tsan preset ThreadSanitizer reports any
// data race. The references fold case through the C library, so the inputs
// run once more in a Latin-1 locale, where bytes above 0x7F have case too.
#include "TestSupport.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// fuzz/*_fuzzer.cpp, compiled into this binary under these names.
extern "C" int vfuzz_text(const std::uint8_t* data, std::size_t size);
extern "C" int vfuzz_capi(const std::uint8_t* data, std::size_t size);

namespace {

// The seeds, then inputs mostly of small counts and of the characters that
// searches, sets and case folding meet. Fixed seed: failures reproduce.
std::vector<std::string> Inputs(const std::string& harness) {
    std::vector<std::string> inputs;
    for (const auto& seed : std::filesystem::directory_iterator(VORELTEXT_FUZZ_CORPUS + harness)) {
        std::ifstream file(seed.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::mt19937 random(20240611u);
    static const char common[] = "\0\1\2\3\4\5\6\7\x0A\x80\x81\x9Fz,a AB\xC9\xE9\xFF";
    for (int i = 0; i < 2500; ++i) {
        std::string input(random() % 200, '\0');
        for (char& c : input)
            c = random() % 4 != 0 ? common[random() % (sizeof common - 1)]
                                  : static_cast<char>(random());
        inputs.push_back(input);
    }
    return inputs;
}

// Runs every fourth input from `first`; the first mismatch with the input's
// number, or "" when there is none.
std::string Replay(int (*harness)(const std::uint8_t*, std::size_t),
                   const std::vector<std::string>& inputs, std::size_t first) {
    for (std::size_t i = first; i < inputs.size(); i += 4)
        try {
            harness(reinterpret_cast<const std::uint8_t*>(inputs[i].data()), inputs[i].size());
        } catch (const std::logic_error& mismatch) {
            return "input " + std::to_string(i) + ": " + mismatch.what() + "; ";
        }
    return "";
}

} // namespace

TEST(FuzzHarnesses, SeedsAndPseudoRandomInputsInFourThreads) {
    const std::vector<std::string> text = Inputs("text"), capi = Inputs("capi");
    std::vector<std::string> mismatches(4);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t)
        threads.emplace_back(
            [&, t] { mismatches[t] = Replay(vfuzz_text, text, t) + Replay(vfuzz_capi, capi, t); });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<std::string>(4));
}

TEST(FuzzHarnesses, InputsInLatin1) {
    VTEST_LATIN1_OR_SKIP();
    const std::vector<std::string> text = Inputs("text"), capi = Inputs("capi");
    for (std::size_t first = 0; first < 4; ++first)
        EXPECT_EQ(Replay(vfuzz_text, text, first) + Replay(vfuzz_capi, capi, first), "");
}
