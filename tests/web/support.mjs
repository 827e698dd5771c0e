// What the browser tests, the measurements and the screenshots share: the web build's folder, a small
// static server on 127.0.0.1, and the browser the tests drive: Debian's Chromium through playwright-core,
// or Debian's Firefox ESR through puppeteer-core over WebDriver BiDi (QUORLEX_BROWSER=chromium|firefox,
// chromium when unset). The measurements and the screenshots always use Chromium (launchChromium).
//
// A test body that runs in both browsers uses only the driver-neutral page that openPage returns:
//   page.labelled('Value', { exact: true }), page.button('Swap units'), page.tab('Fire calculations'),
//   page.element('#result'), page.element('.every-row', 3): a field with fill, type, press, click, focus,
//   blur, select, check, text, value, attribute, isChecked, isHidden, optionTexts and waitFor;
//   page.evaluate(fn, arg), page.waitForFunction(fn, arg), page.waitForTimeout(ms), page.pressKey(key),
//   page.typeText(text), page.texts(css), page.count(css), page.load(fragment), page.reload(),
//   page.newTab(fragment),
//   page.addScriptTag({ content }), page.allowClipboard(), page.errors and page.requests.
// In Chromium the page also answers playwright's own Page methods (page.context(), page.getByLabel(...)),
// for the tests that stay Chromium-only.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));

export const buildDir = path.resolve(process.env.QUORLEX_WEB_BUILD_DIR || path.join(here, '../../build-web'));
export const siteDir = path.join(buildDir, 'site');
export const singleFile = path.join(buildDir, 'quorlex.html');
export const repoDir = path.resolve(here, '../..');

export const browserName = (process.env.QUORLEX_BROWSER || 'chromium').toLowerCase();
if (!['chromium', 'firefox'].includes(browserName)) {
    throw new Error(`QUORLEX_BROWSER is "${process.env.QUORLEX_BROWSER}": chromium or firefox`);
}

// Test options for a test that runs only in Chromium: test(name, chromiumOnly('why'), body) is reported
// as skipped, with the reason, in any other browser.
export function chromiumOnly(reason) {
    return browserName === 'chromium' ? {} : { skip: `Chromium only: ${reason}` };
}

const contentTypes = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.webmanifest': 'application/manifest+json',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.wasm': 'application/wasm',
};

// Serves root on 127.0.0.1 (a free port unless one is given). close() ends the server and every open
// connection at once, as a network that goes away would.
export function serve(root, port = 0) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
        if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
            response.writeHead(404, { 'Content-Type': 'text/plain' });
            response.end('not found');
            return;
        }
        response.writeHead(200, {
            'Content-Type': contentTypes[path.extname(file)] || 'application/octet-stream',
            'Cache-Control': 'no-cache',
        });
        fs.createReadStream(file).pipe(response);
    });
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => {
            resolve({
                url: `http://127.0.0.1:${server.address().port}/`,
                close: () => new Promise((done) => {
                    server.close(() => done());
                    server.closeAllConnections();
                }),
            });
        });
    });
}

// Debian's Chromium as a playwright-core Browser.
export function launchChromium() {
    const args = [
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
        '--no-first-run',
    ];
    if (process.getuid && process.getuid() === 0) {
        args.push('--no-sandbox');
    }
    return chromium.launch({ executablePath: '/usr/bin/chromium', headless: true, args });
}

// Debian's Firefox ESR as a puppeteer-core Browser over WebDriver BiDi. puppeteer-core gives it a fresh
// profile in the temporary folder and starts it headless, so it needs neither a display nor a writable
// home; it runs as root as it is.
export async function launchFirefox() {
    const { default: puppeteer } = await import('puppeteer-core');
    return puppeteer.launch({
        browser: 'firefox',
        executablePath: process.env.QUORLEX_FIREFOX || '/usr/bin/firefox-esr',
        headless: true,
        extraPrefsFirefox: {
            // No update checks, telemetry or first-run pages while the tests run.
            'app.update.enabled': false,
            'browser.shell.checkDefaultBrowser': false,
            'datareporting.policy.dataSubmissionEnabled': false,
            'toolkit.telemetry.enabled': false,
        },
    });
}

