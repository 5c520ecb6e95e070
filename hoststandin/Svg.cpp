#include "hoststandin/Svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "MyFunc/Geometry.h"

namespace hoststandin {

std::string ColorOf(int c, int rgb) {
    static const char* const kLine[] = {"#000000", "#00a0a0", "#202020", "#00a000", "#c09000",
                                        "#c000c0", "#0000ff", "#008080", "#ff0000", "#808080"};
    static const char* const kSxf[] = {
        "#000000", "#ff0000", "#00ff00", "#0000ff", "#ffff00", "#ff00ff", "#00ffff", "#ffffff",
        "#ff1493", "#a52a2a", "#ffa500", "#90ee90", "#add8e6", "#e6e6fa", "#d3d3d3", "#a9a9a9"};
    char buf[16];
    if (c == 10) {
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", rgb & 0xFF, (rgb >> 8) & 0xFF,
                      (rgb >> 16) & 0xFF);
        return buf;
    }
    if (c >= 1 && c <= 9) return kLine[c];
    if (c >= 101 && c <= 116) return kSxf[c - 101];
    if (c > 116 && c <= 356) {  // user-defined SXF colours: a hue wheel
        const double hue = (c - 117) * 137.5;
        std::snprintf(buf, sizeof buf, "hsl(%d,70%%,45%%)",
                      static_cast<int>(std::fmod(hue, 360.0)));
        return buf;
    }
    return kLine[1];
}

namespace {

struct Box {
    double MinX = std::numeric_limits<double>::infinity(), MinY = MinX;
    double MaxX = -MinX, MaxY = -MinX;
    void Add(Pt p) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
        MinX = std::min(MinX, p.X), MaxX = std::max(MaxX, p.X);
        MinY = std::min(MinY, p.Y), MaxY = std::max(MaxY, p.Y);
    }
};

// Room, in pixels, between a panel's edge and the box of what it shows: the
// border, a picked point's mark and a one-digit number (up and to the right
// of it), and half a line solid's width all fit in it. A longer number takes
// more room on the right.
constexpr double kInset = 16;
constexpr double kDigitWidth = 6;
// The band of a panel's title, above the box.
constexpr double kTitleBand = 18;

// Draws into one panel: world coordinates (y up) to the panel's pixels. The
// box fills the panel's inner area as far as its shape allows, centred.
class Canvas {
  public:
    Canvas(const Box& box, double x0, double y0, double w, double h, double right) {
        const double bw = std::max(box.MaxX - box.MinX, 1e-9),
                     bh = std::max(box.MaxY - box.MinY, 1e-9);
        const double iw = std::max(w - kInset - right, 1.0), ih = std::max(h - 2 * kInset, 1.0);
        scale_ = std::min(iw / bw, ih / bh);
        left_ = x0 + kInset + (iw - bw * scale_) / 2 - box.MinX * scale_;
        top_ = y0 + kInset + (ih - bh * scale_) / 2 + box.MaxY * scale_;
    }
    std::string X(double x) const { return Num(left_ + x * scale_); }
    std::string Y(double y) const { return Num(top_ - y * scale_); }
    std::string Path(const std::vector<std::vector<Pt>>& rings, bool close) const {
        std::string d;
        for (const auto& ring : rings) {
            for (size_t i = 0; i < ring.size(); ++i)
                d += (i == 0 ? "M" : "L") + X(ring[i].X) + " " + Y(ring[i].Y) + " ";
            if (close) d += "Z ";
        }
        return d;
    }
    static std::string Num(double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.2f", v);
        return buf;
    }

  private:
    double scale_ = 1, left_ = 0, top_ = 0;
};

std::vector<Pt> CirclePoints(double x, double y, double r, double from, double sweep) {
    std::vector<Pt> pts;
    const int n = std::max(8, static_cast<int>(std::fabs(sweep) / MyFunc::kTwoPi * 96));
    for (int i = 0; i <= n; ++i) {
        const double t = from + sweep * i / n;
        pts.push_back({x + r * std::cos(t), y + r * std::sin(t)});
    }
    return pts;
}

void AddDrawing(const JwwGaibu::HostStateRecord& d, std::vector<std::vector<Pt>>& lines,
                std::vector<std::vector<Pt>>& fills) {
    for (const auto& l : d.Lines) lines.push_back({{l.X1, l.Y1}, {l.X2, l.Y2}});
    for (const auto& c : d.Compounds)
        lines.push_back({{c.Line.X1, c.Line.Y1}, {c.Line.X2, c.Line.Y2}});
    for (const auto& c : d.Circles) lines.push_back(CirclePoints(c.X, c.Y, c.R, 0, MyFunc::kTwoPi));
    // "ci" with seven numbers: x, y, radius, start and end in degrees (flatness and tilt ignored).
    for (const auto& a : d.CircleArcs) {
        const auto& v = a.Values;
        double sweep = (v[4] - v[3]) / 180 * MyFunc::kPi;
        if (sweep <= 0) sweep += MyFunc::kTwoPi;
        lines.push_back(CirclePoints(v[0], v[1], v[2], v[3] / 180 * MyFunc::kPi, sweep));
    }
    for (const auto& s : d.Solids2) lines.push_back({{s.X1, s.Y1}, {s.X2, s.Y2}});
    for (const auto& s : d.Solids3) fills.push_back({{s.X1, s.Y1}, {s.X2, s.Y2}, {s.X3, s.Y3}});
    for (const auto& s : d.Solids4)
        fills.push_back({{s.X1, s.Y1}, {s.X2, s.Y2}, {s.X3, s.Y3}, {s.X4, s.Y4}});
}

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F)
            out += c;
    }
    return out;
}

