// Measures the web page in Debian's Chromium (a benchmark, not a test): the single file's gzip size, the
// first result after navigation (median of 10 fresh loads, unthrottled and with the CPU slowed four
// times) for the single file and the served site, and the script time of one keystroke's update and of
// its every-unit list. Run by scripts/web-speed.sh; prints a Markdown table.
import fs from 'node:fs';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { launchChromium, ready, serve, singleFile, siteDir } from './support.mjs';

const LOADS = 10;

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

// Milliseconds from the start of navigation until the page showed its first result.
async function firstResult(browser, url, cpuSlowdown) {
    const context = await browser.newContext({ locale: 'en-US' });
    const page = await context.newPage();
    const session = await context.newCDPSession(page);
    await session.send('Emulation.setCPUThrottlingRate', { rate: cpuSlowdown });
    await page.goto(url);
    await ready(page);
    await page.waitForFunction(() => performance.getEntriesByName('quorlex-first-result').length > 0);
    const time = await page.evaluate(() => performance.getEntriesByName('quorlex-first-result')[0].startTime);
    await context.close();
    return time;
}

// Script time of the update that follows each typed character, and of its every-unit list: means over
// 450 keystrokes, since Chromium coarsens a single reading of performance.now() to 0.1 ms.
async function keystrokes(browser, url) {
    const context = await browser.newContext({ locale: 'en-US' });
    const page = await context.newPage();
    await page.goto(url);
    await ready(page);
    const times = await page.evaluate(() => {
        const field = document.getElementById('value');
        let every = 0;
        let count = 0;
        const start = performance.now();
        for (let round = 0; round < 50; ++round) {
            let text = '';
            for (const key of '1234.5678') {
                text += key;
                field.value = text;
                field.dispatchEvent(new Event('input'));
                every += window.quorlexTimings.every;
                ++count;
            }
        }
        return { update: (performance.now() - start) / count, every: every / count };
    });
    await context.close();
    return times;
}

const fragment = '#v=12.5&from=ton/ac&to=Mg/ha';
const html = fs.readFileSync(singleFile);
const gzip = zlib.gzipSync(html, { level: 9 }).length;
const server = await serve(siteDir);
const browser = await launchChromium();
const rows = [];
try {
    const targets = [['single file (file://)', pathToFileURL(singleFile).href + fragment],
        ['served site (127.0.0.1)', server.url + fragment]];
    for (const [name, url] of targets) {
        for (const slowdown of [1, 4]) {
            const times = [];
            for (let load = 0; load < LOADS; ++load) {
                times.push(await firstResult(browser, url, slowdown));
            }
            rows.push([`first result, ${name}, CPU ${slowdown === 1 ? 'unthrottled' : 'slowed 4x'}`,
                `${median(times).toFixed(0)} ms`]);
        }
    }
    const typing = await keystrokes(browser, server.url + fragment);
    rows.push(['one keystroke\'s update (script time, mean of 450)', `${typing.update.toFixed(3)} ms`]);
    rows.push(['its every-unit list (script time, mean of 450)', `${typing.every.toFixed(3)} ms`]);
} finally {
    await browser.close();
    await server.close();
}

console.log(`| What | Figure |\n|---|---|`);
console.log(`| quorlex.html, gzip -9 | ${(gzip / 1024).toFixed(1)} KiB (${html.length} bytes unpacked) |`);
for (const [what, figure] of rows) {
    console.log(`| ${what} | ${figure} |`);
}
