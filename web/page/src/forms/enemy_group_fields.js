// The enemies a rate or a speed needed is asked against: N enemies of one speed (which a roster
// row can fill), or one speed per enemy, the first the one a first strike is against; as the
// CLI's --enemy-speed with --enemies, or --enemy-speeds.
import { INT32, speedList, wholeNumber } from './field_reading.js';

export const listed = (v) => v.group === 'listed';

export const enemyGroupFields = [
  { name: 'group', kind: 'choice', label: 'page.field.group',
    choices: [['speed', 'page.group.speed'], ['listed', 'page.group.listed']],
    infer: (params) => (params.has('enemy-speeds') ? 'listed' : 'speed') },
  { name: 'enemy-speed', kind: 'number', label: 'page.field.enemySpeed', when: (v) => !listed(v), roster: true },
  { name: 'enemies', kind: 'number', label: 'page.field.enemies', when: (v) => !listed(v) },
  { name: 'enemy-speeds', kind: 'text', label: 'page.field.enemySpeeds', when: listed, hint: 'page.hint.enemySpeeds' },
];

// The request's enemySpeed, enemies and enemySpeeds, each field read by `reader`.
export function readEnemyGroup(reader, values) {
  const isListed = listed(values);
  return {
    enemySpeed: isListed ? null : reader.take('enemy-speed', (s) => wholeNumber(s, INT32)),
    enemies: isListed ? null : reader.take('enemies', (s) => wholeNumber(s, INT32)),
    enemySpeeds: isListed ? reader.take('enemy-speeds', (s) => speedList(s, 9)) : [],
  };
}

// Where a refusal of the enemies is shown.
export const enemyGroupFieldOf = (values) => ({
  enemySpeed: listed(values) ? 'enemy-speeds' : 'enemy-speed',
  enemyCount: listed(values) ? 'enemy-speeds' : 'enemies',
});
