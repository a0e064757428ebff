// What the page remembers between visits, in localStorage: the last inputs of each question,
// the party, the language, the counts. A browser that refuses storage (a private window, a
// file opened from disk on a locked-down system) only loses the memory, never the page.
const PREFIX = 'kestavel.';

export function loadValue(name) {
  try {
    const text = localStorage.getItem(PREFIX + name);
    return text === null ? null : JSON.parse(text);
  } catch {
    return null;
  }
}

export function saveValue(name, value) {
  try {
    localStorage.setItem(PREFIX + name, JSON.stringify(value));
  } catch {
    // Storage full or refused: the page goes on without remembering.
  }
}
