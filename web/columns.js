// Many values and files, under the converter: a pasted column converted in one call to the engine, and a
// CSV file converted by the command line's own run, read in pieces and written as it goes. The converter's
// From and To units, places and decimal comma apply; the engine does every conversion and reads every byte.
(function () {
    'use strict';

    var Q = window.Quorlex;
    var engine = null;
    var choiceOf = null; // () -> the converter's { category, from, to, places, comma, tables }
    var el = {};
    var timings = { paste: 0, file: 0 };
    window.quorlexColumnTimings = timings;

    // ---- A pasted column ---------------------------------------------------------------------------

    var copied = ''; // what "Copy column" copies: the results one a line
    var lastKey = '';
    // A text box lays out every line it holds, which for a block of 100,000 values takes seconds: a large
    // paste is kept here whole, and the boxes show its first lines and theirs.
    var SHOWN_LINES = 1000;
    var block = null;

    // The first `count` lines of a text, and how many lines it has.
    function firstLines(text, count) {
        var end = -1;
        var lines = 0;
        while (lines < count) {
            end = text.indexOf('\n', end + 1);
            if (end < 0) {
                return { text: text, more: false };
            }
            lines += 1;
        }
        return { text: text.slice(0, end), more: end + 1 < text.length };
    }

    function pastedColumn() {
        return el.manyColumnField.hidden ? 0 : Number(el.manyColumn.value) || 1;
    }

    // The column chooser of a tab-separated block: its columns by number, or by the header's names.
    function offerColumns(count, text) {
        if (count <= 1) {
            el.manyColumnField.hidden = true;
            return;
        }
        var chosen = Number(el.manyColumn.value) || 1;
        var names = el.manyHeader.checked ? text.split('\n', 1)[0].replace(/\r$/, '').split('\t') : [];
        el.manyColumn.textContent = '';
        for (var i = 1; i <= count; ++i) {
            var option = document.createElement('option');
            option.value = String(i);
            option.textContent = names[i - 1] ? i + ': ' + names[i - 1] : 'Column ' + i;
            el.manyColumn.appendChild(option);
        }
        el.manyColumn.value = String(Math.min(chosen, count));
        el.manyColumnField.hidden = false;
    }

    function convertPasted(force) {
        var text = block !== null ? block : el.many.value;
        var choice = choiceOf();
        var key = [choice.category, choice.from, choice.to, choice.places, choice.comma, choice.tables,
            el.manyHeader.checked, pastedColumn()].join('|');
        if (!force && key === lastKey) {
            return;
        }
        lastKey = key;
        if (!text) {
            el.manyOut.value = '';
            el.manyStatus.textContent = '';
            el.manyCopy.disabled = true;
            el.manyColumnField.hidden = true;
            copied = '';
            return;
        }
        var start = performance.now();
        var answer;
        try {
            answer = engine.convertLines(choice.category, choice.from, choice.to, text, pastedColumn(),
                el.manyHeader.checked, choice.places, choice.comma, choice.tables);
        } catch (error) {
            answer = { ok: false, reason: Q.failureReason(error) };
        }
        if (answer.ok === false) {
            el.manyOut.value = '';
            el.manyStatus.textContent = answer.reason;
            el.manyCopy.disabled = true;
            copied = '';
            return;
        }
        var columnsBefore = el.manyColumnField.hidden ? 1 : el.manyColumn.options.length;
        offerColumns(answer.columns, text);
        if (columnsBefore <= 1 && answer.columns > 1) {
            // A block of several columns: convert its first column rather than whole lines.
            convertPasted(true);
            return;
        }
        var shown = firstLines(answer.shown, SHOWN_LINES);
        el.manyOut.value = shown.text;
        copied = answer.copy;
        el.manyCopy.disabled = !copied;
        var count = answer.lines.toLocaleString('en-US');
        el.manyStatus.textContent = count + (answer.lines === 1 ? ' line' : ' lines') +
            (answer.refused ? ', ' + answer.refused.toLocaleString('en-US') + ' refused (marked \u2716 with the reason)' : ', all converted') +
            (shown.more ? '; the first ' + SHOWN_LINES.toLocaleString('en-US') + ' are shown, and Copy column copies all ' + count : '') + '.';
        timings.paste = performance.now() - start;
    }

    // ---- A CSV file ---------------------------------------------------------------------------------

    // The delimiter of a file's first line: the most frequent of comma, semicolon and tab (comma on a tie).
    function guessDelimiter(bytes) {
        var counts = { ',': 0, ';': 0, '\t': 0 };
        for (var i = 0; i < bytes.length && bytes[i] !== 10; ++i) {
            var c = String.fromCharCode(bytes[i]);
            if (c in counts) {
                counts[c] += 1;
            }
        }
        return counts[';'] > counts[','] && counts[';'] >= counts['\t'] ? ';' : counts['\t'] > counts[','] ? '\t' : ',';
    }

    // The download's name: the input's, with the unit before its extension ("plots [Mg per ha].csv").
    function outputName(name, symbol) {
        var dot = name.lastIndexOf('.');
        var base = dot > 0 ? name.slice(0, dot) : name;
        var extension = dot > 0 ? name.slice(dot) : '.csv';
        var unit = symbol.replace(/\//g, ' per ').replace(/[\\:*?"<>|]/g, '_');
        return base + ' [' + unit + ']' + extension;
    }

    function saveBlob(parts, name, type) {
        var url = URL.createObjectURL(new Blob(parts, { type: type || 'text/csv' }));
        var link = document.createElement('a');
        link.href = url;
        link.download = name;
        document.body.appendChild(link);
        link.click();
        document.body.removeChild(link);
        setTimeout(function () {
            URL.revokeObjectURL(url);
        }, 60000);
    }

    // ---- Where a file's pieces are converted ---------------------------------------------------------

    // What a worker runs: the engine's module and engine.js as the page holds them, and this, which starts
    // the engine and answers the page's begin and feed messages in order.
    var WORKER_MAIN = [
        'var started = null;',
        'self.onmessage = function (event) {',
        '    var m = event.data;',
        '    if (m.type === "start") {',
        '        started = self.createEngine(self.QuorlexEngine, m.wasm ? { locateFile: function () { return m.wasm; } } : {});',
        '        started.then(function () { postMessage({ type: "ready" }); }, function (e) { postMessage({ type: "failed", reason: String(e && e.message || e) }); });',
        '        return;',
        '    }',
        '    started.then(function (engine) {',
        '        try {',
        '            if (m.type === "begin") {',
        '                postMessage({ type: "answer", answer: m.calc ? engine.tableCalcBegin.apply(null, m.calc) : engine.tableBegin(m.choice) });',
        '            } else if (m.type === "call") {',
        '                var got = engine[m.name].apply(null, m.args);',
        '                postMessage({ type: "answer", answer: got }, got.output ? [got.output.buffer] : []);',
        '            } else {',
        '                var fed = engine.tableFeed(new Uint8Array(m.bytes), m.final);',
        '                postMessage({ type: "answer", answer: fed.answer, output: fed.output }, [fed.output.buffer]);',
        '            }',
        '        } catch (e) {',
        '            postMessage({ type: "failed", reason: String(e && e.message || e) });',
        '        }',
        '    });',
        '};',
    ].join('\n');

    var worker = null; // a worker that converts files, once one has started; false where none can
    var waiting = null; // the page's call the worker is answering: { resolve, reject }
    var asked = Promise.resolve(); // the last call put to the worker: each waits for the one before

    function scriptText(name) {
        var script = document.querySelector('script[data-name="' + name + '"]');
        return script ? script.textContent : '';
    }

    // The worker, started on first use from the page's own scripts; null where the browser refuses one
    // (the page then converts on its own thread, giving itself a turn every 50 ms).
    function fileWorker() {
        if (worker !== null) {
            return Promise.resolve(worker || null);
        }
        var module = scriptText('quorlex-engine.js');
        var wrapper = scriptText('engine.js');
        if (!module || !wrapper || typeof Worker === 'undefined') {
            worker = false;
            return Promise.resolve(null);
        }
        return new Promise(function (resolve) {
            var started;
            try {
                var url = URL.createObjectURL(new Blob([module, '\n', wrapper, '\n', WORKER_MAIN], { type: 'text/javascript' }));
                started = new Worker(url);
                URL.revokeObjectURL(url);
            } catch (error) {
                worker = false;
                resolve(null);
                return;
            }
            started.onerror = function (event) {
                event.preventDefault();
                if (waiting) {
                    waiting.reject(new Error('the converter\'s worker failed'));
                    waiting = null;
                } else {
                    worker = false;
                    resolve(null);
                }
            };
            started.onmessage = function (event) {
                var m = event.data;
                if (m.type === 'ready') {
                    worker = started;
                    resolve(started);
                } else if (m.type === 'failed' && !worker) {
                    worker = false;
                    resolve(null);
                } else if (waiting) {
                    var call = waiting;
                    waiting = null;
                    if (m.type === 'failed') {
                        call.reject(new Error(m.reason));
                    } else {
                        call.resolve({ answer: m.answer, output: m.output });
                    }
                }
            };
            var wasm = self.QUORLEX_SINGLE_FILE ? '' : new URL('quorlex-engine.wasm', location.href).href;
            started.postMessage({ type: 'start', wasm: wasm });
        });
    }

    // Converts a file's pieces: in the worker, or here where there is none. begin(job) with
    // { choice } (a column) or { calc } (a calculation's arguments); feed(bytes, final); call(name, args)
    // for any other call of the engine.
    function fileRunner() {
        return fileWorker().then(function (running) {
            if (!running) {
                return {
                    begin: function (job) {
                        return Promise.resolve(job.calc ? engine.tableCalcBegin.apply(null, job.calc) : engine.tableBegin(job.choice));
                    },
                    feed: function (bytes, final) {
                        return Promise.resolve(engine.tableFeed(bytes, final));
                    },
                    call: function (name, args) {
                        return Promise.resolve(engine[name].apply(null, args));
                    },
                    here: true,
                };
            }
            // One call at a time: a fuel model file's may come between a CSV file's pieces.
            var ask = function (message, transfer) {
                var call = asked.then(function () {
                    return new Promise(function (resolve, reject) {
                        waiting = { resolve: resolve, reject: reject };
                        running.postMessage(message, transfer || []);
                    });
                });
                asked = call.catch(function () {});
                return call;
            };
            return {
                begin: function (job) {
                    return ask({ type: 'begin', choice: job.choice, calc: job.calc }).then(function (got) {
                        return got.answer;
                    });
                },
                feed: function (bytes, final) {
                    var copy = bytes.slice();
                    return ask({ type: 'feed', bytes: copy.buffer, final: final }, [copy.buffer]);
                },
                // Any other call of the engine's (a fuel model file's), its answer as the engine gives it.
                call: function (name, args) {
                    return ask({ type: 'call', name: name, args: args }).then(function (got) {
                        return got.answer;
                    });
                },
                here: false,
            };
        });
    }

    // A file chosen with the picker, or dropped on its box, goes to open(file).
    function wireFileInput(input, drop, open) {
        input.addEventListener('change', function () {
            open(input.files[0]);
        });
        drop.addEventListener('dragover', function (event) {
            event.preventDefault();
            drop.classList.add('dropping');
        });
        drop.addEventListener('dragleave', function () {
            drop.classList.remove('dropping');
        });
        drop.addEventListener('drop', function (event) {
            event.preventDefault();
            drop.classList.remove('dropping');
            open(event.dataTransfer.files[0]);
        });
    }

    // A box that opens a CSV file (picker or drop), shows its first rows, and runs it through the engine in
    // pieces as the browser reads it, writing the output through a save picker or into a download. Its
    // elements' ids start with prefix; how: { columns(records, header) builds the column choices,
    // job({ header, delimiter, keepGoing }) says what the run is (see fileRunner), name(fileName) the
    // output's name }.
    function FileBox(prefix, how) {
        var box = {};
        ['', '-drop', '-panel', '-preview', '-delimiter', '-header', '-keep-going', '-download', '-cancel',
         '-progress', '-status', '-error', '-refusals'].forEach(function (suffix) {
            box[suffix.slice(1).replace(/-([a-z])/g, function (m, c) { return c.toUpperCase(); }) || 'input'] = Q.byId(prefix + suffix);
        });
        var file = null;
        var head = null; // the file's first bytes
        var running = null; // { cancelled } while the file is being converted

        function showError(reason) {
            box.error.textContent = reason || '';
            box.error.hidden = !reason;
        }

        function showPreview() {
            var preview = engine.tablePreview(head, box.delimiter.value, 6);
            var records = preview.records;
            box.preview.textContent = '';
            records.forEach(function (fields, index) {
                var row = box.preview.insertRow();
                fields.forEach(function (field) {
                    var cell = document.createElement(index === 0 && box.header.checked ? 'th' : 'td');
                    cell.textContent = field.length > 40 ? field.slice(0, 39) + '\u2026' : field;
                    row.appendChild(cell);
                });
            });
            how.columns(records, box.header.checked);
            box.download.disabled = records.length === 0;
            showError(preview.fault || (records.length === 0 ? 'The file holds no row to convert.' : ''));
        }

        function open(chosen) {
            if (!chosen || running) {
                return;
            }
            file = chosen;
            box.status.textContent = '';
            box.refusals.textContent = '';
            file.slice(0, 65536).arrayBuffer().then(function (buffer) {
                head = new Uint8Array(buffer);
                box.delimiter.value = guessDelimiter(head);
                box.panel.hidden = false;
                showPreview();
                box.status.textContent = file.name + ', ' + file.size.toLocaleString('en-US') + ' bytes';
            }, function (error) {
                showError('The file could not be read: ' + (error && error.message ? error.message : error));
            });
        }

        function listRefusals(messages) {
            messages.forEach(function (message) {
                var item = document.createElement('li');
                item.textContent = message;
                box.refusals.appendChild(item);
            });
        }

        function finish(status) {
            running = null;
            box.cancel.hidden = true;
            box.progress.hidden = true;
            box.download.disabled = false;
            box.status.textContent = status;
        }

        async function convert() {
            if (!file || running) {
                return;
            }
            showError('');
            box.refusals.textContent = '';
            var name = how.name(file.name);
            var runner = await fileRunner();
            timings.worker = !runner.here;
            var begun;
            try {
                begun = await runner.begin(how.job({ header: box.header.checked, delimiter: box.delimiter.value, keepGoing: box.keepGoing.checked }));
            } catch (error) {
                begun = { ok: false, reason: Q.failureReason(error) };
            }
            if (!begun.ok) {
                showError(begun.reason);
                return;
            }
            // Where the browser lets the page write a file the person picks, the output goes there piece by
            // piece; elsewhere it collects in memory and is saved as a download.
            var writer = null;
            if (window.showSaveFilePicker) {
                try {
                    var handle = await window.showSaveFilePicker({ suggestedName: name });
                    writer = await handle.createWritable();
                } catch (error) {
                    if (error && error.name === 'AbortError') {
                        return;
                    }
                    writer = null;
                }
            }
            var run = { cancelled: false };
            running = run;
            box.download.disabled = true;
            box.cancel.hidden = false;
            box.progress.hidden = false;
            box.progress.value = 0;
            var start = performance.now();
            var parts = [];
            var read = 0;
            var rows = 0;
            var refused = 0;
            var reader = file.stream().getReader();
            var yielded = performance.now();
            var stop = async function (reason, status) {
                reader.cancel();
                if (writer) {
                    await writer.abort().catch(function () {});
                }
                showError(reason);
                finish(status);
            };
            try {
                for (;;) {
                    var next = await reader.read();
                    // Converting here, with a file's pieces all at hand: every 50 ms the page gets a turn to draw
                    // the progress and to take a click on Cancel.
                    if (runner.here && performance.now() - yielded > 50) {
                        await new Promise(function (resolve) {
                            setTimeout(resolve, 0);
                        });
                        yielded = performance.now();
                    }
                    if (run.cancelled) {
                        await stop('', 'Cancelled: nothing was saved.');
                        return;
                    }
                    var bytes = next.done ? new Uint8Array(0) : next.value;
                    read += bytes.length;
                    var fed = await runner.feed(bytes, next.done);
                    if (!fed.answer.ok) {
                        await stop(fed.answer.reason, 'Stopped: nothing was saved.');
                        return;
                    }
                    listRefusals(fed.answer.refusals);
                    rows = fed.answer.rows;
                    refused = fed.answer.refused;
                    if (fed.output.length) {
                        if (writer) {
                            await writer.write(fed.output);
                        } else {
                            parts.push(fed.output);
                        }
                    }
                    box.progress.value = file.size ? read / file.size : 1;
                    if (next.done) {
                        break;
                    }
                }
            } catch (error) {
                await stop(Q.failureReason(error), 'Stopped: nothing was saved.');
                return;
            }
            if (writer) {
                await writer.close();
            } else {
                saveBlob(parts, name);
            }
            timings.file = performance.now() - start;
            finish(rows.toLocaleString('en-US') + (rows === 1 ? ' row' : ' rows') + ' converted into ' + name +
                (refused ? '; ' + refused.toLocaleString('en-US') + ' refused, each with an empty result' : '') + '.');
        }

        wireFileInput(box.input, box.drop, open);
        box.delimiter.addEventListener('change', showPreview);
        box.header.addEventListener('change', showPreview);
        box.download.addEventListener('click', convert);
        box.cancel.addEventListener('click', function () {
            if (running) {
                running.cancelled = true;
            }
        });
        return { refresh: function () {
            if (head) {
                showPreview();
            }
        } };
    }

    // The options of a column chooser: the header's names, or positions without a header. Keeps the
    // chosen column where it still exists; otherwise picks the first whose second row reads as a number.
    function fillColumns(select, records, header, none) {
        var chosen = select.value;
        var columns = records.length ? records[0].length : 0;
        select.textContent = '';
        if (none) {
            var option = document.createElement('option');
            option.value = '';
            option.textContent = none;
            select.appendChild(option);
        }
        for (var i = 1; i <= columns; ++i) {
            var each = document.createElement('option');
            each.value = String(i);
            var name = header ? records[0][i - 1] : '';
            each.textContent = name ? i + ': ' + name : 'Column ' + i;
            select.appendChild(each);
        }
        if (chosen !== '' && Number(chosen) <= columns) {
            select.value = chosen;
        } else if (!none && columns > 1 && header) {
            for (var j = 0; j < columns; ++j) {
                if (records[1] && engine.isNumberStart(records[1][j], false) && /\d/.test(records[1][j])) {
                    select.value = String(j + 1);
                    break;
                }
            }
        }
    }

    // ---- Wiring ------------------------------------------------------------------------------------

    function start(created, choice) {
        engine = created;
        choiceOf = choice;
        ['many', 'many-out', 'many-header', 'many-column', 'many-column-field', 'many-copy', 'many-status'].forEach(function (id) {
            el[id.replace(/-([a-z])/g, function (m, c) { return c.toUpperCase(); })] = Q.byId(id);
        });
        el.many.addEventListener('paste', function (event) {
            var text = event.clipboardData && event.clipboardData.getData('text/plain');
            var first = text ? firstLines(text, SHOWN_LINES) : null;
            if (!first || !first.more) {
                return; // the box takes it as it is
            }
            // A large block replaces the box's text: kept whole, its first lines shown.
            event.preventDefault();
            block = text;
            el.many.value = first.text;
            convertPasted(true);
        });
        el.many.addEventListener('input', function () {
            // An edit of the box: its own text counts again.
            block = null;
            convertPasted(true);
        });
        el.manyHeader.addEventListener('change', function () {
            convertPasted(true);
        });
        el.manyColumn.addEventListener('change', function () {
            convertPasted(true);
        });
        el.manyCopy.addEventListener('click', function () {
            var lines = copied.split('\n').length;
            Q.copyText(copied, el.manyCopy, el.manyStatus, 'Copied ' + lines + (lines === 1 ? ' line' : ' lines'));
        });
        var fileColumn = Q.byId('file-column');
        FileBox('file', {
            columns: function (records, header) {
                fillColumns(fileColumn, records, header, null);
            },
            job: function (options) {
                var choice = choiceOf();
                return { choice: { category: choice.category, from: choice.from, to: choice.to,
                    column: fileColumn.value, header: options.header, delimiter: options.delimiter, replace: false,
                    places: choice.places, comma: choice.comma, tables: choice.tables, keepGoing: options.keepGoing } };
            },
            name: function (fileName) {
                var choice = choiceOf();
                return outputName(fileName, engine.categories[choice.category].units[choice.to].symbol);
            },
        });
    }

    Q.columns = {
        start: start,
        FileBox: function (prefix, how, created) {
            engine = engine || created;
            return FileBox(prefix, how);
        },
        fillColumns: function (select, records, header, none) {
            fillColumns(select, records, header, none);
        },
        outputName: outputName,
        saveBlob: saveBlob,
        fileRunner: fileRunner,
        wireFileInput: wireFileInput,
        // The converter's units, places or comma may have changed: convert the pasted column again.
        refresh: function () {
            if (engine) {
                convertPasted(false);
            }
        },
    };
})();
