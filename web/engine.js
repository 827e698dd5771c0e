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

    // createEngine(factory) -> Promise<Engine>, factory being QuorlexEngine from quorlex-engine.js.
    async function createEngine(factory, options) {
        const wasm = await factory(options || {});
        const text = (name, args) => wasm.cwrap(name, 'string', args);
        const number = (name, args) => wasm.cwrap(name, 'number', args);
        const catalogue = text('qx_catalogue', []);
        // Every text goes with its length in UTF-8 bytes, so that the engine reads a text holding a NUL
        // character whole instead of only up to it.
        const lookup = text('qx_lookup', ['string', 'number']);
        const convert = text('qx_convert', ['number', 'number', 'number', 'string', 'number', 'number', 'number']);
        const convertAll = text('qx_convert_all', ['number', 'number', 'string', 'number', 'number', 'number']);
        const readLine = text('qx_read_line', ['string', 'number', 'number']);
        const isNumberStart = number('qx_is_number_start', ['string', 'number', 'number']);
        const relationsJson = text('qx_relations', []);
        const calculate = text('qx_calculate',
            ['string', 'number', 'string', 'number', 'string', 'number', 'number', 'number', 'number']);
        const size = (value) => wasm.lengthBytesUTF8(value);
        const NOT_GIVEN = -2;
        const NO_UNIT = -1;

        const categories = JSON.parse(catalogue());
        const relations = JSON.parse(relationsJson());
        const currentOf = (category) => (Number.isInteger(category) ? category : -1);
        return Object.freeze({
            categories,
            relations,
            lookup(name) {
                return JSON.parse(lookup(String(name), size(String(name)))).map(([category, unit]) => ({ category, unit }));
            },
            convert(category, from, to, valueText, places, comma) {
                const value = String(valueText);
                return JSON.parse(convert(category, from, to, value, size(value), placesCode(places), comma ? 1 : 0));
            },
            convertAll(category, from, valueText, places, comma) {
                const value = String(valueText);
                return JSON.parse(convertAll(category, from, value, size(value), placesCode(places), comma ? 1 : 0));
            },
            readLine(line, currentCategory) {
                const text = String(line);
                return JSON.parse(readLine(text, size(text), currentOf(currentCategory)));
            },
            // inputs: one {value, unit, given} per input of the relation: unit a position of the input's
            // units (none for a plain number or a time "1:30"), given false when its fallback stands for it.
            // outputUnit: a position of the output's units, or -1 for the formula's.
            calculate(id, inputs, outputUnit, places, comma) {
                const name = String(id);
                let values = '';
                const units = [];
                for (const input of inputs) {
                    const value = String(input.value === undefined ? '' : input.value);
                    values += size(value) + ':' + value;
                    units.push(input.given === false ? NOT_GIVEN : Number.isInteger(input.unit) ? input.unit : NO_UNIT);
                }
                const unitsText = units.join(',');
                const output = Number.isInteger(outputUnit) ? outputUnit : NO_UNIT;
                return JSON.parse(calculate(name, size(name), values, size(values), unitsText, size(unitsText), output,
                    placesCode(places), comma ? 1 : 0));
            },
            isNumberStart(valueText, comma) {
                const value = String(valueText);
                return isNumberStart(value, size(value), comma ? 1 : 0) === 1;
            },
        });
    }

    if (typeof module === 'object' && module.exports) {
        module.exports = { createEngine };
    }
    if (typeof window !== 'undefined') {
        window.createEngine = createEngine;
    } else if (root) {
        root.createEngine = createEngine;
    }
})(typeof globalThis !== 'undefined' ? globalThis : this);
