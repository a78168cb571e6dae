#pragma once
// Integer, float and boolean conversions. The "Def" forms never raise; the plain forms raise
// EConvertError with the library's texts. Float text uses Regional() unless settings are given.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/Regional.h"

namespace rtl {

std::string IntToStr(int64_t value);
// Upper-case hexadecimal, zero-padded to at least Digits digits. Negative values print as their
// 32-bit two's complement when they fit in 32 bits, else as 64-bit.
std::string IntToHex(int64_t value, int digits);

// Accepts leading blanks, a sign, then decimal digits, or "$"/"0x"/"x" and hexadecimal digits
// (hexadecimal input covers the full width: "$FFFFFFFF" is -1). Trailing characters are refused.
bool TryStrToInt(std::string_view s, int& value);
bool TryStrToInt64(std::string_view s, int64_t& value);
int StrToInt(std::string_view s);  // EConvertError "'x' is not a valid integer value"
int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int def);
int64_t StrToInt64Def(std::string_view s, int64_t def);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Shortest general form with 15 significant digits ("1.5", "1E20", "NAN", "INF", "-INF").
std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& fs);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs);
// Picture formats: "0", "#", ".", ",", "E+00"/"e-0", quoted text, ';' sections.
std::string FormatFloat(std::string_view format, double value);
std::string FormatFloat(std::string_view format, double value, const TFormatSettings& fs);

// Accepts surrounding blanks, a sign, digits with the settings' decimal separator, an exponent.
bool TryStrToFloat(std::string_view s, double& value);
bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& fs);
double StrToFloat(std::string_view s);  // EConvertError "'x' is not a valid floating point value"
double StrToFloat(std::string_view s, const TFormatSettings& fs);
double StrToFloatDef(std::string_view s, double def);
double StrToFloatDef(std::string_view s, double def, const TFormatSettings& fs);

std::string BoolToStr(bool value, bool useBoolStrs = false);  // "-1"/"0", or "True"/"False"
bool TryStrToBool(std::string_view s, bool& value);           // "True"/"False" any case, or a number
bool StrToBool(std::string_view s);
bool StrToBoolDef(std::string_view s, bool def);

}  // namespace rtl
