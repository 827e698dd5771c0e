// The converter page: every unit, name, factor and number text comes from the engine; this script only
// keeps the form's state, shows the engine's answers and keeps the state in the address fragment and in
// the browser's storage (through shared.js). It converts on every change, so nothing ever needs a Compute
// press or Enter.
(function () {
    'use strict';

    var Q = window.Quorlex;
    var MAX_PLACES = Q.MAX_PLACES;

    var engine = null;
    // The form's state. places is 'auto' or a number of decimal places from 0 to MAX_PLACES.
    // tables: convert by the desktop program's factor tables instead of the exact definitions.
    var state = { category: 0, from: 0, to: 0, value: '1', places: 'auto', comma: false, tables: false };
    // Decimal places of the last automatic result: where Fewer and More start from.
    var autoPlaces = 0;
    // A refusal of the one-line entry, shown when the entry loses the focus.
    var lineReason = '';
    // Script time of the last update, and of its every-unit list, in milliseconds (for measuring).
    var timings = { update: 0, every: 0, firstResult: false };
    window.quorlexTimings = timings;

    var el = {};
    // Says a text to a screen reader once typing pauses (set up at the start).
    var announce = null;
    var fold = Q.fold;
    var unitLabel = Q.unitLabel;
    var escaped = Q.escaped;
    var quoted = Q.quoted;

    // ---- Lists -------------------------------------------------------------------------------------

    function fillCategories() {
        var fragment = document.createDocumentFragment();
        engine.categories.forEach(function (category) {
            var option = document.createElement('option');
            option.value = String(category.index);
            option.textContent = category.caption;
            fragment.appendChild(option);
        });
        el.category.appendChild(fragment);
    }

    function fillUnits(select, category) {
        Q.fillUnits(select, category.units);
    }

    // Builds the every-unit list's rows for the current category; render fills in their values.
    function fillEveryList(category) {
        el.every.textContent = '';
        category.units.forEach(function (unit) {
            var item = document.createElement('li');
            var button = document.createElement('button');
            button.type = 'button';
            button.className = 'every-row';
            button.dataset.unit = String(unit.index);
            var value = document.createElement('span');
            value.className = 'every-value';
            var name = document.createElement('span');
            name.className = 'every-unit';
            name.textContent = unitLabel(unit);
            button.appendChild(value);
            button.appendChild(name);
            item.appendChild(button);
            el.every.appendChild(item);
        });
    }

    var shownCategory = -1;

    // Puts the state into the form's controls.
    function showState() {
        var category = engine.categories[state.category];
        if (shownCategory !== state.category) {
            el.category.value = String(state.category);
            fillUnits(el.from, category);
            fillUnits(el.to, category);
            fillEveryList(category);
            shownCategory = state.category;
        }
        el.from.value = String(state.from);
        el.to.value = String(state.to);
        if (el.value.value !== state.value) {
            el.value.value = state.value;
        }
        el.comma.checked = state.comma;
        el.tables.checked = state.tables;
    }

    // ---- Conversion --------------------------------------------------------------------------------

    function placesArgument() {
        return state.places === 'auto' ? 'auto' : state.places;
    }

    function showFieldError(reason) {
        el.valueError.textContent = reason;
        el.valueError.hidden = !reason;
        if (reason) {
            el.value.setAttribute('aria-invalid', 'true');
        } else {
            el.value.removeAttribute('aria-invalid');
        }
    }

    var NO_RESULT = 'No result';

    // A result longer than this many characters gets a smaller type, so that a 15-digit answer fits a
    // phone's width on one line instead of breaking between its digits.
    var LONG_RESULT = 12;

    function showResult(text, note) {
        el.result.textContent = text;
        el.result.classList.remove('none');
        el.result.classList.toggle('long', text.length > LONG_RESULT);
        el.resultNote.textContent = note || '';
        el.resultNote.hidden = !note;
        el.copy.disabled = false;
    }

    function showNoResult(note) {
        el.result.textContent = NO_RESULT;
        el.result.classList.add('none');
        el.result.classList.remove('long');
        el.resultNote.textContent = note || '';
        el.resultNote.hidden = !note;
        el.copy.disabled = true;
    }

    // The text an answer shows: its result, or the general text of a result too small for the automatic
    // places; null for a refusal.
    function shownText(answer) {
        if (answer.ok) {
            return answer.result;
        }
        return answer.kind === 'result-too-small' ? answer.general : null;
    }

    function showFactor(answer) {
        if (!answer.ok) {
            // The value is refused, but the factor depends on the units alone.
            answer = engine.convert(state.category, state.from, state.to, '1', 'auto', state.comma, state.tables);
        }
        el.factor.textContent = answer.ok ? answer.factor : '';
        var formula = answer.ok ? answer.formula : '';
        el.formula.textContent = formula;
        el.formula.hidden = !formula;
    }

    function showPlaces(answer) {
        if (state.places === 'auto' && answer.ok && answer.places !== null) {
            autoPlaces = answer.places;
        }
        Q.showPlaces({ count: el.places, fewer: el.fewer, more: el.more, auto: el.auto }, state.places, autoPlaces);
    }

    function showEveryList(visible) {
        var start = performance.now();
        el.everySection.hidden = !visible;
        if (visible) {
            var answers = engine.convertAll(state.category, state.from, state.value, placesArgument(), state.comma, state.tables);
            var rows = el.every.children;
            var units = engine.categories[state.category].units;
            for (var i = 0; i < rows.length; ++i) {
                var button = rows[i].firstChild;
                var answer = answers[i];
                // The desktop program's tables convert only the units of its own lists.
                rows[i].hidden = state.tables && units[i].window === false;
                var text = answer ? shownText(answer) : null;
                button.firstChild.textContent = text === null ? (answer ? answer.reason : '') : text;
                button.classList.toggle('refused', text === null);
                if (i === state.to) {
                    button.setAttribute('aria-current', 'true');
                } else {
                    button.removeAttribute('aria-current');
                }
            }
        }
        timings.every = performance.now() - start;
    }

    // How the conversion is worked out, from the engine, while its box is open: one paragraph a line, the
    // indented lines (the definitions) set in.
    function showExplanation(clear) {
        el.explain.textContent = '';
        if (clear || !el.explainBox.open) {
            return;
        }
        var lines = engine.explain(state.category, state.from, state.to, state.value, state.comma, state.tables);
        (Array.isArray(lines) ? lines : [lines.reason]).forEach(function (line) {
            var item = document.createElement('p');
            item.textContent = line.replace(/^\s+/, '');
            item.className = /^\s/.test(line) ? 'explain-line sub' : 'explain-line';
            el.explain.appendChild(item);
        });
    }

    // Clears everything that follows from a conversion: nothing shown may belong to another one.
    function showNothing(reason, note) {
        showFieldError(reason);
        showNoResult(note);
        showExplanation(true);
        el.factor.textContent = '';
        el.formula.textContent = '';
        el.formula.hidden = true;
        showPlaces({ ok: false });
        showEveryList(false);
    }

    // The text a screen reader is told: the answer with its unit's name, or why there is none.
    function announcement(text, note, reason) {
        if (text !== null) {
            var unit = engine.categories[state.category].units[state.to];
            return 'Result: ' + text + ' ' + unit.name + (note ? '. ' + note : '');
        }
        return reason || note || '';
    }

    // Converts the state's value and shows everything that follows from it.
    function convertAndShow() {
        if (Q.tooLong(state.value)) {
            var reason = Q.tooLongReason('The value');
            showNothing(reason, '');
            return announcement(null, '', reason);
        }
        var answer = engine.convert(state.category, state.from, state.to, state.value, placesArgument(), state.comma, state.tables);
        var text = shownText(answer);
        var listed = false;
        var note = '';
        var refusal = '';
        if (text !== null) {
            showFieldError('');
            note = answer.ok ? '' : 'Too small for the automatic decimal places; shown with 15 significant digits.';
            showResult(text, note);
            listed = true;
        } else if (answer.kind === 'not-in-tables') {
            note = answer.reason + '. Turn off "Desktop program\'s tables" to convert it.';
            showFieldError('');
            showNoResult(note);
        } else if (answer.kind === 'blank') {
            note = 'Type a value to convert.';
            showFieldError('');
            showNoResult(note);
        } else if (answer.kind === 'not-number' && document.activeElement === el.value &&
                   engine.isNumberStart(state.value, state.comma)) {
            // Only the start of a number so far: say nothing until the field loses the focus.
            showFieldError('');
            showNoResult('');
        } else {
            refusal = answer.reason + (answer.kind === 'not-number' ? Q.commaHint(engine, state.value, state.comma) : '');
            showFieldError(refusal);
            showNoResult('');
        }
        showFactor(answer);
        showPlaces(answer);
        showEveryList(listed);
        showExplanation(false);
        return announcement(text, note, refusal);
    }

    function render() {
        var start = performance.now();
        showState();
        var said;
        try {
            said = convertAndShow();
        } catch (error) {
            // The engine failed: clear every answer, say what failed, and convert again on the next edit.
            var reason = Q.failureReason(error);
            showNothing('', reason);
            said = reason;
        }
        var listed = !el.everySection.hidden;
        Q.forgetCopied(el.copyStatus, el.result.classList.contains('none') ? '' : el.result.textContent);
        announce(said);
        Q.changed();
        timings.update = performance.now() - start;
        if (listed && !timings.firstResult) {
            timings.firstResult = true;
            performance.mark('quorlex-first-result');
        }
    }

    // ---- The address fragment and the stored state -------------------------------------------------

    function categoryIndexByName(name) {
        var wanted = fold(name);
        for (var i = 0; i < engine.categories.length; ++i) {
            var category = engine.categories[i];
            if (wanted && (wanted === fold(category.caption) || wanted === fold(category.className))) {
                return i;
            }
        }
        return -1;
    }

    // Whether each unit's symbol also names a unit of another category (deg), per category: a lookup by
    // name costs far more than the rest of a keystroke, so each category is asked once.
    var sharedSymbols = [];

    function symbolFitsSeveral(category, unit) {
        if (!sharedSymbols[category]) {
            sharedSymbols[category] = engine.categories[category].units.map(function (each) {
                return engine.lookup(each.symbol).some(function (fit) {
                    return fit.category !== category;
                });
            });
        }
        return sharedSymbols[category][unit];
    }

    function fragmentOf(s) {
        var units = engine.categories[s.category].units;
        var parts = [
            'v=' + escaped(s.value),
            'from=' + escaped(units[s.from].symbol),
            'to=' + escaped(units[s.to].symbol),
        ];
        if (symbolFitsSeveral(s.category, s.from) || symbolFitsSeveral(s.category, s.to)) {
            parts.push('c=' + escaped(engine.categories[s.category].className));
        }
        if (s.places !== 'auto') {
            parts.push('p=' + s.places);
        }
        if (s.comma) {
            parts.push('comma=1');
        }
        if (s.tables) {
            parts.push('tables=1');
        }
        return '#' + parts.join('&');
    }

    // A category's first two units (one twice where it has one).
    function firstPair(category) {
        var count = engine.categories[category].units.length;
        return { category: category, from: 0, to: count > 1 ? 1 : 0 };
    }

    function refusal(reason) {
        return { ok: false, reason: reason };
    }

    // The units a name may stand for; with no name, the base state's unit.
    function unitFits(name, base, unit) {
        if (name === undefined) {
            return [{ category: base.category, unit: unit }];
        }
        return engine.lookup(name);
    }

    // Settles the From and To units of a link: the pair must share a category; the link's category comes
    // first, then the current one, then the first pair in catalogue order.
    function settleUnits(fields, base) {
        var wanted = -1;
        if (fields.c !== undefined) {
            wanted = categoryIndexByName(fields.c);
            if (wanted < 0) {
                return refusal('No category is called ' + quoted(fields.c) + '.');
            }
        }
        if (wanted >= 0 && fields.from === undefined && fields.to === undefined) {
            // A category alone opens with its first two units, as choosing it in the list does.
            return { ok: true, pair: firstPair(wanted) };
        }
        var froms = unitFits(fields.from, base, base.from);
        var tos = unitFits(fields.to, base, base.to);
        if (!froms.length) {
            return refusal(froms.reason || 'No unit is called ' + quoted(fields.from) + '.');
        }
        if (!tos.length) {
            return refusal(tos.reason || 'No unit is called ' + quoted(fields.to) + '.');
        }
        if (fields.from !== undefined && fields.to === undefined) {
            tos = [];
            froms.forEach(function (fit) {
                tos.push({ category: fit.category, unit: fit.category === base.category ? base.to : 0 });
            });
        } else if (fields.to !== undefined && fields.from === undefined) {
            froms = [];
            tos.forEach(function (fit) {
                froms.push({ category: fit.category, unit: fit.category === base.category ? base.from : 0 });
            });
        }
        var pairs = [];
        froms.forEach(function (from) {
            tos.forEach(function (to) {
                if (from.category === to.category) {
                    pairs.push({ category: from.category, from: from.unit, to: to.unit });
                }
            });
        });
        var order = [wanted, base.category];
        for (var i = 0; i < order.length; ++i) {
            for (var j = 0; j < pairs.length; ++j) {
                if (pairs[j].category === order[i]) {
                    return { ok: true, pair: pairs[j] };
                }
            }
        }
        if (wanted >= 0) {
            return refusal('These units are not both units of ' + engine.categories[wanted].caption.replace(/\s+/g, ' ') + '.');
        }
        if (!pairs.length) {
            return refusal('The From and To units measure different things.');
        }
        return { ok: true, pair: pairs[0] };
    }

    // Reads a link's fields (v=12.5, from=ton/ac, to=Mg/ha, p=3) into a new state, starting from base.
    function readFragment(fields, base) {
        var next = {
            category: base.category, from: base.from, to: base.to, value: base.value,
            places: base.places, comma: fields.comma === '1', tables: fields.tables === '1',
        };
        if (fields.comma !== undefined && fields.comma !== '0' && fields.comma !== '1') {
            return refusal('The link\'s comma must be 0 or 1.');
        }
        if (fields.tables !== undefined && fields.tables !== '0' && fields.tables !== '1') {
            return refusal('The link\'s tables must be 0 or 1.');
        }
        if (fields.v !== undefined) {
            if (/[\r\n]/.test(fields.v)) {
                return refusal('The link\'s value has a line break.');
            }
            next.value = fields.v;
            next.places = 'auto';
        }
        if (fields.p !== undefined) {
            next.places = Q.placesOf(fields.p);
            if (next.places === null) {
                return refusal('The link\'s decimal places must be auto or a number from 0 to ' + MAX_PLACES + '.');
            }
        }
        if (fields.from !== undefined || fields.to !== undefined || fields.c !== undefined) {
            var settled = settleUnits(fields, base);
            if (!settled.ok) {
                return settled;
            }
            next.category = settled.pair.category;
            next.from = settled.pair.from;
            next.to = settled.pair.to;
        }
        return { ok: true, state: next };
    }

    // Opens the conversion of a link; a reason when it cannot, and the current one stays.
    function openFields(fields) {
        var read = readFragment(fields, state);
        if (read.ok) {
            state = read.state;
        }
        return read.ok ? '' : read.reason;
    }

    // ---- Controls ----------------------------------------------------------------------------------

    function setPlaces(places) {
        state.places = places;
        render();
    }

    function copyResult() {
        Q.copyText(el.result.classList.contains('none') ? '' : el.result.textContent, el.copy, el.copyStatus);
    }

    function applyLine() {
        var text = el.line.value;
        if (!text.trim()) {
            lineReason = '';
            showLineError('');
            return;
        }
        var read;
        if (Q.tooLong(text)) {
            read = { ok: false, reason: Q.tooLongReason('The whole conversion') };
        } else {
            try {
                read = engine.readLine(text, state.category);
            } catch (error) {
                read = { ok: false, reason: Q.failureReason(error) };
            }
        }
        if (read.ok) {
            lineReason = '';
            showLineError('');
            state.category = read.category;
            state.from = read.from;
            state.to = read.to;
            state.value = read.value;
            state.places = 'auto';
            render();
        } else {
            lineReason = read.reason;
        }
    }

    function showLineError(reason) {
        el.lineError.textContent = reason;
        el.lineError.hidden = !reason;
        if (reason) {
            el.line.setAttribute('aria-invalid', 'true');
        } else {
            el.line.removeAttribute('aria-invalid');
        }
    }

    function wire() {
        el.category.addEventListener('change', function () {
            var pair = firstPair(Number(el.category.value));
            state.category = pair.category;
            state.from = pair.from;
            state.to = pair.to;
            render();
        });
        el.from.addEventListener('change', function () {
            state.from = Number(el.from.value);
            render();
        });
        el.to.addEventListener('change', function () {
            state.to = Number(el.to.value);
            render();
        });
        el.value.addEventListener('input', function () {
            state.value = el.value.value;
            state.places = 'auto';
            render();
        });
        // A text that was only the start of a number is judged when the field loses the focus.
        el.value.addEventListener('blur', render);
        el.swap.addEventListener('click', function () {
            var from = state.from;
            state.from = state.to;
            state.to = from;
            render();
        });
        var placesControls = { fewer: el.fewer, more: el.more, auto: el.auto };
        el.fewer.addEventListener('click', function () {
            setPlaces(Q.stepPlaces(state.places, autoPlaces, -1));
            Q.keepPlacesFocus(placesControls, el.fewer);
        });
        el.more.addEventListener('click', function () {
            setPlaces(Q.stepPlaces(state.places, autoPlaces, 1));
            Q.keepPlacesFocus(placesControls, el.more);
        });
        el.auto.addEventListener('click', function () {
            setPlaces('auto');
            Q.keepPlacesFocus(placesControls, el.auto);
        });
        el.comma.addEventListener('change', function () {
            state.comma = el.comma.checked;
            Q.commaChanged();
            render();
        });
        el.tables.addEventListener('change', function () {
            state.tables = el.tables.checked;
            render();
        });
        el.explainBox.addEventListener('toggle', function () {
            try {
                showExplanation(false);
            } catch (error) {
                render();
            }
        });
        el.copy.addEventListener('click', copyResult);
        el.every.addEventListener('click', function (event) {
            var row = event.target.closest('.every-row');
            if (row) {
                state.to = Number(row.dataset.unit);
                render();
            }
        });
        el.line.addEventListener('input', applyLine);
        el.line.addEventListener('change', function () {
            showLineError(lineReason);
            if (lineReason) {
                announce(lineReason);
            }
        });
    }

    function start(created) {
        engine = created;
        ['line', 'line-error', 'category', 'value', 'value-error', 'from', 'to', 'swap', 'result', 'result-note',
         'fewer', 'places', 'more', 'auto', 'copy', 'copy-status', 'factor', 'formula', 'comma', 'every',
         'every-section', 'announce', 'tables', 'explain', 'explain-box'].forEach(function (id) {
            el[id.replace(/-([a-z])/g, function (m, c) { return c.toUpperCase(); })] = Q.byId(id);
        });
        announce = Q.announcer(el.announce);
        fillCategories();
        var units = engine.categories[0].units;
        state.to = units.length > 1 ? 1 : 0;
        state.comma = Q.decimalCommaByDefault();
        wire();
    }

    Q.addView('converter', {
        panel: 'converter-view',
        storeKey: 'quorlex.state',
        start: start,
        open: openFields,
        render: render,
        // A value too long to convert is not kept: the address and the storage keep the last one.
        fragment: function () {
            return Q.tooLong(state.value) ? null : fragmentOf(state);
        },
        comma: function () {
            return state.comma;
        },
        setComma: function (on) {
            state.comma = on;
        },
    });
})();
