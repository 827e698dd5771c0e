// A run over a delimited text handed over in pieces: whatever the pieces, the same bytes come out, and
// the same refusals with the same line numbers. The command line hands over blocks of 1 MiB, the web page
// the pieces a browser reads; both must give what one piece gives.
#include "conversion/UnitChoice.h"
#include "delimited/ColumnConversion.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace quorlex;
using namespace quorlex::delimited;

class Collected : public RowRefusals {
public:
    void Refuse(const std::string &where, const std::string &what) override {
        said.push_back(where + ": " + what);
    }
    std::vector<std::string> said;
};

std::string Describe(const conversion::ValueConverter &converter, conversion::ValueConverter::Refusal refusal,
                     std::string_view text) {
    return converter.Describe(refusal, text);
}

struct Outcome {
    std::string written;
    std::vector<std::string> refusals;
};

// Converts the column "load" of text from ton/ac to Mg/ha, handing the text over `piece` bytes at a time
// (a piece grows until the run takes some of it, as a reader's buffer does).
Outcome ConvertInPieces(const std::string &text, std::size_t piece) {
    conversion::Refusal refusal;
    const auto units = conversion::ChooseUnits("ton/ac", "Mg/ha", -1, -1, refusal);
    conversion::ValueConverter converter(units, conversion::ResultStyle::Automatic, 0,
                                         conversion::DecimalMark::Period);
    Collected refusals;
    ColumnConversion run({"load", true, ',', false, "Mg/ha"}, converter, refusals, &Describe);
    Outcome outcome;
    std::size_t start = 0;
    std::size_t end = 0;
    while (!run.Finished()) {
        end = std::min(text.size(), end + piece);
        start +=
            run.Feed(std::string_view(text).substr(start, end - start), end == text.size(), outcome.written);
    }
    EXPECT_EQ(start, text.size());
    outcome.refusals = refusals.said;
    return outcome;
}

TEST(TableRun, GivesTheSameBytesAndRefusalsWhateverThePieces) {
    const std::string texts[] = {
        "\xEF\xBB\xBFplot,load\r\n1,2.5\r\n\r\n\"2,b\",\"1\"\r\n3,x\r\n4,\r\n5",
        "load\n\"quoted\nheader\"\n1\n\n\n2\n",
        "plot,load\n1\n2,3,4\n",
        "",
        "\xEF\xBB,load\n1,2\n", // the start of a byte order mark, and no more of it
    };
    for (const std::string &text : texts) {
        const Outcome whole = ConvertInPieces(text, text.size() + 1);
        for (std::size_t piece = 1; piece <= text.size(); ++piece) {
            const Outcome pieces = ConvertInPieces(text, piece);
            EXPECT_EQ(pieces.written, whole.written) << text << " in pieces of " << piece;
            EXPECT_EQ(pieces.refusals, whole.refusals) << text << " in pieces of " << piece;
        }
    }
    const Outcome first = ConvertInPieces(texts[0], 7);
    // 1 ton/ac is 907.18474 kg / 4046.8564224 m2 = 2.24170231238891 Mg/ha.
    EXPECT_EQ(first.written, "\xEF\xBB\xBFplot,load,load [Mg/ha]\r\n1,2.5,5.60425578097228\r\n\r\n"
                             "\"2,b\",\"1\",2.24170231238891\r\n3,x,\r\n4,,\r\n5");
    EXPECT_EQ(first.refusals, (std::vector<std::string>{"line 5, column \"load\": \"x\" is not a number",
                                                        "line 7: the row has 1 field, no column \"load\""}));
    EXPECT_EQ(ConvertInPieces(texts[2], 3).refusals,
              std::vector<std::string>{"line 2: the row has 1 field, no column \"load\""});
}

TEST(TableRun, WritesNothingForAColumnTheHeaderLacksAndNamesTheLineOfAFault) {
    conversion::Refusal refusal;
    const auto units = conversion::ChooseUnits("ton/ac", "Mg/ha", -1, -1, refusal);
    conversion::ValueConverter converter(units, conversion::ResultStyle::Automatic, 0,
                                         conversion::DecimalMark::Period);
    StopAtFirst stop;
    std::string written;
    ColumnConversion missing({"weight", true, ',', false, "Mg/ha"}, converter, stop, &Describe);
    EXPECT_THROW(missing.Feed("\xEF\xBB\xBFplot,load\n1,2\n", true, written), LayoutError);
    EXPECT_EQ(written, "");
    ColumnConversion unclosed({"load", true, ',', false, "Mg/ha"}, converter, stop, &Describe);
    try {
        unclosed.Feed("load\n1\n\"2\n3\n", true, written);
        ADD_FAILURE() << "an unclosed quote was read";
    } catch (const InputFault &fault) {
        EXPECT_STREQ(fault.what(), "line 3: a quoted field is not closed before the end of the input");
    }
}

} // namespace
