// Many values and files: a pasted column and a CSV file converted in the page. A file's output must be the
// bytes quorlex-convert --csv writes for it (QUORLEX_CONVERT names the program; the expected bytes come
// from running it), whether the page writes through a save picker or builds a download. The files are made
// here, hostile ones included.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { buildDir, chromiumOnly, closePage, openPage, servedSite, singleFile } from './support.mjs';

const site = servedSite();
const program = process.env.QUORLEX_CONVERT || path.join(buildDir, '../build/quorlex-convert');

// What quorlex-convert writes for the bytes, with its exit status.
function commandLine(bytes, args) {
    const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'quorlex-columns-')), 'in.csv');
    fs.writeFileSync(file, bytes);
    try {
        return { out: execFileSync(program, ['--csv', file, ...args], { stdio: ['ignore', 'pipe', 'pipe'] }), status: 0 };
    } catch (error) {
        return { out: error.stdout, status: error.status, err: String(error.stderr) };
    } finally {
        fs.rmSync(path.dirname(file), { recursive: true, force: true });
    }
}

// Hands the page a file as its picker or a drop would, and waits for its first rows.
async function giveFile(page, bytes, name, how = 'picker') {
    await page.evaluate(([data, fileName, way]) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(data)], fileName, { type: 'text/csv' }));
        if (way === 'drop') {
            document.getElementById('file-drop').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
        } else {
            const input = document.getElementById('file');
            input.files = transfer.files;
            input.dispatchEvent(new Event('change', { bubbles: true }));
        }
    }, [[...bytes], name, how]);
    await page.waitForFunction(() => !document.getElementById('file-panel').hidden &&
        document.getElementById('file-status').textContent !== '');
}

// Catches what the page saves: through a save picker of its own that keeps every piece written, or, with
// none (as in Firefox), the Blob it downloads.
function catchSaves(page, picker) {
    return page.evaluate((withPicker) => {
        window.saved = null;
        if (withPicker) {
            window.showSaveFilePicker = async (options) => {
                const pieces = [];
                window.saved = { name: options.suggestedName, pieces, closed: false };
                return { createWritable: async () => ({
                    write: async (bytes) => { pieces.push(Array.from(bytes)); },
                    close: async () => { window.saved.closed = true; },
                    abort: async () => { window.saved.aborted = true; },
                }) };
            };
        } else {
            delete window.showSaveFilePicker;
            window.showSaveFilePicker = undefined;
            const make = URL.createObjectURL;
            URL.createObjectURL = (blob) => {
                window.savedBlob = blob;
                return make.call(URL, blob);
            };
            HTMLAnchorElement.prototype.click = function () {
                window.saved = { name: this.download, closed: true };
            };
        }
    }, picker);
}

// The bytes saved, once the run has ended.
async function savedBytes(page) {
    await page.waitForFunction(() => document.getElementById('file-cancel').hidden &&
        (window.saved && window.saved.closed || !document.getElementById('file-error').hidden));
    return page.evaluate(async () => {
        if (!window.saved || !window.saved.closed) {
            return null;
        }
        const bytes = window.saved.pieces ? window.saved.pieces.flat() : [...new Uint8Array(await window.savedBlob.arrayBuffer())];
        return { name: window.saved.name, bytes };
    });
}

async function chooseFileOptions(page, { column, delimiter, header = true, keepGoing = false }) {
    await page.labelled('Delimiter').select(delimiter);
    if (await page.element('#file-header').isChecked() !== header) {
        await page.element('#file-header').click();
    }
    if (await page.element('#file-keep-going').isChecked() !== keepGoing) {
        await page.element('#file-keep-going').click();
    }
    await page.labelled('Column', { exact: true }).select(String(column));
}

const enc = (text) => Buffer.from(text, 'latin1');

test('a pasted column converts line by line: blanks kept, refusals marked with their line, Copy column the results alone', async () => {
    const page = await openPage(site, '#v=1&from=ton%2Fac&to=Mg%2Fha');
    await page.labelled('Many values').fill('2.5\n\nabc\n1\n');
    // 1 ton/ac is 907.18474 kg / 4046.8564224 m2 = 2.24170231238891 Mg/ha.
    await page.waitForFunction(() => document.getElementById('many-out').value.startsWith('5.6'));
    assert.equal(await page.labelled('Converted values').value(),
        '5.60425578097228\n\n\u2716 line 3: "abc" is not a number\n2.24170231238891');
    assert.match(await page.element('#many-status').text(), /^4 lines, 1 refused \(marked \u2716 with the reason\)\.$/);
    const copied = await page.evaluate(() => {
        let text = null;
        navigator.clipboard.writeText = async (value) => { text = value; };
        document.getElementById('many-copy').click();
        return new Promise((resolve) => setTimeout(() => resolve(text), 100));
    });
    assert.equal(copied, '5.60425578097228\n\n\n2.24170231238891');
    // The converter's choices apply: the decimal comma reads and writes a comma.
    await page.labelled('Decimal comma').click();
    await page.labelled('Many values').fill('2,5');
    await page.waitForFunction(() => document.getElementById('many-out').value === '5,60425578097228');
    // A paste of 1 MB on one line is no value, said without quoting it; the page keeps working.
    await page.evaluate(() => {
        const box = document.getElementById('many');
        box.value = '7'.repeat(1048576);
        box.dispatchEvent(new Event('input', { bubbles: true }));
    });
    assert.equal(await page.labelled('Converted values').value(), '\u2716 line 1: a value of 1048576 bytes is no number');
    await page.labelled('Many values').fill('1');
    await page.waitForFunction(() => document.getElementById('many-out').value === '2,24170231238891');
    await closePage(page);
});

