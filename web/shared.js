// What the page's two views share: the engine's start, the switch between the views, the address
// fragment (read, written once typing pauses, and kept in the browser's storage), decimal places and
// copying. Each view registers itself with Quorlex.addView; the view named by a link's "view" field
// opens it (no field: the converter).
(function () {
    'use strict';

    var MAX_PLACES = 25;
    // The longest single text (a value, a unit, a whole conversion, a field of a link) the page hands to
    // the engine, in UTF-16 code units as JavaScript counts them; longer ones are refused at once.
    var MAX_TEXT = 10000;
    var VIEW_KEY = 'quorlex.view';
    // Writing the address costs more than the rest of a keystroke's update (and Chromium ignores a page
    // that rewrites it hundreds of times in a few seconds), so the state is written once typing pauses,
    // and at once when the page is hidden or left.
    var FRAGMENT_DELAY_MS = 120;

    // Names come from links and storage: a table without a prototype, so that "constructor" or
    // "__proto__" is no view.
    var views = Object.create(null);
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

    function tooLong(text) {
        return String(text).length > MAX_TEXT;
    }

    // What the page says of a text longer than MAX_TEXT; what names it ("The value").
    function tooLongReason(what) {
        return what + ' is longer than 10,000 characters, the most the converter reads.';
    }

    // What the page says when a call of the engine failed (its module trapped, say): the answer is gone,
    // and the engine starts afresh for the next edit.
    function failureReason(error) {
        var message = error && error.engineFailure ? error.message : 'the page failed (' + String(error && error.message ? error.message : error) + ')';
        return 'No result: ' + message + '. Change any field to convert again.';
    }

    function unitLabel(unit) {
        return unit.name + ' (' + unit.symbol + ')';
    }

    // The units a list offers; those the desktop program's lists lack (window: false) in a group of
    // their own after them.
    function fillUnits(select, units) {
        select.textContent = '';
        var further = null;
        units.forEach(function (unit) {
            var option = document.createElement('option');
            option.value = String(unit.index);
            option.textContent = unitLabel(unit);
            if (unit.window === false && !further) {
                further = document.createElement('optgroup');
                further.label = 'Not in the desktop program';
                select.appendChild(further);
            }
            (unit.window === false ? further : select).appendChild(option);
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
            if (tooLong(key) || tooLong(value)) {
                return { ok: false, reason: tooLongReason('A field of the link') };
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

    // After Fewer, More or Automatic: the pressed button may now be disabled (at 0 or 25 places) or hidden
    // (Automatic), which would drop the focus to the page; it moves to the group's next button that works.
    function keepPlacesFocus(controls, pressed) {
        var focused = document.activeElement;
        if ((!pressed.disabled && !pressed.hidden) || (focused && focused !== pressed && focused !== document.body)) {
            return;
        }
        var next = {
            more: [controls.fewer, controls.auto],
            fewer: [controls.more, controls.auto],
            auto: [controls.more, controls.fewer],
        }[pressed === controls.more ? 'more' : pressed === controls.fewer ? 'fewer' : 'auto'];
        for (var i = 0; i < next.length; ++i) {
            if (!next[i].disabled && !next[i].hidden) {
                next[i].focus();
                return;
            }
        }
    }

    // Copies a text (the number alone, as the command line writes it) and says so in status; focus goes
    // back to the button.
    function copyText(text, button, status) {
        if (!text) {
            return;
        }
        var done = function () {
            status.textContent = 'Copied ' + text;
            status.dataset.copied = text;
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

    // "Copied 12.5" stays only while 12.5 is still the answer shown.
    function forgetCopied(status, shownText) {
        if (status.textContent && status.dataset.copied !== shownText) {
            status.textContent = '';
        }
    }

    // How long an announcement waits for typing to pause, so that a screen reader reads the answer to
    // "12.5" once instead of the answers to "1", "12" and "12.".
    var ANNOUNCE_DELAY_MS = 400;

    // A function that says a text in a polite live region once typing pauses; the same text twice in a
    // row is said once.
    function announcer(region) {
        var pending = 0;
        return function (text) {
            clearTimeout(pending);
            pending = setTimeout(function () {
                if (region.textContent !== text) {
                    region.textContent = text;
                }
            }, ANNOUNCE_DELAY_MS);
        };
    }

    // The hint a refused value gets when the decimal comma explains it: "12.5" with the comma on.
    function commaHint(engine, text, comma) {
        if (comma && String(text).indexOf('.') >= 0 && engine.isNumberStart(text, false)) {
            return ' (with Decimal comma on, a comma is the decimal point and a period is refused)';
        }
        return '';
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
        var fragment;
        try {
            fragment = view.fragment();
        } catch (error) {
            // The engine failed while naming a unit: the address waits for the next change.
            return;
        }
        // A view with a text too long to keep (see MAX_TEXT) keeps its last stored state instead.
        if (fragment === null) {
            return;
        }
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

    function isView(name) {
        return typeof name === 'string' && name in views;
    }

    function tabOf(name) {
        return byId('tab-' + name);
    }

    function show(name, focusTab) {
        if (!isView(name)) {
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

    // The decimal comma is one setting for both views: the others follow the one named.
    function shareComma(name) {
        var comma = views[name].comma();
        order.forEach(function (each) {
            if (each !== name) {
                views[each].setComma(comma);
            }
        });
    }

    // A view opens fields (from a link or storage): '' or the reason it could not. A failure of the engine
    // while it looks up names refuses the fields too.
    function openView(name, fields) {
        try {
            return views[name].open(fields);
        } catch (error) {
            return failureReason(error);
        }
    }

    // Reads a link into the view it names and that view's fields: {ok, name, fields}, or {ok: false,
    // name, reason} with name the view to show (the one named where it exists).
    function readLink(text) {
        var read = readFields(text);
        if (!read.ok) {
            return { ok: false, name: null, reason: read.reason };
        }
        var name = read.fields.view === undefined ? 'converter' : read.fields.view;
        if (!isView(name)) {
            return { ok: false, name: null, reason: 'No view is called ' + quoted(name) + '.' };
        }
        var reason = openView(name, read.fields);
        return reason ? { ok: false, name: name, reason: reason } : { ok: true, name: name };
    }

    // Opens a link while the page runs: a refused link leaves the page as it is, with a note.
    function openFragment(text) {
        var read = readLink(text);
        showLinkNote(read.ok ? '' : read.reason);
        if (read.ok) {
            shareComma(read.name);
        }
        show(read.name || current, false);
    }

    // Each view takes back its last stored state (one that is refused leaves the view's defaults); the
    // view shown last goes last, so that its decimal comma is the one both views keep.
    function restoreStored(lastView) {
        order.filter(function (name) {
            return name !== lastView;
        }).concat([lastView]).forEach(function (name) {
            var last = stored(views[name].storeKey);
            var read = last ? readFields(last) : { ok: false };
            if (read.ok) {
                openView(name, read.fields);
            }
        });
        shareComma(lastView);
    }

    function wireTabs() {
        order.forEach(function (name, i) {
            var tab = tabOf(name);
            tab.addEventListener('click', function () {
                show(name, false);
            });
            // Arrow keys, Home and End move between the tabs, as in any tab list.
            tab.addEventListener('keydown', function (event) {
                var keys = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: order.length - 1 };
                if (!Object.prototype.hasOwnProperty.call(keys, event.key)) {
                    return;
                }
                event.preventDefault();
                show(order[(keys[event.key] + order.length) % order.length], true);
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
        var lastView = stored(VIEW_KEY);
        if (!isView(lastView)) {
            lastView = order[0];
        }
        if (location.hash.length > 1) {
            var read = readLink(location.hash);
            if (read.ok) {
                shareComma(read.name);
                show(read.name, false);
                return;
            }
            // A refused link: its note over the last stored conversion (or the default one).
            restoreStored(lastView);
            showLinkNote(read.reason);
            show(read.name || lastView, false);
            return;
        }
        // No link: the last view shown opens as it was left.
        restoreStored(lastView);
        show(lastView, false);
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
        MAX_TEXT: MAX_TEXT,
        byId: byId,
        fold: fold,
        quoted: quoted,
        tooLong: tooLong,
        tooLongReason: tooLongReason,
        failureReason: failureReason,
        commaHint: commaHint,
        announcer: announcer,
        keepPlacesFocus: keepPlacesFocus,
        forgetCopied: forgetCopied,
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
        // The current view's decimal comma changed: the other view follows.
        commaChanged: function () {
            if (current) {
                shareComma(current);
            }
        },
        // name: {panel, storeKey, start(engine), open(fields) -> '' or a reason, render(), fragment() -> text
        // or null, comma() -> the view's decimal comma, setComma(on)}
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