// The browser QUORLEX_BROWSER names, started, as a driver-neutral browser: newPage(url, options) and close().
// In Chromium it also answers playwright's Browser methods (newContext and the others).
export async function launchBrowser() {
    if (browserName === 'firefox') {
        return new FirefoxBrowser(await launchFirefox());
    }
    const raw = await launchChromium();
    return passThrough(new ChromiumBrowser(raw), raw);
}

// Waits until the page has shown its first conversion.
export async function ready(page) {
    await page.waitForFunction(() => !document.getElementById('main').hasAttribute('aria-busy'));
}

// For a test file: serves the site and starts the browser before its tests, and stops both after them.
// site.server and site.browser are there once the tests run.
export function servedSite() {
    const site = { server: null, browser: null };
    before(async () => {
        site.server = await serve(siteDir);
        site.browser = await launchBrowser();
    });
    after(async () => {
        await site.browser?.close();
        await site.server?.close();
    });
    return site;
}

// Opens the site at a fragment in a browser context of its own and waits until it has shown its first
// conversion. options: locale (en-US unless given), offline, viewport { width, height }, isMobile and
// hasTouch, colorScheme 'light', initScript (a function run in the page before its own scripts), and in Chromium any other option of playwright's newContext (colorScheme
// 'dark', ...). page.errors collects its uncaught errors, page.requests the URLs it asked for.
export async function openPage(site, fragment = '', options = {}) {
    const page = await site.browser.newPage(site.server.url + fragment, options);
    page.base = site.server.url;
    await ready(page);
    return page;
}

