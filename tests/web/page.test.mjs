// The converter page, served on 127.0.0.1, in the browser QUORLEX_BROWSER names: every answer the page shows is checked against a
// second engine made in the same page, so no expected number is written here.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { createRequire } from 'node:module';
import { chromiumOnly, closePage, openPage, servedSite } from './support.mjs';

const require = createRequire(import.meta.url);
const axeSource = require('fs').readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

const site = servedSite();

const open = (fragment, options) => openPage(site, fragment, options);
const close = closePage;

// Runs fn(engine) in the page with an engine of its own, and returns what it returns.
function withEngine(page, fn, arg) {
    return page.evaluate(async ([source, value]) => {
        window.testEngine = window.testEngine || window.createEngine(window.QuorlexEngine);
        const engine = await window.testEngine;
        return new Function('engine', 'arg', `return (${source})(engine, arg);`)(engine, value);
    }, [fn.toString(), arg]);
}

// Waits until the page has written an address fragment that matches pattern (it writes once typing
// pauses) and returns it.
async function fragmentMatching(page, pattern) {
    await page.waitForFunction((source) => new RegExp(source).test(location.hash), pattern.source);
    return page.evaluate(() => location.hash);
}

// The category, units and the texts the page shows.
function shown(page) {
    return page.evaluate(() => ({
        category: Number(document.getElementById('category').value),
        from: Number(document.getElementById('from').value),
        to: Number(document.getElementById('to').value),
        value: document.getElementById('value').value,
        result: document.getElementById('result').textContent,
        noResult: document.getElementById('result').classList.contains('none'),
        factor: document.getElementById('factor').textContent,
        formula: document.getElementById('formula').hidden ? '' : document.getElementById('formula').textContent,
        places: document.getElementById('places').textContent,
        valueError: document.getElementById('value-error').hidden ? '' : document.getElementById('value-error').textContent,
    }));
}

// What the engine answers for what the page shows.
async function expectEngineAnswer(page, places = 'auto', comma = false) {
    const now = await shown(page);
    const answer = await withEngine(page, (engine, a) => engine.convert(a.category, a.from, a.to, a.value, a.places, a.comma),
        { ...now, places, comma });
    assert.equal(answer.ok, true, `the engine refused ${JSON.stringify(now)}: ${answer.reason}`);
    assert.equal(now.result, answer.result);
    assert.equal(now.factor, answer.factor);
    assert.equal(now.formula, answer.formula);
    return answer;
}

test('converts on every keystroke, with the factor', async () => {
    const page = await open('#v=1&from=ton/ac&to=Mg/ha');
    const value = page.labelled('Value', { exact: true });
    await value.fill('');
    for (const key of '12.5') {
        await value.press(key);
        await expectEngineAnswer(page);
    }
    assert.equal((await shown(page)).value, '12.5');
    await close(page);
});

test('categories and units come from the engine; units read as name and symbol', async () => {
    const page = await open();
    const catalogue = await withEngine(page, (engine) => engine.categories);
    assert.equal(catalogue.length, 17);
    const captions = await page.labelled('Category').optionTexts();
    assert.deepEqual(captions, catalogue.map((c) => c.caption));
    for (const category of [catalogue[9], catalogue[11]]) {
        await page.labelled('Category').select(String(category.index));
        const labels = category.units.map((u) => `${u.name} (${u.symbol})`);
        assert.deepEqual(await page.labelled('From unit').optionTexts(), labels);
        assert.deepEqual(await page.labelled('To unit').optionTexts(), labels);
        await page.labelled('To unit').select({ label: labels[labels.length - 1] });
        const answer = await expectEngineAnswer(page);
        if (category.formula) {
            assert.equal(answer.factor, 'Formula Used');
            assert.notEqual(answer.formula, '');
        }
    }
    await close(page);
});

test('swap exchanges the units and converts back', async () => {
    const page = await open('#v=12.5&from=ton/ac&to=Mg/ha');
    const before = await shown(page);
    await page.button('Swap units').click();
    const after = await shown(page);
    assert.deepEqual([after.from, after.to, after.value], [before.to, before.from, '12.5']);
    await expectEngineAnswer(page);
    await close(page);
});

