// Random sequences of Text operations against a model: the characters as a
// std::string, the size that the storage policy gives, both flags and who
// holds the buffer. After every operation the object must match the model;
// an append that cannot grow must be refused (the buffer-too-small error, or
// false from Concatenate) and leave the object and its caller's array exactly
// as they were.
#include "Checks.h"
#include "VorelText.h"

#include <memory>

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

void Matches(const Text& t, const Model& m, const char* what) {
    const char* p = t;
    Expect(t.LengthGet() == static_cast<int>(m.chars.size()) && t.SizeGet() == m.size, what);
    Expect(t.IsCaseSensitive() == m.caseSensitive && t.IsSearchForward() == m.searchForward, what);
    Expect(p == nullptr
               ? !m.buffer
               : m.buffer && m.chars == std::string(p, m.chars.size()) && p[m.chars.size()] == '\0',
           what);
}

// Runs an append; false when it threw the buffer-too-small error.
template <typename F> bool Appended(F append) {
    try {
        append();
        return true;
    } catch (char* error) {
        Expect(std::strcmp(error, VTXT_BUFFER_TOO_SMALL) == 0, "the buffer-too-small error");
        return false;
    }
}

class Session {
public:
    explicit Session(vfuzz::Input& in) : in_(in), text_(new Text) {}

    void Step() {
        using Operation = void (Session::*)();
        static const Operation kOperations[] = {
            &Session::Construct, &Session::AssignText, &Session::AssignString, &Session::Append,
            &Session::Append,    &Session::Join,       &Session::Sub,          &Session::Attach,
            &Session::Remove,    &Session::Token,      &Session::ChangeCase,   &Session::Compare,
            &Session::Search,    &Session::SetFlags,   &Session::SetAt,        &Session::Empty,
            &Session::TakeOver,  &Session::Detach,     &Session::Move};
        constexpr int kCount = sizeof kOperations / sizeof kOperations[0];
        (this->*kOperations[in_.Below(kCount)])();
        Matches(*text_, model_, "after the operation");
        if (model_.attached)
            Expect(static_cast<char*>(*text_) == array_.get(), "still in the caller's array");
    }

private:
    Text& t() { return *text_; }
    int Length() const { return static_cast<int>(model_.chars.size()); }

    // A fresh object from a C string, or a copy of this one up to its first
    // NUL with its flags.
    void Construct() {
        const bool copy = in_.Bool();
        const std::string s = Cut(copy ? model_.chars : in_.String());
        text_.reset(copy ? new Text(t()) : new Text(s.c_str()));
        const bool caseSensitive = !copy || model_.caseSensitive;
        model_ =
            Model{s, Reserved(s.size()), true, false, caseSensitive, !copy || model_.searchForward};
    }

    // Itself (nothing changes), or an owned Text, one on a caller's array
    // (whose whole declared size is copied) or one without a buffer, with
    // any flags.
    void AssignText() {
        const int kind = in_.Below(4);
        const std::string s = Cut(in_.String());
        vfuzz::Array storage(s + '\0', s.size() + 1 + static_cast<std::size_t>(in_.Below(4)));
        Text owned(s.c_str()), attached, none;
        attached.Attach(storage.get(), static_cast<int>(storage.size()));
        Text& src = kind == 0 ? t() : kind == 1 ? owned : kind == 2 ? attached : none;
        if (kind != 0) {
            src.CaseSensitivitySet(in_.Bool());
            src.SearchForwardSet(in_.Bool());
            const int size = kind == 1 ? Reserved(s.size()) : static_cast<int>(storage.size());
            model_ = Model{kind == 3 ? "" : s,    kind == 3 ? 0 : size, kind != 3, false,
                           src.IsCaseSensitive(), src.IsSearchForward()};
        }
        t() = src;
    }

    // A C string, now and then one inside this object's own buffer, or a
    // Char: the block above its length, default flags.
    void AssignString() {
        std::string s = Cut(in_.String());
        const int kind = in_.Below(3);
        if (kind == 1 && model_.buffer) {
            const int from = in_.Below(Length() + 1);
            s = Cut(model_.chars.substr(static_cast<std::size_t>(from)));
            t() = static_cast<const char*>(static_cast<char*>(t())) + from;
        } else if (kind == 2) {
            s = std::string(1, static_cast<char>(in_.Byte()));
            t() = Char(s[0]);
        } else {
            t() = s.c_str();
        }
        model_ = Model{s, BlockAbove(s.size()), true};
    }

