// Takes the README's screenshots of the web page at phone and desktop width, in the light and the dark
// colour scheme: node screenshots.mjs OUTPUT_DIR (run by scripts/web-screenshots.sh).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchChromium, ready, serve, siteDir } from './support.mjs';

const out = path.resolve(process.argv[2] || '.');
const shots = [
    { name: 'web-phone.png', width: 360, height: 860, scheme: 'light', mobile: true },
    { name: 'web-phone-dark.png', width: 360, height: 860, scheme: 'dark', mobile: true, fragment: '#v=-40&from=degC&to=degF' },
    { name: 'web-phone-fire.png', width: 360, height: 860, scheme: 'light', mobile: true, fragment: '#view=fire&calc=flame-length&intensity=600&intensity.unit=BTU%2Fft%2Fs&to=m' },
    { name: 'web-phone-explain.png', width: 360, height: 860, scheme: 'light', mobile: true, fragment: '#v=1&from=cal%2Fg&to=BTU%2Flb', open: '#explain-box summary', scroll: '#factor' },
    { name: 'web-desktop.png', width: 1100, height: 900, scheme: 'light', mobile: false },
    { name: 'web-desktop-columns.png', width: 1100, height: 900, scheme: 'light', mobile: false, columns: true, scroll: '#many-section' },
    { name: 'web-phone-fuel.png', width: 360, height: 860, scheme: 'light', mobile: true, fragment: '#view=fuel&model=SH5&units=metric' },
    { name: 'web-desktop-fuel.png', width: 1100, height: 900, scheme: 'light', mobile: false, fragment: '#view=fuel&model=GR2', fuel: true },
];

// A small CSV file for the columns screenshot.
const plots = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'quorlex-shots-')), 'plots.csv');
fs.writeFileSync(plots, 'plot,fuel_load,note\r\n1,12.5,dry\r\n2,3,"wet, shaded"\r\n3,0.75,\r\n4,20,ridge\r\n');
// And a custom fuel model file for the fuel models screenshot, one model with a ratio left in 1/cm.
const models = path.join(path.dirname(plots), 'custom.fmd');
fs.writeFileSync(models, 'ENGLISH\n19 2.250 1.500 3.710 0.000 1.000 2000 1800 1500 0.600 25 8000 8000\n' +
    '20 GRx 0.5 0 0 1 0 dynamic 2000 1800 1500 1 20 8000 8000 Tall grass, wet\n' +
    '21 SHy 1 0.5 0 0 2 static 65.6 1800 1500 2 20 8000 8000 Shrub, ratio in 1/cm\n');

const server = await serve(siteDir);
const browser = await launchChromium();
try {
    for (const shot of shots) {
        const context = await browser.newContext({
            viewport: { width: shot.width, height: shot.height },
            deviceScaleFactor: shot.mobile ? 2 : 1,
            isMobile: shot.mobile,
            hasTouch: shot.mobile,
            colorScheme: shot.scheme,
            locale: 'en-US',
        });
        const page = await context.newPage();
        await page.goto(server.url + (shot.fragment || '#v=12.5&from=ton/ac&to=Mg/ha'));
        await ready(page);
        if (shot.open) {
            await page.click(shot.open);
            await page.waitForFunction(() => document.querySelectorAll('#explain p').length > 0);
        }
        if (shot.columns) {
            await page.fill('#many', '12.5\n3\n\n0.75\nabc\n20');
            await page.setInputFiles('#file', plots);
            await page.waitForFunction(() => document.getElementById('file-status').textContent !== '');
            await page.selectOption('#file-column', '2');
        }
        if (shot.fuel) {
            await page.setInputFiles('#fuel-file', models);
            await page.waitForFunction(() => !document.getElementById('fuel-file-panel').hidden);
        }
        if (shot.scroll) {
            await page.locator(shot.scroll).evaluate((element) => element.scrollIntoView({ block: 'start' }));
        }
        await page.screenshot({ path: path.join(out, shot.name), fullPage: !shot.mobile && !shot.columns });
        await context.close();
        console.log(path.join(out, shot.name));
    }
} finally {
    await browser.close();
    await server.close();
}
