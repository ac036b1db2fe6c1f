// wordfreq: the most frequent words of a text file, or of the sample text
// below when no file is given.
//
//   wordfreq [-n COUNT] [FILE]
//
// A word is a run of letters, digits, apostrophes and bytes above 0x7F (so
// UTF-8 words stay whole), without apostrophes at either end. Case is folded
// in the user's locale (LC_CTYPE). Words with equal counts are listed in the
// library's character order.
#include <VorelText.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

using VorelText::Char;
using VorelText::Text;

namespace {

const char kSample[] =
    R"(A text is a run of characters that ends with its terminator. This sample is the
text that wordfreq counts when it is given no file of its own.
A text can live in a buffer that the text owns; that buffer grows in blocks
of 256 bytes, so appending one more word rarely moves the text.
A text can also live in an array that belongs to its caller. Then the text
never grows: when an append would not fit, it reports that the buffer is too
small and leaves the array as it was.
Counting words is a small job for a text library: find each token, fold its
case, look each word up among those seen before, and count it. Sort words by
count and print the first few; in this sample "text" wins.)";

constexpr int kDefaultTop = 10;

struct WordCount {
    Text word;
    int count = 0;
};

// The word sets, built once.
struct Sets {
    Text delimiters; // every ASCII byte that cannot belong to a word
    Text quote{"'"};

    Sets() {
        // Bytes above 0x7F stay out, so multi-byte characters stay whole.
        for (int c = 1; c < 0x80; ++c) {
            if (!std::isalnum(c) && c != '\'') {
                delimiters += Char(static_cast<char>(c));
            }
        }
    }
};

// The token without apostrophes at either end ("'tis" -> "tis", "dogs'" ->
// "dogs"); empty when nothing else is left.
Text TrimQuotes(const Text& token, const Sets& sets) {
    int first = token.FindNotFromCharacterSet(sets.quote);
    if (first < 0) {
        return Text();
    }
    const char* chars = token;
    int last = token.LengthGet() - 1;
    while (chars[last] == '\'') {
        --last;
    }
    return token.SubString(first, last - first + 1);
}

// Counts the words of `text` (NUL-terminated, without other NULs).
class Counter {
public:
    void CountWords(char* text, int size) {
        Text content;
        content.Attach(text, size); // reads the caller's array, copies nothing
        int position = 0;
        for (;;) {
            Text token = content.FindToken(sets_.delimiters, &position);
            if (token.IsEmpty()) {
                break;
            }
            Text word = TrimQuotes(token, sets_);
            if (!word.IsEmpty()) {
                word.ToLower();
                Add(word);
            }
        }
    }

    // The counted words, most frequent first, ties in character order.
    std::vector<const WordCount*> Ranked() const {
        std::vector<const WordCount*> ranked;
        ranked.reserve(counts_.size());
        for (const WordCount& entry : counts_) {
            ranked.push_back(&entry);
        }
        std::sort(ranked.begin(), ranked.end(), [](const WordCount* a, const WordCount* b) {
            if (a->count != b->count) {
                return a->count > b->count;
            }
            return a->word.Compare(b->word, UINT_MAX) < 0;
        });
        return ranked;
    }

private:
    void Add(const Text& word) {
        std::string_view key(word, static_cast<std::size_t>(word.LengthGet()));
        auto found = index_.find(key);
        if (found != index_.end()) {
            ++found->second->count;
            return;
        }
        // A deque never moves its elements, so each stored word's buffer can
        // key the index for as long as the counter lives.
        counts_.emplace_back();
        WordCount& entry = counts_.back();
        entry.word = word; // an owned copy of exactly the word's size
        entry.count = 1;
        key = std::string_view(entry.word, key.size());
        index_.emplace(key, &entry);
    }

    Sets sets_;
    std::deque<WordCount> counts_;
    std::unordered_map<std::string_view, WordCount*> index_;
};

// The whole file with a terminator; NUL bytes inside read as blanks.
bool ReadFile(const char* path, std::vector<char>& data) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        data.insert(data.end(), chunk, chunk + got);
    }
    bool ok = std::ferror(file) == 0;
    int error = errno;
    std::fclose(file);
    errno = error;
    std::replace(data.begin(), data.end(), '\0', ' ');
    data.push_back('\0');
    return ok;
}

int Usage() {
    std::fprintf(stderr, "usage: wordfreq [-n COUNT] [FILE]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "");
    int top = kDefaultTop;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
            char* end = nullptr;
            long n = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || n < 1 || n > INT_MAX) {
                return Usage();
            }
            top = static_cast<int>(n);
        } else if (path == nullptr && argv[i][0] != '-') {
            path = argv[i];
        } else {
            return Usage();
        }
    }

    std::vector<char> data;
    if (path == nullptr) {
        data.assign(kSample, kSample + sizeof kSample);
    } else if (!ReadFile(path, data)) {
        std::fprintf(stderr, "wordfreq: cannot read %s: %s\n", path, std::strerror(errno));
        return 1;
    }
    if (data.size() > static_cast<std::size_t>(INT_MAX)) {
        std::fprintf(stderr, "wordfreq: %s is too large\n", path);
        return 1;
    }

    Counter counter;
    counter.CountWords(data.data(), static_cast<int>(data.size()));
    std::vector<const WordCount*> ranked = counter.Ranked();
    std::printf("%s: %zu different words\n", path != nullptr ? path : "sample", ranked.size());
    for (std::size_t i = 0; i < ranked.size() && i < static_cast<std::size_t>(top); ++i) {
        std::printf("%7d %s\n", ranked[i]->count, static_cast<char*>(ranked[i]->word));
    }
    return 0;
}
