#pragma once

#include <string>
#include <string_view>

// Floating-point values as property editors show and read them.

// The general format of the platform's inspectors: the value rounded to precision significant
// digits, trailing zeros dropped; fixed-point while the value has at most precision integer
// digits and is at least 0.0001 in magnitude, scientific otherwise ("1E20", "1.5E-5"). Not
// finite values show as "NAN", "INF" and "-INF".
std::string FloatToText(double value, int precision);

// A number typed with a point as decimal separator and an optional exponent. A value too small
// for a double reads as zero; raises EConvertError "'abc' is not a valid floating point value"
// for anything else, a value too large included.
double TextToFloat(std::string_view text);
