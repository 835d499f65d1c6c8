// What the plan and the profile of `scenario plot` share: the page's
// geometry, the metre-to-x mapping of the distance axis, the writing of SVG
// text, and the thinning of labels so that they never pile up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scenario::disegno {

// Page units: the SVG's viewBox is this wide; the browser scales it to the window.
inline constexpr double larghezza = 1400;
inline constexpr double margine_sinistro = 118;  // lane names
inline constexpr double margine_destro = 22;
inline constexpr double area = larghezza - margine_sinistro - margine_destro;

// The stretch of line on the distance axis.
struct Vista {
    double da;
    double a;
};

inline double x_di(const Vista& v, double metro) { return margine_sinistro + (metro - v.da) / (v.a - v.da) * area; }

// Text and attribute values escaped for XML (and so for HTML too).
std::string esc(std::string_view testo);
// A number with at most one decimal, "." as separator: for coordinates.
std::string num(double v);
// "km 37,800": how a person reads a place on the line.
std::string km(std::int64_t metro);

// A label of one lane: kept or hidden so that none overlaps another. Higher
// priority wins; among equals, the one further left.
struct Etichetta {
    double x;  // centre
    double larghezza;
    int priorita;
    bool visibile = true;
};
// Width of a text of `caratteri` characters in the labels' font (11 px sans).
inline double larghezza_testo(std::size_t caratteri) { return 6.3 * static_cast<double>(caratteri); }
void dirada(std::vector<Etichetta>& etichette, double spazio);

}  // namespace scenario::disegno
