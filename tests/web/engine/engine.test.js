// The WebAssembly module of a web build answers every call as the same commit's binding run natively
// (quorlex-web-probe) does, byte for byte: the catalogue, the lookup of every unit as CATEGORY:INDEX and by
// its names, every unit pair with the hostile value texts and generated values in four decimal-places
// modes, the VALUE FROM TO lines, the starts of numbers, every fire calculation with each input's
// hostile and generated values in several of its units, and the fuel models and fuel model files. Both sides are computed here; no expected
// text is kept. Run by ctest with QUORLEX_WEB_BUILD_DIR, QUORLEX_WEB_PROBE and QUORLEX_SOURCE_DIR set.
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { readCases } = require('./cases.js');

const webBuild = process.env.QUORLEX_WEB_BUILD_DIR || '';
const probe = process.env.QUORLEX_WEB_PROBE;
const sourceDir = process.env.QUORLEX_SOURCE_DIR || path.join(__dirname, '..', '..', '..');
const moduleFile = webBuild && path.join(webBuild, 'quorlex-engine.js');
const skip = moduleFile && fs.existsSync(moduleFile) ? false : 'no web build to compare (set QUORLEX_WEB_BUILD_DIR)';

const PLACES_MODES = [-1, 0, 5, 25];

// The hostile texts, with their escapes undone (a NUL among them: every text goes with its length).
function hostileValues() {
    const file = path.join(sourceDir, 'tests', 'data', 'hostile-values.tsv');
    const escapes = { t: '\t', n: '\n', r: '\r', 0: '\0', '\\': '\\' };
    return fs
        .readFileSync(file, 'utf8')
        .split('\n')
        .filter((line) => line && !line.startsWith('#'))
        .map((line) => line.split('\t')[1] || '')
        .map((text) => text.replace(/\\(.)/g, (whole, c) => (c in escapes ? escapes[c] : c)));
}

// Values from a seeded generator: signs, digit counts and exponents across the whole range of a double,
// in plain, exponent and grouped forms.
function generatedValues(count, seed) {
    let state = seed >>> 0;
    const next = () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
    const digits = (n) => Array.from({ length: n }, () => Math.floor(next() * 10)).join('');
    const values = [];
    for (let i = 0; i < count; ++i) {
        const sign = next() < 0.3 ? '-' : '';
        const whole = String(Number(digits(1 + Math.floor(next() * 8))));
        const fraction = digits(Math.floor(next() * 17));
        const form = Math.floor(next() * 3);
        if (form === 0) {
            values.push(sign + whole + (fraction ? '.' + fraction : ''));
        } else if (form === 1) {
            const exponent = Math.floor(next() * 640) - 325;
            values.push(sign + whole + '.' + (fraction || '0') + 'E' + exponent);
        } else {
            values.push(sign + Number(whole).toLocaleString('en-US') + (fraction ? '.' + fraction : ''));
        }
    }
    return values;
}

const hex = (text) => Buffer.from(text, 'utf8').toString('hex');

// Every call twice: as a probe line, and as the same call to the module.
class Calls {
    constructor() {
        this.lines = [];
        this.calls = [];
    }
    add(line, call, what) {
        this.lines.push(line.join('\t'));
        this.calls.push({ call, what });
    }
}

