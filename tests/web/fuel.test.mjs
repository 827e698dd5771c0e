// The fuel models view: the standard models as quorlex-convert fuel-model shows them, and custom fuel model
// files opened, checked and downloaded as quorlex-convert fmd checks and converts them (QUORLEX_CONVERT
// names the program; every expected text and byte comes from running it). Hostile files included. The file
// is read and converted in the page's worker, as the CSV files are.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { assertFitsPhoneAndAccessible, buildDir, chromiumOnly, closePage, openPage, servedSite } from './support.mjs';

const site = servedSite();
const program = process.env.QUORLEX_CONVERT || path.join(buildDir, '../build/quorlex-convert');

// What quorlex-convert writes for the arguments, a file FILE among them holding bytes.
function commandLine(bytes, args) {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quorlex-fuel-'));
    const file = path.join(folder, 'in.fmd');
    fs.writeFileSync(file, bytes);
    try {
        const out = execFileSync(program, args.map((arg) => (arg === 'FILE' ? file : arg)),
            { stdio: ['ignore', 'pipe', 'pipe'], maxBuffer: 64 << 20 });
        return { out, status: 0 };
    } catch (error) {
        return { out: error.stdout, status: error.status, err: String(error.stderr) };
    } finally {
        fs.rmSync(folder, { recursive: true, force: true });
    }
}

// Hands the view a file as its picker or a drop would, and waits for its table or its refusal. Downloads
// are caught: window.saved holds the name and the bytes of the last one.
async function giveFile(page, bytes, name, how = 'picker') {
    await page.evaluate(([data, fileName, way]) => {
        window.saved = null;
        const make = URL.createObjectURL;
        URL.createObjectURL = (blob) => {
            // The page's worker starts from a blob of its scripts too.
            if (blob.type !== 'text/javascript') {
                window.saved = Object.assign(window.saved || {}, { blob });
            }
            return make.call(URL, blob);
        };
        HTMLAnchorElement.prototype.click = function () {
            window.saved = Object.assign(window.saved || {}, { name: this.download });
        };
        document.getElementById('fuel-file-error').hidden = true;
        document.getElementById('fuel-file-panel').hidden = true;
        const transfer = new DataTransfer();
        transfer.items.add(new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], fileName));
        if (way === 'drop') {
            document.getElementById('fuel-file-drop').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
        } else {
            const input = document.getElementById('fuel-file');
            input.files = transfer.files;
            input.dispatchEvent(new Event('change', { bubbles: true }));
        }
    }, [bytes.toString('base64'), name, how]);
    await page.waitForFunction(() => !document.getElementById('fuel-file-panel').hidden ||
        !document.getElementById('fuel-file-error').hidden);
}

// Clicks Download and waits for the download or a refusal; then, with bytes, gives what was saved.
async function download(page, bytes = true) {
    await page.element('#fuel-download').click();
    await page.waitForFunction(() => (window.saved && window.saved.name && window.saved.blob) ||
        !document.getElementById('fuel-file-error').hidden);
    return bytes ? savedFile(page) : null;
}

function savedFile(page) {
    return page.evaluate(async () => (window.saved
        ? { name: window.saved.name, bytes: Array.from(new Uint8Array(await window.saved.blob.arrayBuffer())) } : null));
}

const sample = Buffer.from('ENGLISH\n19 2.250 1.500 3.710 0.000 1.000 2000 1800 1500 0.600 25 8000 8000\n');

