// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number and text conventions shared by every part of the game: the texts it shows, logs
// and stores are joined from literals and these conversions.
#include <string>
#include <string_view>

namespace ruvo {

// Decimal text of n with a leading space when n is not negative: Str(5) == " 5", Str(-5) == "-5".
std::string Str(long n);

// Numeric value of a text: skips leading blanks, reads an optional sign and the leading
// digits; 0 when there is no leading number.
long Val(std::string_view text);

// Two-character text of 0..99: "00", "07", "42"; larger values give their last two digits.
std::string TwoDigits(int value);

// One-digit text of a die value: "0" for 0, otherwise the last character of Str(v).
std::string DieText(int value);

// A count right-aligned in two characters; above 99 its first two digits.
std::string RightAligned2(int value);

// Text with leading and trailing blanks removed.
std::string_view Trim(std::string_view text);

// Text in upper case (ASCII letters).
std::string UpperCase(std::string_view text);

// Text with every space removed.
std::string WithoutSpaces(std::string_view text);

} // namespace ruvo
