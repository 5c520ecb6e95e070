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

const char* Problem(NotDrawn why) {
    switch (why) {
        case NotDrawn::NoCircle:
            return words::NoCircle;
        case NotDrawn::EmptyRectangle:
            return words::EmptyRectangle;
        case NotDrawn::ZeroRadius:
            return words::ZeroRadius;
        case NotDrawn::ZeroFlatness:
            return words::ZeroFlatness;
        case NotDrawn::ZeroHole:
            return words::ZeroHole;
        case NotDrawn::HoleNotInside:
            return words::HoleNotInside;
        case NotDrawn::TooLarge:
            return words::TooLarge;
        case NotDrawn::NotANumber:  // told by TypedNotice
        case NotDrawn::None:
            break;
    }
    return words::NotDrawn;
}

const char* Action(NotDrawn why, Source from) {
    const bool hole = why == NotDrawn::ZeroHole || why == NotDrawn::HoleNotInside;
    if (why == NotDrawn::TooLarge) {
        // Points too far apart are picked again; a value is typed smaller.
        switch (from) {
            case Source::Points:
                return words::PickNearer;
            case Source::Numbers:
                return words::MakeSmaller;
            case Source::Dialog:
                return words::DialogSmaller;
            case Source::Last:
                break;
        }
        return words::DrawOtherWayFirst;
    }
    switch (from) {
        case Source::Last:
            return hole ? words::DrawRingFirst : words::DrawOtherWayFirst;
        case Source::Numbers:
            return hole ? words::TypeHole : words::TypeRadius;
        case Source::Dialog:
            if (hole) return words::DialogHole;
            return why == NotDrawn::ZeroFlatness ? words::DialogFlatness : words::DialogRadius;
        case Source::Points:
            break;
    }
    switch (why) {
        case NotDrawn::EmptyRectangle:
            return words::PickRectangle;
        case NotDrawn::ZeroRadius:
            return words::PickRadius;
        case NotDrawn::ZeroHole:
            return words::PickHole;
        case NotDrawn::HoleNotInside:
            return words::PickHoleInside;
        default:
            return words::Pick3Points;
    }
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
    // Three points that meet give a circle of no size: they are the fault, not the radius.
    const NotDrawn why =
        form.Step == 4 && form.Outcome == NotDrawn::ZeroRadius ? NotDrawn::NoCircle : form.Outcome;
    const bool hole = why == NotDrawn::ZeroHole || why == NotDrawn::HoleNotInside;
    if (from == Source::Last && hole) {
        // The last figure may have had no hole at all: say what was repeated.
        const RememberedFigureRecord& m = form.RememberedFigure;
        text += MyFunc::Fill(
            MyFunc::Fill(words::LastHole, "inner", MyFunc::FloatToText(m.LastInnerRadius)),
            "radius", MyFunc::FloatToText(m.LastRadius));
    } else {
        if (from == Source::Last && why != NotDrawn::TooLarge) text += words::LastFigure;
        text += Problem(why);
    }
    text += Action(why, from);
    return text;
}

}  // namespace Unit1