// A view at phone width: no sideways scrolling, every control of the view (scope, a selector) and every
// tab at least 44 by 44 CSS pixels, and no violation axe-core finds.
export async function assertFitsPhoneAndAccessible(page, scope) {
    const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
    assert.ok(widths[0] <= widths[1], `scroll width ${widths[0]} at ${widths[1]}`);
    const small = await page.evaluate((view) => [...document.querySelectorAll(`${view} button, ${view} select, ${view} input:not([type=checkbox]), ${view} .switch, [role=tab]`)]
        .filter((e) => e.offsetParent && (e.getBoundingClientRect().height < 44 || e.getBoundingClientRect().width < 44))
        .map((e) => e.id || e.className), scope);
    assert.deepEqual(small, []);
    await page.addScriptTag({ content: fs.readFileSync(path.join(here, 'node_modules/axe-core/axe.min.js'), 'utf8') });
    const results = await page.evaluate(() => window.axe.run(document));
    assert.deepEqual(results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
}

// Closes a page opened by openPage with its context, failing the test for any uncaught error it had.
export async function closePage(page) {
    assert.deepEqual(page.errors.map(String), []);
    await page.close();
}

// An object that answers neutral's members and, for the rest, raw's (methods bound to raw).
function passThrough(neutral, raw) {
    return new Proxy(neutral, {
        get(target, name) {
            if (name in target) {
                return target[name];
            }
            const member = raw[name];
            return typeof member === 'function' ? member.bind(raw) : member;
        },
    });
}

// Runs in the page: finds the one element a query names, waiting up to query.timeout ms for it (and for
// it to be visible when query.visible). A query is { css, nth }, { label, exact } (a form control's
// accessible name from aria-labelledby, aria-label or its <label>s) or { role, name, exact } (button or
// tab). A name matches exactly or, without exact, as a part in any letter case. Where several elements
// match, the visible ones count; more than one is an error, as a label that two fields share would be.
async function findInPage(query) {
    const normal = (text) => (text || '').replace(/\s+/g, ' ').trim();
    const accessibleName = (element) => {
        const labelledBy = element.getAttribute('aria-labelledby');
        if (labelledBy) {
            return normal(labelledBy.split(/\s+/).map((id) => document.getElementById(id)?.textContent || '').join(' '));
        }
        if (element.hasAttribute('aria-label')) {
            return normal(element.getAttribute('aria-label'));
        }
        if (element.labels && element.labels.length > 0) {
            return normal([...element.labels].map((label) => label.textContent).join(' '));
        }
        if (element.tagName === 'BUTTON' || element.getAttribute('role') === 'tab') {
            return normal(element.textContent) || normal(element.getAttribute('title'));
        }
        return normal(element.getAttribute('title'));
    };
    const matches = (name) => (query.exact ? name === query.name
        : name.toLowerCase().includes(query.name.toLowerCase()));
    const visible = (element) => (element.checkVisibility ? element.checkVisibility()
        : element.getClientRects().length > 0);
    const candidates = () => {
        if (query.css) {
            const all = [...document.querySelectorAll(query.css)];
            return query.nth === undefined ? all : all.slice(query.nth, query.nth + 1);
        }
        const selector = query.role === 'button' ? 'button:not([role]), [role=button]'
            : query.role === 'tab' ? '[role=tab]'
                : 'input, select, textarea, button, output, meter, progress, [aria-label], [aria-labelledby]';
        return [...document.querySelectorAll(selector)].filter((element) => matches(accessibleName(element)));
    };
    const what = query.css ? `${query.css}${query.nth === undefined ? '' : ` [${query.nth}]`}`
        : `${query.role || 'field'} "${query.name}"`;
    const deadline = performance.now() + query.timeout;
    for (;;) {
        let found = candidates();
        if (found.length > 1 || query.visible) {
            found = found.filter(visible);
        }
        if (found.length === 1) {
            return found[0];
        }
        if (found.length > 1) {
            throw new Error(`${found.length} visible elements match ${what}`);
        }
        if (performance.now() > deadline) {
            throw new Error(`no ${query.visible ? 'visible ' : ''}element matches ${what}`);
        }
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
}

// Runs in the page: sets a select's option by value (a string) or { label }, with the input and change
// events a person's choice fires.
function selectInPage(element, option) {
    const chosen = [...element.options].find((each) => (typeof option === 'string'
        ? each.value === option : each.label === option.label));
    if (!chosen) {
        throw new Error(`no option ${JSON.stringify(option)} in #${element.id}`);
    }
    element.value = chosen.value;
    element.dispatchEvent(new Event('input', { bubbles: true }));
    element.dispatchEvent(new Event('change', { bubbles: true }));
}

// One element of a page, found afresh by its query for every step, as a person would find it again.
class Field {
    constructor(page, query) {
        this.page = page;
        this.query = query;
    }

    async #with(visible, step) {
        const handle = await this.page.find({ timeout: this.page.timeout, ...this.query, visible });
        try {
            return await step(handle);
        } finally {
            await handle.dispose();
        }
    }

    // Replaces the field's text at once, as pasting over it would: one input event.
    fill(text) {
        return this.#with(true, (handle) => this.page.fillHandle(handle, text));
    }

    // Types the text key by key into the field.
    async type(text) {
        await this.focus();
        await this.page.typeText(text);
    }

    async press(key) {
        await this.focus();
        await this.page.pressKey(key);
    }

    click() {
        return this.#with(true, (handle) => handle.click());
    }

    focus() {
        return this.#with(true, (handle) => handle.evaluate((element) => element.focus()));
    }

    blur() {
        return this.#with(false, (handle) => handle.evaluate((element) => element.blur()));
    }

    // Chooses an option of a select, by its value (a string) or { label }.
    select(option) {
        return this.#with(true, (handle) => this.page.selectHandle(handle, option));
    }

    async check() {
        if (!await this.isChecked()) {
            await this.click();
        }
    }

    // Resolves once the element is there and visible.
    waitFor() {
        return this.#with(true, async () => {});
    }

    text() {
        return this.#with(false, (handle) => handle.evaluate((element) => element.textContent));
    }

    value() {
        return this.#with(false, (handle) => handle.evaluate((element) => element.value));
    }

    attribute(name) {
        return this.#with(false, (handle) => handle.evaluate((element, which) => element.getAttribute(which), name));
    }

    isChecked() {
        return this.#with(false, (handle) => handle.evaluate((element) => element.checked));
    }

    isHidden() {
        return this.#with(false, (handle) => handle.evaluate((element) => !(element.checkVisibility
            ? element.checkVisibility() : element.getClientRects().length > 0)));
    }

    optionTexts() {
        return this.#with(false, (handle) => handle.evaluate((element) => [...element.options].map((o) => o.textContent)));
    }
}

