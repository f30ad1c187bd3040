#pragma once

// Conversions between numbers and the texts the windows show. They are pure
// functions of their arguments and independent of the process locale: the
// decimal separator is always ".", whatever LANG or LC_NUMERIC say.

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// How a number is written. The section windows' result text and the three
// display forms of the engineering calculator differ only in these three
// choices.
struct NumberFormat {
    int significantDigits = 15; // at most this many significant digits
    bool leadingBlank = false;  // a blank in place of the sign for values >= 0
    bool leadingZero = true;    // "0.25" (true) or ".25" (false)
};

// Writes a finite value: the shortest decimal text with at most
// `significantDigits` digits, no trailing zeros, no trailing point, and
// exponent notation ("7.54978995489187E-08", "1E+15") where the decimal
// exponent is below -4 or reaches the digit count, as C's %G does.
// Negative zero is written as zero. Every text reads back as a finite
// number: where rounding to the digit count would pass the largest finite
// value (the largest doubles round to 1.79769313486232E+308), the largest
// value of that many digits below it is written (1.79769313486231E+308).
// generalSingle keeps within the single range the same way. The value must
// be finite: callers turn failed computations into messages before anything
// reaches a text field.
std::string formatNumber(double value, const NumberFormat& format);

// The result-field text: 15 digits, a leading blank for values that are not
// negative and no 0 before the point (" 13027.85", " .25", "-.25").
std::string Str(double value);

// The result-field text without the blank that stands for a plus sign, as a
// result is copied out of the window (" .25" becomes ".25", "-.25" stays).
std::string bareStr(double value);

// The general text of a double (15 digits) and of a single (7 digits),
// without blank and with the 0 before the point ("0.25", "0.3333333").
std::string generalDouble(double value);
std::string generalSingle(float value);

// Reads the leading number of an entry text. Blanks (space, tab, line feed)
// are skipped anywhere, so "1 2" reads 12; the number is an optional sign,
// digits, an optional "." and digits, and an optional exponent "E"/"e" with
// optional sign and digits; reading stops at the first character that cannot
// continue it; a text without a leading number reads 0. A number beyond the
// double range reads as infinity, which callers reject.
double Val(std::string_view text);

// Reads a whole text as a number: blanks around it are ignored, the rest must
// be an optional sign, digits with an optional "." (at least one digit in
// all) and an optional exponent. Anything else, and a value beyond the range
// of the target type, cannot be read.
std::optional<double> readDouble(std::string_view text);
std::optional<float> readSingle(std::string_view text);

// A Chinese input method in full-width mode types "６０．５" for 60.5, and
// tables typed that way carry the same characters. The number readers stop
// at the first character they do not know, so the full-width forms of the
// characters a number is made of (digits, point, plus, minus, E/e) and the
// ideographic space are turned into their ASCII forms before reading, by the
// windows' entry fields and the batch tool alike. Every other character is
// left as it is.

// The ASCII form of one UTF-16 code unit, or the unit itself.
char16_t asciiForm(char16_t c);
// The UTF-8 text with those characters replaced; other bytes, valid UTF-8
// or not, are kept as they are.
std::string toAsciiFormsUtf8(std::string_view utf8);

} // namespace corvane
