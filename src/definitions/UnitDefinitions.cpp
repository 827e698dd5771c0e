#include "definitions/UnitDefinitions.h"

#include <cctype>
#include <vector>

namespace quorlex::definitions {

namespace {

// Where the definitions come from. Each is checked against a second source: NIST SP 811 (2008),
// Appendix B.8 and B.9, against NIST Handbook 44 (2024), Appendix C, "General Tables of Units of
// Measurement"; the SI units against the SI Brochure (9th edition, 2019).
constexpr std::string_view kSiBrochure = "SI Brochure, 9th edition (BIPM 2019), Table 8";
constexpr std::string_view kSp811 = "NIST SP 811 (2008), Appendix B.8";
constexpr std::string_view kHandbook44 = "NIST Handbook 44 (2024), Appendix C";
constexpr std::string_view kInternationalYard =
    "the international yard and pound (Federal Register 1959-06-30, 24 FR 5348); NIST SP 811 (2008), B.8";
constexpr std::string_view kSurveyFootNotice =
    "the U.S. survey foot is deprecated from 2022-12-31 (Federal Register notice 2020-21902): the chain, "
    "the mile and the acre rest on the international foot; NIST Handbook 44 (2024), Appendix C";
constexpr std::string_view kSteamTables =
    "the International Table calorie is 4.1868 J (Fifth International Conference on the Properties of "
    "Steam, 1956), so 1 Btu/lb is 2.326 kJ/kg exactly; NIST SP 811 (2008), B.8, footnote";

constexpr std::string_view kSiPrefixes = "SI Brochure, 9th edition (BIPM 2019), Table 7 (SI prefixes)";
constexpr std::string_view kSurveyFoot =
    "the U.S. survey foot is 1200/3937 m and the survey mile 5280 survey feet (Federal Register 1959-06-30, "
    "24 FR 5348); NIST SP 811 (2008), B.8; NIST Handbook 44 (2024), Appendix C";
constexpr std::string_view kConventionalMercury =
    "conventional mercury: a column of density 13595.1 kg/m^3 under standard gravity, so 1 mmHg is "
    "133.322387415 Pa and 1 inHg 25.4 mmHg; NIST SP 811 (2008), B.8 (1.333224 E+02 Pa and 3.386389 E+03 Pa)";
constexpr std::string_view kInternationalCalorie =
    "the International Table calorie (Fifth International Conference on the Properties of Steam, 1956); "
    "NIST SP 811 (2008), B.8 (4.1868 E+00 J)";

// SI base units have an empty definition; every other unit is defined by the ones above it.
constexpr NamedUnit kNamedUnits[] = {
    {"m", "meter", "", "SI base unit"},
    {"kg", "kilogram", "", "SI base unit"},
    {"s", "second", "", "SI base unit"},
    {"rad", "radian", "", "SI coherent derived unit of plane angle"},
    {"mm", "millimeter", "0.001 m", kSiPrefixes},
    {"cm", "centimeter", "0.01 m", kSiPrefixes},
    {"km", "kilometer", "1000 m", kSiPrefixes},
    {"in", "inch", "0.0254 m", kInternationalYard},
    {"ft", "foot", "12 in", kInternationalYard},
    {"yd", "yard", "3 ft", kInternationalYard},
    {"ch", "chain (Gunter's)", "66 ft", kSurveyFootNotice},
    {"mi", "mile (statute)", "5280 ft", kSurveyFootNotice},
    {"ac", "acre", "43560 ft^2", kSurveyFootNotice},
    {"ha", "hectare", "10000 m^2", kSiBrochure},
    {"g", "gram", "0.001 kg", kSiPrefixes},
    {"Mg", "megagram (tonne)", "1000 kg", kSiPrefixes},
    {"t", "tonne", "1000 kg", kSiBrochure},
    {"lb", "pound (avoirdupois)", "0.45359237 kg", kInternationalYard},
    {"oz", "ounce (avoirdupois)", "1/16 lb", kHandbook44},
    {"ton", "short ton", "2000 lb", kHandbook44},
    {"min", "minute", "60 s", kSiBrochure},
    {"h", "hour", "60 min", kSiBrochure},
    {"J", "joule", "kg m^2 / s^2", "SI coherent derived unit: N m"},
    {"kJ", "kilojoule", "1000 J", kSiPrefixes},
    {"cal", "calorie (thermochemical)", "4.184 J", kSp811},
    {"kcal", "kilocalorie (thermochemical)", "1000 cal", kSp811},
    {"BTU", "British thermal unit (International Table)", "1055.05585262 J", kSteamTables},
    {"Btu", "British thermal unit (International Table), as NIST writes it", "BTU", kSp811},
    {"W", "watt", "J / s", "SI coherent derived unit: J/s"},
    {"kW", "kilowatt", "1000 W", kSiPrefixes},
    {"Pa", "pascal", "kg / (m s^2)", "SI coherent derived unit: N/m^2"},
    {"kPa", "kilopascal", "1000 Pa", kSiPrefixes},
    {"bar", "bar", "100000 Pa", kSp811},
    {"atm", "standard atmosphere", "101325 Pa", kSp811},
    {"g_n", "standard acceleration of gravity", "9.80665 m / s^2", kSp811},
    {"psi", "pound-force per square inch", "lb g_n / in^2", kSp811},
    {"kn", "knot", "1852 m / h", kSp811},
    {"deg", "degree", "1/180 pi rad", kSiBrochure},
    {"MJ", "megajoule", "1000000 J", kSiPrefixes},
    {"MW", "megawatt", "1000000 W", kSiPrefixes},
    {"kWh", "kilowatt hour", "kW h", kSp811},
    {"cal_IT", "calorie (International Table)", "4.1868 J", kInternationalCalorie},
    {"hPa", "hectopascal", "100 Pa", kSiPrefixes},
    {"mbar", "millibar", "1/1000 bar", kSp811},
    {"mmHg", "millimeter of mercury (conventional)", "13595.1 kg g_n mm / m^3", kConventionalMercury},
    {"inHg", "inch of mercury (conventional)", "25.4 mmHg", kConventionalMercury},
    {"ftUS", "U.S. survey foot", "1200/3937 m", kSurveyFoot},
    {"miUS", "U.S. survey mile", "5280 ftUS", kSurveyFoot},
};

// The catalogue's units, by category class name and symbol, as expressions of the units above.
struct CatalogueUnit {
    std::string_view className;
    std::string_view symbol;
    std::string_view expression;
};

constexpr CatalogueUnit kCatalogueUnits[] = {
    {"Weight", "g", "g"},
    {"Weight", "oz", "oz"},
    {"Weight", "lb", "lb"},
    {"Weight", "kg", "kg"},
    {"Weight", "ton", "ton"},
    {"Weight", "Mg", "Mg"},
    {"Length", "mm", "mm"},
    {"Length", "cm", "cm"},
    {"Length", "in", "in"},
    {"Length", "ft", "ft"},
    {"Length", "yd", "yd"},
    {"Length", "m", "m"},
    {"Length", "ch", "ch"},
    {"Length", "km", "km"},
    {"Length", "mi", "mi"},
    {"Area", "cm2", "cm^2"},
    {"Area", "in2", "in^2"},
    {"Area", "ft2", "ft^2"},
    {"Area", "yd2", "yd^2"},
    {"Area", "m2", "m^2"},
    {"Area", "ac", "ac"},
    {"Area", "ha", "ha"},
    {"Area", "km2", "km^2"},
    {"Area", "mi2", "mi^2"},
    {"BulkDensity", "ton/ac-ft", "ton / (ac ft)"},
    {"BulkDensity", "kg/m3", "kg / m^3"},
    {"BulkDensity", "ton/ac-in", "ton / (ac in)"},
    {"BulkDensity", "lb/ft3", "lb / ft^3"},
    {"BulkDensity", "g/cm3", "g / cm^3"},
    {"AreaIntensity", "kJ/m2/min", "kJ / m^2 / min"},
    {"AreaIntensity", "kW/m2", "kW / m^2"},
    {"AreaIntensity", "BTU/ft2/s", "BTU / ft^2 / s"},
    {"AreaIntensity", "cal/cm2/s", "cal / cm^2 / s"},
    {"HeatContent", "kJ/kg", "kJ / kg"},
    {"HeatContent", "BTU/lb", "BTU / lb"},
    {"HeatContent", "cal/g", "cal / g"},
    {"Speed", "ft/min", "ft / min"},
    {"Speed", "ch/h", "ch / h"},
    {"Speed", "cm/s", "cm / s"},
    {"Speed", "m/min", "m / min"},
    {"Speed", "km/h", "km / h"},
    {"Speed", "ft/s", "ft / s"},
    {"Speed", "mi/h", "mi / h"},
    {"Speed", "kn", "kn"},
    {"Speed", "m/s", "m / s"},
    {"FireLineIntensity", "J/ft/s", "J / ft / s"},
    {"FireLineIntensity", "cal/cm/s", "cal / cm / s"},
    {"FireLineIntensity", "kW/m", "kW / m"},
    {"FireLineIntensity", "BTU/ft/s", "BTU / ft / s"},
    {"FireLineIntensity", "kcal/m/s", "kcal / m / s"},
    {"Energy", "J", "J"},
    {"Energy", "cal", "cal"},
    {"Energy", "kJ", "kJ"},
    {"Energy", "BTU", "BTU"},
    {"FuelLoad", "g/m2", "g / m^2"},
    {"FuelLoad", "Mg/ha", "Mg / ha"},
    {"FuelLoad", "ton/ac", "ton / ac"},
    {"FuelLoad", "kg/m2", "kg / m^2"},
    {"FuelLoad", "lb/ft2", "lb / ft^2"},
    {"BasalArea", "ft2/ac", "ft^2 / ac"},
    {"BasalArea", "m2/ha", "m^2 / ha"},
    {"Pressure", "kPa", "kPa"},
    {"Pressure", "Pa", "Pa"},
    {"Pressure", "bar", "bar"},
    {"Pressure", "psi", "psi"},
    {"Pressure", "atm", "atm"},
    {"Angle", "deg", "deg"},
    {"Angle", "rad", "rad"},
    {"HeatUnitArea", "J/ft2", "J / ft^2"},
    {"HeatUnitArea", "kJ/m2", "kJ / m^2"},
    {"HeatUnitArea", "BTU/ft2", "BTU / ft^2"},
    {"HeatUnitArea", "kcal/m2", "kcal / m^2"},
    {"HeatUnitArea", "cal/cm2", "cal / cm^2"},
    {"SurfaceToVolume", "1/ft", "1 / ft"},
    {"SurfaceToVolume", "1/m", "1 / m"},
    // The units the command line, calc and the page take beyond the window's lists.
    {"FuelLoad", "kg/ha", "kg / ha"},
    {"FuelLoad", "lb/ac", "lb / ac"},
    {"HeatContent", "J/kg", "J / kg"},
    {"HeatContent", "J/g", "J / g"},
    {"HeatContent", "MJ/kg", "MJ / kg"},
    {"HeatContent", "kcal/kg", "kcal / kg"},
    {"SurfaceToVolume", "1/cm", "1 / cm"},
    {"SurfaceToVolume", "1/in", "1 / in"},
    {"FireLineIntensity", "W/m", "W / m"},
    {"FireLineIntensity", "MW/m", "MW / m"},
    {"FireLineIntensity", "BTU/ft/min", "BTU / ft / min"},
    {"HeatUnitArea", "J/m2", "J / m^2"},
    {"HeatUnitArea", "MJ/m2", "MJ / m^2"},
    {"AreaIntensity", "W/m2", "W / m^2"},
    {"Energy", "MJ", "MJ"},
    {"Energy", "kcal", "kcal"},
    {"Energy", "kWh", "kWh"},
    {"Energy", "cal_IT", "cal_IT"},
    {"Pressure", "hPa", "hPa"},
    {"Pressure", "mbar", "mbar"},
    {"Pressure", "inHg", "inHg"},
    {"Pressure", "mmHg", "mmHg"},
    {"Length", "ftUS", "ftUS"},
    {"Length", "miUS", "miUS"},
};

constexpr int kMaxDepth = 16;

// A recursive-descent reader of unit expressions.
class ExpressionReader {
public:
    ExpressionReader(std::string_view text, int depth) : text_(text), depth_(depth) {}

