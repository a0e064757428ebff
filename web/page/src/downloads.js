// Saves a text as a file on the device: the core's JSON, CSV and SVG exactly as it wrote them.
import { el } from './dom.js';

export function saveText(fileName, text, type) {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const link = el('a', { href: url, download: fileName, hidden: true });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// The buttons for what the core gave: JSON and CSV where the CLI offers them, SVG for the curve.
export function downloadButtons(question, outcome) {
  const kinds = [['json', 'JSON', 'application/json'], ['csv', 'CSV', 'text/csv'], ['svg', 'SVG', 'image/svg+xml']];
  const buttons = kinds.filter(([key]) => typeof outcome[key] === 'string').map(([key, label, type]) =>
    el('button', { type: 'button', class: 'download', id: `${question}-download-${key}`, text: label,
                   onclick: () => saveText(`kestavel-${question}.${key}`, outcome[key], type) }));
  return buttons.length ? el('div', { class: 'downloads' }, buttons) : null;
}
