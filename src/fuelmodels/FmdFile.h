#pragma once

#include "fuelmodels/FieldUnits.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorlex::fuelmodels {

// A custom fuel model file (.FMD) as FARSITE and FlamMap read it: an optional first line ENGLISH or METRIC
// (English when there is none), then one model a line in one of two forms, fields apart by blanks or tabs:
//   FlamMap:   FMNum FMCode 1H 10H 100H LiveH LiveW FMType 1HSAV LiveHSAV LiveWSAV Depth XtMoist DHt LHt
//   FMName FARSITE 4: FMod 1H 10H 100H LiveH LiveW 1HSAV LiveHSAV LiveWSAV Depth XtMoist DHt LHt
// (FlamMap 6 help, "Custom Fuel Model File (.FMD)"; FARSITE 4 help, the same page). The name is the rest of
// the line and may hold blanks. Blank lines and lines starting with '#' are kept as they are.

// A field's place in its line, in bytes.
struct Token {
    std::size_t begin = 0;
    std::size_t end = 0;
};

enum class LineKind { Units, Blank, Comment, Model };
enum class LineForm { FlamMap, Farsite };

struct FmdLine {
    std::size_t number = 0; // 1-based
    LineKind kind = LineKind::Blank;
    std::string text;   // the line without its ending
    std::string ending; // "\n", "\r\n" or "" for a last line without one
    LineForm form = LineForm::FlamMap;
    std::vector<Token> tokens; // the fields before the name: 15 (FlamMap) or 13 (FARSITE 4) when whole
    Token name;                // FlamMap form: the rest of the line after the 15th field, blanks kept

    std::string_view Text(const Token &token) const {
        return std::string_view(text).substr(token.begin, token.end - token.begin);
    }
};

// Whether a text is FlamMap's FMType: static or dynamic, in any letter case.
bool IsModelType(std::string_view text);

// The position of a numeric field among a line's fields, by form; the number is field 0 in both forms.
std::size_t TokenIndex(LineForm form, Field field);
inline constexpr std::size_t kFlamMapFields = 15;
inline constexpr std::size_t kFarsiteFields = 13;

struct FmdFile {
    std::string byteOrderMark; // a UTF-8 byte order mark the file starts with, kept
    UnitSystem system = UnitSystem::English;
    bool statesSystem = false; // the first line is ENGLISH or METRIC
    std::vector<FmdLine> lines;
};

// A fault that makes a text no custom fuel model file at all: reading stops at it.
struct FmdFault {
    std::size_t line = 0;
    std::string message;
};

// The largest file read, in bytes: 256 models of 255 characters fit in a small part of it.
inline constexpr std::size_t kMostFileBytes = std::size_t{1} << 20;

// Reads a file's text. Refuses (nullopt, with the fault) text over kMostFileBytes, a NUL byte or another
// control character outside tab, CR and LF (a binary file), and a file that holds no model line.
std::optional<FmdFile> ReadFmd(std::string_view text, FmdFault &fault);

} // namespace quorlex::fuelmodels
