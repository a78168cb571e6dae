// Number texts as the data checks, table-file readers and dialogs read them: whole numbers in
// their 32- and 64-bit forms, floats with either decimal separator, dotted addresses and ports.
// A whole number that is read gives the same value when written in decimal and read again, and
// the 32- and 64-bit readings of a text agree.
#include "FuzzSupport.h"
#include "common/AddressHelpers.h"
#include "common/NumConv.h"
#include "core/UnsignedNumber.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Regional.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(fuzz::Text(data, size));

    const auto i32 = Str_To_Int(text);
    const auto i64 = Str_To_Int64(text);
    if (i32) {
        FUZZ_CHECK(Str_To_Int(std::to_string(*i32)) == i32, "a 32-bit value reads back differently: " + text);
        FUZZ_CHECK(i64 && static_cast<std::uint32_t>(*i64) == static_cast<std::uint32_t>(*i32),
                   "the 64-bit reading disagrees: " + text);
    }
    if (i64)
        FUZZ_CHECK(Str_To_Int64(std::to_string(*i64)) == i64, "a 64-bit value reads back differently: " + text);
    (void)core::Str_To_UInt32_Def(text, 0);
    (void)Str_To_IP_Part(text);
    (void)Str_To_Int_EDS(text);
    (void)Str_To_Int_Lang(text);

    int i = 0;
    std::int64_t l = 0;
    (void)rtl::TryStrToInt(text, i);
    (void)rtl::TryStrToInt64(text, l);
    bool b = false;
    (void)rtl::TryStrToBool(text, b);

    for (const char separator : {'.', ','}) {
        rtl::TFormatSettings fs = rtl::TFormatSettings::Neutral();
        fs.DecimalSeparator = separator;
        fs.ThousandSeparator = separator == '.' ? "," : ".";
        double d = 0;
        if (rtl::TryStrToFloat(text, d, fs)) {
            (void)rtl::FloatToStr(d, fs);
            (void)rtl::FloatToStrF(d, rtl::ffFixed, 15, 4, fs);
            (void)rtl::FloatToStrF(d, rtl::ffNumber, 7, 2, fs);
            (void)rtl::FloatToStrF(d, rtl::ffExponent, 7, 2, fs);
            (void)rtl::FormatFloat("#,##0.00;-#,##0.00;zero", d, fs);
            if (std::isfinite(d)) {
                double back = 0;
                FUZZ_CHECK(rtl::TryStrToFloat(rtl::FloatToStr(d, fs), back, fs),
                           "a float written by FloatToStr does not read back: " + text);
            }
        }
        float f = 0;
        (void)Str_To_Float_Sep(text, separator, f);
    }

    std::string ip[4];
    (void)Split_IP_Address(text, ip[0], ip[1], ip[2], ip[3]);
    std::uint8_t bytes[4] = {};
    std::uint16_t port = 0;
    (void)IP_To_Bytes(text, bytes[0], bytes[1], bytes[2], bytes[3]);
    (void)IP_Port_To_Bytes(text, bytes[0], bytes[1], bytes[2], bytes[3], port);
    return 0;
}
