// A question's form from its fields: every input with its label (for=), its hint and the place
// for its complaint (aria-describedby), shown or hidden by the choices made above it.
import { el } from '../dom.js';
import { t } from '../texts/i18n.js';

function inputFor(id, field) {
  if (field.kind === 'choice') {
    return el('select', { id, name: field.name },
              field.choices.map(([value, label]) => el('option', { value, text: t(label) })));
  }
  if (field.kind === 'check') return el('input', { id, name: field.name, type: 'checkbox' });
  // Text, not type=number: the field keeps what was typed, so that a refusal can quote it, and
  // a phone still offers its number pad.
  return el('input', { id, name: field.name, type: 'text', autocomplete: 'off', spellcheck: 'false',
                       inputmode: field.kind === 'number' ? 'numeric' : 'text' });
}

export function formView(form, onChange) {
  const rows = new Map();
  const node = el('form', { class: 'question-form', id: `${form.question}-form`, novalidate: true });
  for (const field of form.fields) {
    const id = `${form.question}-${field.name}`;
    const input = inputFor(id, field);
    const label = el('label', { for: id, text: t(field.label) });
    const hint = field.hint ? el('p', { class: 'hint', id: `${id}-hint`, text: t(field.hint) }) : null;
    const error = el('p', { class: 'field-error', id: `${id}-error`, role: 'alert', hidden: true });
    input.setAttribute('aria-describedby', [hint && hint.id, error.id].filter(Boolean).join(' '));
    const row = el('div', { class: `field field-${field.kind}` },
                   field.kind === 'check' ? [input, label, hint, error] : [label, input, hint, error]);
    rows.set(field.name, { field, input, row, error });
    input.addEventListener(field.kind === 'text' || field.kind === 'number' ? 'input' : 'change', () => {
      showFields();
      onChange();
    });
    node.append(row);
  }

  function values() {
    const v = {};
    for (const [name, { field, input }] of rows) v[name] = field.kind === 'check' ? input.checked : input.value;
    return v;
  }

  function showFields() {
    const v = values();
    for (const { field, row } of rows.values()) row.hidden = Boolean(field.when && !field.when(v));
  }

  function setValues(v) {
    for (const [name, { field, input }] of rows) {
      if (!(name in v)) continue;
      if (field.kind === 'check') input.checked = Boolean(v[name]);
      else input.value = v[name] ?? '';
    }
    showFields();
  }

  // Each field's complaint beside it, or none; `errors` maps a field's name to its text.
  function showErrors(errors) {
    for (const [name, { input, error }] of rows) {
      const text = errors[name];
      error.hidden = !text;
      error.textContent = text ?? '';
      if (text) input.setAttribute('aria-invalid', 'true');
      else input.removeAttribute('aria-invalid');
    }
  }

  return { node, values, setValues, showErrors, has: (name) => rows.has(name) };
}
