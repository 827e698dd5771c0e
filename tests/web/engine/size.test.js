// The single file (quorlex.html) stays within 150 KB, 150,000 bytes, compressed as gzip -9 compresses it:
// what a download over a slow field connection or a mail attachment costs. Run by ctest with
// QUORLEX_WEB_BUILD_DIR set.
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');

const webBuild = process.env.QUORLEX_WEB_BUILD_DIR || '';
const page = webBuild && path.join(webBuild, 'quorlex.html');
const skip = page && fs.existsSync(page) ? false : 'no web build to measure (set QUORLEX_WEB_BUILD_DIR)';

test('the single file is at most 150,000 bytes gzipped', { skip }, () => {
    const size = zlib.gzipSync(fs.readFileSync(page), { level: 9 }).length;
    console.log(`# quorlex.html: ${size} bytes gzipped`);
    assert.ok(size <= 150000, `quorlex.html is ${size} bytes gzipped`);
});
