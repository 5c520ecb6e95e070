#include "figures/StepInputs.h"

namespace figures {

std::vector<PointRole> PointsRead(const Shape& shape, int step) {
    using P = PointRole;
    std::vector<P> points;
    switch (step) {
        case 1:
            points = {P::Centre, P::OnFigure};
            if (shape.Ring) points.push_back(P::OnHole);
            if (shape.Arc) points.insert(points.end(), {P::StartDirection, P::EndDirection});
            break;
        case 4:
            points = shape.Arc ? std::vector<P>{P::ArcStart, P::ArcEnd, P::Between}
                               : std::vector<P>{P::OnCircle, P::OnCircle, P::OnCircle};
            if (shape.Ring) points.push_back(P::OnHole);
            break;
        case 5:
            points = {P::Corner, P::OppositeCorner};
            if (shape.Ring) points.push_back(P::OnHole);
            if (shape.Arc) points.insert(points.end(), {P::StartDirection, P::EndDirection});
            break;
        default:  // steps 2 and 3, and the dialog: only the centre
            points = {P::Centre};
            break;
    }
    return points;
}

std::vector<NumberRole> NumbersRead(const ModeSpec& mode) {
    using N = NumberRole;
    const Shape& shape = mode.shape;
    std::vector<N> numbers;
    if (mode.TakesOption) numbers.push_back(N::Option);
    numbers.push_back(N::Radius);
    if (shape.Ring) numbers.push_back(N::InnerRadius);
    if (shape.Arc) numbers.insert(numbers.end(), {N::StartDegrees, N::EndDegrees});
    return numbers;
}

}  // namespace figures
