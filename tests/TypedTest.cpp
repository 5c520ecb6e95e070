// Values typed at a launcher's prompt, as t742 receives them in a launcher's
// run: what each text becomes, and, for any number, that its full-width
// spelling answers exactly as its half-width one.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "Cp932Text.h"
#include "MyFunc/TextConv.h"
#include "TestSupport.h"
#include "Unit1/Notices.h"
#include "cp932iconv/Cp932Iconv.h"
#include "figures/Figure.h"
#include "words/Notices.h"

using t742test::Cp932;
using Lines = std::vector<std::string>;

namespace {

// Where a typed value goes among a launcher run's arguments.
enum class Role { Radius, Start, End, Inner, Option };

Lines ArgsWith(Role role, const std::string& typed) {
    const std::string x = Unit1::kExplainSwitch;
    switch (role) {
        case Role::Radius:
            return {x, "3", "3", typed};
        case Role::Start:
            return {x, "4", "3", "50", typed, "90"};
        case Role::End:
            return {x, "2", "3", "50", "10", typed};
        case Role::Inner:
            return {x, "7", "3", "1", "100", typed};
        case Role::Option:
            break;
    }
    return {x, "8", "3", typed, "100", "50", "10", "200"};
}

bool IsFigure(const std::string& line) {
    return line.rfind("s", 0) == 0;
}

struct Answer {
    Lines Exchange;
    std::string Settings;  // t742.dat; empty when none was written
    bool operator==(const Answer&) const = default;
};

// One run with five picked points, enough for every step of every mode.
Answer Launched(const Lines& args) {
    t742test::Installed t;
    t.Write("JWC_TEMP.TXT",
            "hk 0\r\nhp1 3 4\r\nhp2 40 4\r\nhp3 3 30\r\nhp4 10 9\r\nhp5 -20 -10\r\n");
    EXPECT_EQ(t.Run(args), 0) << ::testing::PrintToString(args);
    return {t.ExchangeLines(), t.Read("t742.dat")};
}

}  // namespace

