// Random sequences of Text operations against a model: the characters as a
// std::string, the size that the storage policy gives, both flags and who
// holds the buffer. After every operation the object must match the model;
// an append that cannot grow must throw the buffer-too-small error and leave
// the object and its caller's array exactly as they were.
#include "FuzzInput.h"
#include "VorelText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

using vfuzz::Cut;
using vfuzz::Expect;
using VorelText::Char;
using VorelText::Text;

namespace {

constexpr std::size_t kLongest = 4000; // keeps copies' 64 KiB blocks few

// Construction from a C string and copies reserve 65,536 bytes per started
// block of 256 characters; growth and the other assignments take the next
// 256-byte block above a count.
int Reserved(std::size_t n) {
    return static_cast<int>((n / 256 + 1) * 65536);
}
int BlockAbove(std::size_t n) {
    return static_cast<int>((n / 256 + 1) * 256);
}

struct Model {
    std::string chars; // all `length` characters, NULs inside included
    int size = 0;
    bool buffer = false;
    bool attached = false;
    bool caseSensitive = true;
    bool searchForward = true;
};

// A caller's array of exactly `bytes` bytes from malloc, so that the
// sanitizer reports any access past it and any release by the library.
struct Array {
    char* bytes = nullptr;
    std::size_t count = 0;
    ~Array() { std::free(bytes); }
    void Make(const std::string& contents, std::size_t total) {
        std::free(bytes);
        count = total;
        bytes = static_cast<char*>(std::malloc(total));
        std::memset(bytes, 0x5A, total);
        std::memcpy(bytes, contents.c_str(), contents.size() + 1);
    }
    std::string All() const { return bytes == nullptr ? std::string() : std::string(bytes, count); }
};

int Fold(char c, bool ignoreCase) {
    const unsigned char byte = static_cast<unsigned char>(c);
    return ignoreCase && byte < 0x80 ? std::tolower(byte) : static_cast<signed char>(c);
}

// Compare's contract: empty texts order first whatever the count; otherwise
// at most count positions, terminators included, in signed order.
int Order(const std::string& a, const std::string& b, unsigned count, bool ignoreCase) {
    if (a.empty() || b.empty())
        return a.empty() ? (b.empty() ? 0 : -1) : 1;
    const std::size_t bound = std::min<std::size_t>(std::max(a.size(), b.size()), count);
    for (std::size_t i = 0; i < bound; ++i) {
        if (i > a.size())
            return -1;
        if (i > b.size())
            return 1;
        const int x = Fold(a.c_str()[i], ignoreCase), y = Fold(b.c_str()[i], ignoreCase);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

int Index(std::size_t i) {
    return i == std::string::npos ? -1 : static_cast<int>(i);
}

void Matches(const Text& t, const Model& m, const char* what) {
    const char* p = t;
    Expect(t.LengthGet() == static_cast<int>(m.chars.size()), what);
    Expect(t.SizeGet() == m.size, what);
    Expect(t.IsCaseSensitive() == m.caseSensitive && t.IsSearchForward() == m.searchForward, what);
    Expect((p != nullptr) == m.buffer, what);
    if (p != nullptr)
        Expect(std::memcmp(p, m.chars.data(), m.chars.size()) == 0 && p[m.chars.size()] == '\0',
               what);
}

// A result made by operator+, SubString or FindToken: exactly its characters
// and a terminator, owned, default flags.
void IsFresh(const Text& r, const std::string& chars, const char* what) {
    Model m;
    m.chars = chars;
    m.size = static_cast<int>(chars.size() + 1);
    m.buffer = true;
    Matches(r, m, what);
}

class Session {
public:
    explicit Session(vfuzz::Input& in) : in_(in), text_(new Text) {}

    void Step() {
        using Operation = void (Session::*)();
        static const Operation kOperations[] = {
            &Session::Construct,    &Session::CopyConstruct, &Session::AssignText,
            &Session::AssignString, &Session::AssignChar,    &Session::AppendText,
            &Session::AppendChar,   &Session::AppendString,  &Session::Join,
            &Session::Sub,          &Session::Concatenate,   &Session::Attach,
            &Session::Remove,       &Session::Token,         &Session::ChangeCase,
            &Session::Compare,      &Session::Search,        &Session::SetFlags,
            &Session::SetAt,        &Session::Empty,         &Session::TakeOver,
            &Session::Detach};
        constexpr int kCount = sizeof kOperations / sizeof kOperations[0];
        (this->*kOperations[in_.Below(kCount)])();
        Matches(*text_, model_, "after the operation");
        if (model_.attached)
            Expect(static_cast<char*>(*text_) == array_.bytes, "still in the caller's array");
    }

private:
    Text& t() { return *text_; }
    int Length() const { return static_cast<int>(model_.chars.size()); }
    bool Roomy(std::size_t more) const { return model_.chars.size() + more <= kLongest; }

    // An append that must not grow an attached object: it must throw
    // VTXT_BUFFER_TOO_SMALL and change nothing. Answers whether it was so.
    template <typename F> bool Refused(bool needsGrowth, F append) {
        if (!(needsGrowth && model_.attached))
            return false;
        const std::string before = model_.attached ? array_.All() : std::string();
        bool thrown = false;
        try {
            append();
        } catch (char* error) {
            thrown = std::strcmp(error, VTXT_BUFFER_TOO_SMALL) == 0;
        }
        Expect(thrown, "an append that needs growth is refused");
        Expect(array_.All() == before, "a refused append leaves the array alone");
        return true;
    }

    void Owned(std::string chars, int size, bool defaultFlags) {
        model_.chars = std::move(chars);
        model_.size = size;
        model_.buffer = size > 0;
        model_.attached = false;
        if (defaultFlags)
            model_.caseSensitive = model_.searchForward = true;
    }

    void Construct() {
        const std::string s = in_.String();
        text_.reset(new Text(s.c_str()));
        Owned(Cut(s), Reserved(Cut(s).size()), true);
    }

    void CopyConstruct() {
        text_.reset(new Text(t()));
        const std::string kept = Cut(model_.chars);
        Owned(kept, Reserved(kept.size()), false);
    }

    void AssignText() {
        if (in_.Bool()) { // itself: nothing changes
            t() = t();
            return;
        }
        const std::string s = Cut(in_.String());
        Array storage;
        Text src;
        int size = 0; // without a buffer
        const int kind = in_.Below(3);
        if (kind == 0) {
            src = Text(s.c_str());
            size = Reserved(s.size());
        } else if (kind == 1) { // a caller's array: its whole declared size is copied
            storage.Make(s, s.size() + 1 + static_cast<std::size_t>(in_.Below(4)));
            src.Attach(storage.bytes, static_cast<int>(storage.count));
            size = static_cast<int>(storage.count);
        }
        src.CaseSensitivitySet(in_.Bool());
        src.SearchForwardSet(in_.Bool());
        t() = src;
        Owned(size > 0 ? s : std::string(), size, false);
        model_.caseSensitive = src.IsCaseSensitive();
        model_.searchForward = src.IsSearchForward();
    }

    void AssignString() {
        std::string s = in_.String();
        if (in_.Bool() && model_.buffer) { // a C string inside this object's own buffer
            const int from = in_.Below(Length() + 1);
            s = Cut(model_.chars.substr(static_cast<std::size_t>(from)));
            t() = static_cast<const char*>(static_cast<char*>(t())) + from;
        } else {
            s = Cut(s);
            t() = s.c_str();
        }
        Owned(s, BlockAbove(s.size()), true);
    }

    void AssignChar() {
        const char c = static_cast<char>(in_.Byte());
        t() = Char(c);
        Owned(std::string(1, c), 256, true);
    }

    void AppendText() {
        const bool itself = in_.Bool();
        const std::string s = itself ? model_.chars : Cut(in_.String());
        if (s.empty())
            t() += Text(""); // nothing changes, even without room
        if (s.empty() || !Roomy(s.size()))
            return;
        const std::size_t length = model_.chars.size() + s.size();
        const bool grows = static_cast<std::size_t>(model_.size) < length + 1;
        const Text other(s.c_str());
        if (Refused(grows, [&] { itself ? t() += t() : t() += other; }))
            return;
        itself ? t() += t() : t() += other;
        Grow(grows, BlockAbove(length), s);
    }

    void AppendChar() {
        const char c = static_cast<char>(in_.Byte());
        if (!Roomy(1))
            return;
        const bool grows = static_cast<std::size_t>(model_.size) < model_.chars.size() + 2;
        if (Refused(grows, [&] { t() += Char(c); }))
            return;
        t() += Char(c);
        Grow(grows, BlockAbove(model_.chars.size() + 2), std::string(1, c));
    }

    void AppendString() {
        const std::string s = Cut(in_.String());
        if (!Roomy(s.size()))
            return;
        const std::size_t needed = model_.chars.size() + s.size() + 1;
        const bool grows = static_cast<std::size_t>(model_.size) < needed;
        if (Refused(grows, [&] { t() += s.c_str(); }))
            return;
        t() += s.c_str();
        Grow(grows, BlockAbove(needed), s);
    }

    void Grow(bool grows, int size, const std::string& tail) {
        model_.chars += tail;
        if (grows) {
            model_.size = size;
            model_.buffer = true;
        }
    }

    void Join() {
        const std::string s = in_.String();
        const std::string head = model_.chars;
        switch (in_.Below(3)) {
        case 0:
            IsFresh(t() + s.c_str(), Cut(head + Cut(s)), "+ char*");
            break;
        case 1:
            IsFresh(t() + Text(s.c_str()), Cut(head + Cut(s)), "+ Text");
            break;
        default:
            IsFresh(t() + Char(s.empty() ? '\0' : s[0]), Cut(head + s.substr(0, 1)), "+ Char");
        }
    }

    void Sub() {
        const int start = in_.Below(Length() + 1);
        const int count = in_.Below(Length() + 4);
        const std::string piece =
            model_.chars.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
        IsFresh(t().SubString(start, count), Cut(piece), "SubString");
    }

    void Concatenate() {
        const std::string s = Cut(in_.String());
        const int count = in_.Below(static_cast<int>(s.size()) + 3);
        const std::string piece = s.substr(0, static_cast<std::size_t>(count));
        if (!Roomy(piece.size()))
            return;
        Text src(s.c_str());
        const std::size_t length = model_.chars.size() + piece.size();
        const bool grows = !piece.empty() && static_cast<std::size_t>(model_.size) < length + 1;
        const std::string before = model_.attached ? array_.All() : std::string();
        const bool ok = t().Concatenate(src, count);
        if (grows && model_.attached) {
            Expect(!ok && array_.All() == before, "Concatenate refuses without writing");
            return;
        }
        Expect(ok, "Concatenate appends");
        if (!piece.empty())
            Grow(grows, BlockAbove(length), piece);
    }

    // A fresh object on a caller's array that holds the text and a declared
    // size of room (Attach(char*) declares just the text).
    void Attach() {
        const std::string s = Cut(in_.String());
        const bool measured = in_.Bool();
        const std::size_t size =
            s.size() + 1 + (measured ? 0 : static_cast<std::size_t>(in_.Below(300)));
        text_.reset(new Text);
        array_.Make(s, size);
        if (measured)
            t().Attach(array_.bytes);
        else
            t().Attach(array_.bytes, static_cast<int>(size));
        model_ = Model();
        model_.chars = s;
        model_.size = static_cast<int>(size);
        model_.buffer = model_.attached = true;
    }

    void Remove() {
        const char c = in_.Bool() && !model_.chars.empty()
                           ? model_.chars[static_cast<std::size_t>(in_.Below(Length()))]
                           : static_cast<char>(in_.Byte());
        t().Remove(c);
        model_.chars.erase(std::remove(model_.chars.begin(), model_.chars.end(), c),
                           model_.chars.end());
    }

    void Token() {
        const std::string set = Cut(in_.String());
        Text delimiters(set.c_str());
        const std::string& s = model_.chars;
        int position = in_.Below(Length() + 1);
        // A NUL inside the text is never a delimiter: the set has none.
        std::size_t begin = static_cast<std::size_t>(position);
        while (begin < s.size() && set.find(s[begin]) != std::string::npos)
            ++begin;
        std::size_t end = begin;
        while (end < s.size() && set.find(s[end]) == std::string::npos)
            ++end;
        IsFresh(t().FindToken(delimiters, &position), Cut(s.substr(begin, end - begin)),
                "FindToken");
        Expect(position == static_cast<int>(end), "FindToken's position");
    }

    void ChangeCase() {
        const bool upper = in_.Bool();
        upper ? t().ToUpper() : t().ToLower();
        for (char& c : model_.chars) {
            const unsigned char byte = static_cast<unsigned char>(c);
            if (byte < 0x80)
                c = static_cast<char>(upper ? std::toupper(byte) : std::tolower(byte));
        }
    }

    void Compare() {
        std::string s = Cut(in_.String());
        Text other(s.c_str());
        const unsigned count = in_.Bool() ? 0xFFFFFFFFu : static_cast<unsigned>(in_.Below(300));
        const bool ignoreCase = !model_.caseSensitive;
        const std::string& me = model_.chars;
        Expect(t().Compare(other, count) == Order(me, s, count, ignoreCase), "Compare");
        const int whole = Order(me, s, 0xFFFFFFFFu, ignoreCase);
        Expect((t() == other) == (whole == 0) && (t() < other) == (whole < 0), "== and < Text");
        Expect((t() >= const_cast<char*>(s.c_str())) == (whole >= 0), ">= char*");
        const Char c(s.empty() ? '\0' : s[0]);
        Expect((t() <= c) == (Order(me, s.substr(0, 1), 0xFFFFFFFFu, ignoreCase) <= 0), "<= Char");
    }

    void Search() {
        const std::string& s = model_.chars;
        const std::string set = Cut(in_.String());
        Text pattern(set.c_str());
        Char c(static_cast<char>(in_.Byte()));
        const int direction = model_.searchForward ? Index(s.find(c)) : Index(s.rfind(c));
        Expect(t().FindCharacter(c) == direction && t().FindCharacter(char(c)) == direction,
               "FindCharacter");
        Expect(t().FindString(pattern) == Index(Cut(s).find(set)), "FindString");
        auto inSet = [&](char x) { return x != '\0' && set.find(x) != std::string::npos; };
        const std::size_t firstIn = std::find_if(s.begin(), s.end(), inSet) - s.begin();
        const std::size_t firstOut =
            std::find_if(s.begin(), s.end(), [&](char x) { return !inSet(x); }) - s.begin();
        Expect(t().FindFromCharacterSet(pattern) == (firstIn < s.size() ? Index(firstIn) : -1),
               "FindFromCharacterSet");
        Expect(t().FindNotFromCharacterSet(pattern) == (firstOut < s.size() ? Index(firstOut) : -1),
               "FindNotFromCharacterSet");
        const int start = in_.Below(Length() + 3);
        int skip = start;
        while (skip < Length() && inSet(s[static_cast<std::size_t>(skip)]))
            ++skip;
        Expect(t().SkipCharacters(pattern, start) == skip, "SkipCharacters");
        Expect(t().IsEmpty() == s.empty(), "IsEmpty");
        Expect(t().IsAscii() ==
                   std::all_of(s.begin(), s.end(),
                               [](char x) { return static_cast<unsigned char>(x) < 0x80; }),
               "IsAscii");
    }

    void SetFlags() {
        model_.caseSensitive = in_.Bool();
        model_.searchForward = in_.Bool();
        t().CaseSensitivitySet(model_.caseSensitive);
        t().SearchForwardSet(model_.searchForward);
    }

    void SetAt() { // a NUL or any byte inside the length; the length stays
        if (model_.chars.empty())
            return;
        const int i = in_.Below(Length());
        const char c = in_.Bool() ? '\0' : static_cast<char>(in_.Byte());
        t().SetAt(i, c);
        model_.chars[static_cast<std::size_t>(i)] = c;
    }

    void Empty() {
        t().Empty();
        model_.chars.clear();
    }

    // The temporary mark on an owned buffer: it cannot grow, and the next copy
    // takes the very buffer over.
    void TakeOver() {
        if (model_.attached || !model_.buffer)
            return;
        const char* buffer = t();
        t().FlagAsTemp();
        const bool full = static_cast<std::size_t>(model_.size) < model_.chars.size() + 2;
        model_.attached = true;
        Refused(full, [&] { t() += Char('t'); });
        model_.attached = false;
        std::unique_ptr<Text> taker(new Text);
        if (in_.Bool())
            taker.reset(new Text(t()));
        else
            *taker = t();
        text_ = std::move(taker);
        Expect(static_cast<char*>(t()) == buffer, "the buffer is taken over uncopied");
    }

    void Detach() {
        if (!model_.attached)
            return; // an owned buffer would be lost
        t().Detach();
        model_.chars.clear();
        model_.size = 0;
        model_.buffer = model_.attached = false;
    }

    vfuzz::Input& in_;
    Array array_; // outlives text_, which may point into it
    std::unique_ptr<Text> text_;
    Model model_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vfuzz::Input in(data, size);
    Session session(in);
    while (in.More())
        session.Step();
    return 0;
}
