// The page: the alignment, the groupings and the options go to the wasm core
// (in a worker) as a hueset-cli command line; its HTML is the preview and its
// outputs are the downloads. Nothing leaves the page.
import { buildOptionsForm, defaultValue, optionWords, syncOptionsForm } from './options-form.js';
import { printSvg, svgToPng } from './figure.js';

const $ = (id) => document.getElementById(id);
const decoder = new TextDecoder();
const encoder = new TextEncoder();
const typingPause = 300;  // ms, as the desktop program's preview waits
const quickNames = ['consensusThreshold', 'residueNumbers', 'ruler'];
const storageKey = 'hueset.web.options';
const largestPreview = 24 * 1048576;  // bytes of HTML the preview shows

// --- the worker ----------------------------------------------------------
const worker = new Worker(new URL('./worker.js', import.meta.url), { type: 'module' });
const pending = new Map();
let nextId = 0;
worker.onmessage = ({ data }) => {
  const { resolve, reject } = pending.get(data.id);
  pending.delete(data.id);
  if (data.error) reject(new Error(data.error));
  else resolve(data.result);
};
function call(op, ...args) {
  return new Promise((resolve, reject) => {
    const id = nextId++;
    pending.set(id, { resolve, reject });
    worker.postMessage({ id, op, args });
  });
}

// --- state ---------------------------------------------------------------
const state = {
  table: [],
  kinds: [],
  values: {},
  inputName: 'pasted',
  inputBytes: new Uint8Array(),
  configuration: { builtin: 'colour' },  // or { name, bytes } for an opened file
  previewHtml: '',
  runs: 0,
};

function loadStoredValues() {
  try {
    return JSON.parse(localStorage.getItem(storageKey) ?? '{}');
  } catch {
    return {};
  }
}
function storeValues() {
  try {
    localStorage.setItem(storageKey, JSON.stringify(state.values));
  } catch { /* private browsing: not remembered */ }
}

// The command line for `kind` over the current input, groupings and options,
// with the files it reads.
function annotateCall(kind) {
  const files = { [state.inputName]: state.inputBytes };
  let config = state.configuration.builtin;
  if (!config) {
    config = state.configuration.name;
    files[config] = state.configuration.bytes;
  }
  const words = ['annotate', state.inputName, '--no-profile', '-t', kind, '-c', config,
    ...optionWords(state.table, state.values)];
  if (kind === 'css') words.splice(1, 1);  // the style sheet needs no alignment
  return [words, files];
}

function baseName() {
  return state.inputName === 'pasted' ? 'alignment' : state.inputName.replace(/(\.gz)?$/i, '').replace(/\.[^.]*$/, '');
}

function showMessages(text) {
  $('messages').textContent = text.trim();
}

// --- the preview ---------------------------------------------------------
let previewTimer = 0;
let previewSerial = 0;
function schedulePreview() {
  clearTimeout(previewTimer);
  previewTimer = setTimeout(updatePreview, typingPause);
}
async function updatePreview() {
  const serial = ++previewSerial;
  if (state.inputBytes.length === 0) {
    state.previewHtml = '';
    $('preview').srcdoc = '';
    showMessages('');
    setState('ready');
    return;
  }
  setState('busy');
  const result = await call('run', ...annotateCall('html'));
  if (serial !== previewSerial) return;  // a newer edit is on its way
  showMessages(result.err);
  if (result.status === 0 && result.out.length > largestPreview) {
    state.previewHtml = '';
    $('preview').srcdoc = `<p style="font: 14px sans-serif">The preview would be ${(result.out.length / 1048576).toFixed(0)} MB of HTML, ` +
      'more than a browser shows well: download the figure instead, or show fewer columns (Figure Rows, Columns).</p>';
  } else if (result.status === 0) {
    state.previewHtml = decoder.decode(result.out);
    $('preview').srcdoc = state.previewHtml;
  }
  state.runs += 1;
  document.body.dataset.runs = String(state.runs);
  setState(result.status === 0 ? 'ready' : 'failed');
}
function setState(name) {
  document.body.dataset.state = name;
}

// --- the input -----------------------------------------------------------
function setInput(name, bytes) {
  state.inputName = name;
  state.inputBytes = bytes;
  $('input-name').textContent = name === 'pasted' ? '' : name;
  const gzip = bytes.length > 1 && bytes[0] === 0x1f && bytes[1] === 0x8b;
  $('alignment').value = gzip ? '' : decoder.decode(bytes);
  $('alignment').placeholder = gzip
    ? `${name}: gzip-compressed, ${bytes.length} bytes (type or paste here to replace it)`
    : $('alignment').dataset.placeholder;
  schedulePreview();
}
async function openFile(file) {
  setInput(file.name.replace(/[/\\]/g, '_') || 'pasted', new Uint8Array(await file.arrayBuffer()));
}

function wireInput() {
  const area = $('alignment');
  area.dataset.placeholder = area.placeholder;
  area.addEventListener('input', () => {
    state.inputBytes = encoder.encode(area.value);
    schedulePreview();
  });
  $('open-alignment').addEventListener('change', (e) => {
    if (e.target.files[0]) openFile(e.target.files[0]);
    e.target.value = '';
  });
  // A file dropped anywhere on the page is opened as the alignment.
  document.addEventListener('dragover', (e) => {
    e.preventDefault();
    area.classList.add('dropping');
  });
  document.addEventListener('dragleave', (e) => {
    if (e.relatedTarget === null) area.classList.remove('dropping');
  });
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    area.classList.remove('dropping');
    if (e.dataTransfer.files[0]) openFile(e.dataTransfer.files[0]);
  });
}

