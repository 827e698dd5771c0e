#pragma once

// The fire calculations in the engine's plain C interface (see EngineApi.h for how texts and places are
// passed and answered).
extern "C" {

// [{"id","title","formula","units","source","chart","inverse","inputs":[QUANTITY],"output":QUANTITY}]
// in list order; a QUANTITY is {"name","title","sign","category","kind","units":[{"index","symbol","name"}],
// "formulaUnit","range","fallback"}: kind "category", "time" or "number", formulaUnit -1 for a plain
// number, range "" when any value is allowed, fallback null when the input must be given.
const char *qx_relations();

// One calculation of the relation id. values: each input's value text as "LENGTH:TEXT", LENGTH its UTF-8
// bytes, one after the other in the inputs' order. units: each input's unit position, comma-separated:
// -2 not given (its fallback stands for it), -1 no unit (a plain number, or a time "H:MM"). outputUnit:
// a position of the output's units, -1 the formula's. A time written "1:30" is one and a half hours
// whatever unit is chosen for it.
// {"ok":true,"result","unit","places","chartClass","chartText","warnings":[...]} or
// {"ok":false,"kind","input","reason"}: kind "blank", "value", "missing" or "unit" (input names the
// input), "answer" (input null), "bad-arguments" or "internal".
const char *qx_calculate(const char *id, int idLength, const char *values, int valuesLength,
                         const char *units, int unitsLength, int outputUnit, int places, int comma);

// Starts a calculation over the rows of a delimited file, as quorlex-convert --csv FILE calc ID does:
// values, units and outputUnit as qx_calculate takes them; columns: each input's column (a header name, or
// a 1-based position without a header) as "LENGTH:TEXT", empty for an input that takes its value. Its
// pieces then go to qx_table_feed. {"ok":true} or a refusal.
const char *qx_table_calc_begin(const char *id, int idLength, const char *values, int valuesLength,
                                const char *units, int unitsLength, const char *columns, int columnsLength,
                                int outputUnit, int header, int delimiter, int places, int comma,
                                int keepGoing, int details);
}
