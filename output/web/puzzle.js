/* Web puzzle: builds board, clue lists and buttons from the page's data, checks the solver's
   letters and keeps the progress in localStorage. */
(function () {
  "use strict";
  var data = JSON.parse(document.getElementById("raetseldaten").textContent);
  var main = document.getElementById("raetsel");
  var ACROSS = 0, DOWN = 1;
  // Cell flags of the data (bars are bits 1 to 4).
  var BLOCK = 1, NO_LETTER = 32;
  var DIRECTION = ["waagerecht", "senkrecht"];
  var HEADING = ["Waagerecht", "Senkrecht"];
  // Letters of Windows-1252 outside Latin-1.
  var HIGH = "\u0160\u0152\u017d\u0161\u0153\u017e\u0178\u0192";

  function make(tag, className, text) {
    var e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function button(text, action) {
    var b = make("button", "", text);
    b.type = "button";
    b.addEventListener("click", action);
    return b;
  }

  // Whether the board can hold c: printable Windows-1252 without the blank.
  function onBoard(c) {
    var code = c.charCodeAt(0);
    return c.length === 1 && ((code > 32 && code < 127) || (code > 160 && code < 256) ||
                              HIGH.indexOf(c) >= 0);
  }

  // c upper-cased as the board's code page does it; null when the board cannot hold it. ß and µ
  // stay: their upper case ("SS", Greek Mu) is not one letter of the board.
  function boardLetter(c) {
    if (!onBoard(c)) return null;
    var upper = c.toUpperCase();
    return onBoard(upper) ? upper : c;
  }

  // The solution letters, one per letter cell; null when the page carries none.
  function solutionLetters() {
    if (!data.solution) return null;
    var raw = atob(data.solution), bytes = new Uint8Array(raw.length), x = data.key >>> 0;
    for (var i = 0; i < raw.length; i++) {
      x = (x ^ (x << 13)) >>> 0;
      x = (x ^ (x >>> 17)) >>> 0;
      x = (x ^ (x << 5)) >>> 0;
      bytes[i] = raw.charCodeAt(i) ^ (x & 255);
    }
    return Array.from(new TextDecoder().decode(bytes));
  }

  // Cells: every field of the board; letter cells (with an input) also in "letters".
  var byPosition = {}, letters = [];
  var minCol = Infinity, minRow = Infinity, maxCol = 0, maxRow = 0;
  data.cells.forEach(function (c) {
    var cell = { col: c[0], row: c[1], flags: c[2], solutionNumber: c[3], words: [null, null] };
    byPosition[c[0] + "," + c[1]] = cell;
    minCol = Math.min(minCol, c[0]);
    maxCol = Math.max(maxCol, c[0]);
    minRow = Math.min(minRow, c[1]);
    maxRow = Math.max(maxRow, c[1]);
    if (!(c[2] & (BLOCK | NO_LETTER))) {
      cell.index = letters.length;
      cell.value = "";
      letters.push(cell);
    }
  });
  // The solution frame, within the fields (a damaged document may name any position).
  var frame = data.frame && [Math.max(data.frame[0], minCol), Math.max(data.frame[1], minRow),
                             Math.min(data.frame[2], maxCol), Math.min(data.frame[3], maxRow)];
  if (frame && (frame[0] > frame[2] || frame[1] > frame[3])) frame = null;
  var solution = solutionLetters();
  if (solution && solution.length !== letters.length) solution = null;

  function cellAt(col, row) {
    var cell = byPosition[col + "," + row];
    return cell && cell.index !== undefined ? cell : null;
  }

  // Words: each clue's run of letter cells from its number on; the numbers shown per field.
  var words = [], numbersAt = {};
  data.clues.forEach(function (c) {
    var at = c[1] + "," + c[2];
    if (!numbersAt[at]) numbersAt[at] = [];
    if (numbersAt[at].indexOf(c[0]) < 0) numbersAt[at].push(c[0]);
    var word = { number: c[0], direction: c[3] ? ACROSS : DOWN, text: c[4], cells: [] };
    for (var col = c[1], row = c[2], cell; (cell = cellAt(col, row));) {
      if (word.cells.indexOf(cell) >= 0) break;
      word.cells.push(cell);
      if (word.direction === ACROSS) col++;
      else row++;
    }
    word.cells.forEach(function (cell, i) {
      if (!cell.words[word.direction]) cell.words[word.direction] = { word: word, position: i };
    });
    words.push(word);
  });
  var tabOrder = [ACROSS, DOWN].reduce(function (list, direction) {
    return list.concat(words.filter(function (w) {
      return w.direction === direction && w.cells.length;
    }));
  }, []);

  // The page.
  var bar = make("div", "leiste");
  var clock = make("span", "uhr", "0:00");
  clock.setAttribute("role", "timer");
  clock.setAttribute("aria-label", "Zeit");
  var pause = button("Pause", function () {
    running = !running;
    pause.textContent = running ? "Pause" : "Weiter";
    pause.setAttribute("aria-pressed", String(!running));
    save();
  });
  pause.setAttribute("aria-pressed", "false");
  bar.append(make("span", "", "Zeit:"), clock, pause);

  var game = make("div", "spiel");
  var board = make("div", "brett");
  var current = make("p", "aktuell");
  current.id = "aktuell-hinweis";
  var area = make("div", "gitterbereich");
  area.setAttribute("role", "region");
  area.setAttribute("aria-label", "Rätselgitter");
  area.tabIndex = 0;
  var grid = make("div", "gitter");
  grid.style.setProperty("--spalten", maxCol - minCol + 1);
  grid.style.setProperty("--zeilen", maxRow - minRow + 1);
  area.append(grid);
  board.append(current, area);

  function place(e, col, row, endCol, endRow) {
    e.style.gridArea = (row - minRow + 1) + "/" + (col - minCol + 1) + "/" +
        (endRow - minRow + 2) + "/" + (endCol - minCol + 2);
  }

  data.cells.forEach(function (c) {
    var cell = byPosition[c[0] + "," + c[1]];
    var box = make("div", "z");
    ["block", "bl", "br", "bo", "bu"].forEach(function (name, bit) {
      if (cell.flags & (1 << bit)) box.classList.add(name);
    });
    place(box, cell.col, cell.row, cell.col, cell.row);
    var numbers = numbersAt[c[0] + "," + c[1]];
    if (numbers) {
      var number = make("span", "nr", numbers.join("/"));
      number.setAttribute("aria-hidden", "true");
      box.append(number);
    }
    if (cell.index !== undefined) {
      var input = make("input");
      input.type = "text";
      input.dataset.col = cell.col;
      input.dataset.row = cell.row;
      input.tabIndex = -1;
      var attributes = {autocomplete: "off", autocapitalize: "none", autocorrect: "off",
                        spellcheck: "false", "aria-describedby": current.id,
                        "aria-label": cellName(cell)};
      Object.keys(attributes).forEach(function (name) {
        input.setAttribute(name, attributes[name]);
      });
      cell.input = input;
      cell.box = box;
      box.append(input);
    }
    if (cell.solutionNumber > 0 && !(cell.flags & BLOCK)) {
      var circle = make("span", "ln", String(cell.solutionNumber));
      circle.setAttribute("aria-hidden", "true");
      box.append(circle);
    }
    grid.append(box);
  });
  if (frame) {
    var outline = make("div", "rahmen");
    place(outline, frame[0], frame[1], frame[2], frame[3]);
    grid.append(outline);
  }

  function cellName(cell) {
    var parts = [];
    cell.words.forEach(function (entry, direction) {
      if (entry) {
        parts.push(entry.word.number + " " + DIRECTION[direction] + ", Buchstabe " +
                   (entry.position + 1) + " von " + entry.word.cells.length);
      }
    });
    var name = parts.length ? parts.join("; ") : "Spalte " + cell.col + ", Zeile " + cell.row;
    return cell.solutionNumber > 0 ? name + ", Lösungsbuchstabe " + cell.solutionNumber : name;
  }

  // The solution word: numbered fields, else the fields inside the frame. A number above the
  // count of fields can name no letter of it. Each field shows its letter in one box at most.
  var solutionCells = [];
  letters.forEach(function (cell) {
    var n = cell.solutionNumber;
    if (n > 0 && n <= letters.length && !solutionCells[n - 1])
      solutionCells[n - 1] = cell;
  });
  if (!solutionCells.length && frame) {
    for (var col = frame[0]; col <= frame[2]; col++) {
      for (var row = frame[1]; row <= frame[3]; row++) {
        var inside = cellAt(col, row);
        if (inside) solutionCells.push(inside);
      }
    }
  }
  if (solutionCells.length) {
    var solutionRow = make("div", "loesung");
    for (var i = 0; i < solutionCells.length; i++) {
      var box = make("span");
      box.append(make("small", "", String(i + 1)), make("span"));
      if (solutionCells[i]) solutionCells[i].solutionBox = box.lastChild;
      solutionRow.append(box);
    }
    board.append(make("h2", "", "Lösungswort"), solutionRow);
  }

  var status = make("p", "status");
  status.setAttribute("role", "status");
  if (solution) {
    var buttons = make("div", "knoepfe");
    buttons.append(button("Wort prüfen", function () { check(currentWord()); }),
                   button("Alles prüfen", function () { check(letters); }),
                   button("Wort aufdecken", function () { reveal(currentWord()); }),
                   button("Alles aufdecken", function () { reveal(letters); }),
                   button("Zurücksetzen", reset));
    board.append(buttons);
  }
  board.append(status);

  var lists = make("div", "hinweise");
  [ACROSS, DOWN].forEach(function (direction) {
    var section = make("section");
    var list = make("ul");
    words.forEach(function (word) {
      if (word.direction !== direction) return;
      var item = make("li");
      item.append(make("b", "", String(word.number)), document.createTextNode(word.text));
      if (word.cells.length) {
        item.addEventListener("click", function () { go(word.cells[0], direction); });
      }
      word.item = item;
      list.append(item);
    });
    section.append(make("h2", "", HEADING[direction]), list);
    lists.append(section);
  });
  game.append(board, lists);
  main.append(bar, game);

  // Where the solver is.
  var cursor = tabOrder.length ? tabOrder[0].cells[0] : letters[0] || null;
  var direction = tabOrder.length ? tabOrder[0].direction : ACROSS;
  var marked = [], markedItem = null;

  function currentWord() {
    var entry = cursor && cursor.words[direction];
    return entry ? entry.word.cells : cursor ? [cursor] : [];
  }

  function show() {
    marked.forEach(function (cell) { cell.box.classList.remove("wort", "akt"); });
    if (markedItem) markedItem.classList.remove("akt");
    if (!cursor) return;
    var entry = cursor.words[direction];
    marked = currentWord();
    marked.forEach(function (cell) { cell.box.classList.add("wort"); });
    cursor.box.classList.add("akt");
    current.textContent = entry ? entry.word.number + " " + DIRECTION[direction] + ": " +
        entry.word.text : "";
    markedItem = entry ? entry.word.item : null;
    if (markedItem) markedItem.classList.add("akt");
  }

  // Moves the focus to cell, keeping direction where the cell has a word that way.
  function go(cell, towards) {
    if (!cell) return;
    if (cursor) cursor.input.tabIndex = -1;
    cursor = cell;
    if (!cell.words[towards] && cell.words[1 - towards]) towards = 1 - towards;
    direction = towards;
    cell.input.tabIndex = 0;
    if (document.activeElement !== cell.input) cell.input.focus();
    show();
  }

  function turn() {
    if (cursor && cursor.words[1 - direction]) go(cursor, 1 - direction);
  }

  // The cell step places along the current word, or the cell itself at its end.
  function along(cell, step) {
    var entry = cell.words[direction];
    if (!entry) return cell;
    return entry.word.cells[entry.position + step] || cell;
  }

  function nextCell(cell, dc, dr) {
    for (var col = cell.col + dc, row = cell.row + dr;
         col >= minCol && col <= maxCol && row >= minRow && row <= maxRow;
         col += dc, row += dr) {
      var found = cellAt(col, row);
      if (found) return found;
    }
    return null;
  }

  // Letters and progress.
  var seconds = 0, running = true, done = false;
  var storageKey = "gitterstern-" + data.key.toString(36);

  function set(cell, letter) {
    cell.input.value = cell.value = letter;
    cell.input.removeAttribute("aria-invalid");
    if (cell.solutionBox) cell.solutionBox.textContent = letter;
  }

  function complete() {
    return !!solution && letters.every(function (cell, i) { return cell.value === solution[i]; });
  }

  function changed() {
    save();
    var was = done;
    done = complete();
    if (done && !was) status.textContent = data.solved;
  }

  function check(cells) {
    var wrong = cells.filter(function (cell) {
      var right = cell.input.value === "" || cell.input.value === solution[cell.index];
      if (right) cell.input.removeAttribute("aria-invalid");
      else cell.input.setAttribute("aria-invalid", "true");
      return !right;
    }).length;
    status.textContent = wrong ? data.wrong + " Falsche Buchstaben: " + wrong + "."
                               : "Kein falscher Buchstabe.";
  }

  function reveal(cells) {
    cells.forEach(function (cell) { set(cell, solution[cell.index]); });
    changed();
    if (cells === letters) status.textContent = "Alle Buchstaben sind aufgedeckt.";
  }

  var armed = null;
  function reset() {
    if (!armed) {
      status.textContent = "Zum Löschen aller Eingaben noch einmal „Zurücksetzen“ drücken.";
      armed = setTimeout(function () { armed = null; }, 5000);
      return;
    }
    clearTimeout(armed);
    armed = null;
    letters.forEach(function (cell) { set(cell, ""); });
    seconds = 0;
    done = false;
    tick(0);
    try {
      localStorage.removeItem(storageKey);
    } catch (e) { /* storage unavailable: nothing was kept */ }
    status.textContent = "Alle Eingaben gelöscht.";
  }

  function save() {
    try {
      localStorage.setItem(storageKey, JSON.stringify({
        letters: letters.map(function (cell) { return cell.input.value; }),
        seconds: seconds,
      }));
    } catch (e) { /* storage unavailable or full: the page works without it */ }
  }

  function restore() {
    var kept = null;
    try {
      kept = JSON.parse(localStorage.getItem(storageKey));
    } catch (e) { /* storage unavailable or damaged: start empty */ }
    if (!kept || !Array.isArray(kept.letters) || kept.letters.length !== letters.length) return;
    letters.forEach(function (cell, i) {
      var letter = typeof kept.letters[i] === "string" ? boardLetter(kept.letters[i]) : null;
      set(cell, letter || "");
    });
    seconds = Math.max(0, Math.floor(Number(kept.seconds)) || 0);
    done = complete();
    if (done) status.textContent = data.solved;
  }

  function tick(step) {
    if (running && !done) seconds += step;
    var s = seconds % 60, m = Math.floor(seconds / 60) % 60, h = Math.floor(seconds / 3600);
    clock.textContent = (h ? h + ":" + (m < 10 ? "0" : "") : "") + m + ":" + (s < 10 ? "0" : "") + s;
    if (step && seconds % 15 === 0) save();
  }

  // Typing: letters come from the input event, so that phone keyboards, dead keys and input
  // methods all work; keys only move.
  function cellOf(target) {
    return target.dataset && target.dataset.col ?
        cellAt(Number(target.dataset.col), Number(target.dataset.row)) : null;
  }

  function typed(cell, text) {
    var letter = null;
    Array.from(text || "").forEach(function (c) { letter = boardLetter(c) || letter; });
    if (!letter) {
      cell.input.value = cell.value;
      return;
    }
    set(cell, letter);
    changed();
    go(along(cell, 1), direction);
  }

  // An input method's letter arrives while composing (phone keyboards compose whole words); a
  // dead key's mark alone is left until its letter follows.
  var composed = false;
  grid.addEventListener("input", function (e) {
    var cell = cellOf(e.target);
    if (!cell) return;
    if (e.isComposing) {
      var last = Array.from(e.data || "").pop() || "";
      if (last.toUpperCase() === last.toLowerCase()) return;
      composed = true;
    }
    if (e.inputType && e.inputType.indexOf("delete") === 0) {
      set(cell, "");
      changed();
      return;
    }
    typed(cell, e.data !== null && e.data !== undefined ? e.data : e.target.value);
  });
  grid.addEventListener("compositionend", function (e) {
    var cell = cellOf(e.target);
    if (cell && !composed) typed(cell, e.data);
    composed = false;
  });

  var ARROWS = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
  grid.addEventListener("keydown", function (e) {
    var cell = cellOf(e.target);
    if (!cell || e.altKey || e.ctrlKey || e.metaKey || e.isComposing) return;
    var arrow = ARROWS[e.key];
    if (arrow) {
      go(nextCell(cell, arrow[0], arrow[1]), arrow[0] ? ACROSS : DOWN);
    } else if (e.key === "Backspace") {
      var target = cell.input.value ? cell : along(cell, -1);
      set(target, "");
      changed();
      go(target === cell ? along(cell, -1) : target, direction);
    } else if (e.key === "Delete") {
      set(cell, "");
      changed();
    } else if (e.key === " ") {
      turn();
    } else if (e.key === "Tab") {
      var entry = cell.words[direction];
      var next = tabOrder[tabOrder.indexOf(entry && entry.word) + (e.shiftKey ? -1 : 1)];
      if (!entry || !next) return;
      go(next.cells[0], next.direction);
    } else {
      return;
    }
    e.preventDefault();
  });

  var again = false;
  grid.addEventListener("mousedown", function (e) {
    again = cellOf(e.target) === cursor && document.activeElement === e.target;
  });
  grid.addEventListener("click", function (e) {
    if (again && cellOf(e.target) === cursor) turn();
    again = false;
  });
  grid.addEventListener("focusin", function (e) {
    var cell = cellOf(e.target);
    if (cell && cell !== cursor) go(cell, direction);
    else if (cell) show();
  });

  restore();
  if (cursor) cursor.input.tabIndex = 0;
  show();
  tick(0);
  setInterval(function () { tick(1); }, 1000);
  window.addEventListener("pagehide", save);
})();
