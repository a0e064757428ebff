// Counting beside the game: after each fight one tap (struck first or not; shut out or not),
// kept per enemy or area the player names, and what the count K of N says of the enemy's speed
// as it grows (the estimation from a count, always exact).
import { clear, el } from './dom.js';
import { estimateTable, observedLines } from './results/estimate_result.js';
import { loadValue, saveValue } from './stored_inputs.js';
import { language, t } from './texts/i18n.js';

const freshCount = () => ({ enemies: 1, taps: [] });
const usable = (count) => count && typeof count === 'object' && Array.isArray(count.taps) &&
  Number.isInteger(count.enemies) && count.enemies >= 1 && count.enemies <= 9;

// The counts by the names the player gave, in an object without a prototype: a name such as
// "__proto__" or "constructor" is a name like any other. A count the device kept damaged starts
// again.
function loadCounts() {
  const stored = loadValue('counts');
  const counts = Object.create(null);
  if (stored && typeof stored === 'object' && stored.counts && typeof stored.counts === 'object') {
    for (const [name, count] of Object.entries(stored.counts)) counts[name] = usable(count) ? count : freshCount();
  }
  const active = typeof stored?.active === 'string' ? stored.active : 'default';
  return { active, counts };
}

export function countPanel({ party, quick }) {
  const state = loadCounts();
  const current = () => (state.counts[state.active] ??= freshCount());
  const save = () => saveValue('counts', state);
  current();

  const names = el('select', { id: 'count-name' });
  const newName = el('input', { id: 'count-new', type: 'text', autocomplete: 'off', maxlength: '60' });
  const enemies = el('select', { id: 'count-enemies' },
                     Array.from({ length: 9 }, (_, i) => el('option', { value: String(i + 1), text: String(i + 1) })));
  const tally = el('p', { class: 'tally', id: 'count-tally', 'aria-live': 'polite' });
  const yes = el('button', { type: 'button', class: 'tap yes', id: 'count-yes' });
  const no = el('button', { type: 'button', class: 'tap no', id: 'count-no' });
  const estimate = el('div', { class: 'result', id: 'count-result' });
  let turn = 0;

  function fillNames() {
    clear(names).append(...Object.keys(state.counts).map((name) =>
      el('option', { value: name, text: name === 'default' ? t('page.count.defaultName') : name, selected: name === state.active })));
  }

  async function refresh() {
    const count = current();
    const k = count.taps.filter(Boolean).length, n = count.taps.length;
    enemies.value = String(count.enemies);
    yes.textContent = t(count.enemies === 1 ? 'page.count.struckFirst' : 'page.count.shutOut');
    no.textContent = t(count.enemies === 1 ? 'page.count.notFirst' : 'page.count.notShutOut');
    tally.textContent = t(count.enemies === 1 ? 'page.count.tallyFirst' : 'page.count.tallyShutOut', { k, n, e: count.enemies });
    const mine = ++turn;
    clear(estimate);
    const allies = party.read();
    if (n === 0 || allies === null) return;
    const request = { allies, firstStrike: null, shutOut: null, enemies: count.enemies,
                      observed: { successes: k, encounters: n }, exact: true, seed: 0 };
    try {
      const outcome = await quick.call({ op: 'ask', question: 'estimate', request, lang: language() });
      if (mine !== turn) return;
      if (outcome.refusal) estimate.append(el('p', { class: 'refusal', text: outcome.refusalText ?? t('page.error.failed') }));
      else estimate.append(observedLines(outcome.answer, outcome.texts), estimateTable(outcome.answer, outcome.texts));
    } catch {
      if (mine === turn) estimate.append(el('p', { class: 'refusal', text: t('page.error.failed') }));
    }
  }

  const tap = (won) => () => {
    current().taps.push(won ? 1 : 0);
    save();
    refresh();
  };
  yes.addEventListener('click', tap(true));
  no.addEventListener('click', tap(false));
  names.addEventListener('change', () => { state.active = names.value; save(); refresh(); });
  enemies.addEventListener('change', () => { current().enemies = Number(enemies.value); save(); refresh(); });

  const add = el('button', { type: 'button', id: 'count-add', text: t('page.count.add'), onclick: () => {
    const name = newName.value.trim();
    if (!name) return;
    state.counts[name] ??= freshCount();
    state.active = name;
    newName.value = '';
    save();
    fillNames();
    refresh();
  } });
  const undo = el('button', { type: 'button', id: 'count-undo', text: t('page.count.undo'), onclick: () => {
    current().taps.pop();
    save();
    refresh();
  } });
  const restart = el('button', { type: 'button', id: 'count-restart', text: t('page.count.restart'), onclick: () => {
    current().taps = [];
    save();
    refresh();
  } });

  fillNames();
  const node = el('section', { class: 'panel', id: 'count-panel', role: 'tabpanel', 'aria-labelledby': 'count-tab' }, [
    el('h2', { text: t('page.question.count') }),
    el('div', { class: 'count-controls' }, [
      el('p', { class: 'hint', text: t('page.count.intro') }),
      el('div', { class: 'field' }, [el('label', { for: 'count-name', text: t('page.count.name') }), names]),
      el('div', { class: 'field inline' }, [el('label', { for: 'count-new', text: t('page.count.newName') }), newName, add]),
      el('div', { class: 'field' }, [el('label', { for: 'count-enemies', text: t('page.count.enemies') }), enemies]),
      el('div', { class: 'taps' }, [yes, no]),
      tally,
      el('div', { class: 'actions' }, [undo, restart])]),
    estimate]);
  return { node, run: refresh, later: refresh, question: 'count' };
}
