// The command line's case files (tests/cli/cases/*.cases) as the web tests read them: each case's name,
// arguments, files, standard input and output, exit status and the rest of its keys.
'use strict';

const fs = require('node:fs');
const path = require('node:path');

// The case files' escapes: \n \r \t \0 \\ \" and \xHH, as bytes.
function unescape(text) {
    const bytes = [];
    const raw = Buffer.from(text, 'utf8');
    for (let i = 0; i < raw.length; ++i) {
        if (raw[i] !== 0x5c || i + 1 === raw.length) {
            bytes.push(raw[i]);
            continue;
        }
        const c = String.fromCharCode(raw[++i]);
        if (c === 'x') {
            bytes.push(parseInt(raw.subarray(i + 1, i + 3).toString(), 16));
            i += 2;
        } else {
            bytes.push({ n: 10, r: 13, t: 9, 0: 0, '\\': 0x5c, '"': 0x22 }[c] ?? raw[i]);
        }
    }
    return Buffer.from(bytes);
}

// The arguments of an args line: split at blanks, double quotes grouping.
function splitArguments(text) {
    const args = [];
    let current = null;
    let quoted = false;
    for (const c of text) {
        if (c === '"') {
            quoted = !quoted;
            current = current ?? '';
        } else if (c === ' ' && !quoted) {
            if (current !== null) {
                args.push(current);
            }
            current = null;
        } else {
            current = (current ?? '') + c;
        }
    }
    if (current !== null) {
        args.push(current);
    }
    return args;
}

function readCases(file) {
    const cases = [];
    const lines = fs.readFileSync(file, 'utf8').split('\n');
    for (let i = 0; i < lines.length; ++i) {
        const line = lines[i];
        if (!line || line.startsWith('#')) {
            continue;
        }
        if (line.startsWith('=== ')) {
            cases.push({ name: line.slice(4), where: `${path.basename(file)}:${i + 1}`, files: {} });
            continue;
        }
        const colon = line.indexOf(':');
        let value = line[colon + 1] === ' ' ? line.slice(colon + 2) : '';
        if (colon + 1 === line.length) {
            while (i + 1 < lines.length && (lines[i + 1].startsWith('| ') || lines[i + 1] === '|')) {
                value += lines[++i].slice(2) + '\n';
            }
        }
        const key = line.slice(0, colon);
        const c = cases[cases.length - 1];
        if (key === 'args') {
            c.args = splitArguments(value);
        } else if (key.startsWith('file ')) {
            c.files[key.slice(5)] = unescape(value);
        } else if (key === 'stdin') {
            c.stdin = unescape(value);
        } else if (key === 'stdout') {
            c.stdout = unescape(value);
        } else if (key === 'files') {
            c.filesLeft = value; // the files the case leaves, not their contents
        } else if (key === 'exit') {
            c.exit = Number(value);
        } else {
            c[key] = value;
        }
    }
    return cases;
}

module.exports = { unescape, splitArguments, readCases };
