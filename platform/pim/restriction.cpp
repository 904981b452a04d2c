// Parsing and evaluating restrictions of item collections.
#include "pim/restriction.h"

#include <cmath>

#include "pim/ole_date.h"
#include "platform/device.h"
#include "platform/text.h"

namespace platform::pim {

enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

struct Restriction {
    enum class Type { Condition, And, Or } type = Type::Condition;
    CEPROPID prop = 0;
    Op op = Op::Equal;
    PropValue value;
    std::vector<std::shared_ptr<const Restriction>> parts;
};

namespace {

constexpr int kTwoDigitYearPivot = 50;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Date order of the device's short-date format: the positions of day, month and year.
struct DateOrder {
    int day = 1, month = 0, year = 2;
};

DateOrder ProfileDateOrder() {
    const std::u16string& format = Profile().shortDate;
    DateOrder order;
    int index = 0;
    char16_t last = 0;
    for (char16_t c : format) {
        if ((c == u'd' || c == u'M' || c == u'y') && c != last) {
            if (c == u'd') order.day = index;
            if (c == u'M') order.month = index;
            if (c == u'y') order.year = index;
            ++index;
        }
        last = c;
    }
    if (index != 3) return {};
    return order;
}

bool ValidDate(int y, int m, int d) { return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m); }

class Parser {
public:
    Parser(std::u16string_view text, ItemKind kind) : text_(text), kind_(kind) {}

    std::shared_ptr<const Restriction> Parse() {
        auto r = ParseOr();
        SkipBlanks();
        if (!r || pos_ != text_.size()) return nullptr;
        return r;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    }

    bool Keyword(std::u16string_view word) {
        SkipBlanks();
        if (text_.size() - pos_ < word.size() || !EqualNoCase(text_.substr(pos_, word.size()), word)) return false;
        const std::size_t end = pos_ + word.size();
        if (end < text_.size() && !IsBlank(text_[end]) && text_[end] != u'(' && text_[end] != u'[') return false;
        pos_ = end;
        return true;
    }

    std::shared_ptr<const Restriction> Join(Restriction::Type type, std::shared_ptr<const Restriction> first,
                                            bool (Parser::*next)(), std::shared_ptr<const Restriction> (Parser::*part)()) {
        if (!first) return nullptr;
        auto joined = std::make_shared<Restriction>();
        joined->type = type;
        joined->parts.push_back(std::move(first));
        while ((this->*next)()) {
            auto p = (this->*part)();
            if (!p) return nullptr;
            joined->parts.push_back(std::move(p));
        }
        if (joined->parts.size() == 1) return joined->parts.front();
        return joined;
    }

    bool NextOr() { return Keyword(u"OR"); }
    bool NextAnd() { return Keyword(u"AND"); }
    std::shared_ptr<const Restriction> ParseOr() { return Join(Restriction::Type::Or, ParseAnd(), &Parser::NextOr, &Parser::ParseAnd); }
    std::shared_ptr<const Restriction> ParseAnd() { return Join(Restriction::Type::And, ParseTerm(), &Parser::NextAnd, &Parser::ParseTerm); }

    std::shared_ptr<const Restriction> ParseTerm() {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == u'(') {
            ++pos_;
            auto inner = ParseOr();
            SkipBlanks();
            if (!inner || pos_ >= text_.size() || text_[pos_] != u')') return nullptr;
            ++pos_;
            return inner;
        }
        return ParseCondition();
    }