test('a tab-separated block: a column chosen by its header, the header kept as it is', async () => {
    const page = await openPage(site, '#v=1&from=ton%2Fac&to=Mg%2Fha');
    await page.labelled('First line is a header').click();
    await page.labelled('Many values').fill('plot\tload\n1\t2.5\n2\n');
    await page.waitForFunction(() => !document.getElementById('many-column-field').hidden);
    await page.labelled('Pasted column').select({ label: '2: load' });
    await page.waitForFunction(() => document.getElementById('many-out').value.startsWith('load\n5.6'));
    assert.equal(await page.labelled('Converted values').value(), 'load\n5.60425578097228\n\u2716 line 3: the line has no column 2');
    await closePage(page);
});

test('a pasted block of 100,000 values converts and shows in under a second, Copy column copying all',
    chromiumOnly('Firefox gives a paste event that a page makes no clipboard data'), async () => {
    const page = await openPage(site, '#v=1&from=ton%2Fac&to=Mg%2Fha');
    const took = await page.evaluate(() => new Promise((resolve) => {
        const lines = [];
        for (let i = 0; i < 100000; ++i) {
            lines.push(String((i % 5000) / 100));
        }
        const transfer = new DataTransfer();
        transfer.setData('text/plain', lines.join('\r\n') + '\r\n');
        const start = performance.now();
        document.getElementById('many').dispatchEvent(new ClipboardEvent('paste', { clipboardData: transfer, bubbles: true, cancelable: true }));
        // Shown: the next frame has been drawn with the results.
        requestAnimationFrame(() => setTimeout(() => resolve({
            ms: performance.now() - start,
            shown: document.getElementById('many-out').value.split('\n').length,
        }), 0));
    }));
    assert.equal(took.shown, 1000);
    assert.ok(took.ms < 1000, `100,000 values took ${took.ms} ms`);
    assert.match(await page.element('#many-status').text(), /^100,000 lines, all converted; the first 1,000 are shown, and Copy column copies all 100,000\.$/);
    const copied = await page.evaluate(() => {
        let text = null;
        navigator.clipboard.writeText = async (value) => { text = value; };
        document.getElementById('many-copy').click();
        return new Promise((resolve) => setTimeout(() => resolve(text), 100));
    });
    const results = copied.split('\n');
    assert.equal(results.length, 100000);
    assert.equal(results[99999], '112.062698596322'); // 49.99 ton/ac
    // An edit of the box starts again from what it shows.
    await page.labelled('Many values').fill('1');
    await page.waitForFunction(() => document.getElementById('many-out').value === '2.24170231238891');
    await closePage(page);
});

const files = [
    { what: 'a byte order mark, CR LF, quoted fields and a blank line',
        bytes: enc('\xEF\xBB\xBFplot,"fuel load",note\r\n1,2.5,"a, b"\r\n\r\n2,"12",x\r\n3,,\r\n'),
        options: { column: 2, delimiter: ',' }, args: ['--column', 'fuel load', 'ton/ac', 'Mg/ha'] },
    { what: 'semicolons and the decimal comma, no final line ending', comma: true,
        bytes: enc('id;load\n1;2,5\n2;0,75'),
        options: { column: 2, delimiter: ';' }, args: ['--column', '2', '--delimiter', ';', '--decimal-comma', 'ton/ac', 'Mg/ha'] },
    { what: 'tabs, no header, keep going past a refused value and a short row',
        bytes: enc('1\t2.5\n2\tabc\n3\n'),
        options: { column: 2, delimiter: '\t', header: false, keepGoing: true },
        args: ['--column', '2', '--delimiter', 'tab', '--no-header', '--keep-going', 'ton/ac', 'Mg/ha'] },
    { what: 'invalid UTF-8 outside the column, kept byte for byte',
        bytes: enc('name,load\n\xFF\xFEbad,1\n'),
        options: { column: 2, delimiter: ',' }, args: ['--column', 'load', 'ton/ac', 'Mg/ha'] },
];

