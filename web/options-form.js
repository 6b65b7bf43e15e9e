// The options form, built from the core's option table: one fold per
// section, one field per option, each kind with its own control. Values are
// kept as the text `--option NAME=VALUE` takes; only those that differ from
// the default are passed on.

export function defaultValue(option) {
  switch (option.kind) {
    case 'text': return option.defaultText;
    case 'character': return String.fromCharCode(option.defaultNumber);
    default: return String(option.defaultNumber);
  }
}

// The options that differ from their defaults, as words for the command line.
export function optionWords(table, values) {
  const words = [];
  for (const option of table) {
    if (!option.onCommandLine) continue;
    const value = values[option.name];
    if (value !== undefined && value !== defaultValue(option)) {
      words.push('--option', `${option.name}=${value}`);
    }
  }
  return words;
}

function control(option, value, onChange) {
  const input = document.createElement('input');
  input.id = `opt-${option.name}`;
  input.name = option.name;
  input.title = `${option.section}: ${option.key} (--option ${option.name})`;
  if (option.kind === 'flag') {
    input.type = 'checkbox';
    input.checked = value === '1';
    input.addEventListener('change', () => onChange(option.name, input.checked ? '1' : '0'));
    return input;
  }
  if (option.kind === 'number') {
    input.type = 'number';
    input.min = option.low;
    input.max = option.high;
    input.title += `, ${option.low} to ${option.high}`;
  } else {
    input.type = 'text';
    if (option.kind === 'character') input.maxLength = 1;
  }
  input.value = value;
  input.addEventListener('input', () => onChange(option.name, input.value));
  return input;
}

// The quick bar shows the consensus threshold as the desktop program does,
// in percent with one decimal; the value kept and passed on stays in tenths.
const percentNames = ['consensusThreshold'];
const asPercent = (tenths) => (Number(tenths) / 10).toFixed(1);
const asTenths = (text) => (text.trim() === '' || Number.isNaN(Number(text)) ? text : String(Math.round(Number(text) * 10)));

function percentControl(option, value, onChange) {
  const input = document.createElement('input');
  input.name = option.name;
  input.type = 'number';
  input.dataset.percent = '';
  input.min = asPercent(option.low);
  input.max = asPercent(option.high);
  input.step = '0.1';
  input.title = `${option.section}: ${option.key} in percent, ${input.min} to ${input.max}`;
  input.value = asPercent(value);
  input.addEventListener('input', () => onChange(option.name, asTenths(input.value)));
  return input;
}

// Fills `form` (and `quick`, the few options shown above it) with every
// option, those a run cannot set (the desktop program's) shown disabled;
// `onChange(name, value)` hears every edit.
export function buildOptionsForm(form, quick, table, values, onChange, quickNames) {
  form.replaceChildren();
  quick.replaceChildren();
  const folds = new Map();
  const mark = (name) => {
    const option = table.find((o) => o.name === name);
    for (const label of document.querySelectorAll(`label[data-option="${name}"]`)) {
      label.classList.toggle('changed', values[name] !== defaultValue(option));
    }
  };
  const changed = (name, value) => {
    values[name] = value;
    syncOptionsForm(table, values, name);
    mark(name);
    onChange(name, value);
  };
  for (const option of table) {
    let fold = folds.get(option.section);
    if (!fold) {
      const details = document.createElement('details');
      details.dataset.section = option.section;
      const summary = document.createElement('summary');
      summary.textContent = option.section;
      const fields = document.createElement('div');
      fields.className = 'fields';
      details.append(summary, fields);
      if (!option.onCommandLine) {
        const note = document.createElement('p');
        note.className = 'note';
        note.textContent = 'The desktop program\'s own settings: they change nothing here.';
        details.append(note);
      }
      form.append(details);
      fold = fields;
      folds.set(option.section, fold);
    }
    const label = document.createElement('label');
    label.htmlFor = `opt-${option.name}`;
    label.dataset.option = option.name;
    label.textContent = option.key;
    const input = control(option, values[option.name], changed);
    input.disabled = !option.onCommandLine;
    fold.append(label, input);
    if (quickNames.includes(option.name)) {
      const quickLabel = document.createElement('label');
      quickLabel.dataset.option = option.name;
      const percent = percentNames.includes(option.name);
      const input = (percent ? percentControl : control)(option, values[option.name], changed);
      input.id = `quick-${option.name}`;
      quickLabel.append(option.key, input);
      if (percent) quickLabel.append('%');
      quick.append(quickLabel);
    }
    mark(option.name);
  }
  form.querySelector('details')?.setAttribute('open', '');
}

// Shows `values[name]` in every control of that option (the form's and the
// quick one), or in all of them when no name is given.
export function syncOptionsForm(table, values, name) {
  for (const option of table) {
    if (name && option.name !== name) continue;
    for (const input of document.querySelectorAll(`input[name="${option.name}"]`)) {
      if (option.kind === 'flag') input.checked = values[option.name] === '1';
      else if ('percent' in input.dataset) {
        // Not while it is typed in: "70." is already 700.
        if (asTenths(input.value) !== values[option.name]) input.value = asPercent(values[option.name]);
      } else if (input.value !== values[option.name]) input.value = values[option.name];
    }
  }
}
