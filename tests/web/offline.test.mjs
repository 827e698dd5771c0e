// The page without a network, in the browser QUORLEX_BROWSER names: the served site after one visit (its
// service worker answers), and the single file opened from disk.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import { closePage, launchBrowser, openPage, ready, serve, singleFile, siteDir } from './support.mjs';

let browser;

before(async () => {
    browser = await launchBrowser();
});

after(async () => {
    await browser?.close();
});

// Types a value and checks that the page shows the engine's answer for it.
async function convertsByTyping(page) {
    await page.labelled('Value', { exact: true }).fill('12.5');
    const [shown, answer] = await page.evaluate(async () => {
        const engine = await window.createEngine(window.QuorlexEngine);
        const field = (id) => Number(document.getElementById(id).value);
        return [document.getElementById('result').textContent,
            engine.convert(field('category'), field('from'), field('to'), '12.5', 'auto', false)];
    });
    assert.equal(answer.ok, true);
    assert.equal(shown, answer.result);
}

// Converts a small CSV file through the page's worker and checks the bytes it saves.
async function convertsAFile(page) {
    const saved = await page.evaluate(async () => {
        let done;
        const finished = new Promise((resolve) => { done = resolve; });
        const pieces = [];
        window.showSaveFilePicker = async () => ({ createWritable: async () => ({
            write: async (bytes) => { pieces.push(...bytes); },
            close: async () => done(),
            abort: async () => done(),
        }) });
        const transfer = new DataTransfer();
        transfer.items.add(new File(['load\n2\n'], 'plots.csv', { type: 'text/csv' }));
        const input = document.getElementById('file');
        input.files = transfer.files;
        input.dispatchEvent(new Event('change', { bubbles: true }));
        while (document.getElementById('file-column').options.length === 0) {
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
        document.getElementById('file-download').click();
        await finished;
        return { text: new TextDecoder().decode(new Uint8Array(pieces)), worker: window.quorlexColumnTimings.worker };
    });
    // 2 ton/ac is 4.48340462477782 Mg/ha.
    assert.deepEqual(saved, { text: 'load,load [Mg/ha]\n2,4.48340462477782\n', worker: true });
}

// Opens a custom fuel model file in the fuel models view and checks the bytes it downloads in metric.
async function convertsAFuelModelFile(page) {
    await page.tab('Fuel models').click();
    const saved = await page.evaluate(async () => {
        let done;
        const finished = new Promise((resolve) => { done = resolve; });
        const make = URL.createObjectURL;
        URL.createObjectURL = (blob) => {
            if (blob.type === 'text/javascript') {
                return make.call(URL, blob); // the worker's scripts
            }
            blob.text().then(done);
            return 'blob:caught';
        };
        HTMLAnchorElement.prototype.click = function () {};
        const transfer = new DataTransfer();
        transfer.items.add(new File(['19 2.250 1.500 3.710 0.000 1.000 2000 1800 1500 0.600 25 8000 8000\n'], 'sample.fmd'));
        const input = document.getElementById('fuel-file');
        input.files = transfer.files;
        input.dispatchEvent(new Event('change', { bubbles: true }));
        while (document.getElementById('fuel-file-panel').hidden) {
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
        document.getElementById('fuel-download').click();
        return finished;
    });
    // FARSITE 4's sample in metric units, as fmd --to metric writes it.
    assert.equal(saved, 'METRIC\n19 5.044 3.363 8.317 0.000 2.242 65.62 59.06 49.21 18.3 25 18608 18608\n');
}

test('after one visit the served page reloads and converts with the server gone', async () => {
    const server = await serve(siteDir);
    const page = await openPage({ server, browser }, '#v=1&from=ton/ac&to=Mg/ha');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await server.close();
    await page.reload();
    await ready(page);
    await convertsByTyping(page);
    await convertsAFile(page);
    await convertsAFuelModelFile(page);
    const [caches, build] = await page.evaluate(async () => [await window.caches.keys(),
        document.querySelector('meta[name="quorlex-build"]').content]);
    // One cache, named after the build the page shows: its version and a hash of the site's content.
    assert.match(build, /^\d+\.\d+\.\d+-[0-9a-f]{12}$/);
    assert.deepEqual(caches, [`quorlex-${build}`]);
    await closePage(page);
});

test('the single file converts when opened from disk, alone in its folder', async () => {
    // A copy in a folder of its own, so that nothing it might ask for beside it is there.
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quorlex-single-'));
    const copy = path.join(folder, 'quorlex.html');
    fs.copyFileSync(singleFile, copy);
    try {
        const site = { server: { url: pathToFileURL(copy).href }, browser };
        const page = await openPage(site, '#v=1&from=ton/ac&to=Mg/ha', { offline: true });
        await convertsByTyping(page);
        await convertsAFile(page);
        await convertsAFuelModelFile(page);
        // It asks for nothing on a network (its worker's script is a blob: of its own text). Chromium
        // reports the file itself as a request, so a second file: request would be one beside it; Firefox
        // reports no file: requests at all.
        assert.deepEqual(page.requests.filter((url) => !/^(file|data|blob):/.test(url)), []);
        assert.ok(page.requests.filter((url) => url.startsWith('file:')).length <= 1, page.requests.join('\n'));
        await closePage(page);
    } finally {
        fs.rmSync(folder, { recursive: true, force: true });
    }
});
