// What the host shows when a launcher's run drew nothing: what was wrong and
// what to do, in the words of words/notices.txt.
#include "Unit1/Notices.h"

#include "MyFunc/TextConv.h"
#include "Unit1/FigurePage.h"
#include "Unit1/Form.h"
#include "Unit1/TypedValues.h"
#include "figures/Figure.h"
#include "words/Notices.h"

namespace Unit1 {

namespace {

using figures::NotDrawn;

// Where the construction took the size from: what the user can change.
enum class Source { Points, Last, Numbers, Dialog };

Source SourceOf(int step) {
    switch (step) {
        case 2:
            return Source::Last;
        case 3:
            return Source::Numbers;
        case 6:
            return Source::Dialog;
        default:
            return Source::Points;
    }
}

// A notice: what was wrong, and what to do where the size came from.
struct NoticeWords {
    NotDrawn Why;
    const char* Problem;
    const char* Points;   // picked points: pick again
    const char* Last;     // the last figure: draw another first
    const char* Numbers;  // typed numbers: type another
    const char* Dialog;   // the dialog: enter another there
};

// An unreadable typed value is told by TypedNotice.
constexpr NoticeWords kNotices[] = {
    {NotDrawn::NoCircle, words::NoCircle, words::Pick3Points, words::DrawOtherWayFirst,
     words::TypeRadius, words::DialogRadius},
    {NotDrawn::EmptyRectangle, words::EmptyRectangle, words::PickRectangle,
     words::DrawOtherWayFirst, words::TypeRadius, words::DialogRadius},
    {NotDrawn::ZeroRadius, words::ZeroRadius, words::PickRadius, words::DrawOtherWayFirst,
     words::TypeRadius, words::DialogRadius},
    {NotDrawn::ZeroFlatness, words::ZeroFlatness, words::Pick3Points, words::DrawOtherWayFirst,
     words::TypeRadius, words::DialogFlatness},
    {NotDrawn::ZeroHole, words::ZeroHole, words::PickHole, words::DrawRingFirst, words::TypeHole,
     words::DialogHole},
    {NotDrawn::HoleNotInside, words::HoleNotInside, words::PickHoleInside, words::DrawRingFirst,
     words::TypeHole, words::DialogHole},
    // Points too far apart are picked again; a value is typed smaller.
    {NotDrawn::TooLarge, words::TooLarge, words::PickNearer, words::DrawOtherWayFirst,
     words::MakeSmaller, words::DialogSmaller},
};

const NoticeWords* NoticeFor(NotDrawn why) {
    for (const NoticeWords& n : kNotices)
        if (n.Why == why) return &n;
    return nullptr;
}

const char* Action(const NoticeWords& n, Source from) {
    switch (from) {
        case Source::Points:
            return n.Points;
        case Source::Last:
            return n.Last;
        case Source::Numbers:
            return n.Numbers;
        case Source::Dialog:
            break;
    }
    return n.Dialog;
}

// A typed text as the notice quotes it: at most 16 bytes, whole characters,
// no control bytes.
std::string Quoted(const std::string& typed) {
    std::string out;
    for (size_t i = 0; i < typed.size();) {
        const auto b = static_cast<unsigned char>(typed[i]);
        const size_t n = MyFunc::IsLeadByte(b) && i + 1 < typed.size() ? 2 : 1;
        if (out.size() + n > 16) break;
        if (b >= 0x20 && b != 0x7F) out.append(typed, i, n);
        i += n;
    }
    return out;
}

// What a typed value that is not a number alone looks like, and what to type.
std::string TypedNotice(const TForm1& f) {
    const TypedProblem problem = FirstUnreadableTyped(f);
    const std::string typed = problem.Text == nullptr ? std::string() : Quoted(*problem.Text);
    switch (problem.Kind) {
        case MyFunc::TypedKind::WithUnit:
            return MyFunc::Fill(words::TypedWithUnit, "typed", typed);
        case MyFunc::TypedKind::Cut:
            return MyFunc::Fill(words::TypedCut, "typed", typed);
        default:
            return MyFunc::Fill(words::Unreadable, "typed", typed);
    }
}

// The first text of the dialog the construction read as a number that is not
// one, or null. (A launcher's typed numbers are read before the construction:
// TypedNotice.)
const std::string* Unreadable(const TForm1& f, Source from) {
    const figures::ModeSpec* m = figures::FindMode(f.Mode);
    if (m == nullptr) return nullptr;
    std::vector<const std::string*> read;
    if (from == Source::Dialog) {
        const FigurePage& page = PageFor(m->shape.Arc);
        if ((f.*page.ByFlatness).Checked)
            read = {&(f.*page.Radius).Text, &(f.*page.FlatnessPercent).Text};
        else
            read = {&(f.*page.XRadius).Text, &(f.*page.YRadius).Text};
        if (m->shape.Ring) read.push_back(&(f.*page.InnerRadius).Text);
    }
    double value = 0;
    for (const std::string* text : read)
        if (!text->empty() && !MyFunc::TryTextToFloat(*text, value)) return text;
    return nullptr;
}

}  // namespace

std::string NotDrawnNotice(const TForm1& form) {
    if (form.Outcome == NotDrawn::None) return {};
    const Source from = SourceOf(form.Step);
    // The program's name first: the host shows the text without saying whose it is.
    std::string text = words::Program;
    if (form.Outcome == NotDrawn::NotANumber) return text + TypedNotice(form);
    if (const std::string* typed = Unreadable(form, from))
        return text + MyFunc::Fill(words::Unreadable, "typed", Quoted(*typed));
    const NotDrawn why = form.Outcome;
    const NoticeWords* notice = NoticeFor(why);
    if (notice == nullptr) return text + words::NotDrawn;
    const bool hole = why == NotDrawn::ZeroHole || why == NotDrawn::HoleNotInside;
    if (from == Source::Last && hole) {
        // The last figure may have had no hole at all: say what was repeated.
        const RememberedFigureRecord& m = form.RememberedFigure;
        text += MyFunc::Fill(
            MyFunc::Fill(words::LastHole, "inner", MyFunc::FloatToText(m.LastInnerRadius)),
            "radius", MyFunc::FloatToText(m.LastRadius));
    } else {
        if (from == Source::Last && why != NotDrawn::TooLarge) text += words::LastFigure;
        text += notice->Problem;
    }
    text += Action(*notice, from);
    return text;
}

}  // namespace Unit1
