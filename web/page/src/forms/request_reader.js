// Reads a form's values into a question's request field by field, keeping every field's
// complaint rather than stopping at the first, so that each shows beside its own field.
import { FieldError } from './field_reading.js';

export function requestReader(values) {
  const errors = {};
  return {
    errors,
    take(name, read) {
      try {
        return read(values[name] ?? '');
      } catch (error) {
        if (!(error instanceof FieldError)) throw error;
        errors[name] = error.message;
        return null;
      }
    },
  };
}

// The options of a link, in the CLI's words: a text field by its value, a ticked box as a flag.
export function linkOptions(form, values) {
  const options = [];
  for (const field of form.fields) {
    if (field.kind === 'choice' || (field.when && !field.when(values))) continue;
    const value = values[field.name];
    const option = field.option ? field.option(values) : field.name;
    if (field.kind === 'check') {
      if (value) options.push([option, null]);
    } else if (typeof value === 'string' && value.trim() !== '') {
      options.push([option, value.trim()]);
    }
  }
  return options;
}

// A link's options back into the form's values; a choice is told by which options are there.
export function valuesOfLink(form, params) {
  const values = {};
  for (const field of form.fields) {
    if (field.kind === 'choice') values[field.name] = field.infer(params);
  }
  for (const field of form.fields) {
    if (field.kind === 'choice') continue;
    const option = field.option ? field.option(values) : field.name;
    if (field.kind === 'check') values[field.name] = params.has(option);
    else if (params.has(option)) values[field.name] = params.get(option);
    else values[field.name] = '';
  }
  return values;
}