test('fewer and more places start from the automatic places; a new value returns to automatic', async () => {
    const page = await open('#v=12.5&from=ton/ac&to=Mg/ha');
    const automatic = await expectEngineAnswer(page);
    await page.button('More decimal places').click();
    await expectEngineAnswer(page, automatic.places + 1);
    await page.button('Fewer decimal places').click();
    await page.button('Fewer decimal places').click();
    await expectEngineAnswer(page, automatic.places - 1);
    await fragmentMatching(page, new RegExp(`&p=${automatic.places - 1}$`));
    await page.labelled('Value', { exact: true }).fill('3');
    assert.equal((await shown(page)).places, 'auto');
    await expectEngineAnswer(page);
    await close(page);
});

test('copy puts exactly the shown result on the clipboard', async () => {
    const page = await open('#v=12.5&from=ton/ac&to=Mg/ha&p=7');
    await page.allowClipboard();
    await page.button('Copy result').click();
    await page.waitForFunction(() => /^Copied /.test(document.getElementById('copy-status').textContent));
    const copied = await page.clipboardText();
    assert.equal(copied, (await shown(page)).result);
    await close(page);
});

test('the address fragment opens a conversion and follows the form', async () => {
    const page = await open('#v=2500&from=g%2Fm2&to=tons%20per%20acre');
    const [fuel, tonsPerAcre] = await withEngine(page, (engine) => [engine.lookup('g/m2')[0], engine.lookup('tons per acre')[0]]);
    let now = await shown(page);
    assert.deepEqual([now.category, now.from, now.to, now.value], [fuel.category, fuel.unit, tonsPerAcre.unit, '2500']);
    await expectEngineAnswer(page);
    // Written back with symbols and encodeURIComponent; "+" stays a plus sign.
    await page.labelled('Value', { exact: true }).fill('+1e2');
    assert.equal(await fragmentMatching(page, /^#v=%2B1e2&/), '#v=%2B1e2&from=g%2Fm2&to=ton%2Fac');
    // A symbol of several categories is settled by the other unit and written with its category; a new
    // link is followed at once.
    const angle = await withEngine(page, (engine) => engine.categories.find((c) => c.className === 'Angle'));
    await page.evaluate((hash) => { location.hash = hash; }, `#v=90&from=${angle.units[0].symbol}&to=${angle.units[1].symbol}`);
    await page.waitForFunction((index) => document.getElementById('category').value === String(index), angle.index);
    now = await shown(page);
    assert.equal(now.value, '90');
    await expectEngineAnswer(page);
    await fragmentMatching(page, /^#v=90&.*&c=Angle$/);
    // A broken escape is refused with a note; the conversion stays.
    await page.evaluate(() => { location.hash = '#v=%E0%A4%A&from=K'; });
    await page.waitForFunction(() => /This link could not be opened/.test(document.getElementById('link-note').textContent));
    assert.equal((await shown(page)).value, '90');
    // A unit refused for a reason of its own says that reason, as the command line does.
    for (const [hash, reason] of [['#v=1&from=t%2Fac&to=kg%2Fm2', /t\/ac: ton\/ac \(short tons per acre\) or Mg\/ha/],
        ['#v=1&from=m%5E999&to=m', /"m\^999" is no unit: .*999/]]) {
        await page.evaluate((next) => { location.hash = next; }, hash);
        await page.waitForFunction((pattern) => new RegExp(pattern).test(document.getElementById('link-note').textContent), reason.source);
        assert.equal((await shown(page)).value, '90');
    }
    await close(page);
});

test('without a fragment the last state comes back', async () => {
    const page = await open('#v=7.25&from=ton/ac&to=kg/m2&p=3');
    const before = await shown(page);
    await fragmentMatching(page, /^#v=7\.25&.*&p=3$/);
    const again = await page.newTab();
    const after = await shown(again);
    assert.deepEqual(after, before);
    await close(page);
});

test('a conversion with the keyboard alone, with a visible focus', async () => {
    const page = await open('#v=1&from=ton/ac&to=Mg/ha');
    const start = await shown(page);
    await page.labelled('Category').focus();
    await page.pressKey('ArrowDown');
    await page.pressKey('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'value');
    const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    assert.notEqual(outline, 'none');
    await page.pressKey('Control+A');
    await page.typeText('42');
    await page.pressKey('Tab');
    await page.pressKey('ArrowDown');
    await page.pressKey('Tab');
    await page.pressKey('Space');
    const now = await shown(page);
    assert.equal(now.category, start.category + 1);
    assert.equal(now.from, 1);
    assert.equal(now.value, '42');
    await expectEngineAnswer(page);
    await close(page);
});

test('fits 360 by 640 with no sideways scrolling, and at 200 % zoom', async () => {
    for (const viewport of [{ width: 360, height: 640 }, { width: 640, height: 400 }]) {
        const page = await open('#v=123456789.123&from=ton/ac&to=lb/ft2&p=25', { viewport, isMobile: true, hasTouch: true });
        const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
        assert.ok(widths[0] <= widths[1], `page ${widths[0]} px wide in ${widths[1]} px`);
        await close(page);
    }
});

test('every target is at least 44 by 44 CSS pixels', async () => {
    const page = await open('', { viewport: { width: 360, height: 640 } });
    const small = await page.evaluate(() => [...document.querySelectorAll('button, select, input, label.switch')]
        .filter((target) => !target.closest('[hidden]') && target.type !== 'checkbox')
        .map((target) => [target.id || target.textContent.trim(), target.getBoundingClientRect()])
        .filter(([, box]) => box.width < 44 || box.height < 44)
        .map(([name]) => name));
    assert.deepEqual(small, []);
    await close(page);
});

for (const colorScheme of ['light', 'dark']) {
    test(`axe-core finds no accessibility violations in the ${colorScheme} colour scheme`,
        colorScheme === 'dark' ? chromiumOnly('Firefox over WebDriver BiDi cannot ask a page for the dark colour scheme') : {},
        async () => {
            const page = await open('#v=-40&from=degC&to=degF', { colorScheme });
            await page.addScriptTag({ content: axeSource });
            const results = await page.evaluate(() => window.axe.run(document));
            assert.deepEqual(results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
            await close(page);
        });
}

test('a refused value shows its reason at the field and no result; a number\'s start waits for the blur', async () => {
    const page = await open('#v=1&from=ton/ac&to=Mg/ha');
    const value = page.labelled('Value', { exact: true });
    await value.fill('12x');
    let now = await shown(page);
    assert.ok(now.noResult && now.valueError, JSON.stringify(now));
    assert.equal(await value.attribute('aria-invalid'), 'true');
    await value.fill('-');
    now = await shown(page);
    assert.ok(now.noResult && !now.valueError, JSON.stringify(now));
    await value.blur();
    now = await shown(page);
    assert.ok(now.noResult && now.valueError, JSON.stringify(now));
    await close(page);
});

test('a result too small for the automatic places shows its general text', async () => {
    const page = await open('#v=1e-300&from=ton/ac&to=Mg/ha');
    const now = await shown(page);
    const answer = await withEngine(page, (engine, a) => engine.convert(a.category, a.from, a.to, a.value, 'auto', false), now);
    assert.equal(answer.kind, 'result-too-small');
    assert.deepEqual([now.result, now.noResult, now.valueError], [answer.general, false, '']);
    await close(page);
});

test('the decimal comma switch reads and writes a comma; it starts on for a comma language', async () => {
    const page = await open('#v=1%2C5&from=ton/ac&to=Mg/ha');
    await page.labelled('Decimal comma').check();
    await expectEngineAnswer(page, 'auto', true);
    assert.match((await shown(page)).result, /,/);
    await fragmentMatching(page, /&comma=1$/);
    await close(page);
    const german = await open('', { locale: 'de-DE' });
    assert.equal(await german.labelled('Decimal comma').isChecked(), true);
    await close(german);
});

test('the one-line entry fills the form; a name that fits several categories is settled by the other', async () => {
    const page = await open();
    const line = page.labelled('Type a whole conversion');
    for (const text of ['12.5 ton/ac Mg/ha', '-40 degC degF', '2500 g/m2 "tons per acre"']) {
        await line.fill(text);
        const read = await withEngine(page, (engine, t) => engine.readLine(t, 0), text);
        const now = await shown(page);
        assert.deepEqual([now.category, now.from, now.to, now.value], [read.category, read.from, read.to, read.value]);
        await expectEngineAnswer(page);
    }
    await line.fill('1 ton/ac degF');
    await line.blur();
    await page.element('#line-error:not([hidden])').waitFor();
    await close(page);
});

test('choosing a row of the every-unit list makes it the To unit', async () => {
    const page = await open('#v=12.5&from=ton/ac&to=Mg/ha');
    const count = await page.count('.every-row');
    const answers = await withEngine(page, (engine) => engine.convertAll(9, 2, '12.5', 'auto', false));
    assert.deepEqual(await page.texts('.every-value'), answers.map((a) => a.result));
    await page.element('.every-row', count - 1).click();
    assert.equal((await shown(page)).to, count - 1);
    await expectEngineAnswer(page);
    await close(page);
});
