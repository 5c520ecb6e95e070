#include "JwwGaibu/Emitters.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "JwwGaibu/Output.h"
#include "MyFunc/TextConv.h"

namespace JwwGaibu {

namespace {

// Infinity or NaN has no text the host can read: such a figure is not drawable.
bool AllFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

void AppendRecord(const char* keyword, std::initializer_list<double> values, const int* kind) {
    std::string line = keyword;
    bool first = true;
    for (double v : values) {
        if (!first) line.push_back(' ');
        first = false;
        MyFunc::AppendFloatText(line, v);
    }
    if (kind != nullptr) {
        line.push_back(' ');
        MyFunc::AppendIntText(line, *kind);
    }
    AppendOutputLine(line);
}

void EmitArcSolid(const char* keyword, int kind, double x, double y, double radius, double flatness,
                  double tilt, double startAngle, double arcAngle) {
    if (!(radius > 1e-8) || !(std::fabs(flatness) > 1e-8)) return;
    if (!AllFinite({x, y, radius, flatness, tilt, startAngle, arcAngle})) return;
    AppendRecord(keyword, {x, y, radius, flatness, tilt, startAngle, arcAngle}, &kind);
}

void EmitRingSolid(const char* keyword, double x, double y, double radius, double flatness,
                   double tilt, double startAngle, double arcAngle, double innerRadius) {
    if (!(radius > 1e-8) || !(innerRadius > 1e-8) || !(innerRadius < radius - 1e-8) ||
        !(std::fabs(flatness) > 1e-8))
        return;
    if (!AllFinite({x, y, radius, flatness, tilt, startAngle, arcAngle, innerRadius})) return;
    AppendRecord(keyword, {x, y, radius, flatness, tilt, startAngle, arcAngle, innerRadius},
                 nullptr);
}

}  // namespace

void EmitSc(int kind, double x, double y, double radius, double flatness, double tilt,
            double startAngle, double arcAngle) {
    if (kind != 0 && kind != 5 && kind != 100 && kind != -1) return;
    EmitArcSolid("sc ", kind, x, y, radius, flatness, tilt, startAngle, arcAngle);
}

void EmitSe(int kind, double x, double y, double radius, double flatness, double tilt,
            double startAngle, double arcAngle) {
    if (kind != 0 && kind != 100) return;
    EmitArcSolid("se ", kind, x, y, radius, flatness, tilt, startAngle, arcAngle);
}

void EmitSo(double x, double y, double radius, double flatness, double tilt, double startAngle,
            double arcAngle, double innerRadius) {
    EmitRingSolid("so ", x, y, radius, flatness, tilt, startAngle, arcAngle, innerRadius);
}

void EmitSg(double x, double y, double radius, double flatness, double tilt, double startAngle,
            double arcAngle, double innerRadius) {
    EmitRingSolid("sg ", x, y, radius, flatness, tilt, startAngle, arcAngle, innerRadius);
}

}  // namespace JwwGaibu
