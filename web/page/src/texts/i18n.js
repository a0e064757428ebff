// The page's texts in the reader's language: the catalogues the CLI speaks from, their page.*
// keys. Japanese unless the browser reads English, and the reader's own choice over both.
import en from '../../../../messages/en.json';
import ja from '../../../../messages/ja.json';
import { loadValue, saveValue } from '../stored_inputs.js';

const catalogues = { en, ja };
let current = 'ja';

export function startLanguage() {
  const chosen = loadValue('language');
  if (chosen === 'ja' || chosen === 'en') current = chosen;
  else current = (navigator.language || '').toLowerCase().startsWith('en') ? 'en' : 'ja';
  document.documentElement.lang = current;
  return current;
}

export const language = () => current;

export function chooseLanguage(lang) {
  current = lang === 'en' ? 'en' : 'ja';
  saveValue('language', current);
  document.documentElement.lang = current;
}

// A text by key, its {name} places filled with the values given. A percent sign is written %%
// in the catalogues, as in every other text there.
export function t(key, values = {}) {
  const text = catalogues[current][key] ?? catalogues.ja[key] ?? key;
  return text.replaceAll('%%', '%').replace(/\{(\w+)\}/g, (whole, name) => (name in values ? String(values[name]) : whole));
}
