// The wasm core against the native hueset-cli: every case's standard
// output must be the same bytes, and its status and messages the same.
//   node tests/web/core-test.mjs SITE_FOLDER HUESET_CLI EXAMPLES_FOLDER
import { readFileSync, readdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { runNative, sameBytes } from './native.mjs';

const [site, cli, examples] = process.argv.slice(2);
const { loadCore } = await import(pathToFileURL(join(resolve(site), 'core.js')).href);
const core = await loadCore({ wasmBinary: readFileSync(join(site, 'hueset.wasm')) });

const cases = [];
const annotate = ['annotate', '--no-profile'];
for (const name of readdirSync(examples).filter((n) => n !== 'README.md').sort()) {
  const files = { [name]: readFileSync(join(examples, name)) };
  const add = (what, words, extra = {}) => cases.push({ what: `${name}: ${what}`, words, files: { ...files, ...extra } });
  add('RTF', [...annotate, name, '-t', 'rtf']);
  add('HTML', [...annotate, name, '-t', 'html']);
  add('HTML with a style sheet, threshold 600', [...annotate, name, '-t', 'html', '--option', 'styleMode=1', '--option', 'consensusThreshold=600']);
  add('RTF with residue numbers and a ruler', [...annotate, name, '-t', 'rtf', '--option', 'residueNumbers=1', '--option', 'ruler=1', '--option', 'rulerInterval=5']);
  add('black and white groupings', [...annotate, name, '-t', 'rtf', '-c', 'bw']);
  add('colour-blind safe HTML, conservation row', [...annotate, name, '-t', 'html', '-c', 'safe', '--conservation']);
  add('gzip-compressed', [...annotate, `${name}.gz`, '-t', 'html'], { [`${name}.gz`]: gzipSync(files[name]) });
  add('what the reader made of it', ['read', '--no-profile', name]);
  add('SVG', [...annotate, name, '-t', 'svg']);
  add('SVG with residue numbers, a ruler and a title', [...annotate, name, '-t', 'svg', '--option', 'residueNumbers=1', '--option', 'ruler=1', '--option', 'figureTitle=Globins & more']);
  add('SVG with a logo, the conservation bar and marks', [...annotate, name, '-t', 'svg', '--logo', '--conservation', '--mark', '10,20:star', '--mark', '30:K', '--frame', '12-18']);
  add('SVG 85 mm wide, the type fitted', [...annotate, name, '-t', 'svg', '--width', 'single']);
  add('SVG in 11 point type, B & W, structure as letters', [...annotate, name, '-t', 'svg', '-c', 'bw', '--option', 'figureFontSize=11', '--option', 'structureShapes=0']);
}
const example = readdirSync(examples).find((n) => n.endsWith('.aln'));
const exampleFiles = { [example]: readFileSync(join(examples, example)) };
cases.push(
  { what: 'the style sheet', words: [...annotate, '-t', 'css'], files: {} },
  { what: 'the colour configuration as text', words: ['config', 'dump', 'colour', '--as', 'cft'], files: {} },
  { what: 'the safe configuration as binary', words: ['config', 'dump', 'safe', '--as', 'cfb'], files: {} },
  { what: 'a threshold out of range is clamped with a warning', words: [...annotate, example, '-t', 'rtf', '--option', 'consensusThreshold=1200'], files: exampleFiles },
  { what: 'an unknown option is a usage error', words: [...annotate, example, '--option', 'nosuch=1'], files: exampleFiles },
  { what: 'a missing file', words: [...annotate, 'absent.aln', '-t', 'html'], files: {} },
  { what: 'a text that is no alignment', words: [...annotate, 'notes.txt', '-t', 'html'], files: { 'notes.txt': 'just some words\n' } },
  { what: 'a damaged gzip file', words: [...annotate, 'cut.aln.gz', '-t', 'html'], files: { 'cut.aln.gz': gzipSync(exampleFiles[example]).subarray(0, 200) } },
);
const config = runNative(cli, ['config', 'dump', 'bw', '--as', 'cft']).out;
cases.push({ what: 'an opened .cft configuration', words: [...annotate, example, '-t', 'html', '-c', 'mine.cft'], files: { ...exampleFiles, 'mine.cft': config } });

let failures = 0;
for (const c of cases) {
  const native = runNative(cli, c.words, c.files);
  const wasm = core.run(c.words, c.files);
  const problems = [];
  if (wasm.status !== native.status) problems.push(`status ${wasm.status}, native ${native.status}`);
  if (!sameBytes(wasm.out, native.out)) problems.push(`output differs (${wasm.out.length} bytes, native ${native.out.length})`);
  if (wasm.err !== native.err) problems.push(`messages differ:\n  wasm:   ${JSON.stringify(wasm.err)}\n  native: ${JSON.stringify(native.err)}`);
  if (process.env.HUESET_WEB_VERBOSE) console.log(`${c.what}: status ${wasm.status}, ${wasm.out.length} bytes, ${wasm.err.split("\n")[0]}`);
  if (problems.length) {
    failures += 1;
    console.log(`FAIL ${c.what}: ${problems.join('; ')}`);
  }
}
console.log(`core: ${cases.length - failures} of ${cases.length} cases the same as the native CLI`);
process.exit(failures ? 1 : 0);
