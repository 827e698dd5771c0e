// The fuel models view: a standard fuel model's parameters in English or metric units, each with its value
// in the other units of its kind, and a custom fuel model file (.FMD) opened, checked and downloaded in the
// other system. The engine holds the models, reads and checks the file and converts it, as
// quorlex-convert fuel-model and fmd do; the file never leaves the page.
(function () {
    'use strict';

    var Q = window.Quorlex;
    var engine = null;
    var el = {};
    var state = { model: 0, metric: false, comma: false };
    var tables = [null, null]; // the engine's standard models, English and metric, once asked for
    var file = null; // { name, bytes, read } of the file opened
    var asking = 0; // the number of the engine's last call for a file
    // A file holds at most 256 models that FARSITE reads; a larger one shows its first models and findings,
    // as many as a table lays out at once without holding up the page.
    var SHOWN = 1000;

    function standard(metric) {
        var index = metric ? 1 : 0;
        tables[index] = tables[index] || engine.fuelModels(metric);
        return tables[index];
    }

    function cell(row, tag, text, className) {
        var made = document.createElement(tag);
        made.textContent = text;
        if (className) {
            made.className = className;
        }
        row.appendChild(made);
        return made;
    }

    // A value in every unit of its kind but the one it is shown in (skip), as the converter's every-unit
    // list gives it.
    function otherUnits(field, value, skip) {
        if (field.category < 0) {
            return '';
        }
        var units = engine.categories[field.category].units;
        return engine.convertAll(field.category, field.unitIndex, value, 'auto', false, false).map(function (answer, i) {
            return answer.ok && i !== skip ? answer.result + '\u00a0' + units[i].symbol : '';
        }).filter(Boolean).join(' \u00b7 ');
    }

    // ---- A standard model ----------------------------------------------------------------------------

    function fillModels() {
        var groups = {};
        standard(false).models.forEach(function (model, i) {
            var group = groups[model.source];
            if (!group) {
                group = groups[model.source] = document.createElement('optgroup');
                group.label = model.source;
                el.model.appendChild(group);
            }
            var option = document.createElement('option');
            option.value = String(i);
            option.textContent = model.code + ' (' + model.number + '): ' + model.name;
            group.appendChild(option);
        });
    }

    function showModel() {
        var table = standard(state.metric);
        var model = table.models[state.model];
        el.model.value = String(state.model);
        el.system.value = state.metric ? 'metric' : 'english';
        el.about.textContent = model.code + ' (' + model.number + '), ' + model.name + ': ' +
            (model.dynamic ? 'dynamic' : 'static') + '. ' + model.source + '.';
        el.table.textContent = '';
        var head = el.table.createTHead().insertRow();
        ['Parameter', 'Value, and in other units'].forEach(function (text) {
            cell(head, 'th', text).scope = 'col';
        });
        var body = el.table.createTBody();
        // The other units come from the published English value, not from its metric text's digits.
        var english = standard(false);
        table.fields.forEach(function (field, i) {
            var row = body.insertRow();
            cell(row, 'th', field.label).scope = 'row';
            var value = cell(row, 'td', '');
            cell(value, 'strong', model.values[i] + '\u00a0' + field.unit);
            cell(value, 'span', otherUnits(english.fields[i], english.models[state.model].values[i], field.unitIndex), 'fuel-others');
        });
        el.sources.textContent = table.sources;
    }

    // ---- A custom fuel model file --------------------------------------------------------------------

    function showFileError(reason) {
        el.fileError.textContent = reason;
        el.fileError.hidden = !reason;
    }

    function plural(count, word) {
        return count + ' ' + word + (count === 1 ? '' : 's');
    }

    function showFile() {
        var read = file.read;
        var errorLines = {};
        read.findings.forEach(function (finding) {
            errorLines[finding.line] = errorLines[finding.line] || finding.error;
        });
        el.fileTable.textContent = '';
        var head = el.fileTable.createTHead().insertRow();
        ['Line', 'Number', 'Code', 'Type'].concat(read.fields.map(function (field) {
            return field.label + ' (' + field.unit + ')';
        }), ['Name']).forEach(function (text) {
            cell(head, 'th', text).scope = 'col';
        });
        var body = el.fileTable.createTBody();
        read.models.slice(0, SHOWN).forEach(function (model) {
            var row = body.insertRow();
            if (model.line in errorLines) {
                row.className = errorLines[model.line] ? 'fuel-error' : 'fuel-warning';
            }
            cell(row, 'th', String(model.line)).scope = 'row';
            [model.number, model.code, model.type].concat(model.values, [model.name]).forEach(function (text) {
                cell(row, 'td', text === null ? '' : text);
            });
        });
        el.findings.textContent = '';
        read.findings.slice(0, SHOWN).forEach(function (finding) {
            var item = cell(el.findings, 'li', 'Line ' + finding.line + ': ' + (finding.error ? '' : 'warning: ') + finding.message);
            item.className = finding.error ? '' : 'fuel-warning';
        });
        el.fileSummary.textContent = file.name + ': ' + read.summary + '.' +
            (read.models.length > SHOWN || read.findings.length > SHOWN
                ? ' The first ' + SHOWN.toLocaleString('en-US') + ' models and findings are shown.' : '');
        el.download.textContent = 'Download in ' + (read.system === 'METRIC' ? 'English' : 'metric') + ' units';
    }

    // The engine's answer to a call for the file, from the worker the CSV files use (or here where there
    // is none), so that a large file never holds up the page; null once a newer file was opened.
    function ask(name, args) {
        var asked = ++asking;
        return Q.columns.fileRunner().then(function (runner) {
            return runner.call(name, args);
        }).catch(function (error) {
            return { ok: false, reason: Q.failureReason(error), answer: { ok: false, reason: Q.failureReason(error) } };
        }).then(function (answer) {
            return asked === asking ? answer : null;
        });
    }

    function open(chosen) {
        if (!chosen) {
            return;
        }
        el.fileStatus.textContent = '';
        el.fileSummary.textContent = 'Checking ' + chosen.name + '\u2026';
        // A larger file is no fuel model file: its first bytes past the limit are enough for the engine
        // to say so, with the line it reached.
        chosen.slice(0, standard(false).mostBytes + 1).arrayBuffer().then(function (buffer) {
            var bytes = new Uint8Array(buffer);
            return ask('fmdRead', [bytes]).then(function (read) {
                if (!read) {
                    return;
                }
                file = read.ok ? { name: chosen.name, bytes: bytes, read: read } : null;
                el.filePanel.hidden = !file;
                el.fileSummary.textContent = '';
                showFileError(read.ok ? '' : chosen.name + (read.line ? ', line ' + read.line : '') + ': ' + read.reason);
                if (file) {
                    showFile();
                }
            });
        }, function (error) {
            showFileError('The file could not be read: ' + (error && error.message ? error.message : error));
        });
    }

    // The download's name: the input's with the system before its extension ("custom-metric.fmd").
    function convertedName(name, metric) {
        var dot = name.lastIndexOf('.');
        return (dot > 0 ? name.slice(0, dot) : name) + (metric ? '-metric' : '-english') + (dot > 0 ? name.slice(dot) : '.fmd');
    }

    function download() {
        if (!file || el.download.disabled) {
            return;
        }
        var metric = file.read.system !== 'METRIC';
        var name = convertedName(file.name, metric);
        var models = file.read.models.length;
        el.download.disabled = true;
        el.fileStatus.textContent = 'Converting\u2026';
        ask('fmdConvert', [file.bytes, metric, el.keepGoing.checked]).then(function (converted) {
            el.download.disabled = false;
            el.fileStatus.textContent = '';
            if (!converted) {
                return;
            }
            var answer = converted.answer;
            if (!answer.ok) {
                showFileError(answer.kind === 'errors'
                    ? 'Not converted: ' + answer.reason + '. Mend them, or turn on "Convert even with errors".'
                    : answer.reason);
                return;
            }
            showFileError('');
            Q.columns.saveBlob([converted.output], name, 'text/plain');
            el.fileStatus.textContent = plural(models, 'model') + ' converted into ' + name + '.';
        });
    }

    // ---- The view ------------------------------------------------------------------------------------

    function fragment() {
        return '#view=fuel&model=' + Q.escaped(standard(false).models[state.model].code) + (state.metric ? '&units=metric' : '');
    }

    function openLink(f) {
        var model = state.model;
        if (f.model !== undefined) {
            model = -1;
            standard(false).models.forEach(function (each, i) {
                if (Q.fold(each.code) === Q.fold(f.model) || String(each.number) === f.model) {
                    model = i;
                }
            });
            if (model < 0) {
                return 'No standard fuel model is called ' + Q.quoted(f.model) + '.';
            }
        }
        if (f.units !== undefined && f.units !== 'metric' && f.units !== 'english') {
            return 'Fuel model units are english or metric, not ' + Q.quoted(f.units) + '.';
        }
        state.model = model;
        state.metric = f.units === undefined ? state.metric : f.units === 'metric';
        return '';
    }

    function render() {
        try {
            showModel();
        } catch (error) {
            // The engine failed: no stale table, the reason instead; the next choice asks again.
            el.table.textContent = '';
            el.about.textContent = Q.failureReason(error);
        }
        Q.changed();
    }

    function start(created) {
        engine = created;
        ['model', 'system', 'about', 'table', 'sources', 'file-panel', 'file-summary', 'file-table', 'findings',
         'keep-going', 'download', 'file-status', 'file-error'].forEach(function (id) {
            el[id.replace(/-([a-z])/g, function (m, c) { return c.toUpperCase(); })] = Q.byId('fuel-' + id);
        });
        fillModels();
        el.model.addEventListener('change', function () {
            state.model = Number(el.model.value);
            render();
        });
        el.system.addEventListener('change', function () {
            state.metric = el.system.value === 'metric';
            render();
        });
        Q.columns.wireFileInput(Q.byId('fuel-file'), Q.byId('fuel-file-drop'), open);
        el.download.addEventListener('click', download);
    }

    Q.addView('fuel', {
        panel: 'fuel-view',
        storeKey: 'quorlex.fuel',
        start: start,
        open: openLink,
        render: render,
        fragment: fragment,
        // Fuel model files and the published tables write numbers with a period, and so does this view; it
        // keeps the other views' decimal comma as it is.
        comma: function () {
            return state.comma;
        },
        setComma: function (on) {
            state.comma = on;
        },
    });
})();