    std::optional<UnitValue> Read() {
        auto value = Product();
        SkipBlanks();
        if (!value || position_ != text_.size()) {
            return std::nullopt;
        }
        return value;
    }

private:
    void SkipBlanks() {
        while (position_ < text_.size() && text_[position_] == ' ') {
            ++position_;
        }
    }

    bool AtFactorStart() {
        SkipBlanks();
        if (position_ >= text_.size()) {
            return false;
        }
        const char c = text_[position_];
        return c == '(' || c == '_' || std::isalnum(static_cast<unsigned char>(c)) != 0;
    }

    // product := power (("*" | "/" | juxtaposition) power)*
    std::optional<UnitValue> Product() {
        auto value = Power();
        while (value) {
            SkipBlanks();
            const bool divide = position_ < text_.size() && text_[position_] == '/';
            const bool multiply = position_ < text_.size() && text_[position_] == '*';
            if (divide || multiply) {
                ++position_;
            } else if (!AtFactorStart()) {
                break;
            }
            const auto next = Power();
            if (!next) {
                return std::nullopt;
            }
            value->size = divide ? value->size / next->size : value->size * next->size;
            for (std::size_t i = 0; i < value->dimension.exponents.size(); ++i) {
                value->dimension.exponents[i] += (divide ? -1 : 1) * next->dimension.exponents[i];
            }
        }
        return value;
    }

