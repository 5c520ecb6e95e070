// The form runs a construction: it gathers the inputs from the host state, the
// command line's numbers and the dialog page, hands a drawn figure to the
// emitters and keeps it as the remembered figure.
#include "JwwGaibu/Emitters.h"
#include "JwwGaibu/HostState.h"
#include "MyFunc/TextConv.h"
#include "Unit1/FigurePage.h"
#include "Unit1/Form.h"
#include "figures/Construct.h"
#include "figures/Solids.h"

namespace Unit1 {

namespace {

using MyFunc::TextToFloat;

figures::PageValues ValuesOf(const TForm1& form, const FigurePage& page) {
    figures::PageValues v;
    v.ByFlatness = (form.*page.ByFlatness).Checked;
    v.Radius = TextToFloat((form.*page.Radius).Text);
    v.FlatnessPercent = TextToFloat((form.*page.FlatnessPercent).Text);
    v.XRadius = TextToFloat((form.*page.XRadius).Text);
    v.YRadius = TextToFloat((form.*page.YRadius).Text);
    v.TiltDegrees = TextToFloat((form.*page.TiltDegrees).Text);
    v.TiltFromAxis = (form.*page.TiltFromAxis).Checked;
    v.InnerRadius = TextToFloat((form.*page.InnerRadius).Text);
    if (page.StartDegrees != nullptr) v.StartDegrees = TextToFloat((form.*page.StartDegrees).Text);
    if (page.EndDegrees != nullptr) v.EndDegrees = TextToFloat((form.*page.EndDegrees).Text);
    return v;
}

void Emit(const figures::Solid& s) {
    const figures::Figure& f = s.Values;
    switch (s.Record) {
        case figures::Keyword::Sc:
            return JwwGaibu::EmitSc(s.Kind, f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                                    f.ArcAngle);
        case figures::Keyword::Se:
            return JwwGaibu::EmitSe(s.Kind, f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                                    f.ArcAngle);
        case figures::Keyword::So:
            return JwwGaibu::EmitSo(f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                                    f.ArcAngle, f.InnerRadius);
        case figures::Keyword::Sg:
            return JwwGaibu::EmitSg(f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                                    f.ArcAngle, f.InnerRadius);
    }
}

}  // namespace

void TForm1::DrawFigure(const figures::ModeSpec& modeSpec, int step,
                        const std::array<double, 4>& numbers) {
    figures::Inputs in;
    for (size_t n = 1; n < in.Picked.size(); ++n) {
        const auto& p = JwwGaibu::HostState.PickedPoints[n];
        in.Picked[n] = {p.X, p.Y};
    }
    in.AxisAngle = JwwGaibu::HostState.AxisAngle;
    in.Numbers = numbers;
    if (step == 6) in.Page = ValuesOf(*this, PageFor(modeSpec.shape.Arc));
    const RememberedFigureRecord& m = RememberedFigure;
    in.Last.Radius = m.LastRadius;
    in.Last.Flatness = m.LastFlatness;
    in.Last.InnerRadius = m.LastInnerRadius;
    in.Last.Tilt = m.LastTilt;
    in.Last.StartAngle = m.LastStartAngle;
    in.Last.ArcAngle = m.LastArcAngle;

    const figures::Construction c = figures::Construct(modeSpec, step, in);
    Outcome = c.Why;
    if (c.Why == figures::NotDrawn::None) {
        for (const figures::Solid& s : figures::SolidsOf(modeSpec, c.Fig, c.Closed, ModeOption))
            Emit(s);
        if (c.Remember) {
            RememberedFigure.LastRadius = c.Fig.Radius;
            RememberedFigure.LastFlatness = c.Fig.Flatness;
            RememberedFigure.LastTilt = c.Fig.Tilt;
            RememberedFigure.LastStartAngle = c.Fig.StartAngle;
            RememberedFigure.LastArcAngle = c.Fig.ArcAngle;
            if (modeSpec.shape.Ring) RememberedFigure.LastInnerRadius = c.Fig.InnerRadius;
        }
    }
    const figures::Point& last = in.Picked[static_cast<size_t>(c.LastPoint)];
    RememberedFigure.LastPointX = last.X;
    RememberedFigure.LastPointY = last.Y;
}

}  // namespace Unit1
