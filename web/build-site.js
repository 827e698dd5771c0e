// Assembles the web page from its sources and the engine modules (Node.js, no packages):
//   OUT/site/       every file of the site, for any static web server: the page (styles and scripts inside,
//                    so that it needs no second round trip before its scripts run), the engine's WebAssembly
//                    (quorlex-engine.wasm, which the page preloads and compiles while it downloads), the
//                    icons, the manifest and the service worker;
//   OUT/quorlex.html one self-contained page (module, scripts, styles and icon inside) that works from disk,
//                    a shared drive or an e-mail attachment.
// Usage: node build-site.js --web DIR --icon SVG --site-engine DIR --engine JS --version X.Y.Z --out DIR
// --site-engine is the folder of the engine's module, quorlex-engine.js with quorlex-engine.wasm beside it:
// the site serves both, and the single file holds both inside.
//
// The site's build name (version and a hash of the content of every file the site serves) goes into the
// page and into the service worker's cache name, so any changed byte makes a new worker, which brings the
// new files to installed copies. A site folder changed by hand is sealed again with
//        node build-site.js --web DIR --version X.Y.Z --site SITE
// which rewrites only SITE's build name and service worker for the files in it.
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

// Where the page names its build; the placeholder stands in its place while the build name is hashed.
const BUILD_PLACEHOLDER = '@QUORLEX_BUILD@';
const BUILD_META = /(<meta name="quorlex-build" content=")[^"]*(">)/;

function options(argv) {
    const result = {};
    for (let i = 2; i < argv.length; i += 2) {
        if (!argv[i].startsWith('--') || i + 1 >= argv.length) {
            throw new Error(`unexpected argument ${argv[i]}`);
        }
        result[argv[i].slice(2)] = argv[i + 1];
    }
    const required = result.site ? ['web', 'version']
        : ['web', 'icon', 'site-engine', 'engine', 'version', 'out'];
    for (const name of required) {
        if (!result[name]) {
            throw new Error(`missing --${name}`);
        }
    }
    return result;
}

// The site's files, in the order the service worker fetches them: name in the site, and where it comes from
// (the page is made from index.html, see sitePage).
const SITE_FILES = [
    ['index.html', (opt) => path.join(opt.web, 'index.html')],
    ['quorlex-engine.wasm', (opt) => path.join(opt['site-engine'], 'quorlex-engine.wasm')],
    ['manifest.webmanifest', (opt) => path.join(opt.web, 'manifest.webmanifest')],
    ['icon.svg', (opt) => opt.icon],
    ['icon-192.png', (opt) => path.join(opt.web, 'icons/icon-192.png')],
    ['icon-512.png', (opt) => path.join(opt.web, 'icons/icon-512.png')],
    ['icon-maskable-192.png', (opt) => path.join(opt.web, 'icons/icon-maskable-192.png')],
    ['icon-maskable-512.png', (opt) => path.join(opt.web, 'icons/icon-maskable-512.png')],
];
const SITE_NAMES = SITE_FILES.map(([name]) => name);

// What the page holds inside, by the names index.html gives them: its style sheet as written, and its
// scripts minified (the engine's module script, the site's or the single file's, comes as engineModule).
async function pageParts(opt, engineModule) {
    const parts = new Map([
        ['styles.css', fs.readFileSync(path.join(opt.web, 'styles.css'), 'utf8')],
        ['quorlex-engine.js', engineModule],
    ]);
    const scripts = [['engine.js', opt.engine]].concat(
        ['shared.js', 'app.js', 'fire.js', 'columns.js', 'fuel.js'].map((name) => [name, path.join(opt.web, name)]));
    for (const [name, file] of scripts) {
        parts.set(name, await minifyScript(fs.readFileSync(file, 'utf8')));
    }
    return parts;
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

// A package by its name or from Debian's Node.js folder; null where it is missing.
function optionalPackage(name) {
    for (const where of [name, `/usr/share/nodejs/${name}`]) {
        try {
            return require(where);
        } catch (error) {
            // try the next
        }
    }
    return null;
}

// Acorn, the JavaScript parser Debian's Emscripten depends on (without it the page is assembled from the
// scripts as they are), and Terser, Debian's JavaScript minifier (package terser; without it the scripts
// are only compacted, below).
const acorn = optionalPackage('acorn');
const terser = optionalPackage('terser');

// A script as small as Terser makes it without changing what it does: its local names shortened, its
// statements packed. Names at the top of a script stay as they are, since the page's scripts share them.
async function minifyScript(text) {
    if (!terser) {
        if (!minifyScript.warned) {
            minifyScript.warned = true;
            console.warn('build-site: Terser (Debian package terser) not found: the scripts are only compacted');
        }
        return compactScript(text);
    }
    const result = await terser.minify(text, { ecma: 2020, compress: { passes: 2 }, mangle: true });
    return result.code + '\n';
}

// A script without its comments and indentation: its tokens as written, one space between two that
// would otherwise run together, and a line break wherever the source had one between them, so that
// automatic semicolons fall where they fell. Nothing is renamed or rewritten.
function compactScript(text) {
    if (!acorn) {
        return text;
    }
    const tokens = [...acorn.tokenizer(text, { ecmaVersion: 'latest', allowHashBang: true })];
    const word = /[\w$\\\u0080-\uffff]/;
    let out = '';
    let last = 0;
    for (const token of tokens) {
        const gap = text.slice(last, token.start);
        const piece = text.slice(token.start, token.end);
        if (out) {
            // A line break in the gap counts, a comment's included (a block comment spanning lines).
            if (/[\n\r\u2028\u2029]/.test(gap)) {
                out += '\n';
            } else if (gap && (word.test(out[out.length - 1]) && word.test(piece[0]) ||
                       /[+\-/]/.test(out[out.length - 1]) && /[+\-/]/.test(piece[0]))) {
                out += ' ';
            }
        }
        out += piece;
        last = token.end;
    }
    return out + '\n';
}

// The style sheet without its comments and the blanks around its punctuation.
function compactStyles(text) {
    return text.replace(/\/\*[\s\S]*?\*\//g, '').replace(/\s*([{};,>])\s*/g, '$1').replace(/\s+/g, ' ').trim() + '\n';
}

// A script's text made safe inside <script>…</script>: "</script" and "<!--" cannot end or change the
// element early. Both only occur inside strings, comments or regular expressions, where "<\/" and "<\!"
// mean the same characters.
function scriptSafe(text) {
    return text.replace(/<\/(script)/gi, '<\\/$1').replace(/<!--/g, '<\\!--');
}

// Puts the style sheet and the scripts named in parts into the page (html, index.html with the version
// set). The single file also takes its icon inside and leaves out what only the site has: the manifest, the
// build name (it does not update itself) and the preloaded .wasm.
function inlinePage(html, parts, single, iconFile) {
    const read = (name) => parts.get(name);
    let page = html;
    const replace = (pattern, replacement) => {
        const next = page.replace(pattern, replacement);
        if (next === page) {
            throw new Error(`${single ? 'quorlex.html' : 'index.html'}: nothing matched ${pattern}`);
        }
        page = next;
    };
    replace(/<link rel="stylesheet" href="styles.css">/, () => `<style>\n${compactStyles(read('styles.css'))}</style>`);
    if (single) {
        const icon = 'data:image/svg+xml;base64,' + fs.readFileSync(iconFile).toString('base64');
        replace(/<link rel="manifest"[^>]*>\n/, '');
        replace(/<link rel="apple-touch-icon"[^>]*>\n/, '');
        replace(/<meta name="quorlex-build"[^>]*>\n/, '');
        replace(/<link rel="preload" href="quorlex-engine.wasm"[^>]*>\n/, '');
        replace(/href="icon.svg"/, () => `href="${icon}"`);
        replace(/src="icon.svg"/, () => `src="${icon}"`);
    }
    for (const name of ['quorlex-engine.js', 'engine.js', 'shared.js', 'app.js', 'fire.js', 'columns.js', 'fuel.js']) {
        const tag = new RegExp(`<script src="${name.replace('.', '\\.')}"( defer)?></script>`);
        // self: the page's window, or a worker that runs the same text (the page's file runs).
        const before = single && name === 'quorlex-engine.js' ? 'self.QUORLEX_SINGLE_FILE = true;\n' : '';
        replace(tag, () => `<script data-name="${name}">\n${before}${scriptSafe(read(name))}\n</script>`);
    }
    return page;
}

// The page with its build name set to the placeholder (the build-site run that wrote it may have set one).
function withoutBuild(html) {
    if (!BUILD_META.test(html)) {
        throw new Error('index.html has no <meta name="quorlex-build">');
    }
    return html.replace(BUILD_META, (match, start, end) => start + BUILD_PLACEHOLDER + end);
}

// Writes the site's index.html and sw.js with the build name: the version and the first 12 hexadecimal
// digits of a SHA-256 over the worker and every file it keeps (each file's name, length and bytes, the page
// with the placeholder in place of the build name). contents maps each name of SITE_NAMES to its bytes.
function sealSite(site, contents, web, version) {
    const precached = ['./'].concat(SITE_NAMES);
    const worker = withVersion(fs.readFileSync(path.join(web, 'sw.js'), 'utf8'), version)
        .replace('@SITE_FILES@', JSON.stringify(precached));
    const page = withoutBuild(contents.get('index.html').toString('utf8'));
    const hash = crypto.createHash('sha256');
    const add = (name, bytes) => {
        hash.update(`${name}\0${bytes.length}\0`);
        hash.update(bytes);
    };
    add('sw.js', Buffer.from(worker));
    for (const name of SITE_NAMES) {
        add(name, name === 'index.html' ? Buffer.from(page) : contents.get(name));
    }
    const build = `${version}-${hash.digest('hex').slice(0, 12)}`;
    writeIfChanged(path.join(site, 'index.html'), page.split(BUILD_PLACEHOLDER).join(build));
    writeIfChanged(path.join(site, 'sw.js'), worker.split(BUILD_PLACEHOLDER).join(build));
    return build;
}

async function buildAll(opt) {
    const site = path.join(opt.out, 'site');
    fs.mkdirSync(site, { recursive: true });
    const html = withVersion(fs.readFileSync(path.join(opt.web, 'index.html'), 'utf8'), opt.version);
    const siteGlue = await minifyScript(fs.readFileSync(path.join(opt['site-engine'], 'quorlex-engine.js'), 'utf8'));
    const siteParts = await pageParts(opt, siteGlue);
    const contents = new Map();
    for (const [name, source] of SITE_FILES.map(([name, from]) => [name, from(opt)])) {
        if (name === 'index.html') {
            contents.set(name, Buffer.from(inlinePage(html, siteParts, false)));
        } else {
            const content = fs.readFileSync(source);
            writeIfChanged(path.join(site, name), content);
            contents.set(name, content);
        }
    }
    sealSite(site, contents, opt.web, opt.version);
    // Files of the site's earlier builds (say, the scripts it once served apart) must not linger on a server.
    for (const name of fs.readdirSync(site)) {
        if (name !== 'sw.js' && !SITE_NAMES.includes(name) && fs.statSync(path.join(site, name)).isFile()) {
            fs.unlinkSync(path.join(site, name));
        }
    }

    const singleParts = await pageParts(opt, moduleWithWasmInside(siteGlue, opt['site-engine']));
    writeIfChanged(path.join(opt.out, 'quorlex.html'), inlinePage(html, singleParts, true, opt.icon));
}

// The site's module script with its WebAssembly inside, for the single file: the .wasm's bytes as the
// characters U+0000 to U+00FF of a string literal, each byte one character (escaped where a string or a
// <script> element needs it: the HTML parser turns NUL and CR into other characters), handed to the module
// as its wasmBinary. Byte for byte, gzip packs this about 10 % tighter than the base64 of Emscripten's
// single-file output, whose 6-bit characters break the repeats gzip finds.
function moduleWithWasmInside(glue, siteEngine) {
    const wasm = fs.readFileSync(path.join(siteEngine, 'quorlex-engine.wasm'));
    const escapes = { 0x00: '\\x00', 0x0a: '\\n', 0x0d: '\\r', 0x22: '\\"', 0x3c: '\\x3c', 0x5c: '\\\\' };
    let text = '';
    for (const byte of wasm) {
        text += escapes[byte] || String.fromCharCode(byte);
    }
    return `${glue}
(function () {
    var text = "${text}";
    var bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) {
        bytes[i] = text.charCodeAt(i);
    }
    var factory = QuorlexEngine;
    self.QuorlexEngine = function (options) {
        return factory(Object.assign({}, options, { wasmBinary: bytes }));
    };
})();`;
}

// Seals a site folder again after its files were changed in place.
function resealSite(opt) {
    const contents = new Map(SITE_NAMES.map((name) => [name, fs.readFileSync(path.join(opt.site, name))]));
    console.log(sealSite(opt.site, contents, opt.web, opt.version));
}

async function main() {
    const opt = options(process.argv);
    if (opt.site) {
        resealSite(opt);
    } else {
        await buildAll(opt);
    }
}

main().catch((error) => {
    console.error(`build-site: ${error.message}`);
    process.exit(1);
});
