#include "report/curve_svg.h"

#include <algorithm>

#include "report/catalogue/catalogue.h"
#include "report/party_text.h"
#include "engine/run_counts.h"
#include "text/text_format.h"

namespace kestavel::report {

namespace {

constexpr double kWidth = 640, kHeight = 400;
constexpr double kLeft = 60, kRight = 20, kTop = 50, kBottom = 55;
constexpr const char* kFirstStrikeColour = "#1f5fbf";
constexpr const char* kShutOutColour = "#c0392b";

std::string N(double value) { return FormatFixed(value, 1); }

// 1, 2 or 5 times a power of ten: the smallest that gives at most ten steps over `span`.
int32_t TickStep(int32_t span) {
    for (int32_t power = 1;; power *= 10) {
        for (int32_t factor : {1, 2, 5}) {
            if (span / (factor * power) <= 10) return factor * power;
        }
    }
}

class Chart {
public:
    Chart(double lowSpeed, double highSpeed) : low_(lowSpeed), high_(highSpeed) {}
    double X(double speed) const { return kLeft + (speed - low_) / (high_ - low_) * (kWidth - kLeft - kRight); }
    static double Y(double percent) { return kTop + (100 - percent) / 100 * (kHeight - kTop - kBottom); }

private:
    double low_, high_;
};

std::string Text(double x, double y, const std::string& anchor, const std::string& body, const char* extra = "") {
    return "<text x=\"" + N(x) + "\" y=\"" + N(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" + body + "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const char* style) {
    return "<line x1=\"" + N(x1) + "\" y1=\"" + N(y1) + "\" x2=\"" + N(x2) + "\" y2=\"" + N(y2) + "\" " + style + "/>\n";
}

std::string Polyline(const analysis::CurveAnswer& r, const Chart& chart, bool firstStrike, const char* colour) {
    std::string points;
    for (const analysis::CurvePoint& p : r.points) {
        const double rate = 100 * (firstStrike ? p.exact.firstStrike : p.exact.shutOut);
        points += (points.empty() ? "" : " ") + N(chart.X(p.speed)) + "," + N(Chart::Y(rate));
    }
    return std::string("<polyline fill=\"none\" stroke=\"") + colour + "\" stroke-width=\"2\" points=\"" + points + "\"/>\n";
}

std::string Dots(const analysis::CurveAnswer& r, const Chart& chart, bool firstStrike, const char* colour) {
    std::string dots;
    for (const analysis::CurvePoint& p : r.points) {
        const double rate = PercentOfWins(static_cast<double>(firstStrike ? p.firstStrikeWins : p.shutOutWins));
        dots += "<circle cx=\"" + N(chart.X(p.speed)) + "\" cy=\"" + N(Chart::Y(rate)) + "\" r=\"2.5\" fill=\"" + colour +
                "\"/>\n";
    }
    return dots;
}


}  // namespace

std::string CurveSvg(const analysis::CurveAnswer& r) {
    // Half a speed either side, so that the first and last points are not on the frame.
    const Chart chart(r.from - 0.5, r.to + 0.5);
    const double plotBottom = Chart::Y(0), plotTop = Chart::Y(100);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + N(kWidth) + "\" height=\"" + N(kHeight) +
           "\" viewBox=\"0 0 " + N(kWidth) + " " + N(kHeight) + "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += Text(kWidth / 2, 20, "middle", Say("svg.title"), " font-size=\"15\"");
    const std::string subtitle =
        r.request.listed.empty()
            ? Say("svg.subtitle", {PartyText(r.request.allies), r.request.enemies})
            : Say("svg.listedSubtitle", {PartyText(r.request.allies), PartyText(r.request.listed), r.request.vary});
    svg += Text(kWidth / 2, 38, "middle", subtitle, " fill=\"#555\"");

    for (size_t i = 0; i < r.points.size();) {  // each run of consistent speeds as one band
        if (!r.points[i].consistent) {
            ++i;
            continue;
        }
        size_t last = i;
        while (last + 1 < r.points.size() && r.points[last + 1].consistent) ++last;
        const double x1 = chart.X(r.points[i].speed - 0.5), x2 = chart.X(r.points[last].speed + 0.5);
        svg += "<rect x=\"" + N(x1) + "\" y=\"" + N(plotTop) + "\" width=\"" + N(x2 - x1) + "\" height=\"" +
               N(plotBottom - plotTop) + "\" fill=\"#fbeec2\" stroke=\"none\"/>\n";
        i = last + 1;
    }
    for (int percent = 0; percent <= 100; percent += 10) {
        const double y = Chart::Y(percent);
        svg += Line(kLeft, y, kWidth - kRight, y, percent ? "stroke=\"#e4e4e4\"" : "stroke=\"#333\"");
        svg += Text(kLeft - 6, y + 4, "end", std::to_string(percent));
    }
    const int32_t step = TickStep(r.to - r.from);
    for (int32_t speed = (r.from + step - 1) / step * step; speed <= r.to; speed += step) {
        const double x = chart.X(speed);
        svg += Line(x, plotBottom, x, plotBottom + 5, "stroke=\"#333\"");
        svg += Text(x, plotBottom + 18, "middle", std::to_string(speed));
    }
    svg += Line(kLeft, plotTop, kLeft, plotBottom, "stroke=\"#333\"");
    svg += Text(kLeft + (kWidth - kLeft - kRight) / 2, kHeight - 12, "middle", Say("svg.speedAxis"));
    svg += Text(kLeft, plotTop - 12, "middle", Say("svg.rateAxis"));  // above the axis: no rotated text to render

    svg += Polyline(r, chart, true, kFirstStrikeColour);
    svg += Polyline(r, chart, false, kShutOutColour);
    if (r.request.simulate) svg += Dots(r, chart, true, kFirstStrikeColour) + Dots(r, chart, false, kShutOutColour);

    // The legend, in the upper right corner, where both rates have fallen.
    const double legendX = kWidth - kRight - 230, legendY = plotTop + 14;
    svg += Line(legendX, legendY, legendX + 24, legendY, (std::string("stroke=\"") + kFirstStrikeColour + "\" stroke-width=\"2\"").c_str());
    svg += Text(legendX + 30, legendY + 4, "start", Say("svg.firstStrikeLegend"));
    svg += Line(legendX, legendY + 18, legendX + 24, legendY + 18,
                (std::string("stroke=\"") + kShutOutColour + "\" stroke-width=\"2\"").c_str());
    svg += Text(legendX + 30, legendY + 22, "start", Say("svg.shutOutLegend", {r.request.enemies}));
    double next = legendY + 40;
    if (r.request.simulate) {
        svg += Text(legendX + 30, next, "start", Say("svg.simulatedLegend"));
        next += 18;
    }
    if (r.request.observed) {
        svg += "<rect x=\"" + N(legendX) + "\" y=\"" + N(next - 10) + "\" width=\"24\" height=\"12\" fill=\"#fbeec2\"/>\n";
        svg += Text(legendX + 30, next, "start",
                    Say("svg.consistentLegend", {static_cast<long long>(r.request.observed->successes),
                                                 static_cast<long long>(r.request.observed->trials)}));
    }
    return svg + "</svg>\n";
}

}  // namespace kestavel::report
