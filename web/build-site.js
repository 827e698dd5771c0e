// Assembles the web page from its sources and the engine module (Node.js, no packages):
//   OUT/site/       every file of the site, for any static web server;
//   OUT/quorlex.html one self-contained page (module, scripts, styles and icon inside) that works from disk,
//                    a shared drive or an e-mail attachment.
// Usage: node build-site.js --web DIR --icon SVG --engine-module JS --engine JS --version X.Y.Z --out DIR
'use strict';

const fs = require('fs');
const path = require('path');

function options(argv) {
    const result = {};
    for (let i = 2; i < argv.length; i += 2) {
        if (!argv[i].startsWith('--') || i + 1 >= argv.length) {
            throw new Error(`unexpected argument ${argv[i]}`);
        }
        result[argv[i].slice(2)] = argv[i + 1];
    }
    for (const name of ['web', 'icon', 'engine-module', 'engine', 'version', 'out']) {
        if (!result[name]) {
            throw new Error(`missing --${name}`);
        }
    }
    return result;
}

// The site's files: name in the site, and where it comes from.
function siteFiles(opt) {
    const web = (name) => path.join(opt.web, name);
    return [
        ['index.html', web('index.html')],
        ['styles.css', web('styles.css')],
        ['shared.js', web('shared.js')],
        ['app.js', web('app.js')],
        ['fire.js', web('fire.js')],
        ['engine.js', opt.engine],
        ['quorlex-engine.js', opt['engine-module']],
        ['manifest.webmanifest', web('manifest.webmanifest')],
        ['icon.svg', opt.icon],
        ['icon-192.png', web('icons/icon-192.png')],
        ['icon-512.png', web('icons/icon-512.png')],
        ['icon-maskable-192.png', web('icons/icon-maskable-192.png')],
        ['icon-maskable-512.png', web('icons/icon-maskable-512.png')],
    ];
}

function withVersion(text, version) {
    return text.split('@PROJECT_VERSION@').join(version);
}

function writeIfChanged(file, content) {
    if (fs.existsSync(file) && Buffer.compare(fs.readFileSync(file), Buffer.from(content)) === 0) {
        return;
    }
    fs.writeFileSync(file, content);
}

// A script's text made safe inside <script>…</script>: "</script" and "<!--" cannot end or change the
// element early. Both only occur inside strings, comments or regular expressions, where "<\/" and "<\!"
// mean the same characters.
function scriptSafe(text) {
    return text.replace(/<\/(script)/gi, '<\\/$1').replace(/<!--/g, '<\\!--');
}

function inlinePage(html, files) {
    const read = (name) => fs.readFileSync(files.get(name), 'utf8');
    const icon = 'data:image/svg+xml;base64,' + fs.readFileSync(files.get('icon.svg')).toString('base64');
    let page = html;
    const replace = (pattern, replacement) => {
        const next = page.replace(pattern, replacement);
        if (next === page) {
            throw new Error(`quorlex.html: nothing matched ${pattern}`);
        }
        page = next;
    };
    replace(/<link rel="stylesheet" href="styles.css">/, () => `<style>\n${read('styles.css')}</style>`);
    // The single file has no manifest, no service worker and no PNG icons beside it.
    replace(/<link rel="manifest"[^>]*>\n/, '');
    replace(/<link rel="apple-touch-icon"[^>]*>\n/, '');
    replace(/href="icon.svg"/, () => `href="${icon}"`);
    replace(/src="icon.svg"/, () => `src="${icon}"`);
    for (const name of ['quorlex-engine.js', 'engine.js', 'shared.js', 'app.js', 'fire.js']) {
        const tag = new RegExp(`<script src="${name.replace('.', '\\.')}"></script>`);
        const before = name === 'quorlex-engine.js' ? 'window.QUORLEX_SINGLE_FILE = true;\n' : '';
        replace(tag, () => `<script>\n${before}${scriptSafe(read(name))}\n</script>`);
    }
    return page;
}

function main() {
    const opt = options(process.argv);
    const site = path.join(opt.out, 'site');
    fs.mkdirSync(site, { recursive: true });
    const files = new Map(siteFiles(opt));
    for (const [name, source] of files) {
        let content = fs.readFileSync(source);
        if (name === 'index.html') {
            content = withVersion(content.toString('utf8'), opt.version);
        }
        writeIfChanged(path.join(site, name), content);
    }
    const precached = ['./'].concat([...files.keys()]);
    const worker = withVersion(fs.readFileSync(path.join(opt.web, 'sw.js'), 'utf8'), opt.version)
        .replace('@SITE_FILES@', JSON.stringify(precached));
    writeIfChanged(path.join(site, 'sw.js'), worker);

    const html = withVersion(fs.readFileSync(path.join(opt.web, 'index.html'), 'utf8'), opt.version);
    writeIfChanged(path.join(opt.out, 'quorlex.html'), inlinePage(html, files));
}

try {
    main();
} catch (error) {
    console.error(`build-site: ${error.message}`);
    process.exit(1);
}