// The served site writes through a save picker; the single file, opened from disk, saves a download.
for (const picker of [true, false]) {
    test(`a CSV file converts to the command line's bytes (${picker ? 'the site, through a save picker' : 'the single file, as a download'})`, async () => {
        const where = picker ? site : { server: { url: pathToFileURL(singleFile).href }, browser: site.browser };
        for (const file of files) {
            const page = await openPage(where, `#v=1&from=ton%2Fac&to=Mg%2Fha${file.comma ? '&comma=1' : ''}`);
            await catchSaves(page, picker);
            await giveFile(page, file.bytes, 'plots.csv', picker ? 'picker' : 'drop');
            await chooseFileOptions(page, file.options);
            await page.button('Download').click();
            const saved = await savedBytes(page);
            const expected = commandLine(file.bytes, file.args);
            assert.ok(saved, `${file.what}: nothing saved (${await page.element('#file-error').text()})`);
            assert.equal(saved.name, 'plots [Mg per ha].csv');
            assert.deepEqual(Buffer.from(saved.bytes), expected.out, file.what);
            assert.match(await page.element('#file-status').text(), /rows? converted into plots \[Mg per ha\]\.csv/);
            // Converted in a worker, so that the page stays free while a large file runs.
            assert.equal(await page.evaluate(() => window.quorlexColumnTimings.worker), true);
            await closePage(page);
        }
    });
}

test('hostile files: a message naming the line, nothing saved, and the page keeps working', async () => {
    const page = await openPage(site, '#v=1&from=ton%2Fac&to=Mg%2Fha');
    await catchSaves(page, true);
    const cases = [
        [enc('load\n1\n2\x00\n'), /line 3: a NUL byte/],
        [enc('load\n1\n"2\n3\n'), /line 3: a quoted field is not closed/],
        [enc('load\n' + '9'.repeat(1100000) + '\n'), /line 2: a record longer than 1 MiB/],
        [enc('load\n1\nabc\n'), /line 3, column "load": "abc" is not a number/],
        [enc(Array.from({ length: 10000 }, (v, i) => 'c' + i).join(',') + '\n' + '1,'.repeat(9999) + '2\n'), null],
    ];
    for (const [bytes, reason] of cases) {
        await giveFile(page, bytes, 'bad.csv');
        await page.labelled('Column', { exact: true }).select('1');
        await page.button('Download').click();
        const saved = await savedBytes(page);
        if (reason) {
            assert.equal(saved, null);
            assert.match(await page.element('#file-error').text(), reason);
            assert.match(await page.element('#file-status').text(), /nothing was saved/);
        } else {
            assert.deepEqual(Buffer.from(saved.bytes), commandLine(bytes, ['--column', '1', 'ton/ac', 'Mg/ha']).out);
        }
    }
    // The converter still converts.
    await page.labelled('Value', { exact: true }).fill('2');
    await page.waitForFunction(() => document.getElementById('result').textContent === '4.48340462477782');
    await closePage(page);
});

test('a fire calculation over a CSV file\'s rows gives calc --csv\'s bytes, with a value given for one input', async () => {
    const bytes = enc('plot,load,ros\r\n1,1,1\r\n2,0.5,2\r\n\r\n3,x,1\r\n');
    const expected = commandLine(bytes, ['--keep-going', 'calc', 'byram-intensity', 'heat=18000', 'kJ/kg',
        'load=load[kg/m2]', 'ros=ros[m/min]', '--to', 'kW/m']);
    const page = await openPage(site, '#view=fire&calc=byram-intensity&heat=18000&heat.unit=kJ%2Fkg&load.unit=kg%2Fm2&ros.unit=m%2Fmin&to=kW%2Fm');
    await catchSaves(page, true);
    await page.evaluate((data) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(data)], 'plots.csv', { type: 'text/csv' }));
        const input = document.getElementById('fire-file');
        input.files = transfer.files;
        input.dispatchEvent(new Event('change', { bubbles: true }));
    }, [...bytes]);
    await page.waitForFunction(() => !document.getElementById('fire-file-panel').hidden);
    await page.labelled('Column for fuel consumed').select({ label: '2: load' });
    await page.labelled('Column for rate of spread').select({ label: '3: ros' });
    await page.element('#fire-file-keep-going').click();
    await page.element('#fire-file-download').click();
    const saved = await savedBytes(page);
    assert.ok(saved, await page.element('#fire-file-error').text());
    assert.deepEqual(Buffer.from(saved.bytes), expected.out);
    assert.match(await page.element('#fire-file-refusals').text(), /line 5: load: "x" is not a number/);
    await closePage(page);
});
