// What the page's two views share: the engine's start, the switch between the views, the address
// fragment (read, written once typing pauses, and kept in the browser's storage), decimal places and
// copying. Each view registers itself with Quorlex.addView; the view named by a link's "view" field
// opens it (no field: the converter).
(function () {
    'use strict';

    var MAX_PLACES = 25;
    var VIEW_KEY = 'quorlex.view';
    // Writing the address costs more than the rest of a keystroke's update (and Chromium ignores a page
    // that rewrites it hundreds of times in a few seconds), so the state is written once typing pauses,
    // and at once when the page is hidden or left.
    var FRAGMENT_DELAY_MS = 120;

    var views = {};
    var order = [];
    var current = null;
    // The fragment this page wrote last, so its own writes are not read back as a new link.
    var writtenFragment = null;
    var pendingWrite = 0;

    function byId(id) {
        return document.getElementById(id);
    }

    function fold(text) {
        return String(text).replace(/\s+/g, '').toLowerCase();
    }

    function quoted(text) {
        return '"' + text + '"';
    }

    function unitLabel(unit) {
        return unit.name + ' (' + unit.symbol + ')';
    }

    function fillUnits(select, units) {
        select.textContent = '';
        units.forEach(function (unit) {
            var option = document.createElement('option');
            option.value = String(unit.index);
            option.textContent = unitLabel(unit);
            select.appendChild(option);
        });
    }

    function decimalCommaByDefault() {
        try {
            return new Intl.NumberFormat(navigator.language).format(1.5).indexOf(',') >= 0;
        } catch (error) {
            return false;
        }
    }

    // encodeURIComponent throws on a lone surrogate (a half of a character pair, which pasting or a broken
    // link can put into a field); such a half is written as the replacement character instead.
    function escaped(text) {
        try {
            return encodeURIComponent(text);
        } catch (error) {
            return encodeURIComponent(text.replace(/[\ud800-\udbff](?![\udc00-\udfff])|(^|[^\ud800-\udbff])[\udc00-\udfff]/g,
                function (match, before) {
                    return before === undefined ? '\ufffd' : before + '\ufffd';
                }));
        }
    }

    // Reads "#a=1&b=x%2Fy" into its fields, each undone with decodeURIComponent (which leaves "+" as it
    // is): {ok, fields}, or {ok: false, reason} for a broken escape.
    function readFields(text) {
        var body = String(text).replace(/^#/, '');
        var fields = Object.create(null);
        var parts = body.split('&');
        for (var i = 0; i < parts.length; ++i) {
            if (!parts[i]) {
                continue;
            }
            var equals = parts[i].indexOf('=');
            var key = equals < 0 ? parts[i] : parts[i].slice(0, equals);
            var value = equals < 0 ? '' : parts[i].slice(equals + 1);
            try {
                key = decodeURIComponent(key);
                value = decodeURIComponent(value);
            } catch (error) {
                return { ok: false, reason: 'The link has a broken escape: a "%" must be followed by two hexadecimal digits of UTF-8 text.' };
            }
            fields[key] = value;
        }
        return { ok: true, fields: fields };
    }

    // The decimal places of a link's "p" field: 'auto', 0 to MAX_PLACES, or null for another text.
    function placesOf(text) {
        if (text === 'auto') {
            return 'auto';
        }
        return /^[0-9]{1,2}$/.test(text) && Number(text) <= MAX_PLACES ? Number(text) : null;
    }

    // Fewer (-1) or More (+1) decimal places, starting from the automatic places.
    function stepPlaces(places, autoPlaces, step) {
        var from = places === 'auto' ? autoPlaces : places;
        return Math.min(MAX_PLACES, Math.max(0, from + step));
    }

    // Shows a places choice in a group of Fewer, the count, More and Automatic.
    function showPlaces(controls, places, autoPlaces) {
        controls.count.textContent = places === 'auto' ? 'auto' : String(places);
        var shown = places === 'auto' ? autoPlaces : places;
        controls.fewer.disabled = places !== 'auto' && shown <= 0;
        controls.more.disabled = places !== 'auto' && shown >= MAX_PLACES;
        controls.auto.hidden = places === 'auto';
    }

    // Copies a text and says so in status; focus goes back to the button.
    function copyText(text, button, status) {
        if (!text) {
            return;
        }
        var done = function () {
            status.textContent = 'Copied ' + text;
        };
        var fallback = function () {
            var area = document.createElement('textarea');
            area.value = text;
            area.setAttribute('readonly', '');
            area.className = 'offscreen';
            document.body.appendChild(area);
            area.select();
            var copied = false;
            try {
                copied = document.execCommand('copy');
            } catch (error) {
                copied = false;
            }
            document.body.removeChild(area);
            button.focus();
            if (copied) {
                done();
            } else {
                status.textContent = 'The browser did not allow copying.';
            }
        };
        if (navigator.clipboard && navigator.clipboard.writeText) {
            navigator.clipboard.writeText(text).then(done, fallback);
        } else {
            fallback();
        }
    }

    function store(key, value) {
        try {
            localStorage.setItem(key, value);
        } catch (error) {
            // Storage may be switched off or full: the page works without it.
        }
    }

    function stored(key) {
        try {
            return localStorage.getItem(key);
        } catch (error) {
            return null;
        }
    }

    // ---- The address ---------------------------------------------------------------------------------

    function writeFragment() {
        clearTimeout(pendingWrite);
        pendingWrite = 0;
        if (!current) {
            return;
        }
        var view = views[current];
        var fragment = view.fragment();
        store(view.storeKey, fragment);
        store(VIEW_KEY, current);
        if (fragment === writtenFragment) {
            return;
        }
        writtenFragment = fragment;
        try {
            history.replaceState(null, '', fragment);
        } catch (error) {
            // Some pages opened from disk or an attachment may not change their address; the state still
            // lives in the storage.
        }
    }

    // A view's state changed: write it once typing pauses.
    function changed() {
        clearTimeout(pendingWrite);
        pendingWrite = setTimeout(writeFragment, FRAGMENT_DELAY_MS);
    }

    function showLinkNote(reason) {
        byId('link-note').textContent = reason ? 'This link could not be opened. ' + reason : '';
    }

    // ---- The views -----------------------------------------------------------------------------------

    function tabOf(name) {
        return byId('tab-' + name);
    }

    function show(name, focusTab) {
        if (!views[name]) {
            return;
        }
        current = name;
        order.forEach(function (each) {
            var selected = each === name;
            var tab = tabOf(each);
            tab.setAttribute('aria-selected', selected ? 'true' : 'false');
            tab.tabIndex = selected ? 0 : -1;
            byId(views[each].panel).hidden = !selected;
        });
        if (focusTab) {
            tabOf(name).focus();
        }
        views[name].render();
        writeFragment();
    }

    // Opens a link: the view its "view" field names opens the rest of it, or the page says why not.
    function openFragment(text) {
        var read = readFields(text);
        var name = read.ok ? (read.fields.view === undefined ? 'converter' : read.fields.view) : current;
        if (read.ok && !views[name]) {
            read = { ok: false, reason: 'No view is called ' + quoted(name) + '.' };
            name = current;
        }
        var reason = read.ok ? views[name].open(read.fields) : read.reason;
        showLinkNote(reason);
        show(name, false);
    }

    function wireTabs() {
        order.forEach(function (name, i) {
            var tab = tabOf(name);
            tab.addEventListener('click', function () {
                show(name, false);
            });
            // Arrow keys, Home and End move between the tabs, as in any tab list.
            tab.addEventListener('keydown', function (event) {
                var next = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: order.length - 1 }[event.key];
                if (next === undefined) {
                    return;
                }
                event.preventDefault();
                show(order[(next + order.length) % order.length], true);
            });
        });
    }

    function start(engine) {
        order.forEach(function (name) {
            views[name].start(engine);
        });
        wireTabs();
        byId('loading').hidden = true;
        byId('main').removeAttribute('aria-busy');
        window.addEventListener('hashchange', function () {
            if (location.hash !== writtenFragment) {
                openFragment(location.hash);
            }
        });
        window.addEventListener('pagehide', function () {
            if (pendingWrite) {
                writeFragment();
            }
        });
        document.addEventListener('visibilitychange', function () {
            if (document.visibilityState === 'hidden' && pendingWrite) {
                writeFragment();
            }
        });
        if (location.hash.length > 1) {
            openFragment(location.hash);
            return;
        }
        // No link: each view takes back its last state, and the last view shown opens.
        order.forEach(function (name) {
            var last = stored(views[name].storeKey);
            var read = last ? readFields(last) : { ok: false };
            if (read.ok) {
                views[name].open(read.fields);
            }
        });
        var lastView = stored(VIEW_KEY);
        show(views[lastView] ? lastView : order[0], false);
    }

    var UPDATE_KEY = 'quorlex.build';

    // The site's service worker keeps the page for use with no network. This page's build name (version
    // and content hash) is compared with the one it last ran as, and with the worker's: a returning
    // visitor learns that the page was updated, or that a newer build is ready once its worker took over
    // while this page runs the older one.
    function registerServiceWorker() {
        if (window.QUORLEX_SINGLE_FILE || !('serviceWorker' in navigator) || location.protocol === 'file:') {
            return;
        }
        var meta = document.querySelector('meta[name="quorlex-build"]');
        var build = meta ? meta.getAttribute('content') : '';
        var note = byId('update-note');
        var last = stored(UPDATE_KEY);
        if (build && last && last !== build) {
            note.textContent = 'Updated to Quorlex ' + build.split('-')[0] + '.';
        }
        if (build) {
            store(UPDATE_KEY, build);
        }
        var container = navigator.serviceWorker;
        container.addEventListener('message', function (event) {
            var served = event.data && event.data.quorlexBuild;
            if (served && build && served !== build) {
                note.textContent = 'A new version is ready: reload to use it.';
            }
        });
        var askWorker = function () {
            if (container.controller) {
                container.controller.postMessage('quorlex-build?');
            }
        };
        container.addEventListener('controllerchange', askWorker);
        if (container.startMessages) {
            container.startMessages();
        }
        askWorker();
        container.register('sw.js').catch(function () {
            // Without a service worker the page still works while online.
        });
    }

    // The service worker fetches every file of the site to keep it; that waits until the page has loaded and
    // shown its first result, so that it does not compete with it.
    function registerAfterLoad() {
        if (document.readyState === 'complete') {
            registerServiceWorker();
        } else {
            window.addEventListener('load', registerServiceWorker);
        }
    }

    // The engine starts as soon as this script runs: its module compiles while the views' scripts load and
    // run. The marks show in a trace, and scripts/web-speed.sh reads them, how long the engine took to start.
    performance.mark('quorlex-engine-start');
    var engineStarted = new Promise(function (resolve) {
        resolve(window.createEngine(window.QuorlexEngine));
    }).then(function (engine) {
        performance.mark('quorlex-engine-ready');
        return { engine: engine };
    }, function (error) {
        return { error: error };
    });

    function main() {
        engineStarted.then(function (started) {
            if (started.engine) {
                start(started.engine);
            } else {
                var loading = byId('loading');
                var error = started.error;
                loading.textContent = 'The converter could not start in this browser: ' + (error && error.message ? error.message : error) +
                    '. Quorlex needs Chrome or Edge 95, Firefox 100 or Safari 15.2 or newer.';
                loading.classList.add('error');
            }
            registerAfterLoad();
        });
    }

    window.Quorlex = {
        MAX_PLACES: MAX_PLACES,
        byId: byId,
        fold: fold,
        quoted: quoted,
        unitLabel: unitLabel,
        fillUnits: fillUnits,
        decimalCommaByDefault: decimalCommaByDefault,
        escaped: escaped,
        readFields: readFields,
        placesOf: placesOf,
        stepPlaces: stepPlaces,
        showPlaces: showPlaces,
        copyText: copyText,
        changed: changed,
        // name: {panel, storeKey, start(engine), open(fields) -> '' or a reason, render(), fragment()}
        addView: function (name, view) {
            views[name] = view;
            order.push(name);
        },
        isShown: function (name) {
            return current === name;
        },
    };

    // The views' scripts follow this one; the engine starts once they have all registered.
    document.addEventListener('DOMContentLoaded', main);
})();