// What both drivers' pages share; the subclasses do the rest with their driver.
class NeutralPage {
    constructor(browserName) {
        this.browserName = browserName;
        this.errors = [];
        this.requests = [];
        this.base = '';
        this.timeout = 5000;
    }

    labelled(name, { exact = false } = {}) {
        return new Field(this, { label: true, name, exact });
    }

    button(name, { exact = false } = {}) {
        return new Field(this, { role: 'button', name, exact });
    }

    tab(name, { exact = false } = {}) {
        return new Field(this, { role: 'tab', name, exact });
    }

    element(css, nth) {
        return new Field(this, { css, nth });
    }

    texts(css) {
        return this.evaluate((selector) => [...document.querySelectorAll(selector)].map((e) => e.textContent), css);
    }

    count(css) {
        return this.evaluate((selector) => document.querySelectorAll(selector).length, css);
    }

    waitForTimeout(ms) {
        return new Promise((resolve) => setTimeout(resolve, ms));
    }

    // Goes to the site at a fragment in this tab and waits for its first conversion.
    async load(fragment = '') {
        await this.goto(this.base + fragment);
        await ready(this);
    }

    // Another tab of the same browser context (same storage), opened at the site's fragment and ready.
    async newTab(fragment = '') {
        const tab = await this.openTab(this.base + fragment);
        tab.base = this.base;
        tab.errors = this.errors;
        await ready(tab);
        return tab;
    }

    // The text on the clipboard, pasted with the keyboard into a scratch field that is removed again.
    async clipboardText() {
        await this.evaluate(() => {
            const scratch = document.createElement('textarea');
            scratch.id = 'test-clipboard-scratch';
            document.body.append(scratch);
            scratch.focus();
        });
        await this.pressKey('Control+V');
        return this.evaluate(() => {
            const scratch = document.getElementById('test-clipboard-scratch');
            scratch.remove();
            return scratch.value;
        });
    }

    async find(query) {
        return this.evaluateHandle(findInPage, query);
    }
}

class ChromiumBrowser {
    constructor(raw) {
        this.raw = raw;
    }

    async newPage(url, options = {}) {
        const { viewport, offline, initScript, ...rest } = options;
        const context = await this.raw.newContext({
            locale: 'en-US', ...rest, ...(viewport ? { viewport } : {}), ...(offline ? { offline: true } : {}),
        });
        if (initScript) {
            await context.addInitScript(initScript);
        }
        const page = await ChromiumPage.start(context, url);
        return page;
    }

    close() {
        return this.raw.close();
    }
}

class ChromiumPage extends NeutralPage {
    constructor(context, raw) {
        super('chromium');
        this.context_ = context;
        this.raw = raw;
        raw.on('pageerror', (error) => this.errors.push(error));
        raw.on('request', (request) => this.requests.push(request.url()));
    }

    static async start(context, url) {
        const page = new ChromiumPage(context, await context.newPage());
        await page.goto(url);
        return passThrough(page, page.raw);
    }

    async openTab(url) {
        const tab = new ChromiumPage(this.context_, await this.context_.newPage());
        await tab.goto(url);
        return passThrough(tab, tab.raw);
    }

    evaluate(fn, arg) {
        return this.raw.evaluate(fn, arg);
    }

    async evaluateHandle(fn, arg) {
        return (await this.raw.evaluateHandle(fn, arg)).asElement();
    }

    waitForFunction(fn, arg, options) {
        return this.raw.waitForFunction(fn, arg, options);
    }

    goto(url) {
        return this.raw.goto(url);
    }

    reload() {
        return this.raw.reload();
    }

    pressKey(key) {
        return this.raw.keyboard.press(key);
    }

    typeText(text) {
        return this.raw.keyboard.type(text);
    }

    fillHandle(handle, text) {
        return handle.fill(text);
    }

    selectHandle(handle, option) {
        return handle.selectOption(option);
    }

    addScriptTag(options) {
        return this.raw.addScriptTag(options);
    }

    allowClipboard() {
        return this.context_.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: new URL(this.raw.url()).origin });
    }

    close() {
        return this.context_.close();
    }
}

class FirefoxBrowser {
    constructor(raw) {
        this.raw = raw;
    }

