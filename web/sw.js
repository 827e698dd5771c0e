// The service worker: keeps every file of the site in a cache named after the site's build (the version
// and a hash of every file's content, set by build-site.js) and answers from that cache first, so that
// after one visit the page opens and converts with no network. Any change to any file of the site makes
// this script differ, so the browser installs the new worker, which fetches the new files into a new
// cache; activating it deletes the caches of older builds. Until then, and whenever the network is away,
// the old build keeps working from its cache.
'use strict';

var BUILD = '@QUORLEX_BUILD@';
var CACHE = 'quorlex-' + BUILD;
var FILES = @SITE_FILES@;

self.addEventListener('install', function (event) {
    // Past the browser's HTTP cache: a new version must not keep an older copy of a file.
    event.waitUntil(caches.open(CACHE).then(function (cache) {
        return cache.addAll(FILES.map(function (file) {
            return new Request(file, { cache: 'reload' });
        }));
    }).then(function () {
        return self.skipWaiting();
    }));
});

self.addEventListener('activate', function (event) {
    event.waitUntil(caches.keys().then(function (names) {
        return Promise.all(names.filter(function (name) {
            return name.indexOf('quorlex-') === 0 && name !== CACHE;
        }).map(function (name) {
            return caches.delete(name);
        }));
    }).then(function () {
        return self.clients.claim();
    }));
});

self.addEventListener('fetch', function (event) {
    var request = event.request;
    if (request.method !== 'GET') {
        return;
    }
    // The address fragment never reaches the worker; a query is ignored so that a shared link with one
    // still opens offline.
    event.respondWith(caches.open(CACHE).then(function (cache) {
        return cache.match(request, { ignoreSearch: true }).then(function (cached) {
            return cached || fetch(request);
        });
    }));
});

// A page asks which build this worker serves, to tell whether it runs an older one.
self.addEventListener('message', function (event) {
    if (event.data === 'quorlex-build?' && event.source) {
        event.source.postMessage({ quorlexBuild: BUILD });
    }
});
