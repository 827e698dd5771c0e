// The fire calculations view: a relation, one field per input (value and unit), the answer's unit and
// decimal places. The engine computes on every change and writes the answer, its interpretation class
// and warnings; the relation's formula, units and source come from the engine too. The state lives in
// the address fragment: #view=fire&calc=intensity&hpa=2000&hpa.unit=kJ%2Fm2&ros=10&ros.unit=m%2Fmin&to=kW%2Fm
(function () {
    'use strict';

    var Q = window.Quorlex;
    // The "unit" of a time written as hours and minutes: none, as on the command line.
    var HOURS_AND_MINUTES = -1;
    var HOURS_AND_MINUTES_NAME = 'H:MM';
    var LOOKS_LIKE_HOURS = /^\s*\d+:\d+\s*$/;
    var HOURS_STARTED = /^\s*\d+:\d?$/;

    var engine = null;
    var el = {};
    // values and units: one per input of the relation; a unit is a position of the input's units, or -1
    // for a plain number or a time in hours and minutes (H:MM). places: 'auto' or 0 to 25. to: a position of the output's units.
    var state = { relation: 0, values: [], units: [], to: -1, places: 'auto', comma: false };
    var autoPlaces = 0;
    // Each input's value field, unit select and error line, rebuilt when the relation changes.
    var fields = [];
    var shownRelation = -1;
    // The number of the answer shown (what Copy copies), '' for none.
    var shownNumber = '';
    // Says a text to a screen reader once typing pauses (set up at the start).
    var announce = null;

    function relation() {
        return engine.relations[state.relation];
    }

    // The relation's defaults: each input blank (an input with a fallback shows it as its placeholder) in
    // the formula's unit, the answer in the formula's unit.
    function chooseRelation(index) {
        state.relation = index;
        var r = relation();
        state.values = r.inputs.map(function () {
            return '';
        });
        state.units = r.inputs.map(function (input) {
            return input.formulaUnit;
        });
        state.to = r.output.formulaUnit;
        state.places = 'auto';
    }

    function inputId(i, what) {
        return 'fire-input-' + i + '-' + what;
    }

    // Builds one field per input of the current relation: its title as the label, the value and its unit.
    function buildInputs() {
        var r = relation();
        el.inputs.textContent = '';
        fields = r.inputs.map(function (input, i) {
            var box = document.createElement('div');
            box.className = 'fire-pair';
            var valueField = document.createElement('div');
            valueField.className = 'field';
            var label = document.createElement('label');
            label.htmlFor = inputId(i, 'value');
            label.textContent = input.title.charAt(0).toUpperCase() + input.title.slice(1) + ' (' + input.sign + ')';
            var value = document.createElement('input');
            value.id = inputId(i, 'value');
            value.type = 'text';
            value.autocomplete = 'off';
            value.spellcheck = false;
            value.setAttribute('inputmode', input.kind === 'time' || input.kind === 'scale' ? 'text' : 'decimal');
            var hintText = [input.category];
            if (input.range) {
                hintText.push(input.range);
            }
            if (input.kind === 'time') {
                hintText.push('H:MM for hours and minutes, without a unit');
            }
            if (input.fallback) {
                value.placeholder = input.fallback;
                hintText.push('blank: ' + input.fallback);
            } else if (input.fallback !== null) {
                hintText.push('optional');
            }
            var hint = document.createElement('p');
            hint.id = inputId(i, 'hint');
            hint.className = 'hint';
            hint.textContent = hintText.join(' · ');
            // What a time typed as H:MM reads as: "1 h 30 min".
            var reading = document.createElement('p');
            reading.id = inputId(i, 'reading');
            reading.className = 'hint';
            reading.hidden = true;
            var error = document.createElement('p');
            error.id = inputId(i, 'error');
            error.className = 'error';
            error.hidden = true;
            value.setAttribute('aria-describedby', hint.id + ' ' + reading.id + ' ' + error.id);
            valueField.appendChild(label);
            valueField.appendChild(value);
            valueField.appendChild(hint);
            valueField.appendChild(reading);
            valueField.appendChild(error);
            box.appendChild(valueField);
            var unit = null;
            if (input.units.length > 1) {
                var unitField = document.createElement('div');
                unitField.className = 'field';
                var unitLabel = document.createElement('label');
                unitLabel.htmlFor = inputId(i, 'unit');
                unitLabel.textContent = 'Unit of ' + input.title;
                unit = document.createElement('select');
                unit.id = inputId(i, 'unit');
                Q.fillUnits(unit, input.units);
                if (input.kind === 'time') {
                    var hoursAndMinutes = document.createElement('option');
                    hoursAndMinutes.value = String(HOURS_AND_MINUTES);
                    hoursAndMinutes.textContent = 'Hours and minutes (' + HOURS_AND_MINUTES_NAME + ')';
                    unit.appendChild(hoursAndMinutes);
                }
                unitField.appendChild(unitLabel);
                unitField.appendChild(unit);
                box.appendChild(unitField);
                unit.addEventListener('change', function () {
                    state.units[i] = Number(unit.value);
                    render();
                });
            }
            value.addEventListener('input', function () {
                state.values[i] = value.value;
                if (input.kind === 'time') {
                    // Typing H:MM chooses hours and minutes, which take no unit; typing a number again
                    // goes back to the formula's unit.
                    var typedHours = LOOKS_LIKE_HOURS.test(value.value);
                    if (typedHours && state.units[i] !== HOURS_AND_MINUTES) {
                        state.units[i] = HOURS_AND_MINUTES;
                    } else if (value.value.indexOf(':') < 0 && value.value.trim() && state.units[i] === HOURS_AND_MINUTES) {
                        state.units[i] = input.formulaUnit;
                    }
                }
                state.places = 'auto';
                render();
            });
            value.addEventListener('blur', render);
            el.inputs.appendChild(box);
            return { value: value, unit: unit, error: error, reading: reading };
        });
        var output = r.output;
        Q.fillUnits(el.to, output.units);
        el.to.disabled = output.units.length < 2;
        el.toLabel.textContent = 'Unit of the ' + output.title;
        el.resultLabel.textContent = output.title.charAt(0).toUpperCase() + output.title.slice(1) + ' (' + output.sign + ')';
        el.about.textContent = 'quorlex-convert calc ' + r.id;
        el.formula.textContent = r.formula + ' (' + r.units + ')';
        el.source.textContent = r.source || 'none: the formula is a definition';
        el.range.textContent = r.range;
        el.relationNote.textContent = r.note;
        el.relationNote.hidden = !r.note;
        el.relationNoteLabel.hidden = !r.note;
        shownRelation = state.relation;
    }

    function showState() {
        if (shownRelation !== state.relation) {
            el.relation.value = String(state.relation);
            buildInputs();
            fillFileColumns();
        }
        fields.forEach(function (field, i) {
            if (field.value.value !== state.values[i]) {
                field.value.value = state.values[i];
            }
            if (field.unit) {
                field.unit.value = String(state.units[i]);
            }
            var hours = relation().inputs[i].kind === 'time' && state.units[i] === HOURS_AND_MINUTES
                ? /^\s*(\d+):([0-5]\d)\s*$/.exec(state.values[i]) : null;
            field.reading.textContent = hours ? Number(hours[1]) + ' h ' + Number(hours[2]) + ' min' : '';
            field.reading.hidden = !hours;
        });
        if (relation().output.units.length) {
            el.to.value = String(state.to);
        }
        el.comma.checked = state.comma;
    }

    function showInputError(index, reason) {
        fields.forEach(function (field, i) {
            var text = i === index ? reason : '';
            field.error.textContent = text;
            field.error.hidden = !text;
            if (text) {
                field.value.setAttribute('aria-invalid', 'true');
            } else {
                field.value.removeAttribute('aria-invalid');
            }
        });
    }

    function showAnswer(text, note, number) {
        shownNumber = text ? number : '';
        el.result.textContent = text || 'No result';
        el.result.classList.toggle('none', !text);
        // A long answer gets a smaller type, so that 15 digits and a unit fit a phone's width on one line.
        el.result.classList.toggle('long', Boolean(text) && text.length > 12);
        el.note.textContent = note || '';
        el.note.hidden = !note;
        el.copy.disabled = !text;
    }

    // Calculates the state's values and shows the answer, or why there is none; returns what a screen
    // reader is told.
    function calculateAndShow() {
        var r = relation();
        var longest = -1;
        state.values.forEach(function (value, i) {
            if (longest < 0 && Q.tooLong(value)) {
                longest = i;
            }
        });
        if (longest >= 0) {
            var tooLong = Q.tooLongReason('The ' + r.inputs[longest].title);
            showInputError(longest, tooLong);
            showAnswer('', '');
            showDetails('', []);
            return tooLong;
        }
        var inputs = r.inputs.map(function (input, i) {
            var blank = !state.values[i].trim();
            return {
                value: state.values[i],
                unit: state.units[i] >= 0 ? state.units[i] : null,
                given: !(blank && input.fallback !== null),
            };
        });
        var answer = engine.calculate(r.id, inputs, state.to, state.places, state.comma);
        var classText = '';
        var warnings = [];
        var index = -1;
        if (answer.input) {
            r.inputs.forEach(function (input, i) {
                if (input.name === answer.input) {
                    index = i;
                }
            });
        }
        var typing = index >= 0 && document.activeElement === fields[index].value;
        var said = '';
        if (answer.ok) {
            showInputError(-1, '');
            showAnswer(answer.result + (answer.unit ? ' ' + answer.unit : ''), '', answer.result);
            if (state.places === 'auto' && answer.places !== null) {
                autoPlaces = answer.places;
            }
            // The class line as the command line writes it: the quantity, its band and the source.
            classText = answer.chartText;
            warnings = answer.warnings;
            var unit = r.output.units[state.to];
            said = ['Result: ' + answer.result + (unit ? ' ' + unit.name : answer.unit ? ' ' + answer.unit : '')]
                .concat(classText ? [classText] : [])
                .concat(warnings.map(function (warning) {
                    return 'Warning: ' + warning;
                })).join('. ');
        } else if (answer.kind === 'blank' || answer.kind === 'missing') {
            showInputError(-1, '');
            said = 'Type a value for every input.';
            showAnswer('', said);
        } else if (answer.kind === 'value' && typing && (engine.isNumberStart(state.values[index], state.comma) ||
                (r.inputs[index].kind === 'time' && HOURS_STARTED.test(state.values[index])) ||
                (r.inputs[index].kind === 'scale' && /^\s*1\s*:[\d,]*$/.test(state.values[index])))) {
            // Only the start of a number, or of H:MM, so far: say nothing until the field loses the focus.
            showInputError(-1, '');
            showAnswer('', '');
        } else if (index >= 0) {
            said = answer.reason + (answer.kind === 'value' ? Q.commaHint(engine, state.values[index], state.comma) : '');
            showInputError(index, said);
            showAnswer('', '');
        } else {
            showInputError(-1, '');
            said = answer.reason;
            showAnswer('', said);
        }
        showDetails(classText, warnings);
        return said;
    }

    // The interpretation class and the warnings of the answer shown.
    function showDetails(classText, warnings) {
        el.chartClass.textContent = classText;
        el.chartClass.hidden = !classText;
        el.warnings.textContent = '';
        warnings.forEach(function (warning) {
            var item = document.createElement('li');
            item.textContent = 'Warning: ' + warning;
            el.warnings.appendChild(item);
        });
        el.warnings.hidden = !warnings.length;
    }

    function render() {
        showState();
        var said;
        try {
            said = calculateAndShow();
        } catch (error) {
            // The engine failed: clear every answer, say what failed, and calculate again on the next edit.
            said = Q.failureReason(error);
            showInputError(-1, '');
            showAnswer('', said);
            showDetails('', []);
        }
        Q.showPlaces({ count: el.places, fewer: el.fewer, more: el.more, auto: el.auto }, state.places, autoPlaces);
        Q.forgetCopied(el.copyStatus, shownNumber);
        announce(said);
        Q.changed();
    }

    // ---- The address fragment ------------------------------------------------------------------------

    function fragment() {
        var r = relation();
        var parts = ['view=fire', 'calc=' + Q.escaped(r.id)];
        r.inputs.forEach(function (input, i) {
            if (state.values[i] !== '') {
                parts.push(Q.escaped(input.name) + '=' + Q.escaped(state.values[i]));
            }
            if (input.units.length > 1) {
                var symbol = state.units[i] === HOURS_AND_MINUTES ? HOURS_AND_MINUTES_NAME : input.units[state.units[i]].symbol;
                parts.push(Q.escaped(input.name) + '.unit=' + Q.escaped(symbol));
            }
        });
        if (r.output.units.length > 1) {
            parts.push('to=' + Q.escaped(r.output.units[state.to].symbol));
        }
        if (state.places !== 'auto') {
            parts.push('p=' + state.places);
        }
        if (state.comma) {
            parts.push('comma=1');
        }
        return '#' + parts.join('&');
    }

    // The position of the unit a name names among a quantity's units, by any name the command line
    // takes: its symbols, then the engine's lookup (aliases, list texts, CATEGORY:INDEX).
    function unitNamed(quantity, name) {
        for (var i = 0; i < quantity.units.length; ++i) {
            if (quantity.units[i].symbol === name.trim()) {
                return i;
            }
        }
        var category = -1;
        engine.categories.forEach(function (each) {
            if (each.caption === quantity.category) {
                category = each.index;
            }
        });
        var found = -1;
        engine.lookup(name).forEach(function (fit) {
            if (fit.category === category && found < 0) {
                found = fit.unit;
            }
        });
        if (found < 0 && quantity.kind === 'time') {
            var folded = Q.fold(name);
            quantity.units.forEach(function (unit, i) {
                if (Q.fold(unit.name) === folded || Q.fold(unit.name).replace(/s$/, '') === folded) {
                    found = i;
                }
            });
        }
        return found;
    }

    // Opens a link's fields: {calc, NAME, NAME.unit, to, p, comma}; a reason when it cannot.
    function open(f) {
        var index = -1;
        engine.relations.forEach(function (each, i) {
            if (each.id === f.calc) {
                index = i;
            }
        });
        if (f.calc !== undefined && index < 0) {
            return 'No calculation is called ' + Q.quoted(f.calc) + '.';
        }
        var saved = JSON.stringify(state);
        if (index >= 0 && index !== state.relation) {
            chooseRelation(index);
        }
        var r = relation();
        var reason = '';
        r.inputs.forEach(function (input, i) {
            if (reason) {
                return;
            }
            var value = f[input.name];
            if (value !== undefined) {
                if (/[\r\n]/.test(value)) {
                    reason = 'The link\'s ' + input.name + ' has a line break.';
                    return;
                }
                state.values[i] = value;
            }
            var unit = f[input.name + '.unit'];
            if (unit !== undefined) {
                var found = input.kind === 'time' && unit.trim() === HOURS_AND_MINUTES_NAME ? HOURS_AND_MINUTES : unitNamed(input, unit);
                if (found < 0 && found !== HOURS_AND_MINUTES) {
                    reason = 'No unit of ' + input.category + ' is called ' + Q.quoted(unit) + '.';
                    return;
                }
                state.units[i] = found;
            }
        });
        if (!reason && f.to !== undefined) {
            var to = unitNamed(r.output, f.to);
            if (to < 0) {
                reason = 'No unit of ' + r.output.category + ' is called ' + Q.quoted(f.to) + '.';
            } else {
                state.to = to;
            }
        }
        if (!reason && f.p !== undefined) {
            var places = Q.placesOf(f.p);
            if (places === null) {
                reason = 'The link\'s decimal places must be auto or a number from 0 to ' + Q.MAX_PLACES + '.';
            } else {
                state.places = places;
            }
        }
        if (!reason && f.comma !== undefined && f.comma !== '0' && f.comma !== '1') {
            reason = 'The link\'s comma must be 0 or 1.';
        }
        if (reason) {
            state = JSON.parse(saved);
            return reason;
        }
        state.comma = f.comma === '1';
        return '';
    }

    // ---- Controls ------------------------------------------------------------------------------------

    function wire() {
        el.relation.addEventListener('change', function () {
            chooseRelation(Number(el.relation.value));
            render();
        });
        el.to.addEventListener('change', function () {
            state.to = Number(el.to.value);
            render();
        });
        var placesControls = { fewer: el.fewer, more: el.more, auto: el.auto };
        el.fewer.addEventListener('click', function () {
            state.places = Q.stepPlaces(state.places, autoPlaces, -1);
            render();
            Q.keepPlacesFocus(placesControls, el.fewer);
        });
        el.more.addEventListener('click', function () {
            state.places = Q.stepPlaces(state.places, autoPlaces, 1);
            render();
            Q.keepPlacesFocus(placesControls, el.more);
        });
        el.auto.addEventListener('click', function () {
            state.places = 'auto';
            render();
            Q.keepPlacesFocus(placesControls, el.auto);
        });
        el.comma.addEventListener('change', function () {
            state.comma = el.comma.checked;
            Q.commaChanged();
            render();
        });
        // The number alone, as the converter and the command line give it.
        el.copy.addEventListener('click', function () {
            Q.copyText(shownNumber, el.copy, el.copyStatus);
        });
    }

    // ---- Rows of a CSV file ------------------------------------------------------------------------

    var fileRecords = [];
    var fileHeader = true;
    var columnSelects = [];

    // One column chooser per input of the relation: "the value above", or a column of the file.
    function fillFileColumns() {
        var box = Q.byId('fire-file-columns');
        var r = relation();
        var kept = columnSelects.map(function (select) {
            return select.value;
        });
        box.textContent = '';
        columnSelects = r.inputs.map(function (input, i) {
            var field = document.createElement('span');
            field.className = 'inline-field';
            var label = document.createElement('label');
            var select = document.createElement('select');
            select.id = 'fire-file-column-' + i;
            label.htmlFor = select.id;
            label.textContent = 'Column for ' + input.title;
            field.appendChild(label);
            field.appendChild(select);
            box.appendChild(field);
            if (kept[i] !== undefined && kept.length === r.inputs.length) {
                var option = document.createElement('option');
                option.value = kept[i];
                select.appendChild(option);
                select.value = kept[i];
            }
            Q.columns.fillColumns(select, fileRecords, fileHeader, 'The value above');
            return select;
        });
    }

    function startFileBox() {
        if (!Q.columns) {
            return;
        }
        Q.columns.FileBox('fire-file', {
            columns: function (records, header) {
                fileRecords = records;
                fileHeader = header;
                fillFileColumns();
            },
            job: function (options) {
                var r = relation();
                var inputs = r.inputs.map(function (input, i) {
                    var column = columnSelects[i] ? columnSelects[i].value : '';
                    var blank = !state.values[i].trim();
                    return {
                        value: state.values[i],
                        unit: state.units[i] >= 0 ? state.units[i] : null,
                        given: column !== '' || !(blank && input.fallback !== null),
                        column: column,
                    };
                });
                return { calc: [r.id, inputs, state.to, { header: options.header, delimiter: options.delimiter,
                    places: state.places, comma: state.comma, keepGoing: options.keepGoing,
                    details: Q.byId('fire-file-details').checked }] };
            },
            name: function (fileName) {
                var r = relation();
                var unit = r.output.units[state.to];
                return Q.columns.outputName(fileName, r.output.name + (unit ? ' ' + unit.symbol : ''));
            },
        }, engine);
    }

    function start(created) {
        engine = created;
        var ids = {
            relation: 'relation', about: 'relation-about', inputs: 'fire-inputs', to: 'fire-to', toLabel: 'fire-to-label',
            result: 'fire-result', resultLabel: 'fire-result-label', note: 'fire-result-note', chartClass: 'fire-class',
            warnings: 'fire-warnings', fewer: 'fire-fewer', places: 'fire-places', more: 'fire-more', auto: 'fire-auto',
            copy: 'fire-copy', copyStatus: 'fire-copy-status', formula: 'fire-formula', source: 'fire-source',
            range: 'fire-range', relationNote: 'fire-note', relationNoteLabel: 'fire-note-label',
            comma: 'fire-comma', announce: 'fire-announce',
        };
        Object.keys(ids).forEach(function (key) {
            el[key] = Q.byId(ids[key]);
        });
        engine.relations.forEach(function (each, i) {
            var option = document.createElement('option');
            option.value = String(i);
            option.textContent = each.title.charAt(0).toUpperCase() + each.title.slice(1);
            el.relation.appendChild(option);
        });
        announce = Q.announcer(el.announce);
        chooseRelation(0);
        state.comma = Q.decimalCommaByDefault();
        wire();
        startFileBox();
    }

    Q.addView('fire', {
        panel: 'fire-view',
        storeKey: 'quorlex.fire',
        start: start,
        open: open,
        render: render,
        // A value too long to calculate is not kept: the address and the storage keep the last state.
        fragment: function () {
            return state.values.some(Q.tooLong) ? null : fragment();
        },
        comma: function () {
            return state.comma;
        },
        setComma: function (on) {
            state.comma = on;
        },
    });
})();
