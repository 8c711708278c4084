// Reads an ipuz file with the npm package @xwordly/xword-parser and prints what it understood:
// node readipuz.mjs NPM_PREFIX FILE.ipuz
// Output (JSON): size ("WxH"), rows (the letters, "#" for a block, "." where it has none) and
// the clues of both directions as "number text".
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [prefix, file] = process.argv.slice(2);
const entry = join(prefix, 'node_modules/@xwordly/xword-parser/dist/index.mjs');
const { parse } = await import(pathToFileURL(entry).href);
const puzzle = parse(readFileSync(file, 'utf8'), { filename: file });
const clues = (list) => list.map((clue) => `${clue.number} ${clue.text}`);
console.log(JSON.stringify({
    size: `${puzzle.grid.width}x${puzzle.grid.height}`,
    rows: puzzle.grid.cells.map(
            (row) => row.map((cell) => (cell.isBlack ? '#' : cell.solution || '.')).join('')),
    across: clues(puzzle.clues.across),
    down: clues(puzzle.clues.down),
}));
