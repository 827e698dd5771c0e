// Measures the web page in Debian's Chromium (a benchmark, not a test): the single file's gzip size, the
// first result after navigation (median of 10 fresh loads, unthrottled and with the CPU slowed four
// times) for the single file and the served site, and the script time of one keystroke's update and of
// its every-unit list, then where the unthrottled first result's time goes (when each file arrived,
// DOMContentLoaded, the first paint, the engine's start). Run by scripts/web-speed.sh; prints Markdown
// tables. The single file and the site take turns, load by load.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { Worker } from 'node:worker_threads';
import { launchChromium, ready, singleFile, siteDir } from './support.mjs';

const LOADS = 10;

// Serves root as support.mjs's serve does, but on a thread of its own, as a web server would be: in this
// thread its answers would wait while the browser's driver handles the page's events.
function serveOnThread(root) {
    const worker = new Worker(`
        const { parentPort, workerData } = require('node:worker_threads');
        import(workerData.support).then(async ({ serve }) => {
            const server = await serve(workerData.root);
            parentPort.once('message', async () => {
                await server.close();
                process.exit(0);
            });
            parentPort.postMessage(server.url);
        });`, { eval: true, workerData: { root, support: new URL('./support.mjs', import.meta.url).href } });
    return new Promise((resolve, reject) => {
        worker.once('error', reject);
        worker.once('message', (url) => resolve({
            url,
            close: () => new Promise((done) => {
                worker.once('exit', done);
                worker.postMessage('close');
            }),
        }));
    });
}

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

// Milliseconds from the start of navigation until the page showed its first result, and the moments on the
// way there from the page's performance entries: when each file had arrived, when the scripts had run
// (DOMContentLoaded), the first paint, and when the engine module was asked for and ready.
async function firstResult(browser, url, cpuSlowdown) {
    const context = await browser.newContext({ locale: 'en-US' });
    const page = await context.newPage();
    const session = await context.newCDPSession(page);
    await session.send('Emulation.setCPUThrottlingRate', { rate: cpuSlowdown });
    await page.goto(url);
    await ready(page);
    await page.waitForFunction(() => performance.getEntriesByName('quorlex-first-result').length > 0);
    const moments = await page.evaluate(() => {
        const at = {};
        const navigation = performance.getEntriesByType('navigation')[0];
        at['page arrived'] = navigation.responseEnd;
        for (const entry of performance.getEntriesByType('resource').filter((e) => !e.name.startsWith('data:'))) {
            at[`${entry.name.replace(/^.*\//, '')} arrived`] = entry.responseEnd;
        }
        at['DOMContentLoaded'] = navigation.domContentLoadedEventStart;
        for (const entry of performance.getEntriesByType('paint')) {
            at[entry.name] = entry.startTime;
        }
        for (const name of ['quorlex-engine-start', 'quorlex-engine-ready', 'quorlex-first-result']) {
            const entry = performance.getEntriesByName(name)[0];
            if (entry) {
                at[name] = entry.startTime;
            }
        }
        return at;
    });
    await context.close();
    return { time: moments['quorlex-first-result'], moments };
}

// The medians of each moment over several loads, earliest first.
function medianMoments(loads) {
    const names = new Set(loads.flatMap((load) => Object.keys(load)));
    return [...names].map((name) => [name, median(loads.map((load) => load[name]).filter((t) => t !== undefined))])
        .sort((a, b) => a[1] - b[1]);
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
// QUORLEX_WEB_BASELINE_DIR names another web build (say, of an earlier commit) to measure in the same run.
const baselineDir = process.env.QUORLEX_WEB_BASELINE_DIR;
const server = await serveOnThread(siteDir);
const baseline = baselineDir ? await serveOnThread(path.resolve(baselineDir, 'site')) : null;
const browser = await launchChromium();
const rows = [];
const timelines = [];
try {
    const targets = [['single file (file://)', pathToFileURL(singleFile).href + fragment],
        ['served site (127.0.0.1)', server.url + fragment]];
    if (baseline) {
        targets.push(['baseline single file (file://)', pathToFileURL(path.resolve(baselineDir, 'quorlex.html')).href + fragment],
            ['baseline served site (127.0.0.1)', baseline.url + fragment]);
    }
    // The targets take turns load by load, so that a change in the machine's load touches them alike.
    for (const slowdown of [1, 4]) {
        const loads = targets.map(() => []);
        for (let load = 0; load < LOADS; ++load) {
            for (const [i, [, url]] of targets.entries()) {
                loads[i].push(await firstResult(browser, url, slowdown));
            }
        }
        for (const [i, [name]] of targets.entries()) {
            rows.push([`first result, ${name}, CPU ${slowdown === 1 ? 'unthrottled' : 'slowed 4x'}`,
                `${median(loads[i].map((one) => one.time)).toFixed(0)} ms`]);
            if (slowdown === 1) {
                timelines.push([name, medianMoments(loads[i].map((one) => one.moments))]);
            }
        }
    }
    const typing = await keystrokes(browser, server.url + fragment);
    rows.push(['one keystroke\'s update (script time, mean of 450)', `${typing.update.toFixed(3)} ms`]);
    rows.push(['its every-unit list (script time, mean of 450)', `${typing.every.toFixed(3)} ms`]);
} finally {
    await browser.close();
    await server.close();
    await baseline?.close();
}

console.log(`| What | Figure |\n|---|---|`);
console.log(`| quorlex.html, gzip -9 | ${(gzip / 1024).toFixed(1)} KiB (${html.length} bytes unpacked) |`);
for (const [what, figure] of rows) {
    console.log(`| ${what} | ${figure} |`);
}
for (const [name, moments] of timelines) {
    console.log(`\n${name}, CPU unthrottled: medians of ${LOADS} loads, ms after the start of navigation\n`);
    console.log(`| Moment | ms |\n|---|---|`);
    for (const [moment, time] of moments) {
        console.log(`| ${moment} | ${time.toFixed(0)} |`);
    }
}
