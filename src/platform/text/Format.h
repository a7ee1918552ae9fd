// The framework's Format: a number written by a mask of placeholders.
//
// Mask characters: "0" a digit always written; "#" a digit written when it is significant (before
// the point: not a leading zero; after it: not a trailing zero); "." the decimal point; "," digit
// grouping by thousands; "-" a minus sign for a negative value only; "+" "+" or "-" always; "e"
// or "E" after a digit placeholder: scientific notation, optionally followed by "+" or "-" and
// "0"s for the exponent's sign rule and minimum digits; "%" the value times 100 and a percent sign;
// "\" the next character literally; ";" separates the sections for positive, negative and zero
// values. Every other character is copied.
//
// Choices: a Double is written from its shortest round-trip decimal (the digits of
// std::to_chars), so no digit shows that the value does not hold: every place past those digits
// is 0, and halves of that decimal round away from zero (1.005 at two places is 1.01); when
// every fraction digit drops, no decimal point is written ("6", not "6."); exponents read
// "e+N" / "e-N"; -0 and negatives that round to zero print without a sign; a single-section
// mask without a sign character still writes "-" before a negative value, so no sign is ever
// lost; infinities and NaN write "INF", "-INF" and "NAN".
#pragma once

#include <string>
#include <string_view>

namespace vorline {

std::string Format(double value, std::string_view mask);

}  // namespace vorline
