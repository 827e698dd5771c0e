// The fire calculations view, in the browser QUORLEX_BROWSER names: every answer the page shows is checked against a second engine
// made in the same page, so no expected number is written here.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { assertFitsPhoneAndAccessible, chromiumOnly, closePage, openPage, servedSite } from './support.mjs';

const site = servedSite();

const open = (fragment, options) => openPage(site, fragment, options);
const close = closePage;

// The engine's own answer for a calculation, from a second engine in the page.
function expected(page, id, inputs, to) {
    return page.evaluate(async ([id, inputs, to]) => {
        const engine = await window.createEngine(window.QuorlexEngine);
        const relation = engine.relations.find((each) => each.id === id);
        const unit = (quantity, symbol) => quantity.units.findIndex((each) => each.symbol === symbol);
        const given = relation.inputs.map((input, i) => ({ value: inputs[i][0], unit: unit(input, inputs[i][1]) }));
        return engine.calculate(id, given, unit(relation.output, to), 'auto', false);
    }, [id, inputs, to]);
}

const result = (page) => page.element('#fire-result').text();

test('a calculation typed shows the engine\'s answer, formula and source, and follows a unit change', async () => {
    const page = await open();
    await page.tab('Fire calculations').click();
    await page.element('#relation').select({ label: 'Fireline intensity from heat per unit area and rate of spread' });
    await page.labelled('Heat per unit area (HPA)').fill('2000');
    await page.labelled('Rate of spread (R)').fill('10');
    await page.labelled('Unit of rate of spread').select({ label: 'Meters Per Minute (m/min)' });
    let answer = await expected(page, 'intensity', [['2000', 'kJ/m2'], ['10', 'm/min']], 'kW/m');
    assert.equal(await result(page), answer.result + ' kW/m');
    assert.match(await page.element('#fire-formula').text(), /I = /);
    assert.match(await page.element('#fire-source').text(), /Rothermel 1972/);
    await page.labelled('Unit of the fireline intensity').select({ label: 'BTUs Per Foot Per Second (BTU/ft/s)' });
    answer = await expected(page, 'intensity', [['2000', 'kJ/m2'], ['10', 'm/min']], 'BTU/ft/s');
    assert.equal(await result(page), answer.result + ' BTU/ft/s');
    await close(page);
});

test('the interpretation class and a warning are shown; a refusal stands at its input with no number', async () => {
    const page = await open('#view=fire&calc=flame-length&intensity=600&intensity.unit=BTU%2Fft%2Fs');
    // 600 BTU/ft/s is class 3 by the intensity given, whatever flame length Byram's fit makes of it.
    assert.match(await page.element('#fire-class').text(),
        /^class 3 by fireline intensity, 500 to 1000 BTU\/ft\/s \(Andrews and Rothermel 1982\): /);
    assert.match(await page.element('#fire-range').text(), /\(Alexander 1982\)$/);
    await page.labelled('Fireline intensity (I)').fill('1e9');
    assert.equal(await page.element('#fire-warnings').text(),
        'Warning: intensity: "1e9" BTU/ft/s lies outside 4.33 \u2264 I \u2264 28900 BTU/ft/s, the fireline intensities '
        + 'observed in wildland fires (Alexander 1982)');
    await page.labelled('Fireline intensity (I)').fill('-5');
    await page.labelled('Fireline intensity (I)').blur();
    const error = page.element('#fire-input-0-error');
    assert.match(await error.text(), /^intensity: .*out of range/);
    assert.equal(await page.labelled('Fireline intensity (I)').attribute('aria-invalid'), 'true');
    assert.equal(await result(page), 'No result');
    assert.equal(await page.element('#fire-class').isHidden(), true);
    await close(page);
});

test('a fit without a published range says so, and the 10-m wind names the other ratio in use', async () => {
    const page = await open('#view=fire&calc=wind-10m&u20=10&u20.unit=mi%2Fh');
    assert.equal(await result(page), '11.5 mi/h');
    assert.equal(await page.element('#fire-range').text(), 'no published range');
    assert.equal(await page.element('#fire-note').text(), 'k = 1.15 by default; some programs use 1.13');
    await page.element('#relation').select({ label: 'Moisture content on a dry basis from the wet-basis percentage' });
    assert.equal(await page.element('#fire-range').text(), 'none needed, the relation is exact');
    assert.equal(await page.element('#fire-note').isHidden(), true);
    await close(page);
});

test('the fragment opens a calculation by any unit name and is written back with symbols', async () => {
    const page = await open('#view=fire&calc=intensity&hpa=2000&hpa.unit=kJ%2Fm2&ros=10&ros.unit=meters%20per%20minute&to=BTU%2Fft%2Fs');
    const answer = await expected(page, 'intensity', [['2000', 'kJ/m2'], ['10', 'm/min']], 'BTU/ft/s');
    assert.equal(await result(page), answer.result + ' BTU/ft/s');
    await page.labelled('Rate of spread (R)').fill('12');
    await page.waitForFunction(() => location.hash.includes('ros=12'));
    assert.equal(await page.evaluate(() => location.hash),
        '#view=fire&calc=intensity&hpa=2000&hpa.unit=kJ%2Fm2&ros=12&ros.unit=m%2Fmin&to=BTU%2Fft%2Fs');
    // Reopened without a fragment, the last state comes back from the storage.
    await page.load();
    assert.equal(await page.tab('Fire calculations').attribute('aria-selected'), 'true');
    assert.equal(await page.labelled('Rate of spread (R)').value(), '12');
    await close(page);
});

