// curve: both exact rates at every enemy speed of a range (one listed enemy's, the others as
// listed), a simulated run per speed on request, and the speeds a count K of N allows.
import { INT32, observedCount, observedFieldOf, seedOf, speedList, wholeNumber } from './field_reading.js';
import { requestReader } from './request_reader.js';

const listed = (v) => v.group === 'listed';
const HIGHEST_FROM = 100000;
const MOST_SPEEDS = 10000;

export const curveForm = {
  question: 'curve',
  title: 'page.question.curve',
  fields: [
    { name: 'group', kind: 'choice', label: 'page.field.group',
      choices: [['count', 'page.group.count'], ['listed', 'page.group.listedVary']],
      infer: (params) => (params.has('enemy-speeds') ? 'listed' : 'count') },
    { name: 'enemies', kind: 'number', label: 'page.field.enemies', when: (v) => !listed(v) },
    { name: 'enemy-speeds', kind: 'text', label: 'page.field.enemySpeeds', when: listed, hint: 'page.hint.enemySpeeds' },
    { name: 'vary', kind: 'number', label: 'page.field.vary', when: listed, hint: 'page.hint.vary' },
    { name: 'from', kind: 'number', label: 'page.field.from', hint: 'page.hint.fromTo' },
    { name: 'to', kind: 'number', label: 'page.field.to' },
    { name: 'observed', kind: 'text', label: 'page.field.observed', hint: 'page.hint.curveObserved' },
    { name: 'simulate', kind: 'check', label: 'page.field.simulateCurve' },
    { name: 'seed', kind: 'number', label: 'page.field.seed', hint: 'page.hint.seed', when: (v) => v.simulate },
  ],
  defaults: { group: 'count', enemies: '2', 'enemy-speeds': '80,30,30', vary: '1', from: '', to: '', observed: '',
              simulate: false, seed: '' },

  read(values, allies) {
    const r = requestReader(values);
    const isListed = listed(values);
    const enemySpeeds = isListed ? r.take('enemy-speeds', (s) => speedList(s, 9)) : [];
    const request = {
      allies,
      enemies: isListed ? (enemySpeeds ?? []).length : r.take('enemies', (s) => (s.trim() === '' ? 1 : wholeNumber(s, INT32))),
      enemySpeeds: enemySpeeds ?? [],
      vary: isListed ? r.take('vary', (s) => wholeNumber(s, { lowest: 1, highest: Math.max(1, (enemySpeeds ?? []).length) })) : 0,
      from: null,
      to: null,
      simulate: Boolean(values.simulate),
      seed: 0,
      observed: (values.observed ?? '').trim() === '' ? null : r.take('observed', observedCount),
    };
    const fromText = (values.from ?? '').trim(), toText = (values.to ?? '').trim();
    if (fromText !== '' || toText !== '') {
      request.from = r.take('from', (s) => wholeNumber(s, { lowest: 1, highest: HIGHEST_FROM }));
      if (request.from !== null) {
        request.to = r.take('to', (s) => wholeNumber(s, { lowest: request.from, highest: request.from + MOST_SPEEDS - 1 }));
      }
    }
    const seed = request.simulate ? r.take('seed', seedOf) : null;
    if (seed) request.seed = seed.seed;
    return { request, errors: r.errors, drawnSeed: seed?.drawn ? seed.seed : null, simulated: request.simulate };
  },

  refusedField: (refused, values) =>
    ({ enemySpeed: 'enemy-speeds', enemyCount: listed(values) ? 'enemy-speeds' : 'enemies', bestAllySpeed: 'allies',
       allySpeed: 'allies', ...observedFieldOf })[refused],
};
