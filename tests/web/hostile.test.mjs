// Bad input: the hostile value texts and seeded random strings go into the address fragment (escaped and
// raw), the value field and the one-line entry. The page must never throw, never show NaN or Infinity and
// never hang.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { closePage, openPage, repoDir, servedSite } from './support.mjs';

// The hostile texts as [text, expected]: expected is "refused", "overflow" or the number the text shows.
function hostileRows() {
    const unescape = (text) => text.replace(/\\([tnr0\\])/g, (_, c) => ({ t: '\t', n: '\n', r: '\r', 0: '\0', '\\': '\\' })[c]);
    return fs.readFileSync(path.join(repoDir, 'tests/data/hostile-values.tsv'), 'utf8')
        .split('\n')
        .filter((line) => line && !line.startsWith('#'))
        .map((line) => line.split('\t'))
        .map((fields) => [unescape(fields[1] ?? ''), fields[2] ?? '']);
}

// Random strings from a fixed seed, drawn from what breaks parsers: escapes, separators, quotes, number
// parts, blanks, non-ASCII letters and lone surrogates.
function randomTexts(count, seed) {
    const pieces = ['%', '%2', '%ZZ', '%E0%A4', '&', '=', '#', '+', '-', '.', ',', 'e', 'E', '1', '9', '0',
        '"', ' ', '\t', 'v', 'from', 'to', 'c', 'p', 'ton/ac', 'deg', '°', 'µ', '\u00a0', '\ud800', '\udfff',
        '€', '1e308', '&H', 'NaN', 'Infinity', '<script>', '\\', '/', ':', '9:9', '25', '-1'];
    let state = seed >>> 0;
    const next = () => {
        state ^= state << 13;
        state >>>= 0;
        state ^= state >>> 17;
        state ^= state << 5;
        state >>>= 0;
        return state;
    };
    return Array.from({ length: count }, () => {
        let text = '';
        for (let length = next() % 12; length > 0; --length) {
            text += pieces[next() % pieces.length];
        }
        return text;
    });
}

const site = servedSite();

// Runs texts through the fragment, the value field and the one-line entry inside the page, checking the
// shown texts after each; returns the problems found.
function feed(page, texts) {
    return page.evaluate(async (all) => {
        const problems = [];
        // The number texts the page shows; refusals may quote the user's own text.
        const visible = () => ['result', 'factor', 'places', 'every'].map((id) => document.getElementById(id).textContent).join('\n');
        const check = (where, text) => {
            const shown = visible();
            if (/NaN|Infinity/.test(shown)) {
                problems.push(`${where} ${JSON.stringify(text)} shows ${JSON.stringify(shown)}`);
            }
        };
        const hashChanged = () => new Promise((resolve) => {
            window.addEventListener('hashchange', resolve, { once: true });
        });
        const value = document.getElementById('value');
        const line = document.getElementById('line');
        for (const text of all) {
            let escaped = null;
            try {
                escaped = '#v=' + encodeURIComponent(text) + '&from=ton/ac&to=Mg/ha';
            } catch (error) {
                // A lone surrogate has no escape; it still goes in raw below.
            }
            for (const hash of [escaped, '#v=' + text, '#from=' + text, '#' + text].filter(Boolean)) {
                const changed = hashChanged();
                location.hash = hash;
                await Promise.race([changed, new Promise((resolve) => setTimeout(resolve, 50))]);
                check('fragment', hash);
            }
            value.focus();
            value.value = text;
            value.dispatchEvent(new Event('input'));
            check('value', text);
            value.blur();
            check('value after blur', text);
            for (const entry of [text, text + ' ton/ac Mg/ha', '1 ' + text + ' ' + text, '"' + text]) {
                line.value = entry;
                line.dispatchEvent(new Event('input'));
                line.dispatchEvent(new Event('change'));
                check('entry', entry);
            }
        }
        return problems;
    }, texts);
}

async function run(texts) {
    const page = await openPage(site);
    const problems = await feed(page, texts);
    assert.deepEqual(page.errors.map(String), []);
    assert.deepEqual(problems, []);
    // Still alive and answering.
    await page.labelled('Value', { exact: true }).fill('1');
    assert.notEqual(await page.element('#result').text(), 'No result');
    await closePage(page);
}

test('hostile value texts in the fragment, the value field and the one-line entry', async () => {
    await run(hostileRows().map(([text]) => text));
});

test('a hostile text that is no number never shows a result, typed or from a link', async () => {
    const refused = hostileRows().filter(([, expected]) => expected === 'refused').map(([text]) => text);
    const page = await openPage(site, '#v=1&from=ton/ac&to=Mg/ha');
    const shown = await page.evaluate(async (texts) => {
        const value = document.getElementById('value');
        const result = document.getElementById('result');
        const wrong = [];
        for (const text of texts) {
            value.focus();
            value.value = text;
            value.dispatchEvent(new Event('input'));
            value.blur();
            // A text field drops line breaks: "1\n2" is then the field's "12", a number.
            if (!result.classList.contains('none') && value.value === text) {
                wrong.push(`typed ${JSON.stringify(text)}: ${result.textContent}`);
            }
            let link = null;
            try {
                link = '#v=' + encodeURIComponent(text) + '&from=ton/ac&to=Mg/ha';
            } catch (error) {
                continue;
            }
            const changed = new Promise((resolve) => window.addEventListener('hashchange', resolve, { once: true }));
            location.hash = link;
            await Promise.race([changed, new Promise((resolve) => setTimeout(resolve, 50))]);
            if (!result.classList.contains('none') && value.value === text) {
                wrong.push(`link ${link}: ${result.textContent}`);
            }
        }
        return wrong;
    }, refused);
    assert.deepEqual(shown, []);
    await closePage(page);
});

test('seeded random strings in the fragment, the value field and the one-line entry', async () => {
    await run(randomTexts(300, 18));
});
