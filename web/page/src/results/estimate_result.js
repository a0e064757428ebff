// estimate's answer: the window's five-row table with its best row marked, and what a count
// K of N says: the speeds it allows and the likeliest.
import { el } from '../dom.js';
import { t } from '../texts/i18n.js';

export function spanText(range) {
  if (!range) return t('page.span.none');
  if (range.lowest <= 1 && range.highest === null) return t('page.span.every');
  if (range.highest === null) return t('page.span.orMore', { a: range.lowest });
  if (range.lowest <= 1) return t('page.span.orLess', { b: range.highest });
  return t('page.span.fromTo', { a: range.lowest, b: range.highest });
}

export function estimateTable(answer, texts) {
  const head = el('tr', {}, [el('th', { scope: 'col', text: t('page.table.speed') }),
                             el('th', { scope: 'col', text: t('page.table.firstStrike') }),
                             el('th', { scope: 'col', text: t('page.table.shutOut', { n: answer.enemies }) })]);
  const rows = answer.rows.map((row, i) => {
    const best = row.run && row.speed === answer.bestSpeed;
    return el('tr', { class: best ? 'best' : null }, [
      el('th', { scope: 'row', class: 'number', text: row.run ? String(row.speed) : '' }, [
        best ? el('span', { class: 'best-mark', text: ` ${t('page.table.best')}` }) : null]),
      el('td', { class: 'number', text: texts.rows[i].firstStrike }),
      el('td', { class: 'number', text: texts.rows[i].shutOut }),
    ]);
  });
  return el('table', { class: 'estimate-table' }, [
    el('caption', { text: t('page.table.caption') }), el('thead', {}, [head]), el('tbody', {}, rows)]);
}

export function observedLines(answer, texts) {
  if (!answer.observed) return null;
  const { likeliest, consistentRange } = answer.observed;
  return el('dl', { class: 'observed' }, [
    el('dt', { text: t('page.observed.consistent') }),
    el('dd', { class: 'consistent-range', text: spanText(consistentRange) }),
    el('dt', { text: t('page.observed.likeliest') }),
    el('dd', { class: 'likeliest',
               text: `${likeliest.speed}${likeliest.andEveryFaster ? t('page.observed.orMore') : ''} (${t('page.percent', { x: texts.likeliest })})` }),
  ]);
}

// What deserves a second look (a rate no speed gives, a count that disagrees, a best speed at
// the simulated estimation's cap), as the CLI words it in its JSON.
function notes(json) {
  const found = JSON.parse(json).notes ?? [];
  return found.length ? el('ul', { class: 'notes', id: 'estimate-notes' }, found.map((n) => el('li', { text: n.message }))) : null;
}

export function estimateResult({ answer, texts, json }) {
  return el('div', {}, [estimateTable(answer, texts), observedLines(answer, texts), notes(json)]);
}