function buildCalls(catalogue, wasm) {
    // Every text goes to the module with its length in UTF-8 bytes, as engine.js passes it.
    const size = (text) => wasm.lengthBytesUTF8(text);
    const raw = {
        lookup: wasm.cwrap('qx_lookup', 'string', ['string', 'number']),
        convert: wasm.cwrap('qx_convert', 'string', ['number', 'number', 'number', 'string', 'number', 'number', 'number', 'number']),
        all: wasm.cwrap('qx_convert_all', 'string', ['number', 'number', 'string', 'number', 'number', 'number', 'number']),
        explain: wasm.cwrap('qx_explain', 'string', ['number', 'number', 'number', 'string', 'number', 'number', 'number']),
        line: wasm.cwrap('qx_read_line', 'string', ['string', 'number', 'number']),
        start: wasm.cwrap('qx_is_number_start', 'number', ['string', 'number', 'number']),
        calc: wasm.cwrap('qx_calculate', 'string',
            ['string', 'number', 'string', 'number', 'string', 'number', 'number', 'number', 'number']),
    };
    const c = {
        catalogue: wasm.cwrap('qx_catalogue', 'string', []),
        lookup: (name) => raw.lookup(name, size(name)),
        convert: (category, from, to, value, places, comma, tables) =>
            raw.convert(category, from, to, value, size(value), places, comma, tables),
        all: (category, from, value, places, comma, tables) => raw.all(category, from, value, size(value), places, comma, tables),
        explain: (category, from, to, value, comma, tables) =>
            raw.explain(category, from, to, value, size(value), comma, tables),
        line: (line, current) => raw.line(line, size(line), current),
        start: (text, comma) => raw.start(text, size(text), comma),
        count: wasm.cwrap('qx_category_count', 'number', []),
        relations: wasm.cwrap('qx_relations', 'string', []),
        calc: (id, values, units, output, places, comma) =>
            raw.calc(id, size(id), values, size(values), units, size(units), output, places, comma),
    };
    const values = [...hostileValues(), ...generatedValues(120, 20240518)];
    const calls = new Calls();
    calls.add(['count'], () => String(c.count()), 'count');
    calls.add(['catalogue'], () => c.catalogue(), 'catalogue');
    // Field spellings and units as papers write them, taken or refused with their reasons alike.
    const written = ['t/ha', 'MPH', 'fpm', 'chains/hr', 'Btu/ft2/s', 't/ac', 'tpa', 'Mg ha-1', 'Mg\u00B7ha\u207B\u00B9',
        'kg/m^2', 'BTU ft-1 s-1', 'm2 ha-1', 'ton/ac-ft', 'W', 'm/km', 'g ha-1', 'm^999', 'm^-', 'm '.repeat(101)];
    for (const name of written) {
        calls.add(['lookup', hex(name)], () => c.lookup(name), 'lookup ' + name);
        const line = '12.5 "' + name + '" kg/m2';
        calls.add(['line', hex(line), '-1'], () => c.line(line, -1), 'line ' + line);
    }
    for (const category of catalogue) {
        for (const unit of category.units) {
            const name = category.className + ':' + unit.index;
            calls.add(['lookup', hex(name)], () => c.lookup(name), 'lookup ' + name);
            for (const alias of [unit.symbol, unit.name, unit.symbol.toUpperCase()]) {
                calls.add(['lookup', hex(alias)], () => c.lookup(alias), 'lookup ' + alias);
            }
            for (const to of category.units) {
                const line = '12.5 ' + name + ' ' + category.className + ':' + to.index;
                calls.add(['line', hex(line), '-1'], () => c.line(line, -1), 'line ' + line);
                calls.add(['line', hex(line.slice(5) + ' 3'), String(category.index)],
                    () => c.line(line.slice(5) + ' 3', category.index), 'line ' + line);
            }
            // The exact factors in every places mode, the window's tables in the automatic places.
            for (const [places, tables] of [...PLACES_MODES.map((mode) => [mode, 0]), [-1, 1]]) {
                for (const value of values) {
                    calls.add(['all', category.index, unit.index, hex(value), places, 0, tables],
                        () => c.all(category.index, unit.index, value, places, 0, tables),
                        `convertAll ${name} ${JSON.stringify(value)} places ${places} tables ${tables}`);
                }
            }
            // The decimal comma, and convert for every pair, on every seventh value.
            for (let i = 0; i < values.length; i += 7) {
                const value = values[i].replace(/,/g, '').replace('.', ',');
                calls.add(['all', category.index, unit.index, hex(value), -1, 1, 0],
                    () => c.all(category.index, unit.index, value, -1, 1, 0),
                    `convertAll ${name} ${JSON.stringify(value)} comma`);
                for (const to of category.units) {
                    if (i === 0) {
                        for (const tables of [0, 1]) {
                            calls.add(['explain', category.index, unit.index, to.index, hex(values[i]), 0, tables],
                                () => c.explain(category.index, unit.index, to.index, values[i], 0, tables),
                                `explain ${name} to ${to.index} ${JSON.stringify(values[i])} tables ${tables}`);
                        }
                    }
                    for (const [places, tables] of [[-2, 0], [3, 0], [-2, 1]]) {
                        calls.add(['convert', category.index, unit.index, to.index, hex(values[i]), places, 0, tables],
                            () => c.convert(category.index, unit.index, to.index, values[i], places, 0, tables),
                            `convert ${name} to ${to.index} ${JSON.stringify(values[i])} places ${places} tables ${tables}`);
                    }
                }
            }
        }
    }
    for (const line of ['', '1 deg deg', '1 deg %', '"12 tons', '1 g K', '1 gramz kg', 'g kg 1 2', 'x']) {
        for (const current of [-1, 11, 13, 15]) {
            calls.add(['line', hex(line), current], () => c.line(line, current), 'line ' + line);
        }
    }
    for (const value of values) {
        for (const prefix of [value, value.slice(0, 1), value.slice(0, 2), value.slice(0, -1)]) {
            for (const comma of [0, 1]) {
                calls.add(['start', hex(prefix), comma], () => String(c.start(prefix, comma)),
                    `isNumberStart ${JSON.stringify(prefix)} ${comma}`);
            }
        }
    }
    addCalculations(calls, c, values, size);
    addFuelModels(calls, wasm);
    return calls;
}

