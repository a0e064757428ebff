// rate: the party's rates against N enemies of one speed (a simulated run, and the exact rates
// on request), or against one speed per enemy (exact, and a run on request).
import { enemyGroupFieldOf, enemyGroupFields, listed, readEnemyGroup } from './enemy_group_fields.js';
import { seedOf } from './field_reading.js';
import { requestReader } from './request_reader.js';

export const rateForm = {
  question: 'rate',
  title: 'page.question.rate',
  fields: [
    ...enemyGroupFields,
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
      ...readEnemyGroup(r, values),
      simulate,
      exact: isListed || values.exact,
      seed: 0,
    };
    const seed = simulate ? r.take('seed', seedOf) : null;
    if (seed) request.seed = seed.seed;
    return { request, errors: r.errors, drawnSeed: seed?.drawn ? seed.seed : null, simulated: false };
  },

  refusedField: (refused, values) =>
    ({ ...enemyGroupFieldOf(values),
       bestAllySpeed: 'allies', allySpeed: 'allies' })[refused],
};
