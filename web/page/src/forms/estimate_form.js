// estimate: the enemy speed behind a first-strike or shut-out rate (simulated as the window
// runs it, or exact), or behind a count K of N (always exact, as the CLI's --observed).
import { INT32, observedCount, observedFieldOf, seedOf, wholeNumber } from './field_reading.js';
import { requestReader } from './request_reader.js';

const counted = (v) => v.basis === 'observed';

export const estimateForm = {
  question: 'estimate',
  title: 'page.question.estimate',
  fields: [
    { name: 'basis', kind: 'choice', label: 'page.field.basis',
      choices: [['first-strike', 'page.basis.firstStrike'], ['shut-out', 'page.basis.shutOut'],
                ['observed', 'page.basis.observed']],
      infer: (params) => (params.has('shut-out') ? 'shut-out' : params.has('first-strike') ? 'first-strike'
        : params.has('observed') ? 'observed' : 'first-strike') },
    { name: 'percent', kind: 'number', label: 'page.field.percent', option: (v) => v.basis, when: (v) => !counted(v),
      hint: 'page.hint.percent' },
    { name: 'observed', kind: 'text', label: 'page.field.observed', when: counted, hint: 'page.hint.observed' },
    { name: 'enemies', kind: 'number', label: 'page.field.enemies', when: (v) => v.basis !== 'first-strike' },
    { name: 'exact', kind: 'check', label: 'page.field.exactEstimate', when: (v) => !counted(v) },
    { name: 'seed', kind: 'number', label: 'page.field.seed', hint: 'page.hint.seed',
      when: (v) => !counted(v) && !v.exact },
  ],
  defaults: { basis: 'first-strike', percent: '40', observed: '7/20', enemies: '2', exact: false, seed: '' },

  read(values, allies) {
    const r = requestReader(values);
    const basis = values.basis;
    const exact = counted(values) || Boolean(values.exact);
    const percent = counted(values) ? null : r.take('percent', (s) => wholeNumber(s, INT32));
    const request = {
      allies,
      firstStrike: basis === 'first-strike' ? percent : null,
      shutOut: basis === 'shut-out' ? percent : null,
      // A count without an enemy count is of first strikes, as kestavel-cli takes --observed alone.
      enemies: basis === 'first-strike' ? 1
        : r.take('enemies', (s) => (counted(values) && s.trim() === '' ? 1 : wholeNumber(s, INT32))),
      observed: counted(values) ? r.take('observed', observedCount) : null,
      exact,
      seed: 0,
    };
    const seed = exact ? null : r.take('seed', seedOf);
    if (seed) request.seed = seed.seed;
    return { request, errors: r.errors, drawnSeed: seed?.drawn ? seed.seed : null, simulated: !exact };
  },

  refusedField: (refused) =>
    ({ ...observedFieldOf, observedPercent: 'percent', enemyCount: 'enemies', bestAllySpeed: 'allies',
       allySpeed: 'allies' })[refused],
};