test('a time takes 1:30 as hours and minutes, and the keyboard alone switches views and calculates', async () => {
    const page = await open();
    await page.tab('Unit converter').focus();
    await page.pressKey('ArrowRight');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'tab-fire');
    await page.pressKey('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'relation');
    await page.element('#relation').select({ label: 'Distance covered at a rate of spread in a time' });
    await page.pressKey('Tab');
    await page.typeText('2');
    await page.pressKey('Tab');
    await page.pressKey('Tab');
    await page.typeText('1:30');
    const answer = await expected(page, 'spread-distance', [['2', 'm/min'], ['90', 'min']], 'm');
    assert.equal(await result(page), answer.result + ' m');
    assert.equal(await page.element('#fire-input-1-reading').text(), '1 h 30 min');
    assert.equal(await page.labelled('Unit of time').value(), '-1');
    await close(page);
});

test('hours and minutes take no unit: 1:30 in minutes is refused as the command line refuses it', async () => {
    const page = await open('#view=fire&calc=spread-distance&ros=10&ros.unit=m%2Fmin&time=1%3A30&time.unit=min');
    assert.equal(await page.element('#fire-input-1-error').text(),
        'time: "1:30" is hours and minutes (H:MM), which take no unit: give 1:30 alone, or the time as a number of min');
    assert.equal(await result(page), 'No result');
    assert.equal(await page.element('#fire-input-1-reading').isHidden(), true);
    await page.labelled('Unit of time').select({ label: 'Hours and minutes (H:MM)' });
    assert.equal(await result(page), '900 m');
    assert.equal(await page.element('#fire-input-1-reading').text(), '1 h 30 min');
    await page.waitForFunction(() => location.hash.includes('time.unit=H%3AMM'));
    await close(page);
});

for (const colorScheme of ['light', 'dark']) {
    test(`the fire view fits 360 px with no sideways scrolling, and axe-core finds no violations (${colorScheme})`,
        colorScheme === 'dark' ? chromiumOnly('Firefox over WebDriver BiDi cannot ask a page for the dark colour scheme') : {},
        async () => {
            const page = await open('#view=fire&calc=byram-intensity&heat=18000&load=1.2&ros=3', { viewport: { width: 360, height: 640 }, colorScheme });
            await assertFitsPhoneAndAccessible(page, '#fire-view');
            await close(page);
    });
}

test('a psychrometer reading, a map scale written 1:24,000, and whether a surface fire torches', async () => {
    const shown = (answer) => answer.result + (answer.unit ? ' ' + answer.unit : '');
    let page = await open('#view=fire&calc=rh&dry=68&dry.unit=degF&wet=62&wet.unit=degF&elevation=0&elevation.unit=ft');
    assert.equal(await result(page), shown(await expected(page, 'rh', [['68', 'degF'], ['62', 'degF'], ['0', 'ft']], '')));
    await page.labelled('Wet-bulb temperature (Tw)').fill('70');
    await page.labelled('Wet-bulb temperature (Tw)').blur();
    assert.match(await page.element('#fire-input-1-error').text(), /^wet: the wet bulb reads above the dry bulb/);
    await close(page);
    page = await open('#view=fire&calc=map-distance&map=1&map.unit=in&scale=1%3A24%2C000&to=ft');
    assert.equal(await result(page), shown(await expected(page, 'map-distance', [['1', 'in'], ['1:24,000', '']], 'ft')));
    await close(page);
    page = await open('#view=fire&calc=crown-initiation&cbh=6&cbh.unit=m&fmc=100');
    assert.match(await page.element('#fire-input-2-hint').text(), /optional/);
    assert.equal(await page.element('#fire-class').isHidden(), true);
    await page.labelled('Surface fireline intensity (Is)').fill('3000');
    assert.match(await page.element('#fire-class').text(), /^torching expected/);
    await close(page);
});

test('hostile fragments never throw and leave no stale number', async () => {
    const page = await open('#view=fire&calc=dry-basis&wet=20');
    for (const fragment of ['#view=fire&calc=%E0%A4%A', '#view=fire&calc=nope', '#view=%zz', '#view=fire&calc=wet-basis&dry=%00',
        '#view=fire&calc=intensity&ros.unit=kW%2Fm', '#view=fire&calc=intensity&p=99', '#view=fire&calc=wind-10m&u20=1e999',
        '#view=fire&calc=spread-time&time=NaN&comma=2', '#view=nope', '#view=fire&calc=intensity&hpa=' + '9'.repeat(5000)]) {
        await page.evaluate((text) => { location.hash = text; }, fragment);
        await page.waitForTimeout(30);
        const text = await result(page);
        assert.doesNotMatch(text, /NaN|Infinity|undefined/);
        assert.notEqual(text, '');
    }
    await close(page);
});