// --- groupings -----------------------------------------------------------
function wireConfigurations(configurations) {
  const choice = $('configuration-choice');
  for (const c of configurations) choice.add(new Option(c.title, c.name));
  let opened = null;  // the configuration file opened last, kept while a built-in one is chosen
  choice.addEventListener('change', () => {
    state.configuration = choice.selectedOptions[0].dataset.file ? opened : { builtin: choice.value };
    schedulePreview();
  });
  $('open-configuration').addEventListener('change', async (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (!file) return;
    const name = file.name.replace(/[/\\]/g, '_');
    const bytes = new Uint8Array(await file.arrayBuffer());
    const check = await call('configuration', name, bytes, false);
    if (check.status !== 0) {
      showMessages(`${name}: ${check.err}`);
      return;
    }
    choice.querySelector('option[data-file]')?.remove();
    const option = new Option(name, `file:${name}`, true, true);
    option.dataset.file = '1';
    choice.add(option);
    opened = { name, bytes };
    state.configuration = opened;
    schedulePreview();
  });
  for (const [id, binary] of [['save-cft', false], ['save-cfb', true]]) {
    $(id).addEventListener('click', async () => {
      const c = state.configuration;
      const result = c.builtin
        ? await call('run', ['config', 'dump', c.builtin, '--as', binary ? 'cfb' : 'cft'])
        : await call('configuration', c.name, c.bytes, binary);
      if (result.status !== 0) return showMessages(result.err);
      const base = c.builtin ? c.builtin : c.name.replace(/\.[^.]*$/, '');
      download(result.out, `${base}.${binary ? 'cfb' : 'cft'}`, 'application/octet-stream');
    });
  }
}

// --- outputs -------------------------------------------------------------
const mimeTypes = { rtf: 'text/rtf', html: 'text/html', css: 'text/css', svg: 'image/svg+xml', png: 'image/png' };

function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function output(kind) {
  const result = await call('run', ...annotateCall(kind));
  showMessages(result.err);
  return result.status === 0 ? result.out : null;
}

function pngResolution() {
  const option = state.table.find((o) => o.name === 'pngResolution');
  return Number(state.values.pngResolution ?? defaultValue(option));
}

function wireOutputs() {
  const svgAvailable = state.kinds.find((k) => k.name === 'svg')?.available;
  for (const button of document.querySelectorAll('[data-download]')) {
    const kind = button.dataset.download;
    const figure = kind === 'svg' || kind === 'png';
    if (figure && !svgAvailable) {
      button.disabled = true;
      button.title = 'SVG is not in this build of the page';
      continue;
    }
    button.addEventListener('click', async () => {
      const bytes = await output(figure ? 'svg' : kind);
      if (!bytes) return;
      const name = `${baseName()}.${kind}`;
      if (kind !== 'png') return download(bytes, name, mimeTypes[kind]);
      try {
        download(await svgToPng(decoder.decode(bytes), pngResolution()), name, mimeTypes.png);
      } catch (error) {
        showMessages(error.message);
      }
    });
  }
  $('print-pdf').disabled = !svgAvailable;
  $('print-pdf').addEventListener('click', async () => {
    const bytes = await output('svg');
    if (bytes) printSvg(decoder.decode(bytes));
  });
  $('copy-html').addEventListener('click', async () => {
    if (!state.previewHtml) return;
    const text = $('preview').contentDocument.body.innerText;
    await navigator.clipboard.write([new ClipboardItem({
      'text/html': new Blob([state.previewHtml], { type: 'text/html' }),
      'text/plain': new Blob([text], { type: 'text/plain' }),
    })]);
  });
  $('copy-text').addEventListener('click', async () => {
    if (state.previewHtml) await navigator.clipboard.writeText($('preview').contentDocument.body.innerText);
  });
}

// --- start ---------------------------------------------------------------
async function start() {
  const description = await call('describe');
  state.table = description.options;
  state.kinds = description.kinds;
  const stored = loadStoredValues();
  for (const option of state.table) {
    state.values[option.name] = typeof stored[option.name] === 'string' ? stored[option.name] : defaultValue(option);
  }
  const changed = () => {
    storeValues();
    schedulePreview();
  };
  buildOptionsForm($('options'), $('quick'), state.table, state.values, changed, quickNames);
  $('reset-options').addEventListener('click', () => {
    for (const option of state.table) state.values[option.name] = defaultValue(option);
    syncOptionsForm(state.table, state.values);
    buildOptionsForm($('options'), $('quick'), state.table, state.values, changed, quickNames);
    changed();
  });
  wireInput();
  wireConfigurations(description.configurations);
  wireOutputs();
  document.title = `Hueset ${description.version}`;
  document.body.dataset.core = await call('module');
  setState('ready');
}

start().catch((error) => {
  showMessages(`The page could not start: ${error.message}`);
  setState('failed');
});

// Offline, the page opens again from the files its service worker kept
// (only where the browser allows one: http on localhost, or https).
if ('serviceWorker' in navigator && window.isSecureContext) {
  navigator.serviceWorker.register('./sw.js').catch(() => { /* still works, online only */ });
}

// For the page's tests: open a file as if dropped.
window.hueset = { openBytes: (name, bytes) => setInput(name, bytes) };