    // A Text (now and then this object itself), a Char, a C string or, through
    // Concatenate, the first count characters (cut at a NUL) of a Text or of
    // this object. Each kind grows to the block above its own count: the new
    // length for a Text, the bytes needed for the others.
    void Append() {
        const int kind = in_.Below(5);
        const bool itself = kind == 4 || (kind == 0 && in_.Bool());
        std::string s = itself      ? model_.chars
                        : kind == 1 ? std::string(1, static_cast<char>(in_.Byte()))
                                    : Cut(in_.String());
        Text other(s.c_str());
        const int count = kind >= 3 ? in_.Below(static_cast<int>(s.size()) + 4) - 1 : 0;
        if (kind >= 3)
            s = Cut(s.substr(0, static_cast<std::size_t>(std::max(count, 0))));
        if (model_.chars.size() + s.size() > kLongest)
            return;
        const std::size_t needed = model_.chars.size() + s.size() + 1;
        // An empty Text or piece changes nothing, even without a buffer.
        const bool grows = (kind == 1 || kind == 2 || !s.empty()) &&
                           static_cast<std::size_t>(model_.size) < needed;
        const std::string before = array_.All();
        const bool ok = kind >= 3 ? t().Concatenate(itself ? t() : other, count) : Appended([&] {
            itself      ? t() += t()
            : kind == 0 ? t() += other
            : kind == 1 ? t() += Char(s[0])
                        : t() += s.c_str();
        });
        if (grows && model_.attached) {
            Expect(!ok && array_.All() == before, "an append that needs growth is refused");
            return;
        }
        Expect(ok, "the append");
        model_.chars += s;
        if (grows) {
            model_.size = BlockAbove(needed - (kind == 1 || kind == 2 ? 0 : 1));
            model_.buffer = true;
        }
    }

    void Join() {
        const int kind = in_.Below(3);
        const std::string s =
            kind == 2 ? std::string(1, static_cast<char>(in_.Byte())) : in_.String();
        const Text r = kind == 0   ? t() + s.c_str()
                       : kind == 1 ? t() + Text(s.c_str())
                                   : t() + Char(s[0]);
        vfuzz::IsFresh(r, Cut(model_.chars + Cut(s)), "operator+");
    }

    // Positions before and past the text clamp to it; a negative count takes
    // nothing.
    void Sub() {
        const int start = in_.Below(Length() + 5) - 2;
        const int count = in_.Below(Length() + 6) - 2;
        const std::string piece =
            model_.chars.substr(static_cast<std::size_t>(std::min(std::max(start, 0), Length())),
                                static_cast<std::size_t>(std::max(count, 0)));
        vfuzz::IsFresh(t().SubString(start, count), Cut(piece), "SubString");
    }

    // A fresh object on a caller's array that holds the text and a declared
    // size of room (Attach(char*) declares just the text).
    void Attach() {
        const std::string s = Cut(in_.String());
        const bool measured = in_.Bool();
        const std::size_t size =
            s.size() + 1 + (measured ? 0 : static_cast<std::size_t>(in_.Below(300)));
        text_.reset(new Text);
        array_.Make(s + '\0', size);
        if (measured)
            t().Attach(array_.get());
        else
            t().Attach(array_.get(), static_cast<int>(size));
        model_ = Model{s, static_cast<int>(size), true, true};
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
        Text delimiters(Cut(in_.String()).c_str());
        vfuzz::TextToken(t(), model_.chars, delimiters, in_.Below(Length() + 1));
    }

    void ChangeCase() {
        const bool upper = in_.Bool();
        upper ? t().ToUpper() : t().ToLower();
        for (char& c : model_.chars)
            c = vfuzz::Case(c, upper);
    }

    void Compare() {
        Text other(Cut(in_.String()).c_str());
        vfuzz::TextCompare(t(), model_.chars, other,
                           in_.Bool() ? 0xFFFFFFFFu : static_cast<unsigned>(in_.Below(300)));
    }

    void Search() {
        Text pattern(Cut(in_.String()).c_str());
        const char c = static_cast<char>(in_.Byte());
        vfuzz::TextSearches(t(), model_.chars, pattern, c, in_.Below(Length() + 3));
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
        if (static_cast<std::size_t>(model_.size) < model_.chars.size() + 2)
            Expect(!Appended([&] { t() += Char('t'); }), "a temporary object never grows");
        const bool construct = in_.Bool();
        std::unique_ptr<Text> taker(construct ? new Text(t()) : new Text);
        if (!construct)
            *taker = t();
        text_ = std::move(taker);
        Expect(static_cast<char*>(t()) == buffer, "the buffer is taken over uncopied");
    }

    // A move hands the buffer over as it is held, owned or attached, uncopied;
    // the source is left without one.
    void Move() {
        const char* buffer = t();
        std::unique_ptr<Text> taker(new Text);
        if (in_.Bool())
            taker.reset(new Text(std::move(t())));
        else
            *taker = std::move(t());
        Expect(static_cast<char*>(t()) == nullptr && t().SizeGet() == 0 && t().LengthGet() == 0,
               "a moved-from Text holds nothing");
        text_ = std::move(taker);
        Expect(static_cast<char*>(t()) == buffer, "a move hands the buffer over uncopied");
    }

    void Detach() {
        if (!model_.attached)
            return; // an owned buffer would be lost
        t().Detach();
        model_ = Model{std::string(), 0, false, false, model_.caseSensitive, model_.searchForward};
    }

    vfuzz::Input& in_;
    vfuzz::Array array_; // outlives text_, which may point into it
    std::unique_ptr<Text> text_;
    Model model_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vfuzz::PathFor path(size);
    vfuzz::Input in(data, size);
    Session session(in);
    while (in.More())
        session.Step();
    return 0;
}
