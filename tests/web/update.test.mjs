// An installed copy of the served site follows a rebuilt site: two builds that differ in one byte of the
// page, served one after the other from the same address, as a web server whose files were replaced.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { browserName, chromiumOnly, launchChromium, ready, repoDir, serve, siteDir } from './support.mjs';

const OLD_TAGLINE = 'Units for wildland-fire and fuels data';
const NEW_TAGLINE = 'Units For wildland-fire and fuels data';
const READY_NOTE = 'A new version is ready: reload to use it.';

let browser;
let folder;

// The worker's update is a matter of the site and the service worker API, tried once, in Chromium.
const onlyOnce = chromiumOnly('the site\'s build names and its worker\'s update are tried once, in the Chromium pass');

before(async () => {
    if (browserName !== 'chromium') {
        return;
    }
    browser = await launchChromium();
    folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quorlex-update-'));
});

after(async () => {
    await browser?.close();
    if (folder) {
        fs.rmSync(folder, { recursive: true, force: true });
    }
});

function buildOf(site) {
    return /<meta name="quorlex-build" content="([^"]*)">/.exec(fs.readFileSync(path.join(site, 'index.html'), 'utf8'))[1];
}

// Seals a site folder again as the build seals a site: returns its new build name.
function reseal(site) {
    const version = buildOf(site).split('-')[0];
    return execFileSync(process.execPath, [path.join(repoDir, 'web/build-site.js'),
        '--web', path.join(repoDir, 'web'), '--version', version, '--site', site], { encoding: 'utf8' }).trim();
}

// A copy of the built site with one byte of its page changed, sealed again.
function changedSite() {
    const site = path.join(folder, 'changed');
    fs.cpSync(siteDir, site, { recursive: true });
    const page = path.join(site, 'index.html');
    const html = fs.readFileSync(page, 'utf8');
    assert.ok(html.includes(OLD_TAGLINE), 'the page shows the tagline this test changes');
    fs.writeFileSync(page, html.replace(OLD_TAGLINE, NEW_TAGLINE));
    return { site, version: buildOf(site).split('-')[0], build: reseal(site) };
}

test('one changed byte in any file of the site gives it another build name, and so another worker', onlyOnce, () => {
    const built = buildOf(siteDir);
    assert.match(built, /^\d+\.\d+\.\d+-[0-9a-f]{12}$/);
    const same = path.join(folder, 'same');
    fs.cpSync(siteDir, same, { recursive: true });
    assert.equal(reseal(same), built, 'sealing an unchanged site again keeps its name');
    const names = fs.readdirSync(siteDir).filter((name) => name !== 'sw.js');
    assert.ok(names.includes('quorlex-engine.wasm') && names.includes('index.html'));
    const seen = new Set([built]);
    for (const name of names) {
        const site = path.join(folder, `one-byte-${name}`);
        fs.cpSync(siteDir, site, { recursive: true });
        const file = path.join(site, name);
        const bytes = fs.readFileSync(file);
        bytes[bytes.length - 1] ^= 0x01;
        fs.writeFileSync(file, bytes);
        const build = reseal(site);
        assert.ok(!seen.has(build), `a changed byte of ${name} changes the build name`);
        seen.add(build);
        const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
        assert.ok(worker.includes(`'${build}'`) && !worker.includes(built), `sw.js of ${name}'s change names the new build`);
        assert.equal(buildOf(site), build);
    }
});

async function shown(page) {
    return page.evaluate(() => ({
        tagline: document.querySelector('.tagline').textContent,
        note: document.getElementById('update-note').textContent,
        build: document.querySelector('meta[name="quorlex-build"]').content,
    }));
}

// Types a value and checks that the page shows the engine's answer for it.
async function convertsByTyping(page) {
    await page.getByLabel('Value', { exact: true }).fill('12.5');
    const [result, answer] = await page.evaluate(async () => {
        const engine = await window.createEngine(window.QuorlexEngine);
        const field = (id) => Number(document.getElementById(id).value);
        return [document.getElementById('result').textContent,
            engine.convert(field('category'), field('from'), field('to'), '12.5', 'auto', false)];
    });
    assert.equal(answer.ok, true);
    assert.equal(result, answer.result);
}

test('a returning visitor gets a rebuilt site by the second load, is told so, and keeps it offline', onlyOnce, async () => {
    const changed = changedSite();
    const first = await serve(siteDir);
    const port = Number(new URL(first.url).port);
    const context = await browser.newContext({ locale: 'en-US' });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.goto(first.url + '#v=1&from=ton/ac&to=Mg/ha');
    await ready(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const firstBuild = (await shown(page)).build;
    assert.notEqual(firstBuild, changed.build, 'one changed byte gives the site another build name');

    // With the network gone, the installed build keeps working, and says nothing of an update.
    await first.close();
    await page.reload();
    await ready(page);
    await convertsByTyping(page);
    assert.deepEqual(await shown(page), { tagline: OLD_TAGLINE, note: '', build: firstBuild });

    // The rebuilt site at the same address: the first reload may still show the installed build, which
    // then learns of the new one; the second shows the new one.
    const second = await serve(changed.site, port);
    let now = null;
    for (let reload = 1; reload <= 2; ++reload) {
        await page.reload();
        await ready(page);
        now = await shown(page);
        if (now.tagline === NEW_TAGLINE) {
            break;
        }
        assert.equal(now.build, firstBuild);
        const told = await page.waitForFunction((note) => document.getElementById('update-note').textContent === note,
            READY_NOTE, { timeout: 10000 }).then(() => true, () => false);
        assert.ok(told, `the page running the older build says "${READY_NOTE}"`);
    }
    assert.deepEqual(now, { tagline: NEW_TAGLINE, note: `Updated to Quorlex ${changed.version}.`, build: changed.build });
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    assert.deepEqual(await page.evaluate(() => window.caches.keys()), [`quorlex-${changed.build}`]);

    // The new build works with the network gone, and the note is said once only.
    await second.close();
    await page.reload();
    await ready(page);
    await convertsByTyping(page);
    assert.deepEqual(await shown(page), { tagline: NEW_TAGLINE, note: '', build: changed.build });
    assert.deepEqual(errors, []);
    await context.close();
});