    async newPage(url, options = {}) {
        // isMobile is taken and left out: Firefox over WebDriver BiDi has no mobile viewport emulation, so
        // the page gets the width (and touch) of a phone, not its meta viewport handling. Only the light
        // colour scheme, Firefox's own here, can be asked for.
        const { locale = 'en-US', offline = false, viewport, hasTouch, isMobile, colorScheme = 'light', initScript, ...rest } = options;
        const unknown = Object.keys(rest).concat(colorScheme === 'light' ? [] : [`colorScheme ${colorScheme}`]);
        if (unknown.length > 0) {
            throw new Error(`Firefox pages take no ${unknown.join(', ')} here; run this test in Chromium only`);
        }
        const context = await this.raw.createBrowserContext();
        // puppeteer-core has no call for it yet, so the locale goes to the browser as WebDriver BiDi's
        // emulation.setLocaleOverride for the whole context (navigator.language and Intl follow it).
        await this.raw.connection.send('emulation.setLocaleOverride', { locale, userContexts: [context.userContext.id] });
        const raw = await context.newPage();
        if (initScript) {
            await raw.evaluateOnNewDocument(initScript);
        }
        const page = new FirefoxPage(context, raw);
        if (viewport || hasTouch) {
            await raw.setViewport({ ...(viewport || { width: 1280, height: 720 }), hasTouch: Boolean(hasTouch) });
        }
        if (offline) {
            await raw.setOfflineMode(true);
        }
        await page.goto(url);
        return page;
    }

    close() {
        return this.raw.close();
    }
}

// Key names as playwright writes them ("Control+A", "Space") for puppeteer's keyboard over WebDriver
// BiDi, which takes one key at a time and knows the space bar only as " ".
function keyChord(key) {
    const parts = key.length > 1 ? key.split('+') : [key];
    const main = parts.pop();
    if (main === 'Space') {
        return { modifiers: parts, main: ' ' };
    }
    return { modifiers: parts, main: main.length === 1 && parts.length > 0 ? main.toLowerCase() : main };
}

class FirefoxPage extends NeutralPage {
    constructor(context, raw) {
        super('firefox');
        this.context_ = context;
        this.raw = raw;
        raw.on('pageerror', (error) => this.errors.push(error));
        raw.on('request', (request) => this.requests.push(request.url()));
    }

    async openTab(url) {
        const tab = new FirefoxPage(this.context_, await this.context_.newPage());
        await tab.goto(url);
        return tab;
    }

    evaluate(fn, arg) {
        return this.raw.evaluate(fn, arg);
    }

    evaluateHandle(fn, arg) {
        return this.raw.evaluateHandle(fn, arg);
    }

    waitForFunction(fn, arg, options = {}) {
        return this.raw.waitForFunction(fn, { timeout: 30000, ...options }, arg);
    }

    goto(url) {
        return this.raw.goto(url);
    }

    reload() {
        return this.raw.reload();
    }

    async pressKey(key) {
        const { modifiers, main } = keyChord(key);
        for (const modifier of modifiers) {
            await this.raw.keyboard.down(modifier);
        }
        await this.raw.keyboard.press(main);
        for (const modifier of modifiers.reverse()) {
            await this.raw.keyboard.up(modifier);
        }
    }

    typeText(text) {
        return this.raw.keyboard.type(text);
    }

    // Selects the field's text and replaces it with one insertText edit, as playwright's fill does.
    fillHandle(handle, text) {
        return handle.evaluate((element, value) => {
            element.focus();
            element.select();
            if (value === '') {
                document.execCommand('delete');
            } else {
                document.execCommand('insertText', false, value);
            }
            if (element.value !== value) {
                throw new Error(`#${element.id} took ${JSON.stringify(element.value)} for ${JSON.stringify(value)}`);
            }
        }, text);
    }

    selectHandle(handle, option) {
        return handle.evaluate(selectInPage, option);
    }

    addScriptTag(options) {
        return this.raw.addScriptTag(options);
    }

    // Firefox lets a page write the clipboard on a click without asking, and knows no permission to read it.
    allowClipboard() {
        return Promise.resolve();
    }

    close() {
        return this.context_.close();
    }
}
