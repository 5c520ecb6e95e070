#include "JwwGaibu/Emitters.h"

#include <initializer_list>
#include <string>

#include "JwwGaibu/Drawable.h"
#include "JwwGaibu/Output.h"
#include "MyFunc/TextConv.h"

namespace JwwGaibu {

namespace {

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
    if (CheckSolid(x, y, radius, flatness, tilt, startAngle, arcAngle) != SolidFault::None) return;
    AppendRecord(keyword, {x, y, radius, flatness, tilt, startAngle, arcAngle}, &kind);
}

void EmitRingSolid(const char* keyword, double x, double y, double radius, double flatness,
                   double tilt, double startAngle, double arcAngle, double innerRadius) {
    if (CheckRing(x, y, radius, flatness, tilt, startAngle, arcAngle, innerRadius) !=
        SolidFault::None)
        return;
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
