#pragma once
// Where the response plot puts things: the plot area inside the dialog, one plotted value
// per pixel column on the linear or the logarithmic frequency axis, the level of a value,
// and the grid lines. Pure functions; the dialog only draws what they return.

#include <vector>

namespace paramtool {

struct PlotRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// The plot area for a client rectangle of the given size: x from 350/882 of the width to the
// width less 19/882 of it, y from 20/566 of the height to the height less 18/566 of it.
PlotRect plotArea(int clientWidth, int clientHeight);

// The (fractional) grid bin that pixel column `column` (1-based, 1..width) shows.
// Linear axis: bin (column-1)*points/width. Logarithmic axis: with d = points*10/48000 and
// e = (points-d)^(1/width), bin d + e^column - 1, so the last column shows the last bin.
double columnBin(int column, int width, int points, bool logScale);

// One value per pixel column for a curve of linear magnitudes on the grid. Where a column
// covers several bins (up to the next column's bin, the last column up to the grid's last
// bin), it shows their minimum if that lies
// below both ends, else their maximum if that lies above both, else its own bin, so that
// narrow notches and peaks stay visible.
std::vector<double> columnValues(const std::vector<double>& curve, int width, bool logScale);

// The y coordinate of a linear magnitude: +top dB at the area's upper edge, -bottom dB at its
// lower edge, clamped between them. Zero, negative and NaN magnitudes lie on the lower edge.
double levelToY(double magnitude, const PlotRect& area, int top, int bottom);

// The fractional pixel column (1-based) at which a frequency lies, inverse of columnBin.
// Frequencies left of the logarithmic axis's first bin give a column below 1.
double frequencyColumn(double hz, int width, int points, double sampleRate, bool logScale);

// Horizontal grid lines: every (top+bottom)/8 dB (at least 1), from +top downwards to -bottom.
std::vector<int> levelGridLines(int top, int bottom);

// Vertical grid lines below fs/2. Logarithmic axis: 10, 50, 100, 500, 1000, 5000, 10000 Hz.
// Linear axis: every linearGridSpacing(fs) Hz from that spacing upwards.
std::vector<double> frequencyGridLines(double sampleRate, bool logScale);

// r(fs/10000)*1000 Hz. Below fs = 5000 Hz that is 0; the rule is then applied a decade finer
// at a time (r(fs/1000)*100, r(fs/100)*10, ...) down to 1 Hz, so a low sample rate still gets
// a handful of lines across its band.
double linearGridSpacing(double sampleRate);

}  // namespace paramtool