    std::shared_ptr<const Restriction> ParseCondition() {
        if (pos_ >= text_.size() || text_[pos_] != u'[') return nullptr;
        const std::size_t close = text_.find(u']', pos_);
        if (close == std::u16string_view::npos) return nullptr;
        const FieldInfo* field = FindField(text_.substr(pos_ + 1, close - pos_ - 1), kind_);
        if (!field) return nullptr;
        pos_ = close + 1;
        auto cond = std::make_shared<Restriction>();
        cond->prop = field->id;
        if (!ParseOp(cond->op)) return nullptr;
        SkipBlanks();
        std::u16string literal;
        if (pos_ < text_.size() && (text_[pos_] == u'"' || text_[pos_] == u'\'')) {
            const char16_t quote = text_[pos_];
            const std::size_t end = text_.find(quote, pos_ + 1);
            if (end == std::u16string_view::npos) return nullptr;
            literal = std::u16string(text_.substr(pos_ + 1, end - pos_ - 1));
            pos_ = end + 1;
        } else {
            const std::size_t begin = pos_;
            while (pos_ < text_.size() && !IsBlank(text_[pos_]) && text_[pos_] != u')') ++pos_;
            literal = std::u16string(text_.substr(begin, pos_ - begin));
        }
        if (literal.empty() && PropType(field->id) != CEVT_LPWSTR) return nullptr;
        if (!Literal(field->id, literal, cond->value)) return nullptr;
        return cond;
    }

    bool ParseOp(Op& op) {
        SkipBlanks();
        static constexpr struct {
            std::u16string_view text;
            Op op;
        } kOps[] = {{u"<>", Op::NotEqual}, {u"<=", Op::LessEqual}, {u">=", Op::GreaterEqual},
                    {u"=", Op::Equal},     {u"<", Op::Less},       {u">", Op::Greater}};
        for (const auto& o : kOps)
            if (text_.substr(pos_, o.text.size()) == o.text) {
                op = o.op;
                pos_ += o.text.size();
                return true;
            }
        return false;
    }

    static bool Literal(CEPROPID prop, const std::u16string& text, PropValue& out) {
        switch (PropType(prop)) {
        case CEVT_LPWSTR: out = text; return true;
        case CEVT_FILETIME: {
            const auto date = ParseRestrictionDate(text);
            if (!date) return false;
            out = *date;
            return true;
        }
        default: {
            if (EqualNoCase(text, u"true")) out = std::int64_t{1};
            else if (EqualNoCase(text, u"false")) out = std::int64_t{0};
            else {
                std::int64_t v = 0;
                std::size_t i = 0;
                const bool negative = !text.empty() && text[0] == u'-';
                if (negative) ++i;
                if (i >= text.size()) return false;
                for (; i < text.size(); ++i) {
                    if (text[i] < u'0' || text[i] > u'9') return false;
                    v = v * 10 + (text[i] - u'0');
                }
                out = negative ? -v : v;
            }
            return true;
        }
        }
    }

    std::u16string_view text_;
    ItemKind kind_;
    std::size_t pos_ = 0;
};

template <class T>
bool Compare(const T& a, const T& b, Op op) {
    switch (op) {
    case Op::Equal: return a == b;
    case Op::NotEqual: return !(a == b);
    case Op::Less: return a < b;
    case Op::LessEqual: return !(b < a);
    case Op::Greater: return b < a;
    case Op::GreaterEqual: return !(a < b);
    }
    return false;
}

bool Evaluate(const Restriction& r, const ItemData& item, std::optional<DATE> start, std::optional<LONG> duration) {
    switch (r.type) {
    case Restriction::Type::And:
        for (const auto& p : r.parts)
            if (!Evaluate(*p, item, start, duration)) return false;
        return true;
    case Restriction::Type::Or:
        for (const auto& p : r.parts)
            if (Evaluate(*p, item, start, duration)) return true;
        return false;
    case Restriction::Type::Condition: break;
    }
    const PropValue value = FieldValue(item, r.prop, start, duration);
    if (const auto* d = std::get_if<double>(&value); d && std::holds_alternative<double>(r.value))
        return Compare(OleMinutes(*d), OleMinutes(std::get<double>(r.value)), r.op);
    if (const auto* i = std::get_if<std::int64_t>(&value); i && std::holds_alternative<std::int64_t>(r.value)) {
        const bool boolean = PropType(r.prop) == CEVT_BOOL;
        const std::int64_t a = boolean ? (*i != 0) : *i;
        const std::int64_t b = boolean ? (std::get<std::int64_t>(r.value) != 0) : std::get<std::int64_t>(r.value);
        return Compare(a, b, r.op);
    }
    if (const auto* s = std::get_if<std::u16string>(&value); s && std::holds_alternative<std::u16string>(r.value))
        return Compare(CompareNoCase(*s, std::get<std::u16string>(r.value)), 0, r.op);
    return false;
}