// Number: the half-width text the run answers as. Notice: the words of the
// notice that answers instead (its {typed}: the text as typed), no figure and
// no settings written. The launcher passes a value cmd cut as its pieces
// joined by a blank ("1,000" as "1 000").
TEST(Typed, EachTextBecomesItsNumberOrANotice) {
    namespace w = words;  // code page 932, as t742 writes them
    struct Case {
        Role Where;
        const char* Typed;  // UTF-8
        const char* Number;
        const char* Notice = nullptr;
    };
    const Case cases[] = {
        {Role::Radius, "３０", "30"},
        {Role::Radius, "２５．５", "25.5"},
        {Role::Radius, "＋４０", "+40"},
        {Role::Radius, "３0.５", "30.5"},
        {Role::Radius, "１．５e２", "1.5e2"},
        {Role::Radius, "　３０　", "30"},
        {Role::Radius, " 30 ", "30"},
        {Role::Radius, "－３０", "-30"},
        {Role::Radius, "1 000", nullptr, w::TypedCut},
        {Role::Radius, "2 5", nullptr, w::TypedCut},
        {Role::Radius, "２　５", nullptr, w::TypedCut},
        {Role::Radius, "30mm", nullptr, w::TypedWithUnit},
        {Role::Radius, "３０ｍｍ", nullptr, w::TypedWithUnit},
        {Role::Radius, "30 MM", nullptr, w::TypedWithUnit},
        {Role::Radius, "１００㎜", nullptr, w::TypedWithUnit},
        {Role::Radius, "あ", nullptr, w::Unreadable},
        {Role::Radius, "4O", nullptr, w::Unreadable},
        {Role::Radius, "1e400", nullptr, w::Unreadable},
        {Role::Radius, "1,000", nullptr, w::Unreadable},
        {Role::Radius, "２５。５", nullptr, w::Unreadable},
        {Role::Radius, "ー３０", nullptr, w::Unreadable},
        {Role::Start, "３０", "30"},
        {Role::Start, "－３０", "-30"},
        {Role::Start, "", ""},
        {Role::Start, "　", ""},
        {Role::Start, "30度", nullptr, w::TypedWithUnit},
        {Role::Start, "３０度", nullptr, w::TypedWithUnit},
        {Role::Start, "30°", nullptr, w::TypedWithUnit},
        {Role::Start, "30 度", nullptr, w::TypedWithUnit},
        {Role::Start, "30deg", nullptr, w::TypedWithUnit},
        {Role::Start, "度", nullptr, w::Unreadable},
        {Role::Start, "あ", nullptr, w::Unreadable},
        {Role::End, "９０", "90"},
        {Role::End, "９０゜", nullptr, w::TypedWithUnit},
        {Role::Inner, "１０", "10"},
        {Role::Inner, "1 0", nullptr, w::TypedCut},
        {Role::Option, "１", "1"},
        {Role::Option, "　０", "0"},
        {Role::Option, "1.0", nullptr, w::Unreadable},
        {Role::Option, "x", nullptr, w::Unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        const Answer got = Launched(ArgsWith(c.Where, Cp932(c.Typed)));
        if (c.Number != nullptr) {
            EXPECT_EQ(got, Launched(ArgsWith(c.Where, c.Number)));
            continue;
        }
        ASSERT_FALSE(got.Exchange.empty());
        EXPECT_EQ(got.Exchange.front(),
                  "he" + std::string(w::Program) + MyFunc::Fill(c.Notice, "typed", Cp932(c.Typed)));
        EXPECT_TRUE(std::none_of(got.Exchange.begin(), got.Exchange.end(), IsFigure));
        EXPECT_EQ(got.Settings, "");
    }
}

// Random numbers written the ways a user or a launcher writes them, each
// character now full-width, now not, now and then between blanks: through a
// launcher's run every typed value (radius, inner radius, angles, the ring
// option in any step) answers as its half-width spelling.
TEST(Typed, FullWidthSpellingAnswersAsItsHalfWidthOne) {
    std::mt19937 rng(2742);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto number = [&](double magnitude) {
        const double v = std::uniform_real_distribution<double>(-0.2, 1.0)(rng) * magnitude;
        static const char* const formats[] = {"%.0f", "%.3f", "%.15g", "%.6e", "%+.2f"};
        char buf[64];
        std::snprintf(buf, sizeof buf, formats[below(5)], v);
        return std::string(buf);
    };
    auto fullWidth = [&](const std::string& half) {
        static const char* const digits[] = {"０", "１", "２", "３", "４",
                                             "５", "６", "７", "８", "９"};
        static const char* const blanks[] = {"", "", " ", "　"};
        std::string utf8 = blanks[below(4)];
        for (char c : half) {
            if (below(5) == 0)
                utf8 += c;
            else if (c >= '0' && c <= '9')
                utf8 += digits[c - '0'];
            else
                utf8 += c == '.' ? "．" : c == '-' ? "－" : c == '+' ? "＋" : std::string(1, c);
        }
        return Cp932(utf8 + blanks[below(4)]);
    };
    int figures = 0;
    for (int i = 0; i < 80; ++i) {
        const int mode = 1 + below(8);
        const bool ring = figures::FindMode(mode)->TakesOption;
        const int step = ring && below(3) == 0 ? 1 + below(5) : 3;
        Lines half{Unit1::kExplainSwitch, std::to_string(mode), std::to_string(step)};
        if (ring) half.push_back(std::to_string(below(2)));
        for (double magnitude : {200.0, 100.0, 720.0, 720.0}) half.push_back(number(magnitude));
        Lines full = half;
        for (size_t n = 3; n < full.size(); ++n) full[n] = fullWidth(full[n]);
        const Answer expected = Launched(half);
        EXPECT_EQ(Launched(full), expected) << ::testing::PrintToString(half);
        figures += static_cast<int>(
            std::count_if(expected.Exchange.begin(), expected.Exchange.end(), IsFigure));
    }
    EXPECT_GT(figures, 40);  // most runs draw: the differential compares figures
}