// The fuel models: the standard ones in both systems, and every custom fuel model file of the command
// line's cases and hostile ones read, checked and converted both ways, with and without keep going.
function addFuelModels(calls, wasm) {
    const withBytes = (name, bytes, ...rest) => {
        const address = wasm._malloc(bytes.length || 1);
        wasm.HEAPU8.set(bytes, address);
        const answer = wasm.UTF8ToString(wasm['_' + name](address, bytes.length, ...rest));
        wasm._free(address);
        return answer;
    };
    for (const metric of [0, 1]) {
        calls.add(['fuelmodels', metric], () => wasm.UTF8ToString(wasm._qx_fuel_models(metric)), `fuel models ${metric}`);
    }
    const files = [];
    for (const c of readCases(path.join(sourceDir, 'tests', 'cli', 'cases', 'fuelmodels.cases'))) {
        files.push(...Object.values(c.files));
    }
    const model = '20 GR 1 0 0 0 0 dynamic 2000 1800 1500 1 20 8000 8000 Name\n';
    files.push(Buffer.from(''), Buffer.from('ENGLISH\r\n'), Buffer.from('\0'), Buffer.from('\uFEFFMETRIC\n' + model),
        Buffer.concat([Buffer.from(model.slice(0, -5)), Buffer.from([0xff, 0xfe, 0x0a])]),
        Buffer.from(model.repeat(30000)), Buffer.from('1 '.repeat(100000)));
    for (const bytes of files) {
        const what = JSON.stringify(bytes.subarray(0, 60).toString('latin1'));
        calls.add(['fmdread', bytes.toString('hex')], () => withBytes('qx_fmd_read', bytes), `fmd read ${what}`);
        for (const [metric, keepGoing] of [[0, 0], [1, 0], [1, 1]]) {
            calls.add(['fmdconvert', bytes.toString('hex'), metric, keepGoing], () => {
                const answer = withBytes('qx_fmd_convert', bytes, metric, keepGoing);
                const size = JSON.parse(answer).size || 0;
                const at = wasm._qx_fmd_output();
                return answer + '\t' + Buffer.from(wasm.HEAPU8.subarray(at, at + size)).toString('hex');
            }, `fmd convert ${what} metric ${metric} keep going ${keepGoing}`);
        }
    }
}