void CollectBounds(const Restriction& r, StartBounds& bounds, bool& any) {
    if (r.type == Restriction::Type::And) {
        for (const auto& p : r.parts) CollectBounds(*p, bounds, any);
        return;
    }
    if (r.type != Restriction::Type::Condition || r.prop != PIMPR_START) return;
    const double* d = std::get_if<double>(&r.value);
    if (!d) return;
    const double minute = 1.0 / kMinutesPerDay;
    switch (r.op) {
    case Op::GreaterEqual: bounds.from = std::max(bounds.from, *d); any = true; break;
    case Op::Greater: bounds.from = std::max(bounds.from, *d + minute); any = true; break;
    case Op::Less: bounds.to = std::min(bounds.to, *d); any = true; break;
    case Op::LessEqual: bounds.to = std::min(bounds.to, *d + minute); any = true; break;
    case Op::Equal:
        bounds.from = std::max(bounds.from, *d);
        bounds.to = std::min(bounds.to, *d + minute);
        any = true;
        break;
    case Op::NotEqual: break;
    }
}

}  // namespace

std::shared_ptr<const Restriction> ParseRestriction(std::u16string_view text, ItemKind kind) {
    return Parser(text, kind).Parse();
}

bool Matches(const Restriction& r, const ItemData& item, std::optional<DATE> start, std::optional<LONG> duration) {
    return Evaluate(r, item, start, duration);
}

std::optional<StartBounds> RequiredStartBounds(const Restriction& r) {
    StartBounds bounds;
    bool any = false;
    CollectBounds(r, bounds, any);
    if (!any) return std::nullopt;
    return bounds;
}

std::optional<DATE> ParseRestrictionDate(std::u16string_view text) {
    // Three numbers for the date, then an optional time.
    int numbers[5] = {};
    int count = 0;
    std::size_t i = 0;
    bool pm = false, am = false;
    while (i < text.size() && count < 5) {
        if (text[i] >= u'0' && text[i] <= u'9') {
            int v = 0;
            int digits = 0;
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && digits < 5) {
                v = v * 10 + (text[i++] - u'0');
                ++digits;
            }
            numbers[count++] = v;
        } else {
            const char16_t c = static_cast<char16_t>(towupper(text[i]));
            if (count >= 3 && (c == u'P' || c == u'A')) (c == u'P' ? pm : am) = true;
            ++i;
        }
    }
    for (; i < text.size(); ++i) {
        const char16_t c = static_cast<char16_t>(towupper(text[i]));
        if (c == u'P') pm = true;
        if (c == u'A') am = true;
    }
    if (count < 3) return std::nullopt;
    const DateOrder profile = ProfileDateOrder();
    auto tryOrder = [&](const DateOrder& o) -> std::optional<CivilTime> {
        int y = numbers[o.year];
        if (y < 100) y += y < kTwoDigitYearPivot ? 2000 : 1900;
        if (!ValidDate(y, numbers[o.month], numbers[o.day])) return std::nullopt;
        return CivilTime{y, numbers[o.month], numbers[o.day], 0, 0, 0};
    };
    std::optional<CivilTime> t = tryOrder(profile);
    if (!t) t = tryOrder(DateOrder{});
    if (!t) return std::nullopt;
    if (count >= 5) {
        int hour = numbers[3];
        if (pm && hour < 12) hour += 12;
        if (am && hour == 12) hour = 0;
        if (hour > 23 || numbers[4] > 59) return std::nullopt;
        t->hour = hour;
        t->minute = numbers[4];
    }
    return ToOleDate(*t);
}

}  // namespace platform::pim
