#include "cli/HelpText.h"

namespace quorlex::cli {

const std::string_view kDescription =
    "Converts values between units of wildland-fire and fuels work by the units' exact definitions "
    "(--tables:\n"
    "the factors and answers of the Quorlex window): one value, a list of values, standard input, or a\n"
    "column of a delimited file.";

std::string_view UsageAndExamples() {
    return "\n"
           "Usage:\n"
           "  quorlex-convert [OPTIONS] VALUE FROM TO\n"
           "  quorlex-convert [OPTIONS] FROM TO [VALUE...]      values one per line on standard input when "
           "none\n"
           "  quorlex-convert [OPTIONS] --csv FILE --column C FROM TO\n"
           "  quorlex-convert --list [CATEGORY]\n"
           "  quorlex-convert --factor [-c CATEGORY] FROM TO\n"
           "  quorlex-convert [OPTIONS] calc ID VALUE [UNIT] | NAME=VALUE [UNIT]... [--to UNIT] [-v]\n"
           "  quorlex-convert --csv FILE calc ID NAME=COLUMN[UNIT]... [--to UNIT] [-v]\n"
           "  quorlex-convert calc --list                   the fire calculations, their inputs and "
           "formulas\n"
           "\n"
           "Examples:\n"
           "  quorlex-convert 12.5 ton/ac kg/m2          12.5 tons per acre in kilograms per square meter\n"
           "  quorlex-convert -40 degC degF              -40 (a value may start with -)\n"
           "  quorlex-convert mph km/h 5 12.5 20         three wind speeds, one result per line\n"
           "  tail -n +2 plots.csv | cut -d, -f3 | quorlex-convert ton/ac Mg/ha\n"
           "  quorlex-convert --csv plots.csv --column fuel_load -o plots-metric.csv ton/ac Mg/ha\n"
           "                                             adds the column \"fuel_load [Mg/ha]\" after "
           "fuel_load\n"
           "  quorlex-convert --explain 1 BTU/lb kJ/kg   2.326, each unit's definition and source, both "
           "factors\n"
           "  quorlex-convert --tables 1 BTU/lb kJ/kg    2.324147175, the desktop program's answer\n"
           "  quorlex-convert 12.5 ton/ac \"Mg ha-1\"      a unit as papers write it, quoted for its blank\n"
           "  quorlex-convert 1 Btu/lb kJ·kg⁻¹           field spellings (Btu, t/ha, MPH, fpm, chains/hr)\n"
           "  quorlex-convert 30 inHg hPa                units beyond the window's lists: kg/ha, MJ/kg, "
           "1/cm,\n"
           "                                             MW/m, kWh, cal_IT, mbar, mmHg, ftUS (see --list)\n"
           "  quorlex-convert --list FuelLoad            the units of a category and the names they go by\n"
           "  quorlex-convert --factor 'tons per acre' 'megagrams per hectare'\n"
           "  quorlex-convert calc flame-length 500 kW/m --to m\n"
           "                                             flame length (Byram 1959) of 500 kW/m, in meters\n"
           "  quorlex-convert calc intensity hpa=2000 kJ/m2 ros=10 m/min --to BTU/ft/s\n"
           "  quorlex-convert calc dry-basis 20          20 % moisture, wet basis, on a dry basis\n"
           "  quorlex-convert calc rh dry=68 degF wet=62 degF elevation=0 ft\n"
           "                                             relative humidity from a sling psychrometer\n"
           "  quorlex-convert calc map-distance map=1 in scale=1:24,000 --to ft\n"
           "  quorlex-convert -v calc flame-length 110 BTU/ft/s\n"
           "                                             3.91, the formula, its source and range, and the "
           "class\n"
           "                                             of the intensity given\n"
           "\n"
           "FROM and TO: a unit's symbol or another of its names as --list shows them (letter case counts:\n"
           "Mg is not mg), its list text (\"tons per acre\", any letter case), CATEGORY:INDEX "
           "(FuelLoad:2),\n"
           "or a unit as papers write it: symbols with powers, multiplied by blanks, * or ·, divided by /\n"
           "(\"kg m-2\", kg/m^2, Mg·ha⁻¹, \"BTU ft-1 s-1\"); its dimension picks the category, its exact "
           "size\n"
           "the unit. t is the tonne: t/ac is refused as ambiguous.\n"
           "Values: 1000, -3.5, 1,000.5, 2.5E3, &HFF; empty lines and fields give empty results.\n";
}

const std::string_view kExitStatusText =
    "Exit status: 0 all converted, 1 usage (options, units, column), 2 a value or row refused,\n"
    "3 a file could not be read or written.";

} // namespace quorlex::cli