// Some of a list's positions: all of a short list, else the ends, the middle and the one given.
function someOf(count, also) {
    const all = Array.from({ length: count }, (_, i) => i);
    if (count <= 4) {
        return all;
    }
    return [...new Set([0, Math.floor(count / 2), count - 1, also].filter((i) => i >= 0))];
}

// Every relation: each input in turn takes the hostile and generated values in several of its units (the
// others a fair value in the formula's unit), the answer in several units and places modes, inputs left
// to their fallback, and malformed arguments.
function addCalculations(calls, c, values, size) {
    calls.add(['relations'], () => c.relations(), 'relations');
    const relations = JSON.parse(c.relations());
    const fair = ['10', '1:30', '1:24,000', '0', '99.5', '2,5', '1e3', '1.2'];
    const joined = (texts) => texts.map((text) => size(text) + ':' + text).join('');
    const add = (id, texts, units, output, places, comma) => {
        const valueText = joined(texts);
        const unitText = units.join(',');
        calls.add(['calc', hex(id), hex(valueText), hex(unitText), output, places, comma],
            () => c.calc(id, valueText, unitText, output, places, comma),
            `calculate ${id} ${JSON.stringify(texts)} units ${unitText} to ${output} places ${places} comma ${comma}`);
    };
    for (const relation of relations) {
        const base = relation.inputs.map((input) => ((input.kind === 'number' || input.kind === 'scale') && input.formulaUnit < 0 ? -1 : Math.max(0, input.formulaUnit)));
        const baseTexts = relation.inputs.map(() => '10');
        relation.inputs.forEach((input, i) => {
            const unitChoices = input.units.length ? someOf(input.units.length, input.formulaUnit) : [-1];
            for (const unit of unitChoices) {
                for (const value of [...values, ...fair]) {
                    const texts = baseTexts.slice();
                    texts[i] = value;
                    const units = base.slice();
                    units[i] = unit;
                    add(relation.id, texts, units, -1, -1, 0);
                }
            }
            if (input.fallback !== null) {
                const units = base.slice();
                units[i] = -2;
                add(relation.id, baseTexts, units, -1, -1, 0);
            } else {
                const units = base.slice();
                units[i] = -2;
                add(relation.id, baseTexts, units, -1, -1, 0); // missing
            }
            const wrong = base.slice();
            wrong[i] = input.units.length + 3;
            add(relation.id, baseTexts, wrong, -1, -1, 0);
        });
        const outputs = [-1, ...someOf(relation.output.units.length, relation.output.formulaUnit)];
        for (const output of outputs) {
            for (const places of [-2, -1, 0, 5, 25]) {
                for (let v = 0; v < values.length; v += 11) {
                    add(relation.id, relation.inputs.map(() => values[v]), base, output, places, 0);
                    add(relation.id, relation.inputs.map(() => values[v].replace(/,/g, '').replace('.', ',')), base,
                        output, places, 1);
                }
            }
        }
        add(relation.id, baseTexts, base, relation.output.units.length, -1, 0);
        add(relation.id, baseTexts.slice(1), base.slice(1), -1, -1, 0);
        add(relation.id, baseTexts, base, -1, 26, 0);
    }
    const id = relations[0].id;
    for (const [valueText, unitText] of [['9:10', '0'], ['2:10', '0,'], ['x', '0'], ['', ''], ['1:', '0'],
        ['99999999999999999999:1', '0'], ['2:10', '99999999999']]) {
        calls.add(['calc', hex(id), hex(valueText), hex(unitText), -1, -1, 0],
            () => c.calc(id, valueText, unitText, -1, -1, 0), `calculate ${id} raw ${valueText} ${unitText}`);
    }
    for (const unknown of ['', 'flame length', 'FLAME-LENGTH', 'flame-length\0']) {
        calls.add(['calc', hex(unknown), hex('2:10'), hex('0'), -1, -1, 0],
            () => c.calc(unknown, '2:10', '0', -1, -1, 0), `calculate ${JSON.stringify(unknown)}`);
    }
}