    // power := factor ("^" "-"? digits)?
    std::optional<UnitValue> Power() {
        auto value = Factor();
        SkipBlanks();
        if (!value || position_ >= text_.size() || text_[position_] != '^') {
            return value;
        }
        ++position_;
        const bool negative = position_ < text_.size() && text_[position_] == '-';
        position_ += negative ? 1 : 0;
        int exponent = 0;
        const std::size_t start = position_;
        while (position_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[position_])) != 0) {
            exponent = exponent * 10 + (text_[position_++] - '0');
            // No unit is raised beyond a small power; a long exponent is a malformed expression.
            if (position_ - start > 1) {
                return std::nullopt;
            }
        }
        if (position_ == start) {
            return std::nullopt;
        }
        exponent = negative ? -exponent : exponent;
        value->size = value->size.Power(exponent);
        for (int &each : value->dimension.exponents) {
            each *= exponent;
        }
        return value;
    }

    // factor := number | "pi" | symbol | "(" product ")"
    std::optional<UnitValue> Factor() {
        SkipBlanks();
        if (position_ >= text_.size()) {
            return std::nullopt;
        }
        if (text_[position_] == '(') {
            ++position_;
            auto value = Product();
            SkipBlanks();
            if (!value || position_ >= text_.size() || text_[position_] != ')') {
                return std::nullopt;
            }
            ++position_;
            return value;
        }
        const std::size_t start = position_;
        if (std::isdigit(static_cast<unsigned char>(text_[position_])) != 0) {
            while (position_ < text_.size() &&
                   (std::isdigit(static_cast<unsigned char>(text_[position_])) != 0 ||
                    text_[position_] == '.')) {
                ++position_;
            }
            auto number = ExactRatio::FromDecimal(text_.substr(start, position_ - start));
            if (!number) {
                return std::nullopt;
            }
            return UnitValue{*number, {}};
        }
        while (position_ < text_.size() &&
               (std::isalpha(static_cast<unsigned char>(text_[position_])) != 0 || text_[position_] == '_')) {
            ++position_;
        }
        const std::string_view symbol = text_.substr(start, position_ - start);
        if (symbol == "pi") {
            return UnitValue{ExactRatio::Pi(), {}};
        }
        return SymbolValue(symbol);
    }

