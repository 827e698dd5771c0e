// What the browser tests, the measurements and the screenshots share: the web build's folder, a small
// static server on 127.0.0.1 and Debian's Chromium driven by playwright-core.
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

// Waits until the page has shown its first conversion.
export async function ready(page) {
    await page.waitForFunction(() => !document.getElementById('main').hasAttribute('aria-busy'));
}

// For a test file: serves the site and starts Chromium before its tests, and stops both after them.
// site.server and site.browser are there once the tests run.
export function servedSite() {
    const site = { server: null, browser: null };
    before(async () => {
        site.server = await serve(siteDir);
        site.browser = await launchChromium();
    });
    after(async () => {
        await site.browser?.close();
        await site.server?.close();
    });
    return site;
}

// Opens the served page at a fragment in a context of its own; page.errors collects its uncaught errors.
export async function openPage(site, fragment = '', options = {}) {
    const context = await site.browser.newContext({ locale: 'en-US', ...options });
    const page = await context.newPage();
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error));
    await page.goto(site.server.url + fragment);
    await ready(page);
    return page;
}

// Closes a page opened by openPage, failing the test for any uncaught error it had.
export async function closePage(page) {
    assert.deepEqual(page.errors.map(String), []);
    await page.context().close();
}