test('the WebAssembly module answers as the native build of the same code', { skip }, async () => {
    const factory = require(moduleFile);
    const wasm = await factory();
    const catalogue = JSON.parse(wasm.cwrap('qx_catalogue', 'string', [])());
    assert.equal(catalogue.length, 17);
    const calls = buildCalls(catalogue, wasm);
    const run = spawnSync(probe, [], { input: calls.lines.join('\n') + '\n', maxBuffer: 1 << 30 });
    assert.equal(run.status, 0, String(run.stderr));
    const answers = run.stdout.toString('utf8').split('\n');
    assert.equal(answers.length, calls.calls.length + 1);
    let mismatches = 0;
    calls.calls.forEach(({ call, what }, i) => {
        const actual = call();
        if (actual === answers[i]) {
            return;
        }
        const text = `${what}\n  wasm:   ${actual}\n  native: ${answers[i]}`;
        if (++mismatches <= 10) {
            assert.fail(text);
        }
    });
    assert.equal(mismatches, 0);
    console.log(`# ${calls.calls.length} calls compared`);
});

test('engine.js gives the page its objects', { skip }, async () => {
    const { createEngine } = require(path.join(sourceDir, 'web', 'engine.js'));
    const engine = await createEngine(require(moduleFile));
    assert.equal(engine.categories.length, 17);
    const fuelLoad = engine.categories.find((category) => category.className === 'FuelLoad');
    const tons = fuelLoad.units.find((unit) => unit.symbol === 'ton/ac');
    assert.equal(tons.name, 'Tons Per Acre');
    assert.deepEqual(engine.lookup('tons per acre'), [{ category: fuelLoad.index, unit: tons.index }]);
    assert.equal(engine.lookup('deg').length, 2);
    const temperature = engine.categories.find((category) => category.className === 'Temperature');
    assert.ok(temperature.formula && !fuelLoad.formula);
    const answer = engine.convert(temperature.index, 1, 0, '-40', 'auto', false);
    assert.equal(answer.ok, true);
    assert.equal(answer.result, '-40');
    assert.equal(answer.factor, 'Formula Used');
    assert.equal(answer.formula, '°F = °C × 9/5 + 32');
    const general = engine.convert(fuelLoad.index, tons.index, 0, '1,000', 'general', false);
    assert.equal(general.places, null);
    const comma = engine.convert(fuelLoad.index, tons.index, tons.index, '2,5', 2, true);
    assert.deepEqual([comma.result, comma.places], ['2,50', 2]);
    assert.equal(engine.convert(fuelLoad.index, 0, 1, '  ', 'auto', false).kind, 'blank');
    assert.equal(engine.convert(fuelLoad.index, 0, 1, '12,5', 'auto', false).kind, 'not-number');
    const all = engine.convertAll(fuelLoad.index, tons.index, '1', 'auto', false);
    assert.equal(all.length, fuelLoad.units.length);
    assert.deepEqual(engine.readLine('12.5 ton/ac Mg/ha'), { ok: true, category: fuelLoad.index, from: tons.index,
        to: engine.lookup('Mg/ha')[0].unit, value: '12.5' });
    assert.equal(engine.readLine('1 deg deg').kind, 'ambiguous');
    assert.deepEqual(engine.readLine('12.5 ton/ac Mg\u00B7ha\u207B\u00B9'), { ok: true, category: fuelLoad.index,
        from: tons.index, to: engine.lookup('Mg/ha')[0].unit, value: '12.5' });
    assert.equal(engine.isNumberStart('1e', false), true);
    assert.equal(engine.isNumberStart('1x', false), false);
    assert.throws(() => engine.convert(0, 0, 0, '1', 26, false), RangeError);
    assert.equal(engine.relations.length, 24);
    const intensity = engine.relations.find((relation) => relation.id === 'intensity');
    const unit = (quantity, symbol) => quantity.units.find((each) => each.symbol === symbol).index;
    const [hpa, ros] = intensity.inputs;
    const btu = engine.calculate('intensity', [{ value: '2000', unit: unit(hpa, 'kJ/m2') }, { value: '10', unit: unit(ros, 'm/min') }],
        unit(intensity.output, 'BTU/ft/s'), 'auto', false);
    assert.deepEqual([btu.ok, btu.unit, btu.chartClass], [true, 'BTU/ft/s', 1]);
    const refused = engine.calculate('intensity', [{ value: '2000', unit: 0 }, { value: '-1', unit: 0 }], -1, 'auto', false);
    assert.deepEqual([refused.ok, refused.kind, refused.input], [false, 'value', 'ros']);
    const time = engine.relations.find((relation) => relation.id === 'spread-distance').inputs.find((q) => q.kind === 'time');
    // H:MM takes no unit, here as on the command line: with one it is refused, naming the input.
    const hours = engine.calculate('spread-distance', [{ value: '1', unit: 0 }, { value: '1:30' }], -1, 'auto', false);
    const minutes = engine.calculate('spread-distance', [{ value: '1', unit: 0 }, { value: '90', unit: unit(time, 'min') }], -1, 'auto', false);
    assert.equal(hours.result, minutes.result);
    const both = engine.calculate('spread-distance', [{ value: '1', unit: 0 }, { value: '1:30', unit: unit(time, 'min') }], -1, 'auto', false);
    assert.deepEqual([both.ok, both.kind, both.input], [false, 'value', 'time']);
    assert.match(both.reason, /^time: "1:30" is hours and minutes \(H:MM\), which take no unit/);
});

