// Text next to std::string: what a C++ caller would otherwise write.
#include "Bench.h"

#include "VorelText.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

using VorelText::Char;
using VorelText::Text;

namespace {

using bench::Add;

void Construction(int n) {
    const std::string source = bench::Letters(n);
    Add("Text(const char*)", true, n, n, [source](benchmark::State& state) {
        const char* cs = source.c_str();
        for (auto _ : state) {
            Text t(cs);
            benchmark::DoNotOptimize(static_cast<char*>(t));
        }
    });
    Add("Text(const char*)", false, n, n, [source](benchmark::State& state) {
        const char* cs = source.c_str();
        for (auto _ : state) {
            std::string s(cs);
            benchmark::DoNotOptimize(s.data());
        }
    });
}

void Copy(int n) {
    const std::string source = bench::Letters(n);
    Add("Text(const Text&)", true, n, n, [source](benchmark::State& state) {
        const Text original(source.c_str());
        for (auto _ : state) {
            Text copy(original);
            benchmark::DoNotOptimize(static_cast<char*>(copy));
        }
    });
    Add("Text(const Text&)", false, n, n, [source](benchmark::State& state) {
        for (auto _ : state) {
            std::string copy(source);
            benchmark::DoNotOptimize(copy.data());
        }
    });
}

void Assignment(int n) {
    const std::string source = bench::Letters(n);
    // The source as a caller usually has it: constructed from a C string, so
    // its size is the 65,536-byte reservation that the assignment copies.
    Add("operator=(const Text&)", true, n, n, [source](benchmark::State& state) {
        const Text original(source.c_str());
        Text target;
        for (auto _ : state) {
            target = original;
            benchmark::DoNotOptimize(static_cast<char*>(target));
        }
    });
    Add("operator=(const Text&)", false, n, n, [source](benchmark::State& state) {
        std::string target;
        for (auto _ : state) {
            target = source;
            benchmark::DoNotOptimize(target.data());
        }
    });
    Add("operator=(const char*)", true, n, n, [source](benchmark::State& state) {
        Text target;
        for (auto _ : state) {
            target = source.c_str();
            benchmark::DoNotOptimize(static_cast<char*>(target));
        }
    });
    Add("operator=(const char*)", false, n, n, [source](benchmark::State& state) {
        std::string target;
        for (auto _ : state) {
            target = source.c_str();
            benchmark::DoNotOptimize(target.data());
        }
    });
}

// Appending builds 1 MiB from 64-byte pieces, or from single characters.
void Appending() {
    constexpr int kPiece = 64;
    const std::string piece = bench::Letters(kPiece);
    const int n = bench::kMiB;
    Add("operator+=(const Text&)", true, n, n, [piece](benchmark::State& state) {
        const Text tail(piece.c_str());
        for (auto _ : state) {
            Text built;
            for (int i = 0; i < bench::kMiB / kPiece; ++i)
                built += tail;
            benchmark::DoNotOptimize(static_cast<char*>(built));
        }
    });
    Add("operator+=(const Text&)", false, n, n, [piece](benchmark::State& state) {
        for (auto _ : state) {
            std::string built;
            for (int i = 0; i < bench::kMiB / kPiece; ++i)
                built += piece;
            benchmark::DoNotOptimize(built.data());
        }
    });
    Add("operator+=(const char*)", true, n, n, [piece](benchmark::State& state) {
        const char* tail = piece.c_str();
        for (auto _ : state) {
            Text built;
            for (int i = 0; i < bench::kMiB / kPiece; ++i)
                built += tail;
            benchmark::DoNotOptimize(static_cast<char*>(built));
        }
    });
    Add("operator+=(const char*)", false, n, n, [piece](benchmark::State& state) {
        const char* tail = piece.c_str();
        for (auto _ : state) {
            std::string built;
            for (int i = 0; i < bench::kMiB / kPiece; ++i)
                built += tail;
            benchmark::DoNotOptimize(built.data());
        }
    });
    Add("operator+=(const Char&)", true, n, n, [](benchmark::State& state) {
        const Char c('x');
        for (auto _ : state) {
            Text built;
            for (int i = 0; i < bench::kMiB; ++i)
                built += c;
            benchmark::DoNotOptimize(static_cast<char*>(built));
        }
    });
    Add("operator+=(const Char&)", false, n, n, [](benchmark::State& state) {
        for (auto _ : state) {
            std::string built;
            for (int i = 0; i < bench::kMiB; ++i)
                built += 'x';
            benchmark::DoNotOptimize(built.data());
        }
    });
}

// Two halves of n bytes joined into a new object.
void Joining(int n) {
    const std::string half = bench::Letters(n / 2);
    Add("operator+(const Text&)", true, n, n, [half](benchmark::State& state) {
        Text left(half.c_str());
        const Text right(half.c_str());
        for (auto _ : state) {
            Text joined = left + right;
            benchmark::DoNotOptimize(static_cast<char*>(joined));
        }
    });
    Add("operator+(const Text&)", false, n, n, [half](benchmark::State& state) {
        const std::string right = half;
        for (auto _ : state) {
            std::string joined = half + right;
            benchmark::DoNotOptimize(joined.data());
        }
    });
}

// The middle half of n bytes.
void Substrings(int n) {
    const std::string source = bench::Letters(n);
    Add("SubString", true, n, n / 2, [source, n](benchmark::State& state) {
        const Text text(source.c_str());
        for (auto _ : state) {
            Text piece = text.SubString(n / 4, n / 2);
            benchmark::DoNotOptimize(static_cast<char*>(piece));
        }
    });
    Add("SubString", false, n, n / 2, [source, n](benchmark::State& state) {
        for (auto _ : state) {
            std::string piece =
                source.substr(static_cast<std::size_t>(n / 4), static_cast<std::size_t>(n / 2));
            benchmark::DoNotOptimize(piece.data());
        }
    });
}

// The character stands where each scan ends: last for the forward search,
// first for the backward one.
void CharacterSearch(int n) {
    std::string forward = bench::Letters(n);
    forward.back() = 'z';
    std::string backward = bench::Letters(n);
    backward.front() = 'z';
    Add("FindCharacter forward", true, n, n, [forward](benchmark::State& state) {
        const Text text(forward.c_str());
        for (auto _ : state)
            benchmark::DoNotOptimize(text.FindCharacter('z'));
    });
    Add("FindCharacter forward", false, n, n, [forward](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(forward.find('z'));
    });
    Add("FindCharacter backward", true, n, n, [backward](benchmark::State& state) {
        Text text(backward.c_str());
        text.SearchForwardSet(false);
        for (auto _ : state)
            benchmark::DoNotOptimize(text.FindCharacter('z'));
    });
    Add("FindCharacter backward", false, n, n, [backward](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(backward.rfind('z'));
    });
}

// An 8-character pattern at the very end; its first letter recurs every 25
// bytes in the text before it. Then the worst case, which must stay linear.
void StringSearch(int n) {
    const std::string needle = "needle#1";
    std::string haystack = bench::Letters(n);
    haystack.replace(haystack.size() - needle.size(), needle.size(), needle);
    const auto add = [n](const char* operation, const std::string& hay, const std::string& pin) {
        Add(operation, true, n, n, [hay, pin](benchmark::State& state) {
            const Text text(hay.c_str());
            Text pattern(pin.c_str());
            for (auto _ : state)
                benchmark::DoNotOptimize(text.FindString(pattern));
        });
        Add(operation, false, n, n, [hay, pin](benchmark::State& state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(hay.find(pin));
        });
    };
    add("FindString", haystack, needle);
    add("FindString a^k b in a^n", bench::Adversarial(n), bench::AdversarialNeedle(n));
    // A first byte that occurs nowhere else: one search for it reaches the end.
    add("FindString rare first byte", bench::Adversarial(n - 2) + "#1", "#1");
}

// Sets of 1, 4 and 16 characters. The only member stands last for
// FindFromCharacterSet, the only non-member for the other two.
void SetSearch(int n) {
    for (int count : bench::SetSizes()) {
        const std::string outside = bench::Outside(count);
        const std::string inside = bench::Inside(count);
        std::string last = bench::Letters(n);
        last.back() = outside.back();
        const std::string run = bench::RunOf(inside, n);
        const std::string suffix = " (set " + std::to_string(count) + ")";
        Add("FindFromCharacterSet" + suffix, true, n, n, [last, outside](benchmark::State& state) {
            const Text text(last.c_str());
            const Text set(outside.c_str());
            for (auto _ : state)
                benchmark::DoNotOptimize(text.FindFromCharacterSet(set));
        });
        Add("FindFromCharacterSet" + suffix, false, n, n, [last, outside](benchmark::State& state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(last.find_first_of(outside));
        });
        Add("FindNotFromCharacterSet" + suffix, true, n, n, [run, inside](benchmark::State& state) {
            const Text text(run.c_str());
            const Text set(inside.c_str());
            for (auto _ : state)
                benchmark::DoNotOptimize(text.FindNotFromCharacterSet(set));
        });
        Add("FindNotFromCharacterSet" + suffix, false, n, n,
            [run, inside](benchmark::State& state) {
                for (auto _ : state)
                    benchmark::DoNotOptimize(run.find_first_not_of(inside));
            });
        Add("SkipCharacters" + suffix, true, n, n, [run, inside](benchmark::State& state) {
            const Text text(run.c_str());
            Text set(inside.c_str());
            for (auto _ : state)
                benchmark::DoNotOptimize(text.SkipCharacters(set, 0));
        });
        Add("SkipCharacters" + suffix, false, n, n, [run, inside](benchmark::State& state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(run.find_first_not_of(inside, 0));
        });
    }
}

// Every token of n bytes of words separated by blanks and commas.
void Tokenizing(int n) {
    const std::string words = bench::Words(n);
    Add("FindToken (whole text)", true, n, n, [words](benchmark::State& state) {
        const Text text(words.c_str());
        Text delimiters(" ,");
        for (auto _ : state) {
            int position = 0;
            for (;;) {
                Text token = text.FindToken(delimiters, &position);
                if (token.IsEmpty())
                    break;
                benchmark::DoNotOptimize(static_cast<char*>(token));
            }
        }
    });
    Add("FindToken (whole text)", false, n, n, [words](benchmark::State& state) {
        for (auto _ : state) {
            std::size_t position = 0;
            for (;;) {
                const std::size_t start = words.find_first_not_of(" ,", position);
                if (start == std::string::npos)
                    break;
                position = std::min(words.find_first_of(" ,", start), words.size());
                std::string token = words.substr(start, position - start);
                benchmark::DoNotOptimize(token.data());
            }
        }
    });
}

// Texts equal up to their last character. Ignoring case, every letter of
// one is the upper-case form of the other's; std::string has no such
// comparison, so the reference is strncasecmp over the same count.
void Comparison(int n) {
    std::string first = bench::Letters(n);
    std::string second = first;
    second.back() = 'z';
    const std::string upper = bench::Upper(second);
    Add("Compare", true, n, n, [first, second, n](benchmark::State& state) {
        const Text a(first.c_str());
        const Text b(second.c_str());
        for (auto _ : state)
            benchmark::DoNotOptimize(a.Compare(b, static_cast<unsigned>(n)));
    });
    Add("Compare", false, n, n, [first, second](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(first.compare(second));
    });
    Add("Compare ignoring case", true, n, n, [first, upper, n](benchmark::State& state) {
        Text a(first.c_str());
        a.CaseSensitivitySet(false);
        const Text b(upper.c_str());
        for (auto _ : state)
            benchmark::DoNotOptimize(a.Compare(b, static_cast<unsigned>(n)));
    });
    Add("Compare ignoring case", false, n, n, [first, upper, n](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(
                strncasecmp(first.c_str(), upper.c_str(), static_cast<std::size_t>(n)));
    });
}

// In place, over and over: the text is upper case after the first pass, which
// changes nothing about the work done per character.
void UpperCase(int n) {
    const std::string words = bench::Words(n);
    Add("ToUpper", true, n, n, [words](benchmark::State& state) {
        Text text(words.c_str());
        for (auto _ : state) {
            text.ToUpper();
            benchmark::DoNotOptimize(static_cast<char*>(text));
        }
    });
    Add("ToUpper", false, n, n, [words](benchmark::State& state) {
        std::string text = words;
        for (auto _ : state) {
            std::transform(text.begin(), text.end(), text.begin(), [](char c) {
                return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            });
            benchmark::DoNotOptimize(text.data());
        }
    });
}

// Removes every blank from a fresh copy each time; both sides pay for
// restoring the text.
void Remove(const std::string& operation, const std::string& words) {
    const int n = static_cast<int>(words.size());
    Add(operation, true, n, n, [words](benchmark::State& state) {
        std::vector<char> scratch(words.size() + 1);
        for (auto _ : state) {
            std::memcpy(scratch.data(), words.c_str(), words.size() + 1);
            Text text;
            text.Attach(scratch.data(), static_cast<int>(scratch.size()));
            text.Remove(' ');
            benchmark::DoNotOptimize(text.LengthGet());
        }
    });
    Add(operation, false, n, n, [words](benchmark::State& state) {
        std::string text;
        for (auto _ : state) {
            text.assign(words);
            text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
            benchmark::DoNotOptimize(text.data());
        }
    });
}

// Words, about one blank in seven.
void Removal(int n) {
    Remove("Remove", bench::Words(n));
}

// 256 KiB of letters with a blank at every other byte, every 64th or none.
void Removals() {
    constexpr int kSize = 256 << 10;
    for (int every : {2, 64, 0}) {
        std::string text = bench::Letters(kSize);
        for (int i = every - 1; every != 0 && i < kSize; i += every)
            text[static_cast<std::size_t>(i)] = ' ';
        Remove(every == 2    ? "Remove every other"
               : every == 64 ? "Remove 1 in 64"
                             : "Remove none",
               text);
    }
}

const bench::Registrar registrar([] {
    for (void (*group)(int) : {Construction, Copy, Assignment, Joining, Substrings, CharacterSearch,
                               StringSearch, SetSearch, Tokenizing, Comparison, UpperCase, Removal})
        for (int n : bench::Sizes())
            group(n);
    Removals();
    Appending();
});

} // namespace
