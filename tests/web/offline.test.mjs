// The page without a network: the served site after one visit (its service worker answers), and the single
// file opened from disk.
import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import { launchChromium, ready, serve, singleFile, siteDir } from './support.mjs';

let browser;

before(async () => {
    browser = await launchChromium();
});

after(async () => {
    await browser?.close();
});

// Types a value and checks that the page shows the engine's answer for it.
async function convertsByTyping(page) {
    await page.getByLabel('Value', { exact: true }).fill('12.5');
    const [shown, answer] = await page.evaluate(async () => {
        const engine = await window.createEngine(window.QuorlexEngine);
        const field = (id) => Number(document.getElementById(id).value);
        return [document.getElementById('result').textContent,
            engine.convert(field('category'), field('from'), field('to'), '12.5', 'auto', false)];
    });
    assert.equal(answer.ok, true);
    assert.equal(shown, answer.result);
}

test('after one visit the served page reloads and converts with the server gone', async () => {
    const server = await serve(siteDir);
    const context = await browser.newContext({ locale: 'en-US' });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.goto(server.url + '#v=1&from=ton/ac&to=Mg/ha');
    await ready(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await server.close();
    await page.reload();
    await ready(page);
    await convertsByTyping(page);
    const [caches, build] = await page.evaluate(async () => [await window.caches.keys(),
        document.querySelector('meta[name="quorlex-build"]').content]);
    // One cache, named after the build the page shows: its version and a hash of the site's content.
    assert.match(build, /^\d+\.\d+\.\d+-[0-9a-f]{12}$/);
    assert.deepEqual(caches, [`quorlex-${build}`]);
    assert.deepEqual(errors, []);
    await context.close();
});

test('the single file converts when opened from disk', async () => {
    const context = await browser.newContext({ locale: 'en-US', offline: true });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    const requests = [];
    page.on('request', (request) => requests.push(request.url()));
    await page.goto(pathToFileURL(singleFile).href + '#v=1&from=ton/ac&to=Mg/ha');
    await ready(page);
    await convertsByTyping(page);
    // Everything is inside the file: it asks for nothing beside it.
    assert.deepEqual(requests.filter((url) => !url.startsWith('file:') && !url.startsWith('data:')), []);
    assert.equal(requests.filter((url) => url.startsWith('file:')).length, 1);
    assert.deepEqual(errors, []);
    await context.close();
});