test('engine.js hands texts of any length to the module, and starts a fresh module after a trap', { skip }, async () => {
    const { createEngine } = require(path.join(sourceDir, 'web', 'engine.js'));
    const factory = require(moduleFile);
    // A module whose conversions trap while trap is set, as a module whose memory was overrun does.
    let trap = false;
    let modules = 0;
    const failing = async (options) => {
        const wasm = await factory(options);
        ++modules;
        // The module's export replaces itself on its first call: call it once, then wrap what it left.
        wasm._qx_convert(0, 0, 0, 0, 0, -1, 0);
        const convert = wasm._qx_convert;
        wasm._qx_convert = (...args) => {
            if (trap) {
                throw new WebAssembly.RuntimeError('memory access out of bounds');
            }
            return convert(...args);
        };
        return wasm;
    };
    const engine = await createEngine(failing);
    const twelve = engine.convert(0, 0, 1, '12.5', 'auto', false);
    assert.equal(twelve.ok, true);
    // Two million characters once overflowed the module's stack; now they are one more refused value.
    for (const long of ['1'.repeat(2000000), 'µ'.repeat(1500000)]) {
        assert.equal(engine.convert(0, 0, 1, long, 'auto', false).ok, false);
        assert.deepEqual(engine.lookup(long), []);
        assert.equal(engine.readLine(long).ok, false);
    }
    assert.deepEqual(engine.convert(0, 0, 1, '12.5', 'auto', false), twelve);
    trap = true;
    assert.throws(() => engine.convert(0, 0, 1, '12.5', 'auto', false),
        (error) => error.engineFailure === true && /memory access out of bounds/.test(error.message));
    trap = false;
    await new Promise((resolve) => setTimeout(resolve, 50));
    assert.equal(modules, 2);
    assert.deepEqual(engine.convert(0, 0, 1, '12.5', 'auto', false), twelve);
});