test('a standard model shows the values of fuel-model, in English and metric, each in the other units too', async () => {
    const page = await openPage(site, '#view=fuel&model=sh5&units=metric');
    assert.equal(await page.tab('Fuel models').attribute('aria-selected'), 'true');
    // Each row of the command line's table: label, value, unit.
    const rows = (args) => String(commandLine('', ['fuel-model', ...args]).out).split('\n').slice(2)
        .filter(Boolean).map((line) => line.trim().split(/\s{2,}/));
    const shown = () => page.evaluate(() => [...document.querySelectorAll('#fuel-table tbody tr')].map((row) =>
        [row.cells[0].textContent, row.querySelector('strong').textContent.replace('\u00a0', '  ')]));
    assert.deepEqual(await shown(), rows(['SH5', '--metric']).map(([label, value, unit]) => [label, `${value}  ${unit}`]));
    const others = await page.evaluate(() => [...document.querySelectorAll('.fuel-others')].map((e) => e.textContent));
    // The metric heat content beside the published 8000 BTU/lb, and the 1-h ratio from its published 750 1/ft.
    assert.match(others[12], /(^| )8000\u00a0BTU\/lb /);
    assert.match(others[5], /^750\u00a01\/ft /);
    await page.element('#fuel-system').select('english');
    await page.waitForFunction(() => location.hash === '#view=fuel&model=SH5');
    assert.deepEqual(await shown(), rows(['SH5']).map(([label, value, unit]) => [label, `${value}  ${unit}`]));
    await page.element('#fuel-model').select('0');
    assert.match(await page.element('#fuel-about').text(), /^FM1 \(1\), Short grass/);
    await closePage(page);

    const refused = await openPage(site, '#view=fuel&model=ZZ9');
    assert.equal(await refused.element('#link-note').text(), 'This link could not be opened. No standard fuel model is called "ZZ9".');
    await closePage(refused);
});

test('a fuel model file is checked and downloads in the other units as fmd writes it, by picker and by drop', async () => {
    const page = await openPage(site, '#view=fuel');
    for (const [bytes, how] of [[sample, 'picker'],
        [Buffer.from('# mine\r\n20\tGRx 0.5 0 0 1 0 dynamic 2000 1800 1500 1 20 8000 8000  Tall grass, wet  \r\n'), 'drop'],
        [Buffer.from('METRIC\n19 5.044 3.363 8.317 0.000 2.242 65.62 59.06 49.21 18.3 25 18608 18608\n'), 'picker']]) {
        await giveFile(page, bytes, 'custom.FMD', how);
        const metric = !bytes.toString().startsWith('METRIC');
        const check = String(commandLine(bytes, ['fmd', '--check', 'FILE']).out);
        assert.equal(await page.element('#fuel-file-summary').text(),
            check.trim().replace(/^.*in\.fmd": /, 'custom.FMD: ') + '.');
        const saved = await download(page);
        assert.equal(saved.name, metric ? 'custom-metric.FMD' : 'custom-english.FMD');
        assert.deepEqual(Buffer.from(saved.bytes), commandLine(bytes, ['fmd', '--to', metric ? 'metric' : 'english', 'FILE']).out);
    }
    await closePage(page);
});

test('a file with errors lists fmd --check\'s findings, and converts only when asked to', async () => {
    const page = await openPage(site, '#view=fuel');
    const bytes = Buffer.from('20 GR 1 0 0 0 0 dynamic 2000 1800 1500 1 20 8000 8000 A\n' +
        '5 LONGCODE -1 0 0 0 0 hot 2000 1800 1500 -1 20 8000 8000 C\n23 G x 0 0 0 0 static 65 1800 1500 1 20 18608 8000 F\n');
    await giveFile(page, bytes, 'bad.fmd');
    const check = commandLine(bytes, ['fmd', '--check', 'FILE']);
    assert.equal(check.status, 2);
    const findings = String(check.out).split('\n').filter((line) => / line \d+: /.test(line))
        .map((line) => line.replace(/^.*?, line (\d+): /, 'Line $1: '));
    assert.deepEqual(await page.texts('#fuel-findings li'), findings);
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('#fuel-file-table tbody tr')].map((row) => row.className)),
        ['', 'fuel-error', 'fuel-error']);
    assert.equal(await download(page), null);
    assert.equal(await page.element('#fuel-file-error').text(),
        'Not converted: errors on lines 2, 3. Mend them, or turn on "Convert even with errors".');
    await page.element('#fuel-keep-going').check();
    const saved = await download(page);
    assert.deepEqual(Buffer.from(saved.bytes), commandLine(bytes, ['fmd', '--to', 'metric', '--keep-going', 'FILE']).out);
    await closePage(page);
});

