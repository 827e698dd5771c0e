// The conversion engine for the page: wraps the WebAssembly module's C interface (quorlex-engine.js) in
// plain JavaScript objects. The module writes every text (names, symbols, results, factors, reasons);
// nothing here knows a unit. A classic script: in a browser it defines window.createEngine, in Node.js
// it is require-able.
(function (root) {
    'use strict';

    const AUTOMATIC_PLACES = -1;
    const GENERAL_TEXT = -2;
    const MOST_PLACES = 25;

    // The module's number for a places choice: 'auto', 'general' or 0 to 25.
    function placesCode(places) {
        if (places === 'auto') {
            return AUTOMATIC_PLACES;
        }
        if (places === 'general') {
            return GENERAL_TEXT;
        }
        if (Number.isInteger(places) && places >= 0 && places <= MOST_PLACES) {
            return places;
        }
        throw new RangeError('decimal places are \'auto\', \'general\' or 0 to 25, not ' + String(places));
    }

    // What a call throws when the module itself failed (a trap such as "memory access out of bounds", or
    // no memory for a text). The module it failed in is dropped and a fresh one is started; engineFailure
    // tells it apart from a mistake of the caller.
    class EngineFailure extends Error {
        constructor(message) {
            super(message);
            this.name = 'EngineFailure';
            this.engineFailure = true;
        }
    }

    // createEngine(factory) -> Promise<Engine>, factory being QuorlexEngine from quorlex-engine.js.
    async function createEngine(factory, options) {
        let wasm = await factory(options || {});
        // The start of a fresh module after a failure, while it is under way.
        let restarting = null;

        function restart() {
            wasm = null;
            if (restarting) {
                return;
            }
            restarting = Promise.resolve()
                .then(() => factory(options || {}))
                .then((fresh) => {
                    wasm = fresh;
                    restarting = null;
                }, () => {
                    // The next call tries again.
                    restarting = null;
                });
        }

        // Calls the module's function name. Each text argument is copied into the module's heap as UTF-8
        // and passed as its address and its length in bytes, so that a text of any length fits (the
        // module's stack is a few MiB) and a text holding a NUL character is read whole; the copies are
        // freed after the call. Returns the function's text answer, or its number when numeric is set.
        function call(name, args, numeric) {
            const module = wasm;
            if (!module) {
                if (!restarting) {
                    restart();
                }
                throw new EngineFailure('the converter is starting again after a failure');
            }
            const copies = [];
            let answer;
            try {
                const actual = [];
                for (const arg of args) {
                    if (arg instanceof Uint8Array) {
                        // Bytes as they are (a piece of a file): address and length, no text decoding.
                        const address = module._malloc(arg.length || 1);
                        if (!address) {
                            throw new Error('no memory for ' + arg.length + ' bytes');
                        }
                        copies.push(address);
                        module.HEAPU8.set(arg, address);
                        actual.push(address, arg.length);
                        continue;
                    }
                    if (typeof arg !== 'string') {
                        actual.push(arg);
                        continue;
                    }
                    const bytes = module.lengthBytesUTF8(arg);
                    const address = module._malloc(bytes + 1);
                    if (!address) {
                        throw new Error('no memory for a text of ' + bytes + ' bytes');
                    }
                    copies.push(address);
                    module.stringToUTF8(arg, address, bytes + 1);
                    actual.push(address, bytes);
                }
                const result = module['_' + name](...actual);
                answer = numeric ? result : module.UTF8ToString(result);
            } catch (error) {
                // The module may be broken past this call: start a fresh one instead of freeing anything.
                restart();
                throw new EngineFailure('the converter failed (' + String(error && error.message ? error.message : error) + ')');
            }
            for (const address of copies) {
                module._free(address);
            }
            return answer;
        }

        const json = (name, args) => JSON.parse(call(name, args, false));
        // A text's length in UTF-8 bytes as the module's copy counts it (plain JavaScript, the same in every
        // module).
        const size = wasm.lengthBytesUTF8;
        const NOT_GIVEN = -2;
        const NO_UNIT = -1;

        const categories = json('qx_catalogue', []);
        const relations = json('qx_relations', []);
        const currentOf = (category) => (Number.isInteger(category) ? category : -1);
        return Object.freeze({
            categories,
            relations,
            // The units a name names, as { category, unit }; none, with the array's reason set, for a name
            // refused for a reason of its own ("m^999", "t/ac").
            lookup(name) {
                const found = json('qx_lookup', [String(name)]);
                if (!Array.isArray(found)) {
                    return Object.assign([], { reason: found.reason });
                }
                return found.map(([category, unit]) => ({ category, unit }));
            },
            // tables: convert by the desktop window's factor tables instead of the units' exact definitions.
            convert(category, from, to, valueText, places, comma, tables) {
                const code = placesCode(places);
                return json('qx_convert', [category, from, to, String(valueText), code, comma ? 1 : 0, tables ? 1 : 0]);
            },
            convertAll(category, from, valueText, places, comma, tables) {
                const code = placesCode(places);
                return json('qx_convert_all', [category, from, String(valueText), code, comma ? 1 : 0, tables ? 1 : 0]);
            },
            // The lines that say how the conversion is worked out: definitions, sources and factors.
            explain(category, from, to, valueText, comma, tables) {
                return json('qx_explain', [category, from, to, String(valueText), comma ? 1 : 0, tables ? 1 : 0]);
            },
            readLine(line, currentCategory) {
                return json('qx_read_line', [String(line), currentOf(currentCategory)]);
            },
            // inputs: one {value, unit, given} per input of the relation: unit a position of the input's
            // units (none for a plain number or a time "1:30"), given false when its fallback stands for it.
            // outputUnit: a position of the output's units, or -1 for the formula's.
            calculate(id, inputs, outputUnit, places, comma) {
                const code = placesCode(places);
                const values = [];
                const units = [];
                for (const input of inputs) {
                    const value = String(input.value === undefined ? '' : input.value);
                    values.push(size(value) + ':' + value);
                    units.push(input.given === false ? NOT_GIVEN : Number.isInteger(input.unit) ? input.unit : NO_UNIT);
                }
                const output = Number.isInteger(outputUnit) ? outputUnit : NO_UNIT;
                return json('qx_calculate', [String(id), values.join(''), units.join(','), output, code, comma ? 1 : 0]);
            },
            // A pasted block converted line by line (column: 1-based in tab-separated lines, 0 for whole
            // lines): { copy, shown, refused, lines, columns }, or a refusal.
            convertLines(category, from, to, text, column, header, places, comma, tables) {
                return json('qx_convert_lines', [category, from, to, String(text), column, header ? 1 : 0,
                    placesCode(places), comma ? 1 : 0, tables ? 1 : 0]);
            },
            // The first records of a delimited file's first bytes: { records: [[field, ...]], fault }.
            tablePreview(bytes, delimiter, records) {
                return json('qx_table_preview', [bytes, delimiter.charCodeAt(0), records]);
            },
            // A file's column converted as quorlex-convert --csv converts it: begin with the choices, then
            // feed its bytes piece by piece; each piece gives { answer, output } with the output's bytes.
            tableBegin(choice) {
                return json('qx_table_begin', [choice.category, choice.from, choice.to, String(choice.column),
                    choice.header ? 1 : 0, choice.delimiter.charCodeAt(0), choice.replace ? 1 : 0,
                    placesCode(choice.places), choice.comma ? 1 : 0, choice.tables ? 1 : 0, choice.keepGoing ? 1 : 0]);
            },
            // A fire calculation over a file's rows, as calc --csv computes it: inputs as calculate takes
            // them, each with its column (a header name or a position; '' for the value given).
            tableCalcBegin(id, inputs, outputUnit, choice) {
                const values = [];
                const units = [];
                const columns = [];
                for (const input of inputs) {
                    const value = String(input.value === undefined ? '' : input.value);
                    const column = String(input.column || '');
                    values.push(size(value) + ':' + value);
                    columns.push(size(column) + ':' + column);
                    units.push(input.given === false && !column ? NOT_GIVEN : Number.isInteger(input.unit) ? input.unit : NO_UNIT);
                }
                const output = Number.isInteger(outputUnit) ? outputUnit : NO_UNIT;
                return json('qx_table_calc_begin', [String(id), values.join(''), units.join(','), columns.join(''), output,
                    choice.header ? 1 : 0, choice.delimiter.charCodeAt(0), placesCode(choice.places), choice.comma ? 1 : 0,
                    choice.keepGoing ? 1 : 0, choice.details ? 1 : 0]);
            },
            tableFeed(bytes, final) {
                const answer = json('qx_table_feed', [bytes, final ? 1 : 0]);
                if (!answer.ok) {
                    return { answer, output: new Uint8Array(0) };
                }
                const address = call('qx_table_output', [], true);
                return { answer, output: wasm.HEAPU8.slice(address, address + answer.size) };
            },
            // The standard fuel models in English or metric units: { system, sources, mostBytes, fields, models }.
            fuelModels(metric) {
                return json('qx_fuel_models', [metric ? 1 : 0]);
            },
            // A custom fuel model file's bytes read and checked: { ok, system, fields, models, findings, ... }.
            fmdRead(bytes) {
                return json('qx_fmd_read', [bytes]);
            },
            // The file in English or metric units, as quorlex-convert fmd --to writes it: { answer, output }.
            fmdConvert(bytes, metric, keepGoing) {
                const answer = json('qx_fmd_convert', [bytes, metric ? 1 : 0, keepGoing ? 1 : 0]);
                if (!answer.ok) {
                    return { answer, output: new Uint8Array(0) };
                }
                const address = call('qx_fmd_output', [], true);
                return { answer, output: wasm.HEAPU8.slice(address, address + answer.size) };
            },
            isNumberStart(valueText, comma) {
                return call('qx_is_number_start', [String(valueText), comma ? 1 : 0], true) === 1;
            },
        });
    }

    if (typeof module === 'object' && module.exports) {
        module.exports = { createEngine, EngineFailure };
    }
    if (typeof window !== 'undefined') {
        window.createEngine = createEngine;
    } else if (root) {
        root.createEngine = createEngine;
    }
})(typeof globalThis !== 'undefined' ? globalThis : this);
