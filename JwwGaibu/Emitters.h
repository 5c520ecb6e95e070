// The four solid records: one filled circle, ellipse, arc or ring per call, or
// nothing when the figure is not drawable.
#pragma once

namespace JwwGaibu {

void EmitSc(int kind, double x, double y, double radius, double flatness, double tilt,
            double startAngle, double arcAngle);
void EmitSe(int kind, double x, double y, double radius, double flatness, double tilt,
            double startAngle, double arcAngle);
void EmitSo(double x, double y, double radius, double flatness, double tilt, double startAngle,
            double arcAngle, double innerRadius);
void EmitSg(double x, double y, double radius, double flatness, double tilt, double startAngle,
            double arcAngle, double innerRadius);

}  // namespace JwwGaibu
