#pragma once

// Fuel models in the engine's plain C interface (see EngineApi.h for how texts are passed and answered).
extern "C" {

// The standard fuel models in English (metric 0) or metric units:
// {"system","sources","mostBytes","fields":[FIELD],"models":[{"number","code","name","dynamic","source",
// "values"}]} (mostBytes: the largest file qx_fmd_read reads),
// a FIELD being {"label","unit","category","unitIndex"} (the catalogue position of the unit, -1 for the
// percent) and "values" one text per field: the five loads, the 1-h, 10-h, 100-h, live herbaceous and live
// woody ratios, the depth, the moisture of extinction and the two heat contents.
const char *qx_fuel_models(int metric);

// A custom fuel model file's bytes read and checked: {"ok":true,"system","fields":[FIELD],
// "models":[{"line","number","code","type","name","values"}],"findings":[{"line","error","message"}],
// "summary"} (the sentence fmd --check ends with), "code", "type" and "name" null in FARSITE 4's form
// and a value null where the line lacks it; or {"ok":false,"kind":"file","line","reason"} for bytes that
// are no such file.
const char *qx_fmd_read(const char *bytes, int length);

// The file converted to English (metric 0) or metric units, as quorlex-convert fmd --to converts it:
// {"ok":true,"size","unchanged"} with the output's bytes at qx_fmd_output(), or a refusal of kind "file"
// or, without keepGoing, "errors" ("errors on lines 2, 3").
const char *qx_fmd_convert(const char *bytes, int length, int metric, int keepGoing);
const char *qx_fmd_output();
}
