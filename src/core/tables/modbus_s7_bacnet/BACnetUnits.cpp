#include "core/tables/modbus_s7_bacnet/BACnetUnits.h"

#include <array>

namespace tables::modbus_s7_bacnet {

namespace {

constexpr TEngUnit Units_Acceleration[] = {
    {166, "meters-per-second-per-second"},
};

constexpr TEngUnit Units_Area[] = {
    {0, "square-meters"},
    {116, "square-centimeters"},
    {1, "square-feet"},
    {115, "square-inches"},
};

constexpr TEngUnit Units_Currency[] = {
    {105, "currency1"}, {106, "currency2"}, {107, "currency3"}, {108, "currency4"}, {109, "currency5"},
    {110, "currency6"}, {111, "currency7"}, {112, "currency8"}, {113, "currency9"}, {114, "currency10"},
};

constexpr TEngUnit Units_Electrical[] = {
    {2, "milliamperes"},
    {3, "amperes"},
    {167, "amperes-per-meter"},
    {168, "amperes-per-square-meter"},
    {169, "ampere-square-meters"},
    {199, "decibels"},
    {200, "decibels-millivolt"},
    {201, "decibels-volt"},
    {170, "farads"},
    {171, "henrys"},
    {4, "ohms"},
    {172, "ohm-meters"},
    {145, "milliohms"},
    {122, "kilohms"},
    {123, "megohms"},
    {190, "microsiemens"},
    {202, "millisiemens"},
    {173, "siemens"},
    {174, "siemens-per-meter"},
    {175, "teslas"},
    {5, "volts"},
    {124, "millivolts"},
    {6, "kilovolts"},
    {7, "megavolts"},
    {8, "volt-amperes"},
    {9, "kilovolt-amperes"},
    {10, "megavolt-amperes"},
    {11, "volt-amperes-reactive"},
    {12, "kilovolt-amperes-reactive"},
    {13, "megavolt-amperes-reactive"},
    {176, "volts-per-degree-Kelvin"},
    {177, "volts-per-meter"},
    {14, "degrees-phase"},
    {15, "power-factor"},
    {178, "webers"},
};

constexpr TEngUnit Units_Energy[] = {
    {16, "joules"},
    {17, "kilojoules"},
    {125, "kilojoules-per-kilogram"},
    {126, "megajoules"},
    {18, "watt-hours"},
    {19, "kilowatt-hours"},
    {146, "megawatt-hours"},
    {203, "watt-hours-reactive"},
    {204, "kilowatt-hours-reactive"},
    {205, "megawatt-hours-reactive"},
    {20, "btus"},
    {147, "kilo-btus"},
    {148, "mega-btus"},
    {21, "therms"},
    {22, "ton-hours"},
};

constexpr TEngUnit Units_Enthalpy[] = {
    {23, "joules-per-kilogram-dry-air"},
    {149, "kilojoules-per-kilogram-dry-air"},
    {150, "megajoules-per-kilogram-dry-air"},
    {24, "btus-per-pound-dry-air"},
    {117, "btus-per-pound"},
};

constexpr TEngUnit Units_Entropy[] = {
    {127, "joules-per-degree-Kelvin"},
    {151, "kilojoules-per-degree-Kelvin"},
    {152, "megajoules-per-degree-Kelvin"},
    {128, "joules-per-kilogram-degree-Kelvin"},
};

constexpr TEngUnit Units_Force[] = {
    {153, "newton"},
};

constexpr TEngUnit Units_Frequency[] = {
    {25, "cycles-per-hour"}, {26, "cycles-per-minute"}, {27, "hertz"},
    {129, "kilohertz"},      {130, "megahertz"},        {131, "per-hour"},
};

constexpr TEngUnit Units_Humidity[] = {
    {28, "grams-of-water-per-kilogram-dry-air"},
    {29, "percent-relative-humidity"},
};

constexpr TEngUnit Units_Length[] = {
    {194, "micrometers"}, {30, "millimeters"}, {118, "centimeters"}, {193, "kilometers"},
    {31, "meters"},       {32, "inches"},      {33, "feet"},
};

constexpr TEngUnit Units_Light[] = {
    {179, "candelas"},
    {180, "candelas-per-square-meter"},
    {34, "watts-per-square-foot"},
    {35, "watts-per-square-meter"},
    {36, "lumens"},
    {37, "luxes"},
    {38, "foot-candles"},
};

constexpr TEngUnit Units_Mass[] = {
    {196, "milligrams"}, {195, "grams"}, {39, "kilograms"}, {40, "pounds-mass"}, {41, "tons"},
};

constexpr TEngUnit Units_Mass_Flow[] = {
    {154, "grams-per-second"},      {155, "grams-per-minute"},    {42, "kilograms-per-second"},
    {43, "kilograms-per-minute"},   {44, "kilograms-per-hour"},   {119, "pounds-mass-per-second"},
    {45, "pounds-mass-per-minute"}, {46, "pounds-mass-per-hour"}, {156, "tons-per-hour"},
};

constexpr TEngUnit Units_Power[] = {
    {132, "milliwatts"},   {47, "watts"},
    {48, "kilowatts"},     {49, "megawatts"},
    {50, "btus-per-hour"}, {157, "kilo-btus-per-hour"},
    {51, "horsepower"},    {52, "tons-refrigeration"},
};

constexpr TEngUnit Units_Pressure[] = {
    {53, "pascals"},
    {133, "hectopascals"},
    {54, "kilopascals"},
    {134, "millibars"},
    {55, "bars"},
    {56, "pounds-force-per-square-inch"},
    {206, "millimeters-of-water"},
    {57, "centimeters-of-water"},
    {58, "inches-of-water"},
    {59, "millimeters-of-mercury"},
    {60, "centimeters-of-mercury"},
    {61, "inches-of-mercury"},
};

constexpr TEngUnit Units_Temperature[] = {
    {62, "degrees-Celsius"},          {63, "degrees-Kelvin"},
    {181, "degrees-Kelvin-per-hour"}, {182, "degrees-Kelvin-per-minute"},
    {64, "degrees-Fahrenheit"},       {65, "degree-days-Celsius"},
    {66, "degree-days-Fahrenheit"},   {120, "delta-degrees-Fahrenheit"},
    {121, "delta-degrees-Kelvin"},
};

constexpr TEngUnit Units_Time[] = {
    {67, "years"},         {68, "months"},  {69, "weeks"},   {70, "days"},
    {71, "hours"},         {72, "minutes"}, {73, "seconds"}, {158, "hundredths-seconds"},
    {159, "milliseconds"},
};

constexpr TEngUnit Units_Torque[] = {
    {160, "newton-meters"},
};

constexpr TEngUnit Units_Velocity[] = {
    {161, "millimeters-per-second"}, {162, "millimeters-per-minute"}, {74, "meters-per-second"},
    {163, "meters-per-minute"},      {164, "meters-per-hour"},        {75, "kilometers-per-hour"},
    {76, "feet-per-second"},         {77, "feet-per-minute"},         {78, "miles-per-hour"},
};

constexpr TEngUnit Units_Volume[] = {
    {79, "cubic-feet"},   {80, "cubic-meters"}, {81, "imperial-gallons"},
    {197, "milliliters"}, {82, "liters"},       {83, "us-gallons"},
};

constexpr TEngUnit Units_Volumetric_Flow[] = {
    {142, "cubic-feet-per-second"},      {84, "cubic-feet-per-minute"},    {191, "cubic-feet-per-hour"},
    {85, "cubic-meters-per-second"},     {165, "cubic-meters-per-minute"}, {135, "cubic-meters-per-hour"},
    {86, "imperial-gallons-per-minute"}, {198, "milliliters-per-second"},  {87, "liters-per-second"},
    {88, "liters-per-minute"},           {136, "liters-per-hour"},         {89, "us-gallons-per-minute"},
    {192, "us-gallons-per-hour"},
};

constexpr TEngUnit Units_Other[] = {
    {90, "degrees-angular"},
    {91, "degrees-Celsius-per-hour"},
    {92, "degrees-Celsius-per-minute"},
    {93, "degrees-Fahrenheit-per-hour"},
    {94, "degrees-Fahrenheit-per-minute"},
    {183, "joule-seconds"},
    {186, "kilograms-per-cubic-meter"},
    {137, "kilowatt-hours-per-square-meter"},
    {138, "kilowatt-hours-per-square-foot"},
    {139, "megajoules-per-square-meter"},
    {140, "megajoules-per-square-foot"},
    {95, "no-units"},
    {187, "newton-seconds"},
    {188, "newtons-per-meter"},
    {96, "parts-per-million"},
    {97, "parts-per-billion"},
    {98, "percent"},
    {143, "percent-obscuration-per-foot"},
    {144, "percent-obscuration-per-meter"},
    {99, "percent-per-second"},
    {100, "per-minute"},
    {101, "per-second"},
    {102, "psi-per-degree-Fahrenheit"},
    {103, "radians"},
    {184, "radians-per-second"},
    {104, "revolutions-per-minute"},
    {185, "square-meters-per-Newton"},
    {189, "watts-per-meter-per-degree-Kelvin"},
    {141, "watts-per-square-meter-degree-kelvin"},
    {207, "per-mille"},
    {208, "grams-per-gram"},
    {209, "kilograms-per-kilogram"},
    {210, "grams-per-kilogram"},
    {211, "milligrams-per-gram"},
    {212, "milligrams-per-kilogram"},
    {213, "grams-per-milliliter"},
    {214, "grams-per-liter"},
    {215, "milligrams-per-liter"},
    {216, "micrograms-per-liter"},
    {217, "grams-per-cubic-meter"},
    {218, "milligrams-per-cubic-meter"},
    {219, "micrograms-per-cubic-meter"},
    {220, "nanograms-per-cubic-meter"},
    {221, "grams-per-cubic-centimeter"},
    {222, "becquerels"},
    {223, "kilobecquerels"},
    {224, "megabecquerels"},
    {225, "gray"},
    {226, "milligray"},
    {227, "microgray"},
    {228, "sieverts"},
    {229, "millisieverts"},
    {230, "microsieverts"},
    {231, "microsieverts-per-hour"},
    {232, "decibels-a"},
    {233, "nephelometric-turbidity-unit"},
    {234, "pH"},
    {235, "grams-per-square-meter"},
    {236, "minutes-per-degree-kelvin"},
};

constexpr std::array<TEngUnitGroup, 23> Groups = {{
    {"Acceleration", Units_Acceleration},
    {"Area", Units_Area},
    {"Currency", Units_Currency},
    {"Electrical", Units_Electrical},
    {"Energy", Units_Energy},
    {"Enthalpy", Units_Enthalpy},
    {"Entropy", Units_Entropy},
    {"Force", Units_Force},
    {"Frequency", Units_Frequency},
    {"Humidity", Units_Humidity},
    {"Length", Units_Length},
    {"Light", Units_Light},
    {"Mass", Units_Mass},
    {"Mass Flow", Units_Mass_Flow},
    {"Power", Units_Power},
    {"Pressure", Units_Pressure},
    {"Temperature", Units_Temperature},
    {"Time", Units_Time},
    {"Torque", Units_Torque},
    {"Velocity", Units_Velocity},
    {"Volume", Units_Volume},
    {"Volumetric Flow", Units_Volumetric_Flow},
    {"Other", Units_Other},
}};

}  // namespace

std::span<const TEngUnitGroup> Eng_Unit_Groups()
{
    return Groups;
}

std::string Desc_Unit(int Num_Unit)
{
    for (const TEngUnitGroup& group : Groups)
        for (const TEngUnit& unit : group.Units)
            if (unit.Number == Num_Unit)
                return std::string(unit.Name);
    return "unknown";
}

}  // namespace tables::modbus_s7_bacnet
