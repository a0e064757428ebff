// The party, shared by every question, and the roster: a speed.txt from the device read by the
// core's loader, its enemies in a list that fills the enemy speed, and what the loader dropped
// or warned of.
import { clear, el } from './dom.js';
import { FieldError, speedList } from './forms/field_reading.js';
import { loadValue, saveValue } from './stored_inputs.js';
import { language, t } from './texts/i18n.js';

// Enough of a long diagnostics list to act on; the rest is counted.
const MOST_SHOWN = 200;

function diagnostics(roster) {
  const items = [];
  const converted = { utf8: 'page.roster.utf8', utf8Bom: 'page.roster.utf8', utf16le: 'page.roster.utf16',
                      utf16be: 'page.roster.utf16' };
  if (roster.convertedFrom) items.push(t(converted[roster.convertedFrom]));
  else if (roster.encodingText) items.push(roster.encodingText);
  for (const d of roster.diagnostics) {
    items.push(t(d.dropped ? 'page.roster.dropped' : 'page.roster.warned', { line: d.line, reason: d.text }));
  }
  const list = el('ul', { class: 'diagnostics', id: 'roster-diagnostics' },
                  items.slice(0, MOST_SHOWN).map((text) => el('li', { text })));
  if (items.length > MOST_SHOWN) list.append(el('li', { text: t('page.roster.more', { n: items.length - MOST_SHOWN }) }));
  return list;
}

export function partyPanel({ quick, onChange, onEnemyChosen }) {
  const allies = el('input', { id: 'allies', type: 'text', inputmode: 'numeric', autocomplete: 'off', spellcheck: 'false',
                               'aria-describedby': 'allies-hint allies-error' });
  allies.value = loadValue('allies') ?? '60,50,40,30,20';
  const error = el('p', { class: 'field-error', id: 'allies-error', role: 'alert', hidden: true });
  allies.addEventListener('input', () => {
    saveValue('allies', allies.value);
    onChange();
  });

  const file = el('input', { id: 'roster-file', type: 'file', accept: '.txt,text/plain' });
  const enemy = el('select', { id: 'roster-enemy', disabled: true }, [el('option', { value: '', text: t('page.roster.none') })]);
  const report = el('div', { class: 'roster-report', id: 'roster-report', 'aria-live': 'polite' });
  let rows = [];
  file.addEventListener('change', async () => {
    const chosen = file.files[0];
    if (!chosen) return;
    clear(report).append(el('p', { text: t('page.roster.reading') }));
    try {
      const bytes = new Uint8Array(await chosen.arrayBuffer());
      const roster = await quick.call({ op: 'roster', bytes, fileName: chosen.name, lang: language() });
      rows = roster.rows;
      clear(enemy).append(el('option', { value: '', text: t('page.roster.choose', { n: rows.length }) }),
                          ...rows.map((row, i) => el('option', { value: String(i), text: row.entry })));
      enemy.disabled = rows.length === 0;
      clear(report).append(el('p', { id: 'roster-summary', text: t('page.roster.summary', { name: chosen.name, n: rows.length }) }),
                           diagnostics(roster));
    } catch {
      clear(report).append(el('p', { class: 'refusal', text: t('page.roster.failed') }));
    }
  });
  enemy.addEventListener('change', () => {
    const row = rows[Number(enemy.value)];
    if (enemy.value !== '' && row) onEnemyChosen(String(row.speed));
  });

  const node = el('section', { class: 'party', 'aria-label': t('page.party.title') }, [
    el('div', { class: 'field' }, [el('label', { for: 'allies', text: t('page.field.allies') }), allies,
                                   el('p', { class: 'hint', id: 'allies-hint', text: t('page.hint.allies') }), error]),
    el('details', { class: 'roster' }, [
      el('summary', { text: t('page.roster.title') }),
      el('div', { class: 'field' }, [el('label', { for: 'roster-file', text: t('page.roster.file') }), file]),
      el('div', { class: 'field' }, [el('label', { for: 'roster-enemy', text: t('page.roster.enemy') }), enemy]),
      report])]);

  function showError(text) {
    error.hidden = !text;
    error.textContent = text ?? '';
    if (text) allies.setAttribute('aria-invalid', 'true');
    else allies.removeAttribute('aria-invalid');
  }

  // The speeds, or null with the complaint shown beside the field.
  function read() {
    try {
      const speeds = speedList(allies.value, 5);
      showError(null);
      return speeds;
    } catch (e) {
      if (!(e instanceof FieldError)) throw e;
      showError(e.message);
      return null;
    }
  }

  return { node, read, showError, text: () => allies.value.trim(), setText: (v) => { allies.value = v; } };
}