    std::optional<UnitValue> SymbolValue(std::string_view symbol) const {
        const NamedUnit *unit = FindNamedUnit(symbol);
        if (unit == nullptr || depth_ >= kMaxDepth) {
            return std::nullopt;
        }
        if (unit->definition.empty()) {
            UnitValue base{ExactRatio(), {}};
            constexpr std::string_view kBases[] = {"m", "kg", "s", "rad"};
            for (std::size_t i = 0; i < std::size(kBases); ++i) {
                base.dimension.exponents[i] = kBases[i] == symbol ? 1 : 0;
            }
            return base;
        }
        return ExpressionReader(unit->definition, depth_ + 1).Read();
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int depth_;
};

// The symbols an expression names, in order, each once.
void CollectSymbols(std::string_view expression, std::vector<std::string_view> &symbols) {
    std::size_t i = 0;
    while (i < expression.size()) {
        if (std::isalpha(static_cast<unsigned char>(expression[i])) == 0 && expression[i] != '_') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < expression.size() &&
               (std::isalpha(static_cast<unsigned char>(expression[i])) != 0 || expression[i] == '_')) {
            ++i;
        }
        const std::string_view symbol = expression.substr(start, i - start);
        bool known = false;
        for (const std::string_view each : symbols) {
            known = known || each == symbol;
        }
        if (!known && symbol != "pi") {
            symbols.push_back(symbol);
        }
    }
}

} // namespace

std::span<const NamedUnit> NamedUnits() {
    return kNamedUnits;
}

const NamedUnit *FindNamedUnit(std::string_view symbol) {
    for (const NamedUnit &unit : kNamedUnits) {
        if (unit.symbol == symbol) {
            return &unit;
        }
    }
    return nullptr;
}

std::optional<UnitValue> Evaluate(std::string_view expression) {
    return ExpressionReader(expression, 0).Read();
}

std::string_view CatalogueUnitExpression(std::string_view className, std::string_view symbol) {
    for (const CatalogueUnit &unit : kCatalogueUnits) {
        if (unit.className == className && unit.symbol == symbol) {
            return unit.expression;
        }
    }
    return {};
}

std::string DefinitionChain(std::string_view expression) {
    // Every symbol the expression names, then every symbol their definitions name, down to SI.
    std::vector<std::string_view> symbols;
    CollectSymbols(expression, symbols);
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const NamedUnit *unit = FindNamedUnit(symbols[i]);
        if (unit != nullptr) {
            CollectSymbols(unit->definition, symbols);
        }
    }
    std::string chain;
    for (const std::string_view symbol : symbols) {
        const NamedUnit *unit = FindNamedUnit(symbol);
        if (unit == nullptr || unit->definition.empty()) {
            continue;
        }
        chain += symbol;
        chain += " (";
        chain += unit->name;
        chain += ") = ";
        chain += unit->definition;
        chain += "  [";
        chain += unit->source;
        chain += "]\n";
    }
    return chain;
}

} // namespace quorlex::definitions
