// need: the smallest speed of one member at which the exact first-strike or shut-out rate
// reaches a whole percent, against one speed and a count or one speed per enemy.
import { enemyGroupFieldOf, enemyGroupFields, readEnemyGroup } from './enemy_group_fields.js';
import { wholeNumber } from './field_reading.js';
import { requestReader } from './request_reader.js';

export const needForm = {
  question: 'need',
  title: 'page.question.need',
  fields: [
    { name: 'event', kind: 'choice', label: 'page.field.event',
      choices: [['first-strike', 'page.event.firstStrike'], ['shut-out', 'page.event.shutOut']],
      infer: (params) => (params.has('shut-out') ? 'shut-out' : 'first-strike') },
    { name: 'percent', kind: 'number', label: 'page.field.targetPercent', option: (v) => v.event,
      hint: 'page.hint.targetPercent' },
    ...enemyGroupFields,
    { name: 'member', kind: 'number', label: 'page.field.member', hint: 'page.hint.member' },
  ],
  defaults: { event: 'first-strike', percent: '80', group: 'speed', 'enemy-speed': '50', enemies: '1',
              'enemy-speeds': '80,30,30', member: '' },

  read(values, allies) {
    const r = requestReader(values);
    const percent = r.take('percent', (s) => wholeNumber(s, { lowest: 0, highest: 100 }));
    const request = {
      allies,
      ...readEnemyGroup(r, values),
      firstStrike: values.event === 'shut-out' ? null : percent,
      shutOut: values.event === 'shut-out' ? percent : null,
      member: (values.member ?? '').trim() === '' ? null : r.take('member', (s) => wholeNumber(s, { lowest: 1, highest: 5 })),
    };
    return { request, errors: r.errors, drawnSeed: null, simulated: false };
  },

  refusedField: (refused, values) =>
    ({ ...enemyGroupFieldOf(values),
       observedPercent: 'percent', bestAllySpeed: 'allies', allySpeed: 'allies' })[refused],
};
