// Measures a CSV file's conversion in the page in Debian's Chromium (a benchmark, not a test), beside the
// command line's time on the same file: 1,000,000 rows (about 14 MB), from the Download click until the
// last piece is written, through a save picker that keeps no bytes; and a file of about 500 MB, with the
// highest resident memory any of Chromium's processes reached (VmHWM). Run by scripts/web-speed.sh;
// prints a Markdown table. QUORLEX_CONVERT names quorlex-convert.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { buildDir, launchChromium, ready, siteDir, serve } from './support.mjs';

const program = process.env.QUORLEX_CONVERT || path.join(buildDir, '../build/quorlex-convert');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'quorlex-file-speed-'));

// A file of rows "id,value" (values 0 to 200 with three decimals) of about `bytes` bytes.
function makeFile(name, rows) {
    const file = path.join(work, name);
    const out = fs.openSync(file, 'w');
    fs.writeSync(out, 'id,value\n');
    const block = [];
    for (let i = 0; i < rows; ++i) {
        block.push(`${i},${((i * 7919) % 200000) / 1000}\n`);
        if (block.length === 100000) {
            fs.writeSync(out, block.join(''));
            block.length = 0;
        }
    }
    fs.writeSync(out, block.join(''));
    fs.closeSync(out);
    return file;
}

// The highest resident memory of any Chromium process so far, in MiB (from /proc).
function chromiumPeak() {
    let peak = 0;
    for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
        try {
            const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
            if (/^Name:\s+chrom/m.test(status)) {
                const high = /^VmHWM:\s+(\d+) kB/m.exec(status);
                peak = Math.max(peak, high ? Number(high[1]) / 1024 : 0);
            }
        } catch (error) {
            // a process that has ended
        }
    }
    return peak;
}

async function convertInPage(browser, url, file) {
    const context = await browser.newContext({ locale: 'en-US' });
    const page = await context.newPage();
    await page.goto(url);
    await ready(page);
    await page.evaluate(() => {
        window.written = 0;
        window.showSaveFilePicker = async () => ({ createWritable: async () => ({
            write: async (bytes) => { window.written += bytes.length; },
            close: async () => { window.finished = true; },
            abort: async () => {},
        }) });
    });
    await page.setInputFiles('#file', file);
    await page.waitForFunction(() => document.getElementById('file-status').textContent !== '');
    await page.selectOption('#file-column', '2');
    const start = Date.now();
    await page.click('#file-download');
    await page.waitForFunction(() => window.finished === true || !document.getElementById('file-error').hidden, null,
        { timeout: 600000, polling: 100 });
    const elapsed = Date.now() - start;
    const outcome = await page.evaluate(() => ({ written: window.written, script: window.quorlexColumnTimings.file,
        error: document.getElementById('file-error').textContent }));
    await context.close();
    return { elapsed, ...outcome };
}

function commandLineTime(file) {
    const start = process.hrtime.bigint();
    execFileSync(program, ['--csv', file, '--column', 'value', '-o', '/dev/null', 'ton/ac', 'Mg/ha']);
    return Number(process.hrtime.bigint() - start) / 1e6;
}

const server = await serve(siteDir);
const browser = await launchChromium();
const rows = [];
try {
    const million = makeFile('million.csv', 1000000);
    const size = (file) => `${(fs.statSync(file).size / 1e6).toFixed(1)} MB`;
    const times = [];
    for (let run = 0; run < 3; ++run) {
        times.push(await convertInPage(browser, server.url + '#v=1&from=ton/ac&to=Mg/ha', million));
    }
    times.sort((a, b) => a.elapsed - b.elapsed);
    const median = times[1];
    rows.push([`1,000,000 rows (${size(million)}) in the page, click to last byte written (median of 3)`,
        `${(median.elapsed / 1000).toFixed(2)} s (${median.written} bytes written)${median.error ? ' ' + median.error : ''}`]);
    rows.push(['the same file, quorlex-convert --csv -o /dev/null', `${(commandLineTime(million) / 1000).toFixed(2)} s`]);
    fs.rmSync(million);
    if (process.env.QUORLEX_BIG_FILE !== '0') {
        const big = makeFile('big.csv', 36000000);
        const one = await convertInPage(browser, server.url + '#v=1&from=ton/ac&to=Mg/ha', big);
        rows.push([`36,000,000 rows (${size(big)}) in the page`,
            `${(one.elapsed / 1000).toFixed(1)} s (${one.written} bytes written)${one.error ? ' ' + one.error : ''}`]);
        rows.push(['highest resident memory of a Chromium process meanwhile (VmHWM)', `${chromiumPeak().toFixed(0)} MiB`]);
        rows.push(['the same file, quorlex-convert --csv -o /dev/null', `${(commandLineTime(big) / 1000).toFixed(1)} s`]);
    }
} finally {
    await browser.close();
    await server.close();
    fs.rmSync(work, { recursive: true, force: true });
}

console.log('| What | Figure |\n|---|---|');
for (const [what, figure] of rows) {
    console.log(`| ${what} | ${figure} |`);
}
