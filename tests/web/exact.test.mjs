// Exact factors and the desktop program's tables on the page: the switch and its link field, and the
// working shown under "How is this worked out?". Expected texts come from a second engine in the page.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { closePage, openPage, servedSite } from './support.mjs';

const site = servedSite();

// The engine's answer for what the converter shows, by the exact definitions or the tables.
function engineAnswer(page, tables) {
    return page.evaluate(async (byTables) => {
        const engine = await window.createEngine(window.QuorlexEngine);
        const field = (id) => Number(document.getElementById(id).value);
        return engine.convert(field('category'), field('from'), field('to'), document.getElementById('value').value,
            'auto', false, byTables);
    }, tables);
}

const result = (page) => page.element('#result').text();

test('the exact definitions by default; the desktop program\'s tables on request, kept in the link', async () => {
    const page = await openPage(site, '#v=1&from=BTU%2Flb&to=kJ%2Fkg');
    assert.equal(await result(page), '2.326');
    assert.equal(await page.element('#factor').text(), '2.326');
    await page.labelled('Desktop program\'s tables').check();
    const tables = await engineAnswer(page, true);
    assert.notEqual(tables.result, '2.326');
    assert.deepEqual([await result(page), await page.element('#factor').text()], [tables.result, tables.factor]);
    const everyRow = await page.texts('.every-value');
    assert.ok(everyRow.includes(tables.result), JSON.stringify(everyRow));
    await page.waitForFunction(() => location.hash.endsWith('&tables=1'));
    const again = await page.newTab(await page.evaluate(() => location.hash));
    assert.equal(await again.labelled('Desktop program\'s tables').isChecked(), true);
    assert.equal(await again.element('#result').text(), tables.result);
    await again.evaluate(() => { location.hash = '#v=1&from=BTU%2Flb&to=kJ%2Fkg&tables=2'; });
    await again.waitForFunction(() => /tables must be 0 or 1/.test(document.getElementById('link-note').textContent));
    await closePage(page);
});

test('how a conversion is worked out: each definition down to SI with its source, and the factors', async () => {
    const page = await openPage(site, '#v=1&from=BTU%2Flb&to=kJ%2Fkg');
    assert.equal(await page.element('#explain').text(), '');
    await page.element('#explain-box summary').click();
    // The box fills when it has opened: the toggle event comes after the click.
    await page.waitForFunction(() => document.querySelectorAll('#explain p').length > 0);
    const lines = await page.texts('#explain p');
    for (const expected of [/^1 BTU\/lb = 2\.326 kJ\/kg$/, /^BTU \(British thermal unit \(International Table\)\) = 1055\.05585262 J .*Properties of Steam/,
        /^lb \(pound \(avoirdupois\)\) = 0\.45359237 kg /, /^Exact factor: 2\.326 exactly$/, /^The window's table factor: 2\.324147175/]) {
        assert.ok(lines.some((line) => expected.test(line)), `${expected} in ${JSON.stringify(lines)}`);
    }
    // It follows the units, and a refused value leaves no working of another conversion.
    await page.labelled('From unit').select({ label: 'Calories Per Gram (cal/g)' });
    await page.waitForFunction(() => /International Table calorie/.test(document.getElementById('explain').textContent));
    await page.labelled('Value', { exact: true }).fill('12x');
    assert.doesNotMatch(await page.element('#explain').text(), /= 2\.326|1 cal\/g = /);
    await closePage(page);
});

test('units beyond the desktop program\'s lists: grouped after its units, exact, and refused by its tables', async () => {
    const page = await openPage(site, '#v=30&from=inHg&to=hPa');
    // 30 × 25.4 × 133.322387415 Pa / 100
    assert.equal(await result(page), '1015.9165921023');
    assert.equal(await page.count('#to optgroup[label="Not in the desktop program"] option'), 4);
    const every = await page.texts('.every-value');
    assert.equal(every.length, 9);
    await page.labelled('Desktop program\'s tables').check();
    await page.waitForFunction(() => /not one of the desktop program's units/.test(document.getElementById('result-note').textContent));
    assert.equal(await result(page), 'No result');
    // From inHg too: no unit converts; from a unit of the desktop program, its units alone are listed.
    await page.labelled('From unit').select({ label: 'Kpa (kPa)' });
    await page.labelled('To unit').select({ label: 'Atmospheres (atm)' });
    await page.waitForFunction(() => document.querySelectorAll('#every li:not([hidden])').length === 5);
    await page.labelled('Desktop program\'s tables').click();
    await page.waitForFunction(() => document.querySelectorAll('#every li:not([hidden])').length === 9);
    await closePage(page);
});
