// rate: the party's rates against N enemies of one speed (a simulated run, and the exact rates
// on request), or against one speed per enemy (exact, and a run on request).
import { INT32, seedOf, speedList, wholeNumber } from './field_reading.js';
import { requestReader } from './request_reader.js';

const listed = (v) => v.group === 'listed';

export const rateForm = {
  question: 'rate',
  title: 'page.question.rate',
  fields: [
    { name: 'group', kind: 'choice', label: 'page.field.group',
      choices: [['speed', 'page.group.speed'], ['listed', 'page.group.listed']],
      infer: (params) => (params.has('enemy-speeds') ? 'listed' : 'speed') },
    { name: 'enemy-speed', kind: 'number', label: 'page.field.enemySpeed', when: (v) => !listed(v), roster: true },
    { name: 'enemies', kind: 'number', label: 'page.field.enemies', when: (v) => !listed(v) },
    { name: 'enemy-speeds', kind: 'text', label: 'page.field.enemySpeeds', when: listed, hint: 'page.hint.enemySpeeds' },
    { name: 'exact', kind: 'check', label: 'page.field.exact', when: (v) => !listed(v) },
    { name: 'simulate', kind: 'check', label: 'page.field.simulate', when: listed },
    { name: 'seed', kind: 'number', label: 'page.field.seed', hint: 'page.hint.seed',
      when: (v) => !listed(v) || v.simulate },
  ],
  defaults: { group: 'speed', 'enemy-speed': '50', enemies: '2', 'enemy-speeds': '80,30,30', exact: true,
              simulate: false, seed: '' },

  read(values, allies) {
    const r = requestReader(values);
    const isListed = listed(values);
    const simulate = !isListed || values.simulate;
    const request = {
      allies,
      enemySpeed: isListed ? null : r.take('enemy-speed', (s) => wholeNumber(s, INT32)),
      enemies: isListed ? null : r.take('enemies', (s) => wholeNumber(s, INT32)),
      enemySpeeds: isListed ? r.take('enemy-speeds', (s) => speedList(s, 9)) : [],
      simulate,
      exact: isListed || values.exact,
      seed: 0,
    };
    const seed = simulate ? r.take('seed', seedOf) : null;
    if (seed) request.seed = seed.seed;
    return { request, errors: r.errors, drawnSeed: seed?.drawn ? seed.seed : null, simulated: false };
  },

  refusedField: (refused, values) =>
    ({ enemySpeed: listed(values) ? 'enemy-speeds' : 'enemy-speed', enemyCount: listed(values) ? 'enemy-speeds' : 'enemies',
       bestAllySpeed: 'allies', allySpeed: 'allies' })[refused],
};