test('hostile files: the command line\'s message with the line, no table, and the view keeps working', async () => {
    const page = await openPage(site, '#view=fuel');
    const model = '20 GR 1 0 0 0 0 dynamic 2000 1800 1500 1 20 8000 8000 A\n';
    for (const bytes of [Buffer.from('ENGLISH\n'), Buffer.from([0x7f, 0x45, 0x4c, 0x46, 0, 1]), Buffer.alloc(0),
        Buffer.from(model + 'x'.repeat(2 * 1024 * 1024)), Buffer.from(model.repeat(40000)),
        Buffer.from(model + '\0' + model), Buffer.from('1 '.repeat(600000))]) {
        await giveFile(page, bytes, 'hostile.fmd');
        const refused = commandLine(bytes, ['fmd', '--check', 'FILE']);
        assert.equal(refused.status, 2);
        const reason = refused.err.trim().replace(/^quorlex-convert: "[^"]*in\.fmd"/, 'hostile.fmd');
        assert.equal(await page.element('#fuel-file-error').text(), reason);
        assert.equal(await page.element('#fuel-file-panel').isHidden(), true);
    }
    // A name that is not UTF-8: read, flagged, and written back byte for byte.
    const named = Buffer.concat([Buffer.from(model.slice(0, -2)), Buffer.from([0xff, 0xfe]), Buffer.from('\n')]);
    await giveFile(page, named, 'named.fmd');
    assert.match((await page.texts('#fuel-findings li')).join('\n'), /^Line 1: .*UTF-8/m);
    await page.element('#fuel-keep-going').check();
    assert.deepEqual(Buffer.from((await download(page)).bytes), commandLine(named, ['fmd', '--to', 'metric', '--keep-going', 'FILE']).out);
    await page.element('#fuel-model').select('5');
    assert.match(await page.element('#fuel-about').text(), /^FM6 /);
    await closePage(page);
});

test('a file of nearly 1 MiB converts in the worker while the page stays free to use', async () => {
    const page = await openPage(site, '#view=fuel');
    const line = '20 GRx 0.5 0 0 1 0 dynamic 2000 1800 1500 1 20 8000 8000 Tall grass, wet\n';
    const bytes = Buffer.from(line.repeat(Math.floor(1024 * 1024 / line.length)));
    await giveFile(page, bytes, 'large.fmd');
    await page.element('#fuel-keep-going').check();
    // The longest the page's own thread is held while the file converts.
    await page.evaluate(() => {
        window.longestGap = 0;
        let last = performance.now();
        window.gapTimer = setInterval(() => {
            window.longestGap = Math.max(window.longestGap, performance.now() - last);
            last = performance.now();
        }, 20);
    });
    await download(page, false);
    const longest = await page.evaluate(() => {
        clearInterval(window.gapTimer);
        return window.longestGap;
    });
    assert.ok(longest < 500, `the page was held for ${longest} ms`);
    const saved = await savedFile(page);
    assert.deepEqual(Buffer.from(saved.bytes), commandLine(bytes, ['fmd', '--to', 'metric', '--keep-going', 'FILE']).out);
    await closePage(page);
});

test('the keyboard alone opens the view and picks a model', async () => {
    const page = await openPage(site, '');
    await page.tab('Unit converter').focus();
    await page.pressKey('End');
    assert.equal(await page.tab('Fuel models').attribute('aria-selected'), 'true');
    await page.pressKey('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'fuel-model');
    await page.pressKey('End');
    await page.waitForFunction(() => location.hash === '#view=fuel&model=SB4');
    await closePage(page);
});

for (const colorScheme of ['light', 'dark']) {
    test(`the fuel models view fits 360 px with no sideways scrolling, and axe-core finds no violations (${colorScheme})`,
        colorScheme === 'dark' ? chromiumOnly('Firefox over WebDriver BiDi cannot ask a page for the dark colour scheme') : {},
        async () => {
            const page = await openPage(site, '#view=fuel&model=TL5&units=metric', { viewport: { width: 360, height: 640 }, colorScheme });
            await giveFile(page, Buffer.from('20 GR 1 0 0 0 0 dynamic 2000 1800 1500 1 20 8000 8000 A\n21 G 0 0 0 0 0 static 2000 1800 1500 0 0 8000 8000 D\n'), 'mine.fmd');
            await assertFitsPhoneAndAccessible(page, '#fuel-view');
            await closePage(page);
        });
}
