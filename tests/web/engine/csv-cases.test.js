// The page converts a CSV file's column to the bytes quorlex-convert --csv writes: every case of the
// command line's case files that converts a column of a file (tests/cli/cases/*.cases) is run through the
// WebAssembly module of a web build, as the page runs it, its file handed over in small pieces, and its
// output compared with the case's expected standard output byte for byte. Cases the page does not offer
// (an output file, -c, calc) are left out, and so are those that stop at a refused row: the page then saves
// nothing. Run by ctest with QUORLEX_WEB_BUILD_DIR and QUORLEX_SOURCE_DIR set.
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { readCases } = require('./cases.js');

const webBuild = process.env.QUORLEX_WEB_BUILD_DIR || '';
const sourceDir = process.env.QUORLEX_SOURCE_DIR || path.join(__dirname, '..', '..', '..');
const moduleFile = webBuild && path.join(webBuild, 'quorlex-engine.js');
const skip = moduleFile && fs.existsSync(moduleFile) ? false : 'no web build to compare (set QUORLEX_WEB_BUILD_DIR)';

// The page's choices for a case's arguments; null for a case the page does not offer.
function choicesOf(c) {
    const args = c.args || [];
    const choice = { header: true, delimiter: ',', replace: false, keepGoing: false, places: 'auto', comma: false, tables: false };
    const units = [];
    for (let i = 0; i < args.length; ++i) {
        const arg = args[i];
        if (arg === '--csv') {
            const name = args[++i];
            choice.bytes = name === '-' ? c.stdin : c.files[name];
        } else if (arg === '--column') {
            choice.column = args[++i];
        } else if (arg === '--delimiter') {
            const d = args[++i];
            choice.delimiter = d === 'tab' ? '\t' : d;
        } else if (arg === '--no-header') {
            choice.header = false;
        } else if (arg === '--replace') {
            choice.replace = true;
        } else if (arg === '--keep-going') {
            choice.keepGoing = true;
        } else if (arg === '-g' || arg === '--general') {
            choice.places = 'general';
        } else if (arg === '-p' || arg === '--places') {
            choice.places = Number(args[++i]);
        } else if (arg === '--decimal-comma') {
            choice.comma = true;
        } else if (arg === '--tables') {
            choice.tables = true;
        } else if (arg.startsWith('-') && !/^-?\d/.test(arg)) {
            return null;
        } else {
            units.push(arg);
        }
    }
    const stops = c.exit === 2 && !choice.keepGoing;
    if (!choice.bytes || !choice.column || units.length !== 2 || c.stdout === undefined || stops ||
        (c.exit !== undefined && c.exit !== 0 && c.exit !== 2) || choice.delimiter.length !== 1) {
        return null;
    }
    choice.units = units;
    return choice;
}

// The output the page makes for the choice, the bytes handed over `piece` at a time.
function pageOutput(engine, choice, piece) {
    const froms = engine.lookup(choice.units[0]);
    const tos = engine.lookup(choice.units[1]);
    const from = froms.find((f) => tos.some((t) => t.category === f.category));
    if (!from) {
        return null;
    }
    const to = tos.find((t) => t.category === from.category);
    const begun = engine.tableBegin({ ...choice, category: from.category, from: from.unit, to: to.unit });
    if (!begun.ok) {
        return { refused: begun.reason };
    }
    const parts = [];
    for (let at = 0; ; at += piece) {
        const final = at + piece >= choice.bytes.length;
        const fed = engine.tableFeed(new Uint8Array(choice.bytes.subarray(at, at + piece)), final);
        if (!fed.answer.ok) {
            return { refused: fed.answer.reason };
        }
        parts.push(Buffer.from(fed.output));
        if (final) {
            return { bytes: Buffer.concat(parts) };
        }
    }
}

test('a CSV file converts in the page to the command line\'s bytes, over the command line\'s cases', { skip }, async () => {
    const { createEngine } = require(path.join(sourceDir, 'web', 'engine.js'));
    const engine = await createEngine(require(moduleFile));
    const casesDir = path.join(sourceDir, 'tests', 'cli', 'cases');
    let compared = 0;
    for (const name of fs.readdirSync(casesDir).filter((file) => file.endsWith('.cases')).sort()) {
        for (const c of readCases(path.join(casesDir, name))) {
            const choice = choicesOf(c);
            if (!choice) {
                continue;
            }
            for (const piece of [3, 65536]) {
                const output = pageOutput(engine, choice, piece);
                assert.ok(output, `${c.where} ${c.name}: no unit pair`);
                if (output.refused && c.exit === 2) {
                    // Input that is no delimited text stops every run: the page says why, as the program does.
                    const pattern = (c.stderr || '').replace(/^\^quorlex-convert: /, '').replace(/\\n\$?$/, '');
                    assert.match(output.refused, new RegExp(pattern), `${c.where} ${c.name}`);
                    continue;
                }
                assert.deepEqual(output, { bytes: c.stdout }, `${c.where} ${c.name}, in pieces of ${piece}`);
            }
            compared += 1;
        }
    }
    assert.ok(compared >= 12, `only ${compared} cases compared`);
    console.log(`${compared} cases compared`);
});