std::string RenderPanel(const Panel& p, double x0, double y0, double w, double h) {
    std::vector<std::vector<Pt>> lines, fills;
    if (p.Drawing != nullptr) AddDrawing(*p.Drawing, lines, fills);
    std::vector<Drawn> solids;
    Box box;
    for (const auto& s : p.Solids) {
        solids.push_back(Draw(s.Figure));
        for (const auto& ring : solids.back().Areas)
            for (Pt q : ring) box.Add(q);
        for (Pt q : solids.back().Line) box.Add(q);
    }
    for (const auto& l : lines)
        for (Pt q : l) box.Add(q);
    for (const auto& f : fills)
        for (Pt q : f) box.Add(q);
    double right = kInset;
    for (const auto& pick : p.Picks) {
        box.Add({pick.X, pick.Y});
        const double digits = static_cast<double>(std::to_string(pick.N).size());
        right = std::max(right, kInset + (digits - 1) * kDigitWidth);
    }
    if (!std::isfinite(box.MinX)) box.Add({0, 0}), box.Add({1, 1});

    // The title has a band of its own, so that nothing is drawn over it.
    const double band = p.Title.empty() ? 0 : kTitleBand;
    const Canvas cv(box, x0, y0 + band, w, h - band, right);
    std::string out = "<g>\n<rect x=\"" + Canvas::Num(x0 + 2) + "\" y=\"" + Canvas::Num(y0 + 2) +
                      "\" width=\"" + Canvas::Num(w - 4) + "\" height=\"" + Canvas::Num(h - 4) +
                      "\" fill=\"#ffffff\" stroke=\"#c8c8c8\"/>\n";
    out += "<text x=\"" + Canvas::Num(x0 + 8) + "\" y=\"" + Canvas::Num(y0 + 16) +
           "\" font-family=\"monospace\" font-size=\"12\">" + Escape(p.Title) + "</text>\n";
    for (const auto& f : fills)
        out += "<path d=\"" + cv.Path({f}, true) + "\" fill=\"#e0e0e0\" stroke=\"#b0b0b0\"/>\n";
    for (const auto& l : lines)
        out += "<path d=\"" + cv.Path({l}, false) + "\" fill=\"none\" stroke=\"#909090\"/>\n";
    for (size_t i = 0; i < p.Solids.size(); ++i) {
        const DrawnSolid& s = p.Solids[i];
        const std::string color = ColorOf(s.Color, s.Rgb);
        if (!solids[i].Areas.empty())
            out += "<path d=\"" + cv.Path(solids[i].Areas, true) + "\" fill=\"" + color +
                   "\" fill-opacity=\"0.55\" fill-rule=\"evenodd\" stroke=\"" + color +
                   "\" stroke-width=\"" + Canvas::Num(std::max(0.6, s.Width / 20.0)) + "\"/>\n";
        // The circumference solid is a line; its thickness is not the host's to
        // read from the record, so it is drawn a fixed width that stays visible.
        if (!solids[i].Line.empty())
            out += "<path d=\"" + cv.Path({solids[i].Line}, solids[i].LineClosed) +
                   "\" fill=\"none\" stroke=\"" + color + "\" stroke-width=\"" +
                   Canvas::Num(kLineSolidWidth) + "\" stroke-linejoin=\"round\"/>\n";
    }
    for (const auto& pick : p.Picks) {
        const std::string x = cv.X(pick.X), y = cv.Y(pick.Y);
        out += "<circle cx=\"" + x + "\" cy=\"" + y +
               "\" r=\"3\" fill=\"none\" stroke=\"#d00000\"/>\n";
        out += "<text x=\"" + x + "\" y=\"" + y +
               "\" dx=\"4\" dy=\"-4\" font-family=\"sans-serif\" " +
               "font-size=\"10\" fill=\"#d00000\">" + std::to_string(pick.N) + "</text>\n";
    }
    return out + "</g>\n";
}

}  // namespace

std::string RenderSvg(const std::vector<Panel>& panels, int columns, int w, int h) {
    columns = std::max(1, columns);
    const int rows = static_cast<int>((panels.size() + static_cast<size_t>(columns) - 1) /
                                      static_cast<size_t>(columns));
    const std::string width = std::to_string(columns * w),
                      height = std::to_string(std::max(1, rows) * h);
    // The view box lets a page show the picture at any width, scaled whole.
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width +
                      "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
                      "\">\n" + "<rect width=\"100%\" height=\"100%\" fill=\"#f4f4f4\"/>\n";
    for (size_t i = 0; i < panels.size(); ++i)
        out += RenderPanel(panels[i], static_cast<double>(static_cast<int>(i) % columns * w),
                           static_cast<double>(static_cast<int>(i) / columns * h), w, h);
    return out + "</svg>\n";
}

}  // namespace hoststandin
